// The English cup: two stages with replays, then the draw of the third.
#include "base/numbers.h"
#include "base/random.h"
#include "matchday/cups.h"
#include "matchday/cups_bracket.h"
#include "matchday/fixture_check.h"

namespace kervale::cups {

namespace {

constexpr int kFirstLeagueClub = 53;
constexpr int kLastLeagueClub = 144;  // 145..148 play in no league

Bracket firstStage(MLSModule& game) { return Bracket::of(game.USCupPrelimTeam, game.USCupPrelimResult, 60); }
Bracket secondStage(MLSModule& game) { return Bracket::of(game.USCupRound1Team, game.USCupRound1Result, 64); }
Bracket thirdStage(MLSModule& game) { return Bracket::of(game.USCupRound2Team, game.USCupRound2Result, 32); }

// A stage's first match: the winner goes on, a level match is replayed with the
// clubs' grounds exchanged, as a knockout tie.
void recordStageMatch(MLSModule& game, RoundWinners winners, const PlayedTie& tie, const Bracket& stage,
                      int replayRound) {
  const int position = stage.tieOf(tie.home, tie.away);
  if (position == 0) return;
  startList(game.EnglishCupEntrant, winners.counter);
  const int winner = winnerOf(tie);
  if (winner == 0) {
    fixturecheck(game, tie.away, tie.home, replayRound, 0);
    return;
  }
  addAtCounter(game.EnglishCupEntrant, winners.counter, winner);
  stage.writeResult(position, tie, tie.homeGoals, tie.awayGoals);
}

// A replay: its winner takes the first free entrant place; its goals replace
// the first match's, each club's in its own place.
void recordReplay(MLSModule& game, const PlayedTie& tie, const Bracket& stage) {
  const int position = stage.tieOf(tie.home, tie.away);
  if (position == 0) return;
  stage.writeResult(position, tie, tie.homeGoals, tie.awayGoals);
  const int winner = winnerOf(tie);
  if (winner == 0) return;
  if (const int free = firstFree(game.EnglishCupEntrant, 64)) game.EnglishCupEntrant(free) = winner;
}

bool anyEntrant(const MLSModule& game) { return firstFree(game.EnglishCupEntrant, 64) != 1; }

// Entrants 1..count in random places of an emptied stage, then its ties in the
// grid. Every entrant draws a place, an empty one too (it leaves the place
// free); as at most i - 1 places are taken, a free one is always there.
void drawStage(MLSModule& game, const Bracket& stage, int count, int round) {
  stage.clear();
  for (int i = 1; i <= count; ++i) {
    const int club = CInt(game.EnglishCupEntrant(i));
    int r = 0;
    do {
      r = rng().draw(stage.size, 1);
    } while (stage.team(r) != 0);
    stage.team(r) = club;
  }
  for (int i = 1; i < stage.size; i += 2) fixturecheck(game, CInt(stage.team(i)), CInt(stage.team(i + 1)), round, 3);
}

bool inFirstStage(MLSModule& game, int club) {
  for (int i = 1; i <= 64; ++i) {
    if (game.USCupPrelimTeam(i) == club) return true;
  }
  return false;
}

}  // namespace

void recordEnglishCupMatch(MLSModule& game, RoundWinners winners, const PlayedTie& tie) {
  const double w = game.CurrentWeek;
  if (w == kEnglishFirstStage) recordStageMatch(game, winners, tie, firstStage(game), kEnglishFirstReplays);
  if (w == kEnglishFirstReplays) recordReplay(game, tie, firstStage(game));
  if (w == kEnglishSecondStage) recordStageMatch(game, winners, tie, secondStage(game), kEnglishSecondReplays);
  if (w == kEnglishSecondReplays) recordReplay(game, tie, secondStage(game));
}

void drawEnglishCup(MLSModule& game, RoundWinners winners) {
  const double w = game.CurrentWeek;
  // A stage starts with an empty entrant list even when none of its first
  // matches was decided, so the replays' winners never join an old list.
  if (w == kEnglishFirstStage || w == kEnglishSecondStage) startList(game.EnglishCupEntrant, winners.counter);

  if (w == kEnglishFirstReplays) {
    // Nothing went through: the first stage was not played this season.
    if (!anyEntrant(game)) return;
    // The league clubs that skipped the first stage join its winners.
    for (int c = kFirstLeagueClub; c <= kLastLeagueClub; ++c) {
      if (inFirstStage(game, c)) continue;
      const int free = firstFree(game.EnglishCupEntrant, 64);
      if (free == 0) break;
      game.EnglishCupEntrant(free) = c;
    }
    drawStage(game, secondStage(game), 64, kEnglishSecondStage);
  }

  if (w == kEnglishSecondReplays) {
    if (!anyEntrant(game)) return;
    // A club drawn against an empty place goes through without playing.
    const Bracket played = secondStage(game);
    for (int i = 1; i < played.size; i += 2) {
      const int a = CInt(played.team(i));
      const int b = CInt(played.team(i + 1));
      if ((a == 0) == (b == 0)) continue;
      if (const int free = firstFree(game.EnglishCupEntrant, 64)) game.EnglishCupEntrant(free) = a == 0 ? b : a;
    }
    drawStage(game, thirdStage(game), 32, kEnglishThirdStage);
  }
}

}  // namespace kervale::cups
