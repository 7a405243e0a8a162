#include <string>
#include <tuple>

#include "club/club_office.h"
#include "club/scouting.h"
#include "club_fixture.h"

namespace kervale::test {

namespace {

using ClubScreensTest = ClubTest;

TEST_F(ClubScreensTest, FinancesOfAnMLSClubAndOfOthers) {
  // Wages 10..200 over twenty slots: a bill of 2100k.
  const std::tuple<int, std::string, std::string, std::string> cases[] = {
      {5, "MLS", "300k", "7000k"},
      {17, "2100k", "2400k", "Not applicable"},
      {250, "2100k", "2400k", "Not applicable"},
  };
  for (const auto& [club, wages, expenses, cap] : cases) {
    SCOPED_TRACE(club);
    manage(club);
    g().SalaryCap = 7000;
    g().TeamWages(club) = 300;
    g().ScoutingFunding(17) = 45;
    g().ScoutingFunding(5) = 45;
    showFinances();
    Finances& f = ui::screen<Finances>();
    EXPECT_EQ(f.Label6.caption(), wages);
    EXPECT_EQ(f.Label8.caption(), expenses) << "scouting is not an expense here";
    EXPECT_EQ(f.salcap.caption(), cap);
    EXPECT_EQ(f.Label11.caption(), "2100k");
    EXPECT_EQ(f.Label7.caption(), club == 250 ? "0k" : "45k");
    f.Command1.userClick();
  }
}

TEST_F(ClubScreensTest, FinancesRoundDownToThousands) {
  g().TicketIncome = 999;
  g().TvIncome = 1000;
  g().SponsorIncome = 12;
  g().TeamMoney(kClub) = -1500;
  showFinances();
  Finances& f = ui::screen<Finances>();
  EXPECT_EQ(f.Ticketsales.caption(), "0k");
  EXPECT_EQ(f.TVSales.caption(), "1k");
  EXPECT_EQ(f.Label4.caption(), "13k");
  EXPECT_EQ(f.Label17.caption() + f.Label16.caption(), "-2k");
  g().TicketIncome = 1000;
  f.Unload();
  showFinances();
  EXPECT_EQ(f.Ticketsales.caption(), "1k");
  EXPECT_EQ(f.Label4.caption(), "14k");
}

TEST_F(ClubScreensTest, StaffHireAndFire) {
  for (int i = 1; i <= 300; ++i) g().CoachName(i) = "Coach " + std::to_string(i);
  g().ScoutName(9) = "Scout 9";
  g().AssistantCoach(kClub) = 4;
  g().HeadScout(kClub) = 9;
  showStaff();
  StaffShow& s = ui::screen<StaffShow>();
  EXPECT_EQ(s.Label2.caption(), "Coach 4");
  EXPECT_EQ(s.Label5.caption(), "Scout 9");
  EXPECT_EQ(s.Command2(0).caption(), "Fire");
  EXPECT_EQ(s.Command2(1).caption(), "Hire");
  EXPECT_TRUE(s.Command2(1).enabled());

  dialogs.answer(ui::MsgResult::No);
  s.Command2(0).userClick();
  EXPECT_EQ(dialogs.last().text, "Are you sure you want to fire Coach 4");
  EXPECT_EQ(g().AssistantCoach(kClub), 4);
  EXPECT_EQ(s.Command2(0).caption(), "Fire");

  dialogs.answer(ui::MsgResult::Yes);
  s.Command2(0).userClick();
  EXPECT_EQ(g().AssistantCoach(kClub), 0);
  EXPECT_EQ(s.Label2.caption(), "");
  EXPECT_EQ(s.Command2(0).caption(), "Hire");

  // Draws at the top and bottom of the pool; the fired coach may come back.
  rng().script({0.999, 0.01});
  s.Command2(0).userClick();
  s.Command2(2).userClick();
  EXPECT_EQ(g().AssistantCoach(kClub), 300);
  EXPECT_EQ(g().YouthCoach, 4);
  EXPECT_EQ(s.Label4.caption(), "Coach 4");
  EXPECT_EQ(s.Command2(2).caption(), "Fire");

  s.Command1.userClick();
  manage(3);
  showStaff();
  EXPECT_FALSE(s.Command2(1).enabled());
  EXPECT_FALSE(s.Command2(2).enabled());
  EXPECT_TRUE(s.Command2(3).enabled());
  EXPECT_FALSE(hireStaff(g(), 1)) << "an MLS club has no reserves";
}

TEST_F(ClubScreensTest, ScoutingShowsItsBudgetOnARowOfItsOwn) {
  g().ScoutingFunding(kClub) = 0;
  g().HeadScout(kClub) = 9;
  showScouting();
  Scouting& s = ui::screen<Scouting>();
  EXPECT_EQ(s.Label3.caption(), "0");
  EXPECT_EQ(s.Label4.caption(), "Scouting Funding");
  EXPECT_EQ(s.Label3.top(), s.Label4.top()) << "the budget stands beside its own caption";
  const int scoutsRow = s.Label2.top();
  for (const ui::Control* c : s.controls()) {
    if (c == &s.Label2 || !c->visible() || c->kind() != ui::ControlKind::Label || c->caption().empty()) continue;
    const bool sameRow = c->top() < scoutsRow + s.Label2.height() && scoutsRow < c->top() + c->height();
    EXPECT_FALSE(sameRow && c->left() > s.Label2.left()) << c->name() << " reads as the count of scouts";
  }
  s.Command2.userClick();
  g().ScoutingFunding(kClub) = 45;
  showScouting();
  EXPECT_EQ(s.Label3.caption(), "45");
  s.Command2.userClick();
}

}  // namespace

}  // namespace kervale::test
