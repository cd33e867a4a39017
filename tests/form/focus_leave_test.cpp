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
        {Option::inches, {{bore, "4.03"}, {stroke, "3.48"}, {cyls, "8"}}, "355.115158454753"},
        {Option::mm, {{bore, "86"}, {stroke, "86"}, {cyls, "4"}}, "1998.2288863912"},
        {Option::inches, {{bore, "4"}, {stroke, "3.48"}, {cyls, "8"}}, "349.847763072"},
        {Option::mm, {{bore, "4.03"}, {stroke, "3.48"}, {cyls, "8"}}, "0.355115158454753"},
        {Option::inches, {{bore, "4.03"}, {stroke, "3.48"}}, "0"},                        // no cylinders
        {Option::inches, {{bore, " "}, {stroke, "3.48"}, {cyls, "8"}}, "0"},             // a blank is not empty
        {Option::inches, {{bore, "4.03in"}, {stroke, "3.48 x"}, {cyls, "8 cyl"}}, "355.115158454753"},
        {Option::inches, {{bore, "-4.03"}, {stroke, "3.48"}, {cyls, "8"}}, "355.115158454753"},
        {Option::inches, {{bore, "4.03"}, {stroke, "-3.48"}, {cyls, "8"}}, "-355.115158454753"},
        {Option::inches, {{bore, "4.03"}, {stroke, "3.48"}, {cyls, "-8"}}, "-355.115158454753"},
    };
    for (const auto& [unit, entries, expected] : cases) {
        for (const auto leave : {&Form1::cylsLostFocus, &Form1::boreLostFocus, &Form1::strokeLostFocus}) {
            LoadedForm window(numeric::NumberLocale{",", "."});  // the capacity is shown in the user's locale
            window.view.setSelected(unit, true);
            window.view.fill(entries);
            (window.form.*leave)();
            std::string localised = expected;
            std::replace(localised.begin(), localised.end(), '.', ',');
            EXPECT_EQ(window.view.caption(Caption::Label17), localised) << entries[0].second;
            EXPECT_EQ(window.view.caption(Caption::Label18), unit == Option::mm ? "CC" : "Cu In");
        }
    }
}

TEST(Capacity, waits_for_both_bore_and_stroke)
{
    for (const auto& entries : {std::pair{"", "3.48"}, std::pair{"4.03", ""}}) {
        LoadedForm window;
        window.view.captions[Caption::Label17] = "100";
        window.view.fill({{bore, entries.first}, {stroke, entries.second}, {cyls, "8"}});
        const FakeForm before = window.view;
        window.form.cylsLostFocus();
        window.form.boreLostFocus();
        window.form.strokeLostFocus();
        EXPECT_EQ(window.view, before);
    }
}

TEST(Capacity, overflow_keeps_the_last_capacity)
{
    for (const auto& [boreText, strokeText] : {std::pair{"1E+200", "3"}, std::pair{"4", "1E+400"}, std::pair{"1E+150", "1E+300"}}) {
        LoadedForm window;
        window.view.captions[Caption::Label17] = "100";
        window.view.fill({{bore, boreText}, {stroke, strokeText}, {cyls, "8"}});
        try {
            window.form.boreLostFocus();
            ADD_FAILURE() << boreText << " raised nothing";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::Overflow);
        }
        EXPECT_EQ(window.view.caption(Caption::Label17), "100");
    }
}

// Leaving either dimension, or choosing the unit, computes the volume afresh.
TEST(GasketVolume, fills_in_cc_on_leaving_a_dimension_or_choosing_the_unit)
{
    const std::vector<Case> cases = {
        {Option::inches, {{gasketbore, "4.1"}, {compthick, "0.04"}}, "8.6524042048344"},
        {Option::mm, {{gasketbore, "88"}, {compthick, "1.2"}}, "7.2971712"},
        {Option::mm, {{gasketbore, "-88"}, {compthick, "1.2"}}, "7.2971712"},
        {Option::inches, {{gasketbore, "0"}, {compthick, "0.04"}}, "0"},  // a typed 0 is a figure
        // Without both dimensions there is nothing to compute from: the typed volume stays.
        {Option::inches, {{compthick, "0.04"}}, ""},
        {Option::mm, {{gasketbore, "88"}, {gasketvol, "9.2"}}, "9.2"},
        {Option::inches, {{gasketvol, "9.2"}}, "9.2"},
        {Option::inches, {{gasketbore, "4.1"}, {compthick, "0.04"}, {gasketvol, "12"}}, "8.6524042048344"},
    };
    for (const auto& [unit, entries, expected] : cases) {
        for (const auto leave : {&Form1::gasketboreLostFocus, &Form1::compthickLostFocus}) {
            LoadedForm window;
            window.view.setSelected(unit, true);
            window.view.fill(entries);
            (window.form.*leave)();
            EXPECT_EQ(window.view.text(gasketvol), expected);
        }
        LoadedForm window;
        window.view.setSelected(unit == Option::mm ? Option::inches : Option::mm, true);
        window.view.fill(entries);
        window.view.setSelected(unit, true);
        EXPECT_EQ(window.view.text(gasketvol), expected) << "after a unit click";
    }
}

TEST(GasketVolume, is_emptied_when_no_unit_is_selected)
{
    LoadedForm window;
    window.view.inches = false;
    window.view.fill({{gasketbore, "4.1"}, {compthick, "0.04"}, {gasketvol, "12"}});
    window.form.compthickLostFocus();
    EXPECT_EQ(window.view.text(gasketvol), "");
}

TEST(GasketVolume, is_written_in_the_users_locale_and_enters_the_ratio_whole)
{
    for (const std::string point : {".", ","}) {
        LoadedForm window({point, point == "." ? "," : "."});
        window.view.fill({{cyls, "8"}, {bore, "4"}, {stroke, "3"}, {deck, "0"}, {chamb, "60"}, {dome, "0"},
                          {gasketbore, "4" + point + "1"}, {compthick, "0" + point + "04"}});
        window.form.compthickLostFocus();
        EXPECT_EQ(window.view.text(gasketvol), "8" + point + "6524042048344");
        window.form.calcClick();
        EXPECT_EQ(window.view.caption(Caption::vorsil), "9" + point + "9969");  // 9.9255 with 8 cc, 10.0697 with 9
    }
}

// The dimensions are lengths: a typo is told, naming its field, never taken
// for a gasket of 0 cc; the thickness is read first.
TEST(GasketVolume, a_figure_it_cannot_use_is_told_and_keeps_what_the_field_held)
{
    struct Bad {
        std::string decimal, gasketBore, thickness;
        ErrorKind kind;
        std::string field;
    };
    const std::vector<Bad> cases = {
        {".", "1E+200", "1", ErrorKind::Overflow, ""},
        {".", "4.1", "O.039", ErrorKind::TypeMismatch, "compthick"},
        {".", "4.1mm", "0.039", ErrorKind::TypeMismatch, "gasketbore"},
        {".", "4.1mm", "O.039", ErrorKind::TypeMismatch, "compthick"},
        {",", "4,1", "0.039", ErrorKind::TypeMismatch, "compthick"},
    };
    for (const auto& [decimal, gasketBore, thickness, kind, blamed] : cases) {
        LoadedForm window({decimal, decimal == "." ? "," : "."});
        window.view.fill({{gasketbore, gasketBore}, {compthick, thickness}, {gasketvol, "9.2"}});
        window.view.focus = deck;
        try {
            window.form.gasketboreLostFocus();
            ADD_FAILURE() << thickness << " raised nothing";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), kind) << thickness;
            EXPECT_EQ(error.field(), blamed) << thickness;
        }
        EXPECT_EQ(window.view.text(gasketvol), "9.2");
        EXPECT_EQ(window.view.focus, deck);
    }
}

TEST(GasketCheck, asks_for_the_gasket_only_when_it_cannot_be_known)
{
    struct Check {
        std::string volume, gasketBore, thickness;
        bool asks;
    };
    const std::vector<Check> checks = {
        {"", "", "", true},       {"", "4.1", "", true},  {"", "", "0.04", true}, {"", "4.1", "0.04", false},
        {"0", "", "", false},     {"abc", "", "", false}, {"", "x", "y", false},
    };
    for (const auto& [volume, gasketBore, thickness, asks] : checks) {
        LoadedForm window;
        window.view.fill({{gasketvol, volume}, {gasketbore, gasketBore}, {compthick, thickness}});
        window.view.focus = deck;
        FakeForm expected = window.view;
        if (asks) {
            expected.messages = {kGasketMessage.source};
            expected.focus = gasketbore;
        }
        window.form.gasketvolLostFocus();
        EXPECT_EQ(window.view, expected) << "'" << volume << "' '" << gasketBore << "' '" << thickness << "'";
    }
}

}  // namespace
}  // namespace form::testing
