#include "fake_form.h"
#include "numeric/runtime_error.h"

#include <gtest/gtest.h>

#include <iostream>

namespace form::testing {
namespace {
using enum Field;

TEST(Solve, scratch)
{
    LoadedForm window;
    window.view.fill({{cyls, "8"}, {bore, "4.030"}, {stroke, "3.480"}, {deck, "0.025"}, {chamb, "64"}, {dome, "-5"}, {gasketbore, "4.100"}, {compthick, "0.039"}});
    window.form.compthickLostFocus();
    window.form.calcClick();
    std::cout << window.view.text(gasketvol) << " " << window.view.caption(Caption::vorsil) << "\n";
    for (Field f : {chamb, dome, gasketvol, deck, compthick}) {
        LoadedForm w;
        w.view.texts = window.view.texts;
        w.view.wantedRatio = "10.5";
        w.form.solveForRatio(f);
        std::cout << nameOf(f) << " " << w.view.text(f) << " " << w.view.caption(Caption::vorsil) << " q=" << w.view.offered->quench << " r=" << spelled(w.view.offered->refusal) << "\n";
    }
}

}  // namespace
}  // namespace form::testing
