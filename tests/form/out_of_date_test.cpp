#include "fake_form.h"
#include "form/out_of_date.h"

#include <gtest/gtest.h>

#include <functional>

namespace form::testing {
namespace {

using enum Field;

struct StaleCase {
    const char* what;
    std::function<void(LoadedForm&)> act; // on the first worked example, its ratio and capacity just shown
    bool ratioOutOfDate;
    bool capacityOutOfDate;
};

// clang-format off
const std::vector<StaleCase> cases = {
    {"the thickness typed", [](LoadedForm& w) { w.view.texts[gasketThickness] = "0.04"; }, true, false},
    {"the same figure typed back", [](LoadedForm& w) { w.view.texts[chamber] = "60"; w.view.texts[chamber] = "64"; },
     false, false},
    {"the number of cylinders typed", [](LoadedForm& w) { w.view.texts[cylinders] = "6"; }, true, true},
    {"left after typing: the capacity follows", [](LoadedForm& w) { w.view.texts[cylinders] = "6"; w.form.leftCylinders(); },
     true, false},
    {"a unit click", [](LoadedForm& w) { w.view.setSelected(Option::mm, true); }, true, false},
    {"a unit click and back", [](LoadedForm& w) {
         w.view.setSelected(Option::mm, true);
         w.view.setSelected(Option::inches, true);
     }, false, false},
    {"the dead area ticked", [](LoadedForm& w) { w.view.deadArea = true; }, true, false},
    {"Clear", [](LoadedForm& w) { w.form.clear(); }, true, true},
    {"a Calculate that stops on a box", [](LoadedForm& w) {
         w.view.texts[chamber] = "60";
         w.view.texts[dome] = "";
         w.form.calculate();
     }, true, false},
    {"Calculate after an edit", [](LoadedForm& w) { w.view.texts[chamber] = "60"; w.form.calculate(); }, false, false},
    {"a solve", [](LoadedForm& w) { w.view.wantedRatio = "10.5"; w.form.solveForRatio(chamber); }, false, false},
    {"the bore emptied and left", [](LoadedForm& w) { w.view.texts[bore] = ""; w.form.leftBore(); }, true, true},
    {"the capacity emptied by a unit click", [](LoadedForm& w) {
         w.view.texts[stroke] = "";
         w.view.setSelected(Option::mm, true);
     }, true, false},
};
// clang-format on

TEST(OutOfDate, a_result_is_out_of_date_while_what_it_was_worked_out_from_differs)
{
    for (const StaleCase& c : cases) {
        LoadedForm window;
        window.view.fill(workedExample(false));
        window.form.leftBore();
        window.form.calculate();
        ASSERT_FALSE(isOutOfDate(window.view, Result::ratio));
        ASSERT_FALSE(isOutOfDate(window.view, Result::capacity));

        c.act(window);
        EXPECT_EQ(isOutOfDate(window.view, Result::ratio), c.ratioOutOfDate) << c.what;
        EXPECT_EQ(isOutOfDate(window.view, Result::capacity), c.capacityOutOfDate) << c.what;
    }
}

} // namespace
} // namespace form::testing
