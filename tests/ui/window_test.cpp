#include "ui/figure_label.h"
#include "window_fixture.h"

#include <QAccessible>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace ui::testing {
namespace {

class Calculator : public WindowTest {
protected:
    QStringList allTexts() const
    {
        QStringList texts;
        for (const char* name : {"cyls", "bore", "stroke", "chamb", "dome", "deck", "gasketbore", "compthick",
                                 "gasketvol", "piston", "topring"})
            texts << text(name);
        return texts;
    }
};

TEST_F(Calculator, opens_ready_for_the_number_of_cylinders)
{
    EXPECT_EQ(window->windowTitle(), "Torvane - Quenvar");
    EXPECT_TRUE(window->isActiveWindow());
    EXPECT_EQ(focused(), "cyls");
    EXPECT_TRUE(control<QRadioButton>("inches")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("mm")->isChecked());
    EXPECT_EQ(caption("Label18"), "Cu In");
    EXPECT_EQ(caption("vorsil"), "");
    EXPECT_EQ(caption("Label17"), "");
    EXPECT_EQ(caption("Label14"), ":1");
    EXPECT_FALSE(control<QCheckBox>("usetopland")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("usetopland")->isTristate());
}

TEST_F(Calculator, typing_the_figures_and_clicking_calculate_shows_the_ratio)
{
    typeFirstExample();
    click("calc");
    EXPECT_EQ(caption("vorsil"), "9.9417");
    EXPECT_EQ(focused(), "calc");
    EXPECT_EQ(caption("Label17"), "355.115158454753"); // left bore and stroke on the way
}

TEST_F(Calculator, return_and_keypad_enter_press_the_focused_button)
{
    for (const char* name : {"calc", "clear", "print"}) {
        auto* button = control<QPushButton>(name);
        QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr); // whether pressed; no page printed
        const QSignalSpy clicks(button, &QPushButton::clicked);
        button->setFocus();
        pressReturn();
        pressReturn(true);
        EXPECT_EQ(clicks.count(), 2) << name;
    }
}

TEST_F(Calculator, return_or_enter_in_a_field_calculates_as_a_click_from_it_would)
{
    typeGasketExample();
    pressReturn(true);
    EXPECT_EQ(text("gasketvol"), "8.6524042048344") << "compthick is left first";
    EXPECT_EQ(caption("vorsil"), "9.9969");
    EXPECT_EQ(focused(), "compthick") << "back where the user was typing";

    typeInto("deck", "0.015");
    pressReturn();
    const QString byReturn = caption("vorsil");
    EXPECT_EQ(focused(), "deck");
    EXPECT_EQ(control<QLineEdit>("deck")->selectedText(), "0.015");
    click("calc");
    EXPECT_NE(byReturn, "9.9969");
    EXPECT_EQ(byReturn, caption("vorsil"));

    typeInto("chamb", "");
    typeInto("dome", "");
    pressReturn();
    const auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "All values must be entered");
    activate();
    EXPECT_EQ(focused(), "chamb") << "the first empty field";
}

// The gasket reminder on leaving gasketvol stands between the user and
// Calculate: the ratio waits, and the button is not left drawn pressed.
TEST_F(Calculator, a_box_on_the_way_to_calculate_takes_the_click_or_the_return)
{
    typeFirstExample();
    for (const bool byReturn : {false, true}) {
        typeInto("gasketvol", "");
        byReturn ? pressReturn() : click("calc");
        EXPECT_EQ(takeBoxes().size(), 1u) << "only the reminder";
        activate();
        EXPECT_FALSE(control<QPushButton>("calc")->isDown());
        EXPECT_EQ(caption("vorsil"), "");
        EXPECT_EQ(focused(), "gasketbore");
    }
}

// A ratio beside entries it was not worked out from is drawn faded and says
// so, to the eye and to a screen reader, until Calculate works it out again.
TEST_F(Calculator, a_ratio_the_entries_have_moved_on_from_says_it_is_out_of_date)
{
    typeFirstExample();
    typeEntries({{"gasketbore", "4.1"}, {"compthick", "0.039"}});
    pressReturn();
    auto* ratio = control<FigureLabel>("vorsil");
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(ratio);
    const QColor current = ratio->figureColour();
    const auto says = [&](const QString& words) {
        const QColor toOne = control("Label14")->palette().color(QPalette::WindowText); // fades with the ratio
        return ratio->toolTip().startsWith(words + ':') && heard->text(QAccessible::Description).startsWith(words) &&
               toOne == ratio->figureColour();
    };
    EXPECT_FALSE(says("Out of date"));

    typeInto("compthick", "0.045");
    pressTab();
    EXPECT_TRUE(says("Out of date"));
    EXPECT_NE(ratio->figureColour(), current);
    EXPECT_EQ(heard->text(QAccessible::Name), ratio->text());

    typeInto("compthick", "0.045");
    pressReturn();
    EXPECT_FALSE(says("Out of date"));
    EXPECT_FALSE(heard->text(QAccessible::Description).contains("Out of date"));
    EXPECT_EQ(ratio->figureColour(), current);
}

TEST_F(Calculator, tab_visits_the_controls_in_order_and_comes_back)
{
    const QStringList order = {"bore",      "stroke",    "chamb",      "dome",   "deck",    "gasketbore",
                               "compthick", "gasketvol", "usetopland", "piston", "topring", "calc",
                               "clear",     "print",     "inches",     "cyls"};
    // Keep the gasket check quiet on the way: it needs a gasket volume.
    control<QLineEdit>("gasketvol")->setText("1");
    QStringList visited;
    for (int i = 0; i < order.size(); ++i) {
        pressTab();
        visited << focused();
    }
    EXPECT_EQ(visited, order);

    QStringList back;
    QStringList reversed(order.rbegin() + 1, order.rend());
    reversed << "cyls";
    for (int i = 0; i < reversed.size(); ++i) {
        pressTab(true);
        back << focused();
    }
    EXPECT_EQ(back, reversed);
}

TEST_F(Calculator, the_option_group_is_one_stop_at_its_selected_button)
{
    click("mm");
    control("print")->setFocus();
    pressTab();
    EXPECT_EQ(focused(), "mm");
    pressTab();
    EXPECT_EQ(focused(), "cyls");
    pressTab(true);
    EXPECT_EQ(focused(), "mm");
    pressTab(true);
    EXPECT_EQ(focused(), "print");
}

TEST_F(Calculator, a_missing_entry_is_named_in_a_plain_box_and_changes_nothing)
{
    typeFirstExample();
    click("calc");
    typeInto("dome", "");
    const QStringList before = allTexts();
    click("calc");
    const auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "All values must be entered");
    EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes[0].buttons, 1);
    EXPECT_EQ(caption("vorsil"), "9.9417");
    EXPECT_EQ(allTexts(), before);
}

TEST_F(Calculator, a_failing_calculation_names_its_kind_and_keeps_every_entry)
{
    typeFirstExample();
    click("calc");
    typeInto("bore", "abc");
    QStringList before = allTexts();
    click("calc");
    auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("Type mismatch")) << boxes[0].text.toStdString();
    EXPECT_EQ(allTexts(), before);
    EXPECT_EQ(caption("vorsil"), "9.9417");
    EXPECT_TRUE(window->isVisible());

    activate();
    typeInto("bore", "4");
    typeInto("stroke", "3");
    typeInto("deck", "0");
    typeInto("chamb", "0");
    typeInto("dome", "0");
    typeInto("gasketvol", "0");
    before = allTexts();
    click("calc");
    boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("Division by zero")) << boxes[0].text.toStdString();
    EXPECT_EQ(allTexts(), before);

    activate();
    typeInto("chamb", "1E-13");
    click("calc");
    boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("Overflow")) << boxes[0].text.toStdString();
    EXPECT_EQ(caption("vorsil"), "9.9417");
}

class GermanCalculator : public WindowTest {
protected:
    GermanCalculator() : WindowTest(QLocale(QLocale::German)) {}
};

TEST_F(GermanCalculator, a_length_that_cannot_be_read_is_named_and_handed_back_for_retyping)
{
    typeEntries({{"cyls", "8"},
                 {"bore", "4,030"},
                 {"stroke", "3,480"},
                 {"chamb", "64"},
                 {"dome", "-5"},
                 {"deck", "0,015"},
                 {"gasketvol", "9,2"}});
    click("calc");
    EXPECT_EQ(caption("vorsil"), "9,9417");
    EXPECT_EQ(caption("Label17"), "355,115158454753");

    typeInto("bore", "4.03");
    click("calc");
    const auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Type mismatch\nBore: '4.03' is not a number; write decimals with a comma: 4,03.");
    EXPECT_EQ(caption("vorsil"), "9,9417");
    activate();
    EXPECT_EQ(focused(), "bore");
    EXPECT_EQ(control<QLineEdit>("bore")->selectedText(), "4.03");
}

TEST_F(Calculator, nothing_starts_while_a_message_box_is_open)
{
    typeInto("bore", "4");
    whileNextBoxIsOpen([this] {
        control<QPushButton>("clear")->click();
        control<QPushButton>("calc")->click();
    });
    click("calc");
    EXPECT_EQ(takeBoxes().size(), 1u);
    EXPECT_EQ(text("bore"), "4");
}

} // namespace
} // namespace ui::testing
