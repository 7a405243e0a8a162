// The match kernel: where each side's players and table rows are, found once at set-up.
#include "match/match_kernel.h"

#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

void resolveSide(MLSModule& g, KernelSide& s, int side, int club, int flow) {
  s.club = club;
  // Every squad cell of the eleven is checked here, as the set-up's reads of
  // their names have just done; the minute loop then reads them unchecked.
  for (int slot = 1; slot <= 11; ++slot) s.player[slot] = g.PlayerName.index(g.TeamSquad(slot, club));
  s.rating = &g.MatchRating(0, side);
  s.morale = &g.TeamMorale(club);
  s.position = &g.TeamPosition(0, club);
  s.flowCell = &g.TeamFlow(club);
  s.tacticCell = &g.TeamTactic(club);
  s.moveTo = &g.FlowTable1(0, flow, side);
  s.zoneWeight = {&g.FlowTable2(0, flow, side), &g.FlowTable3(0, flow, side), &g.FlowTable4(0, flow, side)};
}

// The side's tables of the match, with nothing made yet: strengths are made
// afresh for every match, as the factor tables may be another game's.
template <class Strengths, class Skill, class MidSkill, class Condition, class Value, class MidValue>
void attachTables(Strengths& st, const Skill& def, const MidSkill& mid, const Skill& att, bool& skillsChanged,
                  Condition& condition, Value& defValue, MidValue& midValue, Value& attValue) {
  st = Strengths{};
  st.def = def.begin();
  st.mid = mid.begin();
  st.att = att.begin();
  st.skillsChanged = &skillsChanged;
  st.condition = condition.begin();
  st.defValue = defValue.begin();
  st.midValue = midValue.begin();
  st.attValue = attValue.begin();
}

}  // namespace

void MatchEngine::resolveKernel() {
  MLSModule& g = mls();
  kernel_.game = &g;
  kernel_.side[0].rating = &g.MatchRating(0, 0);
  resolveSide(g, kernel_.side[1], 1, hometeam, homeflow);
  resolveSide(g, kernel_.side[2], 2, awayteam, awayflow);
  kernel_.side[1].name = &onpitchname(0, 1);
  kernel_.side[2].name = &onpitchname(0, 2);
  attachTables(kernel_.home, homedefskill, homemidskill, homeattskill, homeskillschanged_, homecondition, homedefvalue,
               homemidvalue, homeattvalue);
  attachTables(kernel_.away, awaydefskill, awaymidskill, awayattskill, awayskillschanged_, awaycondition, awaydefvalue,
               awaymidvalue, awayattvalue);
}

}  // namespace kervale
