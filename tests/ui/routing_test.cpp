// Mouse input over the picture area reaches the game as the right events: enabled sites take
// their clicks and movements, disabled ones let them through, and every press on the picture
// area becomes exactly one click or double click.
#include "logic/site_table.h"
#include "tests/ui/game_window.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleHints>
#include <gtest/gtest.h>
#include <string>

namespace gachapoko::test {
namespace {

class Routing : public GameWindow {
protected:
    Routing() {
        PictureArea* pic = m_frm.picMain();
        QObject::connect(pic, &PictureArea::clicked, [this] { m_log += "C"; });
        QObject::connect(pic, &PictureArea::doubleClicked, [this] { m_log += "D"; });
        QObject::connect(pic, &PictureArea::siteClicked,
                         [this](SiteIndex i) { m_log += "S" + std::to_string(i); });
        // Movements apart: the platform moves the pointer to each press's place first.
        QObject::connect(pic, &PictureArea::mouseMoved, [this] { m_moves += "M"; });
        QObject::connect(pic, &PictureArea::siteMouseMoved,
                         [this](SiteIndex i) { m_moves += "m" + std::to_string(i); });
    }

public:
    // The same ways into the game, with what they raised forgotten.
    void onMap() {
        ASSERT_NO_FATAL_FAILURE(goToMap());
        m_log.clear();
        m_moves.clear();
    }
    void inTownBout() {
        ASSERT_NO_FATAL_FAILURE(startTownBout());
        m_log.clear();
    }

protected:
    std::string m_log;
    std::string m_moves;
};

const QPoint OnBorder{1, 100};

// One slow press and release on the picture area, in a scene where the sites are off (the
// welcome screen, a bout) or on (the map): what it raised and where the game went.
struct OnePress {
    const char* name;
    void (Routing::*start)();
    QPoint at;
    Qt::MouseButton button;
    const char* raised;
    SceneCode scene;
    int presses;
};

void PrintTo(const OnePress& press, std::ostream* out) {
    *out << press.name;
}

class RoutingOnePress : public Routing, public testing::WithParamInterface<OnePress> {};

TEST_P(RoutingOnePress, RaisesTheEventsOfWhatLiesUnderIt) {
    const OnePress& press = GetParam();
    if (press.start != nullptr) {
        ASSERT_NO_FATAL_FAILURE((this->*press.start)());
    }
    m_mouse.click(m_frm.picMain(), press.at, press.button, MouseInjector::Slow);
    EXPECT_EQ(m_log, press.raised);
    EXPECT_EQ(m_frm.gameState().Scene, press.scene);
    EXPECT_EQ(m_frm.gameState().Presses, press.presses);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, RoutingOnePress,
    testing::Values(OnePress{"OnASiteOnTheWelcomeScreenIsAPressOnThePicture", nullptr, InForest,
                             Qt::LeftButton, "C", SceneCode::Welcome, 0},
                    OnePress{"OnTheBorderRaisesNothing", nullptr, OnBorder, Qt::LeftButton, "",
                             SceneCode::Welcome, 0},
                    OnePress{"OnAnEnabledSiteOpensItsEncounter", &Routing::onMap, InTown,
                             Qt::LeftButton, "S3", SceneCode::Town, 0},
                    OnePress{"OfTheRightButtonClicksASiteToo", &Routing::onMap, InForest,
                             Qt::RightButton, "S0", SceneCode::Forest, 0},
                    OnePress{"InTheCoastDuringABoutIsAPictureClick", &Routing::inTownBout, InCoast,
                             Qt::LeftButton, "C", SceneCode::Town, 1}),
    [](const testing::TestParamInfo<OnePress>& info) { return std::string(info.param.name); });

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
    clickPicture(BareMap);
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
    m_mouse.click(m_frm.picMain(), BareMap, Qt::LeftButton, 150);
    m_mouse.click(m_frm.picMain(), BareMap, Qt::LeftButton, 150);
    hints->setMouseDoubleClickInterval(before);
    EXPECT_EQ(m_log, "CC");
}

// The button takes its left press itself; the caption lines and the bands of bare window let
// theirs through to the window. The same presses with nothing between them pair up.
TEST_F(Routing, APressElsewhereInTheWindowBreaksAPairBegunOnThePicture) {
    struct Elsewhere {
        QWidget* target;
        QPoint at;
        const char* raised;
    };
    for (const Elsewhere& elsewhere :
         {Elsewhere{m_frm.cmdNext(), {100, 6}, "CC"}, Elsewhere{m_frm.lblMs(1), {100, 8}, "CC"},
          Elsewhere{&m_frm, {100, 222}, "CC"}, Elsewhere{nullptr, {}, "CD"}}) {
        m_log.clear();
        clickPicture(BareMap);
        if (elsewhere.target != nullptr) {
            m_mouse.click(elsewhere.target, elsewhere.at, Qt::LeftButton, 20);
        }
        m_mouse.click(m_frm.picMain(), BareMap, Qt::LeftButton, 20);
        EXPECT_EQ(m_log, elsewhere.raised) << elsewhere.at.y();
    }
}

TEST_F(Routing, ReleaseOutsideTheSiteIsNoSiteClick) {
    onMap();
    m_mouse.press(m_frm.picMain(), InTown, Qt::LeftButton, MouseInjector::Slow);
    m_mouse.release(m_frm.picMain(), BareMap, Qt::LeftButton);
    EXPECT_EQ(m_log, "");
    EXPECT_TRUE(m_frm.gameState().OnMap);
}

TEST_F(Routing, MovingFromTheBareMapOntoTheForestAndBack) {
    onMap();
    for (const QPoint at : {QPoint(100, 100), QPoint(80, 40), InForest, QPoint(40, 25)}) {
        m_mouse.move(m_frm.picMain(), at);
    }
    EXPECT_EQ(m_frm.lblMs(0)->text(), toQString(SiteTable[0].Place));
    EXPECT_EQ(m_frm.lblMs(2)->text(), toQString(SiteTable[0].Resident));
    m_mouse.move(m_frm.picMain(), {80, 40});
    EXPECT_EQ(m_moves, "MMm0m0M");
    EXPECT_EQ(m_frm.lblMs(0)->text(), QString());
}

TEST_F(Routing, SitePressQuicklyFollowedByAPicturePressIsADoubleClick) {
    onMap();
    clickPicture(InTown);
    m_mouse.click(m_frm.picMain(), InTown, Qt::LeftButton, 30);
    EXPECT_EQ(m_log, "S3D");
}

TEST_F(Routing, EveryPressOfAFastMixedBurstCountsOnce) {
    inTownBout();
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
    onMap();
    m_mouse.click(&m_frm, {100, 214}, Qt::LeftButton, MouseInjector::Slow);
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::MapFirstReached);
    EXPECT_TRUE(m_frm.picMain()->site(0)->isSiteEnabled());
}

} // namespace
} // namespace gachapoko::test
