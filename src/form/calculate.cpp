// The compression ratio: total volume over clearance volume of one cylinder.
// Lengths are read in the unit chosen on the window and brought to centimetres;
// volumes are typed in cubic centimetres. Every formula is evaluated in the
// order its brackets show, one checked operation at a time, and the ratio is
// written only after every step has succeeded.

#include "form/circle.h"
#include "form/figures.h"
#include "form/form1.h"
#include "numeric/checked_arithmetic.h"
#include "numeric/conversions.h"
#include "numeric/currency.h"

#include <optional>

namespace form {

using namespace numeric;

namespace {

struct Lengths {
    // A length that is never read counts as 0.
    double bore = 0, stroke = 0, piston = 0, topring = 0, deck = 0;
};

// Reads the lengths the ratio needs, each with the strict conversion and
// brought to centimetres by toCentimetres; a length that fails either way is
// blamed on its field. The optional fields are read as a chain that stops at
// the first it may pass over; the gasket dimensions are read only so that
// text that is not a number in them is reported.
template <typename ToCentimetres>
void readLengths(const FormView& view, const NumberLocale& locale, ToCentimetres toCentimetres, Lengths& out)
{
    const auto length = [&](Field field) {
        return readFigure(view, field, locale,
                          [&](const std::string& text) { return toCentimetres(parseStrict(text, locale)); });
    };
    const auto empty = [&](Field field) { return view.text(field).empty(); };
    const bool topLand = view.isUsetoplandChecked();

    out.bore = length(Field::bore);
    out.stroke = length(Field::stroke);
    [&] {
        if (empty(Field::piston) && !topLand) return;
        out.piston = length(Field::piston);
        if (empty(Field::topring) && !topLand) return;
        out.topring = length(Field::topring);
        if (empty(Field::gasketbore)) return;
        length(Field::gasketbore);
        if (empty(Field::compthick)) return;
        length(Field::compthick);
    }();
    out.deck = length(Field::deck);
}

}  // namespace

void Form1::calcClick()
{
    // The focus goes to the first empty entry in Tab order, the order in
    // which Field lists them, whatever order the window visits them in.
    std::optional<Field> firstMissing;
    for (const Field field : view_.textFields()) {
        if (field == Field::gasketbore || field == Field::compthick || field == Field::gasketvol) continue;
        if ((field == Field::piston || field == Field::topring) && !view_.isUsetoplandChecked()) continue;
        if (view_.text(field).empty() && (!firstMissing || field < *firstMissing)) firstMissing = field;
    }
    if (firstMissing) {
        view_.showMessage(kAllValuesMessage);
        view_.moveFocus(*firstMissing);
        return;
    }

    // Both units are tested, each on its own: with neither selected every
    // length stays 0.
    Lengths cm;
    if (view_.isSelected(Option::inches))
        readLengths(view_, locale_, [](double inches) { return checkedStep(inches * 2.54); }, cm);
    if (view_.isSelected(Option::mm))
        readLengths(view_, locale_, [](double millimetres) { return checkedStep(millimetres / 10); }, cm);

    const bool withDeadArea = view_.isUsetoplandChecked();
    const Currency ratio = computing(kFiguresTooLarge, [&] {
        const double boreArea = checkedMul(halfSquared(cm.bore), kPi);
        const double swept = checkedMul(boreArea, cm.stroke);
        const double deadArea = withDeadArea
            ? checkedMul(checkedMul(checkedSub(halfSquared(cm.bore), halfSquared(cm.piston)), kPi), cm.topring)
            : 0;
        const double deckVolume = checkedMul(boreArea, cm.deck);
        const double gasket = leadingNumber(view_, Field::gasketvol, locale_);
        const double chamber = leadingNumber(view_, Field::chamb, locale_);
        const double chamberAndGasket = checkedStep(chamber + gasket);
        const double dome = leadingNumber(view_, Field::dome, locale_);

        const double clearance = withDeadArea
            ? checkedSub(checkedAdd(checkedAdd(chamberAndGasket, deckVolume), deadArea), dome)
            : checkedSub(checkedAdd(chamberAndGasket, deckVolume), dome);
        const double total = checkedAdd(clearance, swept);
        return computing(clearance == 0 ? kNoClearance : kRatioTooLarge,
                         [&] { return Currency::fromDouble(checkedDiv(total, clearance)); });
    });

    view_.setCaption(Caption::vorsil, ratio.text(locale_));
}

}  // namespace form
