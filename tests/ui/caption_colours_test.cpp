// The caption lines can be read in any theme: measured from the window's own pixels under a
// light, two dark, a high-contrast and a careless palette, and followed when the theme changes.
#include "logic/site_table.h"
#include "ui/caption_colours.h"
#include "ui/frm_main.h"
#include "ui/layout.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QStyle>
#include <gtest/gtest.h>
#include <ostream>

namespace gachapoko::test {
namespace {

TEST(ContrastRatio, SpansOneToTwentyOne) {
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::white, Qt::black), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(QColor(0x12, 0x34, 0x56), QColor(0x12, 0x34, 0x56)), 1.0);
    // Grey #777 on white is the well-known near miss of 4.5.
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    // The fault seen with dark themes: light grey text on the old fixed white.
    EXPECT_NEAR(contrastRatio(QColor(0xee, 0xee, 0xee), Qt::white), 1.16, 0.01);
}

// A palette as a theme would give it, from its main colours.
QPalette themePalette(QColor window, QColor windowText, QColor base, QColor text, QColor button,
                      QColor buttonText) {
    QPalette palette(button, window);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::WindowText, windowText);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Button, button);
        palette.setColor(group, QPalette::ButtonText, buttonText);
    }
    return palette;
}

// A theme as the test applies it: its palette is made only once the application exists.
struct Theme {
    const char* name;
    QPalette (*palette)();
    // What the lines must show: the theme's own pair, or the classic black on white.
    QColor background;
    QColor text;
};

void PrintTo(const Theme& theme, std::ostream* out) {
    *out << theme.name;
}

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

QPalette classicLight() {
    return QApplication::style()->standardPalette();
}

// Colours of KDE's Breeze Dark and of GNOME's Adwaita-dark as Qt receives them.
QPalette breezeDark() {
    return themePalette({0x20, 0x23, 0x26}, {0xfc, 0xfc, 0xfc}, {0x14, 0x16, 0x18},
                        {0xfc, 0xfc, 0xfc}, {0x29, 0x2c, 0x30}, {0xfc, 0xfc, 0xfc});
}

QPalette adwaitaDark() {
    return themePalette({0x35, 0x35, 0x35}, {0xee, 0xee, 0xec}, {0x2d, 0x2d, 0x2d},
                        {0xee, 0xee, 0xec}, {0x35, 0x35, 0x35}, {0xee, 0xee, 0xec});
}

QPalette highContrastBlack() {
    return themePalette(Black, White, Black, {0xff, 0xff, 0x00}, Black, White);
}

// A theme whose list colours are nearly alike: the lines fall back to the classic pair.
QPalette carelessListColours() {
    return themePalette({0xef, 0xef, 0xef}, Black, White, {0xdd, 0xdd, 0xdd}, {0xef, 0xef, 0xef},
                        {0xee, 0xee, 0xee});
}

const Theme BreezeDark{"BreezeDark", breezeDark, {0x14, 0x16, 0x18}, {0xfc, 0xfc, 0xfc}};

const Theme Themes[] = {
    {"ClassicLight", classicLight, White, Black},
    BreezeDark,
    {"AdwaitaDark", adwaitaDark, {0x2d, 0x2d, 0x2d}, {0xee, 0xee, 0xec}},
    {"HighContrastBlack", highContrastBlack, Black, {0xff, 0xff, 0x00}},
    {"CarelessListColours", carelessListColours, White, Black},
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
    LineColours found;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            found.background = QColor(it.key());
        }
    }
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
    void SetUp() override { QApplication::setPalette(GetParam().palette()); }
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
    const Theme& dark = BreezeDark;
    // A new palette reaches the widgets through the event queue.
    QApplication::setPalette(dark.palette());
    QCoreApplication::processEvents();
    const QImage shown = frm.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QApplication::setPalette(saved);
    QCoreApplication::processEvents();
    const LineColours colours = measure(shown, frm.lblMs(1)->geometry());
    EXPECT_EQ(colours.background, dark.background);
    EXPECT_EQ(colours.ink, dark.text);
    // The window's own background follows too: the button face of the new palette.
    EXPECT_EQ(QColor(shown.pixel(100, 205)), dark.palette().color(QPalette::Button));
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
