#include "ui/figure_field.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>

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

void FigureField::focusOutEvent(QFocusEvent* event)
{
    emit left(event->reason()); // before Qt's own handling, which the procedure may see
    QLineEdit::focusOutEvent(event);
}

void FigureField::offerFirst(QAction* action)
{
    first_ = action;
    addAction(action);
}

void FigureField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (first_) {
        QAction* before = menu->actions().value(0);
        menu->insertAction(before, first_);
        menu->insertSeparator(before);
    }
    menu->popup(event->globalPos());
}

} // namespace ui
