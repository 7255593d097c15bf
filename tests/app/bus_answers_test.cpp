// A bus the game finds itself is used only if it is the user's and answers at once: one that
// takes connections and never answers would hold Qt's start for ever.
#include "app/session_lookups.h"
#include "tests/support/session_bus.h"
#include "tests/support/silent_bus.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace gachapoko::test {
namespace {

using namespace std::chrono_literals;

TEST(BusAnswers, OnlyARealBusOfTheUsersAnswers) {
    const TemporaryDirectory home;
    const auto uid = static_cast<unsigned>(geteuid());
    SessionBus bus;
    ASSERT_EQ(bus.start(Environment::privateSession(home.path())), "");
    EXPECT_TRUE(busAnswers(bus.address(), uid, 5s)) << bus.address();
    EXPECT_FALSE(busAnswers(bus.address(), uid + 1, 5s)) << "another user's bus";

    const SilentBus silent((home.path() / "silent").string());
    const SilentBus closed((home.path() / "closed").string(), false);
    EXPECT_FALSE(busAnswers(silent.address(), uid, 200ms)) << "takes, never answers";
    EXPECT_FALSE(busAnswers(closed.address(), uid, 200ms)) << "takes no connection";
    EXPECT_FALSE(busAnswers("unix:path=" + (home.path() / "missing").string(), uid, 200ms));
}

} // namespace
} // namespace gachapoko::test
