// Start-up, the unit choice, Clear and Print. A change of unit recomputes the
// figures filled in from lengths, the capacity and the gasket volume, so that
// none stands beside lengths it was not computed from; the ratio waits for the
// next calculation.

#include "form/calculator.h"

namespace form {

void Calculator::start()
{
    view_.setSelected(Option::inches, true);
    view_.setSelected(Option::mm, false);
    view_.setResult(Result::capacityUnit, "Cu In");
}

void Calculator::inchesChosen()
{
    changeUnit("Cu In");
}

void Calculator::mmChosen()
{
    changeUnit("CC");
}

// A capacity never stands beside a unit it was not computed in: it is
// computed again in the new unit, as on leaving bore, or left empty while
// bore or stroke is, or when it cannot be computed. The gasket volume is then
// computed again from its dimensions, as on leaving them; one the user typed
// without dimensions stays.
void Calculator::changeUnit(const char* capacityUnit)
{
    view_.setResult(Result::capacityUnit, capacityUnit);
    view_.setResult(Result::capacity, {});
    showCapacity();
    showGasketVolume();
}

// Returns the entries to their start-up state, ready for the next engine from
// the first field; the last ratio and capacity stay on display.
void Calculator::clear()
{
    for (const Field field : view_.textFields())
        view_.setText(field, {});
    view_.setSelected(Option::inches, true);
    view_.setSelected(Option::mm, false);
    view_.tickDeadArea(false);
    view_.moveFocus(Field::cylinders);
}

void Calculator::print()
{
    view_.printImage();
}

} // namespace form
