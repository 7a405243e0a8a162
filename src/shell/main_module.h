#pragma once

#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace kervale {

inline constexpr const char* kQuitQuestion = "Are you sure you want to quit?";

// The hub: date, club, news, speed slider, the buttons and menus that open
// every other screen, and the continue button whose handler is the day loop.
// It holds no game state: Form_Load rebuilds it from the shared tables.
class MainModule : public ui::Form {
 public:
  MainModule();

  // ---- Controls
  ui::Image Image3{*this, "Image3"};  // background picture
  ui::Label Label5{*this, "Label5"};  // colour bar behind the club name
  ui::Label TeamNameLabel{*this, "TeamNameLabel"};
  ui::Image Image1{*this, "Image1"};  // club badge
  ui::Label Label2{*this, "Label2"};  // manager's name
  ui::Label Label1{*this, "Label1"};  // club news
  ui::Image Image4{*this, "Image4"};  // fixed picture
  ui::Label Label6{*this, "Label6"};  // day name
  ui::Label Label7{*this, "Label7"};  // date line
  ui::Label Label8{*this, "Label8"};  // week line
  ui::Label Label3{*this, "Label3"};  // "In-Game Speed:"
  ui::HScrollBar HScroll1{*this, "HScroll1"};
  ui::Label Label4{*this, "Label4"};  // speed text; a click opens the speed box
  ui::CommandButton PlayGamesBUtton{*this, "PlayGamesBUtton"};
  ui::CommandButton Command1{*this, "Command1"};  // squad screen
  ui::CommandButton Command2{*this, "Command2"};  // tactics page
  ui::CommandButton Command3{*this, "Command3"};  // reserves
  ui::CommandButton Command4{*this, "Command4"};  // league portal
  ui::CommandButton Command5{*this, "Command5"};  // scouting
  ui::CommandButton Command6{*this, "Command6"};  // chairman
  ui::CommandButton Command8{*this, "Command8"};  // training
  ui::CommandButton Command9{*this, "Command9"};  // club page

  // ---- Menu bar, in the order shown
  ui::MenuItem File_menu{*this, "File_menu", "&File"};
  ui::MenuItem Load_Game{*this, "Load_Game", "&Load", &File_menu};
  ui::MenuItem Save_Game{*this, "Save_Game", "&Save", &File_menu};
  ui::MenuItem Filemenubar{*this, "Filemenubar", "-", &File_menu};
  ui::MenuItem File_Exit{*this, "File_Exit", "&Exit", &File_menu};

  ui::MenuItem Matchday_Menu{*this, "Matchday_Menu", "&Matchday"};
  ui::MenuItem TeamSelect_Menu{*this, "TeamSelect_Menu", "&Team Select", &Matchday_Menu};
  ui::MenuItem ViewthePaper{*this, "ViewthePaper", "Use the &Internet", &Matchday_Menu};
  ui::MenuItem Visit_team_websiteGODAMMIT{*this, "Visit_team_websiteGODAMMIT", "&Visit Team Website", &Matchday_Menu};
  ui::MenuItem Wheeeee{*this, "Wheeeee", "-", &Matchday_Menu};
  ui::MenuItem Play_Match{*this, "Play_Match", "&Play Next Match", &Matchday_Menu};

  ui::MenuItem Statistics_Menu{*this, "Statistics_Menu", "&Statistics"};
  ui::MenuItem Java_Tabulas{*this, "Java_Tabulas", "&Tables", &Statistics_Menu};
  ui::MenuItem MLSTabelesSHow{*this, "MLSTabelesSHow", "&MLS Tables", &Statistics_Menu};
  ui::MenuItem Breakpoint{*this, "Breakpoint", "-", &Statistics_Menu};
  ui::MenuItem Stats_Menu_Fixtures{*this, "Stats_Menu_Fixtures", "Fixtures and &Results", &Statistics_Menu};
  ui::MenuItem Barth{*this, "Barth", "-", &Statistics_Menu};
  ui::MenuItem PlayerStats_Show{*this, "PlayerStats_Show", "&Player Statistics", &Statistics_Menu};
  ui::MenuItem Team_Stats_Show_Button{*this, "Team_Stats_Show_Button", "&Team Statisics", &Statistics_Menu};
  ui::MenuItem Shots_menu{*this, "Shots_menu", "S&hots...", &Statistics_Menu};
  ui::MenuItem Total_Shots{*this, "Total_Shots", "&Total Shots", &Shots_menu};
  ui::MenuItem Shots_on_Target{*this, "Shots_on_Target", "&Shots on Target", &Shots_menu};
  ui::MenuItem Shots_per_Goal{*this, "Shots_per_Goal", "Goal &Percentage", &Shots_menu};
  ui::MenuItem Barth_Returns_Again{*this, "Barth_Returns_Again", "-", &Statistics_Menu};
  ui::MenuItem Cup_View{*this, "Cup_View", "&Cups...", &Statistics_Menu};
  ui::MenuItem Stats_Menu_Cup{*this, "Stats_Menu_Cup", "&US Open Cup", &Cup_View};
  ui::MenuItem Canada_Cupview{*this, "Canada_Cupview", "Quorra &Canada Cup", &Cup_View};
  ui::MenuItem Concacafcupsee{*this, "Concacafcupsee", "Co&ncacaf Cup", &Cup_View};
  ui::MenuItem Champs_league{*this, "Champs_league", "Champions &League", &Cup_View};
  ui::MenuItem Copa_Liberadores{*this, "Copa_Liberadores", "C&opa Liberadores", &Cup_View};
  ui::MenuItem World_Cup_Show{*this, "World_Cup_Show", "&World Club Cup", &Cup_View};
  ui::MenuItem Playoff_Bar_None{*this, "Playoff_Bar_None", "&Playoffs...", &Statistics_Menu};
  ui::MenuItem MLS_Playoffs_Form_Show{*this, "MLS_Playoffs_Form_Show", "&MLS", &Playoff_Bar_None};
  ui::MenuItem A_League_Playoffthingy{*this, "A_League_Playoffthingy", "&A-League", &Playoff_Bar_None};
  ui::MenuItem D3ProPlayView{*this, "D3ProPlayView", "&D3 Pro League", &Playoff_Bar_None};
  ui::MenuItem Breakpointagain{*this, "Breakpointagain", "-", &Playoff_Bar_None};
  ui::MenuItem MexLeaguePlayoffSHow{*this, "MexLeaguePlayoffSHow", "&Mexican League", &Playoff_Bar_None};
  ui::MenuItem Just_another_Break{*this, "Just_another_Break", "-", &Statistics_Menu};
  ui::MenuItem View_Winners{*this, "View_Winners", "List of &Champions", &Statistics_Menu};

  ui::MenuItem Club_Operations{*this, "Club_Operations", "&Club Operations"};
  ui::MenuItem Training_Pitch_Show{*this, "Training_Pitch_Show", "&Training Pitch", &Club_Operations};
  ui::MenuItem blos3{*this, "blos3", "-", &Club_Operations};
  ui::MenuItem Finances_Menu{*this, "Finances_Menu", "F&inances", &Club_Operations};
  ui::MenuItem Stadium_Vieu{*this, "Stadium_Vieu", "&Stadium", &Club_Operations};
  ui::MenuItem View_Menu_Staff{*this, "View_Menu_Staff", "View &Staff", &Club_Operations};
  ui::MenuItem blos{*this, "blos", "-", &Club_Operations};
  ui::MenuItem Call_Chairman{*this, "Call_Chairman", "Call the &Chairman", &Club_Operations};

  ui::MenuItem Transactions_Menu{*this, "Transactions_Menu", "&Transactions"};
  ui::MenuItem Free_Agents{*this, "Free_Agents", "Tra&de", &Transactions_Menu};
  ui::MenuItem Minor_Leagues{*this, "Minor_Leagues", "Buy Contracted Player", &Transactions_Menu};
  ui::MenuItem Rrelease{*this, "Rrelease", "Purchase &Free Transfer", &Transactions_Menu};

  ui::MenuItem Help_Menu{*this, "Help_Menu", "&Help"};
  ui::MenuItem About{*this, "About", "&About", &Help_Menu};
  ui::MenuItem Sex_Stufff{*this, "Sex_Stufff", "-", &Help_Menu};
  ui::MenuItem PicChange{*this, "PicChange", "Change &Picture", &Help_Menu};
  ui::MenuItem Commish_Mode{*this, "Commish_Mode", "&Commissioner Mode", &Help_Menu};
  ui::MenuItem Cheat_Codes{*this, "Cheat_Codes", "Cheat Codes", &Help_Menu};
  ui::MenuItem Languageczech{*this, "Languageczech", "&Language...", &Help_Menu};
  ui::MenuItem Americano{*this, "Americano", "&American English", &Languageczech};
  ui::MenuItem English_Language_Is_The_Language_krustykrab{*this, "English_Language_Is_The_Language_krustykrab",
                                                           "United Kingdom &English", &Languageczech};
  ui::MenuItem Spanish{*this, "Spanish", "Es&pa\xC3\xB1ol", &Languageczech};

  // ---- Handlers
  // Speed slider and box.
  void HScroll1_Change();
  void Label4_Click();

  // The day loop.
  void PlayGamesBUtton_Click();
  // The day's training of the user's squad (weekday values 1 to 5).
  void trainingday();

  // File menu.
  void Load_Game_Click();
  void Save_Game_Click();
  void File_Exit_Click();

  // Menu items and buttons whose screens exist.
  void Play_Match_Click();
  void Stats_Menu_Fixtures_Click();
  void PlayerStats_Show_Click();
  void About_Click();
  void PicChange_Click();
  void Commish_Mode_Click();
  void Free_Agents_Click();
  void Cheat_Codes_Click();
  void Americano_Click();
  void English_Language_Is_The_Language_krustykrab_Click();
  void Spanish_Click();

  // The rest open screens that come later; each is wired when its screen exists.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command8_Click();
  void Command9_Click();
  void TeamSelect_Menu_Click();
  void ViewthePaper_Click();
  void Visit_team_websiteGODAMMIT_Click();
  void Java_Tabulas_Click();
  void MLSTabelesSHow_Click();
  void Team_Stats_Show_Button_Click();
  void Stats_Menu_Cup_Click();
  void Canada_Cupview_Click();
  void Concacafcupsee_Click();
  void Champs_league_Click();
  void Copa_Liberadores_Click();
  void World_Cup_Show_Click();
  void MLS_Playoffs_Form_Show_Click();
  void A_League_Playoffthingy_Click();
  void D3ProPlayView_Click();
  void View_Winners_Click();
  void Training_Pitch_Show_Click();
  void Finances_Menu_Click();
  void View_Menu_Staff_Click();
  void Call_Chairman_Click();
  void Minor_Leagues_Click();

  // The computer clubs' shopping for the season ahead, run from the roll-over.
  void shortlisting();

  // The rebuild from the shared tables; the day loop calls it on the shown hub.
  void Form_Load() override;

  // True while a press of the continue button runs.
  bool pressRunning() const { return pressRunning_; }

 protected:
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;
  void Form_Deactivate() override {}

 private:
  // Connects the buttons and items whose screens exist.
  void wireScreens();
  void setLanguage(int language);
  // Plays the round CurrentWeek on the match screen.
  void playMatchday();
  void birthdays();
  void nextFixtureNews(bool afterSaturday);
  void squadReadyCheck();

  bool pressRunning_ = false;
  bool endAfterUnload_ = false;  // the close box's quit was confirmed
};

}  // namespace kervale
