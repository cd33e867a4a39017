#include "ui/figure_field.h"

namespace ui {

// Qt would put the cursor at the end of a selected figure, scrolling a long
// one to its tail: '42048344' of '8.6524042048344' reads as forty-two million.
// The same selection, held from the end back to the start, keeps the view at
// the first digit.
void FigureField::selectFigure()
{
    const auto length = static_cast<int>(text().size());
    setSelection(length, -length);
}

// Tabbing in selects the whole figure for overtyping.
void FigureField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (hasSelectedText() && selectedText().size() == text().size()) selectFigure();
}

}  // namespace ui
