#include "ui/solve_dialog.h"

#include "ui/translated.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

SolveDialog::SolveDialog(const form::RatioSolver& solver, const QString& caption, const QString& ratio, QWidget* parent)
    : QDialog(parent), solver_(solver)
{
    setWindowTitle(tr("Solve for a Ratio"));
    auto* question = new QLabel(tr("Change “%1” to give a compression ratio of").arg(caption));
    ratio_ = new QLineEdit(ratio);
    ratio_->selectAll();
    ratio_->setFocus();
    question->setBuddy(ratio_);
    outcome_ = new QLabel;
    outcome_->setWordWrap(true);
    // Room for the longest sentence, so the dialog does not jump while typing.
    outcome_->setMinimumSize(fontMetrics().averageCharWidth() * 50, fontMetrics().lineSpacing() * 3);
    outcome_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ratio_, &QLineEdit::textChanged, this, &SolveDialog::showSolution);

    auto* wanted = new QHBoxLayout;
    wanted->addWidget(ratio_);
    wanted->addWidget(new QLabel(tr(": 1")));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(wanted);
    layout->addWidget(outcome_);
    layout->addWidget(buttons);
    showSolution();
}

QString SolveDialog::wantedRatio() const
{
    return ratio_->text();
}

void SolveDialog::showSolution()
{
    const form::Solution solution = solver_.solve(ratio_->text().toStdString());
    ok_->setEnabled(!solution.figure.empty());
    if (solution.figure.empty()) {
        outcome_->setText(endedOnce(aboutField(solution.refusal.field, translated(solution.refusal.why))));
        return;
    }
    QString outcome = translated(solution.change);
    if (!solution.quench.empty()) outcome += '\n' + translated(solution.quench);
    outcome_->setText(endedOnce(outcome));
}

} // namespace ui
