// The tests of widgets share one application, made before the first test and
// ended in main: a static one would outlive Qt's own globals and crash at exit.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
