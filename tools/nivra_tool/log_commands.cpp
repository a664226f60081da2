// nivra-tool's commands on ".alt" files: info, csv, stats, climbs, image and export.
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>

#include <QCoreApplication>

#include "app/log_file.h"
#include "base/time_text.h"
#include "chart/chart_picture.h"
#include "chart/picture_export.h"
#include "commands.h"
#include "dsp/airtime.h"
#include "dsp/climbs.h"
#include "dsp/log_series.h"
#include "dsp/statistics.h"
#include "export/csv_export.h"
#include "export/log_export.h"
#include "logbook/logbook.h"
#include "logbook/season.h"
#include "tool_options.h"

namespace {

AltReadResult ReadOrFail(const std::string& path, const Configuration& config, const Settings& settings)
{
    AltReadResult result = ReadAltFile(path, config, settings.skipShortLogsLen);
    if (!result.Accepted() || result.deviceMissing)
        throw ToolError{path + ": " + result.Problem()};
    if (const std::string warning = result.Warning(); !warning.empty())
        std::cerr << "nivra-tool: " << path << ": " << warning << "\n";
    return result;
}

}  // namespace

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

namespace {

// The log of the file whose name carries number N, with its settings.
struct ChosenLog {
    int number = 0;
    Settings settings;
    Configuration config;
    BrixoLog log;
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
    chosen.config = LoadToolConfiguration(args, ProgramDir());
    chosen.path = args.positional[0];
    AltReadResult result = ReadOrFail(chosen.path, chosen.config, chosen.settings);
    for (NumberedLog& entry : result.logs)
        if (entry.number == number) {
            chosen.number = entry.number;
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
    // Decimal only, whatever the locale: no hexadecimal, no "inf" or "nan".
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value < 0)
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

// The log's series; the problems of those that could not be made are told unless the caller
// tells them its own way. A log whose altitude cannot be made is refused.
// Above sea level, the flight's start elevation as the logbook keeps it; nothing without one.
std::optional<double> StartElevationOf(const ChosenLog& chosen)
{
    if (!chosen.settings.altAboveSeaLevel)
        return std::nullopt;
    auto book = Logbook::Open(Logbook::DefaultFolder(), chosen.config);
    if (!book) {
        std::cerr << "nivra-tool: the logbook cannot be opened, so the altitude stays above the start: " << book.Error()
                  << "\n";
        return std::nullopt;
    }
    auto entry = (*book)->FindByHash(FlightHash(chosen.log));
    if (!entry) {
        std::cerr << "nivra-tool: the logbook cannot be read, so the altitude stays above the start: " << entry.Error()
                  << "\n";
        return std::nullopt;
    }
    return *entry ? (**entry).fields.startElevation : std::nullopt;
}

LogSeries SeriesOrFail(const ChosenLog& chosen, SeriesChoice choice, bool tellProblems = true)
{
    LogSeries series = BuildLogSeries(chosen.log, chosen.settings, choice, StartElevationOf(chosen));
    const NamedSeries& alt = series.series[0];
    if (alt.values.empty() && !alt.problem.empty())
        throw ToolError{chosen.path + ": the altitude of this log cannot be decoded: " + alt.problem};
    if (tellProblems)
        for (const std::string& error : series.errors)
            std::cerr << "nivra-tool: " << chosen.path << ": " << error << "\n";
    return series;
}

// The series a table holds, each one left out told on stderr.
// The series of a table, from series as shown (InDisplayUnits).
std::vector<const NamedSeries*> TableOrTell(const ChosenLog& chosen, const LogSeries& series)
{
    std::vector<std::string> leftOut;
    std::vector<const NamedSeries*> table = TableSeries(series.Shown(), leftOut);
    for (const std::string& line : leftOut)
        std::cerr << "nivra-tool: " << chosen.path << ": " << line << "\n";
    return table;
}

// What csv and stats both start from: the chosen log, its series and the selection.
struct LogCommand {
    std::optional<std::pair<double, double>> selection;
    ChosenLog chosen;
    LogSeries series;
};

LogCommand PrepareLogCommand(const std::vector<std::string>& argv, const char* command, SeriesChoice choice,
                             bool tellProblems)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "from", "to"});
    LogCommand c;
    c.selection = SelectionOf(args);
    c.chosen = ChooseLog(args, command);
    c.series = SeriesOrFail(c.chosen, choice, tellProblems);
    return c;
}

}  // namespace

int Csv(const std::vector<std::string>& argv)
{
    const auto [selection, chosen, series] = PrepareLogCommand(argv, "csv", SeriesChoice::All, false);
    const double dt = chosen.log.SamplePeriod();
    SampleRange range;
    if (selection)
        range = SelectionSamples(selection->first, selection->second, dt);
    if (const std::string problem = TableRangeProblem(range.first, series.series[0].values.size()); !problem.empty())
        throw ToolError{chosen.path + ": " + problem};
    const LogSeries shown = InDisplayUnits(series);
    const std::vector<const NamedSeries*> table = TableOrTell(chosen, shown);
    // Streamed, and every piece checked: a table cut short by a full disk is no success.
    const bool written = WriteCsv(table, dt, range.first, range.end, [](std::string_view piece) {
        return std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
    });
    if (!written)
        throw ToolError{std::string("cannot write to standard output: ") + std::strerror(errno)};
    return 0;
}

int Stats(const std::vector<std::string>& argv)
{
    // The statistics need the altitude and the vario only: the channels are not decoded.
    const auto [selection, chosen, series] = PrepareLogCommand(argv, "stats", SeriesChoice::AltitudeAndVario, true);
    const NamedSeries& alt = series.series[0];
    // A selection that starts after the last sample is refused as csv refuses it, before anything
    // is printed; one that only runs over the end stops there, as the chart's does.
    std::optional<std::pair<double, double>> chosenTimes;
    if (selection) {
        const SampleRange range = SelectionSamples(selection->first, selection->second, chosen.log.SamplePeriod());
        if (const std::string problem = TableRangeProblem(range.first, alt.values.size()); !problem.empty())
            throw ToolError{chosen.path + ": " + problem};
        const double last = alt.firstTime + static_cast<double>(alt.values.size() - 1) * alt.interval;
        const double to = std::min(selection->second, last);
        chosenTimes = std::make_pair(std::min(selection->first, to), to);
    }
    const LogStatTexts log = LogStatistics(chosen.log, alt, series.units);
    std::printf("Log/Duration: %s\nLog/Rate: %s\nLog/max Altitude: %s\n", log.duration.c_str(), log.rate.c_str(),
                log.maxAltitude.c_str());
    // Said only when asked for: the first three lines are what scripts read.
    if (chosen.settings.altAboveSeaLevel)
        std::printf("Log/Altitude: %s\n", AltitudeReferenceText(true, series.aboveSeaLevel).c_str());
    if (const std::string sigma = ModelSigmaText(series, chosen.settings); !sigma.empty())
        std::printf("Log/Model Sigma: %s\n", sigma.c_str());
    if (chosenTimes) {
        const SelectionStatTexts sel =
            SelectionStatistics(alt, series.series[1], chosenTimes->first, chosenTimes->second, series.units);
        const std::pair<const char*, const std::string*> items[] = {
            {"Duration", &sel.duration},        {"start Altitude", &sel.startAltitude},
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

namespace {

// The climbs shaded as the window shades them.
std::vector<TimeRange> BandsOf(const ChosenLog& chosen, const LogSeries& series)
{
    if (!chosen.settings.climbsShown)
        return {};
    return ClimbBands(ClimbsOf(series, chosen.settings));
}

}  // namespace

int Image(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "o", "size"});
    const auto out = args.options.find("o");
    if (out == args.options.end())
        throw UsageError{"image needs -o OUT"};
    const auto sizeOption = args.options.find("size");
    const QSize size = sizeOption == args.options.end() ? QSize(800, 600) : ParseSize(sizeOption->second);
    const ChosenLog chosen = ChooseLog(args, "image");
    const LogSeries series = SeriesOrFail(chosen, SeriesChoice::All);

    const QImage picture = DrawLogPicture(series, size, BandsOf(chosen, series),
                                          FlightMarks(FlightsOf(chosen.log).value_or(std::vector<FlightSpan>{})));
    if (picture.isNull())
        throw ToolError{"a picture of " + std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                        " pixels cannot be made"};
    // Written like an export: a failed write leaves any old file as it was.
    const bool png = QString::fromStdString(out->second).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    if (Status written = ExportPicture(out->second, picture, png ? "png" : "jpeg"); !written)
        throw ToolError{out->second + ": " + written.Error()};
    return 0;
}

int Export(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "o", "from", "to"});
    const auto out = args.options.find("o");
    if (out == args.options.end())
        throw UsageError{"export needs -o OUT"};
    const std::string& path = out->second;
    const ExportType type = ExportTypeOfPath(path);
    if (type == ExportType::None)
        throw UsageError{"export writes OUT as .alt, .csv, .jpg or .jpeg, by its extension, not \"" + path + "\""};
    const auto selection = SelectionOf(args);
    if (selection && type == ExportType::Jpeg)
        throw UsageError{"a JPEG shows the whole log: --from and --to do not go with it"};
    const ChosenLog chosen = ChooseLog(args, "export");
    const double dt = chosen.log.SamplePeriod();
    SampleRange range;
    if (selection)
        range = SelectionSamples(selection->first, selection->second, dt);

    Status written;
    if (type == ExportType::Alt) {
        written = ExportAlt(path, chosen.log, range.first, range.end);
    } else if (type == ExportType::Csv) {
        const LogSeries shown = InDisplayUnits(SeriesOrFail(chosen, SeriesChoice::All, false));
        written =
            ExportCsv(path, TableOrTell(chosen, shown), dt, range.first, range.end, shown.series[0].values.size());
    } else {
        const LogSeries series = SeriesOrFail(chosen, SeriesChoice::All);
        const QSize size(BoundedImageSide(chosen.settings.imageCx), BoundedImageSide(chosen.settings.imageCy));
        const QImage picture = DrawLogPicture(series, size, BandsOf(chosen, series),
                                              FlightMarks(FlightsOf(chosen.log).value_or(std::vector<FlightSpan>{})));
        written = ExportJpeg(path, picture);
    }
    if (!written)
        throw ToolError{path + ": " + written.Error()};
    return 0;
}

int Climbs(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set"});
    const ChosenLog chosen = ChooseLog(args, "climbs");
    const LogSeries series = SeriesOrFail(chosen, SeriesChoice::AltitudeAndVario);
    const ClimbAnalysis a = ClimbsOf(series, chosen.settings);
    const LengthUnit& units = series.units;
    const char* unit = units.name.c_str();
    std::printf("Climb\tStart\tEnd\tDuration\tGain\tAverage\tMax\n");
    for (size_t i = 0; i < a.climbs.size(); ++i) {
        const Climb& c = a.climbs[i];
        std::printf("%zu\t%.1f\t%.1f\t%.1f\t%.1f\t%.2f\t%.2f\n", i + 1, c.start, c.end, c.duration,
                    units.FromMetres(c.gain), units.FromMetres(c.average), units.FromMetres(c.max));
    }
    std::printf("Climbs: %zu\nTime climbing: %.1f s (%.1f %%)\nHeight gained: %.1f %s\n", a.climbs.size(),
                a.timeClimbing, a.share, units.FromMetres(a.heightGained), unit);
    if (a.best < 0)
        std::printf("Best climb: -\n");
    else
        std::printf("Best climb: %.2f %s/s (climb %d)\n",
                    units.FromMetres(a.climbs[static_cast<size_t>(a.best)].average), unit, a.best + 1);
    return 0;
}

int Airtime(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set"});
    const ChosenLog chosen = ChooseLog(args, "airtime");
    const auto flights = FlightsOf(chosen.log);
    if (!flights)
        throw ToolError{chosen.path + ": the altitude of log " + args.positional[1] + " cannot be decoded"};
    const auto hours = [](double seconds) {
        return TimeLabel(seconds, TimeLabelStyle::HoursMinutesSeconds);
    };
    for (size_t i = 0; i < flights->size(); ++i) {
        const FlightSpan& f = (*flights)[i];
        std::printf("%zu\t%.1f\t%.1f\t%s\n", i + 1, f.takeoff, f.landing, hours(f.Airtime()).c_str());
    }
    std::printf("Airtime\t%s\t%zu %s\n", hours(TotalAirtime(*flights)).c_str(), flights->size(),
                flights->size() == 1 ? "flight" : "flights");
    return 0;
}

void WriteReportOrFail(const ToolArgs& args, const BrixoLog& log, const Settings& settings, const Configuration& config,
                       const std::optional<LogbookEntry>& entry, const QString& defaultName)
{
    const auto out = args.options.find("o");
    if (out == args.options.end())
        throw UsageError{"a report needs -o OUT.pdf"};
    QPageSize page(QPageSize::A4);
    if (const auto size = args.options.find("page"); size != args.options.end()) {
        if (size->second == "letter")
            page = QPageSize(QPageSize::Letter);
        else if (size->second != "a4")
            throw UsageError{"--page wants a4 or letter, not \"" + size->second + "\""};
    }
    const std::optional<double> elevation =
        entry && settings.altAboveSeaLevel ? entry->fields.startElevation : std::nullopt;
    const LogSeries series = BuildLogSeries(log, settings, SeriesChoice::All, elevation);
    if (series.series[0].values.empty())
        throw ToolError{"the altitude of this log cannot be decoded: " + series.series[0].problem};
    const ClimbAnalysis climbs = ClimbsOf(series, settings);
    std::vector<FlightSpan> flights;
    if (entry && entry->correctedFlights)
        flights = *entry->correctedFlights;
    else
        flights = FlightsOf(log).value_or(std::vector<FlightSpan>{});
    ReportNotes notes;
    notes.name = entry && entry->fields.name ? QString::fromStdString(*entry->fields.name) : defaultName;
    if (entry) {
        notes.date = FlownText(*entry);
        notes.site = QString::fromStdString(entry->fields.site);
        notes.comment = QString::fromStdString(entry->fields.comment);
        notes.startElevation = entry->fields.startElevation;
    }
    notes.device = QString::fromStdString(DeviceName(config, DeviceIdOf(log)));
    ChartPicture chart;
    FillLogPicture(chart, series, settings.climbsShown ? ClimbBands(climbs) : std::vector<TimeRange>{},
                   FlightMarks(flights));
    const FlightReport report = MakeFlightReport(log, series, settings, climbs, flights, notes);
    if (Status written = WriteFlightReportPdf(out->second, report, chart, page); !written)
        throw ToolError{out->second + ": " + written.Error()};
}

int Report(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "o", "page"});
    if (args.options.find("o") == args.options.end())
        throw UsageError{"report needs -o OUT.pdf"};
    const ChosenLog chosen = ChooseLog(args, "report");
    std::optional<LogbookEntry> entry;
    // The pilot's notes where the logbook has the flight; a report without them otherwise.
    if (auto book = Logbook::Open(Logbook::DefaultFolder(), chosen.config))
        if (auto found = (*book)->FindByHash(FlightHash(chosen.log)); found && *found)
            entry = **found;
    WriteReportOrFail(args, chosen.log, chosen.settings, chosen.config, entry,
                      QString::fromStdString(LogName(chosen.number, chosen.log.Duration())));
    return 0;
}
