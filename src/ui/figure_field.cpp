#include "ui/figure_field.h"

namespace ui {

// Tabbing in selects the whole figure for overtyping, and Qt would put the
// cursor at its end, scrolling a long figure to its tail: '42048344' of
// '8.6524042048344' reads as forty-two million. The same selection, held
// from the end back to the start, keeps the view at the first digit.
void FigureField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    const auto length = static_cast<int>(text().size());
    if (hasSelectedText() && selectedText().size() == length) setSelection(length, -length);
}

}  // namespace ui
