// The keyboard presses "Next" and nothing else: Space, Return and Enter on the focused button
// press it once for each real press of the key, however a held key's repeats arrive, and no key
// ever counts as a press in a bout.
#include "logic/site_table.h"
#include "tests/ui/mouse_injector.h"
#include "ui/frm_main.h"
#include "ui/held_keys.h"
#include "ui/picture_area.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace gachapoko::test {
namespace {

// ---- The rule on its own ----

// One key event: 'P' press, 'R' release; `repeat` as the toolkit marks it.
struct KeyStep {
    char type;
    std::uint64_t timestamp;
    bool repeat = false;
};

struct HeldKeysCase {
    const char* name;
    std::vector<KeyStep> steps;
    int realPresses;
};

void PrintTo(const HeldKeysCase& sequence, std::ostream* out) {
    *out << sequence.name;
}

class HeldKeysRule : public testing::TestWithParam<HeldKeysCase> {};

TEST_P(HeldKeysRule, CountsOnlyRealPresses) {
    HeldKeys keys;
    int real = 0;
    for (const KeyStep& step : GetParam().steps) {
        if (step.type == 'P') {
            real += keys.press(Qt::Key_Space, step.timestamp, step.repeat) ? 1 : 0;
        } else {
            keys.release(Qt::Key_Space, step.timestamp, step.repeat);
        }
    }
    EXPECT_EQ(real, GetParam().realPresses);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, HeldKeysRule,
    testing::Values(
        HeldKeysCase{"OneTap", {{'P', 1000}, {'R', 1090}}, 1},
        HeldKeysCase{"TwoQuickTaps", {{'P', 1000}, {'R', 1060}, {'P', 1120}, {'R', 1180}}, 2},
        // Auto-repeat that the toolkit recognised: repeats marked on both halves.
        HeldKeysCase{"MarkedRepeats",
                     {{'P', 1000},
                      {'R', 1500, true},
                      {'P', 1500, true},
                      {'R', 1533, true},
                      {'P', 1533, true},
                      {'R', 2000}},
                     1},
        // Presses only, no release between them (a server that repeats presses alone).
        HeldKeysCase{"PressesWithoutReleases", {{'P', 1000}, {'P', 1500}, {'P', 1533}}, 1},
        // The recognition failed: plain release and press pairs with one time each.
        HeldKeysCase{"UnrecognisedPairsWithEqualTimes",
                     {{'P', 1000},
                      {'R', 1500},
                      {'P', 1500},
                      {'R', 1533},
                      {'P', 1533},
                      {'R', 1566},
                      {'P', 1566},
                      {'R', 2100}},
                     1},
        HeldKeysCase{"UnrecognisedPairsWithNearlyEqualTimes",
                     {{'P', 1000}, {'R', 1500}, {'P', 1501}, {'R', 1533}, {'P', 1535}, {'R', 2100}},
                     1},
        HeldKeysCase{"MixedRecognisedAndUnrecognised",
                     {{'P', 1000},
                      {'R', 1500, true},
                      {'P', 1500, true},
                      {'R', 1533},
                      {'P', 1533},
                      {'R', 1566, true},
                      {'P', 1566, true},
                      {'R', 2100},
                      {'P', 2400}},
                     2},
        HeldKeysCase{"PressJustOutsideThePairWindowIsReal",
                     {{'P', 1000}, {'R', 1500}, {'P', 1500 + HeldKeys::RepeatPairMilliseconds + 1}},
                     2},
        // Events that carry no time (0) cannot be told apart by time.
        HeldKeysCase{"UntimedTaps", {{'P', 0}, {'R', 0}, {'P', 0}, {'R', 0}}, 2}),
    [](const testing::TestParamInfo<HeldKeysCase>& info) { return info.param.name; });

TEST(HeldKeysRule, KeysAreHeldEachOnItsOwn) {
    HeldKeys keys;
    EXPECT_TRUE(keys.press(Qt::Key_Space, 1000, false));
    EXPECT_TRUE(keys.press(Qt::Key_Return, 1010, false));
    EXPECT_FALSE(keys.press(Qt::Key_Space, 1500, true));
    keys.release(Qt::Key_Return, 1600, false);
    EXPECT_TRUE(keys.isDown(Qt::Key_Space));
    EXPECT_FALSE(keys.isDown(Qt::Key_Return));
}

TEST(HeldKeysRule, ForgettingLetsEveryKeyUp) {
    HeldKeys keys;
    EXPECT_TRUE(keys.press(Qt::Key_Space, 1000, false));
    keys.forget();
    EXPECT_FALSE(keys.isDown(Qt::Key_Space));
    EXPECT_TRUE(keys.press(Qt::Key_Space, 5000, false));
}

// ---- The window ----

QString text(std::u16string_view view) {
    return QString::fromUtf16(view.data(), static_cast<qsizetype>(view.size()));
}

struct PressingKey {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

void PrintTo(const PressingKey& key, std::ostream* out) {
    *out << key.name;
}

const PressingKey Space{"Space", Qt::Key_Space, Qt::NoModifier, " "};
const PressingKey Return{"Return", Qt::Key_Return, Qt::NoModifier, "\r"};
const PressingKey Enter{"Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r"};

// Sends one key event with a time to whatever has the keyboard focus, as the platform does.
void sendKey(const PressingKey& key, QEvent::Type type, std::uint64_t timestamp,
             bool autoRepeat = false) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QKeyEvent event(type, key.key, key.modifiers, QString::fromLatin1(key.text), autoRepeat);
    event.setTimestamp(timestamp);
    QApplication::sendEvent(focus, &event);
}

class NextByKey : public testing::TestWithParam<PressingKey> {
protected:
    void SetUp() override {
        m_frm.start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frm));
        m_frm.cmdNext()->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), m_frm.cmdNext());
    }

    // "Next" back on screen with the focus, as after a scene that shows it again.
    void showNextAgain() {
        m_frm.SetNextVisible(true);
        m_frm.cmdNext()->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), m_frm.cmdNext());
    }

    FrmMain m_frm;
};

TEST_P(NextByKey, OnePressOfTheFocusedButtonGoesFromWelcomeToTheMap) {
    QSignalSpy clicks(m_frm.cmdNext(), &QPushButton::clicked);
    sendKey(GetParam(), QEvent::KeyPress, 1000);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::MapFirstReached);
    EXPECT_EQ(m_frm.lblMs(1)->text(), text(MapInstruction));
    EXPECT_TRUE(m_frm.cmdNext()->isHidden());
    sendKey(GetParam(), QEvent::KeyRelease, 1090);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_P(NextByKey, AHeldKeyPressesOnceWhateverTheRepeatsLookLike) {
    QSignalSpy clicks(m_frm.cmdNext(), &QPushButton::clicked);
    sendKey(GetParam(), QEvent::KeyPress, 1000);
    ASSERT_EQ(clicks.count(), 1);
    // The scene shows "Next" again while the key is still down, and the focus goes back to it.
    showNextAgain();

    std::uint64_t at = 1500;
    for (int i = 0; i < 10; ++i, at += 33) {
        // Recognised repeats, then pairs the toolkit did not recognise: the same time on both
        // halves, and a millisecond apart.
        sendKey(GetParam(), QEvent::KeyRelease, at, true);
        sendKey(GetParam(), QEvent::KeyPress, at, true);
        sendKey(GetParam(), QEvent::KeyRelease, at + 11);
        sendKey(GetParam(), QEvent::KeyPress, at + 11);
        sendKey(GetParam(), QEvent::KeyRelease, at + 22);
        sendKey(GetParam(), QEvent::KeyPress, at + 23);
    }
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(m_frm.cmdNext()->isHidden());

    // Let up for real, then pressed again: a second press.
    sendKey(GetParam(), QEvent::KeyRelease, at + 100);
    EXPECT_EQ(clicks.count(), 1);
    sendKey(GetParam(), QEvent::KeyPress, at + 250);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_P(NextByKey, AKeyPressedWhileThePictureHadTheFocusIsHeldWhenTabReachesNext) {
    QSignalSpy clicks(m_frm.cmdNext(), &QPushButton::clicked);
    m_frm.picMain()->setFocus(Qt::TabFocusReason);
    sendKey(GetParam(), QEvent::KeyPress, 1000);
    EXPECT_EQ(clicks.count(), 0);
    m_frm.cmdNext()->setFocus(Qt::TabFocusReason);
    sendKey(GetParam(), QEvent::KeyRelease, 1500);
    sendKey(GetParam(), QEvent::KeyPress, 1500);
    sendKey(GetParam(), QEvent::KeyPress, 1533, true);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::Welcome);
}

INSTANTIATE_TEST_SUITE_P(Keys, NextByKey, testing::Values(Space, Return, Enter),
                         [](const testing::TestParamInfo<PressingKey>& info) {
                             return std::string(info.param.name);
                         });

TEST(NextByKeyboard, AHiddenButtonIsNeverPressedByAKey) {
    FrmMain frm;
    frm.start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    QSignalSpy clicks(frm.cmdNext(), &QPushButton::clicked);
    frm.SetNextVisible(false);
    for (const PressingKey& key : {Space, Return, Enter}) {
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, QString::fromLatin1(key.text));
        press.setTimestamp(1000);
        QApplication::sendEvent(frm.cmdNext(), &press);
    }
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(frm.gameState().Scene, SceneCode::Welcome);
}

TEST(NextByKeyboard, KeysNeverCountAsPressesInABout) {
    FrmMain frm;
    MouseInjector mouse(&frm);
    frm.start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    // Welcome, the map, the town, its bout.
    mouse.click(frm.cmdNext(), {100, 6}, Qt::LeftButton, MouseInjector::Slow);
    mouse.click(frm.picMain(), {160, 120}, Qt::LeftButton, MouseInjector::Slow);
    mouse.click(frm.cmdNext(), {100, 6}, Qt::LeftButton, MouseInjector::Slow);
    ASSERT_TRUE(frm.gameState().Counting);
    ASSERT_TRUE(frm.cmdNext()->isHidden());
    ASSERT_EQ(QApplication::focusWidget(), frm.picMain());

    const PressingKey letter{"A", Qt::Key_A, Qt::NoModifier, "a"};
    const PressingKey tab{"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"};
    std::uint64_t at = 200000;
    for (const PressingKey& key : {Space, Return, Enter, letter, tab}) {
        for (int i = 0; i < 5; ++i, at += 40) {
            sendKey(key, QEvent::KeyPress, at);
            sendKey(key, QEvent::KeyRelease, at + 20);
        }
    }
    EXPECT_EQ(frm.gameState().Presses, 0);
    EXPECT_TRUE(frm.cmdNext()->isHidden());

    // The mouse still counts.
    mouse.click(frm.picMain(), {100, 150}, Qt::LeftButton, MouseInjector::Slow);
    EXPECT_EQ(frm.gameState().Presses, 1);
}

} // namespace
} // namespace gachapoko::test
