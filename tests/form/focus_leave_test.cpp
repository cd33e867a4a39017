#include "fake_form.h"
#include "numeric/runtime_error.h"

#include <gtest/gtest.h>

namespace form::testing {
namespace {

using numeric::ErrorKind;
using numeric::RuntimeError;
using enum Field;

struct Case {
    Option unit;
    std::vector<std::pair<Field, std::string>> entries;
    std::string expected;
};

TEST(Capacity, shows_cubic_inches_or_cc_on_leaving_cyls_bore_or_stroke)
{
    const std::vector<Case> cases = {
        {Option::inches, {{bore, "4.03"}, {stroke, "3.48"}, {cylinders, "8"}}, "355.115158454753"},
        {Option::mm, {{bore, "86"}, {stroke, "86"}, {cylinders, "4"}}, "1998.2288863912"},
        {Option::inches, {{bore, "4"}, {stroke, "3.48"}, {cylinders, "8"}}, "349.847763072"},
        {Option::mm, {{bore, "4.03"}, {stroke, "3.48"}, {cylinders, "8"}}, "0.355115158454753"},
        {Option::inches, {{bore, "4.03"}, {stroke, "3.48"}}, "0"},                // no cylinders
        {Option::inches, {{bore, " "}, {stroke, "3.48"}, {cylinders, "8"}}, "0"}, // a blank is not empty
        {Option::inches, {{bore, "4.03in"}, {stroke, "3.48 x"}, {cylinders, "8 cyl"}}, "355.115158454753"},
        {Option::inches, {{bore, "-4.03"}, {stroke, "3.48"}, {cylinders, "8"}}, "355.115158454753"},
        {Option::inches, {{bore, "4.03"}, {stroke, "-3.48"}, {cylinders, "8"}}, "-355.115158454753"},
        {Option::inches, {{bore, "4.03"}, {stroke, "3.48"}, {cylinders, "-8"}}, "-355.115158454753"},
    };
    for (const auto& [unit, entries, expected] : cases) {
        for (const auto leave : {&Calculator::leftCylinders, &Calculator::leftBore, &Calculator::leftStroke}) {
            LoadedForm window(numeric::NumberLocale{",", "."}); // the capacity is shown in the user's locale
            window.view.setSelected(unit, true);
            window.view.fill(entries);
            (window.form.*leave)();
            std::string localised = expected;
            std::replace(localised.begin(), localised.end(), '.', ',');
            EXPECT_EQ(window.view.result(Result::capacity), localised) << entries[0].second;
            EXPECT_EQ(window.view.result(Result::capacityUnit), unit == Option::mm ? "CC" : "Cu In");
        }
    }
}

TEST(Capacity, waits_for_both_bore_and_stroke)
{
    for (const auto& entries : {std::pair{"", "3.48"}, std::pair{"4.03", ""}}) {
        LoadedForm window;
        window.view.results[Result::capacity] = "100";
        window.view.fill({{bore, entries.first}, {stroke, entries.second}, {cylinders, "8"}});
        const FakeForm before = window.view;
        window.form.leftCylinders();
        window.form.leftBore();
        window.form.leftStroke();
        EXPECT_EQ(window.view, before);
    }
}

TEST(Capacity, overflow_keeps_the_last_capacity)
{
    for (const auto& [boreText, strokeText] :
         {std::pair{"1E+200", "3"}, std::pair{"4", "1E+400"}, std::pair{"1E+150", "1E+300"}}) {
        LoadedForm window;
        window.view.results[Result::capacity] = "100";
        window.view.fill({{bore, boreText}, {stroke, strokeText}, {cylinders, "8"}});
        try {
            window.form.leftBore();
            ADD_FAILURE() << boreText << " raised nothing";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::Overflow);
        }
        EXPECT_EQ(window.view.result(Result::capacity), "100");
    }
}

// Leaving either dimension, or choosing the unit, computes the volume afresh.
TEST(GasketVolume, fills_in_cc_on_leaving_a_dimension_or_choosing_the_unit)
{
    const std::vector<Case> cases = {
        {Option::inches, {{gasketBore, "4.1"}, {gasketThickness, "0.04"}}, "8.6524042048344"},
        {Option::mm, {{gasketBore, "88"}, {gasketThickness, "1.2"}}, "7.2971712"},
        {Option::mm, {{gasketBore, "-88"}, {gasketThickness, "1.2"}}, "7.2971712"},
        {Option::inches, {{gasketBore, "0"}, {gasketThickness, "0.04"}}, "0"}, // a typed 0 is a figure
        // Without both dimensions there is nothing to compute from: the typed volume stays.
        {Option::inches, {{gasketThickness, "0.04"}}, ""},
        {Option::mm, {{gasketBore, "88"}, {gasketVolume, "9.2"}}, "9.2"},
        {Option::inches, {{gasketVolume, "9.2"}}, "9.2"},
        {Option::inches, {{gasketBore, "4.1"}, {gasketThickness, "0.04"}, {gasketVolume, "12"}}, "8.6524042048344"},
    };
    for (const auto& [unit, entries, expected] : cases) {
        for (const auto leave : {&Calculator::leftGasketBore, &Calculator::leftGasketThickness}) {
            LoadedForm window;
            window.view.setSelected(unit, true);
            window.view.fill(entries);
            (window.form.*leave)();
            EXPECT_EQ(window.view.text(gasketVolume), expected);
        }
        LoadedForm window;
        window.view.setSelected(unit == Option::mm ? Option::inches : Option::mm, true);
        window.view.fill(entries);
        window.view.setSelected(unit, true);
        EXPECT_EQ(window.view.text(gasketVolume), expected) << "after a unit click";
    }
}

TEST(GasketVolume, is_emptied_when_no_unit_is_selected)
{
    LoadedForm window;
    window.view.inches = false;
    window.view.fill({{gasketBore, "4.1"}, {gasketThickness, "0.04"}, {gasketVolume, "12"}});
    window.form.leftGasketThickness();
    EXPECT_EQ(window.view.text(gasketVolume), "");
}

TEST(GasketVolume, is_written_in_the_users_locale_and_enters_the_ratio_whole)
{
    for (const std::string point : {".", ","}) {
        LoadedForm window({point, point == "." ? "," : "."});
        window.view.fill({{cylinders, "8"},
                          {bore, "4"},
                          {stroke, "3"},
                          {deckHeight, "0"},
                          {chamber, "60"},
                          {dome, "0"},
                          {gasketBore, "4" + point + "1"},
                          {gasketThickness, "0" + point + "04"}});
        window.form.leftGasketThickness();
        EXPECT_EQ(window.view.text(gasketVolume), "8" + point + "6524042048344");
        window.form.calculate();
        EXPECT_EQ(window.view.result(Result::ratio), "9" + point + "9969"); // 9.9255 with 8 cc, 10.0697 with 9
    }
}

// The dimensions are lengths: a typo is told, naming its field, never taken
// for a gasket of 0 cc; the thickness is read first.
TEST(GasketVolume, a_figure_it_cannot_use_is_told_and_keeps_what_the_field_held)
{
    struct Bad {
        std::string decimal, boreText, thickness;
        ErrorKind kind;
        std::string field;
    };
    const std::vector<Bad> cases = {
        {".", "1E+200", "1", ErrorKind::Overflow, ""},
        {".", "4.1", "O.039", ErrorKind::TypeMismatch, "gasketThickness"},
        {".", "4.1mm", "0.039", ErrorKind::TypeMismatch, "gasketBore"},
        {".", "4.1mm", "O.039", ErrorKind::TypeMismatch, "gasketThickness"},
        {",", "4,1", "0.039", ErrorKind::TypeMismatch, "gasketThickness"},
    };
    for (const auto& [decimal, boreText, thickness, kind, blamed] : cases) {
        LoadedForm window({decimal, decimal == "." ? "," : "."});
        window.view.fill({{gasketBore, boreText}, {gasketThickness, thickness}, {gasketVolume, "9.2"}});
        window.view.focus = deckHeight;
        try {
            window.form.leftGasketBore();
            ADD_FAILURE() << thickness << " raised nothing";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), kind) << thickness;
            EXPECT_EQ(error.field(), blamed) << thickness;
        }
        EXPECT_EQ(window.view.text(gasketVolume), "9.2");
        EXPECT_EQ(window.view.focus, deckHeight);
    }
}

TEST(GasketCheck, asks_for_the_gasket_only_when_it_cannot_be_known)
{
    struct Check {
        std::string volume, boreText, thickness;
        bool asks;
    };
    const std::vector<Check> checks = {
        {"", "", "", true},   {"", "4.1", "", true},  {"", "", "0.04", true}, {"", "4.1", "0.04", false},
        {"0", "", "", false}, {"abc", "", "", false}, {"", "x", "y", false},
    };
    for (const auto& [volume, boreText, thickness, asks] : checks) {
        LoadedForm window;
        window.view.fill({{gasketVolume, volume}, {gasketBore, boreText}, {gasketThickness, thickness}});
        window.view.focus = deckHeight;
        FakeForm expected = window.view;
        if (asks) {
            expected.messages = {kGasketMessage.source};
            expected.focus = gasketBore;
        }
        window.form.leftGasketVolume();
        EXPECT_EQ(window.view, expected) << "'" << volume << "' '" << boreText << "' '" << thickness << "'";
    }
}

} // namespace
} // namespace form::testing
