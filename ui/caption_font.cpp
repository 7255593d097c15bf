// Choosing the window's face among the installed ones.
#include "ui/caption_font.h"

#include "logic/site_table.h"
#include "ui/game_text.h"
#include "ui/layout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <optional>
#include <tuple>

namespace gachapoko {

namespace {

const QString PreferredFamily = QStringLiteral("IPAPGothic");

QFont faceAt(const QString& family, int pixelSize) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

bool hasEveryGlyph(const QFont& font, const std::vector<QString>& texts) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) {
        return false;
    }
    for (const QString& text : texts) {
        for (const char32_t character : text.toUcs4()) {
            if (!raw.supportsCharacter(character)) {
                return false;
            }
        }
    }
    return true;
}

bool everyCaptionFits(const QFont& font, const std::vector<QString>& captions) {
    const QFontMetrics metrics(font);
    if (metrics.height() > layout::CaptionTextHeight) {
        return false;
    }
    for (const QString& caption : captions) {
        if (metrics.horizontalAdvance(caption) > layout::CaptionTextWidth ||
            metrics.boundingRect(caption).width() > layout::CaptionTextWidth) {
            return false;
        }
    }
    return true;
}

// A fixed-width face gives a narrow and a wide letter the same cell. (Japanese faces with
// half-width Latin letters count as neither monospaced nor proportional in the font database.)
bool isFixedWidth(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) ==
           metrics.horizontalAdvance(QLatin1Char('M'));
}

// One installed face that shows every character, at the size it would be used.
struct Candidate {
    QString family;
    int pixelSize = SmallestPixelSize;
    bool fits = false;
    bool fixedPitch = false;

    // Better first: a face that fits, the larger size, a proportional face, then the name, so
    // that the same fonts always give the same choice.
    bool operator<(const Candidate& other) const {
        return std::make_tuple(!fits, -pixelSize, fixedPitch, family) <
               std::make_tuple(!other.fits, -other.pixelSize, other.fixedPitch, other.family);
    }
};

std::optional<Candidate> candidate(const QString& family, const std::vector<QString>& shown,
                                   const std::vector<QString>& captions) {
    const QFont preferredSize = faceAt(family, PreferredPixelSize);
    // The font database answers with a substitute for a family it does not have.
    if (QFontInfo(preferredSize).family() != family || !hasEveryGlyph(preferredSize, shown)) {
        return std::nullopt;
    }
    Candidate found{family, SmallestPixelSize, false, isFixedWidth(preferredSize)};
    for (int size = PreferredPixelSize; size >= SmallestPixelSize; --size) {
        if (everyCaptionFits(faceAt(family, size), captions)) {
            found.pixelSize = size;
            found.fits = true;
            break;
        }
    }
    return found;
}

std::vector<QString> toQStrings(const std::vector<std::u16string>& texts) {
    std::vector<QString> converted;
    for (const std::u16string& text : texts) {
        converted.push_back(toQString(text));
    }
    return converted;
}

CaptionFont choose() {
    // The face the game was laid out for shows every character and fits every caption at 12
    // pixels (the captions tests hold it to that): where it is installed it is taken as it is,
    // without measuring a text or opening another face, which would slow the first frame.
    const QFont preferred = faceAt(PreferredFamily, PreferredPixelSize);
    if (QFontInfo(preferred).family() == PreferredFamily) {
        return {preferred, true, true};
    }
    const std::vector<QString> shown = toQStrings(everyShownText());
    const std::vector<QString> captions = toQStrings(everyCaptionText());
    std::optional<Candidate> best;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isScalable(family)) {
            continue;
        }
        const std::optional<Candidate> other = candidate(family, shown, captions);
        if (other && (!best || *other < *best)) {
            best = other;
        }
    }
    if (!best) {
        // Nothing shows Japanese: the toolkit's own face, so that at least "Next" is drawn.
        QFont fallback;
        fallback.setPixelSize(PreferredPixelSize);
        return {fallback, false, false};
    }
    return {faceAt(best->family, best->pixelSize), true, best->fits};
}

} // namespace

const CaptionFont& captionFont() {
    static const CaptionFont chosen = choose();
    return chosen;
}

QString missingFontMessage() {
    if (captionFont().showsJapanese) {
        return {};
    }
    return QStringLiteral("gachapoko: no installed font can show the game's Japanese text, so the "
                          "captions will show boxes; install the package %1")
        .arg(QString::fromLatin1(JapaneseFontPackage));
}

} // namespace gachapoko
