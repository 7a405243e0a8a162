// The hub's table items on a world game, for the first and the last club of
// every group of the leagues that play in groups: the Mexican league's four
// groups and the two MLS conferences.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "competitions/a_league_table.h"
#include "competitions/tables.h"
#include "data/mls_module.h"
#include "matchday/driver_world.h"
#include "shell/main_module.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr int kEnglishClub = 60;  // Mexican clubs cannot be chosen: the game starts in England

// The names a table screen's column shows, in row order.
template <class Column>
std::set<std::string> shownNames(const Column& column) {
  std::set<std::string> names;
  column.forEach([&names](int, const ui::Label& cell) {
    if (cell.visible()) names.insert(cell.caption());
  });
  return names;
}

class GroupTablesWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    std::unique_ptr<MLSModule> game = startedWorldGame(kEnglishClub);
    ASSERT_TRUE(game) << "no world game";
    replaceGame(std::move(game));
  }
  void TearDown() override {
    for (ui::Form* f :
         {static_cast<ui::Form*>(&ui::screen<ALeagueTable>()), static_cast<ui::Form*>(&ui::screen<Tables>())}) {
      if (f->loaded()) f->Unload();
    }
    replaceGame(nullptr);
  }
  static MLSModule& g() { return mls(); }
  static MainModule& hub() { return ui::screen<MainModule>(); }

  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
};

TEST_F(GroupTablesWorld, EachMexicanGroupOpensForItsFirstAndLastClub) {
  const char* titles[] = {"Grupo 1", "Grupo 2", "Grupo 3", "Grupo 4"};
  std::set<double> grouped;
  for (int group = 8; group <= 11; ++group) {
    for (int place : {1, 5}) {
      const double club = g().LeagueOrder(place, group);
      SCOPED_TRACE("group " + std::to_string(group - 7) + " place " + std::to_string(place));
      ASSERT_GE(club, 205);
      ASSERT_LE(club, 224);
      const std::string name = g().TeamName(static_cast<int>(club));
      g().MyTeam = club;
      g().TableLeague = 0;
      hub().Java_Tabulas.onClick();
      ALeagueTable& table = ui::screen<ALeagueTable>();
      EXPECT_EQ(table.Label2.caption(), titles[group - 8]);
      EXPECT_EQ(shownNames(table.eastname).size(), 5u) << "a group of five";
      EXPECT_EQ(shownNames(table.eastname).count(name), 1u) << name << " stands in the table it opens";
      grouped.insert(club);
    }
  }
  EXPECT_EQ(grouped.size(), 8u) << "eight different clubs";
}

TEST_F(GroupTablesWorld, EachConferenceShowsItsFirstAndLastClub) {
  const int clubs = static_cast<int>(g().MLSMatchesPerRound);
  ASSERT_GE(clubs, 2);
  struct Conference {
    const char* name;
    decltype(MLSModule::WestOrder)& order;
    ui::ControlArray<ui::Label>& column;
  };
  Tables& tables = ui::screen<Tables>();
  const Conference conferences[] = {{"East", g().EastOrder, tables.eastname}, {"West", g().WestOrder, tables.westteam}};
  for (const Conference& c : conferences) {
    for (int place : {1, clubs}) {
      const double club = c.order(place);
      SCOPED_TRACE(std::string(c.name) + " place " + std::to_string(place));
      ASSERT_GE(club, 1);
      ASSERT_LE(club, g().MLSTeamCount);
      g().MyTeam = club;
      const std::string name = g().TeamName(static_cast<int>(club));
      hub().MLSTabelesSHow.onClick();
      EXPECT_EQ(shownNames(c.column).size(), static_cast<std::size_t>(clubs));
      EXPECT_EQ(shownNames(c.column).count(name), 1u) << name << " stands in his conference";
      // The other leagues' item leaves the selector of an MLS club as it was.
      g().TableLeague = -1;
      hub().Java_Tabulas.onClick();
      EXPECT_EQ(ui::screen<ALeagueTable>().Label2.caption(), "D3 Pro League");
    }
  }
}

}  // namespace
}  // namespace kervale::test
