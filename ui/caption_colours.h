// The two colours of the caption lines, taken as a pair so that every theme gives readable text:
// the palette's own colours for text on a plain background, or, where a theme makes that pair
// hard to read, the classic black on white.
#pragma once

#include <QColor>
#include <QPalette>

namespace gachapoko {

// The contrast ratio of two colours as accessibility guidelines define it, from 1 (the same
// luminance) to 21 (black and white).
double contrastRatio(const QColor& first, const QColor& second);

// The least contrast at which the captions count as readable.
inline constexpr double ReadableContrast = 4.5;

struct CaptionColours {
    QColor background;
    QColor text;
};

// The caption lines' colours in one colour group of `palette`: its Base and Text, which every
// theme makes for text fields and lists, unless they stand less than `ReadableContrast` apart.
// The classic light palette gives black on white, the look the caption lines always had.
CaptionColours captionColours(const QPalette& palette, QPalette::ColorGroup group);

// `palette` with the caption colours as the background (Window) and the text (WindowText) of
// every colour group, for a caption line.
QPalette captionPalette(const QPalette& palette);

} // namespace gachapoko
