#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "ui/control.h"
#include "ui/types.h"

// Conversions between the control model and Qt, shared by the backend's files.
namespace kervale::ui {

QString qs(std::string_view s);
// Char 13, alone or followed by a line feed, breaks a line.
QString withLineBreaks(std::string_view s);
// A multi-line text box holds CR LF line ends.
std::string withCrLf(const QString& s);
int px(int twips);
QColor qcolour(Colour c);
// The Qt font of a model font; looked up once per distinct font.
QFont qfont(const Font& f);
// Text colours are left alone in the disabled group, so a disabled control
// still looks disabled.
void setForeground(QWidget* w, QPalette::ColorRole role, const QColor& c);
void setBackground(QWidget* w, QPalette::ColorRole role, const QColor& c);
Qt::Alignment horizontal(Alignment a);
int mouseButtons(Qt::MouseButtons b);
int shiftState(Qt::KeyboardModifiers m);
// Labels, images, shapes and lines sit below the other controls.
bool isGraphical(ControlKind k);
bool isListWidget(ControlKind k);
// Visible and enabled take the frames the control stands in into account.
bool shownWithFrames(const Control& c);
bool enabledWithFrames(const Control& c);
Qt::PenStyle penStyle(int borderStyle);
Qt::BrushStyle fillPattern(int fillStyle);

}  // namespace kervale::ui
