// What the window fills in while the user moves through the fields: the
// engine's capacity on leaving bore or stroke, the head-gasket volume on leaving
// compthick, and a reminder on leaving an empty gasketvol. Everything here reads
// figures with the lenient conversion, so text that is not a number counts as
// its leading number, or 0.

#include "form/circle.h"
#include "form/form1.h"
#include "numeric/checked_arithmetic.h"
#include "numeric/conversions.h"
#include "numeric/number_text.h"

#include <optional>

namespace form {

using namespace numeric;

void Form1::showCapacity()
{
    const std::string boreText = view_.text(Field::bore);
    if (boreText.empty()) return;
    const std::string strokeText = view_.text(Field::stroke);
    if (strokeText.empty()) return;

    const double stroke = parseLenient(strokeText);
    const double cylinders = parseLenient(view_.text(Field::cyls));
    const double bore = parseLenient(boreText);
    double capacity = checkedStep(halfSquared(bore) * kCapacityPi * stroke * cylinders);
    // Cubic inches unless millimetres are chosen; then cubic mm to cc.
    if (view_.isSelected(Option::mm)) capacity = checkedDiv(capacity, 1000);

    view_.setCaption(Caption::Label17, numberText(capacity, locale_));
}

void Form1::compthickLostFocus()
{
    // With no gasket dimension at all there is nothing to compute from, and
    // writing 0 would silently replace a volume the user typed.
    if (view_.text(Field::gasketbore).empty() && view_.text(Field::compthick).empty()) return;

    // ((gasket bore / 2)^2 * pi) * thickness, in cubic units of the typed length.
    const auto cubicLength = [this] {
        const double thickness = parseLenient(view_.text(Field::compthick));
        const double gasketBore = parseLenient(view_.text(Field::gasketbore));
        return checkedStep(halfSquared(gasketBore) * kPi * thickness);
    };

    // Stays empty when neither unit is selected.
    std::optional<double> volume;
    if (view_.isSelected(Option::inches)) {
        const double cubicInches = cubicLength();
        volume = checkedStep(checkedPow(2.54, 3.0) * cubicInches);
    }
    if (view_.isSelected(Option::mm)) volume = cubicLength() / 1000.0;

    // Written with "." whatever the user's locale: Calculate reads this field
    // with the lenient conversion, which stops at a comma, so a comma here
    // would drop the fraction of the volume from the ratio.
    view_.setText(Field::gasketvol, volume ? numberText(*volume, NumberLocale::invariant()) : std::string());
}

void Form1::gasketvolLostFocus()
{
    const bool volumeMissing = view_.text(Field::gasketvol).empty();
    const bool dimensionMissing = view_.text(Field::gasketbore).empty() || view_.text(Field::compthick).empty();
    if (volumeMissing && dimensionMissing) {
        view_.showMessage(kGasketMessage);
        view_.moveFocus(Field::gasketbore);
    }
}

}  // namespace form
