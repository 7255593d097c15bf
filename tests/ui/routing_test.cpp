// Mouse input over the picture area reaches the game as the right events: enabled sites take
// their clicks and movements, disabled ones let them through, and every press on the picture
// area becomes exactly one click or double click.
#include "logic/site_table.h"
#include "tests/ui/mouse_injector.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace gachapoko::test {
namespace {

// Points in PicMain coordinates: inside a site, and on the bare map clear of every site.
const QPoint InForest{30, 20};
const QPoint InTown{160, 120};
const QPoint InCoast{100, 190};
const QPoint BareMap{100, 150};
const QPoint OnBorder{1, 100};

class Routing : public testing::Test {
protected:
    void SetUp() override {
        m_frm.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_frm));
        PictureArea* pic = m_frm.picMain();
        QObject::connect(pic, &PictureArea::clicked, [this] { m_log += "C"; });
        QObject::connect(pic, &PictureArea::doubleClicked, [this] { m_log += "D"; });
        QObject::connect(pic, &PictureArea::mouseMoved,
                         [this](std::int16_t, std::int16_t, float, float) {
                             if (m_logMoves) {
                                 m_log += "M";
                             }
                         });
        QObject::connect(pic, &PictureArea::siteClicked,
                         [this](SiteIndex i) { m_log += "S" + std::to_string(i); });
        QObject::connect(pic, &PictureArea::siteMouseMoved,
                         [this](SiteIndex i, std::int16_t, std::int16_t, float, float) {
                             if (m_logMoves) {
                                 m_log += "m" + std::to_string(i);
                             }
                         });
    }

    // From the welcome screen to the map, where the sites are enabled.
    void goToMap() {
        m_mouse.click(m_frm.cmdNext(), {100, 6}, Qt::LeftButton, MouseInjector::Slow);
        ASSERT_EQ(m_frm.lblMs(1)->text(), toQString(MapInstruction));
        m_log.clear();
    }

    // From the map into the town's bout, where every site is disabled and presses count.
    void startTownBout() {
        goToMap();
        m_mouse.click(m_frm.picMain(), InTown, Qt::LeftButton, MouseInjector::Slow);
        m_mouse.click(m_frm.cmdNext(), {100, 6}, Qt::LeftButton, MouseInjector::Slow);
        ASSERT_TRUE(m_frm.gameState().Counting);
        ASSERT_TRUE(m_frm.timer().isActive());
        m_log.clear();
    }

    // Presses `button` on the picture area `count` times, `gap` ms apart.
    void pressRun(Qt::MouseButton button, int count, int gap, QPoint at = BareMap) {
        for (int i = 0; i < count; ++i) {
            m_mouse.click(m_frm.picMain(), at, button, gap);
        }
    }

    FrmMain m_frm;
    MouseInjector m_mouse{&m_frm};
    std::string m_log;
    // The platform moves the pointer to each press's place first; most tests look at presses only.
    bool m_logMoves = false;
};

TEST_F(Routing, PressOnASiteOnTheWelcomeScreenIsAPressOnThePicture) {
    m_mouse.click(m_frm.picMain(), InForest, Qt::LeftButton, MouseInjector::Slow);
    EXPECT_EQ(m_log, "C");
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::Welcome);
}

TEST_F(Routing, ClickComesAtTheReleaseAndDoubleClickAtThePress) {
    m_mouse.press(m_frm.picMain(), BareMap, Qt::LeftButton, MouseInjector::Slow);
    EXPECT_EQ(m_log, "");
    m_mouse.release(m_frm.picMain(), BareMap, Qt::LeftButton);
    EXPECT_EQ(m_log, "C");
    m_mouse.press(m_frm.picMain(), BareMap, Qt::LeftButton, 20);
    EXPECT_EQ(m_log, "CD");
    m_mouse.release(m_frm.picMain(), BareMap, Qt::LeftButton);
    EXPECT_EQ(m_log, "CD");
}

// Qt may follow the second press of a quick pair with a double-click event of its own: that is
// the same press, and counts once.
TEST_F(Routing, ADoubleClickEventAfterItsPressIsThatPressAgain) {
    m_mouse.click(m_frm.picMain(), BareMap, Qt::LeftButton, MouseInjector::Slow);
    m_mouse.press(m_frm.picMain(), BareMap, Qt::LeftButton, 30);
    QMouseEvent again(QEvent::MouseButtonDblClick, BareMap, m_frm.picMain()->mapToGlobal(BareMap),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_frm.picMain(), &again);
    m_mouse.release(m_frm.picMain(), BareMap, Qt::LeftButton);
    EXPECT_EQ(m_log, "CD");
}

// The desktop's double-click time is read at every press: a change made while the game runs
// holds at once.
TEST_F(Routing, ADoubleClickTimeChangedWhileTheGameRunsHoldsAtOnce) {
    QStyleHints* hints = QGuiApplication::styleHints();
    const int before = hints->mouseDoubleClickInterval();
    hints->setMouseDoubleClickInterval(100);
    pressRun(Qt::LeftButton, 2, 150);
    hints->setMouseDoubleClickInterval(before);
    EXPECT_EQ(m_log, "CC");
}

TEST_F(Routing, PressOnTheBorderRaisesNothing) {
    m_mouse.click(m_frm.picMain(), OnBorder, Qt::LeftButton, MouseInjector::Slow);
    EXPECT_EQ(m_log, "");
}

// The button takes its left press itself; the caption lines and the bands of bare window let
// theirs through to the window.
TEST_F(Routing, APressElsewhereInTheWindowBreaksAPairBegunOnThePicture) {
    struct Elsewhere {
        const char* what;
        QWidget* target;
        QPoint at;
    };
    for (const Elsewhere& elsewhere : {Elsewhere{"Next", m_frm.cmdNext(), {100, 6}},
                                       Elsewhere{"a caption line", m_frm.lblMs(1), {100, 8}},
                                       Elsewhere{"the window", &m_frm, {100, 222}}}) {
        m_log.clear();
        m_mouse.click(m_frm.picMain(), BareMap, Qt::LeftButton, MouseInjector::Slow);
        m_mouse.click(elsewhere.target, elsewhere.at, Qt::LeftButton, 20);
        m_mouse.click(m_frm.picMain(), BareMap, Qt::LeftButton, 20);
        EXPECT_EQ(m_log, "CC") << elsewhere.what;
    }
    // The same presses with nothing between them pair up.
    m_log.clear();
    m_mouse.click(m_frm.picMain(), BareMap, Qt::LeftButton, MouseInjector::Slow);
    m_mouse.click(m_frm.picMain(), BareMap, Qt::LeftButton, 42);
    EXPECT_EQ(m_log, "CD");
}

TEST_F(Routing, EnabledSiteTakesItsClickAndOpensItsEncounter) {
    goToMap();
    m_mouse.click(m_frm.picMain(), InTown, Qt::LeftButton, MouseInjector::Slow);
    EXPECT_EQ(m_log, "S3");
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::Town);
    EXPECT_EQ(m_frm.lblMs(0)->text(), toQString(SiteTable[3].Lines[0]));
}

TEST_F(Routing, RightButtonClicksASiteToo) {
    goToMap();
    m_mouse.click(m_frm.picMain(), InForest, Qt::RightButton, MouseInjector::Slow);
    EXPECT_EQ(m_log, "S0");
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::Forest);
}

TEST_F(Routing, ReleaseOutsideTheSiteIsNoSiteClick) {
    goToMap();
    m_mouse.press(m_frm.picMain(), InTown, Qt::LeftButton, MouseInjector::Slow);
    m_mouse.release(m_frm.picMain(), BareMap, Qt::LeftButton);
    EXPECT_EQ(m_log, "");
    EXPECT_TRUE(m_frm.gameState().OnMap);
}

TEST_F(Routing, MovingFromTheBareMapOntoTheForestAndBack) {
    goToMap();
    m_logMoves = true;
    m_mouse.move(m_frm.picMain(), {100, 100});
    m_mouse.move(m_frm.picMain(), {80, 40});
    m_mouse.move(m_frm.picMain(), InForest);
    m_mouse.move(m_frm.picMain(), {40, 25});
    EXPECT_EQ(m_frm.lblMs(0)->text(), toQString(SiteTable[0].Place));
    EXPECT_EQ(m_frm.lblMs(2)->text(), toQString(SiteTable[0].Resident));
    m_mouse.move(m_frm.picMain(), {80, 40});
    EXPECT_EQ(m_log, "MMm0m0M");
    EXPECT_EQ(m_frm.lblMs(0)->text(), QString());
}

TEST_F(Routing, SitePressQuicklyFollowedByAPicturePressIsADoubleClick) {
    goToMap();
    m_mouse.click(m_frm.picMain(), InTown, Qt::LeftButton, MouseInjector::Slow);
    m_mouse.click(m_frm.picMain(), InTown, Qt::LeftButton, 30);
    EXPECT_EQ(m_log, "S3D");
}

TEST_F(Routing, DuringABoutAPressInTheCoastIsAPictureClick) {
    startTownBout();
    m_mouse.click(m_frm.picMain(), InCoast, Qt::LeftButton, MouseInjector::Slow);
    EXPECT_EQ(m_log, "C");
    EXPECT_EQ(m_frm.gameState().Presses, 1);
}

TEST_F(Routing, EveryPressOfAFastMixedBurstCountsOnce) {
    startTownBout();
    // 2000 presses, two per millisecond, in runs of one to four of either button.
    int presses = 0;
    for (int run = 0; presses < 2000; ++run) {
        const Qt::MouseButton button = run % 2 == 0 ? Qt::LeftButton : Qt::RightButton;
        for (int i = 0; i <= run % 4 && presses < 2000; ++i, ++presses) {
            m_mouse.press(m_frm.picMain(), BareMap, button, presses % 2);
            m_mouse.release(m_frm.picMain(), BareMap, button, 0);
        }
    }
    EXPECT_EQ(m_log.size(), 2000U);
    EXPECT_EQ(m_frm.gameState().Presses, 2000);
}

TEST_F(Routing, AClickWhereTheHiddenButtonWasDoesNothing) {
    goToMap();
    m_mouse.click(&m_frm, {100, 214}, Qt::LeftButton, MouseInjector::Slow);
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::MapFirstReached);
    EXPECT_TRUE(m_frm.picMain()->site(0)->isSiteEnabled());
}

} // namespace
} // namespace gachapoko::test
