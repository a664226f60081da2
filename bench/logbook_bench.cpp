// The logbook's season statistics over a logbook of 5,000 flights whose climbs are kept: from
// the database to the groups, and into the window's Logbook pane.
#include "bench_support.h"

#include <QTemporaryDir>
#include <QTreeWidget>

#include "app/settings.h"
#include "logbook/season.h"
#include "synthetic_flight.h"
#include "ui/logbook_view.h"
#include "ui/season_view.h"

namespace {

constexpr int kFlights = 5000;

// 5,000 flights over three seasons at 40 sites, their days and sites noted and their climbs
// kept, as a logbook that has been opened before holds them.
Logbook& Book()
{
    static QTemporaryDir dir;
    static std::unique_ptr<Logbook> book = [] {
        const Configuration& config = BuiltInConfiguration();
        auto opened = Logbook::Open(dir.path().toStdString(), config);
        if (!opened)
            std::abort();
        std::vector<BrixoLog> logs;
        logs.reserve(kFlights);
        for (int i = 0; i < kFlights; ++i)
            logs.push_back(SyntheticFlight(config, 100 + static_cast<size_t>(i), 10));
        std::vector<const BrixoLog*> pointers;
        pointers.reserve(logs.size());
        for (const BrixoLog& log : logs)
            pointers.push_back(&log);
        auto added = (*opened)->AddAll(pointers, FileTimeFromUnixMs(1796000000000));
        if (!added)
            std::abort();
        std::vector<std::pair<int64_t, ClimbFacts>> climbs;
        climbs.reserve(added->size());
        for (size_t i = 0; i < added->size(); ++i) {
            const int64_t id = (*added)[i].id;
            const QDate day = QDate(2024, 3, 1).addDays(static_cast<qint64>(i % 1000));
            PilotFields fields;
            fields.site = "Site " + std::to_string(i % 40);
            fields.flownOn = day.toString(Qt::ISODate).toStdString();
            if (!(*opened)->SetFields(id, fields, kPilotSite | kPilotFlownOn))
                std::abort();
            climbs.emplace_back(id,
                                ClimbFacts{static_cast<double>(i % 700), 0.5 + static_cast<double>(i % 30) / 10, 3});
        }
        if (!(*opened)->SetClimbFacts(climbs, ClimbRecipe(Settings{})))
            std::abort();
        return std::move(*opened);
    }();
    return *book;
}

std::string Name(uint32_t id)
{
    return DeviceName(BuiltInConfiguration(), id);
}

// Opening the statistics: the flights and their climbs read, then grouped by year and month.
void BM_SeasonFromTheDatabase(benchmark::State& state)
{
    Logbook& book = Book();
    const std::string recipe = ClimbRecipe(Settings{});
    for (auto _ : state) {
        auto entries = book.List();
        auto climbs = book.ClimbFactsFor(recipe);
        const std::vector<SeasonRow> rows = GroupSeason(*entries, *climbs, SeasonGrouping::YearAndMonth, Name);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SeasonFromTheDatabase)->Unit(benchmark::kMillisecond);

// The same into the window's Logbook pane: its list of flights and its statistics tab.
void BM_SeasonInThePane(benchmark::State& state)
{
    Logbook& book = Book();
    const std::string recipe = ClimbRecipe(Settings{});
    LogbookView view;
    view.resize(700, 600);
    const auto deviceName = [](uint32_t id) {
        return QString::fromStdString(Name(id));
    };
    for (auto _ : state) {
        auto entries = book.List();
        auto climbs = book.ClimbFactsFor(recipe);
        view.Show(*entries, QStringLiteral("m"), 1.0, deviceName);
        view.SetClimbs(*climbs, LengthUnit{});
        benchmark::DoNotOptimize(view.Season()->Tree()->topLevelItemCount());
    }
}
BENCHMARK(BM_SeasonInThePane)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
