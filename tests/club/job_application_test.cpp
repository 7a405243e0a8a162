// The job market at the ends of the club table: the first club and the last
// (285) take applications and are listed like any other; an application
// goes to any club but the user's own, and to no number outside the table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "club/portal_pages.h"
#include "data/mls_module.h"

namespace kervale {
namespace {

class JobApplication : public ::testing::Test {
 protected:
  JobApplication() {
    for (int c = 0; c <= kLastClub; ++c) {
      g->ManagerApproval(c) = 0.5;
      g->TeamName(c) = "Club " + std::to_string(c);
    }
    g->MyTeam = 0;  // between jobs
  }
  std::unique_ptr<MLSModule> g = makeEmptyGame();
};

TEST_F(JobApplication, TheFirstAndLastClubsAreListedWhenTakingApplications) {
  g->ManagerApproval(1) = 0.1;
  g->ManagerApproval(kLastClub) = 0.29;
  g->ManagerApproval(0) = 0.1;  // no club: never listed
  EXPECT_EQ(jobClubs(*g), (std::vector<int>{1, kLastClub}));
  EXPECT_EQ(jobMarketText(*g),
            "Club 1 have a serious manager situation and are taking applications.\r"
            "Club 285 have publicly stated that they are accepting applications.\r");
}

TEST_F(JobApplication, ApprovalOfThreeTenthsTakesNoApplication) {
  g->ManagerApproval(kLastClub) = 0.3;
  EXPECT_TRUE(jobClubs(*g).empty());
  EXPECT_EQ(jobMarketText(*g), "Club 285 are rumoured to be falling out of favour with their manager.\r");
}

TEST_F(JobApplication, AnApplicationReachesTheFirstAndTheLastClub) {
  EXPECT_EQ(applyForJob(*g, 1), Application::Sent);
  EXPECT_EQ(g->AppliedTeam, 1);
  EXPECT_EQ(applyForJob(*g, kLastClub), Application::Sent);
  EXPECT_EQ(g->AppliedTeam, kLastClub);
}

TEST_F(JobApplication, NoClubOutsideTheTableAndNotTheUsersOwn) {
  g->AppliedTeam = 7;
  EXPECT_EQ(applyForJob(*g, 0), Application::NoClub);
  EXPECT_EQ(applyForJob(*g, kLastClub + 1), Application::NoClub);
  EXPECT_EQ(g->AppliedTeam, 7) << "a refused number leaves the pending application";
  g->MyTeam = kLastClub;
  EXPECT_EQ(applyForJob(*g, kLastClub), Application::OwnClub);
  EXPECT_EQ(g->AppliedTeam, 0);
}

}  // namespace
}  // namespace kervale
