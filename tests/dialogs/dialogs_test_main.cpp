#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Every dialog test needs a QApplication; without a display the tests run offscreen, also
// when ctest lists them at build time.
int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
