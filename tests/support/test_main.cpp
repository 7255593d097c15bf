// The one GoogleTest main of every suite, configured by the suite (gachapoko_test_suite in
// tests/support/CMakeLists.txt):
//   GACHAPOKO_TEST_APPLICATION  0 no Qt application, 1 a QCoreApplication, 2 Qt started as the
//                               game starts it (a QApplication);
//   GACHAPOKO_TEST_DISPLAY      0 none, 1 Qt's offscreen platform, 2 a private Xvfb (xcb);
//   GACHAPOKO_TEST_FONTS_CONF   a fontconfig file offering only chosen fonts, if defined.
// Whatever the machine has (a theme, a style, a scale factor, a session bus), a suite sees only
// what it chose. Listing the tests starts nothing.
#include "tests/support/suite.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/prctl.h>

#if GACHAPOKO_TEST_APPLICATION == 1
#include <QCoreApplication>
#elif GACHAPOKO_TEST_APPLICATION == 2
#include "app/startup.h"
#endif
#if GACHAPOKO_TEST_DISPLAY == 2
#include "tests/support/x_server.h"
#endif

namespace gachapoko::test {
namespace {

std::string g_display;

// Settings of the machine's desktop that would change what Qt draws or where it connects.
void forgetTheDesktop() {
    for (const char* name :
         {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_ACCESSIBILITY",
          "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"}) {
        unsetenv(name);
    }
    // The scaling suite runs once per factor; ctest gives each run its own.
    if (const char* factor = std::getenv("GACHAPOKO_TEST_SCALE_FACTOR")) {
        setenv("QT_SCALE_FACTOR", factor, 1);
    }
#ifdef GACHAPOKO_TEST_FONTS_CONF
    setenv("FONTCONFIG_FILE", GACHAPOKO_TEST_FONTS_CONF, 1);
#endif
}

} // namespace

const std::string& xDisplay() {
    return g_display;
}

} // namespace gachapoko::test

int main(int argc, char* argv[]) {
    using namespace gachapoko::test;
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    // Whatever a program under test abandons (a bus daemon, say) becomes this process's child,
    // for the test to see and end.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    forgetTheDesktop();

    // No bus of the desktop's, and none autolaunched.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);

#if GACHAPOKO_TEST_DISPLAY == 1
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    unsetenv("DISPLAY");
#elif GACHAPOKO_TEST_DISPLAY == 2
    XServer server;
    if (const std::string failure = server.start(); !failure.empty()) {
        // Where Xvfb is missing, the failure says how to install it.
        std::fprintf(stderr, "%s: no X server for the tests: %s\n", argv[0], failure.c_str());
        return 1;
    }
    g_display = server.display();
    setenv("DISPLAY", g_display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
#endif
#if GACHAPOKO_TEST_APPLICATION == 1
    QCoreApplication application(argc, argv);
#elif GACHAPOKO_TEST_APPLICATION == 2
    const auto application = gachapoko::startApplication(argc, argv);
    if (!application) {
        return 1;
    }
#endif
    return RUN_ALL_TESTS();
}
