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
    std::variant<std::string, ErrorKind> expected; // the ratio shown, or the error raised
    std::string blame = {};                        // what the error says: "field: detail", or the detail
};

// A filled engine of the first worked example: only the named entries differ.
Entries example1(const Entries& changes = {})
{
    return workedExample(false, changes);
}

// clang-format off
const std::vector<Engine> engines = {
    {"worked example in inches", Option::inches, false, example1(), "9.9417"},
    {"worked example in mm with dead area", Option::mm, true, workedExample(true), "11.8834"},
    {"same engine in inches", Option::inches, false,
     {{cylinders, "8"}, {bore, "4"}, {stroke, "3"}, {deckHeight, "0.01"}, {chamber, "60"}, {dome, "0"}, {gasketVolume, "8"}}, "9.8163"},
    {"same engine in mm", Option::mm, false,
     {{cylinders, "8"}, {bore, "101.6"}, {stroke, "76.2"}, {deckHeight, "0.254"}, {chamber, "60"}, {dome, "0"}, {gasketVolume, "8"}}, "9.8163"},

    // Lenient volumes: leading number or 0.
    {"gasket volume empty counts as 0", Option::inches, false, example1({{gasketVolume, ""}}), "11.0822"},
    {"chamber with a unit after it", Option::inches, false, example1({{chamber, "64cc"}}), "9.9417"},
    {"gasket volume with a comma reads its whole part", Option::inches, false, example1({{gasketVolume, "9,2"}}), "9.9638"},
    {"a blank chamber counts as 0", Option::inches, false, example1({{chamber, " "}}), "42.9546"},
    {"dome of -5 adds to the clearance", Option::inches, false, example1({{dome, "-5"}}), "9.9417"},
    {"dome of 5 takes from the clearance", Option::inches, false, example1({{dome, "5"}}), "11.1952"},
    {"cylinders are only checked for text", Option::inches, false, example1({{cylinders, "abc"}}), "9.9417"},
    {"negative clearance gives a negative ratio", Option::inches, false, example1({{chamber, "0"}, {gasketVolume, ""}, {dome, "50"}}),
     "-14.5184"},

    // Strict lengths.
    {"blank bore", Option::inches, false, example1({{bore, " "}}), ErrorKind::TypeMismatch, "bore: ' ' is not a number."},
    {"blank stroke", Option::inches, false, example1({{stroke, " "}}), ErrorKind::TypeMismatch},
    {"blank deck", Option::inches, false, example1({{deckHeight, " "}}), ErrorKind::TypeMismatch},
    {"bore with digit grouping", Option::mm, false, example1({{bore, "4,030"}}), ErrorKind::TypeMismatch},
    {"bore beyond the double range", Option::inches, false, example1({{bore, "1E+308"}}), ErrorKind::Overflow,
     "bore: '1E+308' is too large a number."},

    // The optional lengths: a chain that stops at the first field it may pass over.
    {"piston text read although the dead area is off", Option::inches, false, example1({{pistonDiameter, "n/a"}}),
     ErrorKind::TypeMismatch, "pistonDiameter: 'n/a' is not a number."},
    {"piston empty: the rest is not read", Option::inches, false,
     example1({{topRingDepth, "x"}, {gasketBore, "x"}, {gasketThickness, "x"}}), "9.9417"},
    {"topring empty: gasket dimensions are not read", Option::inches, false,
     example1({{pistonDiameter, "4"}, {gasketBore, "x"}}), "9.9417"},
    {"piston and topring given: gasket bore is read", Option::inches, false,
     example1({{pistonDiameter, "4"}, {topRingDepth, "0.2"}, {gasketBore, "x"}}), ErrorKind::TypeMismatch},
    {"gasket bore empty: thickness is not read", Option::inches, false,
     example1({{pistonDiameter, "4"}, {topRingDepth, "0.2"}, {gasketThickness, "x"}}), "9.9417"},
    {"dead area on: gasket bore text is read", Option::inches, true,
     example1({{pistonDiameter, "4"}, {topRingDepth, "0.2"}, {gasketBore, "x"}}), ErrorKind::TypeMismatch},
    {"dead area on: thickness not read without gasket bore", Option::inches, true,
     example1({{pistonDiameter, "4"}, {topRingDepth, "0.2"}, {gasketThickness, "x"}}), "9.8741"},

    // Rounding and display.
    {"a ratio of exactly 10", Option::mm, false, {{cylinders, "1"}, {bore, "20"}, {stroke, "10"}, {deckHeight, "0"}, {chamber, "0.349"}, {dome, "0"}},
     "10"},
    {"a ratio of 8.5", Option::mm, false, {{cylinders, "1"}, {bore, "20"}, {stroke, "10"}, {deckHeight, "0"}, {chamber, "0.4188"}, {dome, "0"}},
     "8.5"},

    // Failing arithmetic.
    {"clearance of zero", Option::inches, false, {{cylinders, "1"}, {bore, "4"}, {stroke, "3"}, {deckHeight, "0"}, {chamber, "0"}, {dome, "0"}},
     ErrorKind::DivisionByZero, "The clearance volume comes to 0, so there is no ratio."},
    {"clearance and total of zero", Option::inches, false,
     {{cylinders, "1"}, {bore, "4"}, {stroke, "0"}, {deckHeight, "0"}, {chamber, "0"}, {dome, "0"}}, ErrorKind::Overflow,
     "The clearance volume comes to 0, so there is no ratio."},
    {"ratio beyond the currency range", Option::mm, false,
     {{cylinders, "1"}, {bore, "20"}, {stroke, "10"}, {deckHeight, "0"}, {chamber, "1E-15"}, {dome, "0"}}, ErrorKind::Overflow,
     "The ratio is too large to show."},
    {"volume beyond the double range", Option::inches, false, example1({{chamber, "1E+400"}}), ErrorKind::Overflow,
     "chamber: '1E+400' is too large a number."},
    {"bore whose volume overflows", Option::inches, false, example1({{bore, "1E+200"}}), ErrorKind::Overflow,
     "The figures are too large to compute with."},
};
// clang-format on

class CalculateTest : public ::testing::TestWithParam<Engine> {};

TEST_P(CalculateTest, shows_the_ratio_or_raises_and_keeps_the_last_one)
{
    const Engine& engine = GetParam();
    LoadedForm window;
    window.view.setSelected(engine.unit, true);
    window.view.deadArea = engine.topLand;
    window.view.results[Result::ratio] = "7.5";
    window.view.fill(engine.entries);
    const FakeForm before = window.view;

    if (const auto* ratio = std::get_if<std::string>(&engine.expected)) {
        window.form.calculate();
        EXPECT_EQ(window.view.result(Result::ratio), *ratio);
    } else {
        try {
            window.form.calculate();
            FAIL() << "no error raised";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), std::get<ErrorKind>(engine.expected)) << error.what();
            if (!engine.blame.empty()) {
                EXPECT_EQ((error.field().empty() ? "" : error.field() + ": ") + error.detail(), engine.blame);
            }
        }
        EXPECT_EQ(window.view.result(Result::ratio), "7.5");
    }
    // The ratio is the one thing Calculate may change.
    window.view.results[Result::ratio] = "7.5";
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
        {"all empty", {}, cylinders},
        {"cyls empty", example1({{cylinders, ""}}), cylinders},
        {"dome empty", example1({{dome, ""}}), dome},
        {"deck and chamber empty", example1({{deckHeight, ""}, {chamber, ""}}), chamber},
    };
    for (const auto& [what, entries, firstEmpty] : incomplete) {
        LoadedForm window;
        window.view.results[Result::ratio] = "9.9";
        window.view.fill(entries);
        FakeForm expected = window.view;
        expected.messages = {kAllValuesMessage.source};
        expected.focus = firstEmpty;

        window.form.calculate();
        EXPECT_EQ(window.view, expected) << what;
    }
}

TEST(CalculateEntries, dead_area_needs_piston_and_topring)
{
    for (const Field missing : {pistonDiameter, topRingDepth}) {
        LoadedForm window;
        window.view.deadArea = true;
        window.view.fill({{pistonDiameter, "4"}, {topRingDepth, "0.2"}});
        window.view.fill(example1());
        window.view.texts[missing] = "";

        window.form.calculate();
        EXPECT_EQ(window.view.messages, std::vector<std::string>{kAllValuesMessage.source});
        EXPECT_EQ(window.view.result(Result::ratio), "");
    }
}

TEST(CalculateLocale, commas_throughout_give_the_ratio_that_points_give)
{
    for (const Engine& engine : engines) {
        const auto* ratio = std::get_if<std::string>(&engine.expected);
        const bool hasComma =
            std::ranges::any_of(engine.entries, [](const auto& e) { return e.second.find(',') != std::string::npos; });
        if (!ratio || hasComma) continue;
        LoadedForm window(numeric::NumberLocale{",", "."});
        window.view.setSelected(engine.unit, true);
        window.view.deadArea = engine.topLand;
        for (auto [field, text] : engine.entries) {
            std::replace(text.begin(), text.end(), '.', ',');
            window.view.texts[field] = text;
        }
        window.form.calculate();
        std::string withComma = *ratio;
        std::replace(withComma.begin(), withComma.end(), '.', ',');
        EXPECT_EQ(window.view.result(Result::ratio), withComma) << engine.what;
    }
}

TEST(CalculateUnits, with_neither_unit_selected_every_length_counts_as_zero)
{
    LoadedForm window;
    window.view.inches = false;
    window.view.fill(example1({{bore, "not read"}}));
    window.form.calculate();
    EXPECT_EQ(window.view.result(Result::ratio), "1");
}

} // namespace
} // namespace form::testing
