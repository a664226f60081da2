// nivra-tool: the command-line companion of Nivra.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <thread>

#include <QDateTime>
#include <QLoggingCategory>

#include <QApplication>
#include <QImageWriter>

#include "app/log_file.h"
#include "app/memory_tuning.h"
#include "app/settings_store.h"
#include "chart/chart_ctrl.h"
#include "device/memory_image.h"
#include "device/serial_link.h"
#include "ui/chart_filling.h"
#include "dsp/log_series.h"
#include "dsp/statistics.h"
#include "export/csv_export.h"
#include "tool_options.h"

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
    "  download [--port NAME] [--baud BPS] -o OUT.alt\n"
    "                 wait for the logger on the port (default: the preferences'),\n"
    "                 receive its memory and write the flights it lists to OUT.alt\n"
    "  image FILE N -o OUT [--size WxH]\n"
    "                 draw the chart of log N as the window shows it (default 800x600)\n"
    "                 into OUT: JPEG, or PNG when OUT ends in .png\n"
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

// The log of the file whose name carries number N, with its settings.
struct ChosenLog {
    Settings settings;
    CBrixoLog log;
    std::string path;
};

ChosenLog ChooseLog(const ToolArgs& args, const char* command)
{
    if (args.positional.size() != 2)
        throw UsageError{std::string(command) + " takes FILE and a log number N"};
    const std::string& text = args.positional[1];
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || number < 1 || number > 1000000)
        throw UsageError{"the log number must be a whole number from 1, not \"" + text + "\""};
    ChosenLog chosen;
    chosen.settings = LoadToolSettings(args);
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    chosen.path = args.positional[0];
    AltReadResult result = ReadOrFail(chosen.path, config, chosen.settings);
    for (NumberedLog& entry : result.logs)
        if (entry.number == number) {
            chosen.log = std::move(entry.log);
            return chosen;
        }
    std::string listed;
    for (const NumberedLog& entry : result.logs)
        listed += (listed.empty() ? "" : ", ") + std::to_string(entry.number);
    throw ToolError{chosen.path + ": no log " + text +
                    (listed.empty() ? " (the file lists no log)" : " (the file lists " + listed + ")")};
}

double ParseTime(const std::string& text, const char* option)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || value < 0)
        throw UsageError{std::string(option) + " wants a time in seconds from 0, not \"" + text + "\""};
    return value;
}

// The --from/--to pair, when given.
std::optional<std::pair<double, double>> SelectionOf(const ToolArgs& args)
{
    const auto from = args.options.find("from");
    const auto to = args.options.find("to");
    if (from == args.options.end() && to == args.options.end())
        return std::nullopt;
    if (from == args.options.end() || to == args.options.end())
        throw UsageError{"--from and --to go together"};
    const double t1 = ParseTime(from->second, "--from");
    const double t2 = ParseTime(to->second, "--to");
    if (t2 < t1)
        throw UsageError{"--to must not be before --from"};
    return std::make_pair(t1, t2);
}

LogSeries SeriesOrFail(const ChosenLog& chosen)
{
    LogSeries series = BuildLogSeries(chosen.log, chosen.settings);
    for (const std::string& error : series.errors)
        std::cerr << "nivra-tool: " << chosen.path << ": " << error << "\n";
    if (series.series[0].values.empty() && !series.errors.empty())
        throw ToolError{chosen.path + ": the altitude of this log cannot be decoded"};
    return series;
}

// What csv and stats both start from: the chosen log, its series and the selection.
struct LogCommand {
    std::optional<std::pair<double, double>> selection;
    ChosenLog chosen;
    LogSeries series;
};

LogCommand PrepareLogCommand(const std::vector<std::string>& argv, const char* command)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "from", "to"});
    LogCommand c;
    c.selection = SelectionOf(args);
    c.chosen = ChooseLog(args, command);
    c.series = SeriesOrFail(c.chosen);
    return c;
}

int Csv(const std::vector<std::string>& argv)
{
    const auto [selection, chosen, series] = PrepareLogCommand(argv, "csv");
    const double dt = chosen.log.SamplePeriod();
    SampleRange range;
    if (selection)
        range = SelectionSamples(selection->first, selection->second, dt);
    if (range.first >= series.series[0].values.size())
        throw ToolError{chosen.path + ": the selection starts after the last sample"};
    std::vector<const NamedSeries*> shown;
    for (const NamedSeries& s : series.series)
        if (s.style.visible)
            shown.push_back(&s);
    const std::string text = CsvText(shown, dt, range.first, range.end);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int Stats(const std::vector<std::string>& argv)
{
    const auto [selection, chosen, series] = PrepareLogCommand(argv, "stats");
    const bool imperial = chosen.settings.Imperial();
    const LogStatTexts log = LogStatistics(chosen.log, series.series[0], imperial);
    std::printf("Log/Duration: %s\nLog/Rate: %s\nLog/max Altitude: %s\n", log.duration.c_str(), log.rate.c_str(),
                log.maxAltitude.c_str());
    if (selection) {
        const SelectionStatTexts sel =
            SelectionStatistics(series.series[0], series.series[1], selection->first, selection->second, imperial);
        const std::pair<const char*, const std::string*> items[] = {
            {"Duration", &sel.duration},         {"start Altitude", &sel.startAltitude},
            {"end Altitude", &sel.endAltitude}, {"max Altitude", &sel.maxAltitude},
            {"min Vario", &sel.minVario},       {"max Vario", &sel.maxVario},
            {"avr Vario", &sel.avrVario},
        };
        for (const auto& [name, text] : items)
            std::printf("Selection/%s: %s\n", name, text->c_str());
    }
    return 0;
}

QSize ParseSize(const std::string& text)
{
    int w = 0, h = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &extra) != 2 || w < 1 || h < 1 || w > 16384 || h > 16384)
        throw UsageError{"--size wants WIDTHxHEIGHT in pixels, not \"" + text + "\""};
    return {w, h};
}

int Image(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "o", "size"});
    const auto out = args.options.find("o");
    if (out == args.options.end())
        throw UsageError{"image needs -o OUT"};
    const auto sizeOption = args.options.find("size");
    const QSize size = sizeOption == args.options.end() ? QSize(800, 600) : ParseSize(sizeOption->second);
    const ChosenLog chosen = ChooseLog(args, "image");
    const LogSeries series = SeriesOrFail(chosen);

    CMChartCtrl chart;
    chart.resize(size);
    FillChart(chart, series);
    chart.Recalc();
    QImage picture;
    if (!chart.CopyBitmap(picture))
        throw ToolError{"nothing was drawn"};
    const QString path = QString::fromStdString(out->second);
    QImageWriter writer(path, path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? "png" : "jpeg");
    if (!writer.write(picture))
        throw ToolError{out->second + ": " + writer.errorString().toStdString()};
    return 0;
}

// Keeps what the link receives and notices the end of the transfer.
class ToolCollector : public t_collector {
public:
    ToolCollector(ReceiveBuffer& buffer, CSerialLink& link) : m_buffer(buffer), m_link(link) {}
    uint32_t Collect(const uint8_t* bytes, uint32_t count) override
    {
        const ReceiveBuffer::Appended a = m_buffer.Append(bytes, count);
        if (a.complete) {
            m_link.Stop();
            m_complete.store(true, std::memory_order_release);
        }
        return a.taken;
    }
    bool Complete() const { return m_complete.load(std::memory_order_acquire); }

private:
    ReceiveBuffer& m_buffer;
    CSerialLink& m_link;
    std::atomic<bool> m_complete{false};
};

int Download(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "port", "baud", "o"});
    if (!args.positional.empty())
        throw UsageError{"download takes no FILE; name the output with -o"};
    const auto out = args.options.find("o");
    if (out == args.options.end())
        throw UsageError{"download needs -o OUT.alt"};
    const Settings settings = LoadToolSettings(args);
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    const auto portOption = args.options.find("port");
    const std::string port = portOption != args.options.end() ? portOption->second : settings.usedPort;
    uint32_t baud = SpeedOfIndex(settings.baudrate);
    if (const auto b = args.options.find("baud"); b != args.options.end()) {
        char* end = nullptr;
        const unsigned long v = std::strtoul(b->second.c_str(), &end, 10);
        if (b->second.empty() || *end != '\0' || v == 0 || v > 10000000)
            throw UsageError{"--baud wants bits per second, not \"" + b->second + "\""};
        baud = static_cast<uint32_t>(v);
    }

    // The flight list below says what the diagnostic lines would.
    QLoggingCategory::setFilterRules(QStringLiteral("nivra.download.debug=false"));
    auto buffer = std::make_unique<ReceiveBuffer>();
    CSerialLink link;
    ToolCollector collector(*buffer, link);
    std::string error;
    if (!link.Open(port, baud, &collector, &error)) {
        std::string text = "cannot open " + port + " (" + DevicePathOf(port) + "): " + error;
        if (link.PermissionDenied())
            text += "; the user must be in the group that owns the device (usually \"dialout\")";
        throw ToolError{text};
    }
    std::fprintf(stderr, "Waiting for the logger on %s (%s) at %u bit/s: plug it in and switch it on.\n",
                 port.c_str(), DevicePathOf(port).c_str(), baud);
    MemoryImageParser parser(settings.skipShortLogs ? settings.skipShortLogsLen : 0);
    size_t shown = 0, listed = 0;
    auto report = [&] {
        parser.Run(buffer->Data(), buffer->Received(), config);
        const size_t received = buffer->Received();
        if (received != shown) {
            std::fprintf(stderr, "\r%zu bytes has been received", received);
            shown = received;
        }
        for (; listed < parser.Flights().size(); ++listed) {
            const FlightRow row = RowOf(parser.Flights()[listed], static_cast<int>(listed) + 1);
            std::fprintf(stderr, "\nFlight %s\trate %s/s\t%s", row.flight.c_str(), row.rate.c_str(), row.duration.c_str());
        }
    };
    while (!collector.Complete()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        report();
    }
    link.Close();
    report();
    std::fprintf(stderr, "\n");
    if (!parser.SignatureFound())
        throw ToolError{"the transfer ended without the logger's signature; nothing was written"};
    const std::vector<NumberedLog> logs =
        BuildDownloadedLogs(buffer->Data(), buffer->Received(), parser.Flights(), config, settings.skipShortLogsLen,
                            FileTimeFromUnixMs(QDateTime::currentMSecsSinceEpoch()));
    std::vector<const CBrixoLog*> pointers;
    for (const NumberedLog& l : logs) {
        pointers.push_back(&l.log);
        std::fprintf(stderr, "%s\n", LogName(l.number, l.log.Duration()).c_str());
    }
    if (!WriteFileSafely(out->second, AltFileText(pointers), &error))
        throw ToolError{out->second + ": " + error};
    std::fprintf(stderr, "%zu logs written to %s\n", logs.size(), out->second.c_str());
    return 0;
}

int SettingsCommand(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {});
    QSettingsStore store;
    Settings settings = LoadSettings(store);
    for (const std::string& assignment : args.positional) {
        const size_t eq = assignment.find('=');
        std::string error;
        if (eq == std::string::npos)
            throw UsageError{"settings wants NAME=VALUE, not \"" + assignment + "\""};
        if (!SetSettingFromText(settings, assignment.substr(0, eq), assignment.substr(eq + 1), &error))
            throw UsageError{error};
    }
    if (!args.positional.empty()) {
        std::string error;
        if (!SaveSettings(settings, store, &error))
            throw ToolError{error};
    }
    for (const SettingField& field : SettingFields())
        std::printf("%s=%s\n", field.name, SettingText(settings, field).c_str());
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
    KeepFreedMemoryForReuse();
    std::vector<std::string> args(argv + 1, argv + argc);
    // Drawing needs the widget classes; it never needs a display.
    const bool drawing = !args.empty() && args[0] == "image";
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    try {
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
        if (args[0] == "image")
            return Image(args);
        if (args[0] == "download")
            return Download(args);
        throw UsageError{"unknown command \"" + args[0] + "\""};
    } catch (const UsageError& e) {
        std::cerr << "nivra-tool: " << e.message << "\n\n" << kUsage;
        return 2;
    } catch (const ToolError& e) {
        std::cerr << "nivra-tool: " << e.message << "\n";
        return 1;
    }
}
