// The widget tests (the ui. and scaling. suites) run inside one QApplication on the offscreen
// platform, the same whatever the machine has: only the fonts of a generated configuration, Qt's
// own style and palette, and one device pixel to the pixel unless a run asks for another scale
// factor through GACHAPOKO_TEST_SCALE_FACTOR (as ctest does for each run of the scaling tests).
#include "app/desktop_session.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", GACHAPOKO_TEST_FONTS_CONF);
    for (const char* name :
         {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI"}) {
        qunsetenv(name);
    }
    if (const QByteArray factor = qgetenv("GACHAPOKO_TEST_SCALE_FACTOR"); !factor.isEmpty()) {
        qputenv("QT_SCALE_FACTOR", factor);
    }
    // Started the way the game starts Qt, so that no test makes a runtime directory under /tmp
    // or autolaunches a session bus either.
    const gachapoko::DesktopSession session = gachapoko::currentDesktopSession();
    session.applyForStartup();
    QApplication application(argc, argv);
    session.startupDone();
    return RUN_ALL_TESTS();
}
