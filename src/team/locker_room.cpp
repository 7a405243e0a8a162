#include "team/locker_room.h"

#include <string>
#include <string_view>

#include "base/colour.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr char kCr = '\r';
constexpr Colour kGreyBand = 0xC0C0C0;

// The match's own morale bounds.
constexpr double kMinMorale = 0.4;
constexpr double kMaxMorale = 1.8;

// Positions of the six pre-match talks in TeamTalkList.
enum Talk { kGoodShowing = 0, kBiggestGame, kNotPlayingWell, kTurnItAround, kPlayForDraw, kNotImportant };

constexpr std::string_view kTalks[] = {
    "Let's have another good showing.",
    "This is the biggest game of the year!",
    "We haven't been playing well!",
    "We need to turn it around right here.",
    "Play for the draw.",
    "This game isn't very important.",
};

struct Mood {
  double above;
  const char* line;
};

// Each threshold the morale strictly exceeds replaces the line before it.
constexpr const char* kLowestMood = "I have nothing to say for our actions on the pitch.";
constexpr Mood kMoods[] = {
    {0.75, "We cannot win out there. No ifs, ands, or buts."},
    {0.85, "We're shit out there, coach. We're shit! Enough said!"},
    {0.9, "I myself am worried about our team, coach, we could, but I don't know if we can, do it."},
    {0.95, "No complaints, really, but things could be better."},
    {1, "Things could go our way here. We can probably beat this team."},
    {1.1, "Let's keep this up guys, let's really keep this up! We're doing fine!"},
    {1.15, "We're better than these guys! Let's go win!"},
    {1.25, "Let's go knock the shit out of 'em!"},
    {1.35, "YEAH! We're doing AWESOME!"},
};

// Points of the three newest results; a club with fewer results gets the fixed score.
int formScore(const std::string& form, char best, int fewResults) {
  if (form.size() <= 2) return fewResults;
  int score = 0;
  for (int i = 0; i < 3; ++i) {
    if (form[i] == best) score += 3;
    if (form[i] == 'D') score += 1;
  }
  return score;
}

}  // namespace

LockerRoom::LockerRoom() : Form("LockerRoom") {
  setCaption("Locker Room");
  move(0, 0, 9150, 5895);
  setBorderStyle(1);
  setBackColor(0x404040);

  Shape4.move(0, 0, 9135, 1095);
  Image1.move(120, 120, 855, 855);
  Image1.setStretch(true);
  Label1.move(1200, 300, 7695, 495);
  Label1.setOpaque(false);
  Label1.setFont(ui::Font{"Arial", 14, true});

  Picture1.move(120, 1215, 1455, 1935);
  Picture1.setBackColor(0x204020);
  Picture1.setPicture("tactics board.png");
  Image2.move(120, 3270, 1455, 2070);
  Image2.setStretch(true);
  Image2.setPicture("locker.png");

  Label2.move(1695, 1215, 7200, 855);
  Label2.setBackColor(ui::kWhite);
  Label2.setBorderStyle(1);
  Label2.setAlignment(ui::Alignment::Center);
  Label2.setFont(ui::Font{"Arial", 10, true});
  Label3.setCaption("Opponent/Relevant information pertinent to the outcome of the game:");
  Label3.move(1695, 2190, 3400, 2535);
  Label3.setBackColor(ui::kWhite);
  Label3.setBorderStyle(1);
  TeamTalkList.move(5220, 2190, 3675, 2535);

  Command1.setCaption("Preach");
  Command1.move(5220, 4845, 3675, 495);
  Command2.setCaption("Let's go to the match!");
  Command2.move(1695, 4845, 3400, 495);
  Command2.setEnabled(false);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  designDone();
}

void LockerRoom::Form_Load() {
  MLSModule& g = mls();
  leftForMatch_ = false;
  ui::Beep();

  // Banner: the venue and colours only when the user's club is at home.
  if (g.MatchAwayTeam == g.MyTeam) {
    Label1.setCaption("");
    Shape4.setBackColor(kGreyBand);
  }
  if (g.MatchHomeTeam == g.MyTeam) {
    Label1.setCaption(g.TeamVenue(g.MyTeam));
    Image1.setPicture(g.TeamLogo(g.MyTeam));
    const Colour first = colourFromText(g.TeamColour1(g.MyTeam));
    const Colour second = colourFromText(g.TeamColour2(g.MyTeam));
    Label1.setForeColor(second);
    Shape4.setBackColor(first);
    if (second == first) Label1.setForeColor(ui::kWhite);
  }

  if (g.MatchHomeTeam == g.MyTeam || g.MatchAwayTeam == g.MyTeam) {
    const double morale = g.TeamMorale(g.MyTeam);
    Label2.setCaption(kLowestMood);
    for (const Mood& m : kMoods) {
      if (morale > m.above) Label2.setCaption(m.line);
    }
  }

  if (g.TeamTalkStage == 0) {
    for (std::string_view talk : kTalks) TeamTalkList.addItem(std::string(talk));
    double opponent = 0;
    if (g.MatchAwayTeam == g.MyTeam) opponent = g.MatchHomeTeam;
    if (g.MatchHomeTeam == g.MyTeam) opponent = g.MatchAwayTeam;
    Label3.setCaption("");
    Label3.setCaption(g.TeamName(opponent) + kCr);
    Label3.setCaption(Label3.caption() + "Form: " + g.TeamForm(opponent) + kCr);
  }
  TeamTalkList.setListIndex(0);
}

void LockerRoom::Command1_Click() {
  MLSModule& g = mls();
  const int talk = TeamTalkList.listIndex();
  if (g.TeamTalkStage == 0 && talk >= 0) {
    double& morale = g.TeamMorale(g.MyTeam);
    const std::string& form = g.TeamForm(g.MyTeam);
    bool moved = true;
    switch (talk) {
      case kGoodShowing:
        if (formScore(form, 'W', 5) > 4) {
          morale += 0.2;
          Label2.setCaption("Let's go!");
        } else {
          morale -= 0.25;
          Label2.setCaption("Coach, we haven't been playing well recently!");
        }
        break;
      case kBiggestGame:
        g.BigGameTalks += 1;
        morale += 0.5;
        Label2.setCaption("This game is CRUCIAL! Let's beat these guys!");
        if (g.BigGameTalks >= 4) {
          morale -= 0.7;
          Label2.setCaption("Damn it, coach, you've said that way too much this season.");
        }
        break;
      case kNotPlayingWell:
      case kTurnItAround:
        if (formScore(form, 'L', 3) >= 4) {
          morale += 0.2;
          Label2.setCaption("Guys, he's right, let's go give a good showing!");
        } else {
          morale -= 0.15;
          Label2.setCaption("Wait a minute, we've been playing well these last few games!");
        }
        break;
      case kPlayForDraw:
        moved = false;
        Label2.setCaption("Why not the win, Coach? Why not the win?");
        break;
      case kNotImportant:
        moved = false;
        Label2.setCaption("Fine coach. Let's not kill ourselves out there guys.");
        break;
      default:
        moved = false;
        break;
    }
    // Every press gives the talk again; unbounded, a few presses would carry
    // the morale where the match never lets it go.
    if (moved) {
      if (morale > kMaxMorale) morale = kMaxMorale;
      if (morale < kMinMorale) morale = kMinMorale;
    }
  }
  Command2.setEnabled(true);
}

void LockerRoom::goToMatch(bool showMatch) {
  leftForMatch_ = true;
  mls().TeamTalkStage = 1;
  // The match screen is loaded while its match waits here; showing one that
  // is not would start a whole new matchday from its load.
  MatchEngine& match = ui::screen<MatchEngine>();
  if (showMatch && match.loaded()) match.Show();
}

void LockerRoom::Command2_Click() {
  goToMatch(true);
  Unload();
}

void LockerRoom::Form_Deactivate() {
  // The match waits on this screen: keep it in front until the user leaves.
  if (loaded() && !leftForMatch_) Show();
}

void LockerRoom::Form_QueryUnload(int& cancel, ui::UnloadMode mode) {
  (void)cancel;
  // Closed any other way than by the go button, the match would wait for ever.
  if (mode != ui::UnloadMode::Code && !leftForMatch_) goToMatch(mode == ui::UnloadMode::CloseBox);
}

}  // namespace kervale
