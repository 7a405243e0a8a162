#include "club/player_directory.h"

#include <gtest/gtest.h>

#include <string>

#include "base/colour.h"
#include "data/mls_module.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kMine = 1;    // player of the user's club 1
constexpr int kTheirs = 2;  // player of club 2
constexpr int kFree = 3;

class PlayerDirectoryTest : public ::testing::Test {
 protected:
  PlayerDirectoryTest() {
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.MyTeam = 1;
    g.CurrentSeason = 1;
    const char* clubs[] = {"", "Harbour City", "Millbrook", "Eastgate"};
    for (int c = 1; c <= 3; ++c) {
      g.TeamName(c) = clubs[c];
      g.TeamColour1(c) = "&HFF0000";
      g.TeamColour2(c) = "&HFFFF";
      g.TeamMoney(c) = 5000000;
    }
    for (int i = 0; i <= 20; ++i) g.RatingWord(i) = "r" + std::to_string(i);
    g.NumPlayers = 4;
    for (int p = 1; p <= 4; ++p) g.PlayerName(p) = "Player " + std::to_string(p);
    g.PlayerTeam(kMine) = 1;
    g.PlayerTeam(kTheirs) = 2;
    g.PlayerGoalkeeping(kTheirs) = 2;
    g.PlayerDefense(kTheirs) = 10;
    g.PlayerMidfield(kTheirs) = 12;
    g.PlayerAttack(kTheirs) = 8;
  }
  ~PlayerDirectoryTest() override {
    if (card().loaded()) card().Unload();
    replaceGame(nullptr);
  }
  static PlayerDirectory& card() { return ui::screen<PlayerDirectory>(); }
  static PlayerDirectory& open(int player) {
    showPlayerCard(player);
    return card();
  }

  test::ScriptedDialogs dialogs;
};

TEST_F(PlayerDirectoryTest, PanelsFollowWhoseThePlayerIs) {
  struct Case {
    int player;
    int myTeam;
    bool contract, bid, listAndRelease, contractRows;
  };
  const Case cases[] = {
      {kMine, 1, true, false, true, true},    {kTheirs, 1, false, true, false, true},
      {kFree, 1, true, false, false, false},  {kTheirs, 0, false, false, false, true},
      {kFree, 0, false, false, false, false},
  };
  for (const Case& c : cases) {
    mls().MyTeam = c.myTeam;
    PlayerDirectory& d = open(c.player);
    const std::string where = "player " + std::to_string(c.player) + " team " + std::to_string(c.myTeam);
    EXPECT_EQ(d.Frame1.visible(), c.contract) << where;
    EXPECT_EQ(d.Frame6.visible(), c.bid) << where;
    EXPECT_EQ(d.Command2.visible(), c.listAndRelease) << where;
    EXPECT_EQ(d.Command3.visible(), c.listAndRelease) << where;
    for (ui::Label* row : {&d.Label8, &d.Label12, &d.Label17, &d.Label18}) {
      EXPECT_EQ(row->visible(), c.contractRows) << where << " " << row->name();
    }
    d.Command10.userClick();
    EXPECT_FALSE(d.loaded());
  }
}

TEST_F(PlayerDirectoryTest, LatestOfEqualSkillsIsShown) {
  struct Case {
    double ball, tackling, others;
    const char* best;
    const char* worst;
  };
  const Case cases[] = {
      {14, 14, 9, "Tackling", "Awareness"},
      {7, 7, 7, "Awareness", "Awareness"},
      {2, 9, 12, "Awareness", "Ball Control"},
  };
  MLSModule& g = mls();
  for (const Case& c : cases) {
    g.PlayerBallControl(kMine) = c.ball;
    g.PlayerTackling(kMine) = c.tackling;
    for (auto* skill : {&g.PlayerPassing, &g.PlayerShooting, &g.PlayerHeading, &g.PlayerSpeed, &g.PlayerAwareness}) {
      (*skill)(kMine) = c.others;
    }
    PlayerDirectory& d = open(kMine);
    d.reload();
    EXPECT_EQ(d.Label38.caption(), c.best) << c.ball << " " << c.tackling << " " << c.others;
    EXPECT_EQ(d.Label39.caption(), c.worst) << c.ball << " " << c.tackling << " " << c.others;
  }
}

TEST_F(PlayerDirectoryTest, InterestedClubsAreListedOnceAfterARefresh) {
  MLSModule& g = mls();
  g.PlayerInterest(kTheirs, 0) = 3;  // column 0 is never listed
  g.PlayerInterest(kTheirs, 1) = 2;
  g.PlayerInterest(kTheirs, 4) = 3;
  g.PlayerInterest(kTheirs, 5) = 999;  // outside the club table: no club
  PlayerDirectory& d = open(kTheirs);
  d.BidRound = 1;
  d.reload();
  EXPECT_EQ(d.Label43.caption(), " Millbrook\r  Eastgate\r ");
  EXPECT_EQ(d.BidRound, 1);  // a refresh keeps the bidding
}

TEST_F(PlayerDirectoryTest, BidRangeStaysInsideTheBalanceAndAClickMovesATenth) {
  struct Case {
    double money;
    int least, most, page;
  };
  const Case cases[] = {
      {999500, 0, 1000, 100},        {998500, 0, 998, 100},    {-5000, 0, 0, 1},
      {40000000, 2237, 40000, 3776}, {2237000, 2237, 2237, 1}, {2242000, 2237, 2242, 1},
  };
  for (const Case& c : cases) {
    mls().TeamMoney(1) = c.money;
    PlayerDirectory& d = open(kTheirs);
    EXPECT_EQ(d.HScroll3.min(), c.least) << c.money;
    EXPECT_EQ(d.HScroll3.max(), c.most) << c.money;
    EXPECT_EQ(d.HScroll3.state().largeChange, c.page) << c.money;
    EXPECT_EQ(d.HScroll3.state().smallChange, 1) << "an arrow still moves 1k";
    d.Unload();
  }
}

TEST_F(PlayerDirectoryTest, AverageRatingsAndTheClubNameRead) {
  MLSModule& g = mls();
  g.PlayerGamesSeason(kTheirs) = 3;
  g.PlayerRatingSumSeason(kTheirs) = 20.5;
  g.PlayerGamesCareer(kTheirs) = 44;
  g.PlayerRatingSumCareer(kTheirs) = 308;
  // Two reds a player can hardly tell apart.
  g.TeamColour1(2) = "&H2010C8";
  g.TeamColour2(2) = "&H1010A0";
  PlayerDirectory& d = open(kTheirs);
  // The card's own number text: a leading blank, up to 15 significant digits.
  EXPECT_EQ(d.Label70.caption(), " 6.83333333333333");
  EXPECT_EQ(d.Label71.caption(), " 7");
  EXPECT_EQ(d.teamplayfor.backColor(), colourFromText("&H2010C8"));
  EXPECT_GE(contrastRatio(d.teamplayfor.foreColor(), d.teamplayfor.backColor()), 3.0);

  // Colours that read keep the club's own.
  g.TeamColour2(2) = "&HFFFFFF";
  d.reload();
  EXPECT_EQ(d.teamplayfor.foreColor(), colourFromText("&HFFFFFF"));
}

TEST_F(PlayerDirectoryTest, OpenerRefusesNoPlayerAndRenewsForAnother) {
  PlayerDirectory& d = open(kTheirs);
  d.BidRound = 2;
  open(kTheirs);
  EXPECT_EQ(d.BidRound, 2) << "the same player comes to the front unchanged";

  mls().PlayerName(4) = "";
  for (int nobody : {0, 4, 10001, -1}) {
    dialogs.answer(ui::MsgResult::OK);
    open(nobody);
    EXPECT_EQ(dialogs.last().text, "There is no such player.");
    EXPECT_EQ(d.shownPlayer(), kTheirs) << nobody;
    EXPECT_EQ(d.BidRound, 2) << nobody;
  }

  open(kMine);
  EXPECT_EQ(mls().SelectedPlayer, kMine);
  EXPECT_EQ(d.Label2.caption(), "Player 1");
  EXPECT_EQ(d.BidRound, 0) << "another player gets a fresh card";
}

}  // namespace
}  // namespace kervale
