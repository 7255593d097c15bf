// Every text the game can show fits inside its caption line and has glyphs in the face.
#include "logic/game.h"
#include "logic/site_table.h"
#include "ui/caption_font.h"
#include "ui/frm_main.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRawFont>
#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace gachapoko::test {
namespace {

std::vector<QString> everyCaption() {
    std::vector<QString> texts;
    auto add = [&texts](std::u16string_view view) {
        texts.push_back(QString::fromUtf16(view.data(), static_cast<qsizetype>(view.size())));
    };
    for (const SiteRow& row : SiteTable) {
        add(row.Place);
        add(row.Resident);
        for (std::u16string_view line : row.Lines) {
            add(line);
        }
    }
    for (const SceneLinesText* lines : {&GoddessHintLines, &GoddessRevealLines, &FinalOpponentLines,
                                        &FinalOpponentBeatenLines, &ClosingScreenLines}) {
        for (std::u16string_view line : *lines) {
            add(line);
        }
    }
    for (std::u16string_view line : {WelcomeLine, MapInstruction, BoutInstruction, RefusalLine,
                                     LostLine0, LostLine1, WonLine0, WonLine1}) {
        add(line);
    }
    add(u"・");
    add(pressesLine(0));
    add(pressesLine(std::numeric_limits<std::int32_t>::max()));
    return texts;
}

TEST(Captions, EveryTextFitsInsideItsLine) {
    FrmMain frm;
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        QLabel* label = frm.lblMs(line);
        const QFontMetrics metrics(label->font());
        const QRect inside = label->contentsRect();
        for (const QString& caption : everyCaption()) {
            EXPECT_LE(metrics.horizontalAdvance(caption), inside.width()) << caption.toStdString();
            EXPECT_LE(metrics.boundingRect(caption).width(), inside.width())
                << caption.toStdString();
        }
        EXPECT_LE(metrics.height(), inside.height());
    }
}

TEST(Captions, TheFaceIsChosenByMeasuringEveryText) {
    const std::vector<QString> measured = everyCaptionText();
    for (const QString& caption : everyCaption()) {
        EXPECT_NE(std::find(measured.begin(), measured.end(), caption), measured.end())
            << caption.toStdString();
    }
    const std::vector<QString> shown = everyShownText();
    for (const char* own : {"ガチャポコ", "Next"}) {
        EXPECT_NE(std::find(shown.begin(), shown.end(), QString::fromUtf8(own)), shown.end())
            << own;
    }
}

TEST(Captions, NoTextIsLongerThanEighteenCharacters) {
    for (const QString& caption : everyCaption()) {
        EXPECT_LE(caption.size(), 18) << caption.toStdString();
    }
}

TEST(Captions, TheFaceHasAGlyphForEveryCharacter) {
    const QRawFont face = QRawFont::fromFont(FrmMain::defaultFont());
    ASSERT_TRUE(face.isValid());
    EXPECT_EQ(face.familyName(), QStringLiteral("IPAPGothic"));
    std::vector<QString> texts = everyCaption();
    texts.push_back(QStringLiteral("ガチャポコ"));
    texts.push_back(QStringLiteral("Next"));
    for (const QString& caption : texts) {
        for (char32_t character : caption.toUcs4()) {
            EXPECT_TRUE(face.supportsCharacter(character))
                << caption.toStdString() << " U+" << std::hex << static_cast<unsigned>(character);
        }
    }
}

} // namespace
} // namespace gachapoko::test
