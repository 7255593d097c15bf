// Every text the game can show fits inside its caption line, centred.
#include "logic/site_table.h"
#include "tests/support/pictures.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"

#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

TEST(Captions, EveryTextFitsInsideItsLine) {
    FrmMain frm;
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        QLabel* label = frm.lblMs(line);
        const QFontMetrics metrics(label->font());
        const QRect inside = label->contentsRect();
        for (const std::u16string& text : everyCaptionText()) {
            const QString caption = toQString(text);
            EXPECT_LE(metrics.horizontalAdvance(caption), inside.width()) << caption.toStdString();
            EXPECT_LE(metrics.boundingRect(caption).width(), inside.width())
                << caption.toStdString();
        }
        EXPECT_LE(metrics.height(), inside.height());
    }
}

// The ink of a short caption lies in the middle of its line.
TEST(Captions, AreCentredInTheirLines) {
    FrmMain frm;
    QLabel* line = frm.lblMs(1);
    const QImage blank = line->grab().toImage();
    frm.SetCaption(1, SiteTable[1].Place);
    const auto [first, last] = inkColumns(blank, line->grab().toImage());
    ASSERT_LE(first, last);
    EXPECT_NEAR(first, blank.width() - 1 - last, 2);
}

} // namespace
} // namespace gachapoko::test
