// The chairman's answers: the approval ladder, the chat topics, the ticket
// price and the resignation.
#include <string_view>

#include "base/numbers.h"
#include "club/club_office.h"
#include "data/news.h"

namespace kervale {

namespace {

constexpr char kCr = '\r';

struct Step {
  double above;
  std::string_view quote;
};

// Every step the approval strictly exceeds replaces the quote before it. The
// lowest step also holds at 0 in the talk; the step above 0.25 differs too.
constexpr std::string_view kLowestQuote = "'I have nothing to say to the biggest loser in the world.'";
constexpr std::string_view kOpeningVacuum = "'If you sucked any worse you'd be a vacuum.'";
constexpr double kVacuumStep = 0.25;
constexpr Step kLadder[] = {
    {0.05, "'I COULD HIRE A BUM OFF THE STREET AND HE WOULD BE BETTER THAN YOU!'"},
    {0.1, "'YOU WERE THE WORST HIRE EVER!'"},
    {0.15, "'Start reading the unemployment section of the paper.'"},
    {0.2, "'You are a royal idiot!'"},
    {kVacuumStep, "'Get some results! I don't think you know how?'"},
    {0.3, "'The team is doing poorly under you!'"},
    {0.35, "'Don't make me look bad for hiring you!'"},
    {0.4, "'Turn this team around. I expected more from you.'"},
    {0.45, "'I have my doubts about you.'"},
    {0.5, "'You're doing okay, but I expect better.'"},
    {0.55, "'Better than average is not very good.'"},
    {0.6, "'Don't screw up, you're doing alright.'"},
    {0.65, "'The club is doing well but don't rest now.'"},
    {0.7, "'The club is safe in your hands. Don't let me down.'"},
    {0.75, "'A little extra effort and you'll get us to the top.'"},
    {0.8, "'You were a good hire.'"},
    {0.85, "'Keep up the superb work.'"},
    {0.9, "'You are an absolute genius.'"},
    {0.95, "'You are the greatest manager in the world.'"},
};

constexpr double kBankruptcy = -500;  // club money below this may file for administration

std::string sponsorAnswer(const MLSModule& g, int club) {
  if (g.TeamSponsor(club).empty()) return "'We have no sponsor!'";
  return "'We are being sponsored by " + g.TeamSponsor(club) + " at" + Str(Int(g.SponsorFee(club) / 1000.0)) +
         "k/week'";
}

std::optional<std::string> expansionAnswer(MLSModule& g, int club) {
  MLSModule::Int16& plan = g.StadiumExpansionPlan(club);
  if (plan == 2) return "'I've already told you I'll look into it!'";
  if (plan >= 1000) {
    return "'Yes, we already do have plans for expansion this summer. We will add" + Str(plan) + " seats.'";
  }
  if (plan != 0) return std::nullopt;
  plan = 2;  // the club finances decide on it before the season's last wage round
  return "'I shall look into the matter.'";
}

std::string administrationAnswer(MLSModule& g, int club) {
  if (!(g.TeamMoney(club) < kBankruptcy)) {
    return "Don't scare me like that. We don't have to file for administration!";
  }
  for (int slot = 1; slot <= 20; ++slot) {
    const double player = g.TeamSquad(slot, club);
    if (player >= 1 && player <= kLastPlayer) g.PlayerTransferListed(player) = 1;  // an empty slot lists no one
  }
  g.TeamMoney(club) = g.TeamMoney(club) / 2;
  return "Half our debts have been repayed. Everyone has been transferlisted.";
}

}  // namespace

std::optional<std::string> approvalQuote(double approval, QuoteMoment moment) {
  const bool talk = moment == QuoteMoment::Talk;
  std::optional<std::string> quote;
  if (talk ? approval >= 0 : approval > 0) quote = kLowestQuote;
  for (const Step& step : kLadder) {
    if (!(approval > step.above)) continue;
    quote = !talk && step.above == kVacuumStep ? kOpeningVacuum : step.quote;
  }
  return quote;
}

std::string topicCaption(const MLSModule& g, int topic) {
  static constexpr std::string_view kFixed[] = {
      "Your Performance",         "Sponsorship", "Scouting Funding", "Transfer Fund", "Reserve Team", "",
      "Filing for Administration"};
  if (topic == kExpansion) return g.TeamVenue(g.MyTeam) + " Expansion";
  if (topic < 0 || topic >= kTopics) return "";
  return std::string(kFixed[topic]);
}

std::optional<std::string> talkAbout(MLSModule& g, int topic) {
  const int club = static_cast<int>(g.MyTeam);
  if (club < 1 || club > kLastClub) return std::nullopt;
  switch (topic) {
    case kSponsorship:
      return sponsorAnswer(g, club);
    case kScouting:
      return "Scouting funding's fine for now.";
    case kTransferFund:
      return "Transfer fund's fine for now.";
    case kReserveTeam:
      return "'The reserve team is your business, not mine.'";
    case kExpansion:
      return expansionAnswer(g, club);
    case kAdministration:
      return administrationAnswer(g, club);
    default:
      return std::nullopt;
  }
}

TicketVerdict proposeTicketPrice(MLSModule& g, int proposal) {
  const int club = static_cast<int>(g.MyTeam);
  if (club < 1 || club > kLastClub) return {};
  if (proposal >= 40 * g.TeamFanDemand(club)) {
    return {std::string("'What, so I can be the only person in the stands?") + kCr + "I reject your proposal!'", true};
  }
  MLSModule::Int16& price = g.TicketPrice(club);
  if (g.TicketRaiseBlock > 0 && proposal > price) {
    return {std::string("'WHAT? You just upped the ticket price and") + kCr +
                "now you want another one? What, do you think content and happy people grow on trees?" + kCr +
                "I reject your proposal!'",
            false};
  }
  std::string answer = "'Looks fine by me. I accept your proposal.'";
  if (proposal < price) {
    answer = "'You're lowering the ticket prices? Just don't lose us too much money.'";
    g.TicketRaiseBlock = 0;
  }
  if (proposal == price) answer = "'Quit wasting my time! You haven't even changed the price!'";
  if (proposal > price) g.TicketRaiseBlock = 10;
  price = CInt(proposal);
  return {answer, false};
}

void resignManager(MLSModule& g) {
  if (g.MyTeam < 1 || g.MyTeam > kLastClub) return;
  addHeadline(g, g.TeamName(g.MyTeam) + "'s manager has resigned.");
  g.MyTeam = 0;
  g.ReserveCoach = 0;
  g.YouthCoach = 0;
}

}  // namespace kervale
