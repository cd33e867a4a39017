#pragma once
// How the window and its controls look and read: the fixed client area, the
// icon, fonts, colours, and what a screen reader says for each control, all
// taken from the control table.

#include "ui/control_table.h"

class QWidget;

namespace ui {

// The client area the table was drawn for; the user can neither resize nor
// maximise it, since nothing would move into the extra room.
void styleWindow(QWidget& window);

// A label's font from the table, and what a screen reader says for the
// control; nothing here measures a font.
void styleControl(QWidget& control, const ControlRow& row);

// Once every control has its place, size and caption: each font is made to
// fit its box, and the labels two lines high wrap. Measuring loads the
// fonts, which nothing needs before the window first draws.
void fitControls(const QWidget& window);

// The table's text colours, kept readable on the window's palette; again
// whenever that palette changes.
void colourControls(const QWidget& window);

// Once every control exists: each label becomes the buddy of the field it
// names, so a screen reader calls the field by the label's caption.
void linkLabelsToFields(const QWidget& window);

}  // namespace ui
