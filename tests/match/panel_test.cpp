// The match screen's minute labels, line-up panel, filler line and wide layout;
// a hidden match leaves the screen as a watched one does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_fixture.h"

namespace kervale::test {
namespace {

using PanelTest = EventTest;

TEST_F(PanelTest, MinuteLabelsAndTheCrowdFromTheSecondHalf) {
  mls().CommentaryLine(0) = "";
  // Kick-off clears the statistics.
  shown.possesshome.setCaption("51.2%");
  shown.homefoulslabel.setCaption("4");
  shown.Label12(3).setCaption("Old name");
  shown.minute = 1;
  shown.startOfMinute();
  EXPECT_EQ(shown.possesshome.caption(), "");
  EXPECT_EQ(shown.homefoulslabel.caption(), "");
  EXPECT_EQ(shown.Label12(3).caption(), "");
  shown.minute = 45;
  shown.startOfMinute();
  EXPECT_EQ(shown.Label4.caption(), "Minute 45");
  EXPECT_EQ(shown.Minbox.caption(), " 45");
  EXPECT_FALSE(shown.attendancebar.visible());
  shown.minute = 46;
  shown.startOfMinute();
  EXPECT_TRUE(shown.attendancebar.visible());
  EXPECT_EQ(mls().TeamTalkStage, 0);
  EXPECT_EQ(shown.chanceflag, 0);
}

// Names and positions by row; a card colours the name, a sending-off the
// position too, and a position keeps its colour until a row without a card
// whitens it.
TEST_F(PanelTest, ThePanelShowsTheLineUpsAndTheirCards) {
  constexpr unsigned kWhite = 0xFFFFFF, kYellow = 0x00FFFF, kOlive = 0x008080, kNavy = 0x800000;
  shown.onpitchname(5, 2).clear();  // sent off
  shown.slotyellows(4, 1) = 1;      // row 3 of the home side booked
  shown.slotyellows(6, 2) = 2;
  shown.lineupPanel();
  EXPECT_EQ(shown.Label10(3).caption(), shown.onpitchname(3, 1));
  EXPECT_FALSE(shown.Label10(3).caption().empty());
  EXPECT_EQ(shown.Label11(1).caption(), "DEF");
  EXPECT_EQ(shown.Label13(9).caption(), "FWD");
  EXPECT_EQ(shown.Label12(5).caption(), "");
  EXPECT_EQ(shown.Label10(3).foreColor(), kYellow);
  EXPECT_EQ(shown.Label11(3).foreColor(), kWhite);
  EXPECT_EQ(shown.Label12(5).foreColor(), kOlive);
  EXPECT_EQ(shown.Label13(5).foreColor(), kNavy);
  EXPECT_EQ(shown.Label12(4).foreColor(), kWhite);

  // The next match: row 5 of the away side booked keeps the position's colour.
  shown.slotyellows(6, 2) = 1;
  shown.slotyellows(4, 1) = 0;
  shown.lineupColours();
  EXPECT_EQ(shown.Label12(5).foreColor(), kYellow);
  EXPECT_EQ(shown.Label13(5).foreColor(), kNavy);
  EXPECT_EQ(shown.Label10(3).foreColor(), kWhite);
  shown.slotyellows(6, 2) = 0;
  shown.lineupColours();
  EXPECT_EQ(shown.Label12(5).foreColor(), kWhite);
  EXPECT_EQ(shown.Label13(5).foreColor(), kWhite);
}

// The overtime notes: the tie goes into both reports at 91, the break at 105,
// and the second period kicks off from the centre at 106.
TEST_F(PanelTest, OvertimeNotesByMinute) {
  struct Case {
    int minute;
    const char* line;  // "" for none
    int zone;
    bool reported;
  };
  const Case cases[] = {
      {90, "", 4, false},
      {91, "And the game starts the first overtime period.", 4, true},
      {104, "", 4, false},
      {105, "And there is the whistle for the end of the first overtime, a brief rest for the players here.", 4, false},
      {106, "Now the kickoff for the second overtime.", 13, false},
      {107, "", 4, false},
  };
  shown.homegoals = 2;
  shown.awaygoals = 2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minute);
    shown.minute = c.minute;
    shown.ballzone = 4;
    shown.commcount = 0;
    shown.matchreport.clear();
    shown.homereport.clear();
    shown.overtimeNotes();
    EXPECT_EQ(queued(), *c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{});
    EXPECT_EQ(shown.ballzone, c.zone);
    const std::string tied = c.reported ? "The game went to golden goal overtime tied 2 - 2. " : "";
    EXPECT_EQ(shown.matchreport, tied);
    EXPECT_EQ(shown.homereport, tied);
  }
}

TEST_F(PanelTest, CarrierWhoLeftThePitchIsReplaced) {
  shown.possession = 1;
  shown.ballcarrier = 3;
  shown.onpitchname(3, 1) = "";
  rng().script({0.25, 0.55, 0.0});
  shown.carrierCheck();
  EXPECT_EQ(shown.ballcarrier, 6);
  shown.fillerLine();
  ASSERT_EQ(shown.commcount, 1);
  EXPECT_EQ(shown.commline(1), "H7Line 41");
}

TEST_F(PanelTest, FillerLineComesBeforeThePossessionLines) {
  shown.minute = 5;
  shown.possession = 1;
  shown.ballcarrier = 2;
  shown.lastcarrier = 2;
  shown.lastside = 1;
  shown.rebuildStrengths();
  shown.zoneSums();
  rng().script({0.95, 0.999, 0.0, 0.0, 0.0, 0.0});
  shown.carrierCheck();
  shown.fillerLine();
  shown.possessionStep();
  ASSERT_GE(shown.commcount, 2);
  EXPECT_EQ(shown.commline(1), "H3Line 50");
  EXPECT_EQ(shown.possession, 2);
}

// What a player of the screen can see, minus the three lists.
struct ScreenState {
  std::vector<std::string> captions;
  std::vector<unsigned> colours;
  std::vector<bool> shown;
  bool operator==(const ScreenState&) const = default;
};

ScreenState screenOf(const MatchEngine& m) {
  ScreenState s;
  for (const ui::Label* l : {&m.Label1, &m.Label4, &m.Label14, &m.possesshome, &m.possessaway, &m.homeshotslabel,
                             &m.awayshotslabel, &m.homefoulslabel, &m.awayfoulslabel, &m.attendancebar}) {
    s.captions.push_back(l->caption());
    s.shown.push_back(l->visible());
  }
  s.captions.push_back(m.Minbox.caption());
  for (int i = 0; i <= 10; ++i) {
    for (const ui::Label* l : {&m.Label10(i), &m.Label11(i), &m.Label12(i), &m.Label13(i)}) {
      s.captions.push_back(l->caption());
      s.colours.push_back(l->foreColor());
    }
  }
  for (int k = 1; k <= 25; ++k) {
    // A hidden marker's colour is never seen.
    s.shown.push_back(m.thepitch(k).visible());
    if (m.thepitch(k).visible()) s.colours.push_back(m.thepitch(k).backColor());
  }
  return s;
}

TEST(HiddenMatchTest, PlaysTheSameMatchAndLeavesTheSameScreenAsAWatchedOne) {
  ScriptedDialogs dialogs;
  auto play = [](bool watch) {
    buildMatchGame(10, 11);
    mls().TeamMorale(kHome) = 1.2;
    rng().seed(99);
    ShownMatch m;
    pairUp(m);
    m.extratimeflag = 1;
    m.Fastsim.setValue(1);
    if (watch) m.Show();
    m.Playgame();
    // Nobody sees a hidden match's screen unless it was the round's last.
    if (!watch) m.catchUpScreen();
    std::vector<double> after;
    for (int slot = 1; slot <= 11; ++slot) {
      after.push_back(mls().MatchRating(slot, 1));
      after.push_back(mls().MatchRating(slot, 2));
    }
    after.push_back(mls().TeamMorale(kHome));
    after.push_back(mls().TeamMorale(kAway));
    after.push_back(m.homepossession);
    after.push_back(m.possessiontotal);
    after.push_back(m.minute);
    after.push_back(rng().Rnd());  // the generator is where the other run left it
    EXPECT_EQ(m.Commentary.listCount() > 0, watch);
    ScreenState screen = screenOf(m);
    m.Unload();
    return std::pair{after, screen};
  };
  const auto hidden = play(false);
  const auto watched = play(true);
  EXPECT_EQ(hidden.first, watched.first);
  EXPECT_EQ(hidden.second.captions, watched.second.captions);
  EXPECT_EQ(hidden.second.colours, watched.second.colours);
  EXPECT_EQ(hidden.second.shown, watched.second.shown);
  replaceGame(nullptr);
}

}  // namespace
}  // namespace kervale::test
