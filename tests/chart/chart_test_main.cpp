#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#ifdef NIVRA_UI_TESTS
#include "ui/language.h"
#endif

int main(int argc, char** argv)
{
    // Widgets without a display: the offscreen platform draws like any other.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's settings, recent files and logbook stay out of every test; a fixture may
    // point these at a folder of its own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);
#ifdef NIVRA_UI_TESTS
    // The window's texts in English, whatever the machine's language, as the program sets them
    // at its start (English's own file gives the plural forms).
    UseLanguage(QStringLiteral("en"));
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
