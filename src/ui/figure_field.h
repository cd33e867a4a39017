#pragma once
// A text field for a figure, which reads from its first digit.

#include <QLineEdit>

class QAction;

namespace ui {

class FigureField : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // Selects the whole figure for overtyping, the view at its first digit.
    void selectFigure();

    // An action of this field's own: its shortcut works while the field has
    // the focus, and it comes first in the context menu, before Qt's entries.
    void offerFirst(QAction* action);

signals:
    // The focus has gone from the field, for the reason given; Qt has
    // already moved it on.
    void left(Qt::FocusReason reason);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QAction* first_ = nullptr;
};

} // namespace ui
