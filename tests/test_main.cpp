#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    // Qt's file, settings and process classes want an application object.
    QCoreApplication app(argc, argv);
    // Month names and the like as nivra-tool has them, whatever the machine's language.
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
