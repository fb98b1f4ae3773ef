#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The window tests need a QApplication; without a display they run offscreen, so that test
// discovery at build time works on a machine without one.
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
