// Commentary, skill words, the name files, referees, sponsors and the
// default background.
#include <cmath>
#include <set>

#include "base/csv.h"
#include "world.h"
#include "world_random.h"

namespace kervale::worldgen {

namespace {

// Lines 2, 7..15, 34 and 41..50 follow a player's name and start with a blank.
const char* const kCommentary[50] = {
    // 1: kick-off; 2: after the kicker's name; 3: second half
    "The referee blows his whistle and we're under way!",
    " kicks off.",
    "The teams are back out for the second half.",
    // 4..6: a foul begins
    "Oh, that's a nasty challenge!",
    "The whistle goes for a foul.",
    "That's a late tackle!",
    // 7..15: after the fouler's name
    " went straight through the back of his man.",
    " clipped the heels of the attacker.",
    " is penalised for a push.",
    " caught his opponent high.",
    " left a boot in there.",
    " pulled the shirt of the man running past him.",
    " slid in far too late.",
    " tripped the player on the ball.",
    " used his elbow there.",
    // 16..19: the foul itself
    "The crowd whistles its disapproval.",
    "The player stays down for a moment, but he's all right.",
    "Both benches are on their feet.",
    "The referee has seen it all.",
    // 20..22: before a card
    "The referee reaches for his pocket...",
    "The referee calls him over...",
    "Here comes the card...",
    // 23: after a booking and before a sending-off
    "The referee writes his name in the notebook.",
    // 24: sent off; 25: second yellow
    "It's red! He has to go!",
    "That was his second yellow card of the match.",
    // 26..28: spare lines
    "A free kick in a dangerous position.",
    "The wall lines up ten yards back.",
    "The trainer runs on to take a look.",
    // 29, 30: penalty to the home side, to the visitors
    "Penalty to the home side!",
    "Penalty to the visitors!",
    // 31..33: the penalty is given
    "The referee points straight to the spot!",
    "No doubt about it, that's a penalty.",
    "The defenders surround the referee, but he won't change his mind.",
    // 34: after the taker's name
    " places the ball on the spot.",
    // 35..37: before the kick; 37..40: after a foul that gives no penalty
    "He takes a few steps back...",
    "The keeper bounces on his line...",
    "Everyone waits for the referee's whistle.",
    "Play restarts with a free kick.",
    "The free kick is played short.",
    "The free kick is floated into the area, but it comes to nothing.",
    // 41..50: a quiet minute, after the name of the player on the ball
    " is on the ball.",
    " looks for a pass.",
    " takes a touch and looks up.",
    " carries the ball forward.",
    " plays it square.",
    " shields the ball well.",
    " knocks it back to a team-mate.",
    " tries to switch the play.",
    " keeps it simple.",
    " is closed down quickly.",
};

const char* const kRatingWords[21] = {
    "Hopeless",  "Awful",   "Dreadful",  "Very Poor", "Poor",        "Weak",      "Below Average",
    "Mediocre",  "Average", "Fair",      "Decent",    "Capable",     "Good",      "Solid",
    "Very Good", "Strong",  "Excellent", "Superb",    "Outstanding", "Brilliant", "World Class",
};

// Index 14 - Int((40 - aggression) / 3): 1 for the calmest player, 20 for an
// aggression of 56..58.
const char* const kAggressionWords[21] = {
    "Serene", "Placid",        "Gentle",   "Mild",        "Calm",       "Easygoing", "Composed",
    "Steady", "Even-tempered", "Firm",     "Competitive", "Determined", "Combative", "Physical",
    "Fierce", "Hot-headed",    "Volatile", "Aggressive",  "Reckless",   "Violent",   "Out of Control",
};

// Weekly wage in k by the sum of a player's four ratings.
int wageForSum(int sum) { return std::max(1, static_cast<int>(std::floor(sum * sum / 120.0 + 0.5))); }

std::string nameFile(const std::vector<std::string>& names) {
  CsvWriter out;
  out.number(static_cast<int>(names.size())).endRecord();
  for (const std::string& name : names) out.text(name).endRecord();
  return out.content();
}

}  // namespace

void addTextFiles(DataFiles& files) {
  CsvWriter commentary;
  for (const char* line : kCommentary) commentary.text(line).endRecord();
  files["commentary.dat"] = commentary.content();

  CsvWriter skills;
  for (const char* word : kRatingWords) skills.text(word).endRecord();
  for (const char* word : kAggressionWords) skills.text(word).endRecord();
  for (int sum = 5; sum <= 54; ++sum) skills.number(wageForSum(sum)).endRecord();
  files["skills.dat"] = skills.content();

  files["usafirst.dat"] = nameFile(firstNames(NameStyle::American));
  files["usalast.dat"] = nameFile(lastNames(NameStyle::American));
  files["engfirst.dat"] = nameFile(firstNames(NameStyle::English));
  files["englast.dat"] = nameFile(lastNames(NameStyle::English));
  files["gerfirst.dat"] = nameFile(firstNames(NameStyle::German));
  files["gerlast.dat"] = nameFile(lastNames(NameStyle::German));

  WorldRandom random("referees");
  CsvWriter refs;
  constexpr int kReferees = 30;
  refs.number(kReferees).endRecord();
  std::set<std::string> used;
  for (int r = 0; r < kReferees; ++r) {
    const NameStyle style = static_cast<NameStyle>(random.range(0, 3));
    std::string name;
    do {
      name = random.pick(firstNames(style)) + " " + random.pick(lastNames(style));
    } while (!used.insert(name).second);
    // Fouls are called when two rolls beat Int(Rnd x strictness): a higher
    // value lets more go. 30..54 gives about 27 fouls a match.
    refs.text(name).number(random.range(30, 54)).endRecord();
  }
  files["refs.dat"] = refs.content();

  CsvWriter sponsors;
  sponsors.number(static_cast<int>(sponsorNames().size())).endRecord();
  for (const std::string& name : sponsorNames()) sponsors.text(name).endRecord();
  files["sponsors.dat"] = sponsors.content();

  CsvWriter picture;
  picture.text(kBackgroundPicture).endRecord();
  files["pic.dat"] = picture.content();
}

}  // namespace kervale::worldgen
