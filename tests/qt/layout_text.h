#pragma once

// Where and how the real window draws a control's text, for the layout check.
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "ui/control.h"

namespace kervale::test {

// The lines a widget shows and the width each may take.
struct TextRoom {
  QStringList lines;
  int room = 0;
};

// A label's text as the game wrote it: the window may show it shortened.
QStringList captionLines(const ui::Control& c);
TextRoom textRoom(const ui::Control& c, QWidget* w);

// Where a plain label draws its text, in its parent's coordinates, clipped to
// the label; empty when it draws none (or is no plain label).
QRect drawnText(QWidget* w);
// The rows of ink of a plain label's text (cap height to descent, line by
// line), in its parent's coordinates.
std::vector<QRect> inkRows(QWidget* w);
// The height a plain label's whole text needs at its width.
int neededHeight(QWidget* w);
// A point inside the text a widget shows, in its parent's coordinates; the
// widget's centre when it shows no text of its own.
QPoint textSpot(QWidget* w);

}  // namespace kervale::test
