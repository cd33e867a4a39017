#pragma once
// Asks for the compression ratio wanted and shows, as it is typed, the figure
// that would be written and the ratio it gives, or in plain words why there is
// none. The working out is all the form's RatioSolver; this only shows it.

#include "form/solve.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class SolveDialog : public QDialog {
    Q_OBJECT

public:
    // caption names the field to be changed as the window shows it; ratio is
    // the ratio now shown, offered for overtyping.
    SolveDialog(const form::RatioSolver& solver, const QString& caption, const QString& ratio, QWidget* parent);

    QString wantedRatio() const;

private:
    void showSolution();

    const form::RatioSolver& solver_;
    QLineEdit* ratio_ = nullptr;
    QLabel* outcome_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace ui
