// The game by keyboard and by ear: the focus comes back to "Next" with the button (it starts
// there, as the start-up test holds); Tab takes the map's places in reading order, the arrows step
// among them, Space or Return visits one; a focused place shows a mark and its hover captions; and
// a screen reader is told each new picture and the caption lines each scene writes, once, but never
// a hover's.
#include "logic/game.h"
#include "logic/site_table.h"
#include "tests/ui/game_window.h"
#include "ui/announcer.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace gachapoko::test {
namespace {

QString lines(std::initializer_list<std::u16string_view> texts) {
    QStringList all;
    for (const std::u16string_view text : texts) {
        all.append(toQString(text));
    }
    return all.join(QLatin1Char(' '));
}

class KeyboardMap : public GameWindow {
protected:
    KeyboardMap() {
        QObject::connect(m_frm.announcer(), &Announcer::spoke,
                         [this](const QString& text) { m_said.push_back(text); });
    }

    // A key as the platform gives it: to the focused widget, else to the window.
    void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &m_frm, static_cast<Qt::Key>(code), modifiers);
    }
    SiteIndex focusedSite() const {
        const auto* site = qobject_cast<const SiteRegion*>(QApplication::focusWidget());
        return site != nullptr ? site->index() : SiteIndex{-1};
    }
    std::vector<QString> saidSince(std::size_t mark) const {
        return {m_said.begin() + static_cast<std::ptrdiff_t>(mark), m_said.end()};
    }
    // Space presses as it comes up, 40 ms later.
    void space() {
        key(Qt::Key_Space);
        QTest::qWait(60);
    }
    // Five Tabs from the map with nothing focused reach the town.
    void tabToTown() {
        for (int i = 0; i < 5; ++i) {
            key(Qt::Key_Tab);
        }
    }

    std::vector<QString> m_said;
};

TEST_F(KeyboardMap, TabTakesThePlacesAsTheyReadAndTheArrowsStepAmongThem) {
    space();
    ASSERT_TRUE(m_frm.gameState().OnMap);
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "the hidden Next handed the keys on";

    const std::vector<SiteIndex> readingOrder = {0, 1, 2, 4, 3, 5, 0};
    for (const SiteIndex expected : readingOrder) {
        key(Qt::Key_Tab);
        ASSERT_EQ(focusedSite(), expected);
        // The captions name the place as pointing at it does.
        const SiteRow& row = SiteTable[static_cast<std::size_t>(expected)];
        EXPECT_EQ(m_frm.lblMs(0)->text(), toQString(row.Place));
        EXPECT_EQ(m_frm.lblMs(2)->text(), toQString(row.Resident));
    }
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusedSite(), 5);
    const std::vector<std::pair<int, SiteIndex>> arrows = {{Qt::Key_Left, 3},
                                                           {Qt::Key_Up, 4},
                                                           {Qt::Key_Right, 3},
                                                           {Qt::Key_Down, 5},
                                                           {Qt::Key_Down, 0}};
    for (const auto& [arrow, expected] : arrows) {
        key(arrow);
        EXPECT_EQ(focusedSite(), expected) << arrow;
    }
    EXPECT_EQ(m_said.size(), 3U) << "a hover was spoken";
}

TEST_F(KeyboardMap, AFocusMarkShowsOnlyOnTheFocusedPlace) {
    space();
    const QRect forest = m_frm.picMain()->site(0)->geometry();
    const QImage unfocused = m_frm.picMain()->grab(forest).toImage();
    key(Qt::Key_Tab);
    ASSERT_EQ(focusedSite(), 0);
    EXPECT_NE(m_frm.picMain()->grab(forest).toImage(), unfocused);
    key(Qt::Key_Tab);
    EXPECT_EQ(m_frm.picMain()->grab(forest).toImage(), unfocused);
}

TEST_F(KeyboardMap, EachSceneIsSpokenOnceAndTheKeyboardFollowsNext) {
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_said.empty(); }, 1000));
    EXPECT_EQ(m_said, std::vector<QString>{toQString(WelcomeLine)});

    space();
    EXPECT_EQ(saidSince(1), (std::vector<QString>{toQString(pictureDescription(MapPicture)),
                                                  toQString(MapInstruction)}));
    // The town, by Return: its picture, then its three lines as one; "Next" has the keyboard.
    tabToTown();
    ASSERT_EQ(focusedSite(), 3);
    std::size_t mark = m_said.size();
    key(Qt::Key_Return);
    const SiteRow& town = SiteTable[3];
    EXPECT_EQ(saidSince(mark),
              (std::vector<QString>{toQString(pictureDescription(town.PictureId)),
                                    lines({town.Lines[0], town.Lines[1], town.Lines[2]})}));
    EXPECT_EQ(QApplication::focusWidget(), m_frm.cmdNext());

    // Its bout, won by the mouse.
    mark = m_said.size();
    space();
    EXPECT_EQ(saidSince(mark), std::vector<QString>{toQString(BoutInstruction)});
    for (int i = 0; i < town.Required; ++i) {
        emit m_frm.picMain()->clicked();
    }
    mark = m_said.size();
    m_frm.SetTimerInterval(20);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_frm.cmdNext()->isVisible(); }, 2000));
    EXPECT_EQ(saidSince(mark),
              std::vector<QString>{lines({WonLine0, WonLine1, pressesLine(town.Required)})});
    EXPECT_EQ(QApplication::focusWidget(), m_frm.cmdNext());

    // Back on the map, the beaten town refuses: only the refusal is said, and the keyboard
    // stays on the place.
    key(Qt::Key_Return);
    tabToTown();
    mark = m_said.size();
    key(Qt::Key_Return);
    EXPECT_EQ(saidSince(mark), std::vector<QString>{toQString(RefusalLine)});
    EXPECT_EQ(focusedSite(), 3);
    EXPECT_EQ(m_frm.lblMs(1)->text(), toQString(RefusalLine));
}

// A screen reader's Press visits a place on the map, and does nothing once it is off the map.
// Return as the window comes to the front, before the welcome was said: the welcome first.
TEST_F(KeyboardMap, AKeyBeforeTheWelcomeWasSaidIsAnsweredAfterIt) {
    ASSERT_TRUE(m_said.empty()) << "the welcome was said before a key could come";
    key(Qt::Key_Return);
    QTest::qWait(10);
    EXPECT_EQ(m_said, (std::vector<QString>{toQString(WelcomeLine),
                                            toQString(pictureDescription(MapPicture)),
                                            toQString(MapInstruction)}));
}

TEST_F(KeyboardMap, AScreenReadersPressVisitsAPlaceOnTheMapOnly) {
    QAccessibleActionInterface* lake =
        QAccessible::queryAccessibleInterface(m_frm.picMain()->site(2))->actionInterface();
    ASSERT_NE(lake, nullptr);
    lake->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::Welcome);
    key(Qt::Key_Return);
    ASSERT_TRUE(m_frm.gameState().OnMap);
    lake->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::GoddessHint);
}

} // namespace
} // namespace gachapoko::test
