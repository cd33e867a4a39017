#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QTest>

namespace ui::testing {

void WindowTest::SetUp()
{
    window = std::make_unique<CalculatorWindow>(locale_);
    window->show();
    activate();
    closer_.setInterval(5);
    QObject::connect(&closer_, &QTimer::timeout, [this] { closeWhatIsOpen(); });
    closer_.start();
}

void WindowTest::TearDown()
{
    closer_.stop();
    for (const SeenBox& box : boxes_)
        ADD_FAILURE() << "unexpected message box: " << box.text.toStdString();
    window.reset();
}

void WindowTest::closeWhatIsOpen()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    QString text = box->text();
    if (!box->informativeText().isEmpty()) text += "\n" + box->informativeText();
    boxes_.push_back({text, box->windowTitle(), box->icon(), static_cast<int>(box->buttons().size())});
    if (whileBoxOpen_) std::exchange(whileBoxOpen_, {})();
    box->buttons().front()->click();
}

void WindowTest::activate()
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

QString WindowTest::text(const char* name) const
{
    return control<QLineEdit>(name)->text();
}

QString WindowTest::focused() const
{
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

void WindowTest::typeInto(const char* name, const QString& text)
{
    auto* field = control<QLineEdit>(name);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void WindowTest::typeEntries(std::initializer_list<std::pair<const char*, const char*>> entries)
{
    for (const auto& [name, value] : entries)
        typeInto(name, value);
}

void WindowTest::typeFirstExample()
{
    typeEntries({{"cyls", "8"},
                 {"bore", "4.030"},
                 {"stroke", "3.480"},
                 {"chamb", "64"},
                 {"dome", "-5"},
                 {"deck", "0.015"},
                 {"gasketvol", "9.2"}});
}

void WindowTest::typeGasketExample()
{
    typeEntries({{"cyls", "8"},
                 {"bore", "4"},
                 {"stroke", "3"},
                 {"chamb", "60"},
                 {"dome", "0"},
                 {"deck", "0"},
                 {"gasketvol", "100"},
                 {"gasketbore", "4.1"},
                 {"compthick", "0.04"}});
}

void WindowTest::click(const char* name)
{
    QWidget* widget = control(name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void WindowTest::pressTab(bool backwards)
{
    QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
}

void WindowTest::pressReturn(bool keypadEnter)
{
    QTest::keyClick(QApplication::focusWidget(), keypadEnter ? Qt::Key_Enter : Qt::Key_Return,
                    keypadEnter ? Qt::KeypadModifier : Qt::NoModifier);
}

bool WindowTest::solveIn(const char* name, const std::function<void(QDialog&)>& answer)
{
    return answerDialog(
        [&] {
            QTest::mouseClick(control(name), Qt::LeftButton);
            QTest::keyClick(control(name), Qt::Key_T, Qt::ControlModifier);
        },
        answer);
}

bool WindowTest::answerDialog(const std::function<void()>& open, const std::function<void(QDialog&)>& answer)
{
    QTimer answerer;
    answerer.setInterval(5);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        answerer.stop();
        answer(*dialog);
    });
    answerer.start();
    open();
    return !answerer.isActive();
}

std::vector<SeenBox> WindowTest::takeBoxes(int waitMs)
{
    if (waitMs > 0) (void)QTest::qWaitFor([this] { return !boxes_.empty(); }, waitMs);
    return std::exchange(boxes_, {});
}

} // namespace ui::testing
