#include "club/team_website.h"

#include "base/colour.h"
#include "base/numbers.h"
#include "club/player_directory.h"
#include "team/position_tag.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr char kCr = '\r';

struct Suffix {
  int lastClub;
  const char* text;
};
// The first block whose last club is not below the club gives the suffix.
constexpr Suffix kSuffixes[] = {{52, ".com"}, {148, ".co.uk"}, {166, ".com"}, {204, ".de"}, {kLastClub, ".com"}};

enum Link { kNews, kSquad, kRecords, kTeamLeaders, kPlayerStatistics, kClubHistory, kJump };
constexpr const char* kLinkCaptions[] = {"Latest News",       "Player Directory", "Club Records",   "Team Leaders",
                                         "Player Statistics", "Club History",     "Jump to Website"};

constexpr int kPageLeft = 2520;
constexpr int kPageTop = 2160;

int clubIndex(double club) { return club >= 0 && club <= kLastClub ? static_cast<int>(club) : 0; }

}  // namespace

std::string clubAddress(const MLSModule& g, int club) {
  for (const Suffix& s : kSuffixes) {
    if (club <= s.lastClub) return g.TeamName(club) + s.text;
  }
  return g.TeamName(club);
}

void showClubPage(int club) {
  mls().WebsiteTeam = club;
  teamWebsite& page = ui::screen<teamWebsite>();
  if (page.loaded()) page.Unload();
  page.Show();
}

teamWebsite::teamWebsite() : Form("teamWebsite") {
  move(0, 0, 10800, 8100);
  setBorderStyle(1);
  setBackColor(ui::kWhite);

  Shape1.move(0, 0, 10800, 1215);
  Shape2.move(0, 1335, 10800, 135);
  Image1.move(120, 120, 975, 975);
  Image1.setStretch(true);
  Label1.move(1320, 120, 6600, 495);
  Label1.setFont(ui::Font{"Arial", 16, true});
  Label1.setOpaque(false);
  Label2.move(1320, 660, 6600, 375);
  Label2.setFont(ui::Font{"Arial", 10, false});
  Label2.setOpaque(false);
  Combo1.move(8040, 240, 2600, 315);
  for (int i = 0; i <= kJump; ++i) {
    SiteLinks(i).setCaption(kLinkCaptions[i]);
    SiteLinks(i).move(120, kPageTop + i * 480, 2160, 375);
    SiteLinks(i).setFont(ui::Font{"Arial", 10, true});
  }
  SiteLinks.onClick([this](int i) { SiteLinks_Click(i); });
  List1.move(kPageLeft, kPageTop, 8040, 5055);
  List1.setToolTipText("Click on a player to bring up his personal profile.");
  List1.onClick = [this] { List1_Click(); };
  Label3.move(kPageLeft, kPageTop, 8040, 5055);
  Label3.setOpaque(false);
  Label3.setWordWrap(true);
  Command1.setCaption("Log Off");
  Command1.move(9240, 7440, 1335, 435);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void teamWebsite::Form_Load() {
  ClubPageSection_ = 0;
  buildPage();
}

void teamWebsite::buildPage() {
  const MLSModule& g = mls();
  club_ = clubIndex(g.WebsiteTeam);
  Combo1.clear();
  for (int club = 1; club <= kLastClub; ++club) Combo1.addItem(g.TeamName(club));
  Combo1.setListIndex(club_ - 1);
  Image1.setPicture(g.TeamLogo(club_));
  const std::string address = clubAddress(g, club_);
  setCaption(address);
  Label1.setCaption(address);
  Label2.setCaption("the internet home of " + g.TeamName(club_) + " Football Club");
  showColours(club_);
  newsPage();
}

void teamWebsite::showColours(int club) {
  const MLSModule& g = mls();
  const Colour first = colourFromText(g.TeamColour1(club));
  // A club whose colours are equal would be unreadable: white text then.
  const Colour colour2 = colourFromText(g.TeamColour2(club));
  const Colour second = first == colour2 ? ui::kWhite : colour2;
  Shape1.setBackColor(first);
  Shape2.setBackColor(first);
  Label1.setForeColor(second);
  Label2.setForeColor(second);
  SiteLinks.forEach([&](int, ui::Label& link) {
    link.setForeColor(readableOn(first, second));
    link.setBackColor(second);
  });
}

void teamWebsite::SiteLinks_Click(int index) {
  switch (index) {
    case kNews:
      newsPage();
      break;
    case kSquad:
      squadPage();
      break;
    case kRecords:
      recordsPage();
      break;
    case kJump:
      // Nothing chosen: the page stays.
      if (Combo1.listIndex() < 0) return;
      mls().WebsiteTeam = Combo1.listIndex() + 1;
      buildPage();
      break;
    default:
      break;  // these sections have no page
  }
}

void teamWebsite::newsPage() {
  MLSModule& g = mls();
  List1.setVisible(false);
  Label3.setVisible(true);
  if (g.TeamLatestNews(club_).empty()) g.TeamLatestNews(club_) = "No recent news.";
  Label3.setCaption(std::string("LATEST NEWS:") + kCr + g.TeamLatestNews(club_));
}

void teamWebsite::squadPage() {
  const MLSModule& g = mls();
  ClubPageSection_ = 1;
  List1.setVisible(true);
  Label3.setVisible(false);
  List1.clear();
  squadRowPlayer_.clear();
  for (int slot = 1; slot <= 20; ++slot) {
    const double player = g.TeamSquad(slot, club_);
    if (!(player >= 1 && player <= kLastPlayer) || g.PlayerName(player).empty()) continue;
    const int p = static_cast<int>(player);
    List1.addItem(PositionTag(g, p) + g.PlayerName(p));
    squadRowPlayer_.push_back(p);
  }
}

void teamWebsite::recordsPage() {
  const MLSModule& g = mls();
  List1.clear();
  List1.setVisible(false);
  Label3.setVisible(true);
  Label3.setCaption(std::string("CLUB RECORDS") + kCr + kCr + "Biggest Win:" + g.TeamBiggestWinText(club_) + kCr +
                    "Biggest Loss:" + g.TeamBiggestLossText(club_) + kCr + "Most Goals in Game (both teams):" +
                    Str(g.TeamMostGoalsInGame(club_)) + "," + g.TeamMostGoalsText(club_) + kCr);
}

void teamWebsite::List1_Click() {
  if (ClubPageSection_ != 1) return;
  const int row = List1.listIndex();
  if (row < 0 || row >= static_cast<int>(squadRowPlayer_.size())) return;
  showPlayerCard(squadRowPlayer_[row]);
}

void teamWebsite::Command1_Click() { Unload(); }

void teamWebsite::Form_Deactivate() { Unload(); }

}  // namespace kervale
