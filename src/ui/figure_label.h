#pragma once
// A result label that never shows part of a figure: one wider than its box
// is painted rounded to the digits that fit, while its text, tool tip and
// accessible name stay the whole figure, and so does what Copy copies.

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QAction* copy_ = nullptr;
};

}  // namespace ui
