#pragma once

#include <QDate>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/units.h"
#include "logbook/logbook.h"

class Configuration;
struct Settings;

// The settings the climbs of a flight depend on (the altitude's and the vario's filters, the
// climb rules), as one text: climbs kept under another recipe are found again.
std::string ClimbRecipe(const Settings& settings);
// The climbs of a log as the chart finds them with these settings; no height gained when its
// altitude cannot be decoded.
ClimbFacts ClimbFactsOf(const BrixoLog& log, const Settings& settings);
// Finds and keeps the climbs of every flight that has none under the settings' recipe, in
// batches; progress(done, total) is told after each batch and stops the work when it gives
// false. A flight that cannot be read counts as not analysed. Gives how many were kept.
Result<int> FillClimbFacts(Logbook& book, const Configuration& config, const Settings& settings,
                           const std::function<bool(int done, int total)>& progress = {});

// The day a flight was flown as far as known: the time or the day the pilot gave, else the day
// of its download (UTC file times, shown as they are).
QDate FlownDay(const LogbookEntry& entry);
// When a flight was flown, as a report says it: the time given ("2026-06-14 09:30"), the day
// given ("2026-06-14"), or the download's day marked "2026-06-20 (downloaded)": in the window's
// language, or in English for a file (inLanguage false).
QString FlownText(const LogbookEntry& entry, bool inLanguage = true);
// Whether the flight's day lies within [from, to]; an open end takes every day.
bool FlownWithin(const LogbookEntry& entry, std::optional<QDate> from, std::optional<QDate> to);

// A device by the name the configuration gives its id; an id it does not describe (or one
// without a name) as the number, never as the device the reader falls back to.
std::string DeviceName(const Configuration& config, uint32_t id);

// How the season's statistics group the flights.
enum class SeasonGrouping { YearAndMonth, Site, Device };

// One group of flights and what they add up to.
struct SeasonRow {
    std::string label;         // "2026", "June", "Westkamm", "(no site)", "Brixo"
    std::vector<int64_t> ids;  // its flights, newest first
    int logs = 0;
    int flights = 0;                          // takeoffs to landings; a log not analysed counts as one
    double airtime = 0;                       // seconds
    double longest = 0;                       // the longest airtime of one log, seconds
    std::optional<double> highestAboveSea;    // metres, of the flights with a start elevation
    std::optional<double> highestAboveStart;  // metres, of those without one
    double heightGained = 0;                  // metres, in the climbs of the flights analysed
    std::optional<double> bestClimb;          // the strongest average climb, m/s
    int64_t bestClimbFlight = 0;              // the flight it belongs to
    int days = 0;                             // days flown
    int notAnalysed = 0;                      // flights whose climbs are not known (yet)
    std::vector<SeasonRow> children;          // the months of a year
    int year = 0, month = 0;                  // of a year's or a month's row, 1 to 12 for a month
};

// The groups of these flights, with the climbs known for them (by flight id): years newest
// first with their months, or sites and devices by name. deviceName names a device id.
std::vector<SeasonRow> GroupSeason(const std::vector<LogbookEntry>& entries,
                                   const std::map<int64_t, ClimbFacts>& climbs, SeasonGrouping grouping,
                                   const std::function<std::string(uint32_t)>& deviceName);

// The logbook as CSV: a header row, then one row per flight in the given order; RFC 4180
// quoting (fields with commas, quotes or line breaks in quotes, quotes doubled), UTF-8, CRLF
// line ends. Lengths in the unit given (its name in the headers), climb rates in it a second.
std::string LogbookCsv(const std::vector<LogbookEntry>& entries, const std::map<int64_t, ClimbFacts>& climbs,
                       const LengthUnit& unit, const std::function<std::string(uint32_t)>& deviceName);
