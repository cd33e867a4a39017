#pragma once
// A text field for a figure, which reads from its first digit.

#include <QLineEdit>

namespace ui {

class FigureField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    // Selects the whole figure for overtyping, the view at its first digit.
    void selectFigure();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace ui
