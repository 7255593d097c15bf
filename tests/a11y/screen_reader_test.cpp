// What a blind player hears: the game played through a real screen reader (Orca at its default
// settings) with the keyboard and the mouse, checked against what Orca decided to speak. A break
// here means a player who cannot see the window no longer learns where they are, what to do, or
// how a bout ended: a line not announced, announced twice or late, a place missing from the Tab
// order, or the game not found by a screen reader started after it.
#include "tests/support/screen_reader.h"
#include "tests/support/x_client.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

using Utterances = std::vector<ScreenReaderDesktop::Utterance>;
using std::chrono::duration_cast;
using std::chrono::milliseconds;

const std::string Title = "ガチャポコ";
const std::string Welcome = "ガチャポコの世界へようこそ！！";
const std::string MapPicture = "地図";
const std::string MapInstruction = "行きたい場所を選んで下さい";
const std::string BoutInstruction = "＊マウスの左右ボタンを何回も押せ＊";
const std::string LostLines[] = {"まだまだだな。", "いつでもかかってきな！！"};
const std::string PressesLine = "押した回数　"; // then the count in ASCII digits
// The six places in reading order, as a screen reader names them.
const std::string Places[] = {"森林・ドワーフ", "山・力士", "湖・女神",
                              "住宅・次男",     "街・若者", "海岸・長男"};
const std::string TownResident = "若者";
const std::string TownLines[] = {"なんだオメェ？", "オレと勝負してぇのか？", "それならいくぞ！！"};
const std::string Nothing = "(nothing)";

// Orca names a focused push button and its role in one utterance.
const std::string PushButton = " push button";

// The indices of the utterances in [from, to) that contain `text`, or that begin with it.
std::vector<std::size_t> saidAt(const Utterances& spoken, std::size_t from, std::size_t to,
                                const std::string& text, bool begins = false) {
    std::vector<std::size_t> at;
    for (std::size_t i = from; i < std::min(to, spoken.size()); ++i) {
        const std::size_t found = spoken[i].text.find(text);
        if (begins ? found == 0 : found != std::string::npos) {
            at.push_back(i);
        }
    }
    return at;
}

class Orca : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(m_desktop.start(), ""); }

    // Whatever the scene and however far it got, Orca must have handled every event of the game
    // without an error.
    void TearDown() override {
        expectNoEventErrors();
        if (HasFailure()) {
            std::printf("%s", m_desktop.report().c_str());
        }
    }

    // Orca first, then the game, as a player who relies on Orca starts them.
    void startOrcaThenTheGame() {
        ASSERT_EQ(m_desktop.startScreenReader(), "");
        m_start = m_desktop.mark();
        ASSERT_EQ(m_desktop.startGame(), "");
    }

    // Waits for Orca to speak `text` after `from`; the index of that utterance.
    std::size_t hear(ScreenReaderDesktop::Mark from, const std::string& text,
                     milliseconds timeout = 5s) {
        const auto heard = m_desktop.waitForSpeech(from, text, timeout);
        EXPECT_TRUE(heard) << "Orca did not say '" << text << "' within " << timeout.count()
                           << " ms";
        return heard ? from + heard->size() - 1 : m_desktop.mark();
    }

    // Presses `key` (with Shift when asked) and waits for Orca to speak a push button's name;
    // what it spoke.
    std::string focusNext(const std::string& key = "Tab", bool shift = false) {
        const auto from = m_desktop.mark();
        m_desktop.pressKey(key, shift);
        // Orca may name the container first ("地図 image"); the answer is the button.
        const auto heard = m_desktop.waitForSpeech(from, PushButton, 2s);
        return heard ? heard->back().text : Nothing;
    }

    // Tabs until Orca speaks `name` as a push button, at most `tabs` times; fails at once when
    // a Tab makes Orca say nothing.
    void tabTo(const std::string& name, int tabs = 9) {
        std::vector<std::string> heard;
        for (int i = 0; i < tabs; ++i) {
            heard.push_back(focusNext());
            if (heard.back().starts_with(name + PushButton)) {
                return;
            }
            if (heard.back() == Nothing) {
                break;
            }
        }
        FAIL() << "Tab never reached '" << name
               << "'; Orca said: " << testing::PrintToString(heard);
    }

    // From the welcome screen to the map by Space on "Next", where the game puts the focus at
    // start; m_beforeMap is where Orca had got to before Space.
    void openTheMap() {
        if (!m_desktop.waitForSpeech(m_start, "Next" + PushButton, 5s)) {
            ASSERT_NO_FATAL_FAILURE(tabTo("Next", 3));
        }
        m_beforeMap = m_desktop.mark();
        m_desktop.pressKey("space");
        hear(m_beforeMap, MapInstruction);
    }

    // How many events of `kind` Orca received whose log line holds every one of `parts`.
    long received(const std::string& kind, std::initializer_list<std::string> parts) {
        const std::vector<std::string> lines =
            m_desktop.logLines("EVENT MANAGER: " + kind + " for ");
        return std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return std::all_of(parts.begin(), parts.end(), [&](const std::string& part) {
                return line.find(part) != std::string::npos;
            });
        });
    }

    void expectNoEventErrors() {
        const std::vector<std::string> errors = m_desktop.eventErrors();
        EXPECT_TRUE(errors.empty())
            << "Orca logged " << errors.size() << " errors about events, the first:\n"
            << (errors.empty() ? "" : errors.front());
    }

    ScreenReaderDesktop m_desktop;
    ScreenReaderDesktop::Mark m_start = 0;
    ScreenReaderDesktop::Mark m_beforeMap = 0;
};

// A player who knows the game presses Space on "Next", where the focus starts, as soon as the
// window is in front. Orca, still naming the window, is then behind the game, yet it must say the
// title, the welcome once, and only then the map's instruction, once.
TEST_F(Orca, AtStartSpeaksTheTitleAndTheWelcomeThoughSpaceComesAtOnce) {
    ASSERT_NO_FATAL_FAILURE(startOrcaThenTheGame());
    m_desktop.pressKey("space");
    const std::size_t instruction = hear(m_start, MapInstruction);
    const Utterances& spoken = m_desktop.spoken();
    const std::vector<std::size_t> welcome = saidAt(spoken, m_start, instruction, Welcome);
    ASSERT_EQ(welcome.size(), 1U) << "the welcome line, once, before the map's instruction";
    EXPECT_EQ(saidAt(spoken, m_start, spoken.size(), MapInstruction).size(), 1U);
    // The title alone, or with the role Orca gives the window ("ガチャポコ frame.").
    EXPECT_TRUE(std::any_of(spoken.begin() + static_cast<long>(m_start),
                            spoken.begin() + static_cast<long>(welcome[0]),
                            [](const auto& u) {
                                return u.text == Title || u.text.starts_with(Title + " ") ||
                                       u.text.starts_with(Title + ".");
                            }))
        << "the window's title was not spoken before the welcome line";
}

TEST_F(Orca, TheMapByKeyboardSpeaksItsPictureItsInstructionAndEachPlace) {
    ASSERT_NO_FATAL_FAILURE(startOrcaThenTheGame());
    ASSERT_NO_FATAL_FAILURE(openTheMap());
    hear(m_beforeMap, MapPicture);

    // Tab reaches the first place, then each of the others in reading order, and back.
    const auto firstTab = m_desktop.mark();
    ASSERT_NO_FATAL_FAILURE(tabTo(Places[0]));
    // Orca speaks in event order: a repetition of the map's lines would come before its answer
    // to the first Tab.
    const std::size_t firstAnswer = hear(firstTab, PushButton);
    for (std::size_t i = 1; i < std::size(Places); ++i) {
        EXPECT_TRUE(focusNext().starts_with(Places[i] + PushButton)) << Places[i];
    }
    for (std::size_t i = std::size(Places) - 1; i-- > 0;) {
        EXPECT_TRUE(focusNext("Tab", true).starts_with(Places[i] + PushButton)) << Places[i];
    }
    // The picture and the instruction were each announced once. (As the keyboard first enters
    // the places, Orca names the picture they lie in, "地図 image": where the focus is, not news.)
    const Utterances& spoken = m_desktop.spoken();
    EXPECT_EQ(saidAt(spoken, m_beforeMap, firstAnswer, MapPicture).size() -
                  saidAt(spoken, m_beforeMap, firstAnswer, MapPicture + " image").size(),
              1U);
    EXPECT_EQ(saidAt(spoken, m_beforeMap, firstAnswer, MapInstruction).size(), 1U);
    // Each place came onto the map as a new child of the picture, where a screen reader's review
    // of the window finds it.
    for (const std::string& place : Places) {
        EXPECT_EQ(received("object:children-changed:add",
                           {"[image | " + MapPicture + "]", "[push button | " + place + "]"}),
                  1)
            << place;
    }

    // Space on the focused place (the forest) visits it: its resident's picture is spoken.
    const auto beforeVisit = m_desktop.mark();
    m_desktop.pressKey("space");
    hear(beforeVisit, "ドワーフ");
}

TEST_F(Orca, AnEncounterAndABoutAreSpokenToTheVerdictWithinASecond) {
    ASSERT_NO_FATAL_FAILURE(startOrcaThenTheGame());
    ASSERT_NO_FATAL_FAILURE(openTheMap());
    ASSERT_NO_FATAL_FAILURE(tabTo(Places[4])); // the town

    // Return on the town: its resident's picture, then his three lines, each once, in order;
    // then the focus is on "Next".
    const auto beforeEncounter = m_desktop.mark();
    m_desktop.pressKey("Return");
    hear(beforeEncounter, TownLines[2]);
    hear(beforeEncounter, "Next" + PushButton);
    // Every place left with the map: none is showing any more.
    for (const std::string& place : Places) {
        EXPECT_GE(received("object:state-changed:showing",
                           {"[push button | " + place + "] in [application | gachapoko] (0,"}),
                  1)
            << place;
    }

    // Space on "Next" starts the bout; what Orca spoke before the bout's instruction is the
    // whole encounter.
    const auto spaceSent = ScreenReaderDesktop::Clock::now();
    const auto beforeBout = m_desktop.mark();
    m_desktop.pressKey("space");
    const std::size_t instruction = hear(beforeBout, BoutInstruction);
    // Each of them once, in order: the resident's picture (which his name begins), his lines.
    std::size_t last = beforeEncounter;
    for (const std::string& said : {TownResident, TownLines[0], TownLines[1], TownLines[2]}) {
        const std::vector<std::size_t> at =
            saidAt(m_desktop.spoken(), beforeEncounter, instruction, said, said == TownResident);
        ASSERT_EQ(at.size(), 1U) << said;
        EXPECT_GE(at[0], last) << said << " came before what precedes it";
        last = at[0];
    }
    ASSERT_LT(instruction, m_desktop.spoken().size());
    const auto instructionSpoken = m_desktop.spoken()[instruction].seen;

    // Three presses of the mouse over the picture; Space between them counts for nothing.
    m_desktop.clickPicture(100, 100, XClient::Left);
    m_desktop.pressKey("space");
    m_desktop.clickPicture(60, 140, XClient::Right);
    m_desktop.pressKey("space");
    m_desktop.clickPicture(150, 50, XClient::Left);
    m_desktop.pressKey("space");

    // The verdict ten seconds after the bout began, spoken within a second of showing.
    const std::size_t presses = hear(beforeBout, PressesLine, 14s);
    const Utterances& spoken = m_desktop.spoken();
    ASSERT_LT(presses, spoken.size());
    const std::string& line = spoken[presses].text;
    const std::string count = line.substr(line.find(PressesLine) + PressesLine.size());
    EXPECT_EQ(count.substr(0, count.find_first_not_of("0123456789")), "3") << line;
    for (const std::string& lost : LostLines) {
        EXPECT_FALSE(saidAt(spoken, beforeBout, presses + 1, lost).empty())
            << lost << " by the count";
    }
    const auto sinceSpace = duration_cast<milliseconds>(spoken[presses].seen - spaceSent);
    const auto sinceInstruction =
        duration_cast<milliseconds>(spoken[presses].seen - instructionSpoken);
    std::printf("The verdict was spoken %lld ms after Space, %lld ms after the instruction\n",
                static_cast<long long>(sinceSpace.count()),
                static_cast<long long>(sinceInstruction.count()));
    EXPECT_GE(sinceSpace, 10s);
    EXPECT_LE(sinceInstruction, 11s);
}

// The game started before any screen reader, then Orca: the game must be found within a few
// seconds, so that Space on "Next" (where the focus starts) is heard as the map's instruction.
// `accessibilityBusFirst` starts the accessibility bus (with accessibility off) before the game,
// as another program's look at the desktop would.
void lateStart(ScreenReaderDesktop& desktop, bool accessibilityBusFirst) {
    if (accessibilityBusFirst) {
        ASSERT_EQ(desktop.startAccessibilityBus(), "");
    }
    ASSERT_EQ(desktop.startGame(), "");
    const auto orcaStarted = ScreenReaderDesktop::Clock::now();
    ASSERT_EQ(desktop.startScreenReader(), "");
    const auto orcaReady = ScreenReaderDesktop::Clock::now();

    const auto from = desktop.mark();
    desktop.pressKey("space");
    const auto heard = desktop.waitForSpeech(from, MapInstruction, 5s);
    ASSERT_TRUE(heard) << "Orca, started after the game, did not speak the map's instruction";
    const auto ms = [](auto duration) {
        return static_cast<long long>(duration_cast<milliseconds>(duration).count());
    };
    std::printf("Orca was ready %lld ms after its start and spoke the map's instruction %lld ms "
                "after it was ready (Space pressed then)\n",
                ms(orcaReady - orcaStarted), ms(heard->back().seen - orcaReady));
}

TEST_F(Orca, StartedAfterTheGameWithNoAccessibilityBusFindsIt) {
    lateStart(m_desktop, false);
}

TEST_F(Orca, StartedAfterTheGameWithAccessibilityOffFindsIt) {
    lateStart(m_desktop, true);
}

} // namespace
} // namespace gachapoko::test
