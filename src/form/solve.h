#pragma once
// Solving one field for the ratio the user wants: the chamber, dome or gasket
// volume, the deck height or the gasket's compressed thickness. The figure
// comes from Calculate's own reads and volume steps with the one unknown
// worked back from the clearance the ratio needs, rounded to what a builder
// can make or measure; the ratio it gives is found by running Calculate on it.

#include "form/form_view.h"
#include "form/ratio_steps.h"
#include "message/message.h"
#include "numeric/number_locale.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace form {

inline constexpr message::Text kGasketBoreToSolveMessage =
    USER_TEXT("form", "Enter the Gasket Bore to solve for the Compressed Thickness");
inline constexpr message::Text kGasketVolumeFromDimensions =
    USER_TEXT("form", "The Gasket Volume is worked out from the Gasket Bore and Compressed Thickness: solve for "
                      "the Compressed Thickness instead, or empty either of them to type a volume.");

// The chamber, dome, gasket volume, deck height and gasket thickness.
bool solvesForRatio(Field field);

// Why no figure can be written; field names the field whose text could not
// be used, when that is the reason.
struct Refusal {
    message::Message why;
    std::optional<Field> field = {};
};

// What one wanted ratio gives; every figure is in the user's locale.
struct Solution {
    std::string figure = {};      // to be written into the field; empty when refused
    std::string ratio = {};       // that Calculate then shows
    message::Message change = {}; // the figure now beside the new one, and the ratio it gives
    message::Message quench = {}; // deck height plus thickness, now and then, when solving either
    Refusal refusal = {};
};

class RatioSolver {
public:
    // Reads the lengths with Calculate's strict reads, the field's own text
    // never; raises, naming the field, for a length that is not a number.
    RatioSolver(const FormView& view, numeric::NumberLocale locale, Field field);

    Field field() const { return field_; }
    // The wanted ratio is read with the strict conversion, and may end in
    // ": 1" as builders write it; it must be above 1.
    Solution solve(std::string_view wantedRatio) const;

private:
    std::variant<double, Refusal> wantedRatioFrom(std::string_view typed) const;
    std::variant<double, Refusal> figureFor(double wanted) const;
    std::string ratioWith(double figure) const;
    std::optional<double> otherLength() const;
    void compare(double figure, Solution& solution) const;
    message::Message unit() const;

    const FormView& view_;
    numeric::NumberLocale locale_;
    Field field_;
    Lengths cm_;
    int decimals_; // of the figure: 2 for cc, 4 for inches, 3 for mm
};

} // namespace form
