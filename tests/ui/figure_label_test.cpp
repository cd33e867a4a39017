#include "ui/figure_label.h"

#include "window_fixture.h"

#include <QAccessible>
#include <QFontMetricsF>

#include <cmath>

namespace ui::testing {
namespace {

TEST(RoundedToFit, rounds_to_the_digits_that_fit_keeping_sign_and_exponent)
{
    struct Case {
        const char* figure;
        int characters;  // room, in characters
        const char* shown;
    };
    const Case cases[] = {
        {"355.115158454753", 16, "355.115158454753"},
        {"355.115158454753", 8, "355.1152"},
        {"8,6524042048344", 5, "8,652"},
        {"2.1865485192E-09", 9, "2.187E-09"},
        {"-27953963.1083", 9, "-27953963"},
        {"-27953963.1083", 8, "-2.8E+07"},
        {"-27953963", 8, "-2,8E+07"},  // no separator of its own: the locale's
        {"9.99996", 4, "10"},
        {"1.10004", 5, "1.1"},
        {"Cu In", 2, "Cu In"},
    };
    for (const Case& c : cases) {
        const auto fits = [&](const QString& text) { return text.size() <= c.characters; };
        EXPECT_EQ(roundedToFit(c.figure, ",", fits), c.shown) << c.figure << " in " << c.characters;
    }
}

class ResultLabels : public WindowTest {
protected:
    // What the label paints: all of it inside the box, and read by nothing
    // but the eye.
    QString shown(const char* name)
    {
        auto* label = control<FigureLabel>(name);
        const QString painted = label->shownText();
        EXPECT_LE(QFontMetricsF(label->font(), label).horizontalAdvance(painted), label->contentsRect().width())
            << name;
        EXPECT_EQ(label->toolTip(), label->text());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->text());
        return painted;
    }
};

TEST_F(ResultLabels, a_long_capacity_and_a_huge_ratio_are_painted_rounded_never_cut)
{
    typeFirstExample();
    EXPECT_EQ(caption("Label17"), "355.115158454753");
    const QString capacity = shown("Label17");
    EXPECT_TRUE(capacity.startsWith("355.11")) << capacity.toStdString();
    EXPECT_NEAR(capacity.toDouble(), 355.115158454753, 0.5 * std::pow(10.0, 5 - capacity.size()));

    typeInto("gasketvol", "0.0000001");
    typeInto("chamb", "0");
    typeInto("dome", "0");
    typeInto("deck", "0");
    click("calc");
    const QString ratio = shown("vorsil");
    ASSERT_GT(caption("vorsil").size(), 9) << caption("vorsil").toStdString();
    EXPECT_TRUE(ratio.contains("E+")) << ratio.toStdString() << " for " << caption("vorsil").toStdString();
    EXPECT_NEAR(ratio.toDouble() / caption("vorsil").toDouble(), 1.0, 0.01) << ratio.toStdString();
}

}  // namespace
}  // namespace ui::testing
