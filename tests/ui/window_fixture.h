#pragma once
// A real calculator window driven with simulated keys and clicks. Every
// message box or popup that opens is recorded and closed; a test must take the
// boxes it expects, and any left over fails it, so nothing hangs on a dialog.

#include "ui/calculator_window.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace ui::testing {

struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    int buttons;
};

class WindowTest : public ::testing::Test {
protected:
    explicit WindowTest(QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates)) : locale_(std::move(locale))
    {
    }
    void SetUp() override;
    void TearDown() override;

    template <typename Widget = QWidget> Widget* control(const char* name) const
    {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) ADD_FAILURE() << "no control " << name;
        return widget;
    }
    QString text(const char* name) const;
    QString caption(const char* name) const { return control<QLabel>(name)->text(); }
    QString focused() const;

    // As a user would: click into the field, select what it holds, type.
    void typeInto(const char* name, const QString& text);
    // Types each entry into its field, in order.
    void typeEntries(std::initializer_list<std::pair<const char*, const char*>> entries);
    // The first worked example, inch units: Calculate shows 9.9417.
    void typeFirstExample();
    // An engine whose typed gasket volume, 100 cc, leaving compthick replaces
    // with the one its gasket bore and thickness give: Calculate shows 9.9969.
    void typeGasketExample();
    void click(const char* name);
    void pressTab(bool backwards = false);
    void pressReturn(bool keypadEnter = false);
    // The boxes seen since the last call, waiting up to waitMs for one.
    std::vector<SeenBox> takeBoxes(int waitMs = 0);
    // Clicks into the field and presses Ctrl+T; once the solve dialog is
    // open, answer has it. Says whether it opened.
    bool solveIn(const char* name, const std::function<void(QDialog&)>& answer);
    // The same, opening the dialog with open.
    bool answerDialog(const std::function<void()>& open, const std::function<void(QDialog&)>& answer);
    // Runs action once, while the next message box is still open.
    void whileNextBoxIsOpen(std::function<void()> action) { whileBoxOpen_ = std::move(action); }
    void activate();

    std::unique_ptr<CalculatorWindow> window;

private:
    void closeWhatIsOpen();

    QLocale locale_;
    QTimer closer_;
    std::vector<SeenBox> boxes_;
    std::function<void()> whileBoxOpen_;
};

} // namespace ui::testing
