#pragma once
// Whether a shown result still belongs to the entries beside it. The
// procedure that writes a result keeps, beside it, what it read; the result is
// out of date while the window holds anything else. Texts compare exactly, so
// typing a figure back, or undoing an edit, makes the result current again.

#include "form/form_view.h"

namespace form {

// What the window holds now of what result is worked out from: for the ratio
// every entry, the unit and the dead-area tick; for the capacity the number of
// cylinders, bore, stroke and the unit.
Basis basisOf(const FormView& view, Result result);

// An empty result is never out of date.
bool isOutOfDate(const FormView& view, Result result);

} // namespace form
