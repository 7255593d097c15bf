// Prints which face the window chose and how the game's texts come out in it, one fact a line
// ("name=value"), for the font tests that run it under a font configuration of their own.
#include "app/startup.h"
#include "logic/site_table.h"
#include "ui/caption_font.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QRawFont>
#include <QTextStream>
#include <algorithm>

namespace gachapoko::test {
namespace {

// True when the text's strokes reach the first or last column inside the line's border: the
// line cuts it off.
bool isCut(FrmMain& frm, const QString& caption) {
    QLabel* line = frm.lblMs(1);
    line->setText(caption);
    const QImage shown = line->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect inside = line->contentsRect();
    const QRgb background = shown.pixel(inside.topLeft());
    for (const int x : {inside.left(), inside.right()}) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            if (shown.pixel(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

int probe() {
    QTextStream out(stdout);
    FrmMain frm;
    const QFont font = frm.lblMs(1)->font();
    const QFontInfo info(font);
    out << "family=" << info.family() << '\n';
    out << "pixel-size=" << info.pixelSize() << '\n';
    const QFontMetrics metrics(font);
    const bool fixedWidth =
        metrics.horizontalAdvance(QLatin1Char('i')) == metrics.horizontalAdvance(QLatin1Char('M'));
    out << "fixed-width=" << (fixedWidth ? 1 : 0) << '\n';

    const QRawFont raw = QRawFont::fromFont(font);
    QStringList missing;
    for (const std::u16string& shownText : everyShownText()) {
        const QString text = toQString(shownText);
        for (const char32_t character : text.toUcs4()) {
            if (!raw.supportsCharacter(character)) {
                missing << QStringLiteral("U+%1").arg(static_cast<uint>(character), 4, 16,
                                                      QLatin1Char('0'));
            }
        }
    }
    missing.removeDuplicates();
    out << "missing=" << missing.join(QLatin1Char(' ')) << '\n';

    int widest = 0;
    int widestOneSizeUp = 0;
    QFont oneSizeUp = font;
    oneSizeUp.setPixelSize(info.pixelSize() + 1);
    const QFontMetrics metricsOneSizeUp(oneSizeUp);
    QStringList cut;
    for (const std::u16string& captionText : everyCaptionText()) {
        const QString caption = toQString(captionText);
        widest = std::max(widest, metrics.horizontalAdvance(caption));
        widestOneSizeUp = std::max(widestOneSizeUp, metricsOneSizeUp.horizontalAdvance(caption));
        if (isCut(frm, caption)) {
            cut << caption;
        }
    }
    out << "widest=" << widest << '\n';
    out << "widest-one-size-up=" << widestOneSizeUp << '\n';
    out << "cut=" << cut.join(QLatin1Char('|')) << '\n';
    out << "message=" << missingFontMessage() << '\n';
    return 0;
}

} // namespace
} // namespace gachapoko::test

int main(int argc, char* argv[]) {
    const auto application = gachapoko::startApplication(argc, argv);
    if (!application) {
        return 1;
    }
    return gachapoko::test::probe();
}
