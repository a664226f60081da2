// nivra-tool: the command-line companion of Nivra.
#include <cstdio>
#include <iostream>

#include <QCoreApplication>

#include "app/log_file.h"
#include "tool_options.h"

namespace {

const char kUsage[] =
    "usage: nivra-tool COMMAND [ARGS] [--config CFG] [--set NAME=VALUE]...\n"
    "\n"
    "commands:\n"
    "  info FILE      list the logs of an .alt file: name, rate (tenths of a second),\n"
    "                 sample count and duration in seconds, separated by TABs\n"
    "  devices        list the devices the configuration supports\n"
    "\n"
    "options:\n"
    "  --config CFG       use this configuration file instead of the usual Nivra.cfg\n"
    "  --set NAME=VALUE   override one setting for this run, by its stored name\n"
    "                     (for example --set SkipShortLogsLen=0 or --set Units=1)\n";

std::string ProgramDir()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

AltReadResult ReadOrFail(const std::string& path, const Configuration& config, const Settings& settings)
{
    AltReadResult result = ReadAltFile(path, config, settings.skipShortLogsLen);
    if (!result.Accepted() || result.deviceMissing)
        throw ToolError{path + ": " + result.Problem()};
    if (result.truncatedRecord)
        std::cerr << "nivra-tool: " << path << ": the file ends inside a record; that record was dropped\n";
    return result;
}

int Info(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set"});
    if (args.positional.size() != 1)
        throw UsageError{"info takes one FILE"};
    const Settings settings = LoadToolSettings(args);
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    const AltReadResult result = ReadOrFail(args.positional[0], config, settings);
    for (const NumberedLog& entry : result.logs) {
        std::printf("%s\t%u\t%zu\t%.1f\n", LogName(entry.number, entry.log.Duration()).c_str(), entry.log.m_rate,
                    entry.log.SampleCount(), entry.log.Duration());
    }
    return 0;
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

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
            std::fputs(kUsage, args.empty() ? stderr : stdout);
            return args.empty() ? 2 : 0;
        }
        if (args[0] == "info")
            return Info(args);
        if (args[0] == "devices")
            return Devices(args);
        throw UsageError{"unknown command \"" + args[0] + "\""};
    } catch (const UsageError& e) {
        std::cerr << "nivra-tool: " << e.message << "\n\n" << kUsage;
        return 2;
    } catch (const ToolError& e) {
        std::cerr << "nivra-tool: " << e.message << "\n";
        return 1;
    }
}
