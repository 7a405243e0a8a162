// Club home pages: address, colours, news, squad, records and the links.
#include "club/team_website.h"

#include <string>
#include <tuple>

#include "base/colour.h"
#include "club/player_directory.h"
#include "club_fixture.h"

namespace kervale::test {

namespace {

class TeamWebsiteTest : public ClubTest {
 protected:
  void TearDown() override {
    for (ui::Form* f : {static_cast<ui::Form*>(&page()), static_cast<ui::Form*>(&ui::screen<PlayerDirectory>())}) {
      if (f->loaded()) f->Unload();
    }
    ClubTest::TearDown();
  }
  static teamWebsite& page() { return ui::screen<teamWebsite>(); }
};

TEST_F(TeamWebsiteTest, AddressSuffixByClub) {
  const std::tuple<int, std::string> cases[] = {{52, ".com"},  {53, ".co.uk"}, {148, ".co.uk"}, {149, ".com"},
                                                {166, ".com"}, {167, ".de"},   {204, ".de"},    {205, ".com"}};
  for (const auto& [club, suffix] : cases) {
    g().TeamName(club) = "Club " + std::to_string(club);
    EXPECT_EQ(clubAddress(g(), club), "Club " + std::to_string(club) + suffix);
  }
  showClubPage(kClub);
  EXPECT_EQ(page().caption(), "Ashford Vale.co.uk");
  EXPECT_EQ(page().Label2.caption(), "the internet home of Ashford Vale Football Club");
}

TEST_F(TeamWebsiteTest, EqualColoursDrawWhite) {
  g().TeamColour1(kClub) = "&HFF";
  g().TeamColour2(kClub) = "&Hff";
  showClubPage(kClub);
  EXPECT_EQ(page().Label1.foreColor(), ui::kWhite);
  EXPECT_EQ(page().SiteLinks(2).backColor(), ui::kWhite);
  EXPECT_EQ(page().Shape1.backColor(), colourFromText("&HFF"));
  EXPECT_EQ(g().TeamColour2(kClub), "&Hff") << "the club keeps its colours";
}

TEST_F(TeamWebsiteTest, LinksReadOnTheSecondColour) {
  g().TeamColour1(kClub) = "&HFF";  // red
  g().TeamColour2(kClub) = "&HFFFFFF";
  showClubPage(kClub);
  EXPECT_EQ(page().SiteLinks(0).foreColor(), colourFromText("&HFF")) << "the first colour where it reads";
  EXPECT_EQ(page().SiteLinks(0).backColor(), ui::kWhite);
  page().Unload();

  g().TeamColour1(kClub) = "&HFFFFFF";
  g().TeamColour2(kClub) = "&H1070F0";  // orange: white reads at 2.99:1
  showClubPage(kClub);
  EXPECT_EQ(page().SiteLinks(6).backColor(), colourFromText("&H1070F0"));
  EXPECT_EQ(page().SiteLinks(6).foreColor(), ui::kBlack);
}

TEST_F(TeamWebsiteTest, NewsRecordsAndLinksWithoutAPage) {
  g().TeamMostGoalsInGame(kClub) = 7;
  g().TeamMostGoalsText(kClub) = "5-2 v Birch";
  g().TeamBiggestWinText(kClub) = "4-0";
  showClubPage(kClub);
  EXPECT_EQ(page().Label3.caption(), "LATEST NEWS:\rNo recent news.");
  EXPECT_EQ(g().TeamLatestNews(kClub), "No recent news.");
  page().SiteLinks(2).userClick();
  const std::string records = page().Label3.caption();
  EXPECT_EQ(records,
            "CLUB RECORDS\r\rBiggest Win:4-0\rBiggest Loss:\rMost Goals in Game (both teams): 7,5-2 v Birch\r");
  for (int link : {3, 4, 5}) {
    page().SiteLinks(link).userClick();
    EXPECT_EQ(page().Label3.caption(), records);
    EXPECT_TRUE(page().Label3.visible());
  }
}

TEST_F(TeamWebsiteTest, SquadRowsOpenTheirPlayersCards) {
  for (int slot = 1; slot <= 20; ++slot) g().TeamSquad(slot, kClub) = 0;
  for (int slot : {1, 2, 4}) g().TeamSquad(slot, kClub) = 10 + slot;
  g().PlayerGoalkeeping(11) = 9;
  showClubPage(kClub);
  page().SiteLinks(1).userClick();
  ASSERT_EQ(page().List1.listCount(), 3);
  EXPECT_EQ(page().List1.list(0), "G Player 11");
  EXPECT_EQ(page().List1.list(2).substr(page().List1.list(2).find(' ') + 1), "Player 14");
  page().List1.userSelectItem(2);
  EXPECT_EQ(ui::screen<PlayerDirectory>().shownPlayer(), 14);
}

TEST_F(TeamWebsiteTest, JumpToAnotherClub) {
  g().TeamName(3) = "Cedar";
  showClubPage(kClub);
  page().Combo1.userSelectItem(2);
  EXPECT_EQ(page().Label1.caption(), "Ashford Vale.co.uk") << "choosing alone changes nothing";
  page().SiteLinks(6).userClick();
  EXPECT_EQ(page().Label1.caption(), "Cedar.com");
  EXPECT_EQ(g().WebsiteTeam, 3);
}

}  // namespace

}  // namespace kervale::test
