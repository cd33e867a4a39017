#include "window_fixture.h"

#include <QCheckBox>
#include <QRadioButton>

namespace ui::testing {
namespace {

class Commands : public WindowTest {
protected:
    bool selected(const char* name) const { return control<QRadioButton>(name)->isChecked(); }
    bool topLand() const { return control<QCheckBox>("usetopland")->isChecked(); }
};

TEST_F(Commands, a_unit_click_names_the_unit_and_recomputes_only_the_capacity)
{
    typeInto("cyls", "8");
    typeInto("bore", "4.03");
    typeInto("stroke", "3.48");
    typeInto("gasketvol", "8.6");
    click("mm");
    EXPECT_TRUE(selected("mm"));
    EXPECT_FALSE(selected("inches"));
    EXPECT_EQ(caption("Label18"), "CC");
    EXPECT_EQ(caption("Label17"), "0.355115158454753");
    EXPECT_EQ(text("gasketvol"), "8.6");

    click("mm"); // already selected
    EXPECT_TRUE(selected("mm"));
    EXPECT_EQ(caption("Label18"), "CC");

    click("inches");
    EXPECT_EQ(caption("Label18"), "Cu In");
    EXPECT_EQ(caption("Label17"), "355.115158454753");
}

TEST_F(Commands, clear_restores_the_start_up_entries_and_keeps_the_ratio)
{
    typeEntries({{"cyls", "8"},
                 {"bore", "102.0"},
                 {"stroke", "88.4"},
                 {"chamb", "58.5"},
                 {"dome", "3.2"},
                 {"deck", "0.25"},
                 {"gasketvol", "8.6"},
                 {"piston", "101.6"},
                 {"topring", "6.5"}});
    click("mm");
    click("usetopland");
    click("calc");
    EXPECT_EQ(caption("vorsil"), "11.8834");
    EXPECT_FALSE(caption("Label17").isEmpty());

    for (int times = 0; times < 2; ++times) {
        click("clear");
        for (const char* name : {"cyls", "bore", "stroke", "chamb", "dome", "deck", "gasketbore", "compthick",
                                 "gasketvol", "piston", "topring"})
            EXPECT_EQ(text(name), "") << name;
        EXPECT_TRUE(selected("inches"));
        EXPECT_FALSE(selected("mm"));
        EXPECT_FALSE(topLand());
        EXPECT_EQ(caption("Label18"), "Cu In");
        EXPECT_EQ(caption("vorsil"), "11.8834");
        // Back in inches, with no bore or stroke to compute it from.
        EXPECT_EQ(caption("Label17"), "");
        EXPECT_EQ(focused(), "cyls");
    }
}

TEST_F(Commands, the_check_box_changes_nothing_else)
{
    typeInto("piston", "4");
    click("usetopland");
    EXPECT_TRUE(topLand());
    click("usetopland");
    EXPECT_FALSE(topLand());
    EXPECT_EQ(text("piston"), "4");
    EXPECT_EQ(caption("vorsil"), "");
    EXPECT_EQ(caption("Label18"), "Cu In");
}

} // namespace
} // namespace ui::testing
