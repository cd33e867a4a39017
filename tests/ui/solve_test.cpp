#include "ui/figure_label.h"
#include "window_fixture.h"

#include <algorithm>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace ui::testing {
namespace {

class SolveForRatio : public WindowTest {
protected:
    // Presses Ctrl+T in the field; once the dialog opens, types the ratio and
    // presses Return.
    void solve(const char* name, const QString& ratio)
    {
        solveIn(name, [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Solve for a Ratio");
            auto* wanted = dialog.findChild<QLineEdit*>();
            QTest::keyClicks(wanted, ratio);
            QTest::keyClick(wanted, Qt::Key_Return);
        });
    }
};

TEST_F(SolveForRatio, ctrl_t_in_the_chamber_writes_the_volume_for_the_ratio_typed)
{
    typeEntries({{"cyls", "8"},
                 {"bore", "4.030"},
                 {"stroke", "3.480"},
                 {"chamb", "64"},
                 {"dome", "-5"},
                 {"deck", "0.025"},
                 {"gasketbore", "4.100"},
                 {"compthick", "0.039"}});
    click("calc");
    EXPECT_EQ(caption("vorsil"), "9.7983");
    solve("chamb", "10.5"); // over the ratio shown, all selected
    EXPECT_EQ(text("chamb"), "57.89");
    EXPECT_EQ(caption("vorsil"), "10.5006");
    activate();
    EXPECT_EQ(focused(), "chamb");
    QTest::keyClick(control("chamb"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("chamb"), "64");
    EXPECT_EQ(caption("vorsil"), "10.5006");
}

TEST_F(SolveForRatio, a_length_that_is_not_a_number_is_named_and_takes_the_focus)
{
    typeFirstExample();
    typeInto("bore", "abc");
    solve("chamb", "10");
    const auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Type mismatch\nBore: 'abc' is not a number.");
    activate();
    EXPECT_EQ(focused(), "bore");
}

TEST_F(SolveForRatio, comes_first_in_the_context_menu)
{
    auto* dome = control("dome");
    QContextMenuEvent event(QContextMenuEvent::Mouse, dome->rect().center(), dome->mapToGlobal(dome->rect().center()));
    QApplication::sendEvent(dome, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->actions().first()->text(), "Solve for a Ratio\u2026");
    EXPECT_GT(menu->actions().size(), 5); // the usual edit entries stay
}

// The ratio's menu offers the five fields by their captions; choosing one is
// Ctrl+T in it: the field left first, then the checks, then the dialog, which
// here refuses a gasket volume that is worked out from its dimensions.
TEST_F(SolveForRatio, the_ratios_menu_solves_a_field_chosen_by_its_caption)
{
    typeFirstExample();
    typeEntries({{"gasketbore", "4.1"}, {"compthick", "0.039"}});
    pressReturn();
    typeInto("compthick", "0.045");
    QAction* solving = control<FigureLabel>("vorsil")->actions().back();
    EXPECT_EQ(solving->text(), "Solve for a Ratio");
    QStringList items;
    for (const QAction* item : solving->menu()->actions())
        items << item->text();
    EXPECT_EQ(items, QStringList({"Combustion Chamber CC…", "Piston Dome Vol (-ve if relief) CC…", "Deck Height…",
                                  "Compressed Thickness…", "Gasket Volume CC…"}));
    const bool opened =
        answerDialog([&] { solving->menu()->actions().back()->trigger(); },
                     [](QDialog& dialog) {
                         EXPECT_FALSE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
                         const auto labels = dialog.findChildren<QLabel*>();
                         EXPECT_TRUE(std::ranges::any_of(labels, [](const QLabel* label) {
                             return label->text().contains("solve for the Compressed Thickness instead");
                         }));
                         dialog.reject();
                     });
    EXPECT_TRUE(opened);
    EXPECT_EQ(text("gasketvol"), "9.7339547304387") << "compthick was left first";
    activate();
    EXPECT_EQ(focused(), "gasketvol");
}

} // namespace
} // namespace ui::testing
