// The View's five operations on the window's controls, each taking effect at once.
#include "assets/picture_lookup.h"
#include "logic/game.h"
#include "logic/site_table.h"
#include "tests/ui/mouse_injector.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"
#include "ui/layout.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

TEST(View, SetPictureShowsEveryBuiltInPictureById) {
    FrmMain frm;
    for (PictureId id = 101; id <= 111; ++id) {
        frm.SetPicture(id);
        const std::optional<QImage> expected = loadPicture(id);
        ASSERT_TRUE(expected.has_value()) << id;
        EXPECT_EQ(frm.picMain()->picture(), *expected) << id;
    }
}

TEST(View, SetPictureDrawsThePictureUnscaledInsideTheBorder) {
    FrmMain frm;
    frm.SetPicture(MapPicture);
    const QImage shown = frm.picMain()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage map = loadPicture(MapPicture)->convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(204, 204));
    for (const QPoint at : {QPoint(0, 0), QPoint(199, 199), QPoint(57, 133), QPoint(120, 10)}) {
        EXPECT_EQ(shown.pixel(at + QPoint(2, 2)), map.pixel(at)) << at.x() << "," << at.y();
    }
}

TEST(View, SetCaptionWritesOneLineAndEmptyLeavesABorderedStrip) {
    FrmMain frm;
    frm.SetCaption(2, RefusalLine);
    EXPECT_EQ(frm.lblMs(2)->text(), toQString(RefusalLine));
    EXPECT_TRUE(frm.lblMs(0)->text().isEmpty());
    frm.SetCaption(2, u"");
    EXPECT_TRUE(frm.lblMs(2)->text().isEmpty());
    EXPECT_EQ(frm.lblMs(2)->geometry(), layout::LblMsRects[2]);
    EXPECT_EQ(frm.lblMs(2)->frameWidth(), 1);
}

TEST(View, TimerTickReachesTheGameAndEndsTheBout) {
    FrmMain frm;
    frm.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    test::MouseInjector mouse(&frm);
    mouse.click(frm.cmdNext(), {100, 6}, Qt::LeftButton, test::MouseInjector::Slow);
    mouse.click(frm.picMain(), {160, 120}, Qt::LeftButton, test::MouseInjector::Slow);
    mouse.click(frm.cmdNext(), {100, 6}, Qt::LeftButton, test::MouseInjector::Slow);
    ASSERT_TRUE(frm.timer().isActive());
    mouse.click(frm.picMain(), {100, 160}, Qt::RightButton, test::MouseInjector::Slow);

    // Cut the ten seconds short: the tick runs Timer_Timer, which stops the timer.
    frm.SetTimerInterval(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frm.cmdNext()->isVisible(); }, 2000));
    EXPECT_EQ(frm.lblMs(0)->text(), toQString(LostLine0));
    EXPECT_EQ(frm.lblMs(2)->text(), toQString(pressesLine(1)));
    // The verdict stopped the timer: no second tick.
    QTest::qWait(60);
    EXPECT_EQ(frm.lblMs(2)->text(), toQString(pressesLine(1)));
    EXPECT_TRUE(frm.cmdNext()->isVisible());
}

} // namespace
} // namespace gachapoko::test
