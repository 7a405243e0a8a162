// The US Open Cup: recording its ties, byes, draws and the final.
#include "matchday/cups.h"

#include <string>

#include "base/numbers.h"
#include "matchday/cups_bracket.h"
#include "matchday/fixture_check.h"
#include "ui/backend.h"

namespace kervale {

namespace cups {

int Bracket::tieOf(int a, int b) const {
  for (int i = 1; i < size; i += 2) {
    const int x = CInt(team(i));
    const int y = CInt(team(i + 1));
    if ((x == a && y == b) || (x == b && y == a)) return i;
  }
  return 0;
}

void Bracket::writeResult(int position, const PlayedTie& tie, int homeGoals, int awayGoals) const {
  const bool homeFirst = CInt(team(position)) == tie.home;
  result(position) = homeFirst ? homeGoals : awayGoals;
  result(position + 1) = homeFirst ? awayGoals : homeGoals;
}

void Bracket::clear() const {
  for (int i = 1; i <= size; ++i) {
    team(i) = 0;
    result(i) = Variant();
  }
}

int historySeason(const MLSModule& game) {
  const double season = game.CurrentSeason;
  return season >= 1 && season <= 100 ? CInt(season) : 0;
}

namespace {

constexpr int kUSCupStages = 6;
constexpr int kFinalStage = kUSCupStages - 1;

// Stage 0 is the first round (52 places), stage 5 the final.
Bracket usBracket(MLSModule& game, int stage) {
  switch (stage) {
    case 0:
      return Bracket::of(game.USCupRound1Team, game.USCupRound1Result, 52);
    case 1:
      return Bracket::of(game.USCupRound2Team, game.USCupRound2Result, 32);
    case 2:
      return Bracket::of(game.USCupRound3Team, game.USCupRound3Result, 16);
    case 3:
      return Bracket::of(game.USCupRound4Team, game.USCupRound4Result, 8);
    case 4:
      return Bracket::of(game.USCupSemiTeam, game.USCupSemiResult, 4);
    default:
      return Bracket::of(game.USCupFinalTeam, game.USCupFinalResult, 2);
  }
}

// The stage played on round w, -1 on a round without the cup.
int usStage(double w) {
  for (int s = 0; s < kUSCupStages; ++s) {
    if (w == kUSCupRounds[s]) return s;
  }
  return -1;
}

void recordFinal(MLSModule& game, const Bracket& final, int position, const PlayedTie& tie) {
  final.writeResult(position, tie, tie.homeGoals, tie.awayGoals);
  const int winner = winnerOf(tie);
  if (winner == 0) return;
  if (const int season = historySeason(game)) game.CupWinnerHistory(season) = static_cast<std::int16_t>(winner);
  ui::MsgBox(game.TeamName(winner) + " has won the" + Str(2002 + game.CurrentSeason) + " US Open Cup",
             ui::MsgButtons::OK, ui::MsgIcon::None, "US Open Cup");
}

}  // namespace

void recordUSOpenCupMatch(MLSModule& game, RoundWinners winners, const PlayedTie& tie) {
  const int stage = usStage(game.CurrentWeek);
  if (stage < 0) return;
  const Bracket bracket = usBracket(game, stage);
  const int position = bracket.tieOf(tie.home, tie.away);
  if (position == 0) return;  // a tie of no round of this cup
  if (stage == kFinalStage) {
    recordFinal(game, bracket, position, tie);
    return;
  }
  startList(winners.list, winners.counter);
  // A level tie (none, with the shoot-out) leaves its place empty: the draw
  // then gives the club it meets a bye.
  addAtCounter(winners.list, winners.counter, winnerOf(tie));
  bracket.writeResult(position, tie, tie.homeGoals, tie.awayGoals);
}

void drawUSOpenCup(MLSModule& game, RoundWinners winners) {
  const int stage = usStage(game.CurrentWeek);
  if (stage < 0 || stage == kFinalStage) return;
  // No tie of the round was played: the cup has not been drawn for this
  // season, and last season's brackets must not start it again.
  if (winners.counter <= 1) return;

  const Bracket played = usBracket(game, stage);
  for (int i = 1; i < played.size; i += 2) {
    const int a = CInt(played.team(i));
    const int b = CInt(played.team(i + 1));
    if (a == 0 && b != 0) addAtCounter(winners.list, winners.counter, b);
    if (a != 0 && b == 0) addAtCounter(winners.list, winners.counter, a);
  }

  const Bracket next = usBracket(game, stage + 1);
  next.clear();
  for (int i = 1; i <= next.size; ++i) next.team(i) = winners.list(i);
  for (int i = 1; i < next.size; i += 2) {
    fixturecheck(game, CInt(next.team(i)), CInt(next.team(i + 1)), kUSCupRounds[stage + 1], 2);
  }
}

}  // namespace cups

bool keepsUSOpenCup(const MLSModule& game) {
  // Without a club the game keeps the cup of the league it was started in.
  if (game.MyTeam == 0) return game.CurrentLeague != 3;
  const double entry = game.TeamCupEntry(game.MyTeam);
  return entry == 0 || entry == 2;
}

bool keepsEnglishCup(const MLSModule& game) {
  if (game.MyTeam == 0) return game.CurrentLeague == 3;
  return game.TeamCupEntry(game.MyTeam) == 16;
}

void recordCupMatch(MLSModule& game, RoundWinners winners, const PlayedTie& tie) {
  if (keepsUSOpenCup(game)) cups::recordUSOpenCupMatch(game, winners, tie);
  if (keepsEnglishCup(game)) cups::recordEnglishCupMatch(game, winners, tie);
}

void drawCupRounds(MLSModule& game, RoundWinners winners) {
  if (keepsUSOpenCup(game)) cups::drawUSOpenCup(game, winners);
  if (keepsEnglishCup(game)) cups::drawEnglishCup(game, winners);
}

}  // namespace kervale
