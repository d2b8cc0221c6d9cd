// main() of the test programs that use widgets: one QApplication for the whole program.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Listing the tests happens outside CTest's environment: never reach for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
