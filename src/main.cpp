#include <QApplication>

#include "app/memory_tuning.h"
#include "config/configuration.h"
#include "ui/main_frame.h"

int main(int argc, char* argv[])
{
    KeepFreedMemoryForReuse();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nivra"));
    QApplication::setOrganizationName(QStringLiteral("Nivra"));

    // The configuration is loaded before the window exists; without it no device is known.
    Configuration config;
    config.Load(QApplication::applicationDirPath().toStdString(), Configuration::PerUserDirectory());

    CMainFrame frame;
    frame.show();
    return QApplication::exec();
}
