#include "ui/qt/qt_convert.h"

#include <QApplication>
#include <QFontDatabase>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/control.h"

namespace kervale::ui {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Char 13, alone or followed by a line feed, breaks a line.
QString withLineBreaks(std::string_view s) {
  QString t = qs(s);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QChar('\r'), QChar('\n'));
  return t;
}

// A multi-line text box holds CR LF line ends.
std::string withCrLf(const QString& s) {
  QString t = s;
  t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return t.toStdString();
}

int px(int twips) { return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel))); }

// Colours with the top bit set name a system colour by its index.
Colour systemColour(Colour index) {
  switch (index) {
    case 0x05:  // window background
    case 0x0E:  // highlighted text
      return kWhite;
    case 0x08:  // window text
    case 0x12:  // button text
    case 0x07:  // menu text
      return kBlack;
    case 0x0D:  // highlight
      return rgbColour(0, 0, 128);
    case 0x11:  // grey text
      return rgbColour(128, 128, 128);
    default:
      return kButtonFace;
  }
}

QColor qcolour(Colour c) {
  if ((c & 0x80000000u) != 0) c = systemColour(c & 0xFFu);
  return QColor(redOf(c), greenOf(c), blueOf(c));
}

namespace {

// The screens are laid out for a sans-serif face with Arial's widths; the first
// family installed stands in for it.
QString sansFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : {"Liberation Sans", "Arimo", "Arial", "DejaVu Sans Condensed"}) {
      if (installed.contains(QLatin1String(name))) return QString::fromLatin1(name);
    }
    return QApplication::font().family();
  }();
  return family;
}

bool isDesignSans(const QString& name) {
  return name.isEmpty() || name == QLatin1String("ms sans serif") || name == QLatin1String("arial");
}

// "MS Sans Serif" below 10 points is a bitmap face, narrower than Arial at the
// same size: measured on the screens' captions, its widths are Arial's at 10
// pixels.
constexpr double kBitmapSansBelowPoints = 10;
constexpr int kBitmapSansPixels = 10;

QFont makeFont(const Font& f) {
  QFont font = QApplication::font();
  const QString name = qs(f.name).toLower();
  if (isDesignSans(name)) {
    font.setFamilies({sansFamily()});
    font.setStyleHint(QFont::SansSerif);
  } else {
    font.setFamilies({qs(f.name)});
    if (name.contains(QStringLiteral("courier")) || name.contains(QStringLiteral("mono"))) {
      font.setStyleHint(QFont::TypeWriter);
    } else if (name.contains(QStringLiteral("times")) || name.contains(QStringLiteral("serif"))) {
      font.setStyleHint(name.contains(QStringLiteral("sans")) ? QFont::SansSerif : QFont::Serif);
    } else {
      font.setStyleHint(QFont::SansSerif);
    }
  }
  const bool bitmapSans =
      (name.isEmpty() || name == QLatin1String("ms sans serif")) && f.size > 0 && f.size < kBitmapSansBelowPoints;
  if (bitmapSans) {
    font.setPixelSize(kBitmapSansPixels);
  } else if (f.size > 0) {
    font.setPointSizeF(f.size);
  }
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  return font;
}

}  // namespace

QFont qfont(const Font& f) {
  // Few distinct fonts, many controls: each is resolved once.
  static std::vector<std::pair<Font, QFont>> known;
  for (const auto& [model, font] : known) {
    if (model == f) return font;
  }
  known.emplace_back(f, makeFont(f));
  return known.back().second;
}

// The colour is set on the widget even when it already shows it: a colour it
// only inherits would follow the desktop's scheme when that changes. Setting
// an unchanged palette costs nothing, Qt drops it. Text colours are left alone
// in the disabled group, so a disabled control still looks disabled.
void setForeground(QWidget* w, QPalette::ColorRole role, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Active, role, c);
  p.setColor(QPalette::Inactive, role, c);
  w->setPalette(p);
}

void setBackground(QWidget* w, QPalette::ColorRole role, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(role, c);
  w->setPalette(p);
}

Qt::Alignment horizontal(Alignment a) {
  switch (a) {
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

int mouseButtons(Qt::MouseButtons b) {
  return ((b & Qt::LeftButton) ? 1 : 0) | ((b & Qt::RightButton) ? 2 : 0) | ((b & Qt::MiddleButton) ? 4 : 0);
}

int shiftState(Qt::KeyboardModifiers m) {
  return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) | ((m & Qt::AltModifier) ? 4 : 0);
}

// Labels, images, shapes and lines sit below the other controls.
bool isGraphical(ControlKind k) {
  return k == ControlKind::Label || k == ControlKind::Image || k == ControlKind::Shape || k == ControlKind::Line;
}

bool isListWidget(ControlKind k) {
  return k == ControlKind::ListBox || k == ControlKind::DriveListBox || k == ControlKind::DirListBox ||
         k == ControlKind::FileListBox;
}

// Visible and enabled take the frames the control stands in into account.
bool shownWithFrames(const Control& c) {
  int depth = 0;
  for (const Control* p = &c; p != nullptr && depth < 32; p = p->container(), ++depth) {
    if (!p->visible()) return false;
  }
  return true;
}

bool enabledWithFrames(const Control& c) {
  int depth = 0;
  for (const Control* p = &c; p != nullptr && depth < 32; p = p->container(), ++depth) {
    if (!p->enabled()) return false;
  }
  return true;
}

Qt::PenStyle penStyle(int borderStyle) {
  switch (borderStyle) {
    case 0:
      return Qt::NoPen;
    case 2:
      return Qt::DashLine;
    case 3:
      return Qt::DotLine;
    case 4:
      return Qt::DashDotLine;
    case 5:
      return Qt::DashDotDotLine;
    default:
      return Qt::SolidLine;
  }
}

Qt::BrushStyle fillPattern(int fillStyle) {
  switch (fillStyle) {
    case 0:
      return Qt::SolidPattern;
    case 2:
      return Qt::HorPattern;
    case 3:
      return Qt::VerPattern;
    case 4:
      return Qt::BDiagPattern;
    case 5:
      return Qt::FDiagPattern;
    case 6:
      return Qt::CrossPattern;
    case 7:
      return Qt::DiagCrossPattern;
    default:
      return Qt::NoBrush;
  }
}

}  // namespace kervale::ui
