// What the window fills in while the user moves through the fields: the
// engine's capacity on leaving cyls, bore or stroke, the head-gasket volume on
// leaving either gasket dimension, and a reminder on leaving an empty
// gasketvol. The capacity reads its figures with the lenient conversion, so
// text that is not a number counts as its leading number, or 0. The gasket
// dimensions are lengths, read strictly as the ratio reads them: a typo there
// is told, not counted as a gasket of 0 cc.

#include "form/calculator.h"
#include "form/circle.h"
#include "form/figures.h"
#include "form/out_of_date.h"
#include "numeric/checked_arithmetic.h"
#include "numeric/conversions.h"
#include "numeric/number_text.h"

#include <optional>

namespace form {

using namespace numeric;
using message::Message;
using message::Text;

void Calculator::showCapacity()
{
    const std::string boreText = view_.text(Field::bore);
    if (boreText.empty()) return;
    const std::string strokeText = view_.text(Field::stroke);
    if (strokeText.empty()) return;

    const double stroke = leadingNumber(view_, Field::stroke, locale_);
    const double cylinders = leadingNumber(view_, Field::cylinders, locale_);
    const double bore = leadingNumber(view_, Field::bore, locale_);
    double capacity =
        computing(kFiguresTooLarge, [&] { return checkedStep(halfSquared(bore) * kCapacityPi * stroke * cylinders); });
    // Cubic inches unless millimetres are chosen; then cubic mm to cc.
    if (view_.isSelected(Option::mm)) capacity = checkedDiv(capacity, 1000);

    view_.setResult(Result::capacity, numberText(capacity, locale_), capacity);
    view_.keepBasis(Result::capacity, basisOf(view_, Result::capacity));
}

void Calculator::showGasketVolume()
{
    // Without both gasket dimensions there is nothing to compute from, and
    // writing 0 would silently replace a volume the user typed; the gasket
    // reminder then asks for what is missing.
    if (view_.text(Field::gasketBore).empty() || view_.text(Field::gasketThickness).empty()) return;

    // ((gasket bore / 2)^2 * pi) * thickness, in cubic units of the typed length.
    const auto cubicLength = [this] {
        const double thickness = wholeNumber(view_, Field::gasketThickness, locale_);
        const double gasketBore = wholeNumber(view_, Field::gasketBore, locale_);
        return computing(kFiguresTooLarge, [&] { return checkedStep(halfSquared(gasketBore) * kPi * thickness); });
    };

    // Stays empty when neither unit is selected.
    std::optional<double> volume;
    if (view_.isSelected(Option::inches)) {
        const double cubicInches = cubicLength();
        volume = computing(kFiguresTooLarge, [&] { return checkedStep(checkedPow(2.54, 3.0) * cubicInches); });
    }
    if (view_.isSelected(Option::mm)) volume = cubicLength() / 1000.0;

    view_.setText(Field::gasketVolume, volume ? numberText(*volume, locale_) : std::string());
}

void Calculator::leftGasketVolume()
{
    const bool volumeMissing = view_.text(Field::gasketVolume).empty();
    const bool dimensionMissing = view_.text(Field::gasketBore).empty() || view_.text(Field::gasketThickness).empty();
    if (volumeMissing && dimensionMissing) {
        view_.showMessage(kGasketMessage);
        view_.moveFocus(Field::gasketBore);
    }
}

} // namespace form
