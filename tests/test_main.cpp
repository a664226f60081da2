#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv)
{
    // Qt's file, settings and process classes want an application object.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
