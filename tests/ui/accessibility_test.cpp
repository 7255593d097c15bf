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

// The window holds the picture, which is named from the start after the one the window opens
// with, before the game sets any. (Its role, and its name following each new picture, are what a
// screen reader reports of the map in the a11y suite.)
TEST_F(Accessibility, TheWindowIsAFrameNamedAfterTheGameAndThePictureIsNamedFromTheStart) {
    QAccessibleInterface* window = accessible(&m_frm);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("ガチャポコ"));
    EXPECT_GE(window->indexOfChild(accessible(m_frm.picMain())), 0);
    EXPECT_EQ(accessible(m_frm.picMain())->text(QAccessible::Name),
              toQString(pictureDescription(TitlePicture)));
}

// The sites as the window opens, all off; switched on one by one; and one off again.
TEST_F(Accessibility, SitesArePresentOnlyWhileTheyCanBeClicked) {
    QAccessibleInterface* picture = accessible(m_frm.picMain());
    ASSERT_NE(picture, nullptr);
    for (const bool enabled : {false, true}) {
        EXPECT_EQ(picture->childCount(), enabled ? SiteCount : 0);
        for (SiteIndex i = 0; i < SiteCount; ++i) {
            QAccessibleInterface* site = accessible(m_frm.picMain()->site(i));
            EXPECT_EQ(picture->indexOfChild(site), enabled ? i : -1) << i;
            EXPECT_EQ(site->state().invisible, !enabled) << i;
            EXPECT_EQ(picture->child(i), enabled ? site : nullptr) << i;
            EXPECT_EQ(site->parent(), picture) << i;
            m_frm.SetSiteEnabled(i, true);
        }
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
