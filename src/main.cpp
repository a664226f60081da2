#include <QApplication>

#include "app/memory_tuning.h"
#include "app/settings_store.h"
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

    CMainFrame frame(config, std::make_unique<QSettingsStore>());
    frame.show();
    return QApplication::exec();
}
