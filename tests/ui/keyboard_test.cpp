// The keyboard presses "Next" and nothing else: Return and Enter on the focused button press it
// as they go down, Space shows it pressed while held and presses it as it comes up, a held key
// presses once however its repeats arrive, a hidden button is never pressed, and no key ever
// counts as a press in a bout.
#include "tests/ui/game_window.h"
#include "ui/button_keys.h"
#include "ui/frm_main.h"
#include "ui/held_keys.h"
#include "ui/picture_area.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace gachapoko::test {
namespace {

// One key event: 'P' press, 'R' release, or 'W' to let `timestamp` milliseconds pass with the
// event loop running; `repeat` as the toolkit marks it.
struct KeyStep {
    char type;
    std::uint64_t timestamp;
    bool repeat = false;
};
using Keys = std::vector<KeyStep>;

// ---- Real presses and the repeats of a held key, on their own ----

TEST(HeldKeysRule, KeysAreHeldEachOnItsOwnAndForgottenTogether) {
    HeldKeys keys;
    EXPECT_TRUE(keys.press(Qt::Key_Space, 1000, false));
    EXPECT_TRUE(keys.press(Qt::Key_Return, 1010, false));
    keys.release(Qt::Key_Return, 1600, false);
    EXPECT_FALSE(keys.press(Qt::Key_Space, 1700, false)) << "Space is still held";
    EXPECT_TRUE(keys.press(Qt::Key_Return, 1800, false));
    keys.forget();
    EXPECT_TRUE(keys.press(Qt::Key_Space, 5000, false));
}

// ---- The keys on a focused push button ----

struct PressingKey {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

constexpr std::uint64_t RepeatPair = HeldKeys::RepeatPairMilliseconds;

const PressingKey Space{"Space", Qt::Key_Space, Qt::NoModifier, " "};
const PressingKey Return{"Return", Qt::Key_Return, Qt::NoModifier, "\r"};
const PressingKey Enter{"Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r"};

// Sends one key event with a time to whatever has the keyboard focus, else to the window, as
// the platform does; or to `to`.
void sendKey(const PressingKey& key, QEvent::Type type, std::uint64_t timestamp,
             bool autoRepeat = false, QWidget* to = nullptr) {
    QWidget* focus = to != nullptr ? to : QApplication::focusWidget();
    if (focus == nullptr) {
        focus = QApplication::activeWindow();
    }
    ASSERT_NE(focus, nullptr);
    QKeyEvent event(type, key.key, key.modifiers, QString::fromLatin1(key.text), autoRepeat);
    event.setTimestamp(timestamp);
    QApplication::sendEvent(focus, &event);
}

void play(const PressingKey& key, const Keys& steps) {
    for (const KeyStep& step : steps) {
        if (step.type == 'W') {
            QTest::qWait(static_cast<int>(step.timestamp));
        } else {
            sendKey(key, step.type == 'P' ? QEvent::KeyPress : QEvent::KeyRelease, step.timestamp,
                    step.repeat);
        }
    }
}

Keys operator+(Keys steps, const Keys& more) {
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

// A held key: pressed at 1000, then its repeats in every form they take (recognised, and
// unrecognised pairs with one time and a millisecond apart), still held at the end.
Keys heldWithRepeats() {
    Keys steps = {{'P', 1000}};
    for (std::uint64_t at = 1500; at < 1800; at += 33) {
        steps = steps + Keys{{'R', at, true}, {'P', at, true}, {'R', at + 11},
                             {'P', at + 11},  {'R', at + 22},  {'P', at + 23}};
    }
    return steps;
}

struct KeyCase {
    const char* name;
    PressingKey key;
    int clicks;
    bool down; // shown pressed at the end
    Keys steps;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

// A window with the button, focused, and another button beside it to take the focus.
class ButtonInAWindow : public testing::Test {
protected:
    void SetUp() override {
        m_window.resize(100, 80);
        m_button->setGeometry(0, 0, 100, 40);
        m_other->setGeometry(0, 40, 100, 40);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_button->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), m_button);
    }

    QWidget m_window;
    QPushButton* m_button = new QPushButton(QStringLiteral("Next"), &m_window);
    QPushButton* m_other = new QPushButton(QStringLiteral("Other"), &m_window);
    ButtonKeys* m_keys = new ButtonKeys(m_button);
    QSignalSpy m_clicks{m_button, &QPushButton::clicked};
};

class KeysOnAButton : public ButtonInAWindow, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeysOnAButton, PressItAsADesktopButtonIsPressed) {
    play(GetParam().key, GetParam().steps);
    // A busy machine may run the key's timer late.
    static_cast<void>(
        QTest::qWaitFor([this] { return m_clicks.count() >= GetParam().clicks; }, 1000));
    EXPECT_EQ(m_clicks.count(), GetParam().clicks);
    EXPECT_EQ(m_button->isDown(), GetParam().down);
}

const Keys Tap = {{'P', 1000}, {'W', 60}, {'R', 1090}, {'W', 60}};
const Keys LetUp = {{'R', 2000}, {'W', 60}};

INSTANTIATE_TEST_SUITE_P(
    Keys, KeysOnAButton,
    testing::Values(
        // Return and Enter press as they go down; Space shows the button pressed.
        KeyCase{"ReturnPressesAsItGoesDown", Return, 1, false, Keys{{'P', 1000}}},
        KeyCase{"EnterPressesAsItGoesDown", Enter, 1, false, Keys{{'P', 1000}}},
        KeyCase{"SpaceShowsThePressWhileDown", Space, 0, true, Keys{{'P', 1000}, {'W', 60}}},
        KeyCase{"ReturnTapIsOnePress", Return, 1, false, Tap},
        KeyCase{"SpaceTapIsOnePressAsItComesUp", Space, 1, false, Tap},
        // However its repeats arrive, a held key presses once.
        KeyCase{"HeldReturnPressesOnce", Return, 1, false, heldWithRepeats()},
        KeyCase{"HeldSpacePressesNothingWhileHeld", Space, 0, true,
                heldWithRepeats() + Keys{{'W', 60}}},
        KeyCase{"HeldSpacePressesOnceAsItComesUp", Space, 1, false, heldWithRepeats() + LetUp},
        // A busy machine delivers a repeat's press late, after its release was taken for the
        // key coming up: still one press for the whole hold.
        KeyCase{"LateRepeatOfSpaceAddsNoPress", Space, 1, false,
                Keys{{'P', 1000}, {'R', 1500}, {'W', 60}, {'P', 1500}, {'R', 2000}, {'W', 60}}},
        // The window's events run between a repeat's release and its press, which follows a
        // few milliseconds later: Space is still held.
        KeyCase{"RepeatOfSpaceWithEventsBetweenIsStillHeld", Space, 0, true,
                Keys{{'P', 1000}, {'R', 1500}, {'W', 5}, {'P', 1500}, {'W', 60}}},
        // A release marked as a repeat never lets Space up, however late its press comes.
        KeyCase{"MarkedRepeatOfSpaceIsHeldHoweverLateItsPress", Space, 0, true,
                Keys{{'P', 1000}, {'R', 1500, true}, {'W', 60}, {'P', 1500, true}, {'W', 60}}},
        // Presses only, no release between them (a server that repeats presses alone).
        KeyCase{"RepeatedPressesAreOne", Return, 1, false,
                Keys{{'P', 1000}, {'P', 1500}, {'P', 1533}}},
        // The repeat's time is a closed bound: a release and a press exactly that far apart,
        // either way round, are a held key's repeat; a millisecond more is a person letting the
        // key up and pressing it again.
        KeyCase{"PressesTheRepeatsTimeApartAreRepeats", Return, 2, false,
                Keys{{'P', 1000}, {'R', 1500}, {'P', 1500 + RepeatPair}} +
                    Keys{{'R', 2000 + RepeatPair}, {'P', 2000}} +
                    Keys{{'R', 3000}, {'P', 3000 + RepeatPair + 1}}},
        // Events that carry no time (0) cannot be told apart by time.
        KeyCase{"UntimedTapsAreTwo", Return, 2, false,
                Keys{{'P', 0}, {'R', 0}, {'P', 0}, {'R', 0}}},
        // Let up for real and pressed again: a second press.
        KeyCase{"SpaceTwiceIsTwoPresses", Space, 2, false,
                heldWithRepeats() + LetUp + Keys{{'P', 2200}, {'R', 2290}, {'W', 60}}},
        KeyCase{"ReturnTwiceIsTwoPresses", Return, 2, false,
                heldWithRepeats() + LetUp + Keys{{'P', 2200}}}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

// Space let up after the focus reached the button, where it was never shown pressed, and the
// mouse pressing the button just after: the button is the mouse's, pressed as the mouse lets go.
TEST_F(ButtonInAWindow, SpaceLetUpUnpressedLeavesAMousePressAlone) {
    play(Space, {{'R', 1000}});
    QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, {50, 20});
    QTest::qWait(60);
    EXPECT_EQ(m_clicks.count(), 0);
    EXPECT_TRUE(m_button->isDown());
    QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, {50, 20});
    EXPECT_EQ(m_clicks.count(), 1);
}

// The focus leaves the button while Space's release waits to be sure it is no repeat: the
// button comes up unpressed, as a desktop's button does when the focus leaves it held down.
TEST_F(ButtonInAWindow, FocusLeavingBeforeSpaceIsSurelyUpPressesNothing) {
    play(Space, {{'P', 1000}, {'R', 1090}});
    ASSERT_TRUE(m_button->isDown());
    m_other->setFocus(Qt::TabFocusReason);
    QTest::qWait(60);
    EXPECT_EQ(m_clicks.count(), 0);
    EXPECT_FALSE(m_button->isDown());
}

// ---- "Next" in the window ----
// (Space on it from the welcome screen, and the keyboard leaving with it as it hides, are played
// in keyboard_map_test.)

class NextByKeyboard : public GameWindow {
protected:
    QSignalSpy m_clicks{m_frm.cmdNext(), &QPushButton::clicked};
};

TEST_F(NextByKeyboard, AKeyPressedWhileThePictureHadTheFocusIsHeldWhenTabReachesNext) {
    for (const PressingKey& key : {Space, Return, Enter}) {
        m_frm.picMain()->setFocus(Qt::TabFocusReason);
        play(key, {{'P', 1000}});
        m_frm.cmdNext()->setFocus(Qt::TabFocusReason);
        // Its repeats, as a server that repeats presses alone and as a marked pair.
        play(key, {{'P', 1500}, {'R', 1533}, {'P', 1533}, {'W', 60}});
        EXPECT_EQ(m_clicks.count(), 0) << key.name;
        play(key, {{'R', 2000}, {'W', 60}});
    }
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::Welcome);
}

TEST_F(NextByKeyboard, AKeyLetUpWhileThePictureHadTheFocusPressesAgainOnNext) {
    m_frm.picMain()->setFocus(Qt::TabFocusReason);
    play(Return, {{'P', 1000}, {'R', 1090}});
    m_frm.cmdNext()->setFocus(Qt::TabFocusReason);
    play(Return, {{'P', 1500}});
    EXPECT_EQ(m_clicks.count(), 1);
}

// A key let up while another window had the keyboard is up when the game has it again.
TEST_F(NextByKeyboard, AKeyHeldWhenTheWindowLostTheKeyboardIsUpWhenItComesBack) {
    m_frm.cmdNext()->setFocus(Qt::TabFocusReason);
    play(Return, {{'P', 1000}});
    ASSERT_EQ(m_clicks.count(), 1);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    m_frm.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frm));
    m_frm.SetNextVisible(true);
    m_frm.cmdNext()->setFocus(Qt::TabFocusReason);
    play(Return, {{'P', 5000}});
    EXPECT_EQ(m_clicks.count(), 2);
}

TEST_F(NextByKeyboard, AHiddenButtonIsNeverPressedByAKey) {
    m_frm.cmdNext()->setFocus(Qt::TabFocusReason);
    m_frm.SetNextVisible(false);
    for (const PressingKey& key : {Space, Return, Enter}) {
        sendKey(key, QEvent::KeyPress, 0, false, m_frm.cmdNext());
        sendKey(key, QEvent::KeyRelease, 0, false, m_frm.cmdNext());
    }
    QTest::qWait(60);
    EXPECT_EQ(m_clicks.count(), 0);
    EXPECT_EQ(m_frm.gameState().Scene, SceneCode::Welcome);
}

TEST_F(NextByKeyboard, KeysNeverCountAsPressesInABout) {
    ASSERT_NO_FATAL_FAILURE(startTownBout());
    ASSERT_EQ(QApplication::focusWidget(), nullptr);

    const PressingKey letter{"A", Qt::Key_A, Qt::NoModifier, "a"};
    const PressingKey tab{"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"};
    std::uint64_t at = 200000;
    for (const PressingKey& key : {Space, Return, Enter, letter, tab}) {
        for (int i = 0; i < 5; ++i, at += 40) {
            play(key, {{'P', at}, {'R', at + 20}});
        }
    }
    QTest::qWait(60);
    EXPECT_EQ(m_frm.gameState().Presses, 0);
    EXPECT_TRUE(m_frm.cmdNext()->isHidden());
    // The mouse still counts.
    clickPicture(BareMap);
    EXPECT_EQ(m_frm.gameState().Presses, 1);
}

} // namespace
} // namespace gachapoko::test
