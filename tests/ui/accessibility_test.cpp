// What a screen reader learns of the window through Qt's accessibility layer: a frame named after
// the game, the picture named from the start, the sites there only while they can be clicked,
// and a hidden "Next" that cannot be pressed. (Qt sends accessibility events only while assistive
// technology listens: the events, and the same tree as read over a real AT-SPI bus, with the
// picture's role and names and the sites' as push buttons named like their hover captions, are
// tested by the a11y suite.)
#include "logic/site_table.h"
#include "tests/ui/game_window.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QAccessible>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

using Accessibility = GameWindow;

TEST_F(Accessibility, TheWindowIsAFrameNamedAfterTheGame) {
    QAccessibleInterface* window = accessible(&m_frm);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("ガチャポコ"));
    EXPECT_GE(window->indexOfChild(accessible(m_frm.picMain())), 0);
}

// The welcome screen's picture is the one the window opens with, named before the game sets any.
// (Its role, and its name following each new picture, are what a screen reader reports of the
// map in the a11y suite.)
TEST_F(Accessibility, ThePictureIsNamedFromTheStart) {
    EXPECT_EQ(accessible(m_frm.picMain())->text(QAccessible::Name),
              toQString(pictureDescription(TitlePicture)));
}

TEST_F(Accessibility, SitesArePresentOnlyWhileTheyCanBeClicked) {
    QAccessibleInterface* picture = accessible(m_frm.picMain());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->childCount(), 0);
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        QAccessibleInterface* site = accessible(m_frm.picMain()->site(i));
        EXPECT_EQ(picture->indexOfChild(site), -1) << i;
        EXPECT_TRUE(site->state().invisible) << i;
    }

    for (SiteIndex i = 0; i < SiteCount; ++i) {
        m_frm.SetSiteEnabled(i, true);
    }
    ASSERT_EQ(picture->childCount(), SiteCount);
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        QAccessibleInterface* site = picture->child(i);
        ASSERT_NE(site, nullptr);
        EXPECT_EQ(site->object(), m_frm.picMain()->site(i));
        EXPECT_FALSE(site->state().invisible) << i;
        EXPECT_EQ(picture->indexOfChild(site), i);
        EXPECT_EQ(site->parent(), picture);
    }

    // Off the map again, one site at a time.
    m_frm.SetSiteEnabled(2, false);
    EXPECT_EQ(picture->childCount(), SiteCount - 1);
    EXPECT_EQ(picture->indexOfChild(accessible(m_frm.picMain()->site(2))), -1);
    EXPECT_EQ(picture->child(2)->object(), m_frm.picMain()->site(3));
}

// A screen reader can press "Next" through its Press action even while the button is hidden, as
// it is on the map and during a bout: the game must not act on it.
TEST_F(Accessibility, AScreenReadersPressOnAHiddenNextDoesNothing) {
    QAccessibleActionInterface* next = accessible(m_frm.cmdNext())->actionInterface();
    ASSERT_NE(next, nullptr);
    // The press comes a moment later, as the button is seen to go down and up.
    const auto press = [next](const std::function<bool()>& done) {
        next->doAction(QAccessibleActionInterface::pressAction());
        return QTest::qWaitFor(done, 250);
    };
    const auto never = [] { return false; };
    ASSERT_TRUE(press([this] { return m_frm.gameState().OnMap; })); // from the welcome screen
    static_cast<void>(press(never));
    EXPECT_TRUE(m_frm.picMain()->site(3)->isSiteEnabled()) << "the map's sites were switched off";

    m_frm.picMain()->siteClicked(3);                                   // the town
    ASSERT_TRUE(press([this] { return m_frm.gameState().Counting; })); // its bout
    static_cast<void>(press(never));
    EXPECT_FALSE(m_frm.gameState().OnMap) << "back on the map in the middle of the bout";
    EXPECT_TRUE(m_frm.gameState().Counting);
}

} // namespace
} // namespace gachapoko::test
