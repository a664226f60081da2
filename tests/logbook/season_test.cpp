#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimeZone>

#include "app/settings.h"
#include "device/memory_image.h"
#include "logbook/season.h"
#include "test_support.h"

namespace {

FileTime Utc(int year, int month, int day, int hour = 12)
{
    return FileTimeFromUnixMs(QDateTime(QDate(year, month, day), QTime(hour, 0), QTimeZone::utc()).toMSecsSinceEpoch());
}

// A flight of the logbook as the list gives it.
LogbookEntry Entry(int64_t id, FileTime downloaded, double airtime, std::optional<int> flights,
                   std::optional<double> maxAltitude, std::string site, std::optional<double> elevation = {},
                   uint32_t device = 59)
{
    LogbookEntry e;
    e.id = id;
    e.date = downloaded;
    e.airtime = airtime;
    e.flightCount = flights;
    e.maxAltitude = maxAltitude;
    e.fields.site = std::move(site);
    e.fields.startElevation = elevation;
    e.deviceId = device;
    return e;
}

std::string Name(uint32_t id)
{
    return id == 59 ? "Brixo" : std::to_string(id);
}

// The logbook of a small season: flown days given in three ways, one flight never dated.
std::vector<LogbookEntry> Season(std::map<int64_t, ClimbFacts>& climbs)
{
    std::vector<LogbookEntry> entries;
    entries.push_back(Entry(6, Utc(2026, 7, 1), 3600, 2, 1440.0, "Westkamm", 1250.0));
    entries.back().fields.flownOn = "2026-06-14";
    entries.push_back(Entry(5, Utc(2026, 6, 20), 1800, 1, 900.0, "Westkamm"));
    entries.back().fields.flownAt = Utc(2026, 6, 14, 9);  // the same day as 6, flown in the morning
    entries.push_back(Entry(4, Utc(2026, 6, 2), 600, 1, 300.0, "", std::nullopt, 7));
    entries.back().fields.flownOn = "2026-06-01";
    entries.push_back(Entry(3, Utc(2026, 5, 2), 240, std::nullopt, std::nullopt, "Training slope", 430.0));
    entries.push_back(Entry(2, Utc(2025, 12, 30), 1200, 1, 700.0, "training SLOPE", 430.0));
    climbs[6] = {1500.0, 2.4, 5};
    climbs[5] = {400.0, 2.4, 2};  // as strong as 6: the newest keeps the tie
    climbs[4] = {0.0, std::nullopt, 0};
    climbs[3] = {};  // its altitude could not be analysed
    // 2 not analysed yet
    return entries;
}

}  // namespace

TEST(Season, GroupsAndTheirTotals)
{
    std::map<int64_t, ClimbFacts> climbs;
    const std::vector<LogbookEntry> entries = Season(climbs);
    struct Expected {
        std::string label;
        std::vector<int64_t> ids;
        int logs, flights;
        double airtime, longest;
        std::optional<double> sea, start;
        double gained;
        std::optional<double> best;
        int64_t bestFlight;
        int days, notAnalysed;
    };
    const auto check = [](const SeasonRow& row, const Expected& e) {
        EXPECT_EQ(row.label, e.label);
        EXPECT_EQ(row.ids, e.ids) << e.label;
        EXPECT_EQ(std::pair(row.logs, row.flights), std::pair(e.logs, e.flights)) << e.label;
        EXPECT_EQ(std::pair(row.airtime, row.longest), std::pair(e.airtime, e.longest)) << e.label;
        EXPECT_EQ(row.highestAboveSea, e.sea) << e.label;
        EXPECT_EQ(row.highestAboveStart, e.start) << e.label;
        EXPECT_EQ(row.heightGained, e.gained) << e.label;
        EXPECT_EQ(row.bestClimb, e.best) << e.label;
        if (e.best) {
            EXPECT_EQ(row.bestClimbFlight, e.bestFlight) << e.label;
        }
        EXPECT_EQ(std::pair(row.days, row.notAnalysed), std::pair(e.days, e.notAnalysed)) << e.label;
    };

    const std::vector<SeasonRow> years = GroupSeason(entries, climbs, SeasonGrouping::YearAndMonth, Name);
    ASSERT_EQ(years.size(), 2u);
    // 2026: two flights on 14 June (one dated by the day, one by the time), one on 1 June, one
    // dated by its download on 2 May; above sea level where the start elevation is known.
    check(years[0], {"2026", {6, 5, 4, 3}, 4, 5, 6240, 3600, 2690.0, 900.0, 1900.0, 2.4, 6, 3, 1});
    ASSERT_EQ(years[0].children.size(), 2u);
    check(years[0].children[0], {"June", {6, 5, 4}, 3, 4, 6000, 3600, 2690.0, 900.0, 1900.0, 2.4, 6, 2, 0});
    check(years[0].children[1], {"May", {3}, 1, 1, 240, 240, std::nullopt, std::nullopt, 0.0, std::nullopt, 0, 1, 1});
    check(years[1], {"2025", {2}, 1, 1, 1200, 1200, 1130.0, std::nullopt, 0.0, std::nullopt, 0, 1, 1});
    ASSERT_EQ(years[1].children.size(), 1u);
    EXPECT_EQ(years[1].children[0].label, "December");

    // Sites by name whatever their case, the flights without one last.
    const std::vector<SeasonRow> sites = GroupSeason(entries, climbs, SeasonGrouping::Site, Name);
    ASSERT_EQ(sites.size(), 3u);
    check(sites[0], {"Training slope", {3, 2}, 2, 2, 1440, 1200, 1130.0, std::nullopt, 0.0, std::nullopt, 0, 2, 2});
    check(sites[1], {"Westkamm", {6, 5}, 2, 3, 5400, 3600, 2690.0, 900.0, 1900.0, 2.4, 6, 1, 0});
    check(sites[2], {"(no site)", {4}, 1, 1, 600, 600, std::nullopt, 300.0, 0.0, std::nullopt, 0, 1, 0});
    EXPECT_TRUE(sites[0].children.empty());

    const std::vector<SeasonRow> devices = GroupSeason(entries, climbs, SeasonGrouping::Device, Name);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(std::pair(devices[0].label, devices[0].logs), std::pair(std::string("7"), 1));
    EXPECT_EQ(std::pair(devices[1].label, devices[1].logs), std::pair(std::string("Brixo"), 4));

    // The date range takes the day flown, both ends included.
    std::vector<int64_t> june;
    for (const LogbookEntry& e : entries)
        if (FlownWithin(e, QDate(2026, 6, 1), QDate(2026, 6, 14)))
            june.push_back(e.id);
    EXPECT_EQ(june, (std::vector<int64_t>{6, 5, 4}));
    EXPECT_TRUE(FlownWithin(entries[4], std::nullopt, QDate(2025, 12, 30)));
    EXPECT_FALSE(FlownWithin(entries[4], QDate(2025, 12, 31), std::nullopt));
    EXPECT_TRUE(GroupSeason({}, climbs, SeasonGrouping::Site, Name).empty());
    // As a report dates them: the time, the day, or the download's day said to be one.
    EXPECT_EQ((QStringList{FlownText(entries[0]), FlownText(entries[1]), FlownText(entries[3])}),
              (QStringList{"2026-06-14", "2026-06-14 09:00", "2026-05-02 (downloaded)"}));
}

namespace {

// A field-by-field reader of RFC 4180 CSV, as a spreadsheet reads it.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false, inField = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && !inField) {
            quoted = inField = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
            inField = false;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(field);
            field.clear();
            inField = false;
            rows.emplace_back();
            ++i;
        } else {
            field += c;
            inField = true;
        }
    }
    if (rows.back().empty() && field.empty())
        rows.pop_back();
    return rows;
}

}  // namespace

TEST(Season, LogbookCsvSurvivesASpreadsheet)
{
    std::map<int64_t, ClimbFacts> climbs;
    std::vector<LogbookEntry> entries = Season(climbs);
    entries[0].fields.comment = "He said \"go\", then:\nup, up\r\nand away";
    entries[0].fields.name = "Ridge, west side";
    entries[1].fields.comment = "Föhn über dem Grat, \"zäh\"";
    entries[2].fields.comment = "\"";
    const std::string csv = LogbookCsv(entries, climbs, LengthUnit{}, Name);
    const auto rows = ReadCsv(csv);
    ASSERT_EQ(rows.size(), 1 + entries.size());
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Date", "Dated by", "Site", "Name", "Airtime", "Airtime [s]",
                                                 "Highest point [m]", "Highest point above", "Height gained [m]",
                                                 "Best climb [m/s]", "Device", "Comment"}));
    EXPECT_EQ(rows[1],
              (std::vector<std::string>{"2026-06-14", "flown", "Westkamm", "Ridge, west side", "01:00:00", "3600",
                                        "2690.0", "sea level", "1500.0", "2.40", "Brixo", entries[0].fields.comment}));
    EXPECT_EQ(rows[2][11], entries[1].fields.comment);
    EXPECT_EQ(rows[3][11], "\"");
    EXPECT_EQ((std::vector<std::string>{rows[3][0], rows[3][6], rows[3][7], rows[3][8], rows[3][10]}),
              (std::vector<std::string>{"2026-06-01", "300.0", "start", "0.0", "7"}));
    // Dated by its download, not analysed: said so, the unknown numbers left empty.
    EXPECT_EQ((std::vector<std::string>{rows[4][0], rows[4][1], rows[4][6], rows[4][8], rows[4][9]}),
              (std::vector<std::string>{"2026-05-02", "download", "", "", ""}));
    // In feet: lengths and rates converted, the headers say so.
    const auto feet = ReadCsv(LogbookCsv(entries, climbs, LengthUnit{2.0, "ft"}, Name));
    EXPECT_EQ((std::vector<std::string>{feet[0][6], feet[0][9], feet[1][6], feet[1][9]}),
              (std::vector<std::string>{"Highest point [ft]", "Best climb [ft/s]", "5380.0", "4.80"}));
}

namespace {

// A flight of the built-in device: level, then a steady climb of n samples, then level.
BrixoLog Climbing(const Configuration& config, unsigned n)
{
    std::vector<unsigned> words;
    for (unsigned i = 0; i < 40; ++i)
        words.push_back(50000);
    for (unsigned i = 0; i < n; ++i)
        words.push_back(50000 - 12 * i);
    for (unsigned i = 0; i < 40; ++i)
        words.push_back(50000 - 12 * n);
    BrixoLog log = LogOf(config, 59, 10, Words(words));
    log.m_date = FileTimeFromUnixMs(1780000000000);
    return log;
}

}  // namespace

TEST(Season, TheClimbsCacheFollowsTheRecipeEditsAndDeletes)
{
    QTemporaryDir dir;
    const Configuration config = BuiltInConfig();
    auto book = Logbook::Open(dir.path().toStdString(), config);
    ASSERT_TRUE(book.Ok()) << book.Error();
    const std::vector<BrixoLog> logs{Climbing(config, 60), Climbing(config, 150), Climbing(config, 90)};
    std::vector<BuiltFlight> flights;
    for (size_t i = 0; i < logs.size(); ++i)
        flights.push_back({logs[i], static_cast<uint32_t>(i)});
    auto report = (*book)->ArchiveDownload(MemoryImageOfLogs(logs), flights, FileTimeFromUnixMs(1796000000000));
    ASSERT_TRUE(report.Ok()) << report.Error();
    const std::vector<int64_t> ids = report->addedIds;
    ASSERT_EQ(ids.size(), 3u);

    Settings settings;
    std::map<int64_t, ClimbFacts> expected;
    for (size_t i = 0; i < logs.size(); ++i)
        expected[ids[i]] = ClimbFactsOf(logs[i], settings);
    // Three different climbs: a fact kept for the wrong flight would show.
    ASSERT_EQ(expected[ids[0]].climbs, 1);
    ASSERT_LT(*expected[ids[0]].heightGained, *expected[ids[2]].heightGained);
    ASSERT_LT(*expected[ids[2]].heightGained, *expected[ids[1]].heightGained);

    std::vector<std::pair<int, int>> told;
    auto filled = FillClimbFacts(**book, config, settings, [&told](int done, int total) {
        told.emplace_back(done, total);
        return true;
    });
    ASSERT_TRUE(filled.Ok()) << filled.Error();
    EXPECT_EQ(*filled, 3);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{3, 3}}));
    const std::string recipe = ClimbRecipe(settings);
    EXPECT_EQ(*(*book)->ClimbFactsFor(recipe), expected);
    EXPECT_EQ(*FillClimbFacts(**book, config, settings), 0);  // nothing is found twice

    // A pilot's edit keeps them; a deleted flight takes its own along.
    ASSERT_TRUE((*book)->SetFields(ids[0], {"Hop", {}, "Hill", "", 300.0, "2026-11-01"}).Ok());
    ASSERT_TRUE((*book)->Delete({ids[1]}).Ok());
    expected.erase(ids[1]);
    EXPECT_EQ(*(*book)->ClimbFactsFor(recipe), expected);
    // Facts for a flight deleted meanwhile are not kept.
    ASSERT_TRUE((*book)->SetClimbFacts({{ids[1], {1.0, 1.0, 1}}}, recipe).Ok());
    EXPECT_EQ(*(*book)->ClimbFactsFor(recipe), expected);

    // Other climb rules: every flight is found again, the first now without a climb.
    settings.climbMinDuration = 70;
    EXPECT_EQ(*(*book)->FlightsWithoutClimbFacts(ClimbRecipe(settings)), (std::vector<int64_t>{ids[2], ids[0]}));
    ASSERT_EQ(*FillClimbFacts(**book, config, settings), 2);
    const auto again = *(*book)->ClimbFactsFor(ClimbRecipe(settings));
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again.at(ids[0]).climbs, 0);
    EXPECT_EQ(again.at(ids[0]).heightGained, 0.0);
    EXPECT_EQ(again.at(ids[2]), ClimbFactsOf(logs[2], settings));
}
