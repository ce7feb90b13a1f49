// Window tests: one QApplication for the whole run, offscreen unless a platform is given.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/ui/start_up.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SUIMEI_TEST", "1");
    QApplication app(argc, argv);
    suimei::installJapaneseFontFallbacks();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
