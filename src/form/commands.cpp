// Start-up, the unit choice, Clear and Print: procedures that compute nothing.
// A change of unit recomputes nothing; the lengths already typed are read in
// the new unit from the next calculation on.

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
    view_.setCaption(Caption::Label18, "Cu In");
}

void Form1::mmClick()
{
    view_.setCaption(Caption::Label18, "CC");
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
