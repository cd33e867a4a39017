#include "ui/calculator_window.h"

#include "form/out_of_date.h"
#include "form/solve.h"
#include "numeric/runtime_error.h"
#include "ui/control_style.h"
#include "ui/figure_field.h"
#include "ui/figure_label.h"
#include "ui/ratio_announcer.h"
#include "ui/solve_dialog.h"
#include "ui/translated.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <exception>
#include <new>
#include <utility>

namespace ui {

namespace {

using form::Calculator;

numeric::NumberLocale numberLocale(const QLocale& locale)
{
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

// The procedure that leaving a field runs, if any.
void (Calculator::*leaveProcedure(form::Field field))()
{
    switch (field) {
    case form::Field::cylinders:
        return &Calculator::leftCylinders;
    case form::Field::bore:
        return &Calculator::leftBore;
    case form::Field::stroke:
        return &Calculator::leftStroke;
    case form::Field::gasketBore:
        return &Calculator::leftGasketBore;
    case form::Field::gasketThickness:
        return &Calculator::leftGasketThickness;
    case form::Field::gasketVolume:
        return &Calculator::leftGasketVolume;
    default:
        return nullptr;
    }
}

// Focus moves that count as leaving a field for another control of this
// window. A window switch, a popup such as the context menu, or a message box
// opening takes the focus only for a while and runs nothing.
bool movedByUserOrProcedure(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

QString captionOfField(form::Field field)
{
    return translatedCaption(captionOf(field));
}

} // namespace

CalculatorWindow::CalculatorWindow(const QLocale& locale, QWidget* parent)
    : QWidget(parent), calculator_(*this, numberLocale(locale))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    setLocale(locale); // the result labels round figures with its decimal point
    styleWindow(*this);
    controls_ = makeControls(*this);
    controls_.deadArea->setTristate(false);
    for (const form::Result result : {form::Result::ratio, form::Result::capacity})
        controls_.result(result)->offerCopy();
    announcer_ = new RatioAnnouncer(this);
    announcer_->setGeometry(controls_.result(form::Result::ratio)->geometry());
    offerSolving();
    bindEvents();
    run(&Calculator::start);
    controls_.field(form::Field::cylinders)->setFocus();
}

// The controls go with the QWidget part of the window, after this part: what
// they signal as the window hides, such as a field losing the focus, must not
// reach it.
CalculatorWindow::~CalculatorWindow()
{
    for (QWidget* control : controls_.rows)
        control->disconnect(this);
}

// The window goes up on the screen first; its fonts are measured before it
// first draws, which comes from the event loop. Measured before, they held
// the window back by about 5 ms.
void CalculatorWindow::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible) fitControls(controls_);
}

// Each field that can be solved for a ratio has its own action, so that
// Ctrl+T solves the field it is pressed in. The ratio's menu offers them all,
// by their captions.
void CalculatorWindow::offerSolving()
{
    FigureLabel* ratio = controls_.result(form::Result::ratio);
    auto* fromRatio = new QMenu(tr("Solve for a Ratio"), ratio);
    ratio->addAction(fromRatio->menuAction());
    for (const form::Field which : form::allFields) {
        if (!form::solvesForRatio(which)) continue;
        auto* solve = new QAction(tr("Solve for a Ratio…"), this);
        solve->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
        solve->setShortcutContext(Qt::WidgetShortcut);
        connect(solve, &QAction::triggered, this, [this, which] { solveIn(which); });
        FigureField* field = controls_.field(which);
        field->offerFirst(solve);
        // The shortcut as the desktop's language writes it ("Strg+T" in German),
        // and the menu entry as the menu shows it.
        field->setToolTip(tr("%1, or %2 in the right-click menu, finds the figure for this field that gives the "
                             "compression ratio you want.",
                             "the shortcut, then the menu entry")
                              .arg(solve->shortcut().toString(QKeySequence::NativeText), solve->text()));
        fromRatio->addAction(
            tr("%1…", "a field's caption, in a menu item that opens a dialog").arg(captionOfField(which)), this,
            [this, which] { solveIn(which); });
    }
}

void CalculatorWindow::bindEvents()
{
    const auto onClick = [this](QPushButton* button, Procedure procedure) {
        connect(button, &QPushButton::clicked, this, [this, procedure] { run(procedure); });
    };
    onClick(controls_.calculate, &Calculator::calculate);
    onClick(controls_.clear, &Calculator::clear);
    onClick(controls_.print, &Calculator::print);
    connect(&printer_, &WindowPrinter::told, this, &CalculatorWindow::tellPrintNews);

    // toggled(true) comes both from the user's click and from a procedure
    // selecting the button, so either way its Click procedure runs.
    const auto onChoose = [this](form::Option which, Procedure procedure) {
        connect(controls_.option(which), &QRadioButton::toggled, this, [this, procedure](bool on) {
            if (on) run(procedure);
        });
    };
    onChoose(form::Option::inches, &Calculator::inchesChosen);
    onChoose(form::Option::mm, &Calculator::mmChosen);

    // Whatever a result was worked out from may change under it.
    for (const form::Field which : form::allFields) {
        FigureField* field = controls_.field(which);
        connect(field, &FigureField::left, this, [this, which](Qt::FocusReason reason) { fieldLeft(which, reason); });
        connect(field, &QLineEdit::textChanged, this, &CalculatorWindow::markOutOfDateResults);
    }
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             controls_.option(form::Option::inches), controls_.option(form::Option::mm), controls_.deadArea,
             controls_.calculate, controls_.clear, controls_.print}) {
        connect(button, &QAbstractButton::toggled, this, &CalculatorWindow::markOutOfDateResults);
        button->installEventFilter(this); // for a press that is spent
    }
}

// The user answered a box since pressing; a button kept down by this press
// would stay drawn sunken, waiting for a release that went to the box.
bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == spentPress_) {
        spentPress_ = nullptr;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Leaving a field for another control of this window runs its procedure.
void CalculatorWindow::fieldLeft(form::Field field, Qt::FocusReason reason)
{
    const Procedure procedure = leaveProcedure(field);
    const QWidget* next = QApplication::focusWidget(); // Qt has already moved the focus
    if (!procedure || !next || next->window() != this || !movedByUserOrProcedure(reason)) return;
    // Qt hands the press that moved the focus to a button only once the box
    // it opened is closed.
    const bool boxOpened = !quietly([&] { run(procedure); });
    spentPress_ =
        boxOpened && reason == Qt::MouseFocusReason && qobject_cast<const QAbstractButton*>(next) ? next : nullptr;
}

// Return and keypad Enter do what every desktop program does with them: on a
// button they press it, in a field they calculate.
void CalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat();
    QWidget* focus = focusWidget();
    const std::optional<form::Field> field = fieldOf(focus);
    if (auto* button = qobject_cast<QPushButton*>(focus); enter && button)
        button->click();
    else if (enter && field)
        calculateFromField(*field);
    else
        QWidget::keyPressEvent(event);
}

// Return in a field, as a click on Calculate from it would: the focus goes to
// Calculate, the field's procedure runs, then Calculate if that opened no
// box; then the user is back where he was typing, the figure selected for the
// next try. A box sends the focus where it asks for a correction instead.
void CalculatorWindow::calculateFromField(form::Field which)
{
    FigureField* field = controls_.field(which);
    {
        const QSignalBlocker leftBelow(field);
        controls_.calculate->setFocus(Qt::OtherFocusReason);
    }
    const Procedure leave = leaveProcedure(which);
    if (leave && !quietly([&] { run(leave); })) return;
    if (!quietly([&] { controls_.calculate->click(); })) return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectFigure();
}

// As Ctrl+T in the field: the focus goes there first, so that the field it
// leaves runs its procedure; a box that this opens takes the choice.
void CalculatorWindow::solveIn(form::Field which)
{
    if (quietly([&] { controls_.field(which)->setFocus(Qt::OtherFocusReason); }))
        run([this, which] { calculator_.solveForRatio(which); }, true);
}

// The desktop's palette may change while the calculator runs, from light to
// dark or back.
void CalculatorWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        colourControls(*this, controls_);
        markOutOfDateResults();
    }
    QWidget::changeEvent(event);
}

// The controls that Tab stops at, in the table's order; the option group is
// one stop, after print.
std::vector<QWidget*> CalculatorWindow::focusStops() const
{
    std::vector<QWidget*> stops;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlKind kind = kindOf(kControls[row]);
        if (kind != ControlKind::Label && kind != ControlKind::OptionButton) stops.push_back(controls_.rows[row]);
    }
    stops.push_back(controls_.option(form::Option::inches));
    return stops;
}

// Tab and Shift+Tab follow the table's order and stop once on the option
// group, at its selected button; Qt's own order could stop on either button.
bool CalculatorWindow::focusNextPrevChild(bool next)
{
    const std::vector<QWidget*> stops = focusStops();
    const auto isOption = [](const QWidget* widget) { return qobject_cast<const QRadioButton*>(widget) != nullptr; };
    QWidget* current = focusWidget();
    if (isOption(current)) current = controls_.option(form::Option::inches);
    const auto at = std::ranges::find(stops, current);
    if (at == stops.end()) return QWidget::focusNextPrevChild(next);

    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    const auto index = ((at - stops.begin()) + (next ? 1 : count - 1)) % count;
    QWidget* target = stops[static_cast<std::size_t>(index)];
    if (isOption(target) && isSelected(form::Option::mm)) target = controls_.option(form::Option::mm);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void CalculatorWindow::run(Procedure procedure)
{
    run([this, procedure] { (calculator_.*procedure)(); }, procedure == &Calculator::calculate);
}

// Every event enters the procedures here.
void CalculatorWindow::run(const std::function<void()>& procedure, bool blamedFieldTakesFocus)
{
    // Nothing starts while a box is open.
    if (QApplication::activeModalWidget()) return;
    try {
        procedure();
    } catch (const numeric::RuntimeError& error) {
        const std::optional<form::Field> blamed = form::fieldNamed(error.field());
        report(translated(numeric::describe(error.kind())), aboutField(blamed, translated(error.message())));
        // The field to correct takes the focus, ready to retype. Only after
        // Calculate and solving for a ratio: after a leave procedure the user
        // has already put the focus somewhere, and moving it would run leave
        // procedures again.
        if (blamedFieldTakesFocus && blamed) {
            controls_.field(*blamed)->setFocus(Qt::OtherFocusReason);
            controls_.field(*blamed)->selectAll();
        }
    } catch (const form::PrinterError& error) {
        report(tr("Printer error"), translated(error.detail));
    } catch (const std::bad_alloc&) {
        // Out of memory is a failed step like any other: the entries stay.
        report(tr("Out of memory"), tr("There is not enough memory to finish. Every entry is as you left it."));
    } catch (const std::exception& error) {
        report(tr("Unexpected error"), QString::fromLocal8Bit(error.what()));
    }
}

// Whether step ran without opening a box.
bool CalculatorWindow::quietly(const std::function<void()>& step)
{
    const int before = boxesOpened_;
    step();
    return boxesOpened_ == before;
}

// One box: the kind of failure, then what went wrong in plain words.
void CalculatorWindow::report(const QString& kind, const QString& detail)
{
    QMessageBox box(QMessageBox::Critical, windowTitle(), kind, QMessageBox::Ok, this);
    box.setInformativeText(detail);
    execModal(box);
}

void CalculatorWindow::showMessage(message::Text text)
{
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), translated(text), QMessageBox::Ok, this);
    execModal(box);
}

std::optional<std::string> CalculatorWindow::askWantedRatio(const form::RatioSolver& solver)
{
    SolveDialog dialog(solver, captionOfField(solver.field()), controls_.result(form::Result::ratio)->text(), this);
    execModal(dialog);
    if (dialog.result() != QDialog::Accepted) return {};
    return dialog.wantedRatio().toStdString();
}

void CalculatorWindow::execModal(QDialog& box)
{
    ++boxesOpened_;
    box.exec();
}

void CalculatorWindow::printImage()
{
    printer_.print();
}

// News of a page comes whenever the server has it, maybe while the user is
// answering another box: it waits for that box to close.
void CalculatorWindow::tellPrintNews(const PrintNews& news)
{
    if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        connect(
            open, &QDialog::finished, this, [this, news] { tellPrintNews(news); },
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
        return;
    }
    if (news.kind == PrintNews::Kind::Failed) {
        report(tr("Printer error"), translated(news.text));
        return;
    }
    const QString headline = news.kind == PrintNews::Kind::Paused ? tr("Printer paused") : tr("Page waiting");
    QMessageBox box(QMessageBox::Information, windowTitle(), headline, QMessageBox::Ok, this);
    box.setInformativeText(translated(news.text));
    execModal(box);
}

std::string CalculatorWindow::text(form::Field which) const
{
    return controls_.field(which)->text().toStdString();
}

void CalculatorWindow::setText(form::Field which, const std::string& text)
{
    FigureField* field = controls_.field(which);
    field->setText(QString::fromStdString(text));
    // A filled-in gasket volume is longer than its field: show where it starts.
    field->setCursorPosition(0);
}

// QLineEdit::setText would clear the field's undo history.
void CalculatorWindow::replaceText(form::Field which, const std::string& text)
{
    FigureField* field = controls_.field(which);
    field->selectAll();
    field->insert(QString::fromStdString(text));
}

bool CalculatorWindow::isSelected(form::Option which) const
{
    return controls_.option(which)->isChecked();
}

void CalculatorWindow::setSelected(form::Option which, bool selected)
{
    QRadioButton* button = controls_.option(which);
    if (button->isChecked() == selected) return;
    // An exclusive group refuses to have its checked button unchecked.
    button->setAutoExclusive(selected);
    button->setChecked(selected);
    button->setAutoExclusive(true);
}

bool CalculatorWindow::deadAreaTicked() const
{
    return controls_.deadArea->isChecked();
}

void CalculatorWindow::tickDeadArea(bool ticked)
{
    controls_.deadArea->setChecked(ticked);
}

std::string CalculatorWindow::result(form::Result which) const
{
    return controls_.result(which)->text().toStdString();
}

void CalculatorWindow::setResult(form::Result which, const std::string& text, std::optional<double> figure)
{
    controls_.result(which)->setFigure(QString::fromStdString(text), figure);
    // Only Calculate writes a ratio, and only once every step has worked.
    if (which == form::Result::ratio && !text.empty()) announcer_->announce(QString::fromStdString(text));
    markOutOfDateResults();
}

void CalculatorWindow::keepBasis(form::Result result, form::Basis basis)
{
    resultBases_[result] = std::move(basis);
    markOutOfDateResults();
}

form::Basis CalculatorWindow::keptBasis(form::Result result) const
{
    const auto kept = resultBases_.find(result);
    return kept == resultBases_.end() ? form::Basis() : kept->second;
}

// Drawn faded and saying so, never emptied or recomputed: the user decides
// when to bring a figure up to date.
void CalculatorWindow::markOutOfDateResults()
{
    const auto why = [this](form::Result result, const auto& sentence) {
        controls_.result(result)->setOutOfDate(form::isOutOfDate(*this, result) ? sentence() : QString());
    };
    why(form::Result::ratio, [] {
        return tr("Out of date: press Calculate, or Return in a field, to work the ratio out from the entries shown.");
    });
    why(form::Result::capacity, [] {
        return tr("Out of date: leave %1, %2 or %3 to work the capacity out from the entries shown.")
            .arg(captionOfField(form::Field::cylinders), captionOfField(form::Field::bore),
                 captionOfField(form::Field::stroke));
    });
    // The ":1" beside the ratio belongs to it, and fades with it.
    QLabel* toOne = controls_.toOne;
    const QColor ratioColour = controls_.result(form::Result::ratio)->figureColour();
    if (toOne->palette().color(toOne->foregroundRole()) != ratioColour) {
        QPalette colours = toOne->palette();
        colours.setColor(toOne->foregroundRole(), ratioColour);
        toOne->setPalette(colours);
    }
}

void CalculatorWindow::moveFocus(form::Field which)
{
    QWidget* left = focusWidget();
    FigureField* target = controls_.field(which);
    target->setFocus(Qt::OtherFocusReason);
    // Right after a message box the window is not yet active again, and Qt
    // only notes the new focus without telling the field that loses it; its
    // leave procedure must run all the same.
    const std::optional<form::Field> leftField = fieldOf(left);
    if (!isActiveWindow() && left != target && leftField)
        if (const Procedure leave = leaveProcedure(*leftField)) run(leave);
}

std::optional<form::Field> CalculatorWindow::fieldOf(const QWidget* widget) const
{
    for (const form::Field field : form::allFields)
        if (controls_.field(field) == widget) return field;
    return std::nullopt;
}

std::vector<form::Field> CalculatorWindow::textFields() const
{
    std::vector<form::Field> fields;
    for (const ControlRow& row : kControls)
        if (const auto* field = std::get_if<form::Field>(&row.role)) fields.push_back(*field);
    return fields;
}

} // namespace ui
