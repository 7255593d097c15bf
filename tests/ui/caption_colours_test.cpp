// The caption lines: every text the game can show fits inside its line, centred; and the lines
// can be read in any theme, measured from the window's own pixels under a light, two dark, a
// high-contrast and a careless palette, and followed when the theme changes.
#include "logic/site_table.h"
#include "tests/support/pictures.h"
#include "ui/caption_colours.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"
#include "ui/layout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QStyle>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

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

TEST(ContrastRatio, SpansOneToTwentyOne) {
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::white, Qt::black), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(QColor(0x12, 0x34, 0x56), QColor(0x12, 0x34, 0x56)), 1.0);
    // Grey #777 on white is the well-known near miss of 4.5.
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
}

// A theme by its main colours (window, window text, list base, list text, button, button
// text; none for the style's own), and what the lines must show: the theme's own pair, or the
// classic black on white.
struct Theme {
    const char* name;
    std::vector<QColor> colours;
    QColor background;
    QColor text;
};

void PrintTo(const Theme& theme, std::ostream* out) {
    *out << theme.name;
}

// The palette as the theme would give it, made only once the application exists.
QPalette paletteOf(const Theme& theme) {
    if (theme.colours.empty()) {
        return QApplication::style()->standardPalette();
    }
    QPalette palette(theme.colours[4], theme.colours[0]);
    const QPalette::ColorRole roles[] = {QPalette::Window, QPalette::WindowText,
                                         QPalette::Base,   QPalette::Text,
                                         QPalette::Button, QPalette::ButtonText};
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (std::size_t i = 0; i < theme.colours.size(); ++i) {
            palette.setColor(group, roles[i], theme.colours[i]);
        }
    }
    return palette;
}

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Yellow(0xff, 0xff, 0x00);

// The classic light look; KDE's Breeze Dark and GNOME's Adwaita-dark as Qt receives them; a
// high-contrast theme; and a theme whose list colours are nearly alike, where the lines fall
// back to the classic pair.
const Theme Themes[] = {
    {"ClassicLight", {}, White, Black},
    {"BreezeDark",
     {0x202326, 0xfcfcfc, 0x141618, 0xfcfcfc, 0x292c30, 0xfcfcfc},
     0x141618,
     0xfcfcfc},
    {"AdwaitaDark",
     {0x353535, 0xeeeeec, 0x2d2d2d, 0xeeeeec, 0x353535, 0xeeeeec},
     0x2d2d2d,
     0xeeeeec},
    {"HighContrastBlack", {Black, White, Black, Yellow, Black, White}, Black, Yellow},
    {"CarelessListColours", {0xefefef, Black, White, 0xdddddd, 0xefefef, 0xeeeeee}, White, Black},
};

// What one caption line shows inside its border: the colour of most of its pixels, and the
// pixel that stands out most from it (the core of a stroke).
struct LineColours {
    QColor background;
    QColor ink;
    double contrast = 1.0;
};

LineColours measure(const QImage& window, const QRect& line) {
    const QRect inside = line.adjusted(1, 1, -1, -1);
    QHash<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[window.pixel(x, y)];
        }
    }
    const auto most =
        std::max_element(counts.cbegin(), counts.cend(), [](int a, int b) { return a < b; });
    LineColours found{QColor(most.key()), {}, 1.0};
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double contrast = contrastRatio(found.background, QColor(it.key()));
        if (contrast > found.contrast) {
            found.contrast = contrast;
            found.ink = QColor(it.key());
        }
    }
    return found;
}

class CaptionContrast : public testing::TestWithParam<Theme> {
protected:
    void SetUp() override { QApplication::setPalette(paletteOf(GetParam())); }
    void TearDown() override { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved = QApplication::palette();
};

TEST_P(CaptionContrast, EveryLineIsReadableOnScreen) {
    FrmMain frm;
    frm.SetCaption(0, FinalOpponentLines[0]);
    frm.SetCaption(1, WelcomeLine);
    frm.SetCaption(2, BoutInstruction);
    const QImage shown = frm.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(layout::ClientWidth, layout::ClientHeight));
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        const LineColours colours = measure(shown, frm.lblMs(line)->geometry());
        EXPECT_GE(colours.contrast, ReadableContrast)
            << "line " << line << ": " << colours.ink.name().toStdString() << " on "
            << colours.background.name().toStdString();
        EXPECT_EQ(colours.background, GetParam().background) << "line " << line;
        EXPECT_EQ(colours.ink, GetParam().text) << "line " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Themes, CaptionContrast, testing::ValuesIn(Themes),
                         [](const testing::TestParamInfo<Theme>& info) {
                             return std::string(info.param.name);
                         });

TEST(CaptionColours, FollowTheThemeWhenItChangesWhileTheGameRuns) {
    const QPalette saved = QApplication::palette();
    FrmMain frm;
    frm.SetCaption(1, WelcomeLine);
    const Theme& dark = Themes[1]; // Breeze Dark
    // A new palette reaches the widgets through the event queue.
    QApplication::setPalette(paletteOf(dark));
    QCoreApplication::processEvents();
    const QImage shown = frm.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QApplication::setPalette(saved);
    QCoreApplication::processEvents();
    const LineColours colours = measure(shown, frm.lblMs(1)->geometry());
    EXPECT_EQ(colours.background, dark.background);
    EXPECT_EQ(colours.ink, dark.text);
    // The window's own background follows too: the button face of the new palette.
    EXPECT_EQ(QColor(shown.pixel(100, 205)), paletteOf(dark).color(QPalette::Button));
    // And back to the classic look.
    const QImage again = frm.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(measure(again, frm.lblMs(1)->geometry()).background, QColor(255, 255, 255));
}

TEST(CaptionColours, TakeTheInactiveGroupOnItsOwn) {
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Inactive, QPalette::Base, QColor(0x30, 0x30, 0x30));
    palette.setColor(QPalette::Inactive, QPalette::Text, QColor(0x38, 0x38, 0x38));
    const QPalette caption = captionPalette(palette);
    EXPECT_EQ(caption.color(QPalette::Active, QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(caption.color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 0));
    // Unreadable when the window is inactive: the classic pair there as well.
    EXPECT_EQ(caption.color(QPalette::Inactive, QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(caption.color(QPalette::Inactive, QPalette::WindowText), QColor(0, 0, 0));
}

} // namespace
} // namespace gachapoko::test
