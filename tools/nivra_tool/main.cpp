// nivra-tool: the command-line companion of Nivra.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>
#include <optional>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include "app/memory_tuning.h"
#include "app/settings_store.h"
#include "commands.h"
#include "tool_options.h"

std::string ProgramDir()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

namespace {

const char kUsage[] =
    "usage: nivra-tool COMMAND [ARGS] [--config CFG] [--set NAME=VALUE]...\n"
    "\n"
    "commands:\n"
    "  info FILE      list the logs of an .alt file: name, rate (tenths of a second),\n"
    "                 sample count and duration in seconds, separated by TABs\n"
    "  devices        list the devices the configuration supports\n"
    "  settings [NAME=VALUE]...\n"
    "                 store the given preferences for the window and every command,\n"
    "                 then print all of them (for example: settings UsedPort=/dev/pts/3)\n"
    "  csv FILE N [--from T1 --to T2]\n"
    "                 write log N (numbered as info lists it) as CSV to stdout: the\n"
    "                 whole log, or the samples of the selection from T1 to T2 seconds\n"
    "  stats FILE N [--from T1 --to T2]\n"
    "                 print the statistics of log N, and of the selection when given\n"
    "  climbs FILE N  list the climbs of log N (by the Climb.* preferences) and their totals\n"
    "  airtime FILE N list the flights found in log N: number, takeoff and landing in seconds\n"
    "                 from the log's start and airtime (H:MM:SS), then the total airtime\n"
    "  download [--port NAME] [--baud BPS] [--from-image FILE] [--no-archive] -o OUT.alt\n"
    "                 wait for the logger on the port (default: the preferences'),\n"
    "                 receive its memory, keep it in the logbook (not with --no-archive)\n"
    "                 and write the flights it lists to OUT.alt; --from-image takes a\n"
    "                 saved memory image instead of the logger; exit status 3 when a\n"
    "                 flight looks damaged, 4 when the logbook could not keep the flights\n"
    "                 (written all the same), 5 when the memory ends inside a flight (that\n"
    "                 flight is missing; those before it are written)\n"
    "  logbook list | show ID | set ID [--name T] [--site T] [--comment T] [--elevation M]\n"
    "                 [--flown-on YYYY-MM-DD]\n"
    "        | export ID... -o OUT.alt | add FILE.alt\n"
    "        | csv [--from YYYY-MM-DD] [--to YYYY-MM-DD] [-o OUT.csv]\n"
    "        | report ID -o OUT.pdf [--page a4|letter]\n"
    "                 the flights of the logbook: listed (id, date, name, site, duration,\n"
    "                 samples, device, airtime in seconds, flights in the log or - when\n"
    "                 its altitude could not be analysed), one shown, noted, written to\n"
    "                 one .alt file, added; all flown between two days as CSV; one's report\n"
    "  report FILE N -o OUT.pdf [--page a4|letter]\n"
    "                 the report of log N: the pilot's notes (from the logbook), the chart,\n"
    "                 the statistics, the climbs and the marks, on as many pages as it takes\n"
    "  compare FILE:N|logbook:ID ... [--align takeoff|start|peak|clock] [--height takeoff|sea]\n"
    "          [-o OUT.png|OUT.jpg] [--size WxH]\n"
    "                 2 to 20 flights lined up over one time axis: their numbers side by\n"
    "                 side (TAB-separated, a column per flight) and, with -o, their chart\n"
    "  image FILE N -o OUT [--size WxH]\n"
    "                 draw the chart of log N as the window shows it (default 800x600)\n"
    "                 into OUT: JPEG, or PNG when OUT ends in .png\n"
    "\n"
    "options:\n"
    "  --config CFG       use this configuration file instead of the usual Nivra.cfg\n"
    "  --set NAME=VALUE   override one setting for this run, by its stored name\n"
    "                     (for example --set SkipShortLogsLen=0 or --set Units=1)\n";

int SettingsCommand(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {});
    QSettingsStore store;
    std::vector<std::string> notes;
    Settings settings = LoadSettings(store, &notes);
    for (const std::string& note : notes)
        std::fprintf(stderr, "nivra-tool: %s\n", note.c_str());
    std::vector<std::pair<std::string, std::string>> values;
    for (const std::string& assignment : args.positional) {
        const size_t eq = assignment.find('=');
        if (eq == std::string::npos)
            throw UsageError{"settings wants NAME=VALUE, not \"" + assignment + "\""};
        // Every value checked before any is stored.
        if (Status set = SetSettingFromText(settings, assignment.substr(0, eq), assignment.substr(eq + 1)); !set)
            throw UsageError{set.Error()};
        values.emplace_back(assignment.substr(0, eq), assignment.substr(eq + 1));
    }
    if (!values.empty()) {
        // Only the values named: another writer's changes to the others stay.
        const StoreResult stored = StoreSettingValues(store, values, settings);
        if (!stored)
            throw ToolError{stored.Error()};
        if (!stored->empty())
            std::fprintf(stderr, "nivra-tool: the settings were stored, but %s\n", stored->c_str());
    }
    for (const SettingField& field : SettingFields())
        std::printf("%s=%s\n", field.name, SettingText(settings, field).c_str());
    return 0;
}

// What a command was doing, for the message when memory runs out.
std::string PurposeOf(const std::string& command)
{
    static const std::pair<const char*, const char*> purposes[] = {
        {"info", "list the logs"},           {"devices", "read the configuration"},
        {"settings", "store the settings"},  {"csv", "write the table"},
        {"stats", "compute the statistics"}, {"image", "draw the chart"},
        {"report", "write the report"},      {"compare", "compare the flights"},
        {"export", "export the log"},        {"download", "receive the logger's memory"},
        {"airtime", "find the flights"},
    };
    for (const auto& [name, purpose] : purposes)
        if (command == name)
            return purpose;
    return "run " + command;
}

// Everything meant for standard output must have reached it: output to a full disk or a
// closed file is a failure to tell, not a success.
int FinishOutput(int status)
{
    errno = 0;
    const bool failedBefore = std::ferror(stdout) != 0;
    const bool flushed = std::fflush(stdout) == 0;
    int error = errno;
    const bool closed = std::fclose(stdout) == 0;
    if (error == 0)
        error = errno;
    if (failedBefore || !flushed || !closed) {
        std::fprintf(stderr, "nivra-tool: cannot write to standard output%s%s\n", error ? ": " : "",
                     error ? std::strerror(error) : "");
        return status == 0 ? 1 : status;
    }
    return status;
}

int Devices(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config"});
    if (!args.positional.empty())
        throw UsageError{"devices takes no arguments"};
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    std::printf("%s\n", config.SupportedDevicesText().c_str());
    return 0;
}
int RunCommand(const std::vector<std::string>& args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "info")
        return Info(args);
    if (args[0] == "devices")
        return Devices(args);
    if (args[0] == "settings")
        return SettingsCommand(args);
    if (args[0] == "csv")
        return Csv(args);
    if (args[0] == "stats")
        return Stats(args);
    if (args[0] == "climbs")
        return Climbs(args);
    if (args[0] == "airtime")
        return Airtime(args);
    if (args[0] == "image")
        return Image(args);
    if (args[0] == "report")
        return Report(args);
    if (args[0] == "compare")
        return Compare(args);
    if (args[0] == "export")
        return Export(args);
    if (args[0] == "download")
        return Download(args);
    if (args[0] == "logbook")
        return LogbookCommand(args);
    throw UsageError{"unknown command \"" + args[0] + "\""};
}

}  // namespace

int main(int argc, char* argv[])
{
    KeepFreedMemoryForReuse();
    std::vector<std::string> args(argv + 1, argv + argc);
    // Drawing needs fonts, so a GUI application object; it never needs a display.
    const bool drawing =
        !args.empty() && (args[0] == "image" || args[0] == "export" || args[0] == "report" || args[0] == "compare" ||
                          (args[0] == "logbook" && args.size() > 1 && args[1] == "report"));
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    // Qt takes the environment's locale for the C library too; numbers read and written by
    // printf and strtod stay in the C form whatever the locale (a German one writes "1,5").
    std::setlocale(LC_NUMERIC, "C");
    // And Qt's own: month names and the like as in English, whatever the environment.
    QLocale::setDefault(QLocale::c());
    int status = 0;
    try {
        status = RunCommand(args);
    } catch (const UsageError& e) {
        std::cerr << "nivra-tool: " << e.message << "\n\n" << kUsage;
        status = 2;
    } catch (const ToolError& e) {
        std::cerr << "nivra-tool: " << e.message << "\n";
        status = 1;
    } catch (const std::bad_alloc&) {
        // A hostile file can ask for more than the machine has: said, not an abort.
        std::cerr << "nivra-tool: not enough memory to " << PurposeOf(args.empty() ? "start" : args[0]) << "\n";
        status = 1;
    }
    return FinishOutput(status);
}
