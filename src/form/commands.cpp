// Start-up, the unit choice, Clear and Print. A change of unit recomputes only
// the capacity, whose unit it names; the lengths already typed are read in the
// new unit from the next calculation on.

#include "form/form1.h"

namespace form {

void Form1::formLoad()
{
    view_.setSelected(Option::inches, true);
    view_.setSelected(Option::mm, false);
    view_.setCaption(Caption::Label18, "Cu In");
}

void Form1::inchesClick()
{
    showCapacityUnit("Cu In");
}

void Form1::mmClick()
{
    showCapacityUnit("CC");
}

// A capacity never stands beside a unit it was not computed in: it is
// computed again in the new unit, as on leaving bore, or left empty while
// bore or stroke is, or when it cannot be computed.
void Form1::showCapacityUnit(const char* unit)
{
    view_.setCaption(Caption::Label18, unit);
    view_.setCaption(Caption::Label17, {});
    showCapacity();
}

// Returns the entries to their start-up state; the last ratio and capacity
// stay on display.
void Form1::clearClick()
{
    for (const Field field : view_.textFields()) view_.setText(field, {});
    view_.setSelected(Option::inches, true);
    view_.setSelected(Option::mm, false);
    view_.setUsetoplandChecked(false);
}

void Form1::printClick()
{
    view_.printImage();
}

}  // namespace form
