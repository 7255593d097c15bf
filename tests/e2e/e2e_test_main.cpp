// The end-to-end tests run the game on a private Xvfb display on the xcb platform. Without an X
// server every test skips and says why.
#include "tests/e2e/e2e_environment.h"
#include "tests/e2e/x_server.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

namespace gachapoko::test {

namespace {
std::string g_display;
std::string g_unavailable = "no X server was started";
} // namespace

const std::string& xDisplay() {
    return g_display;
}
const std::string& xUnavailableReason() {
    return g_unavailable;
}

} // namespace gachapoko::test

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    gachapoko::test::XServer server;
    const std::string failure = server.start();
    if (!failure.empty()) {
        gachapoko::test::g_unavailable = failure;
        return RUN_ALL_TESTS();
    }
    gachapoko::test::g_display = server.display();
    gachapoko::test::g_unavailable.clear();
    setenv("DISPLAY", server.display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int result = 0;
    {
        QApplication application(argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
