#include "window_fixture.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace ui::testing {
namespace {

class Keyboard : public WindowTest {
protected:
    void pressReturn(bool keypad = false)
    {
        QTest::keyClick(QApplication::focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                        keypad ? Qt::KeypadModifier : Qt::NoModifier);
    }
};

TEST_F(Keyboard, return_and_keypad_enter_press_the_focused_button)
{
    for (const char* name : {"calc", "clear", "print"}) {
        auto* button = control<QPushButton>(name);
        // Only whether it is pressed: what each button does is tested elsewhere, and no page is printed.
        QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
        const QSignalSpy clicks(button, &QPushButton::clicked);
        button->setFocus();
        pressReturn();
        pressReturn(true);
        EXPECT_EQ(clicks.count(), 2) << name;
    }
}

TEST_F(Keyboard, return_in_a_field_calculates_as_a_click_from_it_would)
{
    typeFirstExample();
    typeInto("deck", "0.015");
    pressReturn();
    EXPECT_EQ(caption("vorsil"), "9.9417");
    EXPECT_EQ(focused(), "calc");
}

TEST_F(Keyboard, enter_in_compthick_fills_in_the_gasket_volume_before_the_ratio)
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
    pressReturn(true);
    EXPECT_EQ(text("gasketvol"), "8.6524042048344");
    EXPECT_EQ(caption("vorsil"), "9.9969");
}

TEST_F(Keyboard, return_with_a_missing_entry_asks_for_all_values)
{
    typeInto("bore", "4");
    pressReturn();
    const auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "All values must be entered");
}

// The reminder on leaving gasketvol stands between the user and Calculate:
// the ratio waits, and the button does not stay pressed.
TEST_F(Keyboard, a_box_on_the_way_to_calculate_takes_the_click_and_releases_the_button)
{
    typeFirstExample();
    typeInto("gasketvol", "");
    click("calc");
    EXPECT_EQ(takeBoxes().size(), 1u);
    activate();
    EXPECT_FALSE(control<QPushButton>("calc")->isDown());
    EXPECT_EQ(caption("vorsil"), "");

    typeInto("gasketvol", "");
    pressReturn();
    EXPECT_EQ(takeBoxes().size(), 1u);
    activate();
    EXPECT_EQ(caption("vorsil"), "");
    EXPECT_EQ(focused(), "gasketbore");
}

}  // namespace
}  // namespace ui::testing
