#include "base/csv.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "base/file_error.h"
#include "base/numbers.h"

namespace kervale {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// sign? digits? ('.' digits?)? exponent?, with at least one mantissa digit.
bool isDecimalNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::size_t digits = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && isDigit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t exponentDigits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == text.size();
}

std::string trimBlanks(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

std::string bareName(const std::filesystem::path& path) { return path.filename().string(); }

std::string systemReason() { return std::strerror(errno); }

}  // namespace

bool CsvValue::isNumber() const { return !quoted && isDecimalNumber(text); }

double CsvValue::number() const { return Val(text); }

CsvReader::CsvReader(std::string fileName, std::string content)
    : fileName_(std::move(fileName)), content_(std::move(content)) {
  // Editors that save UTF-8 may put a byte-order mark in front.
  if (content_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
}

std::string CsvReader::lastValuePlace() const {
  std::size_t line = 1;
  for (std::size_t i = 0; i < lastValueStart_ && i < content_.size(); ++i) {
    if (content_[i] == '\n' || (content_[i] == '\r' && (i + 1 >= content_.size() || content_[i + 1] != '\n'))) ++line;
  }
  return "line " + std::to_string(line) + ", value " + std::to_string(valuesRead_);
}

CsvReader CsvReader::fromFile(const std::filesystem::path& path) {
  return CsvReader(bareName(path), readWholeFile(path));
}

void CsvReader::fail(const std::string& problem) const { throw FileError(fileName_, problem); }

void CsvReader::skipBlanksAndLineEnds() {
  while (pos_ < content_.size() && (isBlank(content_[pos_]) || isLineEnd(content_[pos_]))) ++pos_;
}

void CsvReader::skipSeparator() {
  // Whatever stands between a value and its separator is dropped.
  while (pos_ < content_.size() && content_[pos_] != ',' && !isLineEnd(content_[pos_])) ++pos_;
  if (pos_ >= content_.size()) return;
  afterComma_ = content_[pos_] == ',';
  if (content_[pos_] == '\r' && pos_ + 1 < content_.size() && content_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
}

bool CsvReader::atEnd() {
  if (afterComma_) return false;
  skipBlanksAndLineEnds();
  return pos_ >= content_.size();
}

bool CsvReader::atEmptyLine() const {
  if (afterComma_) return false;
  std::size_t at = pos_;
  while (at < content_.size() && isBlank(content_[at])) ++at;
  return at < content_.size() && isLineEnd(content_[at]);
}

CsvValue CsvReader::next() {
  if (afterComma_) {
    while (pos_ < content_.size() && isBlank(content_[pos_])) ++pos_;
  } else if (atEnd()) {
    fail("file ends after " + std::to_string(valuesRead_) + (valuesRead_ == 1 ? " value" : " values") +
         "; more were expected");
  }
  afterComma_ = false;
  lastValueStart_ = pos_;
  CsvValue value;
  if (pos_ < content_.size() && content_[pos_] == '"') {
    const std::size_t close = content_.find('"', pos_ + 1);
    if (close == std::string::npos) {
      fail("value " + std::to_string(valuesRead_ + 1) + " is a quoted text that is never closed");
    }
    value.quoted = true;
    value.text = content_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
  } else {
    const std::size_t begin = pos_;
    while (pos_ < content_.size() && content_[pos_] != ',' && !isLineEnd(content_[pos_])) ++pos_;
    value.text = trimBlanks(std::string_view(content_).substr(begin, pos_ - begin));
  }
  skipSeparator();
  ++valuesRead_;
  return value;
}

std::string CsvReader::nextText() { return next().text; }

std::string CsvReader::describe(const CsvValue& value) const {
  return lastValuePlace() + " (\"" + maskedText(value.text) + "\")";
}

namespace {

// A run of at most 15 digits is a whole number a double holds exactly, so it
// needs no general parse; most values of the world's files are such runs.
bool readPlainDigits(std::string_view text, double& number) {
  if (text.empty() || text.size() > 15) return false;
  std::int64_t whole = 0;
  for (char c : text) {
    if (!isDigit(c)) return false;
    whole = whole * 10 + (c - '0');
  }
  number = static_cast<double>(whole);
  return true;
}

}  // namespace

double CsvReader::toNumber(const CsvValue& value) const {
  if (!value.quoted && value.text.empty()) return 0;  // an empty field
  if (double plain; !value.quoted && readPlainDigits(value.text, plain)) return plain;
  const std::string text = value.quoted ? trimBlanks(value.text) : value.text;
  if (!isDecimalNumber(text)) fail(describe(value) + " is not a number");
  const double number = Val(text);
  if (!std::isfinite(number)) fail(describe(value) + " is out of range");
  return number;
}

std::int64_t CsvReader::toWhole(const CsvValue& value, std::int64_t low, std::int64_t high, const char* type) const {
  const double rounded = roundHalfEven(toNumber(value));
  if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) {
    fail(describe(value) + " is out of range for " + type);
  }
  return static_cast<std::int64_t>(rounded);
}

double CsvReader::nextNumber() { return toNumber(next()); }

std::int16_t CsvReader::nextInt16() {
  return static_cast<std::int16_t>(toWhole(next(), std::numeric_limits<std::int16_t>::min(),
                                           std::numeric_limits<std::int16_t>::max(), "a 16-bit integer"));
}

std::int32_t CsvReader::nextInt32() {
  return static_cast<std::int32_t>(toWhole(next(), std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max(), "a 32-bit integer"));
}

float CsvReader::nextSingle() {
  const CsvValue value = next();
  const double number = toNumber(value);
  if (std::abs(number) > static_cast<double>(std::numeric_limits<float>::max())) {
    fail(describe(value) + " is out of range for a single");
  }
  return static_cast<float>(number);
}

void CsvWriter::separate() {
  if (recordStarted_) content_ += ',';
  recordStarted_ = true;
}

CsvWriter& CsvWriter::text(std::string_view value) {
  separate();
  content_ += '"';
  for (char c : value) content_ += c == '"' ? '\'' : c;
  content_ += '"';
  return *this;
}

CsvWriter& CsvWriter::number(double value) {
  separate();
  if (std::isnan(value)) value = 0;
  if (std::isinf(value)) value = value > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  content_.append(buffer, result.ptr);
  return *this;
}

CsvWriter& CsvWriter::number(std::int64_t value) {
  separate();
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  content_.append(buffer, result.ptr);
  return *this;
}

void CsvWriter::endRecord() {
  content_ += "\r\n";
  recordStarted_ = false;
}

std::string maskedText(std::string_view text) {
  constexpr std::size_t kShownBytes = 40;
  std::string shown;
  for (char c : text.substr(0, kShownBytes)) {
    const auto byte = static_cast<unsigned char>(c);
    shown += byte < 32 || byte >= 127 ? '?' : c;
  }
  if (text.size() > kShownBytes) shown += "...";
  return shown;
}

std::string readWholeFile(const std::filesystem::path& path) {
  const std::string name = bareName(path);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileError(name, "cannot be opened (" + systemReason() + ")");
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const std::string reason = systemReason();
      ::close(fd);
      throw FileError(name, "cannot be read (" + reason + ")");
    }
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return content;
}

std::filesystem::path stagingFileOf(const std::filesystem::path& path) {
  return path.parent_path() / (".kervale-" + std::to_string(::getpid()) + ".tmp");
}

void writeFileAtomically(const std::filesystem::path& path, std::string_view content) {
  const std::string name = bareName(path);
  if (name.empty()) throw FileError(path.string(), "is not a file name");
  const std::filesystem::path temporary = stagingFileOf(path);

  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw FileError(name, "cannot be written (" + systemReason() + ")");
  auto abandon = [&](int descriptor, const char* step) {
    const std::string reason = systemReason();
    if (descriptor >= 0) ::close(descriptor);
    ::unlink(temporary.c_str());
    throw FileError(name, std::string(step) + " (" + reason + ")");
  };

  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0) abandon(fd, "cannot be written");
    done += static_cast<std::size_t>(wrote);
  }
  if (::fsync(fd) != 0) abandon(fd, "cannot be written to disk");
  if (::close(fd) != 0) abandon(-1, "cannot be written to disk");
  if (::rename(temporary.c_str(), path.c_str()) != 0) abandon(-1, "cannot replace the old file");

  // Make the rename itself durable; the new file is in place either way.
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
}

}  // namespace kervale
