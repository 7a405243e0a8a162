#include "world_files.h"

#include <algorithm>
#include <fstream>

namespace kervale::worldtest {

std::filesystem::path worldPath(const std::string& name) { return std::filesystem::path(KERVALE_WORLD_DIR) / name; }

CsvReader openWorldFile(const std::string& name) { return CsvReader::fromFile(worldPath(name)); }

std::vector<ClubRecord> readClubs() {
  CsvReader in = openWorldFile("mlsdata2.dat");
  std::vector<ClubRecord> clubs(286);
  for (int c = 1; c <= 285; ++c) {
    ClubRecord& club = clubs[c];
    club.name = in.nextText();
    club.nickname = in.nextText();
    club.logo = in.nextText();
    club.division = in.nextInt16();
    club.venue = in.nextText();
    club.seats = in.nextNumber();
    club.approval = in.nextNumber();
    club.reputation = in.nextNumber();
    club.cupCode = in.nextInt16();
    for (double& component : club.colours) component = in.nextNumber();
  }
  if (!in.atEnd()) in.fail("holds more than 285 club records");
  return clubs;
}

std::vector<PlayerRecord> readPlayers() {
  CsvReader in = openWorldFile("players2.dat");
  const int count = in.nextInt16();
  std::vector<PlayerRecord> players(count);
  for (PlayerRecord& p : players) {
    p.club = in.nextInt16();
    p.name = in.nextText();
    p.keeping = in.nextSingle();
    p.defence = in.nextNumber();
    p.midfield = in.nextNumber();
    p.attack = in.nextNumber();
    p.age = in.nextNumber();
    p.nation = in.nextNumber();
    p.aggression = in.nextNumber();
    p.training = in.nextNumber();
    for (double& skill : p.skills) skill = in.nextNumber();
    in.next();  // read and not kept
    p.birthMonth = in.nextNumber();
    p.birthDay = in.nextNumber();
  }
  if (!in.atEnd()) in.fail("holds more players than its count");
  return players;
}

Role roleOf(const PlayerRecord& p) {
  const double d = p.defence, m = p.midfield, a = p.attack;
  if (p.keeping >= d && p.keeping >= m && p.keeping >= a) return Role::Keeper;
  if (d > m && d > a) return Role::Defender;
  if (m > d && m > a) return Role::Midfielder;
  if (a > d && a > m) return Role::Attacker;
  return Role::Unclear;
}

int nationCount() {
  CsvReader in = openWorldFile("nat.dat");
  return in.nextInt16();
}

PictureKind pictureKind(const std::string& name) {
  std::ifstream file(worldPath(name), std::ios::binary);
  if (!file) return PictureKind::Missing;
  unsigned char head[8] = {};
  file.read(reinterpret_cast<char*>(head), sizeof head);
  if (file.gcount() < 8) return PictureKind::Unknown;
  if (head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return PictureKind::Jpeg;
  const unsigned char png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (std::equal(head, head + 8, png)) return PictureKind::Png;
  if (head[0] == 'B' && head[1] == 'M') return PictureKind::Bmp;
  return PictureKind::Unknown;
}

bool isShowablePicture(const std::string& name) {
  const PictureKind kind = pictureKind(name);
  const bool jpegName = name.size() > 4 && name.compare(name.size() - 4, 4, ".jpg") == 0;
  if (jpegName) return kind == PictureKind::Jpeg;
  return kind == PictureKind::Jpeg || kind == PictureKind::Png || kind == PictureKind::Bmp;
}

}  // namespace kervale::worldtest
