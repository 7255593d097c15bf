// The one face and size for the window and its controls. The game prefers the IPA P Gothic face
// at 12 pixels; on a machine without it, any other installed face that has a glyph for every
// character the game shows will do, at the largest size up to 12 pixels at which every caption
// fits inside its line. Without any such face the captions cannot be read at all, and the
// program says which package brings the preferred one.
#pragma once

#include <QFont>
#include <QString>

namespace gachapoko {

struct CaptionFont {
    QFont font;
    // False when no installed face has a glyph for every shown character.
    bool showsJapanese = false;
    // False when even at the smallest size some caption is wider than its line.
    bool fits = false;
};

inline constexpr int PreferredPixelSize = 12;
inline constexpr int SmallestPixelSize = 9;
// The package that brings the preferred face on Debian and its derivatives, as the build names
// it (GACHAPOKO_FONT_PACKAGE in the top CMakeLists.txt).
inline constexpr const char* JapaneseFontPackage = GACHAPOKO_FONT_PACKAGE;

// Chooses among the installed faces; the first call decides for the whole run.
const CaptionFont& captionFont();

// One line for the user when no installed face can show the game's Japanese; empty otherwise.
QString missingFontMessage();

} // namespace gachapoko
