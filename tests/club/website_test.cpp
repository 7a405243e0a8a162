// The league portal: its seven pages, the job application and the card.
#include "club/website.h"

#include <algorithm>
#include <string>
#include <vector>

#include "club/player_directory.h"
#include "club_fixture.h"
#include "data/news.h"
#include "match/match_engine.h"

namespace kervale::test {

namespace {

class WebsiteTest : public ClubTest {
 protected:
  void SetUp() override {
    ClubTest::SetUp();
    for (int c = 1; c <= kLastClub; ++c) g().ManagerApproval(c) = 0.5;
    setClub(5, "Eastfield", 0.1);
    setClub(7, "Northgate", 0.2);
    setClub(9, "Westbury", 0.3);
    g().NationName(3) = "Canada";
    g().NumPlayers = 22;
    g().PlayerName(21) = "Free Man";
    g().PlayerAge(21) = 23;
    g().PlayerNation(21) = 3;
    g().PlayerTeam(21) = 0;
    g().PlayerTeam(22) = 0;  // no name: a free record
    g().PlayerTransferListed(22) = 1;
    g().PlayerTransferListed(5) = 1;
  }
  void TearDown() override {
    for (ui::Form* f : {static_cast<ui::Form*>(&site()), static_cast<ui::Form*>(&ui::screen<PlayerDirectory>())}) {
      if (f->loaded()) f->Unload();
    }
    ClubTest::TearDown();
  }
  static void setClub(int club, const char* name, double approval) {
    g().TeamName(club) = name;
    g().ManagerApproval(club) = approval;
  }
  static Website& site() { return ui::screen<Website>(); }
  static std::vector<std::string> items(const ui::Control& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.listCount(); ++i) out.push_back(list.list(i));
    return out;
  }
};

TEST_F(WebsiteTest, EveryLinkShowsItsPage) {
  addHeadline(g(), "First");
  addHeadline(g(), "Second");
  g().LastResultText = "Results text";
  g().LastWeekTransfersText = "Transfers text";
  g().TeamOfTheWeekText = "Best eleven";
  struct Page {
    int link;
    std::string title, text;
    bool jobs, players;
    std::vector<std::string> rows;
  };
  const Page pages[] = {
      {0, "HEADLINES", "First\rSecond\r", false, false, {}},
      {1, "Results", "Results text", false, false, {}},
      {2,
       "Unstable Times at these clubs",
       "Eastfield have a serious manager situation and are taking applications.\r"
       "Northgate have publicly stated that they are accepting applications.\r"
       "Westbury are rumoured to be falling out of favour with their manager.\r",
       true,
       false,
       {}},
      {3, "Last Week's Transfers", "Transfers text", false, false, {}},
      {4, "Transfer List", "", false, true, {"Player 5, Ashford Vale"}},
      {5, "Quorra Team of the Week", "Best eleven", false, false, {}},
      {6, "Free Transfer List", "", false, true, {"Free Man ( 23 years, Canada)"}},
      {4, "Transfer List", "", false, true, {"Player 5, Ashford Vale"}},
  };
  showWebsite();
  EXPECT_EQ(site().Label2.caption(), "HEADLINES") << "opens on the headlines";
  EXPECT_FALSE(site().Label4(7).visible());
  EXPECT_EQ(items(site().Combo1), (std::vector<std::string>{"Eastfield", "Northgate"})) << "0.3 takes no applications";
  for (const Page& p : pages) {
    SCOPED_TRACE(p.link);
    site().Label4(p.link).userClick();
    EXPECT_EQ(site().Label2.caption(), p.title);
    EXPECT_EQ(site().Label6.caption(), p.text);
    EXPECT_EQ(site().Frame2.visible(), p.jobs);
    EXPECT_EQ(site().Frame4.visible(), p.players);
    if (p.players) {
      EXPECT_EQ(items(site().List1), p.rows);
      EXPECT_EQ(site().Frame4.caption(), "Transferlisted Players") << "the free players too";
    }
  }
  EXPECT_TRUE(site().Label6.state().scrollBars) << "a page longer than the page area scrolls";
}

TEST_F(WebsiteTest, HeadlinesFollowTheNewsCount) {
  for (int held : {0, 1, 300, 305}) {
    SCOPED_TRACE(held);
    clearHeadlines(g());
    for (int k = 0; k < held; ++k) addHeadline(g(), "Line " + std::to_string(k));
    showWebsite();
    const std::string text = site().Label6.caption();
    const int shown = held > 301 ? 301 : held;
    EXPECT_EQ(static_cast<int>(std::count(text.begin(), text.end(), '\r')), shown);
    if (shown > 0) {
      EXPECT_TRUE(text.ends_with("Line " + std::to_string(shown - 1) + "\r"));
    }
    site().Command1.userClick();
  }
}

TEST_F(WebsiteTest, ApplyingForAJob) {
  g().ManagerApproval(kClub) = 0.25;
  showWebsite();
  ASSERT_EQ(items(site().Combo1), (std::vector<std::string>{"Eastfield", "Northgate", "Ashford Vale"}));
  site().Label4(2).userClick();
  site().Command2.userClick();
  EXPECT_EQ(g().AppliedTeam, 0) << "no club chosen";

  dialogs.answer(ui::MsgResult::OK);
  site().Combo1.userSelectItem(2);
  site().Command2.userClick();
  EXPECT_EQ(dialogs.last().text, "Your own team is not likely to rehire you after the job you've been doing.");
  EXPECT_EQ(g().AppliedTeam, 0);
  EXPECT_TRUE(site().Command2.enabled());

  site().Combo1.userSelectItem(1);
  site().Command2.userClick();
  EXPECT_EQ(g().AppliedTeam, 7);
  EXPECT_FALSE(site().Command2.enabled());
  site().Command1.userClick();
  showWebsite();
  site().Label4(2).userClick();
  EXPECT_FALSE(site().Command2.enabled()) << "an application is still pending";
}

TEST_F(WebsiteTest, EveryClubInTroubleCanBeChosen) {
  for (int c = 1; c <= 200; ++c) g().ManagerApproval(c) = 0.1;
  showWebsite();
  ASSERT_EQ(site().Combo1.listCount(), 200);
  site().Label4(2).userClick();
  site().Combo1.userSelectItem(199);
  site().Command2.userClick();
  EXPECT_EQ(g().AppliedTeam, 200);
}

TEST_F(WebsiteTest, PlayerDetailsOpenTheCardOfTheChosenRow) {
  showWebsite();
  site().Label4(6).userClick();
  site().Command7.userClick();
  EXPECT_FALSE(ui::screen<PlayerDirectory>().loaded()) << "no row chosen";
  site().List1.userSelectItem(0);
  site().Command7.userClick();
  EXPECT_EQ(ui::screen<PlayerDirectory>().shownPlayer(), 21);
}

TEST_F(WebsiteTest, AnApplicationLeadsToANewJob) {
  MainModule& hub = ui::screen<MainModule>();
  g().MyTeam = 0;  // resigned
  hub.Show();
  ASSERT_FALSE(hub.Command1.enabled());
  hub.Command4.userClick();
  site().Label4(2).userClick();
  site().Combo1.userSelectItem(0);
  site().Command2.userClick();
  site().Command1.userClick();

  rng().script({0.5});
  dialogs.answer(ui::MsgResult::Yes);
  ui::screen<MatchEngine>().managermarket();
  EXPECT_EQ(dialogs.last().title, "Interested Team");
  EXPECT_EQ(g().MyTeam, 5);
  EXPECT_EQ(g().AppliedTeam, 0);
  hub.Unload();
  hub.Show();
  EXPECT_TRUE(hub.Command1.enabled());
  EXPECT_EQ(hub.TeamNameLabel.caption(), "Eastfield");
  ui::screen<MatchEngine>().Unload();
}

}  // namespace

}  // namespace kervale::test
