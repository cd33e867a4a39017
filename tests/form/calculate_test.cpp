#include "fake_form.h"
#include "numeric/runtime_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <variant>

namespace form::testing {
namespace {

using numeric::ErrorKind;
using numeric::RuntimeError;
using enum Field;

struct Engine {
    const char* what;
    Option unit;
    bool topLand;
    std::vector<std::pair<Field, std::string>> entries;
    std::variant<std::string, ErrorKind> expected;  // the ratio shown, or the error raised
    std::string blame = {};                         // what the error says: "field: detail", or the detail
};

// A filled engine of the first worked example: only the named entries differ.
Entries example1(const Entries& changes = {})
{
    return workedExample(false, changes);
}

const std::vector<Engine> engines = {
    {"worked example in inches", Option::inches, false, example1(), "9.9417"},
    {"worked example in mm with dead area", Option::mm, true, workedExample(true), "11.8834"},
    {"same engine in inches", Option::inches, false,
     {{cyls, "8"}, {bore, "4"}, {stroke, "3"}, {deck, "0.01"}, {chamb, "60"}, {dome, "0"}, {gasketvol, "8"}}, "9.8163"},
    {"same engine in mm", Option::mm, false,
     {{cyls, "8"}, {bore, "101.6"}, {stroke, "76.2"}, {deck, "0.254"}, {chamb, "60"}, {dome, "0"}, {gasketvol, "8"}}, "9.8163"},

    // Lenient volumes: leading number or 0.
    {"gasket volume empty counts as 0", Option::inches, false, example1({{gasketvol, ""}}), "11.0822"},
    {"chamber with a unit after it", Option::inches, false, example1({{chamb, "64cc"}}), "9.9417"},
    {"gasket volume with a comma reads its whole part", Option::inches, false, example1({{gasketvol, "9,2"}}), "9.9638"},
    {"a blank chamber counts as 0", Option::inches, false, example1({{chamb, " "}}), "42.9546"},
    {"dome of -5 adds to the clearance", Option::inches, false, example1({{dome, "-5"}}), "9.9417"},
    {"dome of 5 takes from the clearance", Option::inches, false, example1({{dome, "5"}}), "11.1952"},
    {"cylinders are only checked for text", Option::inches, false, example1({{cyls, "abc"}}), "9.9417"},
    {"negative clearance gives a negative ratio", Option::inches, false, example1({{chamb, "0"}, {gasketvol, ""}, {dome, "50"}}),
     "-14.5184"},

    // Strict lengths.
    {"blank bore", Option::inches, false, example1({{bore, " "}}), ErrorKind::TypeMismatch, "bore: ' ' is not a number."},
    {"blank stroke", Option::inches, false, example1({{stroke, " "}}), ErrorKind::TypeMismatch},
    {"blank deck", Option::inches, false, example1({{deck, " "}}), ErrorKind::TypeMismatch},
    {"bore with digit grouping", Option::mm, false, example1({{bore, "4,030"}}), ErrorKind::TypeMismatch},
    {"bore beyond the double range", Option::inches, false, example1({{bore, "1E+308"}}), ErrorKind::Overflow,
     "bore: '1E+308' is too large a number."},

    // The optional lengths: a chain that stops at the first field it may pass over.
    {"piston text read although the dead area is off", Option::inches, false, example1({{piston, "n/a"}}),
     ErrorKind::TypeMismatch, "piston: 'n/a' is not a number."},
    {"piston empty: the rest is not read", Option::inches, false,
     example1({{topring, "x"}, {gasketbore, "x"}, {compthick, "x"}}), "9.9417"},
    {"topring empty: gasket dimensions are not read", Option::inches, false,
     example1({{piston, "4"}, {gasketbore, "x"}}), "9.9417"},
    {"piston and topring given: gasket bore is read", Option::inches, false,
     example1({{piston, "4"}, {topring, "0.2"}, {gasketbore, "x"}}), ErrorKind::TypeMismatch},
    {"gasket bore empty: thickness is not read", Option::inches, false,
     example1({{piston, "4"}, {topring, "0.2"}, {compthick, "x"}}), "9.9417"},
    {"dead area on: gasket bore text is read", Option::inches, true,
     example1({{piston, "4"}, {topring, "0.2"}, {gasketbore, "x"}}), ErrorKind::TypeMismatch},
    {"dead area on: thickness not read without gasket bore", Option::inches, true,
     example1({{piston, "4"}, {topring, "0.2"}, {compthick, "x"}}), "9.8741"},

    // Rounding and display.
    {"a ratio of exactly 10", Option::mm, false, {{cyls, "1"}, {bore, "20"}, {stroke, "10"}, {deck, "0"}, {chamb, "0.349"}, {dome, "0"}},
     "10"},
    {"a ratio of 8.5", Option::mm, false, {{cyls, "1"}, {bore, "20"}, {stroke, "10"}, {deck, "0"}, {chamb, "0.4188"}, {dome, "0"}},
     "8.5"},

    // Failing arithmetic.
    {"clearance of zero", Option::inches, false, {{cyls, "1"}, {bore, "4"}, {stroke, "3"}, {deck, "0"}, {chamb, "0"}, {dome, "0"}},
     ErrorKind::DivisionByZero, "The clearance volume comes to 0, so there is no ratio."},
    {"clearance and total of zero", Option::inches, false,
     {{cyls, "1"}, {bore, "4"}, {stroke, "0"}, {deck, "0"}, {chamb, "0"}, {dome, "0"}}, ErrorKind::Overflow,
     "The clearance volume comes to 0, so there is no ratio."},
    {"ratio beyond the currency range", Option::mm, false,
     {{cyls, "1"}, {bore, "20"}, {stroke, "10"}, {deck, "0"}, {chamb, "1E-15"}, {dome, "0"}}, ErrorKind::Overflow,
     "The ratio is too large to show."},
    {"volume beyond the double range", Option::inches, false, example1({{chamb, "1E+400"}}), ErrorKind::Overflow,
     "chamb: '1E+400' is too large a number."},
    {"bore whose volume overflows", Option::inches, false, example1({{bore, "1E+200"}}), ErrorKind::Overflow,
     "The figures are too large to compute with."},
};

class CalculateTest : public ::testing::TestWithParam<Engine> {};

TEST_P(CalculateTest, shows_the_ratio_or_raises_and_keeps_the_last_one)
{
    const Engine& engine = GetParam();
    LoadedForm window;
    window.view.setSelected(engine.unit, true);
    window.view.usetopland = engine.topLand;
    window.view.captions[Caption::vorsil] = "7.5";
    window.view.fill(engine.entries);
    const FakeForm before = window.view;

    if (const auto* ratio = std::get_if<std::string>(&engine.expected)) {
        window.form.calcClick();
        EXPECT_EQ(window.view.caption(Caption::vorsil), *ratio);
    } else {
        try {
            window.form.calcClick();
            FAIL() << "no error raised";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), std::get<ErrorKind>(engine.expected)) << error.what();
            if (!engine.blame.empty()) {
                EXPECT_EQ((error.field().empty() ? "" : error.field() + ": ") + error.detail(), engine.blame);
            }
        }
        EXPECT_EQ(window.view.caption(Caption::vorsil), "7.5");
    }
    // The ratio is the one thing Calculate may change.
    window.view.captions[Caption::vorsil] = "7.5";
    EXPECT_EQ(window.view, before);
}

INSTANTIATE_TEST_SUITE_P(Engines, CalculateTest, ::testing::ValuesIn(engines), [](const auto& info) {
    std::string name = info.param.what;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

TEST(CalculateEntries, a_missing_entry_shows_one_message_and_goes_to_the_first_empty_field)
{
    const std::vector<std::tuple<const char*, std::vector<std::pair<Field, std::string>>, Field>> incomplete = {
        {"all empty", {}, cyls},
        {"cyls empty", example1({{cyls, ""}}), cyls},
        {"dome empty", example1({{dome, ""}}), dome},
        {"deck and chamber empty", example1({{deck, ""}, {chamb, ""}}), chamb},
    };
    for (const auto& [what, entries, firstEmpty] : incomplete) {
        LoadedForm window;
        window.view.captions[Caption::vorsil] = "9.9";
        window.view.fill(entries);
        FakeForm expected = window.view;
        expected.messages = {kAllValuesMessage.source};
        expected.focus = firstEmpty;

        window.form.calcClick();
        EXPECT_EQ(window.view, expected) << what;
    }
}

TEST(CalculateEntries, dead_area_needs_piston_and_topring)
{
    for (const Field missing : {piston, topring}) {
        LoadedForm window;
        window.view.usetopland = true;
        window.view.fill({{piston, "4"}, {topring, "0.2"}});
        window.view.fill(example1());
        window.view.texts[missing] = "";

        window.form.calcClick();
        EXPECT_EQ(window.view.messages, std::vector<std::string>{kAllValuesMessage.source});
        EXPECT_EQ(window.view.caption(Caption::vorsil), "");
    }
}

TEST(CalculateLocale, commas_throughout_give_the_ratio_that_points_give)
{
    for (const Engine& engine : engines) {
        const auto* ratio = std::get_if<std::string>(&engine.expected);
        const bool hasComma = std::ranges::any_of(engine.entries, [](const auto& e) { return e.second.find(',') != std::string::npos; });
        if (!ratio || hasComma) continue;
        LoadedForm window(numeric::NumberLocale{",", "."});
        window.view.setSelected(engine.unit, true);
        window.view.usetopland = engine.topLand;
        for (auto [field, text] : engine.entries) {
            std::replace(text.begin(), text.end(), '.', ',');
            window.view.texts[field] = text;
        }
        window.form.calcClick();
        std::string withComma = *ratio;
        std::replace(withComma.begin(), withComma.end(), '.', ',');
        EXPECT_EQ(window.view.caption(Caption::vorsil), withComma) << engine.what;
    }
}

TEST(CalculateUnits, with_neither_unit_selected_every_length_counts_as_zero)
{
    LoadedForm window;
    window.view.inches = false;
    window.view.fill(example1({{bore, "not read"}}));
    window.form.calcClick();
    EXPECT_EQ(window.view.caption(Caption::vorsil), "1");
}

}  // namespace
}  // namespace form::testing
