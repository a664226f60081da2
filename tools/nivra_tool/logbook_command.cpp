// nivra-tool logbook: the flights kept in the logbook, listed, shown, noted, exported and added.
#include <QDateTime>
#include <QTimeZone>

#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/log_file.h"
#include "base/file_access.h"
#include "base/time_text.h"
#include "commands.h"
#include "logbook/logbook.h"
#include "logbook/season.h"
#include "tool_options.h"

namespace {

std::unique_ptr<Logbook> OpenLogbook(const Configuration& config)
{
    auto book = Logbook::Open(Logbook::DefaultFolder(), config);
    if (!book)
        throw ToolError{"the logbook cannot be opened: " + book.Error()};
    return std::move(*book);
}

int64_t ParseId(const std::string& text)
{
    int64_t id = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || id < 1)
        throw UsageError{"a flight is named by its id, a whole number from 1, not \"" + text + "\""};
    return id;
}

// As the Log Properties show it: the time the log records, without a time zone.
std::string DateText(FileTime time)
{
    return QDateTime::fromMSecsSinceEpoch(UnixMsFromFileTime(time), QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        .toStdString();
}

// When it was flown as the pilot gave it (the time, or the day); the download's time otherwise.
std::string ListedDate(const LogbookEntry& e)
{
    if (e.fields.flownAt)
        return DateText(*e.fields.flownAt);
    return e.fields.flownOn ? *e.fields.flownOn : DateText(e.date);
}

// One line of a field: tabs and line ends would break the table.
std::string Cell(const std::string& text)
{
    std::string cell = text;
    for (char& c : cell)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return cell;
}

LogbookEntry EntryOrFail(Logbook& book, int64_t id)
{
    auto found = book.Find(id);
    if (!found)
        throw ToolError{"the logbook cannot be read: " + found.Error()};
    if (!*found)
        throw ToolError{"the logbook has no flight " + std::to_string(id)};
    return **found;
}

int List(const ToolArgs& args)
{
    if (args.positional.size() != 1)
        throw UsageError{"logbook list takes no more arguments"};
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    auto entries = OpenLogbook(config)->List();
    if (!entries)
        throw ToolError{"the logbook cannot be read: " + entries.Error()};
    for (const LogbookEntry& e : *entries)
        std::printf("%lld\t%s\t%s\t%s\t%.1f\t%llu\t%u\t%.1f\t%s\n", static_cast<long long>(e.id), ListedDate(e).c_str(),
                    Cell(e.fields.name.value_or("")).c_str(), Cell(e.fields.site).c_str(), e.duration,
                    static_cast<unsigned long long>(e.samples), e.deviceId, e.airtime,
                    e.flightCount ? std::to_string(*e.flightCount).c_str() : "-");
    return 0;
}

int Show(const ToolArgs& args)
{
    if (args.positional.size() != 2)
        throw UsageError{"logbook show takes one flight id"};
    const LogbookEntry e =
        EntryOrFail(*OpenLogbook(LoadToolConfiguration(args, ProgramDir())), ParseId(args.positional[1]));
    const auto optional = [](const std::optional<double>& v, const char* unit) {
        char text[64];
        std::snprintf(text, sizeof text, "%.1f %s", v ? *v : 0.0, unit);
        return v ? std::string(text) : std::string("-");
    };
    std::printf("Id: %lld\n", static_cast<long long>(e.id));
    // One line each: a line end inside a name or a site could fake a line of its own.
    std::printf("Name: %s\n", e.fields.name ? Cell(*e.fields.name).c_str() : "-");
    std::printf("Date: %s%s\n", ListedDate(e).c_str(), e.FlownKnown() ? "" : " (downloaded; no day flown given)");
    std::printf("Site: %s\n", Cell(e.fields.site).c_str());
    std::printf("Start elevation: %s\n", optional(e.fields.startElevation, "m").c_str());
    std::printf("Duration: %s\n", DurationText(e.duration).c_str());
    if (e.flightCount)
        std::printf("Airtime: %s\nFlights: %d%s\n", DurationText(e.airtime).c_str(), *e.flightCount,
                    e.correctedFlights ? " (marks corrected)" : "");
    else
        std::printf("Airtime: %s (the logger-on time: the altitude could not be analysed)\n",
                    DurationText(e.airtime).c_str());
    std::printf("Samples: %llu\nRate: %s\nDevice: %u\n", static_cast<unsigned long long>(e.samples),
                PeriodText(e.rate * 0.1).c_str(), e.deviceId);
    std::printf("Max altitude: %s\n", optional(e.maxAltitude, "m").c_str());
    std::printf("Downloaded: %s\n", e.downloadedAt.c_str());
    std::printf("Hash: %s\n", e.hash.c_str());
    // The comment last: it may run over several lines.
    std::printf("Comment: %s\n", e.fields.comment.c_str());
    return 0;
}

int Set(const ToolArgs& args)
{
    if (args.positional.size() != 2)
        throw UsageError{"logbook set takes one flight id"};
    if (!args.options.count("name") && !args.options.count("site") && !args.options.count("comment") &&
        !args.options.count("elevation") && !args.options.count("flown-on"))
        throw UsageError{"logbook set needs --name, --site, --comment, --elevation or --flown-on"};
    const int64_t id = ParseId(args.positional[1]);
    // Only the fields named are written: another writer's change of the others stays.
    PilotFields fields;
    unsigned which = 0;
    // An empty value takes a field back to what the log says.
    for (const auto& [name, value] : args.options) {
        if (name != "elevation" && !IsValidUtf8(value))
            throw UsageError{"--" + name + " wants UTF-8 text: its bytes are not (check the terminal's encoding)"};
        if (name == "name") {
            fields.name = value.empty() ? std::nullopt : std::optional<std::string>(value);
            which |= kPilotName;
        } else if (name == "flown-on") {
            if (!value.empty() && !FlownOnProblem(value).empty())
                throw UsageError{"--flown-on wants a day as 2026-12-07, not \"" + value + "\""};
            fields.flownOn = value.empty() ? std::nullopt : std::optional<std::string>(value);
            which |= kPilotFlownOn;
        } else if (name == "site") {
            fields.site = value;
            which |= kPilotSite;
        } else if (name == "comment") {
            fields.comment = value;
            which |= kPilotComment;
        } else if (name == "elevation") {
            double metres = 0;
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), metres);
            if (!value.empty() &&
                (ec != std::errc() || end != value.data() + value.size() || !StartElevationProblem(metres).empty()))
                throw UsageError{"--elevation wants metres above sea level from -500 to 9000, not \"" + value + "\""};
            fields.startElevation = value.empty() ? std::nullopt : std::optional<double>(metres);
            which |= kPilotStartElevation;
        }
    }
    auto book = OpenLogbook(LoadToolConfiguration(args, ProgramDir()));
    if (Status s = book->SetFields(id, fields, which); !s)
        throw ToolError{"the logbook cannot be written: " + s.Error()};
    return 0;
}

int ExportFlights(const ToolArgs& args)
{
    const auto out = args.options.find("o");
    if (out == args.options.end() || args.positional.size() < 2)
        throw UsageError{"logbook export takes flight ids and -o FILE.alt"};
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    auto book = OpenLogbook(config);
    std::vector<BrixoLog> logs;
    for (size_t i = 1; i < args.positional.size(); ++i) {
        const int64_t id = ParseId(args.positional[i]);
        auto log = book->LoadLog(id, config);
        if (!log)
            throw ToolError{log.Error()};
        logs.push_back(std::move(*log));
    }
    if (Status written = WriteFileSafely(out->second, AltFileTextOfLogs(logs)); !written)
        throw ToolError{out->second + ": " + written.Error()};
    return 0;
}

// A day of --from or --to.
std::optional<QDate> DayOption(const ToolArgs& args, const char* name)
{
    const auto found = args.options.find(name);
    if (found == args.options.end())
        return std::nullopt;
    if (!FlownOnProblem(found->second).empty())
        throw UsageError{std::string("--") + name + " wants a day as 2026-12-07, not \"" + found->second + "\""};
    return QDate::fromString(QString::fromStdString(found->second), Qt::ISODate);
}

int Csv(const ToolArgs& args)
{
    if (args.positional.size() != 1)
        throw UsageError{"logbook csv takes no flight ids: --from DAY, --to DAY and -o OUT.csv choose"};
    const std::optional<QDate> from = DayOption(args, "from"), to = DayOption(args, "to");
    if (from && to && *to < *from)
        throw UsageError{"--to is a day before --from"};
    const Settings settings = LoadToolSettings(args);
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    auto book = OpenLogbook(config);
    // The climbs not yet found under these settings are found now, and kept for next time.
    if (auto filled = FillClimbFacts(*book, config, settings); !filled)
        throw ToolError{"the climbs cannot be kept in the logbook: " + filled.Error()};
    auto entries = book->List();
    if (!entries)
        throw ToolError{"the logbook cannot be read: " + entries.Error()};
    auto climbs = book->ClimbFactsFor(ClimbRecipe(settings));
    if (!climbs)
        throw ToolError{"the logbook cannot be read: " + climbs.Error()};
    std::vector<LogbookEntry> chosen;
    for (LogbookEntry& e : *entries)
        if (FlownWithin(e, from, to))
            chosen.push_back(std::move(e));
    const bool imperial = settings.Imperial();
    const LengthUnit unit(config.UnitScale("linear", imperial ? "imperial" : "metric"), imperial ? "ft" : "m");
    const std::string csv =
        LogbookCsv(chosen, *climbs, unit, [&config](uint32_t id) { return DeviceName(config, id); });
    const auto out = args.options.find("o");
    if (out == args.options.end()) {
        std::fwrite(csv.data(), 1, csv.size(), stdout);
        return 0;
    }
    if (Status written = WriteFileSafely(out->second, csv); !written)
        throw ToolError{out->second + ": " + written.Error()};
    return 0;
}

int ReportOfFlight(const ToolArgs& args)
{
    if (args.positional.size() != 2)
        throw UsageError{"logbook report takes one flight id and -o OUT.pdf"};
    const Settings settings = LoadToolSettings(args);
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    auto book = OpenLogbook(config);
    const LogbookEntry entry = EntryOrFail(*book, ParseId(args.positional[1]));
    auto log = book->LoadLog(entry.id, config);
    if (!log)
        throw ToolError{log.Error()};
    WriteReportOrFail(args, *log, settings, config, entry,
                      QStringLiteral("Flight %1").arg(static_cast<qlonglong>(entry.id)));
    return 0;
}

int AddFile(const ToolArgs& args)
{
    if (args.positional.size() != 2)
        throw UsageError{"logbook add takes one FILE.alt"};
    const Settings settings = LoadToolSettings(args);
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    const std::string& path = args.positional[1];
    const AltReadResult read = ReadAltFile(path, config, settings.skipShortLogsLen);
    if (!read.Accepted() || read.deviceMissing)
        throw ToolError{path + ": " + read.Problem()};
    auto book = OpenLogbook(config);
    const FileTime now = FileTimeFromUnixMs(QDateTime::currentMSecsSinceEpoch());
    std::vector<const BrixoLog*> logs;
    for (const NumberedLog& entry : read.logs)
        logs.push_back(&entry.log);
    auto kept = book->AddAll(logs, now);
    if (!kept)
        throw ToolError{"the logbook cannot be written (nothing of " + path + " was added): " + kept.Error()};
    int added = 0, found = 0;
    for (size_t i = 0; i < kept->size(); ++i) {
        ++((*kept)[i].alreadyThere ? found : added);
        std::printf("%lld\t%s\n", static_cast<long long>((*kept)[i].id),
                    LogName(read.logs[i].number, read.logs[i].log.Duration()).c_str());
    }
    std::printf("%d added, %d already in the logbook\n", added, found);
    return 0;
}

}  // namespace

int LogbookCommand(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(
        argv, {"config", "set", "o", "name", "site", "comment", "elevation", "flown-on", "from", "to", "page"});
    const std::string sub = args.positional.empty() ? std::string() : args.positional[0];
    if (sub == "list")
        return List(args);
    if (sub == "show")
        return Show(args);
    if (sub == "set")
        return Set(args);
    if (sub == "export")
        return ExportFlights(args);
    if (sub == "add")
        return AddFile(args);
    if (sub == "csv")
        return Csv(args);
    if (sub == "report")
        return ReportOfFlight(args);
    throw UsageError{
        "logbook wants list, show ID, set ID, export ID... -o FILE.alt, add FILE.alt, csv or report ID -o OUT.pdf"};
}
