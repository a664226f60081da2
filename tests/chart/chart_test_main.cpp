#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    // Widgets without a display: the offscreen platform draws like any other.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
