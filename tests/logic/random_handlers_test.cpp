// Whatever order the handlers are called in, with site indices in and out of range and timer
// ticks where the window would never send one, the record of beaten opponents stays sound: the
// goddess is never marked, and BeatenSum is the sum of the beaten codes, the five's sum at most. A
// fault here locks the player out of the goddess or the final opponent for the rest of the run.
#include "logic/game.h"
#include "logic/site_table.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace gachapoko::test {
namespace {

// The window's side, reduced to nothing: only the game's own state is checked here, and a
// recording View would make a few million calls slow.
class SilentView : public View {
public:
    void SetPicture(PictureId) override {}
    void SetCaption(CaptionLine, std::u16string_view) override {}
    void SetSiteEnabled(SiteIndex, bool) override {}
    void SetNextVisible(bool) override {}
    void SetTimerInterval(std::int32_t) override {}
};

constexpr std::array<SceneCode, 6> FlaggedCodes = {SceneCode::Forest,      SceneCode::Mountain,
                                                   SceneCode::GoddessHint, SceneCode::Town,
                                                   SceneCode::Houses,      SceneCode::Coast};

// Empty when the beaten record is sound, else what is wrong with it.
std::string beatenRecordFault(const GameState& state) {
    std::int32_t sum = 0;
    for (SceneCode code : FlaggedCodes) {
        if (state.Beaten[code]) {
            sum += codeValue(code);
        }
    }
    if (!state.Beaten[SceneCode::GoddessHint] && state.BeatenSum == sum &&
        sum <= AllFiveBeatenSum) {
        return {};
    }
    std::ostringstream fault;
    if (state.Beaten[SceneCode::GoddessHint]) {
        fault << "the goddess is marked beaten; ";
    }
    if (state.BeatenSum != sum) {
        fault << "BeatenSum " << state.BeatenSum << " but the flags add up to " << sum << "; ";
    }
    if (state.BeatenSum > AllFiveBeatenSum) {
        fault << "BeatenSum " << state.BeatenSum << " exceeds " << AllFiveBeatenSum << "; ";
    }
    return fault.str();
}

// One handler call of a sequence: which handler, and its site index or number of presses.
struct Call {
    int handler;
    int argument;
};

bool takesASite(const Call& call) {
    return call.handler >= 1 && call.handler <= 3;
}
bool isABurst(const Call& call) {
    return call.handler == 5 || call.handler == 6;
}

std::string describe(const std::vector<Call>& calls) {
    static const char* const Names[] = {"CmdNext_Click",  "ImgE_Click",        "ImgE_Click",
                                        "ImgE_MouseMove", "PicMain_MouseMove", "presses",
                                        "presses",        "Timer_Timer"};
    std::ostringstream text;
    text << "Form_Load";
    for (const Call& call : calls) {
        text << ", ";
        if (isABurst(call)) {
            text << call.argument << " ";
        }
        text << Names[call.handler];
        if (takesASite(call)) {
            text << "(" << call.argument << ")";
        }
    }
    return text.str();
}

TEST(RandomHandlers, BeatenRecordStaysSoundOverManyRandomSequences) {
    constexpr int Sequences = 300'000;
    constexpr int MaxCalls = 40;
    std::mt19937 random(20261207); // fixed seed: a failure names its sequence and reproduces
    std::uniform_int_distribution<int> handlerOf(0, 7);
    std::uniform_int_distribution<int> callsOf(1, MaxCalls);
    std::uniform_int_distribution<int> siteOf(-3, 8); // 0 to 5 and a few either side
    std::uniform_int_distribution<int> burstOf(0, 180);
    SilentView view;

    for (int sequence = 0; sequence < Sequences; ++sequence) {
        Game game(view);
        game.Form_Load();
        std::vector<Call> calls;
        const int length = callsOf(random);
        for (int call = 0; call < length; ++call) {
            Call current{handlerOf(random), 0};
            if (takesASite(current)) {
                current.argument = siteOf(random);
            } else if (isABurst(current)) {
                // A burst of presses, so that bouts are both won and lost.
                current.argument = burstOf(random);
            }
            const auto site = static_cast<SiteIndex>(current.argument);
            switch (current.handler) {
            case 0:
                game.CmdNext_Click();
                break;
            case 1:
            case 2:
                game.ImgE_Click(site);
                break;
            case 3:
                game.ImgE_MouseMove(site, 0, 0, 0.0F, 0.0F);
                break;
            case 4:
                game.PicMain_MouseMove(0, 0, 0.0F, 0.0F);
                break;
            case 5:
            case 6:
                for (int press = 0; press < current.argument; ++press) {
                    if (press % 2 == 0) {
                        game.PicMain_Click();
                    } else {
                        game.PicMain_DblClick();
                    }
                }
                break;
            default:
                game.Timer_Timer();
                break;
            }
            calls.push_back(current);
            const std::string fault = beatenRecordFault(game.state());
            if (!fault.empty()) {
                FAIL() << "sequence " << sequence << ": " << fault << "after " << describe(calls);
            }
        }
    }
}

} // namespace
} // namespace gachapoko::test
