#include "random_use_session.h"

#include "form/out_of_date.h"
#include "random_use_reference.h"
#include "ui/calculator_window.h"
#include "ui/figure_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <memory>
#include <optional>

namespace ui::random_use {

namespace {

using form::Field;

QString name(Field field)
{
    const std::string_view text = controlName(field);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString shown(const QString& text)
{
    if (text.size() <= 40) return '"' + text + '"';
    return QStringLiteral("\"%1…\" (%2 characters)").arg(text.left(16)).arg(text.size());
}

QString boxKind(const QString& text)
{
    for (const char* kind : {"Type mismatch", "Overflow", "Division by zero", "Printer error"})
        if (text.startsWith(QLatin1String(kind))) return QString::fromLatin1(kind);
    if (text == QLatin1String(form::kAllValuesMessage.source)) return QStringLiteral("All values must be entered");
    if (text == QLatin1String(form::kGasketMessage.source)) return QStringLiteral("gasket reminder");
    return "unexpected: " + shown(text);
}

class Session : public QObject {
public:
    Session(const Plan& plan, const RunOptions& options, Figures& figures);
    ~Session() override { QApplication::instance()->removeEventFilter(this); }
    void play(int number, const Action& action);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeDialogs();
    void perform(const Action& action);
    void typeInto(const Action& action);
    void typeInto(QLineEdit* into, const Action& action);
    QWidget* control(const QString& name) const;
    QLineEdit* field(Field which) const { return static_cast<QLineEdit*>(control(name(which))); }
    QPoint barePoint();
    bool reactivate();
    bool responds();
    void check(int number, const Action* action, const QString& focusBefore);
    void checkBoxes(int number, const QStringList& seen, const std::vector<ExpectedBox>& expected);
    void checkFocus(int number, const Action* action, const QString& focusBefore, bool boxShown);
    void report(int number, const QString& invariant, const QString& detail);
    void adoptWindowState();

    const RunOptions& options_;
    Figures& figures_;
    std::unique_ptr<CalculatorWindow> window_;
    std::unique_ptr<Reference> reference_;
    std::map<const QObject*, Field> fields_;
    QTimer closer_;
    QElapsedTimer boxWaiting_;
    QStringList boxesSeen_;
    std::optional<QPoint> barePoint_;
    int violationsBefore_ = 0;
    int printsThisAction_ = 0;
};

Session::Session(const Plan& plan, const RunOptions& options, Figures& figures) : options_(options), figures_(figures)
{
    const QLocale locale(plan.locale);
    window_ = std::make_unique<CalculatorWindow>(locale);
    reference_ =
        std::make_unique<Reference>(locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString());
    for (const Field which : form::allFields)
        fields_[field(which)] = which;

    // Connected after the window's own handlers, so each runs once the
    // window has done its part.
    const auto onClick = [this](const char* name, auto whenClicked) {
        connect(static_cast<QAbstractButton*>(control(QString::fromLatin1(name))), &QAbstractButton::clicked, this,
                whenClicked);
    };
    onClick("calc", [this] { reference_->calcClicked(); });
    onClick("clear", [this] { reference_->clearClicked(); });
    onClick("print", [this] {
        reference_->printClicked();
        ++printsThisAction_;
    });
    onClick("inches", [this] { reference_->optionClicked(form::Option::inches); });
    onClick("mm", [this] { reference_->optionClicked(form::Option::mm); });
    onClick("usetopland", [this] { reference_->topLandClicked(); });

    QApplication::instance()->installEventFilter(this);
    closer_.setInterval(1);
    connect(&closer_, &QTimer::timeout, this, [this] { closeDialogs(); });
    closer_.start();

    window_->show();
    if (!reactivate()) report(-1, "alive", "the window never became active");
    check(-1, nullptr, {});
}

// Leaving a field means the focus moves to another control of this window;
// a box, a context menu or another window taking it leaves nothing. Seen here
// before the window's own handler, so the reference runs on the same state.
bool Session::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto at = fields_.find(watched);
        const QWidget* next = QApplication::focusWidget();
        if (at != fields_.end() && next && next != watched && next->window() == window_.get()) {
            const auto to = fields_.find(next);
            reference_->left(at->second, to == fields_.end() ? std::nullopt : std::optional(to->second));
        }
    }
    return false;
}

// Closes what a user would close: a box once it has the focus (or has had
// time to get it), a popup at once.
void Session::closeDialogs()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        ++figures_.dialogsClosed;
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (auto* dialog = qobject_cast<QDialog*>(modal); !box && dialog && dialog->isVisible()) {
        // No procedure opens anything but a message box: report it, not hang on it.
        boxesSeen_ << "a dialog titled " + shown(dialog->windowTitle());
        ++figures_.dialogsClosed;
        dialog->reject();
        return;
    }
    if (!box || !box->isVisible()) {
        boxWaiting_.invalidate();
        return;
    }
    if (!boxWaiting_.isValid()) boxWaiting_.start();
    if (!box->isActiveWindow() && boxWaiting_.elapsed() < 50) return;
    boxWaiting_.invalidate();
    boxesSeen_ << box->text();
    ++figures_.dialogsClosed;
    box->buttons().front()->click();
}

void Session::play(int number, const Action& action)
{
    if (options_.trace) *options_.trace << number << ": " << describe(action) << Qt::endl;
    const QWidget* focus = QApplication::focusWidget();
    const QString focusBefore = focus ? focus->objectName() : QString();

    QElapsedTimer clock;
    clock.start();
    perform(action);
    QCoreApplication::processEvents();
    const bool active = reactivate();
    const qint64 ms = clock.elapsed();

    figures_.slowestActionMs = std::max(figures_.slowestActionMs, ms);
    if (printsThisAction_ > 0) {
        figures_.prints += std::exchange(printsThisAction_, 0);
        figures_.printMs += ms;
        figures_.slowestPrintMs = std::max(figures_.slowestPrintMs, ms);
    }
    ++figures_.actionsRun;
    if (!active) report(number, "alive", "the window could not be made active again");
    check(number, &action, focusBefore);
}

void Session::perform(const Action& action)
{
    QWidget* keyTarget = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
    switch (action.act) {
    case Act::Type:
    case Act::Paste:
        typeInto(action);
        return;
    case Act::TypeHere:
        if (fields_.count(keyTarget)) typeInto(static_cast<QLineEdit*>(keyTarget), action);
        return;
    case Act::Space:
        if (qobject_cast<QAbstractButton*>(keyTarget) && keyTarget->objectName() != "print")
            QTest::keyClick(keyTarget, Qt::Key_Space);
        return;
    case Act::Return:
        if (keyTarget->objectName() != "print") QTest::keyClick(keyTarget, Qt::Key_Return);
        return;
    case Act::OtherWindow: {
        QWidget other;
        other.setWindowTitle(QStringLiteral("Another program"));
        other.resize(200, 100);
        other.show();
        other.activateWindow();
        const QDeadlineTimer deadline(2000);
        while (!other.isActiveWindow() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return; // closed here; play() makes the calculator active again
    }
    case Act::Tab:
        QTest::keyClick(keyTarget, Qt::Key_Tab);
        return;
    case Act::Backtab:
        QTest::keyClick(keyTarget, Qt::Key_Backtab, Qt::ShiftModifier);
        return;
    case Act::Click:
        if (action.target.isEmpty()) {
            QTest::mouseClick(window_.get(), Qt::LeftButton, {}, barePoint());
            return;
        }
        [[fallthrough]];
    case Act::RightClick: {
        QWidget* target = control(action.target);
        const auto button = action.act == Act::Click ? Qt::LeftButton : Qt::RightButton;
        QTest::mouseClick(target, button, {}, target->rect().center());
        return;
    }
    }
}

// The keys go where the focus is after the click, as a user's would: that is
// the clicked field, or gasketbore when leaving gasketvol asked for it.
void Session::typeInto(const Action& action)
{
    QWidget* target = control(action.target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    reactivate();
    const auto at = fields_.find(QApplication::focusWidget());
    if (at != fields_.end()) typeInto(field(at->second), action); // else checkFocus reports it
}

void Session::typeInto(QLineEdit* into, const Action& action)
{
    QTest::keyClick(into, Qt::Key_A, Qt::ControlModifier);
    const QString& text = action.text;
    if (text.isEmpty()) {
        QTest::keyClick(into, Qt::Key_Delete);
    } else if (action.act == Act::Paste) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
    } else {
        // One key per character; a character off the keyboard's ASCII keys
        // arrives as the text of its key, as a national layout sends it.
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const char16_t unit = text.at(i).unicode();
            if (unit >= 0x20 && unit < 0x7f)
                QTest::keyClick(into, static_cast<char>(unit));
            else
                QTest::sendKeyEvent(QTest::Click, into, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
            i += length;
        }
    }
    reference_->typed(fields_.at(into), text.toStdString());
}

QWidget* Session::control(const QString& name) const
{
    return window_->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

QPoint Session::barePoint()
{
    for (int y = 2; !barePoint_ && y < window_->height(); y += 4)
        for (int x = 2; !barePoint_ && x < window_->width(); x += 4)
            if (!window_->childAt(x, y)) barePoint_ = QPoint(x, y);
    return barePoint_.value_or(QPoint(0, 0));
}

// After a box closes the offscreen platform leaves no window active; a user
// would click back into the calculator, which runs no procedure.
bool Session::reactivate()
{
    if (window_->isActiveWindow()) return true;
    window_->activateWindow();
    const QDeadlineTimer deadline(2000);
    while (!window_->isActiveWindow() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return window_->isActiveWindow();
}

bool Session::responds()
{
    bool answered = false;
    QMetaObject::invokeMethod(
        window_.get(), [&answered] { answered = true; }, Qt::QueuedConnection);
    const QDeadlineTimer deadline(5000);
    while (!answered && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return answered && window_->isVisible();
}

void Session::check(int number, const Action* action, const QString& focusBefore)
{
    const QStringList seen = std::exchange(boxesSeen_, {});
    for (const QString& text : seen) {
        ++figures_.boxes[boxKind(text)];
        if (options_.trace) *options_.trace << "   box: " << text << Qt::endl;
    }
    if (!responds()) report(number, "alive", "the window does not answer or is hidden");

    const form::testing::FakeForm& expected = reference_->view();
    for (const Field which : form::allFields) {
        const QString actual = field(which)->text();
        const QString wanted = QString::fromStdString(expected.text(which));
        if (actual != wanted)
            report(number, which == Field::gasketVolume ? "gasketvol" : "field text",
                   QStringLiteral("%1 holds %2, expected %3").arg(name(which), shown(actual), shown(wanted)));
    }
    for (const form::Result caption : {form::Result::ratio, form::Result::capacity, form::Result::capacityUnit}) {
        const std::string_view label = controlName(caption);
        const QString labelName = QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
        const QString actual = static_cast<QLabel*>(control(labelName))->text();
        const QString wanted = QString::fromStdString(expected.result(caption));
        if (actual != wanted)
            report(number, labelName, QStringLiteral("shows %1, expected %2").arg(shown(actual), shown(wanted)));
    }
    // Out of date exactly when the entries have moved on from what the reference last worked out.
    for (const form::Result caption : {form::Result::ratio, form::Result::capacity}) {
        const std::string_view label = controlName(caption);
        const auto* figure =
            static_cast<FigureLabel*>(control(QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()))));
        const bool wanted = form::isOutOfDate(expected, caption);
        figures_.outOfDateSeen += wanted;
        if (figure->isOutOfDate() != wanted)
            report(number, "out of date",
                   QStringLiteral("%1 %2 out of date")
                       .arg(QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size())),
                            wanted ? QStringLiteral("should be") : QStringLiteral("is not")));
    }
    const auto checked = [this](const char* name) {
        return static_cast<QAbstractButton*>(control(QString::fromLatin1(name)))->isChecked();
    };
    if (checked("inches") != expected.inches || checked("mm") != expected.mm ||
        checked("usetopland") != expected.deadArea)
        report(number, "options",
               QStringLiteral("inches %1 mm %2 usetopland %3, expected %4 %5 %6")
                   .arg(checked("inches"))
                   .arg(checked("mm"))
                   .arg(checked("usetopland"))
                   .arg(expected.inches)
                   .arg(expected.mm)
                   .arg(expected.deadArea));
    checkBoxes(number, seen, reference_->takeBoxes());
    checkFocus(number, action, focusBefore, !seen.isEmpty());

    figures_.ratiosChecked = reference_->ratios();
    figures_.capacitiesChecked = reference_->capacities();
    figures_.gasketVolumesChecked = reference_->gasketVolumes();
    // Each action is judged on its own: after a difference, what the window
    // shows becomes what is expected.
    if (figures_.violations != violationsBefore_) adoptWindowState();
    violationsBefore_ = figures_.violations;
}

void Session::checkBoxes(int number, const QStringList& seen, const std::vector<ExpectedBox>& expected)
{
    qsizetype next = 0;
    for (const ExpectedBox& box : expected) {
        const bool matches =
            next < seen.size() && (box.prefixOnly ? seen[next].startsWith(box.text) : seen[next] == box.text);
        if (matches) {
            ++next;
        } else if (!box.mayBeMissing) {
            report(number, "boxes",
                   QStringLiteral("expected the box %1, saw %2")
                       .arg(shown(box.text), next < seen.size() ? shown(seen[next]) : QStringLiteral("none")));
            return;
        }
    }
    if (next < seen.size()) report(number, "boxes", "unexpected box " + shown(seen[next]));
}

// The focus is where the user put it, or where a procedure sent it; Return
// in a field leaves it in the field, unless a box on the way took the click
// on Calculate.
void Session::checkFocus(int number, const Action* action, const QString& focusBefore, bool boxShown)
{
    const std::optional<Field> moved = reference_->takeFocusMove();
    if (!action) return;
    const QWidget* focus = QApplication::focusWidget();
    const QString actual = focus ? focus->objectName() : QStringLiteral("(nothing)");
    QString wanted;
    if (moved) {
        wanted = name(*moved);
    } else if (action->act == Act::Return && fields_.count(control(focusBefore))) {
        wanted = boxShown ? QStringLiteral("calc") : focusBefore;
    } else if (action->act != Act::Tab && action->act != Act::Backtab) {
        const QWidget* target = action->target.isEmpty() ? nullptr : control(action->target);
        wanted = target && (target->focusPolicy() & Qt::ClickFocus) ? action->target : focusBefore;
    }
    if (!wanted.isEmpty() && actual != wanted)
        report(number, "focus", QStringLiteral("the focus is on %1, expected %2").arg(actual, wanted));
}

void Session::report(int number, const QString& invariant, const QString& detail)
{
    ++figures_.violations;
    if (figures_.firstViolations.size() < kKeptViolations)
        figures_.firstViolations.push_back({number, invariant, detail});
    if (options_.trace) *options_.trace << "   VIOLATION " << invariant << ": " << detail << Qt::endl;
}

void Session::adoptWindowState()
{
    form::testing::FakeForm& view = reference_->adopt();
    for (const Field which : form::allFields)
        view.texts[which] = field(which)->text().toStdString();
    for (const form::Result caption : {form::Result::ratio, form::Result::capacity, form::Result::capacityUnit}) {
        const std::string_view label = controlName(caption);
        const auto* widget =
            static_cast<QLabel*>(control(QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()))));
        view.results[caption] = widget->text().toStdString();
    }
    view.inches = static_cast<QRadioButton*>(control("inches"))->isChecked();
    view.mm = static_cast<QRadioButton*>(control("mm"))->isChecked();
    view.deadArea = static_cast<QCheckBox*>(control("usetopland"))->isChecked();
}

} // namespace

Figures runActions(const Plan& plan, const std::vector<int>& numbers, const RunOptions& options)
{
    Figures figures;
    QElapsedTimer clock;
    clock.start();
    {
        Session session(plan, options, figures);
        for (const int number : numbers) {
            if (options.stopAtFirstViolation && figures.violations > 0) break;
            if (options.starting) options.starting(number);
            session.play(number, plan.actions.at(static_cast<std::size_t>(number)));
        }
    }
    figures.elapsedMs = clock.elapsed();
    return figures;
}

QJsonObject Figures::toJson() const
{
    QJsonObject byKind;
    for (const auto& [kind, count] : boxes)
        byKind[kind] = count;
    QJsonArray kept;
    for (const Violation& violation : firstViolations)
        kept.append(QJsonObject{
            {"action", violation.action}, {"invariant", violation.invariant}, {"detail", violation.detail}});
    return {{"actionsRun", actionsRun},
            {"dialogsClosed", dialogsClosed},
            {"boxes", byKind},
            {"ratiosChecked", ratiosChecked},
            {"capacitiesChecked", capacitiesChecked},
            {"gasketVolumesChecked", gasketVolumesChecked},
            {"outOfDateSeen", outOfDateSeen},
            {"prints", prints},
            {"slowestPrintMs", slowestPrintMs},
            {"printMs", printMs},
            {"slowestActionMs", slowestActionMs},
            {"elapsedMs", elapsedMs},
            {"violations", violations},
            {"firstViolations", kept}};
}

Figures Figures::fromJson(const QJsonObject& json)
{
    Figures figures;
    figures.actionsRun = json["actionsRun"].toInt();
    figures.dialogsClosed = json["dialogsClosed"].toInt();
    const QJsonObject byKind = json["boxes"].toObject();
    for (auto at = byKind.begin(); at != byKind.end(); ++at)
        figures.boxes[at.key()] = at.value().toInt();
    figures.ratiosChecked = json["ratiosChecked"].toInt();
    figures.capacitiesChecked = json["capacitiesChecked"].toInt();
    figures.gasketVolumesChecked = json["gasketVolumesChecked"].toInt();
    figures.outOfDateSeen = json["outOfDateSeen"].toInt();
    figures.prints = json["prints"].toInt();
    figures.slowestPrintMs = json["slowestPrintMs"].toInteger();
    figures.printMs = json["printMs"].toInteger();
    figures.slowestActionMs = json["slowestActionMs"].toInteger();
    figures.elapsedMs = json["elapsedMs"].toInteger();
    figures.violations = json["violations"].toInt();
    for (const QJsonValue& value : json["firstViolations"].toArray()) {
        const QJsonObject violation = value.toObject();
        figures.firstViolations.push_back(
            {violation["action"].toInt(), violation["invariant"].toString(), violation["detail"].toString()});
    }
    return figures;
}

} // namespace ui::random_use
