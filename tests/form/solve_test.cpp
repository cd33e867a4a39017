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
using namespace std::string_literals;

struct SolveCase {
    const char* what;
    Field solved;
    Option unit;
    bool topLand;
    Entries entries;
    std::optional<std::string> wanted;  // typed into the dialog; none cancels it
    std::string written;                // the field's text afterwards
    std::string ratio;                  // shown afterwards; "7.5" was shown before
    std::string said = {};              // the refusal, the message, or the error as "field: detail"
    std::string quench = {};
    numeric::NumberLocale locale = {};
};

const Entries readmeGasket = {
    {deck, "0.025"}, {gasketbore, "4.100"}, {compthick, "0.039"}, {gasketvol, "8.43609409971354"}};
const std::string noRoom = "50 : 1 needs 14.84 cc of clearance; the other volumes already come to ";

const std::vector<SolveCase> cases = {
    // The figure written, and the ratio Calculate then shows. The solved
    // field's own text is never read; solving compthick reads no gasket volume.
    {"chamber of the README engine", chamb, Option::inches, false, workedExample1(readmeGasket), "10.5", "57.89",
     "10.5006"},
    {"chamber left empty", chamb, Option::inches, false, workedExample1({{chamb, ""}}), "10.5", "59.22", "10.5001"},
    {"dome", dome, Option::inches, false, workedExample1({{dome, "x"}}), "10.5", "-0.22", "10.5001"},
    {"dome that rounds to 0", dome, Option::inches, false, workedExample1(), "10.5274", "0", "10.5274"},
    {"gasket volume", gasketvol, Option::inches, false, workedExample1(), "10", "8.67", "10.0004"},
    {"deck height below the deck", deck, Option::inches, false, workedExample1({{deck, "x"}}), "10.5", "-0.0079",
     "10.5008"},
    {"thickness fills in the gasket volume", compthick, Option::inches, false,
     workedExample1({{gasketbore, "4.1"}, {compthick, "x"}, {gasketvol, "zz"}}), "10.5", "0.0204", "10.501", {},
     "0.0354"},
    {"chamber in mm with dead area", chamb, Option::mm, true, workedExample2(), "11", "64.36", "11.0003"},
    {"dome in mm with dead area", dome, Option::mm, true, workedExample2(), "12", "3.9", "11.9995"},
    {"gasket volume in mm with dead area", gasketvol, Option::mm, true, workedExample2(), "11.5", "11.02", "11.5005"},
    {"deck height in mm with dead area", deck, Option::mm, true, workedExample2({{compthick, "1.2"}}), "11", "0.968",
     "10.9995", {}, "2.168"},
    {"thickness in mm with dead area", compthick, Option::mm, true, workedExample2({{gasketbore, "103"}}), "11",
     "1.736", "11", {}, "1.986"},
    {"decimal commas", chamb, Option::inches, false,
     workedExample1({{bore, "4,030"}, {stroke, "3,480"}, {deck, "0,015"}, {gasketvol, "9,2"}}), "10,5", "59,22",
     "10,5001", {}, {}, {",", "."}},

    // Refusals: nothing is written.
    {"cancelled", chamb, Option::inches, false, workedExample1(), std::nullopt, "64", "7.5"},
    {"ratio not a number", chamb, Option::inches, false, workedExample1(), "10.5:1", "64", "7.5",
     "Type the compression ratio you want, as a number."},
    {"ratio not above 1", dome, Option::inches, false, workedExample1(), "1", "-5", "7.5",
     "A compression ratio is always above 1."},
    {"no swept volume", chamb, Option::inches, false, workedExample1({{stroke, "0"}}), "10", "64", "7.5",
     "There is no swept volume: the bore or the stroke is 0."},
    {"gasket bore of 0", compthick, Option::inches, false, workedExample1({{gasketbore, "0"}}), "10", "", "7.5",
     "With a gasket bore of 0, no thickness makes a gasket volume."},
    {"figures too large", chamb, Option::inches, false, workedExample1({{bore, "1E+200"}}), "10", "64", "7.5",
     "The figures are too large to compute with."},
    {"a volume beyond the double range", chamb, Option::inches, false, workedExample1({{dome, "1E+400"}}), "10", "64",
     "7.5", "dome: '1E+400' is too large a number."},
    {"chamber of 0 or less", chamb, Option::inches, false, workedExample1(), "50", "64", "7.5", noRoom + "17.33 cc."s},
    {"gasket volume below 0", gasketvol, Option::inches, false, workedExample1(), "50", "9.2", "7.5",
     noRoom + "72.13 cc."s},
    {"thickness of 0 or less", compthick, Option::inches, false, workedExample1({{gasketbore, "4.1"}}), "50", "", "7.5",
     noRoom + "72.13 cc."s},

    // Checks before the dialog opens.
    {"a needed field empty", chamb, Option::inches, false, workedExample1({{dome, ""}}), "10", "64", "7.5",
     "All values must be entered"},
    {"thickness without a gasket bore", compthick, Option::inches, false, workedExample1(), "10", "", "7.5",
     "Enter the Gasket Bore to solve for the Compressed Thickness"},
    {"a length not a number", chamb, Option::inches, false, workedExample1({{bore, "abc"}}), "10", "64", "7.5",
     "bore: 'abc' is not a number."},
    {"gasket bore read after the chain, before the deck", compthick, Option::inches, false,
     workedExample1({{gasketbore, "x"}, {deck, "y"}}), "10", "", "7.5", "gasketbore: 'x' is not a number."},
};

TEST(SolveForRatio, writes_the_figure_then_calculates_or_says_why_not)
{
    for (const SolveCase& c : cases) {
        LoadedForm window(c.locale);
        window.view.setSelected(c.unit, true);
        window.view.usetopland = c.topLand;
        window.view.captions[Caption::vorsil] = "7.5";
        window.view.fill(c.entries);
        window.view.wantedRatio = c.wanted;
        FakeForm expected = window.view;

        std::string said;
        try {
            window.form.solveForRatio(c.solved);
        } catch (const numeric::RuntimeError& error) {
            said = error.field() + ": " + error.detail();
        }
        const auto& offered = window.view.offered;
        if (!window.view.messages.empty()) said = window.view.messages.front();
        if (offered && offered->figure.empty()) said = spelled(offered->refusal);
        EXPECT_EQ(window.view.text(c.solved), c.written) << c.what;
        EXPECT_EQ(window.view.caption(Caption::vorsil), c.ratio) << c.what;
        EXPECT_EQ(said, c.said) << c.what;
        EXPECT_EQ(offered ? offered->quench : "", c.quench) << c.what;

        // Nothing else changes; the focus is back in the solved field.
        if (c.ratio == "7.5") continue;
        EXPECT_EQ(offered->ratio, c.ratio) << c.what << ": as the dialog showed it";
        expected.texts[c.solved] = c.written;
        if (c.solved == compthick) expected.texts[gasketvol] = window.view.text(gasketvol);
        expected.captions[Caption::vorsil] = c.ratio;
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
        const double scale = mm ? 25.4 : 1, bore = between(2.5, 4.5);
        const Entries engine = {{cyls, "4"},
                                {Field::bore, text(bore * scale)},
                                {stroke, text(between(2.5, 4.5) * scale)},
                                {deck, text(between(-0.02, 0.05) * scale)},
                                {chamb, text(between(30, 90))},
                                {dome, text(between(-20, 20))},
                                {gasketvol, text(between(0, 12))},
                                {gasketbore, text(bore * 1.02 * scale)},
                                {piston, text(bore * 0.995 * scale)},
                                {topring, text(0.25 * scale)}};
        const bool topLand = random() % 2;
        const Field field = std::array{chamb, dome, gasketvol, deck, compthick}[random() % 5];
        const double wanted = std::round(between(7, 15) * 100) / 100;
        // Solves the engine for the wanted ratio: the text written, empty
        // when refused. With changes, calculates it: the ratio shown.
        const auto run = [&](const Entries& changes) {
            LoadedForm window;
            window.view.setSelected(mm ? Option::mm : Option::inches, true);
            window.view.usetopland = topLand;
            window.view.fill(engine);
            window.view.fill(changes);
            window.view.wantedRatio = text(wanted);
            if (changes.empty()) {
                window.form.solveForRatio(field);
                return window.view.offered->figure.empty() ? std::string() : window.view.text(field);
            }
            if (field == compthick) window.form.compthickLostFocus();
            window.form.calcClick();
            return window.view.caption(Caption::vorsil);
        };

        const std::string written = run({});
        if (written.empty()) continue;  // refused
        ++solved;
        const double figure = std::stod(written);
        const double halfStep = (field == deck || field == compthick ? (mm ? 0.001 : 0.0001) : 0.01) / 2;
        const double below = std::stod(run({{field, text(figure - halfStep)}}));
        const double above = std::stod(run({{field, text(figure + halfStep)}}));
        EXPECT_GE(wanted, std::min(below, above) - 0.00005) << trial;
        EXPECT_LE(wanted, std::max(below, above) + 0.00005) << trial;
    }
    EXPECT_GT(solved, 300);
}

}  // namespace
}  // namespace form::testing
