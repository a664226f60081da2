// nivra-tool compare: several flights lined up in one chart, and their numbers side by side.
#include <charconv>
#include <cstdio>
#include <iostream>

#include "app/log_file.h"
#include "chart/comparison_picture.h"
#include "chart/picture_export.h"
#include "commands.h"
#include "config/configuration.h"
#include "logbook/compared_flight.h"
#include "tool_options.h"

namespace {

constexpr size_t kMostFlights = 20;

// FILE:N (a log of a file) or logbook:ID, split at the last colon: a path may hold colons.
ComparedFlight FlightNamed(const std::string& name, const Settings& settings, const Configuration& config,
                           std::unique_ptr<Logbook>& book, bool& bookTried)
{
    const size_t colon = name.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == name.size())
        throw UsageError{"compare names a flight FILE:N or logbook:ID, not \"" + name + "\""};
    const std::string where = name.substr(0, colon), number = name.substr(colon + 1);
    long long n = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), n);
    if (ec != std::errc() || end != number.data() + number.size() || n < 1)
        throw UsageError{"\"" + name + "\": a log number or flight id is a whole number from 1"};
    if (!book && (!bookTried || where == "logbook")) {
        bookTried = true;
        // The notes of the flights (time flown, start elevation), where the logbook has them.
        auto opened = Logbook::Open(Logbook::DefaultFolder(), config);
        if (opened)
            book = std::move(*opened);
        else if (where == "logbook")
            throw ToolError{"the logbook cannot be opened: " + opened.Error()};
    }
    if (where == "logbook") {
        auto entry = book->Find(n);
        if (!entry)
            throw ToolError{"the logbook cannot be read: " + entry.Error()};
        if (!*entry)
            throw ToolError{"the logbook has no flight " + number};
        auto log = book->LoadLog(n, config);
        if (!log)
            throw ToolError{log.Error()};
        return ComparedFlightOf(*log, settings, **entry, "Flight " + number);
    }
    AltReadResult read = ReadAltFile(where, config, settings.skipShortLogsLen);
    if (!read.Accepted() || read.deviceMissing)
        throw ToolError{where + ": " + read.Problem()};
    for (const NumberedLog& entry : read.logs)
        if (entry.number == n) {
            std::optional<LogbookEntry> noted;
            if (book)
                if (auto found = book->FindByHash(FlightHash(entry.log)); found && *found)
                    noted = **found;
            return ComparedFlightOf(entry.log, settings, noted, LogName(entry.number, entry.log.Duration()));
        }
    throw ToolError{where + ": no log " + number};
}

}  // namespace

int Compare(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "o", "size", "align", "height"});
    if (args.positional.size() < 2 || args.positional.size() > kMostFlights)
        throw UsageError{"compare takes 2 to 20 flights, each FILE:N or logbook:ID"};
    Alignment alignment = Alignment::Takeoff;
    if (const auto align = args.options.find("align"); align != args.options.end()) {
        const auto named = AlignmentNamed(align->second);
        if (!named)
            throw UsageError{"--align wants takeoff, start, peak or clock, not \"" + align->second + "\""};
        alignment = *named;
    }
    HeightReference reference = HeightReference::AboveTakeoff;
    if (const auto height = args.options.find("height"); height != args.options.end()) {
        if (height->second == "sea")
            reference = HeightReference::AboveSeaLevel;
        else if (height->second != "takeoff")
            throw UsageError{"--height wants takeoff or sea, not \"" + height->second + "\""};
    }
    const auto sizeOption = args.options.find("size");
    const QSize size = sizeOption == args.options.end() ? QSize(800, 600) : ParseSize(sizeOption->second);
    const Settings settings = LoadToolSettings(args);
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    std::unique_ptr<Logbook> book;
    bool bookTried = false;  // a logbook that cannot be opened is tried once for files' notes
    std::vector<ComparedFlight> flights;
    flights.reserve(args.positional.size());
    for (const std::string& name : args.positional)
        flights.push_back(FlightNamed(name, settings, config, book, bookTried));
    if (!AlignmentOffered(flights, alignment))
        throw ToolError{
            "--align clock needs the time flown of every flight (logbook set ... in the window's Log "
            "Properties): the logger has no clock"};
    if (reference == HeightReference::AboveSeaLevel && !SeaLevelOffered(flights))
        throw ToolError{"--height sea needs the start elevation of every flight"};

    const bool imperial = settings.Imperial();
    const LengthUnit unit(config.UnitScale("linear", imperial ? "imperial" : "metric"), imperial ? "ft" : "m");
    if (const auto out = args.options.find("o"); out != args.options.end()) {
        ChartPicture picture;
        FillComparisonPicture(picture, flights, alignment, reference, unit, settings.varioOn);
        const QImage image = picture.Draw(size);
        if (image.isNull())
            throw ToolError{"a picture of " + std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                            " pixels cannot be made"};
        const bool png = QString::fromStdString(out->second).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
        if (Status written = ExportPicture(out->second, image, png ? "png" : "jpeg"); !written)
            throw ToolError{out->second + ": " + written.Error()};
    }
    for (const std::vector<std::string>& row : ComparisonTable(flights, alignment, reference, unit)) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
            std::string cell = row[i];
            for (char& c : cell)
                if (c == '\t' || c == '\n' || c == '\r')
                    c = ' ';
            line += (i ? "\t" : "") + cell;
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}
