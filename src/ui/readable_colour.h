#pragma once
// Keeping the table's fixed text colours readable when the desktop's palette
// is dark: the colours were chosen for a light grey window, and blue or dark
// red on a dark one can hardly be read.

#include <QColor>

namespace ui {

// The contrast of two colours by relative luminance, 1 to 21, as the web's
// accessibility guidelines measure it.
double contrastRatio(const QColor& one, const QColor& other);

// The designed colour where the palette is light, that is where its own text
// is darker than the background; on a dark one the same hue lightened until
// it stands out from the background at the guidelines' 4.5:1, or as near as
// white comes.
QColor readableOn(const QColor& designed, const QColor& background, const QColor& paletteText);

// The grey of a figure that is out of date: as faint as stays legible on the
// background, a little above 3:1, darker than a light background and lighter
// than a dark one. The designed light red is already fainter than that on a
// light window, so a fade of each figure's own colour could not serve both.
QColor fadedOn(const QColor& background);

} // namespace ui
