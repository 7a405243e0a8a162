#pragma once

#include <optional>
#include <string>

#include "data/mls_module.h"

namespace kervale {

// The rules behind the user's club office: the money sheet, the staff posts
// and the chairman's answers. Each checks before it writes; the screens read
// their controls, call these and redraw.

// ---- Money
// An MLS club (1..16) pays its wages through the league.
bool isMLSClub(double club);
// Sum of PlayerWage (k) over squad slots 1..20 of the club.
double squadWageBill(const MLSModule& g, int club);
// ScoutingFunding (k) of the club; clubs past the table's end have none.
double scoutingBudget(const MLSModule& g, int club);
// An amount in currency units shown in whole thousands, rounded down.
std::string thousandsText(double units);

// ---- Staff posts: 0 assistant coach, 1 reserve coach, 2 youth coach, 3 head scout
inline constexpr int kStaffPosts = 4;
// The person in the post (0 = vacant).
double staffPerson(const MLSModule& g, int post);
std::string staffName(const MLSModule& g, int post);
// Whether the user's club may change the post: MLS clubs have no reserves or youth.
bool staffPostOpen(const MLSModule& g, int post);
// Fills a vacant open post with a person drawn from the pool of 300; false
// when the post is taken or closed.
bool hireStaff(MLSModule& g, int post);
// Empties a filled open post; false when there was nothing to fire.
bool fireStaff(MLSModule& g, int post);

// ---- The chairman
enum class QuoteMoment { Opening, Talk };
// His view of the manager's approval; none when no step of the ladder holds.
std::optional<std::string> approvalQuote(double approval, QuoteMoment moment);

// Topics of the chat list, by position.
enum Topic { kPerformance = 0, kSponsorship, kScouting, kTransferFund, kReserveTeam, kExpansion, kAdministration };
inline constexpr int kTopics = 7;
std::string topicCaption(const MLSModule& g, int topic);
// His answer on a topic other than the performance, acting on it where it
// asks (the expansion request, the administration); none leaves the last answer.
std::optional<std::string> talkAbout(MLSModule& g, int topic);

struct TicketVerdict {
  std::string answer;
  bool tooExpensive = false;  // refused above the fans' ceiling
};
// Judges a proposed ticket price and sets it when accepted.
TicketVerdict proposeTicketPrice(MLSModule& g, int proposal);

// The manager leaves his club: the headline, no club, no reserve or youth coach.
void resignManager(MLSModule& g);

}  // namespace kervale
