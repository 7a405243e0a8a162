#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "base/random.h"
#include "club/chairman.h"
#include "club/finances.h"
#include "club/scouting.h"
#include "club/staff_show.h"
#include "data/mls_module.h"
#include "shell/main_module.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale::test {

// An empty game whose user manages `club`, with a named squad of 20, strict
// dialogs; every office screen and the hub are unloaded afterwards.
class ClubTest : public ::testing::Test {
 protected:
  static constexpr int kClub = 60;

  void SetUp() override {
    replaceGame(makeEmptyGame());
    rng().clearScript();
    manage(kClub);
  }
  void TearDown() override {
    for (ui::Form* f :
         std::initializer_list<ui::Form*>{&ui::screen<Chairman>(), &ui::screen<Finances>(), &ui::screen<Scouting>(),
                                          &ui::screen<StaffShow>(), &ui::screen<MainModule>()}) {
      if (f->loaded()) f->Unload();
    }
    rng().clearScript();
    replaceGame(nullptr);
  }
  static MLSModule& g() { return mls(); }
  // The user's club becomes `club`, its squad players 1..20 with wages 10..200.
  static void manage(int club) {
    g().MyTeam = club;
    g().TeamName(club) = "Ashford Vale";
    g().TeamVenue(club) = "Vale Park";
    g().NumPlayers = 20;
    for (int slot = 1; slot <= 20; ++slot) {
      g().TeamSquad(slot, club) = slot;
      g().PlayerName(slot) = "Player " + std::to_string(slot);
      g().PlayerTeam(slot) = club;
      g().PlayerWage(slot) = 10 * slot;
    }
  }
  static Chairman& chairman() { return ui::screen<Chairman>(); }

  ScriptedDialogs dialogs;
};

}  // namespace kervale::test
