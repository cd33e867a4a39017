#include "window_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>

namespace ui::testing {
namespace {

class LeavingFields : public WindowTest {
protected:
    // Types into the field that has the focus, then tabs on.
    void typeAndTab(const QString& text)
    {
        QTest::keyClicks(QApplication::focusWidget(), text);
        pressTab();
    }
};

TEST_F(LeavingFields, tabbing_through_fills_in_capacity_then_gasket_volume)
{
    typeAndTab("8");
    typeAndTab("4.03");
    EXPECT_EQ(caption("Label17"), "") << "stroke is still empty";
    typeAndTab("3.48");
    EXPECT_EQ(caption("Label17"), "355.115158454753");
    EXPECT_EQ(control<QLabel>("Label17")->toolTip(), "355.115158454753") << "wider than its box";
    for (const char* entry : {"64", "-5", "0.015", "4.1"})
        typeAndTab(entry);
    EXPECT_EQ(text("gasketvol"), "");
    typeAndTab("0.04");
    EXPECT_EQ(text("gasketvol"), "8.6524042048344");
    EXPECT_EQ(focused(), "gasketvol");
    auto* gasketvol = control<QLineEdit>("gasketvol");
    EXPECT_EQ(gasketvol->selectedText(), "8.6524042048344") << "whole, for overtyping";
    EXPECT_EQ(gasketvol->cursorPosition(), 0) << "the view starts at the first digit";
    pressTab();
    EXPECT_EQ(focused(), "usetopland");
    EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(LeavingFields, an_empty_gasket_volume_asks_for_the_gasket_and_goes_to_its_bore)
{
    typeInto("compthick", "0.04");
    typeInto("gasketvol", "");
    pressTab();
    const auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Enter either the Gasket Volume or the Gasket Bore and Compressed Thickness");
    EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes[0].buttons, 1);
    activate();
    EXPECT_EQ(focused(), "gasketbore");
    EXPECT_EQ(text("gasketvol"), "") << "the check fills in nothing";
}

TEST_F(LeavingFields, the_field_the_gasket_check_sends_the_focus_away_from_is_left_too)
{
    typeInto("cyls", "8");
    typeInto("bore", "4.03");
    typeInto("gasketvol", "");
    control<QLineEdit>("stroke")->setText("3.48");
    click("stroke"); // leaves gasketvol: the check, then the focus goes on to gasketbore
    ASSERT_EQ(takeBoxes().size(), 1u);
    activate();
    EXPECT_EQ(focused(), "gasketbore");
    EXPECT_EQ(caption("Label17"), "355.115158454753") << "stroke was left for gasketbore";
}

TEST_F(LeavingFields, calculate_straight_from_compthick_uses_the_new_gasket_volume)
{
    typeGasketExample();
    click("calc");
    EXPECT_EQ(text("gasketvol"), "8.6524042048344");
    EXPECT_EQ(control<QLineEdit>("gasketvol")->cursorPosition(), 0) << "the volume shows from its first digit";
    EXPECT_EQ(caption("vorsil"), "9.9969");
}

TEST_F(LeavingFields, a_context_menu_or_another_window_runs_nothing)
{
    typeInto("bore", "4.03");
    typeInto("cyls", "8");
    typeInto("stroke", "3.48");
    auto* stroke = control<QLineEdit>("stroke");
    QContextMenuEvent menu(QContextMenuEvent::Mouse, stroke->rect().center(),
                           stroke->mapToGlobal(stroke->rect().center()));
    QApplication::sendEvent(stroke, &menu); // the fixture closes the menu
    EXPECT_EQ(caption("Label17"), "");

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(caption("Label17"), "");

    activate();
    EXPECT_EQ(focused(), "stroke");
    pressTab();
    EXPECT_EQ(caption("Label17"), "355.115158454753");
}

TEST_F(LeavingFields, an_overflowing_capacity_is_reported_and_the_last_one_kept)
{
    typeInto("cyls", "8");
    typeInto("bore", "4.03");
    typeInto("stroke", "3.48");
    typeInto("bore", "1E+200");
    click("chamb");
    const auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("Overflow")) << boxes[0].text.toStdString();
    EXPECT_EQ(caption("Label17"), "355.115158454753");
    EXPECT_EQ(text("bore"), "1E+200");
    activate();
    typeInto("bore", "4");
    click("chamb");
    EXPECT_EQ(caption("Label17"), "349.847763072");
}

} // namespace
} // namespace ui::testing
