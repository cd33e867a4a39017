#pragma once
// A result label that never shows part of a figure: one wider than its box
// is painted rounded to the digits that fit, while its text, tool tip and
// accessible name stay the whole figure, and so does what Copy copies. A
// figure that no longer belongs to the entries beside it is drawn faded and
// says so.

#include "numeric/number_locale.h"

#include <QLabel>

#include <functional>
#include <optional>

class QAction;

namespace ui {

// The figure rounded to as many significant digits as fits, keeping its sign
// and exponent, written as the locale writes numbers; the exponent form takes
// over when not even the whole part fits. Text that fits, or that is no
// figure, comes back as it is.
QString roundedToFit(const QString& text, std::optional<double> figure, const numeric::NumberLocale& locale,
                     const std::function<bool(const QString&)>& fits);

class FigureLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    // What is painted.
    QString shownText() const;

    // The whole text, also in the tool tip, for a figure too long for its
    // box; figure is its value, when it is one.
    void setFigure(const QString& text, std::optional<double> figure = {});
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

    std::optional<double> figure_;
    QAction* copy_ = nullptr;
    QString outOfDate_;
    QString currentDescription_;
};

} // namespace ui
