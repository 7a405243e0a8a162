#include "base/csv.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/file_error.h"
#include "support/temp_dir.h"

namespace kervale {
namespace {

namespace fs = std::filesystem;

// Runs f and returns the FileError it throws; fails the test when none is.
template <typename F>
FileError errorOf(F f) {
  try {
    f();
  } catch (const FileError& e) {
    return e;
  }
  ADD_FAILURE() << "no FileError thrown";
  return FileError("", "");
}

using TempFolder = test::TempDir;

std::vector<std::string> names(const TempFolder& folder) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder.path())) found.push_back(entry.path().filename().string());
  return found;
}

void writeRaw(const fs::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

TEST(CsvReader, QuotedTextsHoldCommasAndLineEnds) {
  CsvReader reader("clubs.dat", "\"Kervale, North\",12,\"two\r\nlines\",\"a\nb\"\r\n");
  const CsvValue name = reader.next();
  EXPECT_TRUE(name.quoted);
  EXPECT_EQ(name.text, "Kervale, North");
  EXPECT_EQ(reader.nextInt16(), 12);
  EXPECT_EQ(reader.nextText(), "two\r\nlines");
  EXPECT_EQ(reader.nextText(), "a\nb");
  EXPECT_TRUE(reader.atEnd());
  EXPECT_EQ(reader.valuesRead(), 4u);
}

TEST(CsvReader, CommasAndEveryLineEndSeparateAlike) {
  CsvReader crlf("a.dat", "1,2\r\n3\r\n4");
  CsvReader lf("b.dat", "1\n2,3\n4\n");
  CsvReader cr("c.dat", "1\r2\r3,4\r");
  for (CsvReader* reader : {&crlf, &lf, &cr}) {
    for (int expected = 1; expected <= 4; ++expected) EXPECT_EQ(reader->nextInt32(), expected) << reader->fileName();
    EXPECT_TRUE(reader->atEnd()) << reader->fileName();
  }
}

TEST(CsvReader, BlanksEmptyFieldsAndBlankLines) {
  CsvReader reader("x.dat", "  7 ,  -2.5\t,,\"\",word here ,\r\n\r\n\n  \"q\"  ,8");
  EXPECT_EQ(reader.nextNumber(), 7);
  EXPECT_EQ(reader.nextNumber(), -2.5);
  const CsvValue empty = reader.next();
  EXPECT_FALSE(empty.quoted || empty.isNumber());
  EXPECT_EQ(empty.number(), 0);
  EXPECT_TRUE(reader.next().quoted);
  EXPECT_EQ(reader.nextText(), "word here");
  EXPECT_EQ(reader.nextText(), "");  // the comma before the line end holds one
  EXPECT_EQ(reader.nextText(), "q");
  EXPECT_EQ(reader.nextInt16(), 8);
  EXPECT_TRUE(reader.atEnd());
}

TEST(CsvReader, EmptyValueBeforeALineEndIsAValue) {
  // An empty cell written last in its record, then the next record.
  CsvReader reader("save.usa", "\"a\",\r\n7,\n\"b\",");
  EXPECT_EQ(reader.nextText(), "a");
  EXPECT_EQ(reader.nextText(), "");
  EXPECT_EQ(reader.nextInt16(), 7);
  EXPECT_EQ(reader.nextNumber(), 0);
  EXPECT_EQ(reader.nextText(), "b");
  EXPECT_FALSE(reader.atEnd());  // the last comma promises one more, empty value
  EXPECT_EQ(reader.nextText(), "");
  EXPECT_TRUE(reader.atEnd());
  EXPECT_THROW(reader.next(), kervale::FileError);
}

TEST(CsvReader, TextAfterClosingQuoteIsSkipped) {
  CsvReader reader("x.dat", "\"ab\"cd,5,\"a\"\"b\",6");
  EXPECT_EQ(reader.nextText(), "ab");
  EXPECT_EQ(reader.nextInt16(), 5);
  EXPECT_EQ(reader.nextText(), "a");  // "" is not an escaped quote
  EXPECT_EQ(reader.nextInt16(), 6);
}

TEST(CsvReader, SurplusValuesAreNeverRead) {
  CsvReader reader("x.dat", "2,\"a\",\"b\",\"extra\",99\r\n");
  const int count = reader.nextInt16();
  for (int i = 0; i < count; ++i) reader.nextText();
  EXPECT_EQ(reader.valuesRead(), 3u);
  EXPECT_FALSE(reader.atEnd());
}

TEST(CsvReader, NumbersOfEveryType) {
  CsvReader reader("x.dat", "2.5,3.5,-2.5,70000,0.1,1e3,\" 12 \",32767.4,-32768");
  EXPECT_EQ(reader.nextInt16(), 2);
  EXPECT_EQ(reader.nextInt16(), 4);  // halves to even
  EXPECT_EQ(reader.nextInt32(), -2);
  EXPECT_EQ(reader.nextInt32(), 70000);
  EXPECT_EQ(reader.nextSingle(), 0.1f);
  EXPECT_EQ(reader.nextNumber(), 1000);
  EXPECT_EQ(reader.nextInt16(), 12);  // a quoted number converts
  EXPECT_EQ(reader.nextInt16(), 32767);
  EXPECT_EQ(reader.nextInt16(), -32768);
}

TEST(CsvReader, PlainDigitRunsReadAsTheGeneralParseReadsThem) {
  // Runs of up to 15 digits take a short cut; longer ones, signs, blanks and
  // points the general parse. Both give the same numbers.
  CsvReader reader("x.dat", "0,007,123456789012345,1234567890123456789,-0,+5,1 2");
  EXPECT_EQ(reader.nextNumber(), 0);
  EXPECT_EQ(reader.nextNumber(), 7);
  EXPECT_EQ(reader.nextNumber(), 123456789012345.0);
  EXPECT_EQ(reader.nextNumber(), 1234567890123456789.0);
  const double negativeZero = reader.nextNumber();
  EXPECT_EQ(negativeZero, 0);
  EXPECT_TRUE(std::signbit(negativeZero));
  EXPECT_EQ(reader.nextNumber(), 5);
  EXPECT_THROW(reader.nextNumber(), FileError);  // a blank inside is no number
}

TEST(CsvReader, ShortFileNamesTheFile) {
  CsvReader reader("refs.dat", "3,\"Ann\",1.5\r\n");
  reader.nextInt16();
  reader.nextText();
  reader.nextNumber();
  const FileError e = errorOf([&] { reader.nextText(); });
  EXPECT_EQ(e.fileName(), "refs.dat");
  EXPECT_STREQ(e.what(), "refs.dat: file ends after 3 values; more were expected");

  CsvReader empty("sponsors.dat", " \r\n");
  EXPECT_TRUE(empty.atEnd());
  EXPECT_STREQ(errorOf([&] { empty.nextInt16(); }).what(),
               "sponsors.dat: file ends after 0 values; more were expected");
}

TEST(CsvReader, BadNumbersNameTheValue) {
  CsvReader reader("players2.dat", "40000,-40000,abc,\"Joe\",1e999,3e9,1e39,&HFF");
  FileError e = errorOf([&] { reader.nextInt16(); });
  EXPECT_EQ(e.fileName(), "players2.dat");
  EXPECT_EQ(e.problem(), "line 1, value 1 (\"40000\") is out of range for a 16-bit integer");
  EXPECT_NE(errorOf([&] { reader.nextInt16(); }).problem().find("-40000"), std::string::npos);
  EXPECT_EQ(errorOf([&] { reader.nextNumber(); }).problem(), "line 1, value 3 (\"abc\") is not a number");
  EXPECT_NE(errorOf([&] { reader.nextInt32(); }).problem().find("Joe"), std::string::npos);
  EXPECT_NE(errorOf([&] { reader.nextNumber(); }).problem().find("1e999"), std::string::npos);
  EXPECT_NE(errorOf([&] { reader.nextInt32(); }).problem().find("3e9"), std::string::npos);
  EXPECT_NE(errorOf([&] { reader.nextSingle(); }).problem().find("1e39"), std::string::npos);
  EXPECT_THROW(reader.nextNumber(), FileError);
}

TEST(CsvReader, HostileContentGivesClearErrors) {
  CsvReader open("x.dat", "1,\"never closed");
  open.nextInt16();
  const FileError e = errorOf([&] { open.next(); });
  EXPECT_EQ(e.fileName(), "x.dat");
  EXPECT_NE(e.problem().find("never closed"), std::string::npos);

  // Control bytes in a bad value never reach the message.
  CsvReader control("y.dat", std::string("a\x01\x02", 3));
  const std::string message = errorOf([&] { control.nextInt16(); }).what();
  EXPECT_EQ(message.find('\x01'), std::string::npos);
  // Nor do bytes of 128 and above, which may be half a character.
  CsvReader high("z.dat", "\xC3\xA9t\xE9\x7F");
  EXPECT_EQ(errorOf([&] { high.nextNumber(); }).problem(), "line 1, value 1 (\"??t??\") is not a number");
}

TEST(CsvReader, AnExponentNeedsItsDigits) {
  for (const char* bad : {"1e", "2E+", "3e-", ".e5", "-"}) {
    CsvReader reader("x.dat", bad);
    EXPECT_THROW(reader.nextNumber(), FileError) << bad;
  }
  CsvReader good("x.dat", "1e2,2E+1,5e-1");
  EXPECT_EQ(good.nextNumber(), 100);
  EXPECT_EQ(good.nextNumber(), 20);
  EXPECT_EQ(good.nextNumber(), 0.5);
}

TEST(CsvReader, MaskedTextsAreShortAndPrintable) {
  EXPECT_EQ(maskedText("Harbour City"), "Harbour City");
  EXPECT_EQ(maskedText(std::string("a\0b\r\n\x1F~\x7F\x80\xFF", 10)), "a?b???~???");
  EXPECT_EQ(maskedText(std::string(40, 'x')), std::string(40, 'x'));
  EXPECT_EQ(maskedText(std::string(41, 'x')), std::string(40, 'x') + "...");
  EXPECT_EQ(maskedText(""), "");
}

TEST(CsvWriter, RecordsAndQuoting) {
  CsvWriter w;
  w.text("Kervale, North").number(12).number(2.5).endRecord();
  w.number(std::int64_t{-3000000000}).text("the \"Lions\"").number(0.0).endRecord();
  EXPECT_EQ(w.content(), "\"Kervale, North\",12,2.5\r\n-3000000000,\"the 'Lions'\",0\r\n");
}

TEST(CsvRoundTrip, NumbersAndAnyByteSurvive) {
  const std::string bytes = std::string(
      "a\0b\x01"
      "c\xFF,\r\nd",
      10);
  const std::vector<double> numbers = {0.1, 1.0 / 3.0, -2.5e-7, 123456789.123456789, 1e300, 4.9e-324, 7.0};
  CsvWriter w;
  w.text(bytes);
  for (double x : numbers) w.number(x);
  w.number(0.1f);
  w.endRecord();

  TempFolder folder;
  const fs::path file = folder.path() / "save1.usa";
  writeFileAtomically(file, w.content());
  CsvReader reader = CsvReader::fromFile(file);
  EXPECT_EQ(reader.fileName(), "save1.usa");
  EXPECT_EQ(reader.nextText(), bytes);
  for (double x : numbers) EXPECT_EQ(reader.nextNumber(), x);
  EXPECT_EQ(reader.nextSingle(), 0.1f);
  EXPECT_TRUE(reader.atEnd());
}

TEST(Files, MissingFileAndAtomicReplace) {
  TempFolder folder;
  const FileError e = errorOf([&] { CsvReader::fromFile(folder.path() / "nat.dat"); });
  EXPECT_EQ(e.fileName(), "nat.dat");
  EXPECT_NE(e.problem().find("cannot be opened"), std::string::npos) << e.what();
  EXPECT_THROW(readWholeFile(folder.path()), FileError);  // a folder is not a file

  const fs::path file = folder.path() / "game.usa";
  writeRaw(file, "old");
  writeFileAtomically(file, "new content");
  EXPECT_EQ(readWholeFile(file), "new content");
  EXPECT_EQ(names(folder), std::vector<std::string>{"game.usa"});
}

TEST(Files, FailedRenameLeavesTargetAndNoTemporary) {
  TempFolder folder;
  const fs::path target = folder.path() / "game.usa";
  fs::create_directory(target);
  writeRaw(target / "inside", "keep");
  const FileError e = errorOf([&] { writeFileAtomically(target, "data"); });
  EXPECT_EQ(e.fileName(), "game.usa");
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(readWholeFile(target / "inside"), "keep");
  EXPECT_EQ(names(folder), std::vector<std::string>{"game.usa"});
}

TEST(Files, MissingFolderThrowsAndCreatesNothing) {
  TempFolder folder;
  const fs::path target = folder.path() / "no such folder" / "game.usa";
  const FileError e = errorOf([&] { writeFileAtomically(target, "data"); });
  EXPECT_EQ(e.fileName(), "game.usa");
  EXPECT_TRUE(names(folder).empty());
}

TEST(Files, ReadOnlyFolderKeepsOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempFolder folder;
  const fs::path file = folder.path() / "game.usa";
  writeRaw(file, "old");
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_THROW(writeFileAtomically(file, "new"), FileError);
  fs::permissions(folder.path(), fs::perms::owner_all);
  EXPECT_EQ(readWholeFile(file), "old");
  EXPECT_EQ(names(folder), std::vector<std::string>{"game.usa"});
}

}  // namespace
}  // namespace kervale
