#include "qt/layout_rules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineF>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <cmath>

#include "base/colour.h"
#include "qt/layout_text.h"
#include "ui/control.h"

namespace kervale::test {

using ui::ControlKind;

namespace {

// A marker (a selection, a group colour) must stand out from its face, a
// text from the colour it is drawn on.
constexpr double kMarkerContrast = 1.5;
constexpr double kTextContrast = 3.0;

std::string label(const ui::Control& c) {
  return c.index() >= 0 ? c.name() + "(" + std::to_string(c.index()) + ")" : c.name();
}

// Frames, pictures, shapes and captionless labels (colour bands) stand
// behind what they hold; pictures and bands may run past the window's edge.
bool holdsOthers(const ui::Control& c) {
  const ControlKind k = c.kind();
  return k == ControlKind::Frame || k == ControlKind::PictureBox || k == ControlKind::Image ||
         k == ControlKind::Shape || (k == ControlKind::Label && c.caption().empty());
}

bool isBackdrop(const ui::Control& c) { return c.kind() != ControlKind::Frame && holdsOthers(c); }

// A label with no text and no background draws nothing.
bool drawsNothing(const ui::Control& c) {
  return c.kind() == ControlKind::Label && c.caption().empty() && !c.state().opaque && c.state().borderStyle == 0;
}

// Whether a widget in front paints over a point of its parent: lines and
// labels draw only their strokes and their text.
bool paintsAt(QWidget* w, const QPoint& p) {
  if (w->testAttribute(Qt::WA_TransparentForMouseEvents)) return false;
  if (auto* scrolling = qobject_cast<QScrollArea*>(w); scrolling != nullptr && scrolling->widget() != nullptr) {
    QWidget* inner = scrolling->widget();
    return inner->autoFillBackground() || !qobject_cast<QLabel*>(inner)->text().isEmpty();
  }
  if (auto* l = qobject_cast<QLabel*>(w)) {
    return l->autoFillBackground() || !l->pixmap().isNull() || l->frameShape() != QFrame::NoFrame ||
           drawnText(w).contains(p);
  }
  return true;
}

std::string hex(const QColor& c) { return c.name().toStdString(); }

std::string ratio(double r) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f:1", r);
  return text;
}

// The segments a line or a bordered box draws, in the surface's coordinates.
std::vector<QLineF> strokes(const ui::Control& c, const QRect& box) {
  const ui::ControlState& s = c.state();
  if (c.kind() == ControlKind::Line) {
    auto px = [](int twips) { return std::lround(twips / static_cast<double>(ui::kTwipsPerPixel)); };
    return {QLineF(px(s.x1), px(s.y1), px(s.x2), px(s.y2))};
  }
  const bool boxy = s.shape != ui::ShapeType::Oval && s.shape != ui::ShapeType::Circle;
  if (c.kind() != ControlKind::Shape || s.borderStyle == 0 || !boxy) return {};
  const QRectF r = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
  return {QLineF(r.topLeft(), r.topRight()), QLineF(r.bottomLeft(), r.bottomRight()),
          QLineF(r.topLeft(), r.bottomLeft()), QLineF(r.topRight(), r.bottomRight())};
}

// Whether a segment passes through the inside of a rectangle.
bool crosses(const QLineF& line, const QRectF& inside) {
  if (inside.isEmpty()) return false;
  if (inside.contains(line.p1()) || inside.contains(line.p2())) return true;
  const QLineF edges[] = {{inside.topLeft(), inside.topRight()},
                          {inside.bottomLeft(), inside.bottomRight()},
                          {inside.topLeft(), inside.bottomLeft()},
                          {inside.topRight(), inside.bottomRight()}};
  for (const QLineF& edge : edges) {
    if (line.intersects(edge, nullptr) == QLineF::BoundedIntersection) return true;
  }
  return false;
}

}  // namespace

void LayoutCheck::check(const ui::Form& form) {
  QWidget* surface = qt_.surface(form);
  if (surface == nullptr) return;
  std::vector<Shown> shown;
  const QRect inside = surface->rect().adjusted(-1, -1, 1, 1);
  for (const ui::Control* c : form.controls()) {
    QWidget* w = qt_.widget(*c);
    if (w == nullptr || !w->isVisibleTo(qt_.window(form))) continue;
    const Shown s{c, w, w->geometry(), static_cast<int>(surface->children().indexOf(w)), drawnText(w), inkRows(w)};
    if (!inside.contains(s.box) && !isBackdrop(*c)) fail(*c, "inside", "lies outside the window");
    checkFits(s);
    checkShowsText(s);
    checkCutText(s);
    checkColours(s);
    checkMarkHeight(s);
    checkMiddle(s);
    shown.push_back(s);
  }
  checkColumns(shown);
  checkFillsScreen(form, shown);
  for (const Shown& s : shown) checkBacking(s, shown);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      checkOverlap(shown[i], shown[j]);
      checkTextsApart(shown[i], shown[j]);
    }
    for (const Shown& text : shown) {
      if (&text != &shown[i] && !lineClearOfText(shown[i], text)) break;
    }
  }
}

void LayoutCheck::fail(const ui::Control& c, const std::string& rule, const std::string& what) {
  if (allowed_.count(c.form().name() + " " + label(c) + " " + rule) != 0) return;
  if (allowed_.count(c.form().name() + " " + c.name() + " " + rule) != 0) return;  // a whole control array
  failures_.push_back(where_ + " " + label(c) + ": " + what);
}

// A text that does not fit is cut; a label may shorten it on purpose, with
// the whole text in its tip.
void LayoutCheck::checkFits(const Shown& s) {
  const ui::Control& c = *s.control;
  QWidget* w = s.widget;
  if (qobject_cast<QScrollArea*>(w) != nullptr && qobject_cast<QListWidget*>(w) == nullptr) return;  // scrolls
  const TextRoom r = textRoom(c, w);
  const QFontMetrics metrics = w->fontMetrics();
  const bool oneLinePerRow = qobject_cast<QListWidget*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr;
  if (!oneLinePerRow && w->height() >= (r.lines.size() + 1) * metrics.lineSpacing()) return;  // room to wrap
  const bool shortenedOnPurpose =
      c.state().elide && w->toolTip() == QString::fromStdString(c.caption()) && r.lines.size() == 1;
  if (shortenedOnPurpose) return;
  for (const QString& line : r.lines) {
    if (line.isEmpty()) continue;
    const int width = metrics.horizontalAdvance(line);
    if (width > r.room + 1) {
      fail(c, "fits",
           "\"" + line.toStdString() + "\" needs " + std::to_string(width) + " px of " + std::to_string(r.room));
    }
  }
}

// A text stacked under another control does not show.
void LayoutCheck::checkShowsText(const Shown& s) {
  const TextRoom r = textRoom(*s.control, s.widget);
  if (r.lines.join(QString()).trimmed().isEmpty() || qobject_cast<QListWidget*>(s.widget) != nullptr) return;
  const QPoint spot = textSpot(s.widget);
  const QObjectList& stack = s.widget->parentWidget()->children();
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    auto* w = qobject_cast<QWidget*>(*it);
    if (w == s.widget) return;
    if (w == nullptr || !w->isVisible() || !w->geometry().contains(spot) || !paintsAt(w, spot)) continue;
    fail(*s.control, "shows", "its text is hidden under " + w->objectName().toStdString());
    return;
  }
}

// Text of several lines taller than the room it shows in needs a scroll bar.
void LayoutCheck::checkCutText(const Shown& s) {
  const int needed = neededHeight(s.widget);
  const QFontMetrics m = s.widget->fontMetrics();
  if (needed <= m.lineSpacing() + 1) return;
  const QRect visible = s.box.intersected(s.widget->parentWidget()->rect());
  const int room = visible.height() - (s.widget->height() - qobject_cast<QLabel*>(s.widget)->contentsRect().height());
  if (needed <= room + 1) return;
  fail(*s.control, "cut",
       "its text needs " + std::to_string(needed) + " px of " + std::to_string(room) + " and has no scroll bar");
}

void LayoutCheck::checkColours(const Shown& s) {
  QWidget* w = s.widget;
  if (!w->isEnabled()) return;  // greyed on purpose
  const QPalette p = w->palette();
  auto tooClose = [&](const QColor& a, const QColor& b, double least, const std::string& what) {
    const double r = contrastRatio(rgbColour(a.red(), a.green(), a.blue()), rgbColour(b.red(), b.green(), b.blue()));
    if (r < least) fail(*s.control, "colours", what + " " + hex(a) + " on " + hex(b) + " reads at " + ratio(r));
  };
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    const QColor face = QApplication::palette(button).color(QPalette::Button);
    const QColor marker = p.color(QPalette::Button);
    if (marker != face) tooClose(marker, face, kMarkerContrast, "marker");
    if (!button->text().isEmpty()) tooClose(p.color(QPalette::ButtonText), marker, kTextContrast, "text");
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    if (list->currentRow() < 0) return;
    tooClose(p.color(QPalette::Highlight), p.color(QPalette::Base), kMarkerContrast, "selection");
    tooClose(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight), kTextContrast, "selected text");
  } else if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && l->autoFillBackground() && !s.text.isEmpty()) {
    tooClose(p.color(QPalette::WindowText), p.color(QPalette::Window), kTextContrast, "text");
  }
}

void LayoutCheck::checkOverlap(const Shown& a, const Shown& b) {
  if (a.control->kind() == ControlKind::Line || b.control->kind() == ControlKind::Line) return;
  if (drawsNothing(*a.control) || drawsNothing(*b.control)) return;
  const QRect both = a.box.intersected(b.box);
  if (both.width() <= 1 || both.height() <= 1) return;
  if (isBackdrop(*a.control) && isBackdrop(*b.control)) return;
  if (holdsOthers(*a.control) && a.box.contains(b.box)) return;
  if (holdsOthers(*b.control) && b.box.contains(a.box)) return;
  if (allowed_.count(a.control->form().name() + " " + label(*a.control) + " " + label(*b.control) + " overlap") != 0) {
    return;
  }
  fail(*a.control, "overlap",
       "overlaps " + label(*b.control) + " by " + std::to_string(both.width()) + " x " + std::to_string(both.height()) +
           " px");
}

// Two labels' texts on one line need at least a blank between them.
void LayoutCheck::checkTextsApart(const Shown& a, const Shown& b) {
  const QRect &ta = a.text, &tb = b.text;
  if (ta.isEmpty() || tb.isEmpty()) return;
  const int sharedHeight = std::min(ta.bottom(), tb.bottom()) - std::max(ta.top(), tb.top()) + 1;
  if (sharedHeight * 2 < std::min(ta.height(), tb.height())) return;  // different lines
  const int gap = std::max(ta.left(), tb.left()) - std::min(ta.right(), tb.right()) - 1;
  const int blank =
      std::min(a.widget->fontMetrics().horizontalAdvance(' '), b.widget->fontMetrics().horizontalAdvance(' '));
  if (gap >= blank) return;
  fail(*a.control, "apart",
       "its text " + std::string(gap < 0 ? "overlaps" : "runs into") + " the text of " + label(*b.control) + " (" +
           std::to_string(gap) + " px apart)");
}

// A line or a box's edge must pass between rows of text, not through one,
// unless the text stands in front of it on its own background.
bool LayoutCheck::lineClearOfText(const Shown& line, const Shown& text) {
  const std::vector<QLineF> segments = strokes(*line.control, line.box);
  if (segments.empty()) return true;
  const auto* l = qobject_cast<QLabel*>(text.widget);
  if (l != nullptr && l->autoFillBackground() && text.stack > line.stack) return true;
  for (const QRect& row : text.ink) {
    const QRectF inner = QRectF(row).adjusted(1, 0, -1, 0);
    for (const QLineF& segment : segments) {
      if (!crosses(segment, inner)) continue;
      fail(*line.control, "lines", "runs through the text of " + label(*text.control));
      return false;
    }
  }
  return true;
}

}  // namespace kervale::test
