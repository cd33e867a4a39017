#include "window_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>

namespace ui::testing {
namespace {

class SolveForRatio : public WindowTest {
protected:
    // The engine of the README: 9.7983 : 1.
    void typeReadmeEngine()
    {
        typeEntries({{"cyls", "8"}, {"bore", "4.030"}, {"stroke", "3.480"}, {"chamb", "64"}, {"dome", "-5"},
                     {"deck", "0.025"}, {"gasketbore", "4.100"}, {"compthick", "0.039"}});
        click("calc");
    }

    // Types into the dialog once it opens, then presses Return in it.
    void answerWith(const QString& ratio)
    {
        answerer_.setInterval(5);
        QObject::connect(&answerer_, &QTimer::timeout, [this, ratio] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            answerer_.stop();
            dialogTitle = dialog->windowTitle();
            auto* wanted = dialog->findChild<QLineEdit*>();
            QTest::keyClicks(wanted, ratio);
            QTest::keyClick(wanted, Qt::Key_Return);
            returnRefused = dialog->isVisible();
            if (returnRefused) QTest::keyClick(wanted, Qt::Key_Escape);
        });
        answerer_.start();
    }

    QString dialogTitle;
    bool returnRefused = false;  // and Escape pressed

private:
    QTimer answerer_;
};

TEST_F(SolveForRatio, ctrl_t_in_the_chamber_writes_the_volume_for_the_ratio_typed)
{
    typeReadmeEngine();
    EXPECT_EQ(caption("vorsil"), "9.7983");
    auto* chamb = control<QLineEdit>("chamb");
    QTest::mouseClick(chamb, Qt::LeftButton);
    answerWith("10.5");
    QTest::keyClick(chamb, Qt::Key_T, Qt::ControlModifier);

    EXPECT_EQ(dialogTitle, "Solve for a Ratio");
    EXPECT_EQ(text("chamb"), "57.89");
    EXPECT_EQ(caption("vorsil"), "10.5006");
    activate();
    EXPECT_EQ(focused(), "chamb");
    QTest::keyClick(chamb, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("chamb"), "64");
    EXPECT_EQ(caption("vorsil"), "10.5006");
}

TEST_F(SolveForRatio, a_ratio_that_cannot_be_had_is_not_accepted)
{
    typeFirstExample();
    click("calc");
    auto* dome = control<QLineEdit>("dome");
    QTest::mouseClick(dome, Qt::LeftButton);
    answerWith("1");
    QTest::keyClick(dome, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(returnRefused);
    EXPECT_EQ(text("dome"), "-5");
    EXPECT_EQ(caption("vorsil"), "9.9417");
}

TEST_F(SolveForRatio, a_length_that_is_not_a_number_is_named_and_handed_back)
{
    typeFirstExample();
    typeInto("bore", "abc");
    auto* chamb = control<QLineEdit>("chamb");
    QTest::mouseClick(chamb, Qt::LeftButton);
    QTest::keyClick(chamb, Qt::Key_T, Qt::ControlModifier);
    const auto boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Type mismatch\nBore: 'abc' is not a number.");
    activate();
    EXPECT_EQ(focused(), "bore");
}

TEST_F(SolveForRatio, the_context_menu_offers_it_first)
{
    auto* dome = control<QLineEdit>("dome");
    QContextMenuEvent event(QContextMenuEvent::Mouse, dome->rect().center(), dome->mapToGlobal(dome->rect().center()));
    QApplication::sendEvent(dome, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->actions().first()->text(), "Solve for a Ratio\u2026");
    EXPECT_GT(menu->actions().size(), 5);  // the usual edit entries stay
}

}  // namespace
}  // namespace ui::testing
