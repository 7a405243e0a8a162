#pragma once

#include <cstdint>

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// The player card: one player's personal data, grades, statistics and
// interested clubs, and the panels to deal in him that suit whose player he
// is (the user's own, another club's, or a free player). Opened only through
// showPlayerCard.
class PlayerDirectory : public ui::Form {
 public:
  PlayerDirectory();

  // ---- Controls
  ui::Image Image2{*this, "Image2"};                // background picture
  ui::Label Label19{*this, "Label19"};              // colour strip of the user's club
  ui::Label TeamNameLabel{*this, "TeamNameLabel"};  // transparent, on the strip
  ui::Image Image1{*this, "Image1"};                // badge of the user's club
  ui::Label Label1{*this, "Label1"};                // "PLAYER PROFILE"
  ui::Label Label2{*this, "Label2"};                // the player's name
  ui::Label teamplayfor{*this, "teamplayfor"};      // his club, in its colours
  ui::Image Labbel{*this, "Labbel"};                // flag of his nation
  // Fixed captions of the rows ("Age:", "Games:" ...).
  ui::ControlArray<ui::Label> FieldLabel{*this, "FieldLabel", 0, 22};

  ui::Frame Frame2{*this, "Frame2"};  // personal attributes
  ui::Label Label10{*this, "Label10"};
  ui::Label Label61{*this, "Label61"};
  ui::Label Label9{*this, "Label9"};
  ui::Label Label8{*this, "Label8"};  // "Contract:"
  ui::Label Label12{*this, "Label12"};
  ui::Label Label17{*this, "Label17"};  // "Wage:"
  ui::Label Label18{*this, "Label18"};
  ui::Label Label34{*this, "Label34"};  // availability, left empty

  ui::Frame Frame3{*this, "Frame3"};  // skill attributes
  ui::Label Label25{*this, "Label25"};
  ui::Label Label26{*this, "Label26"};
  ui::Label Label27{*this, "Label27"};
  ui::Label Label32{*this, "Label32"};
  ui::Label Label38{*this, "Label38"};  // best skill
  ui::Label Label39{*this, "Label39"};  // worst skill
  ui::Label Label41{*this, "Label41"};  // aggression

  ui::Frame Frame4{*this, "Frame4"};                               // statistics
  ui::Label Label59{*this, "Label59"};                             // season year
  ui::Label Label62{*this, "Label62"};                             // "Career"
  ui::Label Label52{*this, "Label52"}, Label63{*this, "Label63"};  // games
  ui::Label Label58{*this, "Label58"}, Label64{*this, "Label64"};  // goals
  ui::Label Label57{*this, "Label57"}, Label65{*this, "Label65"};  // assists
  ui::Label Label56{*this, "Label56"}, Label66{*this, "Label66"};  // points
  ui::Label Label55{*this, "Label55"}, Label67{*this, "Label67"};  // shots on goal
  ui::Label Label54{*this, "Label54"}, Label68{*this, "Label68"};  // fouls
  ui::Label Label70{*this, "Label70"}, Label71{*this, "Label71"};  // match rating
  ui::Label Label4{*this, "Label4"}, Label6{*this, "Label6"};      // suspension points

  ui::Frame Frame5{*this, "Frame5"};    // transfer info
  ui::Label Label43{*this, "Label43"};  // interested clubs, one a line
  ui::Label Label45{*this, "Label45"};
  ui::Label Label46{*this, "Label46"};

  ui::Frame Frame1{*this, "Frame1"};           // contract panel
  ui::HScrollBar HScroll1{*this, "HScroll1"};  // years
  ui::Label Label15{*this, "Label15"};
  ui::HScrollBar HScroll2{*this, "HScroll2"};  // wage in k
  ui::Label Label16{*this, "Label16"};
  ui::CommandButton Command6{*this, "Command6"};  // "Offer Contract"

  ui::Frame Frame6{*this, "Frame6"};              // bid panel
  ui::Label Label20{*this, "Label20"};            // the asking-price line
  ui::Label Label28{*this, "Label28"};            // bid log
  ui::Label Label29{*this, "Label29"};            // bid amount
  ui::HScrollBar HScroll3{*this, "HScroll3"};     // bid in k
  ui::CommandButton Command7{*this, "Command7"};  // "Bid"
  ui::CommandButton Command4{*this, "Command4"};  // "Stay"

  ui::CommandButton Command1{*this, "Command1"};    // "Shortlist Player", under Command2
  ui::CommandButton Command2{*this, "Command2"};    // "Transfer List Player"
  ui::CommandButton Command3{*this, "Command3"};    // "Release Player"
  ui::CommandButton Command10{*this, "Command10"};  // "Leave"

  // ---- Card state: kept across the card's own refreshes, lost on unload.
  std::int32_t AskingPrice = 0;  // k
  double BidAmount = 0;          // the user's last bid, k
  std::int16_t BidRound = 0;     // bids made on this card

  // ---- Handlers
  void Command10_Click();
  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void Command2_Click();  // list
  void Command3_Click();  // release
  void Command4_Click();  // stay
  void Command6_Click();  // offer contract
  void Command7_Click();  // bid

  // Fills the card again for the same player, as a deal that moves him does.
  void reload() { Form_Load(); }
  // The player the card was last filled for.
  int shownPlayer() const { return shownPlayer_; }

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  void showOwnership(int club, int user);
  void setBidRange(int user);
  void showSkills(int player);
  void showStatistics(int player);
  void showInterest(int player);
  void showColours(int club, int user);
  void keepDealState();
  // Whether a deal may go ahead: no matchday running, the user has a club and
  // the player is where the card showed him. Says why not and refreshes.
  bool dealable();
  void renew(int player, int user);
  void sign(int player, int user);

  int shownPlayer_ = 0;
  int shownClub_ = 0;  // his club and the user's when the card was filled
  int shownUser_ = 0;
  bool talksAgreed_ = false;  // his club agreed to talk at BidAmount
  bool biddingOver_ = false;  // a decision was made on this card
};

// Opens the card on a player, modeless. The same player already shown comes to
// the front as he is; another player gets a fresh card. A number that is no
// player opens nothing and says so.
void showPlayerCard(int player);

}  // namespace kervale
