// Runs the picture tests inside a QGuiApplication, which the icon's pixmap needs; the
// off-screen platform is used unless another is asked for.
#include "app/application_start.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Started the way the game starts Qt, so that no test makes a runtime directory under /tmp
    // or autolaunches a session bus either.
    const auto application = gachapoko::startApplication(argc, argv);
    if (!application) {
        return 1;
    }
    return RUN_ALL_TESTS();
}
