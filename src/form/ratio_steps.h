#pragma once
// Calculate's reads and volume steps, shared with solving for a ratio so that
// a solved figure is worked out from exactly the figures Calculate will use.
// Defined in calculate.cpp, beside the ratio they make up.

#include "form/form_view.h"
#include "numeric/number_locale.h"

#include <optional>

namespace form {

// Lengths in centimetres; a length that is never read counts as 0. The gasket
// bore is also kept as typed, when the chain reads it.
struct Lengths {
    double bore = 0, stroke = 0, piston = 0, topring = 0, deck = 0;
    double typedGasketBore = 0;
};

// Volumes in cubic centimetres, computed and read in Calculate's order.
struct Volumes {
    double boreArea = 0, swept = 0, deadArea = 0, deck = 0, chamberAndGasket = 0, dome = 0;
};

// When a field that Calculate needs is empty (unknown passed over), shows
// "All values must be entered", moves the focus to the first such field and
// answers true.
bool entriesMissing(FormView& view, std::optional<Field> unknown = {});

// Each selected unit's chain of strict length reads. The unknown length
// (deck or compthick) is not read; solving compthick reads the gasket bore
// where the chain would, or right after it where the chain stops short.
Lengths readLengths(const FormView& view, const numeric::NumberLocale& locale, std::optional<Field> unknown = {});

// The volumes from the lengths and the three volume fields' leading numbers;
// the unknown volume field is not read and counts as 0.
Volumes readVolumes(const FormView& view, const numeric::NumberLocale& locale, const Lengths& cm,
                    std::optional<Field> unknown = {});

// ((chamber + gasket) + deck volume) [+ dead area] - dome, as Calculate adds it.
double clearanceOf(const Volumes& volumes, bool withDeadArea);

} // namespace form
