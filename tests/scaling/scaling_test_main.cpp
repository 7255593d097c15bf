// The scaling tests run inside one QApplication on the offscreen platform, at the scale factor
// that ctest gives each run of them (QT_SCALE_FACTOR), with the fonts of a generated
// configuration and Qt's own style, whatever the machine has.
#include "app/desktop_session.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", GACHAPOKO_TEST_FONTS_CONF);
    for (const char* name : {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCREEN_SCALE_FACTORS",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI"}) {
        qunsetenv(name);
    }
    // Started the way the game starts Qt, so that no test makes a runtime directory under /tmp
    // or autolaunches a session bus either.
    const gachapoko::DesktopSession session = gachapoko::currentDesktopSession();
    session.applyForStartup();
    QApplication application(argc, argv);
    session.startupDone();
    return RUN_ALL_TESTS();
}
