// The window at the scale factor of this run: the pixel art keeps every picture pixel's weight
// (equal squares at whole factors) and every caption fits inside its line.
#include "assets/picture_lookup.h"
#include "logic/site_table.h"
#include "tests/support/pictures.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"
#include "ui/layout.h"
#include "ui/picture_area.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

TEST(ScaledWindow, IsTheFixedSizeTimesTheFactor) {
    FrmMain frm;
    const qreal factor = frm.devicePixelRatioF();
    EXPECT_EQ(frm.size(), QSize(layout::ClientWidth, layout::ClientHeight));
    const QImage shown = frm.grab().toImage();
    EXPECT_NEAR(shown.width(), layout::ClientWidth * factor, 1.0);
    EXPECT_NEAR(shown.height(), layout::ClientHeight * factor, 1.0);
}

// A white picture with one-pixel black lines four pixels apart, across and down.
QImage linesPicture() {
    QImage picture(200, 200, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int at = 8; at < 192; at += 4) {
        for (int along = 0; along < 200; ++along) {
            picture.setPixel(at, along, qRgb(0, 0, 0));
            picture.setPixel(along, at, qRgb(0, 0, 0));
        }
    }
    return picture;
}

double darkness(QRgb pixel) {
    return (255.0 - qGray(pixel)) / 255.0;
}

TEST(ScaledPicture, EveryOnePixelLineHasTheSameWeight) {
    FrmMain frm;
    const qreal factor = frm.devicePixelRatioF();
    frm.picMain()->setPicture(linesPicture());
    const QImage shown = frm.picMain()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Where the picture starts on the device, inside the two-pixel border.
    const double origin = PictureArea::BorderWidth * factor;
    // Along a row between two lines across, and down a column between two lines down.
    const int between = static_cast<int>(std::floor(origin + 10.5 * factor));
    for (int at = 8; at < 192; at += 4) {
        const int from = static_cast<int>(std::floor(origin + at * factor)) - 1;
        const int to = static_cast<int>(std::ceil(origin + (at + 1) * factor)) + 1;
        double across = 0;
        double down = 0;
        for (int d = from; d < to; ++d) {
            across += darkness(shown.pixel(d, between));
            down += darkness(shown.pixel(between, d));
        }
        EXPECT_NEAR(across, factor, 0.06) << "line at " << at << " at factor " << factor;
        EXPECT_NEAR(down, factor, 0.06) << "line at " << at << " at factor " << factor;
    }
}

// At a whole factor every picture pixel is an equal square of its own colour; at a fractional
// one every device pixel is a blend of the picture pixels it lies on, and of nothing else.
TEST(ScaledPicture, EveryDevicePixelComesFromThePicturePixelsUnderIt) {
    FrmMain frm;
    const qreal factor = frm.devicePixelRatioF();
    const QImage face = loadPicture(SiteTable[1].PictureId)->convertToFormat(QImage::Format_RGB32);
    frm.SetPicture(SiteTable[1].PictureId);
    const QImage shown = frm.picMain()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double origin = PictureArea::BorderWidth * factor;
    // A fractional origin is drawn from the nearest device pixel: one pixel of slack around.
    const int slack = std::abs(factor - std::round(factor)) < 1e-6 ? 0 : 1;
    // The picture pixels under device pixel `d`, across or down.
    const auto under = [&](int d) {
        return std::pair{
            std::max(0, static_cast<int>(std::floor((d - origin) / factor)) - slack),
            std::min(199, static_cast<int>(std::floor((d + 1 - origin - 1e-6) / factor)) + slack)};
    };
    int wrong = 0;
    const int last = static_cast<int>(std::floor(origin + 199 * factor));
    for (int dy = static_cast<int>(std::ceil(origin)); dy < last; ++dy) {
        for (int dx = static_cast<int>(std::ceil(origin)); dx < last; ++dx) {
            const auto [x0, x1] = under(dx);
            const auto [y0, y1] = under(dy);
            // Each channel, by its place in the pixel.
            for (const int shift : {16, 8, 0}) {
                int low = 255;
                int high = 0;
                for (int y = y0; y <= y1; ++y) {
                    for (int x = x0; x <= x1; ++x) {
                        low = std::min(low, static_cast<int>(face.pixel(x, y) >> shift) & 0xff);
                        high = std::max(high, static_cast<int>(face.pixel(x, y) >> shift) & 0xff);
                    }
                }
                const int value = static_cast<int>(shown.pixel(dx, dy) >> shift) & 0xff;
                if (value < low - 1 || value > high + 1) {
                    ++wrong;
                    break;
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "at factor " << factor;
}

TEST(ScaledCaptions, EveryCaptionFitsInsideItsLine) {
    FrmMain frm;
    const qreal factor = frm.devicePixelRatioF();
    QLabel* line = frm.lblMs(1);
    // Inside the one-pixel border, in device pixels.
    const int insideLeft = static_cast<int>(std::ceil(factor));
    const int insideRight = static_cast<int>(std::floor(200 * factor)) - 1;
    // Where a caption puts ink, in device pixels: the columns that differ from the empty line.
    line->setText(QString());
    const QImage blank = line->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const std::u16string& captionText : everyCaptionText()) {
        const QString caption = toQString(captionText);
        if (caption.isEmpty()) {
            continue;
        }
        line->setText(caption);
        const auto [first, last] =
            inkColumns(blank, line->grab().toImage().convertToFormat(QImage::Format_RGB32));
        ASSERT_LE(first, last) << caption.toStdString();
        EXPECT_GT(first, insideLeft) << caption.toStdString() << " at factor " << factor;
        EXPECT_LT(last, insideRight) << caption.toStdString() << " at factor " << factor;
    }
}

} // namespace
} // namespace gachapoko::test
