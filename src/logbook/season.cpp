#include "logbook/season.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>
#include <set>

#include "app/settings.h"
#include "base/time_text.h"
#include "config/configuration.h"
#include "dsp/climbs.h"
#include "dsp/log_series.h"
#include "export/csv_export.h"

namespace {

constexpr int kBatch = 25;

std::string Number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

QDate DayOf(FileTime time)
{
    return QDateTime::fromMSecsSinceEpoch(UnixMsFromFileTime(time), QTimeZone::utc()).date();
}

// Adds one flight to a group.
void Count(SeasonRow& row, const LogbookEntry& e, const ClimbFacts* climbs, std::set<QDate>& days)
{
    row.ids.push_back(e.id);
    ++row.logs;
    row.flights += e.flightCount.value_or(1);
    row.airtime += e.airtime;
    row.longest = std::max(row.longest, e.airtime);
    if (e.maxAltitude) {
        if (e.fields.startElevation) {
            const double above = *e.maxAltitude + *e.fields.startElevation;
            row.highestAboveSea = std::max(row.highestAboveSea.value_or(above), above);
        } else {
            row.highestAboveStart = std::max(row.highestAboveStart.value_or(*e.maxAltitude), *e.maxAltitude);
        }
    }
    if (!climbs || !climbs->heightGained) {
        ++row.notAnalysed;
    } else {
        row.heightGained += *climbs->heightGained;
        // The first flight (the newest) keeps a tie.
        if (climbs->bestClimb && (!row.bestClimb || *climbs->bestClimb > *row.bestClimb)) {
            row.bestClimb = climbs->bestClimb;
            row.bestClimbFlight = e.id;
        }
    }
    days.insert(FlownDay(e));
    row.days = static_cast<int>(days.size());
}

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace

std::string DeviceName(const Configuration& config, uint32_t id)
{
    const DeviceRef device = config.FindDevice(static_cast<uint8_t>(id));
    const std::optional<std::string> name = StringAttribute(device.node, "name");
    if (id > 255 || !device || device.Id() != std::to_string(id) || !name || name->empty())
        return std::to_string(id);
    return *name;
}

std::string ClimbRecipe(const Settings& s)
{
    return "alt " + std::to_string(s.altPolynome) + " " + Number(s.sigmaMeasurement) + " " + Number(s.sigmaModel) +
           " " + std::to_string(s.sigmaAuto) + "; vario " + std::to_string(s.varioPolynome) + " " +
           std::to_string(s.varioMedian) + "; climbs " + Number(s.climbThreshold) + " " + Number(s.climbMinDuration) +
           " " + Number(s.climbMaxGap);
}

ClimbFacts ClimbFactsOf(const BrixoLog& log, const Settings& settings)
{
    const LogSeries series = BuildLogSeries(log, settings, SeriesChoice::AltitudeAndVario, std::nullopt);
    const NamedSeries* alt = series.Find("Alt");
    const NamedSeries* vario = series.Find("Vario");
    if (!alt || !vario || !alt->problem.empty() || !vario->problem.empty() || alt->values.size() < 2)
        return {};
    const ClimbAnalysis climbs = ClimbsOf(series, settings);
    ClimbFacts facts;
    facts.heightGained = climbs.heightGained;
    facts.climbs = static_cast<int>(climbs.climbs.size());
    if (climbs.best >= 0)
        facts.bestClimb = climbs.climbs[static_cast<size_t>(climbs.best)].average;
    return facts;
}

Result<int> FillClimbFacts(Logbook& book, const Configuration& config, const Settings& settings,
                           const std::function<bool(int done, int total)>& progress)
{
    const std::string recipe = ClimbRecipe(settings);
    auto missing = book.FlightsWithoutClimbFacts(recipe);
    if (!missing)
        return Fail(missing.Error());
    const int total = static_cast<int>(missing->size());
    int done = 0;
    std::vector<std::pair<int64_t, ClimbFacts>> batch;
    batch.reserve(kBatch);
    for (int64_t id : *missing) {
        // A flight gone meanwhile, or one the configuration cannot read, has no climbs to find.
        const Result<BrixoLog> log = book.LoadLog(id, config);
        batch.emplace_back(id, log ? ClimbFactsOf(*log, settings) : ClimbFacts{});
        if (static_cast<int>(batch.size()) == kBatch || done + static_cast<int>(batch.size()) == total) {
            if (Status kept = book.SetClimbFacts(batch, recipe); !kept)
                return Fail(kept.Error());
            done += static_cast<int>(batch.size());
            batch.clear();
            if (progress && !progress(done, total))
                break;
        }
    }
    return done;
}

QDate FlownDay(const LogbookEntry& entry)
{
    if (entry.fields.flownAt)
        return DayOf(*entry.fields.flownAt);
    if (entry.fields.flownOn)
        if (const QDate day = QDate::fromString(QString::fromStdString(*entry.fields.flownOn), Qt::ISODate);
            day.isValid())
            return day;
    return DayOf(entry.date);
}

QString FlownText(const LogbookEntry& entry, bool inLanguage)
{
    if (entry.fields.flownAt)
        return QDateTime::fromMSecsSinceEpoch(UnixMsFromFileTime(*entry.fields.flownAt), QTimeZone::utc())
            .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    QString day = FlownDay(entry).toString(Qt::ISODate);
    if (entry.fields.flownOn)
        return day;
    //: a flight dated by its download, no day flown given: "2026-12-07 (downloaded)"
    return inLanguage ? QCoreApplication::translate("Season", "%1 (downloaded)").arg(day)
                      : QStringLiteral("%1 (downloaded)").arg(day);
}

bool FlownWithin(const LogbookEntry& entry, std::optional<QDate> from, std::optional<QDate> to)
{
    const QDate day = FlownDay(entry);
    return (!from || day >= *from) && (!to || day <= *to);
}

std::vector<SeasonRow> GroupSeason(const std::vector<LogbookEntry>& entries,
                                   const std::map<int64_t, ClimbFacts>& climbs, SeasonGrouping grouping,
                                   const std::function<std::string(uint32_t)>& deviceName)
{
    // The group's key sorts the rows: years and months newest first, names alphabetically.
    struct Group {
        SeasonRow row;
        std::set<QDate> days;
        std::map<int, std::pair<SeasonRow, std::set<QDate>>> months;
    };
    std::map<std::string, Group> groups;
    for (const LogbookEntry& e : entries) {
        const auto found = climbs.find(e.id);
        const ClimbFacts* facts = found == climbs.end() ? nullptr : &found->second;
        const QDate day = FlownDay(e);
        std::string key;
        std::string label;
        switch (grouping) {
        case SeasonGrouping::YearAndMonth:
            label = std::to_string(day.year());
            key = std::to_string(99999 - day.year());
            break;
        case SeasonGrouping::Site:
            //: the group of the flights with no site noted
            label = e.fields.site.empty() ? QCoreApplication::translate("Season", "(no site)").toStdString()
                                          : e.fields.site;
            key = (e.fields.site.empty() ? "\x7f" : "") + QString::fromStdString(label).toCaseFolded().toStdString();
            break;
        case SeasonGrouping::Device:
            label = deviceName ? deviceName(e.deviceId) : std::to_string(e.deviceId);
            key = label;
            break;
        }
        Group& g = groups[key];
        if (g.row.label.empty())
            g.row.label = label;  // as the newest flight writes it
        if (grouping == SeasonGrouping::YearAndMonth)
            g.row.year = day.year();
        Count(g.row, e, facts, g.days);
        if (grouping == SeasonGrouping::YearAndMonth) {
            auto& [month, monthDays] = g.months[-day.month()];
            // In the window's language; nivra-tool keeps the C locale's.
            month.label = QLocale().standaloneMonthName(day.month()).toStdString();
            month.year = day.year();
            month.month = day.month();
            Count(month, e, facts, monthDays);
        }
    }
    std::vector<SeasonRow> rows;
    rows.reserve(groups.size());
    for (auto& [key, g] : groups) {
        for (auto& [month, m] : g.months)
            g.row.children.push_back(std::move(m.first));
        rows.push_back(std::move(g.row));
    }
    return rows;
}

std::string LogbookCsv(const std::vector<LogbookEntry>& entries, const std::map<int64_t, ClimbFacts>& climbs,
                       const LengthUnit& unit, const std::function<std::string(uint32_t)>& deviceName)
{
    const std::string length = unit.name, speed = unit.Speed();
    std::string csv = "Date,Dated by,Site,Name,Airtime,Airtime [s],Highest point [" + length +
                      "],Highest point above,Height gained [" + length + "],Best climb [" + speed +
                      "],Device,Comment\r\n";
    for (const LogbookEntry& e : entries) {
        const auto found = climbs.find(e.id);
        const ClimbFacts* facts = found == climbs.end() ? nullptr : &found->second;
        std::vector<std::string> row;
        row.push_back(FlownDay(e).toString(Qt::ISODate).toStdString());
        row.emplace_back(e.FlownKnown() ? "flown" : "download");
        row.push_back(e.fields.site);
        row.push_back(e.fields.name.value_or(""));
        row.push_back(DurationText(e.airtime));
        row.push_back(Fixed(e.airtime, 0));
        if (e.maxAltitude) {
            const bool sea = e.fields.startElevation.has_value();
            row.push_back(Fixed(unit.FromMetres(*e.maxAltitude + (sea ? *e.fields.startElevation : 0.0)), 1));
            row.emplace_back(sea ? "sea level" : "start");
        } else {
            row.emplace_back();
            row.emplace_back();
        }
        row.push_back(facts && facts->heightGained ? Fixed(unit.FromMetres(*facts->heightGained), 1) : "");
        row.push_back(facts && facts->bestClimb ? Fixed(unit.SpeedFromMetres(*facts->bestClimb), 2) : "");
        row.push_back(deviceName ? deviceName(e.deviceId) : std::to_string(e.deviceId));
        row.push_back(e.fields.comment);
        for (size_t i = 0; i < row.size(); ++i)
            csv += (i ? "," : "") + CsvField(row[i]);
        csv += "\r\n";
    }
    return csv;
}
