// Readable caption colours in any theme.
#include "ui/caption_colours.h"

#include <algorithm>
#include <cmath>

namespace gachapoko {

namespace {

double linearChannel(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF()) +
           0.0722 * linearChannel(rgb.blueF());
}

const QColor ClassicBackground{255, 255, 255};
const QColor ClassicText{0, 0, 0};

} // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

CaptionColours captionColours(const QPalette& palette, QPalette::ColorGroup group) {
    const QColor background = palette.color(group, QPalette::Base);
    const QColor text = palette.color(group, QPalette::Text);
    if (contrastRatio(background, text) >= ReadableContrast) {
        return {background, text};
    }
    return {ClassicBackground, ClassicText};
}

QPalette captionPalette(const QPalette& palette) {
    QPalette caption = palette;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const CaptionColours colours = captionColours(palette, group);
        caption.setColor(group, QPalette::Window, colours.background);
        caption.setColor(group, QPalette::WindowText, colours.text);
    }
    return caption;
}

} // namespace gachapoko
