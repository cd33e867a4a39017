#include "fake_form.h"
#include "numeric/number_text.h"
#include "numeric/runtime_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace form::testing {
namespace {

using enum Field;

struct SolveCase {
    const char* what;
    Field solved;
    bool mm; // the second worked example, in mm with the dead area; else the first
    Entries changes;
    std::optional<std::string> wanted; // typed into the dialog; none cancels it
    std::string outcome;               // the text written; or, with no ratio, what was said instead
    std::string ratio = {};            // shown afterwards
    std::string preview = {};          // what the dialog said of it, when the row looks
    numeric::NumberLocale locale = {};
};

const Entries readme = {{chamber, ""},
                        {deckHeight, "0.025"},
                        {gasketBore, "4.100"},
                        {gasketThickness, "0.039"},
                        {gasketVolume, "8.43609409971354"}};
const std::string noRoom = "50 : 1 needs 14.84 cc of clearance; the other volumes already come to ";

// clang-format off
const std::vector<SolveCase> cases = {
    // The solved field's own text is never read; solving compthick reads no gasket volume either.
    {"README engine, empty chamber", chamber, false, readme, "10.5", "57.89", "10.5006",
     "57.89 cc would be written, giving 10.5006 : 1."},
    {"chamber beside the one now", chamber, false, {}, "10.5", "59.22", "10.5001",
     "59.22 cc would replace 64 cc, giving 10.5001 : 1."},
    {"dome", dome, false, {{dome, "x"}}, "10.5", "-0.22", "10.5001"},
    {"dome that rounds to 0", dome, false, {}, "10.5274", "0", "10.5274"},
    {"dish becoming a dome", dome, false, {}, "11", "3.61", "11.0004", "A 5 cc dish becomes a 3.61 cc dome, giving 11.0004 : 1."},
    {"gasket volume", gasketVolume, false, {}, "10", "8.67", "10.0004"},
    {"deck height below the deck", deckHeight, false, {{deckHeight, "x"}}, "10.5", "-0.0079", "10.5008"},
    {"thickness", gasketThickness, false, {{gasketBore, "4.1"}, {gasketThickness, "x"}, {gasketVolume, "zz"}}, "10.5", "0.0204",
     "10.501", "0.0204 in would be written, giving 10.501 : 1.\nQuench distance: 0.0354 in."},
    {"chamber in mm", chamber, true, {}, "11", "64.36", "11.0003"},
    {"dome in mm", dome, true, {}, "12", "3.9", "11.9995"},
    {"gasket volume in mm", gasketVolume, true, {}, "11.5", "11.02", "11.5005"},
    {"deck height in mm", deckHeight, true, {{gasketThickness, "1.2"}}, "11", "0.968", "10.9995",
     "0.968 mm would replace 0.25 mm, giving 10.9995 : 1.\nQuench distance: 2.168 mm instead of 1.45 mm."},
    {"thickness in mm", gasketThickness, true, {{gasketBore, "103"}}, "11", "1.736", "11",
     "1.736 mm would be written, giving 11 : 1.\nQuench distance: 1.986 mm."},
    {"decimal commas", chamber, false, {{bore, "4,030"}, {stroke, "3,480"}, {deckHeight, "0,015"}, {gasketVolume, "9,2"}}, "10,5",
     "59,22", "10,5001", {}, {",", "."}},
    // The ratio as builders write it.
    {"ending in :1", chamber, false, {}, "10.5:1", "59.22", "10.5001"},
    {"ending in : 1, decimal comma", chamber, false, {{bore, "4,030"}, {stroke, "3,480"}, {deckHeight, "0,015"}}, " 10,5 : 1 ",
     "59,22", "10,5001", {}, {",", "."}},

    // Refusals: nothing changes.
    {"cancelled", chamber, false, {}, std::nullopt, ""},
    {"not a number", chamber, false, {}, "10.5:2", "Type the compression ratio you want, as a number."},
    {"a decimal point where commas are written", chamber, false, {{bore, "4,030"}, {stroke, "3,480"}, {deckHeight, "0,015"}},
     "10.5", "'10.5' is not a number; write decimals with a comma: 10,5.", {}, {}, {",", "."}},
    {"ratio not above 1", dome, false, {}, "1 : 1", "A compression ratio is always above 1."},
    {"no swept volume", chamber, false, {{stroke, "0"}}, "10", "There is no swept volume: the bore or the stroke is 0."},
    {"gasket bore of 0", gasketThickness, false, {{gasketBore, "0"}}, "10",
     "With a gasket bore of 0, no thickness makes a gasket volume."},
    {"overflow", chamber, false, {{bore, "1E+200"}}, "10", "The figures are too large to compute with."},
    {"gasket volume worked out from its dimensions", gasketVolume, false, {{gasketBore, "4.1"}, {gasketThickness, "x"}}, "10",
     std::string(kGasketVolumeFromDimensions.source)},
    {"chamber of 0 or less", chamber, false, {}, "50", noRoom + "17.33 cc. This field allows at most 42.93 : 1."},
    {"gasket volume below 0", gasketVolume, false, {}, "50", noRoom + "72.13 cc. This field allows at most 11.08 : 1."},
    {"thickness of 0 or less", gasketThickness, false, {{gasketBore, "4.1"}}, "50",
     noRoom + "72.13 cc. This field allows at most 11.07 : 1."},
    {"deck height: the piston would reach the head", deckHeight, false, {{gasketThickness, "0.039"}}, "13",
     "The piston would reach the head: the quench distance would be -0.0452 in. This field allows at most 11.37 : 1."},
    {"thickness: the piston would reach the head", gasketThickness, false, {{gasketBore, "4.1"}, {deckHeight, "-0.02"}}, "12",
     "The piston would reach the head: the quench distance would be -0.014 in. This field allows at most 11.51 : 1."},

    // Checks before the dialog opens.
    {"a needed field empty", chamber, false, {{dome, ""}}, "10", "All values must be entered -> dome"},
    {"thickness without a gasket bore", gasketThickness, false, {}, "10",
     "Enter the Gasket Bore to solve for the Compressed Thickness -> gasketBore"},
    {"a length not a number", chamber, false, {{bore, "abc"}}, "10", "bore: 'abc' is not a number."},
    {"gasket bore read after the chain, before the deck", gasketThickness, false, {{gasketBore, "x"}, {deckHeight, "y"}}, "10",
     "gasketBore: 'x' is not a number."},
};
// clang-format on

// The refusal as the English reads it, after "field: " when it names one.
std::string spelled(const Refusal& refusal)
{
    const std::string text = message::english(refusal.why);
    return refusal.field ? std::string(nameOf(*refusal.field)) + ": " + text : text;
}

// A worked example, or the mm one with the dead area, showing 7.5 : 1.
void load(LoadedForm& window, bool mm, const Entries& changes)
{
    window.view.setSelected(mm ? Option::mm : Option::inches, true);
    window.view.deadArea = mm;
    window.view.results[Result::ratio] = "7.5";
    window.view.fill(workedExample(mm, changes));
}

TEST(SolveForRatio, writes_the_figure_then_calculates_or_says_why_not)
{
    for (const SolveCase& c : cases) {
        LoadedForm window(c.locale);
        load(window, c.mm, c.changes);
        window.view.wantedRatio = c.wanted;
        FakeForm expected = window.view;

        std::string said;
        try {
            window.form.solveForRatio(c.solved);
        } catch (const numeric::RuntimeError& error) {
            said = error.field() + ": " + error.detail();
        }
        const auto& offered = window.view.offered;
        if (c.ratio.empty()) {
            if (offered) said = spelled(offered->refusal);
            // A message sends the focus to the entry it asks for.
            if (!window.view.messages.empty() && window.view.focus) {
                said = window.view.messages.front() + " -> " + std::string(nameOf(*window.view.focus));
                expected.messages = window.view.messages;
                expected.focus = window.view.focus;
            }
            EXPECT_EQ(said, c.outcome) << c.what;
            EXPECT_EQ(window.view, expected) << c.what;
            continue;
        }
        // As the dialog showed it, and then Calculate; nothing else changes,
        // and the focus is back in the field.
        ASSERT_TRUE(offered) << c.what;
        EXPECT_EQ(offered->figure, c.outcome) << c.what;
        EXPECT_EQ(offered->ratio, c.ratio) << c.what;
        if (!c.preview.empty()) {
            std::string preview = message::english(offered->change);
            if (!offered->quench.empty()) preview += "\n" + message::english(offered->quench);
            EXPECT_EQ(preview, c.preview) << c.what;
        }
        expected.texts[c.solved] = c.outcome;
        if (c.solved == gasketThickness) expected.texts[gasketVolume] = window.view.text(gasketVolume);
        expected.results[Result::ratio] = c.ratio;
        expected.focus = c.solved;
        EXPECT_EQ(window.view, expected) << c.what;
    }
}

// Rounding moves the ratio, but never past what half a rounding step either
// side of the written figure gives.
TEST(SolveForRatio, the_wanted_ratio_lies_between_the_ratios_half_a_step_either_side)
{
    std::mt19937 random(16);
    const auto between = [&](double low, double high) { return std::uniform_real_distribution(low, high)(random); };
    const auto text = [](double value) { return numeric::numberText(value, {}); };
    int solved = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const bool mm = random() % 2;
        const double unit = mm ? 25.4 : 1, diameter = between(2.5, 4.5) * unit;
        // clang-format off
        const Entries engine = {{bore, text(diameter)}, {stroke, text(between(2.5, 4.5) * unit)},
            {deckHeight, text(between(-0.02, 0.05) * unit)}, {chamber, text(between(30, 90))}, {dome, text(between(-20, 20))},
            {gasketVolume, text(between(0, 12))}, {gasketBore, text(diameter * 1.02)}, {pistonDiameter, text(diameter * 0.995)}};
        // clang-format on
        const Field field = std::array{chamber, dome, gasketVolume, deckHeight, gasketThickness}[random() % 5];
        const double wanted = std::round(between(7, 15) * 100) / 100;
        // Solves for the wanted ratio: the figure, or empty; or calculates with the field holding figure.
        const auto run = [&](std::optional<double> figure) {
            LoadedForm window;
            load(window, mm, engine);
            window.view.wantedRatio = text(wanted);
            if (!figure) window.form.solveForRatio(field);
            if (!figure) return window.view.offered->figure;
            window.view.texts[field] = text(*figure);
            if (field == gasketThickness) window.form.leftGasketThickness();
            window.form.calculate();
            return window.view.result(Result::ratio);
        };
        const std::string written = run({});
        if (written.empty()) continue; // refused
        ++solved;
        const double halfStep = (field == deckHeight || field == gasketThickness ? (mm ? 0.001 : 0.0001) : 0.01) / 2;
        const double below = std::stod(run(std::stod(written) - halfStep));
        const double above = std::stod(run(std::stod(written) + halfStep));
        EXPECT_GE(wanted, std::min(below, above) - 0.00005) << trial;
        EXPECT_LE(wanted, std::max(below, above) + 0.00005) << trial;
    }
    EXPECT_GT(solved, 280); // the rest are refused, most for want of room above the piston
}

} // namespace
} // namespace form::testing
