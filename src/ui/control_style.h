#pragma once
// The window built from the control table, and how it and its controls look
// and read: the fixed client area, the icon, fonts, colours, and what a
// screen reader says for each control.

#include "ui/control_table.h"

class QWidget;

namespace ui {

// The client area the table was drawn for; the user can neither resize nor
// maximise it, since nothing would move into the extra room.
void styleWindow(QWidget& window);

// Every control of the table on the window, in its place with its caption,
// font, colour and tool tip, each label the buddy of the field it names.
Controls makeControls(QWidget& window);

// Once every control has its place, size and caption: each font is made to
// fit its box, and the labels two lines high wrap. Measuring loads the
// fonts, which nothing needs before the window first draws.
void fitControls(const Controls& controls);

// The table's text colours, kept readable on the window's palette; again
// whenever that palette changes.
void colourControls(const QWidget& window, const Controls& controls);

} // namespace ui
