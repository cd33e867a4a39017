#include "ui/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr double kReadableContrast = 4.5;
constexpr double kFadedContrast = 3.3;

double channelLuminance(float channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channelLuminance(rgb.redF()) + 0.7152 * channelLuminance(rgb.greenF()) +
           0.0722 * channelLuminance(rgb.blueF());
}

// Whether the palette's own text is no lighter than its background. A text
// no lighter in any channel settles it without working out luminance, whose
// power function would be loaded at start-up for every light palette.
bool darkOnLight(const QColor& text, const QColor& background)
{
    const QRgba64 ink = text.rgba64();
    const QRgba64 paper = background.rgba64();
    if (ink.red() <= paper.red() && ink.green() <= paper.green() && ink.blue() <= paper.blue()) return true;
    return luminance(text) <= luminance(background);
}

} // namespace

double contrastRatio(const QColor& one, const QColor& other)
{
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor& designed, const QColor& background, const QColor& paletteText)
{
    if (darkOnLight(paletteText, background)) return designed;
    const QColor hsl = designed.toHsl();
    QColor lightened = designed;
    for (int lightness = hsl.lightness(); lightness <= 255 && contrastRatio(lightened, background) < kReadableContrast;
         ++lightness)
        lightened = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
    return lightened;
}

QColor fadedOn(const QColor& background)
{
    // Toward whichever of black and white stands out more from the background.
    const bool darker = contrastRatio(background, Qt::black) >= contrastRatio(background, Qt::white);
    const int start = background.toRgb().lightness();
    QColor grey = background;
    for (int value = start; value >= 0 && value <= 255 && contrastRatio(grey, background) < kFadedContrast;
         value += darker ? -1 : 1)
        grey = QColor(value, value, value);
    return grey;
}

} // namespace ui
