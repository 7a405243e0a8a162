#include <optional>
#include <string>
#include <tuple>

#include "club/club_office.h"
#include "club_fixture.h"
#include "data/news.h"

namespace kervale::test {

namespace {

class ChairmanTest : public ClubTest {
 protected:
  // The chairman's answer on a topic, chosen and asked as the user does.
  std::string chat(int topic) {
    chairman().Combo1.userSelectItem(topic);
    chairman().Command3.userClick();
    return chairman().Label6.caption();
  }
  std::string propose(int price) {
    chairman().HScroll2.userScroll(price);
    chairman().Command4.userClick();
    return chairman().Label6.caption();
  }
};

TEST_F(ChairmanTest, QuoteLadderAtOpeningAndInTheTalk) {
  const std::string loser = "'I have nothing to say to the biggest loser in the world.'";
  const std::string greatest = "'You are the greatest manager in the world.'";
  const std::tuple<double, std::string, std::string> cases[] = {
      {0, "", loser},
      {0.05, loser, loser},
      {0.0500001, "'I COULD HIRE A BUM OFF THE STREET AND HE WOULD BE BETTER THAN YOU!'",
       "'I COULD HIRE A BUM OFF THE STREET AND HE WOULD BE BETTER THAN YOU!'"},
      {0.27, "'If you sucked any worse you'd be a vacuum.'", "'Get some results! I don't think you know how?'"},
      {0.5, "'I have my doubts about you.'", "'I have my doubts about you.'"},
      {0.96, greatest, greatest},
      {1, greatest, greatest},
  };
  for (const auto& [approval, opening, talk] : cases) {
    SCOPED_TRACE(approval);
    g().ManagerApproval(kClub) = approval;
    chairman().Show();
    EXPECT_EQ(chairman().lblAppr.caption(), opening);
    EXPECT_EQ(chairman().Label6.caption(), opening);
    EXPECT_EQ(chat(kPerformance), talk);
    EXPECT_EQ(chairman().lblAppr.caption(), talk);
    chairman().Command1.userClick();
  }
  EXPECT_EQ(approvalQuote(-0.1, QuoteMoment::Talk), std::nullopt);
}

TEST_F(ChairmanTest, Topics) {
  chairman().Show();
  EXPECT_EQ(chairman().Combo1.list(kExpansion), "Vale Park Expansion");
  EXPECT_EQ(chairman().Combo1.listIndex(), kPerformance);
  EXPECT_EQ(chat(kSponsorship), "'We have no sponsor!'");
  g().TeamSponsor(kClub) = "Brightwater";
  for (const auto& [fee, text] : {std::pair{25400, " 25k"}, std::pair{999, " 0k"}}) {
    g().SponsorFee(kClub) = fee;
    EXPECT_EQ(chat(kSponsorship), std::string("'We are being sponsored by Brightwater at") + text + "/week'");
  }
  EXPECT_EQ(chat(kScouting), "Scouting funding's fine for now.");
  EXPECT_EQ(chat(kReserveTeam), "'The reserve team is your business, not mine.'");

  EXPECT_EQ(chat(kExpansion), "'I shall look into the matter.'");
  EXPECT_EQ(g().StadiumExpansionPlan(kClub), 2);
  EXPECT_EQ(chat(kExpansion), "'I've already told you I'll look into it!'");
  g().StadiumExpansionPlan(kClub) = 3000;
  EXPECT_EQ(chat(kExpansion), "'Yes, we already do have plans for expansion this summer. We will add 3000 seats.'");
  EXPECT_EQ(g().StadiumExpansionPlan(kClub), 3000);

  // Administration: at -500 only the first answer; below it every player is
  // listed, the empty slot lists no one, and the debt is halved once a time.
  g().TeamMoney(kClub) = -500;
  const std::string scared = "Don't scare me like that. We don't have to file for administration!";
  EXPECT_EQ(chat(kAdministration), scared);
  EXPECT_EQ(g().TeamMoney(kClub), -500);
  EXPECT_EQ(g().PlayerTransferListed(1), 0);
  g().TeamSquad(20, kClub) = 0;
  g().TeamMoney(kClub) = -501;
  EXPECT_EQ(chat(kAdministration), "Half our debts have been repayed. Everyone has been transferlisted.");
  EXPECT_EQ(g().TeamMoney(kClub), -250.5);
  for (int p = 1; p <= 19; ++p) EXPECT_EQ(g().PlayerTransferListed(p), 1) << p;
  EXPECT_EQ(g().PlayerTransferListed(0), 0);
  EXPECT_EQ(g().PlayerTransferListed(20), 0);
}

TEST_F(ChairmanTest, TicketPricing) {
  g().TeamFanDemand(kClub) = 0.6;
  g().TicketPrice(kClub) = 15;
  chairman().Show();
  EXPECT_EQ(chairman().Label2.caption(), " 15$");
  const std::string accepted = "'Looks fine by me. I accept your proposal.'";
  const std::string tooDear = "'What, so I can be the only person in the stands?\rI reject your proposal!'";

  EXPECT_EQ(propose(24), tooDear);
  EXPECT_EQ(g().TicketPrice(kClub), 15);
  EXPECT_EQ(propose(23), accepted);
  EXPECT_EQ(g().TicketPrice(kClub), 23);
  EXPECT_EQ(propose(23), "'Quit wasting my time! You haven't even changed the price!'");
  EXPECT_EQ(g().TicketRaiseBlock, 10) << "the unchanged price leaves the block";
  g().TeamFanDemand(kClub) = 1;
  EXPECT_EQ(propose(25).rfind("'WHAT? You just upped", 0), 0u);
  EXPECT_EQ(g().TicketPrice(kClub), 23);
  EXPECT_EQ(propose(20), "'You're lowering the ticket prices? Just don't lose us too much money.'");
  EXPECT_EQ(g().TicketRaiseBlock, 0);
  EXPECT_EQ(propose(22), accepted);
  EXPECT_EQ(g().TicketPrice(kClub), 22);

  // The third refusal of a visit shuts the button (the 24 above was the
  // first); the next visit opens it and counts afresh.
  propose(40);
  EXPECT_TRUE(chairman().Command4.enabled());
  propose(40);
  EXPECT_FALSE(chairman().Command4.enabled());
  chairman().Command1.userClick();
  chairman().Show();
  for (int refusal = 1; refusal <= 3; ++refusal) {
    EXPECT_TRUE(chairman().Command4.enabled()) << refusal;
    propose(40);
  }
  EXPECT_FALSE(chairman().Command4.enabled());
  EXPECT_EQ(g().TicketPrice(kClub), 22);
}

TEST_F(ChairmanTest, Resignation) {
  g().ReserveCoach = 5;
  g().YouthCoach = 6;
  ui::screen<MainModule>().Show();
  chairman().Show();
  dialogs.answer(ui::MsgResult::No);
  chairman().Command2.userClick();
  EXPECT_EQ(g().MyTeam, kClub);
  EXPECT_TRUE(chairman().loaded());

  // A full headline list drops the line and keeps its count.
  for (int i = 0; i <= 300; ++i) addHeadline(g(), "Old news");
  dialogs.answer(ui::MsgResult::Yes).answer(ui::MsgResult::OK);
  chairman().Command2.userClick();
  ASSERT_EQ(dialogs.count(), 3u);
  EXPECT_EQ(dialogs.log()[1].title, "A Vital Career Decision");
  EXPECT_EQ(dialogs.last().text, "Your resignation has been finalised.\rThis is your last day with the club.");
  EXPECT_EQ(g().HeadlineCount, 300);
  EXPECT_EQ(g().Headlines(300), "Old news");
  EXPECT_EQ(g().MyTeam, 0);
  EXPECT_EQ(g().ReserveCoach, 0);
  EXPECT_EQ(g().YouthCoach, 0);
  EXPECT_FALSE(chairman().loaded());
  MainModule& hub = ui::screen<MainModule>();
  for (ui::Control* c : {static_cast<ui::Control*>(&hub.Command1), static_cast<ui::Control*>(&hub.Command6),
                         static_cast<ui::Control*>(&hub.Command9)}) {
    EXPECT_FALSE(c->enabled()) << c->name();
  }
  EXPECT_FALSE(hub.TeamSelect_Menu.enabled());
  EXPECT_TRUE(hub.PlayGamesBUtton.enabled());

  // With room in the list the headline names the club.
  replaceGame(makeEmptyGame());
  manage(kClub);
  resignManager(g());
  EXPECT_EQ(g().Headlines(0), "Ashford Vale's manager has resigned.");
}

}  // namespace

}  // namespace kervale::test
