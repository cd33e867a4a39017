#include "fake_form.h"
#include "numeric/runtime_error.h"

#include <gtest/gtest.h>

namespace form::testing {
namespace {

using enum Field;

TEST(StartUp, selects_inches_and_leaves_everything_else_empty)
{
    LoadedForm window;
    EXPECT_TRUE(window.view.inches);
    EXPECT_FALSE(window.view.mm);
    EXPECT_FALSE(window.view.deadArea);
    EXPECT_EQ(window.view.result(Result::capacityUnit), "Cu In");
    EXPECT_EQ(window.view.result(Result::ratio), "");
    EXPECT_EQ(window.view.result(Result::capacity), "");
    for (const Field field : allFields)
        EXPECT_EQ(window.view.text(field), "");
    EXPECT_TRUE(window.view.messages.empty());
}

TEST(UnitChoice, names_the_capacity_unit_and_recomputes_only_the_capacity)
{
    LoadedForm window;
    window.view.fill({{bore, "4.03"}, {stroke, "3.48"}, {cylinders, "8"}, {gasketVolume, "8.6"}});
    window.form.leftBore();
    window.view.results[Result::ratio] = "9.9417";
    FakeForm expected = window.view;

    window.view.setSelected(Option::mm, true);
    expected.mm = true;
    expected.inches = false;
    expected.results[Result::capacityUnit] = "CC";
    expected.results[Result::capacity] = "0.355115158454753";
    EXPECT_EQ(window.view, expected);

    window.view.setSelected(Option::inches, true);
    expected.mm = false;
    expected.inches = true;
    expected.results[Result::capacityUnit] = "Cu In";
    expected.results[Result::capacity] = "355.115158454753";
    EXPECT_EQ(window.view, expected);

    // Clicking the option that is already selected changes nothing.
    window.form.inchesChosen();
    EXPECT_EQ(window.view, expected);
}

TEST(UnitChoice, empties_a_capacity_it_cannot_compute_in_the_new_unit)
{
    for (const auto& [boreText, strokeText] : {std::pair{"4.03", ""}, std::pair{"1E+200", "3.48"}}) {
        LoadedForm window;
        window.view.results[Result::capacity] = "355.115158454753";
        window.view.fill({{bore, boreText}, {stroke, strokeText}, {cylinders, "8"}});
        try {
            window.view.setSelected(Option::mm, true);
        } catch (const numeric::RuntimeError&) { // the box says why
        }
        EXPECT_EQ(window.view.result(Result::capacity), "") << boreText;
    }
}

TEST(Clear, returns_the_entries_to_start_up_and_keeps_the_results)
{
    LoadedForm window;
    window.view.fill({{cylinders, "8"},
                      {bore, "4.030"},
                      {stroke, "3.480"},
                      {deckHeight, "0.015"},
                      {chamber, "64"},
                      {dome, "-5"},
                      {gasketVolume, "9.2"},
                      {pistonDiameter, "4"},
                      {topRingDepth, "0.2"},
                      {gasketBore, "4.1"},
                      {gasketThickness, "0.04"}});
    window.form.leftBore();
    window.form.calculate();
    window.view.setSelected(Option::mm, true);
    window.view.deadArea = true;
    window.view.focus = chamber;

    window.form.clear();
    const LoadedForm fresh;
    FakeForm expected = fresh.view;
    expected.results[Result::ratio] = "9.9417";
    expected.focus = cylinders; // ready for the next engine
    // Back to inches with bore and stroke empty: no capacity in cubic inches.
    EXPECT_EQ(window.view, expected);

    window.form.clear();
    EXPECT_EQ(window.view, expected);

    // With inches already selected, the capacity stays on display.
    window.view.fill({{bore, "4.03"}, {stroke, "3.48"}, {cylinders, "8"}});
    window.form.leftBore();
    window.form.clear();
    EXPECT_EQ(window.view.result(Result::capacity), "355.115158454753");
}

TEST(Print, prints_one_page_and_changes_nothing)
{
    LoadedForm window;
    window.view.fill({{cylinders, "8"}, {bore, "4.030"}});
    const FakeForm before = window.view;
    window.form.print();
    EXPECT_EQ(window.view.pagesPrinted, 1);
    EXPECT_EQ(window.view, before);

    window.view.printerMissing = true;
    try {
        window.form.print();
        FAIL() << "a missing printer went unreported";
    } catch (const PrinterError& error) {
        EXPECT_EQ(message::english(error.detail), "no printer");
    }
    EXPECT_EQ(window.view, before);
}

} // namespace
} // namespace form::testing
