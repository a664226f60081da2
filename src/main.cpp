#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstring>

#include "app/memory_tuning.h"
#include "app/settings.h"
#include "app/settings_store.h"
#include "config/configuration.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/program_icon.h"

namespace {

constexpr char kUsage[] = "usage: nivra [FILE.alt]\n";

}  // namespace

int main(int argc, char* argv[])
{
    // Answered before the window system is needed, so that they work without a display.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("nivra %s\n", NIVRA_VERSION);
        return 0;
    }
    KeepFreedMemoryForReuse();
    QApplication app(argc, argv);
    // Qt takes the environment's locale for the C library too; numbers read and written by
    // printf and strtod (files, CSV, settings) stay in the C form whatever the language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Nivra"));
    QApplication::setOrganizationName(QStringLiteral("Nivra"));
    QApplication::setApplicationVersion(QStringLiteral(NIVRA_VERSION));
    // The desktop entry and icon the installed program goes with; run from where it was built,
    // the icon drawn in the program.
    QGuiApplication::setDesktopFileName(QStringLiteral("nivra"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("nivra"), ProgramIcon()));

    // Qt has taken its own options (-platform, -style ...); what is left is ours.
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() > 1 || (args.size() == 1 && args[0].startsWith(QLatin1Char('-')))) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    // The configuration is loaded before the window exists; without it no device is known.
    Configuration config;
    config.Load(QApplication::applicationDirPath().toStdString(), Configuration::PerUserDirectory());

    // The language is chosen once, before any text is made: a change in Preferences applies at
    // the next start.
    auto store = std::make_unique<QSettingsStore>();
    UseLanguage(ChosenLanguage(LoadSettings(*store).language));

    MainWindow frame(config, std::move(store));
    frame.show();
    if (!args.isEmpty()) {
        // Once the window is up, so that a message about the file has a window to stand on.
        const QString& file = args[0];
        QTimer::singleShot(0, &frame, [&frame, file] { frame.OpenFileFromOutside(file); });
    }
    return QApplication::exec();
}
