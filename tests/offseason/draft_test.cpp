// The college draft screen: computer needs, the user's pick, passes, full
// squads and a full player table, the draftee's record and the close box.
#include <string>
#include <vector>

#include "data/squad_moves.h"
#include "offseason/college_draft.h"
#include "offseason/draft_picks.h"
#include "offseason/offseason_game.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

PoolPlayer pooled(double k, double d, double m, double f) { return PoolPlayer{"P", k, d, m, f, false, "Duke"}; }

TEST_F(OffSeasonTest, ComputerClubsPickByTheirNeed) {
  DraftPool pool{};
  pool[1] = pooled(1, 2, 2, 7);
  pool[2] = pooled(6, 1, 1, 1);
  pool[3] = pooled(1, 7, 2, 2);
  pool[4] = pooled(1, 2, 7, 2);
  pool[5] = pooled(1, 7, 2, 2);  // as good as 3: the first one wins
  pool[6] = pooled(9, 9, 9, 9);
  pool[6].taken = true;
  struct Need {
    const char* what;
    double d, m, f;  // the outfielder beside a keeper (keeping 5, others 1)
    int choice;
  };
  const Need needs[] = {
      {"Dsum = Msum = 1.25 Fsum: defence", 4, 4, 3, 3},
      {"Dsum > Msum = 1.25 Fsum: midfield", 5, 4, 3, 4},
      {"Dsum > Msum > 1.25 Fsum: forward", 6, 5, 2, 1},
  };
  int club = 2;
  for (const Need& n : needs) {
    addPlayer(club, 1, 5, 1, 1, 1);
    addPlayer(club, 2, 1, n.d, n.m, n.f);
    EXPECT_EQ(computerChoice(g(), club, pool), n.choice) << n.what;
    ++club;
  }
  EXPECT_EQ(computerChoice(g(), 9, pool), 2) << "an empty squad has no keeper";
  // Keeping level with another rating makes no keeper.
  addPlayer(10, 1, 5, 1, 5, 1);
  addPlayer(10, 2, 1, 6, 5, 2);
  EXPECT_EQ(computerChoice(g(), 10, pool), 2) << "keeping level with midfield";
  EXPECT_EQ(draftTag(pooled(1, 1, 1, 1)), "M ");
  EXPECT_EQ(draftPosition(pooled(1, 1, 1, 1)).word, "Midfield");
}

TEST_F(OffSeasonTest, ADrafteeIsBornOnTheDayOfTheDraftWithoutADraw) {
  struct Day {
    double month, day, bornMonth, bornDay;
  };
  for (const Day& d : {Day{5, 27, 5, 27}, Day{2, 29, 2, 28}, Day{2, 28, 2, 28}, Day{12, 31, 12, 31}}) {
    g().CurrentMonth = d.month;
    g().MonthDay = d.day;
    DraftPool pool{};
    pool[1] = pooled(1, 4, 4, 4);
    const int record = addPlayer(0, 0, 1, 1, 1, 1);
    g().PlayerName(record).clear();
    rng().script({0.5, 0.5, 0.5, 0.25});
    makePick(g(), pool, 1, 3, 12, record);
    EXPECT_EQ(g().PlayerBirthMonth(record), d.bornMonth) << d.month << "/" << d.day;
    EXPECT_EQ(g().PlayerBirthDay(record), d.bornDay) << d.month << "/" << d.day;
    EXPECT_EQ(g().PlayerAge(record), 21) << "margin, aggression, age: the draft's three draws";
    EXPECT_EQ(rng().scriptedLeft(), 1U) << "no draw for the birth date";
    rng().clearScript();
  }
}

TEST_F(OffSeasonTest, ARecordInASquadIsNeverFreeEvenWithoutAName) {
  const int held = addPlayer(3, 5, 1, 1, 1, 1);
  const int free = addPlayer(0, 0, 1, 1, 1, 1);
  ASSERT_EQ(held, 1);
  g().PlayerName(held).clear();
  g().PlayerName(free).clear();
  const std::vector<bool> records = heldRecords(g());
  EXPECT_TRUE(records[1]);
  EXPECT_FALSE(records[2]);
  EXPECT_EQ(firstFreeRecord(g(), records), free);
}

class DraftScreen : public OffSeasonTest {
 protected:
  void SetUp() override {
    OffSeasonTest::SetUp();
    g().MLSTeamCount = 14;  // no vote at 14 clubs
    for (int c = 1; c <= 14; ++c) {
      g().TeamWins(c) = c;  // the user's club 1 picks first
      for (int s = 1; s <= 11; ++s) addPlayer(c, s, s == 1 ? 5 : 1, 3, 3, 3);
    }
  }
  CollegeDraft& draft() { return ui::screen<CollegeDraft>(); }
  void open() {
    inWorldFiles();
    showCollegeDraft();
    ASSERT_TRUE(draft().loaded());
  }
  // At the user's pick: select line `line` (-1 none) and confirm Draft Player.
  void pickLine(int line) {
    dialogs.idle([this, line] {
      draft().List1.setListIndex(line);
      dialogs.answer(ui::MsgResult::Yes);
      draft().Command4.userClick();
    });
  }
  std::string log() const { return ui::screen<CollegeDraft>().Label4.caption(); }
};

TEST_F(DraftScreen, UserDraftsAFreshRecordIntoHisLastFreeSlot) {
  const int retiree = 1;  // the first record: the first draftee takes it
  g().PlayerName(retiree).clear();
  movePlayer(g(), retiree, 0, 0);
  g().TeamSquad(1, 1) = 0;
  g().PlayerGamesCareer(retiree) = 300;
  g().PlayerBookings(retiree) = 4;
  g().PlayerTransferListed(retiree) = 1;
  g().PlayerInterest(retiree, 2) = 9;
  g().PlayerTrainingFactor(retiree) = 7;
  g().CurrentMonth = 5;
  g().MonthDay = 24;
  g().CurrentSeason = 7;
  open();
  pickLine(4);
  draft().Command2.userClick();

  EXPECT_TRUE(draft().ended());
  EXPECT_TRUE(draft().Command1.enabled());
  EXPECT_FALSE(draft().Command4.enabled());
  EXPECT_EQ(draft().summary().drafted, 14);
  EXPECT_EQ(draft().summary().season, 2009) << "the year that ended: season 7";
  const int p = static_cast<int>(g().TeamSquad(20, 1));
  ASSERT_EQ(p, retiree);
  EXPECT_EQ(g().PlayerName(p), draft().pool()[5].name);
  EXPECT_TRUE(draft().pool()[5].taken);
  EXPECT_EQ(g().PlayerTeam(p), 1);
  EXPECT_EQ(g().PlayerWage(p), 120);
  EXPECT_EQ(g().PlayerContractYears(p), 2);
  EXPECT_EQ(g().PlayerForm(p), 50);
  EXPECT_GE(g().PlayerAge(p), 18);
  EXPECT_LE(g().PlayerAge(p), 23);
  EXPECT_GE(g().PlayerAggression(p), 10);
  EXPECT_LE(g().PlayerAggression(p), 39);
  EXPECT_EQ(g().PlayerGamesCareer(p) + g().PlayerBookings(p) + g().PlayerTransferListed(p) + g().PlayerInterest(p, 2),
            0);
  EXPECT_EQ(g().PlayerTrainingFactor(p), 7);
  EXPECT_EQ(g().PlayerBirthMonth(p), 5) << "born on the day of the draft";
  EXPECT_EQ(g().PlayerBirthDay(p), 24);
  EXPECT_EQ(draft().Label8.caption(), "Drafted") << "the pick shows on the player in view";
  draft().List1.userSelectItem(0);
  draft().List1.userSelectItem(4);
  EXPECT_EQ(draft().Label8.caption(), "Drafted");
  // The pool's last line shows its player as well.
  draft().List1.userSelectItem(kPoolSize - 1);
  EXPECT_EQ(draft().playrName.caption(), draft().pool()[kPoolSize].name);
  EXPECT_EQ(draft().Label2.caption(), draft().pool()[kPoolSize].university);
  draft().Command1.userClick();
  EXPECT_FALSE(draft().loaded());
}

TEST_F(DraftScreen, TakenPlayerKeepsThePickOpenAndPassesUseNoPoolPlayer) {
  g().TeamWins(1) = 99;  // the user picks last
  open();
  dialogs.idle([this] {
    int taken = 1;
    while (!draft().pool()[taken].taken) ++taken;
    draft().List1.setListIndex(taken - 1);
    dialogs.answer(ui::MsgResult::Yes).answer(ui::MsgResult::OK);
    draft().Command4.userClick();
    EXPECT_TRUE(draft().waiting());
    EXPECT_TRUE(dialogs.sawText("This player has already been drafted"));
    draft().userClose();  // no way out during the draft
    EXPECT_TRUE(draft().loaded());
    dialogs.answer(ui::MsgResult::Yes);
    draft().Command3.userClick();
  });
  draft().Command2.userClick();
  EXPECT_EQ(draft().summary().passed, 1);
  EXPECT_EQ(log().substr(log().rfind('\r', log().size() - 2) + 1), "(passed)\r");
  g().PlayoffStage = 3;
  draft().userClose();  // after the draft the close box quits
  EXPECT_FALSE(draft().loaded());
  EXPECT_EQ(g().PlayoffStage, 0);
}

TEST_F(DraftScreen, ThePlayerInViewShowsWhenAComputerClubTakesHim) {
  g().TeamWins(1) = 99;  // the user picks last, club 2 first
  open();
  const int first = computerChoice(g(), 2, draft().pool());
  ASSERT_GT(first, 0);
  draft().List1.userSelectItem(first - 1);
  EXPECT_EQ(draft().Label8.caption(), "Available");
  std::string seen;
  dialogs.idle([this, &seen] {
    seen = draft().Label8.caption();
    dialogs.answer(ui::MsgResult::Yes);
    draft().Command3.userClick();
  });
  draft().Command2.userClick();
  EXPECT_EQ(seen, "Drafted") << "at the user's pick, without a second click";
  EXPECT_EQ(draft().playrName.caption(), draft().pool()[first].name) << "the same player stays in view";
}

TEST_F(DraftScreen, NoLineOrAFullSquadPasses) {
  for (int s = 12; s <= 20; ++s) addPlayer(2, s, 1, 3, 3, 3);  // club 2 picks second, full
  open();
  pickLine(-1);
  draft().Command2.userClick();
  EXPECT_EQ(draft().summary().passed, 2);
  int taken = 0;
  for (int k = 1; k <= kPoolSize; ++k) taken += draft().pool()[k].taken ? 1 : 0;
  EXPECT_EQ(taken, 12);
  EXPECT_EQ(log().substr(0, 18), "(passed)\r(passed)\r");
}

TEST_F(DraftScreen, RoomForDrafteesIsMadeUpToTheTableEnd) {
  const int named = g().NumPlayers;
  g().NumPlayers = static_cast<MLSModule::Int16>(named + 40);
  open();
  pickLine(0);
  draft().Command2.userClick();
  EXPECT_EQ(g().NumPlayers, named + 50);
  draft().Command1.userClick();

  for (int p = 1; p <= kLastPlayer; ++p) {
    if (g().PlayerName(p).empty()) g().PlayerName(p) = "Filler";
  }
  g().NumPlayers = kLastPlayer;
  open();
  pickLine(0);
  draft().Command2.userClick();
  EXPECT_EQ(g().NumPlayers, kLastPlayer);
  EXPECT_EQ(draft().summary().drafted, 0);
  EXPECT_EQ(draft().summary().passed, 14);
}

TEST_F(DraftScreen, AnUnusableNameFileChangesNothingAndClosesTheScreen) {
  inWorldFiles();
  dir.write("usalast.dat", "3\r\n\"Only\"\r\n");
  g().PlayerAge(5) = 30;
  g().PlayerGamesSeason(5) = 4;
  g().PlayoffStage = 2;
  showCollegeDraft();
  EXPECT_FALSE(draft().loaded());
  EXPECT_EQ(g().PlayerGamesSeason(5), 4);
  EXPECT_EQ(g().PlayoffStage, 0);
  ASSERT_EQ(dialogs.count(), 1U);
  EXPECT_EQ(dialogs.last().icon, ui::MsgIcon::Critical);
  EXPECT_EQ(dialogs.last().text.rfind("usalast.dat: ", 0), 0U);
}

}  // namespace
}  // namespace kervale::test
