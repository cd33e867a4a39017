#include "ui/calculator_window.h"

#include "form/out_of_date.h"
#include "form/solve.h"
#include "numeric/runtime_error.h"
#include "ui/control_style.h"
#include "ui/control_table.h"
#include "ui/figure_field.h"
#include "ui/figure_label.h"
#include "ui/ratio_announcer.h"
#include "ui/solve_dialog.h"
#include "ui/translated.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

numeric::NumberLocale numberLocale(const QLocale& locale)
{
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QRect pixels(const ControlRow& row)
{
    return {twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width), twipsToPixels(row.height)};
}

QWidget* createControl(const ControlRow& row, QWidget* parent)
{
    const QString caption = translatedCaption(row.caption);
    // The labels without a caption show the figures the procedures write.
    switch (row.kind) {
    case ControlKind::TextField: return new FigureField(parent);
    case ControlKind::Label: return caption.isEmpty() ? new FigureLabel(parent) : new QLabel(caption, parent);
    case ControlKind::Button: return new QPushButton(caption, parent);
    case ControlKind::OptionButton: return new QRadioButton(caption, parent);
    case ControlKind::CheckBox: return new QCheckBox(caption, parent);
    }
    return nullptr;
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
    case Qt::OtherFocusReason: return true;
    default: return false;
    }
}

}  // namespace

CalculatorWindow::CalculatorWindow(const QLocale& locale, QWidget* parent)
    : QWidget(parent), form_(*this, numberLocale(locale))
{
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    setLocale(locale);  // the result labels round figures with its decimal point
    styleWindow(*this);
    buildControls();
    bindEvents();
    run(&form::Calculator::start);
    field(form::Field::cylinders)->setFocus();
}

// The window goes up on the screen first; its fonts are measured before it
// first draws, which comes from the event loop. Measured before, they held
// the window back by about 5 ms.
void CalculatorWindow::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible && !std::exchange(fitted_, true)) fitControls(*this);
}

void CalculatorWindow::buildControls()
{
    for (const ControlRow& row : kControls) {
        QWidget* widget = createControl(row, this);
        widget->setObjectName(QString::fromUtf8(row.name));
        widget->setGeometry(pixels(row));
        styleControl(*widget, row);
        if (row.kind != ControlKind::Label && row.kind != ControlKind::OptionButton) focusStops_.push_back(widget);
    }
    // The option group is one stop, after print.
    focusStops_.push_back(option(form::Option::inches));
    linkLabelsToFields(*this);
    colourControls(*this);

    control("Label10")->setToolTip(translatedCaption(kDeadAreaToolTip));
    for (const form::Result result : {form::Result::ratio, form::Result::capacity})
        figureLabel(result)->offerCopy();
    announcer_ = new RatioAnnouncer(this);
    announcer_->setGeometry(figureLabel(form::Result::ratio)->geometry());
    deadArea_ = findChild<QCheckBox*>(QStringLiteral("usetopland"));
    deadArea_->setTristate(false);
    offerSolving();
}

// Each field that can be solved for a ratio has its own action, so that
// Ctrl+T solves the field it is pressed in. The ratio's menu offers them all,
// by their results.
void CalculatorWindow::offerSolving()
{
    FigureLabel* ratio = figureLabel(form::Result::ratio);
    auto* fromRatio = new QMenu(tr("Solve for a Ratio"), ratio);
    ratio->addAction(fromRatio->menuAction());
    for (const form::Field which : form::allFields) {
        if (!form::solvesForRatio(which)) continue;
        auto* solve = new QAction(tr("Solve for a Ratio…"), this);
        solve->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
        solve->setShortcutContext(Qt::WidgetShortcut);
        connect(solve, &QAction::triggered, this, [this, which] { solveIn(which); });
        auto* edit = static_cast<FigureField*>(field(which));
        edit->offerFirst(solve);
        // The shortcut as the desktop's language writes it ("Strg+T" in German),
        // and the menu entry as the menu shows it.
        edit->setToolTip(tr("%1, or %2 in the right-click menu, finds the figure for this field that gives the "
                            "compression ratio you want.",
                            "the shortcut, then the menu entry")
                             .arg(solve->shortcut().toString(QKeySequence::NativeText), solve->text()));
        const QString caption = translatedCaption(captionNaming(form::nameOf(which)));
        fromRatio->addAction(tr("%1…", "a field's caption, in a menu item that opens a dialog").arg(caption), this,
                             [this, which] { solveIn(which); });
    }
}

// As Ctrl+T in the field: the focus goes there first, so that the field it
// leaves runs its procedure; a box that this opens takes the choice.
void CalculatorWindow::solveIn(form::Field which)
{
    const int boxesBefore = boxesShown_;
    field(which)->setFocus(Qt::OtherFocusReason);
    if (boxesShown_ == boxesBefore) run([this, which] { form_.solveForRatio(which); }, true);
}

void CalculatorWindow::bindEvents()
{
    const auto onClick = [this](std::string_view name, Procedure procedure) {
        connect(findChild<QPushButton*>(QString::fromUtf8(name)), &QPushButton::clicked, this, [this, procedure] { run(procedure); });
    };
    onClick("calc", &form::Calculator::calculate);
    onClick("clear", &form::Calculator::clear);
    onClick("print", &form::Calculator::print);
    connect(&printer_, &WindowPrinter::told, this, &CalculatorWindow::tellPrintNews);

    // toggled(true) comes both from the user's click and from a procedure
    // selecting the button, so either way its Click procedure runs.
    const auto onSelect = [this](form::Option which, Procedure procedure) {
        connect(option(which), &QRadioButton::toggled, this, [this, procedure](bool on) {
            if (on) run(procedure);
        });
    };
    onSelect(form::Option::inches, &form::Calculator::inchesChosen);
    onSelect(form::Option::mm, &form::Calculator::mmChosen);

    leaveProcedures_ = {
        {field(form::Field::cylinders), &form::Calculator::leftCylinders},
        {field(form::Field::bore), &form::Calculator::leftBore},
        {field(form::Field::stroke), &form::Calculator::leftStroke},
        {field(form::Field::gasketBore), &form::Calculator::leftGasketBore},
        {field(form::Field::gasketThickness), &form::Calculator::leftGasketThickness},
        {field(form::Field::gasketVolume), &form::Calculator::leftGasketVolume},
    };
    for (const auto& [watched, procedure] : leaveProcedures_) watched->installEventFilter(this);

    // Whatever a result was worked out from may change under it.
    for (const form::Field which : form::allFields)
        connect(field(which), &QLineEdit::textChanged, this, &CalculatorWindow::markOutOfDateResults);
    for (QAbstractButton* choice : {static_cast<QAbstractButton*>(option(form::Option::inches)),
                                    static_cast<QAbstractButton*>(option(form::Option::mm)),
                                    static_cast<QAbstractButton*>(deadArea_)})
        connect(choice, &QAbstractButton::toggled, this, &CalculatorWindow::markOutOfDateResults);
    for (QWidget* stop : focusStops_)
        if (qobject_cast<QAbstractButton*>(stop)) stop->installEventFilter(this);
    option(form::Option::mm)->installEventFilter(this);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && leaveProcedures_.contains(watched)) {
        // Qt has already moved its focus widget when the field hears of it.
        leave(watched, QApplication::focusWidget(), static_cast<QFocusEvent*>(event)->reason());
    } else if (event->type() == QEvent::MouseButtonPress && watched == spentPress_) {
        // The user answered a box since pressing; a button kept down by this
        // press would stay drawn sunken, waiting for a release that went to
        // the box.
        spentPress_ = nullptr;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::leave(QObject* field, const QWidget* next, Qt::FocusReason reason)
{
    const bool toThisWindow = next && next != field && next->window() == this;
    if (!toThisWindow || !movedByUserOrProcedure(reason)) return;
    const int boxesBefore = boxesShown_;
    run(leaveProcedures_.at(field));
    // Qt hands the press that moved the focus to the button only once the
    // box is closed.
    const bool boxOpened = boxesShown_ != boxesBefore;
    spentPress_ =
        boxOpened && reason == Qt::MouseFocusReason && qobject_cast<const QAbstractButton*>(next) ? next : nullptr;
}

// Return and keypad Enter do what every desktop program does with them: on a
// button they press it, in a field they calculate.
void CalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat();
    QWidget* focus = focusWidget();
    if (auto* button = qobject_cast<QPushButton*>(focus); enter && button)
        button->click();
    else if (auto* figure = dynamic_cast<FigureField*>(focus); enter && figure)
        calculateFromField(*figure);
    else
        QWidget::keyPressEvent(event);
}

// As a click on Calculate would: the field is left first, so that its
// procedure runs, and a box that this opens takes the click. Then the user
// is back where he was typing, the figure selected for the next try; a box
// sends the focus where it asks for a correction instead.
void CalculatorWindow::calculateFromField(FigureField& from)
{
    auto* calc = static_cast<QPushButton*>(control("calc"));
    const int boxesBefore = boxesShown_;
    calc->setFocus(Qt::OtherFocusReason);
    if (boxesShown_ == boxesBefore) calc->click();
    if (boxesShown_ != boxesBefore) return;
    from.setFocus(Qt::OtherFocusReason);
    from.selectFigure();
}

// The desktop's palette may change while the calculator runs, from light to
// dark or back.
void CalculatorWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        colourControls(*this);
        markOutOfDateResults();
    }
    QWidget::changeEvent(event);
}

// Tab and Shift+Tab follow the table's order and stop once on the option
// group, at its selected button; Qt's own order could stop on either button.
bool CalculatorWindow::focusNextPrevChild(bool next)
{
    const auto isOption = [](const QWidget* widget) { return qobject_cast<const QRadioButton*>(widget) != nullptr; };
    QWidget* current = focusWidget();
    if (isOption(current)) current = option(form::Option::inches);
    const auto at = std::find(focusStops_.begin(), focusStops_.end(), current);
    if (at == focusStops_.end()) return QWidget::focusNextPrevChild(next);

    const auto count = static_cast<std::ptrdiff_t>(focusStops_.size());
    const auto index = ((at - focusStops_.begin()) + (next ? 1 : count - 1)) % count;
    QWidget* target = focusStops_[static_cast<std::size_t>(index)];
    if (isOption(target) && isSelected(form::Option::mm)) target = option(form::Option::mm);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void CalculatorWindow::run(Procedure procedure)
{
    run([this, procedure] { (form_.*procedure)(); }, procedure == &form::Calculator::calculate);
}

// Every event enters the procedures here. While a procedure's message box is
// open, nothing else may start one.
void CalculatorWindow::run(const std::function<void()>& procedure, bool blamedFieldTakesFocus)
{
    if (messageOpen_) return;
    try {
        procedure();
    } catch (const numeric::RuntimeError& error) {
        report(error);
        // The field to correct takes the focus, ready to retype. Only after
        // Calculate and solving for a ratio: after a leave procedure the user
        // has already put the focus somewhere, and moving it would run leave
        // procedures again.
        if (blamedFieldTakesFocus && !error.field().empty()) {
            auto* blamed = findChild<QLineEdit*>(QString::fromStdString(error.field()), Qt::FindDirectChildrenOnly);
            if (blamed) {
                blamed->setFocus(Qt::OtherFocusReason);
                blamed->selectAll();
            }
        }
    } catch (const std::bad_alloc&) {
        // Out of memory is a failed step like any other: the entries stay.
        report(numeric::RuntimeError(numeric::ErrorKind::OutOfMemory,
                                     USER_TEXT("ui::CalculatorWindow", "There is not enough memory to finish. Every "
                                                                  "entry is as you left it.")));
    } catch (const std::exception& error) {
        report(numeric::RuntimeError(numeric::ErrorKind::Unexpected, std::string(error.what())));
    }
}

// One box: the kind of error, then what went wrong in plain words, naming
// the field by its label as the window shows it.
void CalculatorWindow::report(const numeric::RuntimeError& error)
{
    QMessageBox box(QMessageBox::Critical, windowTitle(), translated(numeric::describe(error.kind())),
                    QMessageBox::Ok, this);
    box.setInformativeText(aboutField(error.field(), translated(error.message())));
    execModal(box);
}

void CalculatorWindow::showMessage(numeric::Text text)
{
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), translated(text), QMessageBox::Ok, this);
    execModal(box);
}

std::optional<std::string> CalculatorWindow::askWantedRatio(const form::RatioSolver& solver)
{
    const QString caption = translatedCaption(captionNaming(form::nameOf(solver.field())));
    SolveDialog dialog(solver, caption, figureLabel(form::Result::ratio)->text(), this);
    execModal(dialog);
    if (dialog.result() != QDialog::Accepted) return {};
    return dialog.wantedRatio().toStdString();
}

void CalculatorWindow::execModal(QDialog& box)
{
    const bool wasOpen = std::exchange(messageOpen_, true);
    ++boxesShown_;
    box.exec();
    messageOpen_ = wasOpen;
    if (!messageOpen_ && !untoldNews_.empty())
        QMetaObject::invokeMethod(this, [this] {
            if (untoldNews_.empty()) return;
            const PrintNews news = untoldNews_.front();
            untoldNews_.pop_front();
            tellPrintNews(news);
        }, Qt::QueuedConnection);
}

void CalculatorWindow::printImage()
{
    printer_.print();
}

// News of a page comes whenever the server has it, maybe while the user is
// answering another box: it waits its turn.
void CalculatorWindow::tellPrintNews(const PrintNews& news)
{
    if (messageOpen_) {
        untoldNews_.push_back(news);
        return;
    }
    if (news.kind == PrintNews::Kind::Failed) {
        report(numeric::RuntimeError(numeric::ErrorKind::PrinterError, news.text));
        return;
    }
    const QString headline = news.kind == PrintNews::Kind::Paused ? tr("Printer paused") : tr("Page waiting");
    QMessageBox box(QMessageBox::Information, windowTitle(), headline, QMessageBox::Ok, this);
    box.setInformativeText(translated(news.text));
    execModal(box);
}

std::string CalculatorWindow::text(form::Field which) const
{
    return field(which)->text().toStdString();
}

void CalculatorWindow::setText(form::Field which, const std::string& text)
{
    QLineEdit* edit = field(which);
    edit->setText(QString::fromStdString(text));
    // A filled-in gasket volume is longer than its field: show where it starts.
    edit->setCursorPosition(0);
}

// QLineEdit::setText would clear the field's undo history.
void CalculatorWindow::replaceText(form::Field which, const std::string& text)
{
    QLineEdit* edit = field(which);
    edit->selectAll();
    edit->insert(QString::fromStdString(text));
}

bool CalculatorWindow::isSelected(form::Option which) const
{
    return option(which)->isChecked();
}

void CalculatorWindow::setSelected(form::Option which, bool selected)
{
    QRadioButton* button = option(which);
    if (button->isChecked() == selected) return;
    // An exclusive group refuses to have its checked button unchecked.
    button->setAutoExclusive(selected);
    button->setChecked(selected);
    button->setAutoExclusive(true);
}

bool CalculatorWindow::deadAreaTicked() const
{
    return deadArea_->isChecked();
}

void CalculatorWindow::tickDeadArea(bool checked)
{
    deadArea_->setChecked(checked);
}

std::string CalculatorWindow::result(form::Result which) const
{
    return figureLabel(which)->text().toStdString();
}

void CalculatorWindow::setResult(form::Result which, const std::string& text)
{
    figureLabel(which)->setFigure(QString::fromStdString(text));
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
        figureLabel(result)->setOutOfDate(form::isOutOfDate(*this, result) ? sentence() : QString());
    };
    why(form::Result::ratio, [] {
        return tr("Out of date: press Calculate, or Return in a field, to work the ratio out from the entries shown.");
    });
    why(form::Result::capacity, [] {
        const auto named = [](form::Field which) { return translatedCaption(captionNaming(form::nameOf(which))); };
        return tr("Out of date: leave %1, %2 or %3 to work the capacity out from the entries shown.")
            .arg(named(form::Field::cylinders), named(form::Field::bore), named(form::Field::stroke));
    });
    // The ":1" beside the ratio belongs to it, and fades with it.
    QWidget* toOne = control("Label14");
    const QColor ratioColour = figureLabel(form::Result::ratio)->figureColour();
    if (toOne->palette().color(toOne->foregroundRole()) != ratioColour) {
        QPalette colours = toOne->palette();
        colours.setColor(toOne->foregroundRole(), ratioColour);
        toOne->setPalette(colours);
    }
}

void CalculatorWindow::moveFocus(form::Field which)
{
    QWidget* left = focusWidget();
    QLineEdit* target = field(which);
    target->setFocus(Qt::OtherFocusReason);
    // Right after a message box the window is not yet active again, and Qt
    // only notes the new focus without telling the field that loses it; its
    // leave procedure must run all the same.
    const auto leave = leaveProcedures_.find(left);
    if (!isActiveWindow() && left != target && leave != leaveProcedures_.end()) run(leave->second);
}

std::vector<form::Field> CalculatorWindow::textFields() const
{
    std::vector<form::Field> fields;
    for (const ControlRow& row : kControls) {
        if (row.kind != ControlKind::TextField) continue;
        const auto at = std::find_if(form::allFields.begin(), form::allFields.end(),
                                     [&](form::Field f) { return form::nameOf(f) == row.name; });
        fields.push_back(*at);
    }
    return fields;
}

QWidget* CalculatorWindow::control(std::string_view name) const
{
    return findChild<QWidget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

FigureLabel* CalculatorWindow::figureLabel(form::Result which) const
{
    return static_cast<FigureLabel*>(control(form::nameOf(which)));
}

QLineEdit* CalculatorWindow::field(form::Field which) const
{
    return static_cast<QLineEdit*>(control(form::nameOf(which)));
}

QRadioButton* CalculatorWindow::option(form::Option which) const
{
    return static_cast<QRadioButton*>(control(form::nameOf(which)));
}

}  // namespace ui
