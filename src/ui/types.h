#pragma once

#include <string>
#include <string_view>

#include "base/colour.h"

namespace kervale::ui {

// Geometry is in twips; the real window shows 15 twips a pixel.
constexpr int kTwipsPerPixel = 15;
// The height of the 1024 x 768 screen: a full-window screen's background
// reaches it in that layout.
constexpr int kLargeScreenHeight = 768 * kTwipsPerPixel;

enum class ControlKind {
  Label,
  CommandButton,
  TextBox,
  ListBox,
  ComboBox,
  CheckBox,
  OptionButton,
  HScrollBar,
  VScrollBar,
  Frame,
  Image,
  PictureBox,
  Shape,
  Line,
  DriveListBox,
  DirListBox,
  FileListBox,
};

enum class Alignment { Left, Right, Center };

enum class ShapeType { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

// Standard colours of the window system, blue-green-red.
constexpr Colour kWindowBackground = 0xFFFFFF;
constexpr Colour kButtonFace = 0xC0C0C0;
constexpr Colour kWindowText = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
// The plain backing of a text over a picture: the night blue of the sky in
// the game's own picture, so that it shows where a text leaves the sky.
constexpr Colour kTextBacking = rgbColour(14, 22, 45);

// Captions mark their access key with "&" ("&File": Alt+F); "&&" is a plain "&".
// The access key in lower case, 0 when the caption has none.
char accessKey(std::string_view caption);
// The caption as shown, without the markers.
std::string shownCaption(std::string_view caption);

}  // namespace kervale::ui
