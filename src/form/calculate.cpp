// The compression ratio: total volume over clearance volume of one cylinder.
// Lengths are read in the unit chosen on the window and brought to centimetres;
// volumes are typed in cubic centimetres. Every formula is evaluated in the
// order its brackets show, one checked operation at a time, and the ratio is
// written only after every step has succeeded.

#include "form/calculator.h"
#include "form/circle.h"
#include "form/figures.h"
#include "form/out_of_date.h"
#include "form/ratio_steps.h"
#include "numeric/checked_arithmetic.h"
#include "numeric/conversions.h"
#include "numeric/currency.h"

#include <optional>

namespace form {

using namespace numeric;
using message::Message;
using message::Text;

namespace {

// Reads the lengths the ratio needs, each with the strict conversion and
// brought to centimetres by toCentimetres; a length that fails either way is
// blamed on its field. The optional fields are read as a chain that stops at
// the first it may pass over; the gasket dimensions are read only so that
// text that is not a number in them is reported.
template <typename ToCentimetres>
void readLengthsIn(const FormView& view, const NumberLocale& locale, ToCentimetres toCentimetres,
                   std::optional<Field> unknown, Lengths& out)
{
    const auto length = [&](Field field) {
        return readFigure(view, field, locale, [&](const std::string& text) {
            const double typed = parseStrict(text, locale);
            if (field == Field::gasketBore) out.typedGasketBore = typed;
            return toCentimetres(typed);
        });
    };
    const auto empty = [&](Field field) { return view.text(field).empty(); };
    const bool topLand = view.deadAreaTicked();

    out.bore = length(Field::bore);
    out.stroke = length(Field::stroke);
    const bool gasketBoreRead = [&] {
        if (empty(Field::pistonDiameter) && !topLand) return false;
        out.piston = length(Field::pistonDiameter);
        if (empty(Field::topRingDepth) && !topLand) return false;
        out.topring = length(Field::topRingDepth);
        if (empty(Field::gasketBore)) return false;
        length(Field::gasketBore);
        if (empty(Field::gasketThickness) || unknown == Field::gasketThickness) return true;
        length(Field::gasketThickness);
        return true;
    }();
    // The thickness is worked out through the gasket bore.
    if (unknown == Field::gasketThickness && !gasketBoreRead) length(Field::gasketBore);
    if (unknown != Field::deckHeight) out.deck = length(Field::deckHeight);
}

} // namespace

bool entriesMissing(FormView& view, std::optional<Field> unknown)
{
    // The focus goes to the first empty entry in Tab order, the order in
    // which Field lists them, whatever order the window visits them in.
    std::optional<Field> firstMissing;
    for (const Field field : view.textFields()) {
        if (field == Field::gasketBore || field == Field::gasketThickness || field == Field::gasketVolume) continue;
        if ((field == Field::pistonDiameter || field == Field::topRingDepth) && !view.deadAreaTicked()) continue;
        if (field == unknown) continue;
        if (view.text(field).empty() && (!firstMissing || field < *firstMissing)) firstMissing = field;
    }
    if (!firstMissing) return false;
    view.showMessage(kAllValuesMessage);
    view.moveFocus(*firstMissing);
    return true;
}

// Both units are tested, each on its own: with neither selected every length
// stays 0.
Lengths readLengths(const FormView& view, const NumberLocale& locale, std::optional<Field> unknown)
{
    Lengths cm;
    if (view.isSelected(Option::inches))
        readLengthsIn(
            view, locale, [](double inches) { return checkedStep(inches * 2.54); }, unknown, cm);
    if (view.isSelected(Option::mm))
        readLengthsIn(
            view, locale, [](double millimetres) { return checkedStep(millimetres / 10); }, unknown, cm);
    return cm;
}

Volumes readVolumes(const FormView& view, const NumberLocale& locale, const Lengths& cm, std::optional<Field> unknown)
{
    const auto volume = [&](Field field) { return field == unknown ? 0.0 : leadingNumber(view, field, locale); };
    Volumes v;
    v.boreArea = checkedMul(halfSquared(cm.bore), kPi);
    v.swept = checkedMul(v.boreArea, cm.stroke);
    if (view.deadAreaTicked())
        v.deadArea = checkedMul(checkedMul(checkedSub(halfSquared(cm.bore), halfSquared(cm.piston)), kPi), cm.topring);
    v.deck = checkedMul(v.boreArea, cm.deck);
    const double gasket = volume(Field::gasketVolume);
    const double chamber = volume(Field::chamber);
    v.chamberAndGasket = checkedStep(chamber + gasket);
    v.dome = volume(Field::dome);
    return v;
}

double clearanceOf(const Volumes& v, bool withDeadArea)
{
    return withDeadArea ? checkedSub(checkedAdd(checkedAdd(v.chamberAndGasket, v.deck), v.deadArea), v.dome)
                        : checkedSub(checkedAdd(v.chamberAndGasket, v.deck), v.dome);
}

void Calculator::calculate()
{
    if (entriesMissing(view_)) return;
    const Lengths cm = readLengths(view_, locale_);

    const Currency ratio = computing(kFiguresTooLarge, [&] {
        const Volumes volumes = readVolumes(view_, locale_, cm);
        const double clearance = clearanceOf(volumes, view_.deadAreaTicked());
        const double total = checkedAdd(clearance, volumes.swept);
        return computing(clearance == 0 ? kNoClearance : kRatioTooLarge,
                         [&] { return Currency::fromDouble(checkedDiv(total, clearance)); });
    });

    view_.setResult(Result::ratio, ratio.text(locale_), ratio.toDouble());
    view_.keepBasis(Result::ratio, basisOf(view_, Result::ratio));
}

} // namespace form
