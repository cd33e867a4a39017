#pragma once
// A result label that never shows part of a figure: one wider than its box
// is painted rounded to the digits that fit, while its text, tool tip and
// accessible name stay the whole figure, and so does what Copy copies. A
// figure that no longer belongs to the entries beside it is drawn faded and
// says so.

#include <QLabel>

#include <functional>

class QAction;

namespace ui {

// The figure rounded to as many significant digits as fits, keeping its sign
// and exponent; the exponent form takes over when not even the whole part
// fits. Text that fits, or is no figure, comes back as it is. The decimal
// separator is whatever stands between the digits, as the locale wrote it,
// or decimalPoint in a figure that had none.
QString roundedToFit(const QString& figure, const QString& decimalPoint,
                     const std::function<bool(const QString&)>& fits);

class FigureLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    // What is painted.
    QString shownText() const;

    // The whole figure, also in the tool tip, for a figure too long for its box.
    void setFigure(const QString& figure);
    // A context menu with Copy, for pasting the whole figure into a build
    // sheet. The label still never takes the focus.
    void offerCopy();

    // why, which begins "Out of date" and says what brings the figure up to
    // date, heads its tool tip and stands for its accessible description
    // while it is out of date; an empty why makes it current again.
    void setOutOfDate(const QString& why);
    bool isOutOfDate() const { return !outOfDate_.isEmpty(); }
    // What the figure is drawn in: the label's text colour, or a faded grey.
    QColor figureColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showToolTip();

    QAction* copy_ = nullptr;
    QString outOfDate_;
    QString currentDescription_;
};

}  // namespace ui
