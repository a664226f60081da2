#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimeZone>
#include <QTreeWidget>

#include <functional>

#include "base/time_text.h"
#include "chart/chart_picture.h"
#include "chart/chart_widget.h"
#include "device/memory_image.h"
#include "dsp/airtime.h"
#include "logbook/season.h"
#include "pseudo_terminal.h"
#include "test_support.h"
#include "ui/compare_dialog.h"
#include "ui/download_dialog.h"
#include "ui/log_dialogs.h"
#include "ui/log_tree.h"
#include "ui/logbook_view.h"
#include "ui/property_list.h"
#include "ui/season_view.h"
#include "ui/statistics_view.h"
#include "ui/window_fixture.h"

namespace {

class LogbookWindow : public WindowTest {
protected:
    QString ImagesFolder() const { return Path("data/Nivra/images"); }

    // The download dialog, once feed has given it its bytes, closed with OK when the transfer is
    // complete and the logbook's line says what was kept (after fill, when given, filled in the
    // pilot's notes).
    void AnswerDownloads(QString& kept, const std::function<void()>& feed = {},
                         const std::function<void(DownloadDialog&)>& fill = {})
    {
        frame->m_runDialog = [&kept, feed, fill](QDialog& d) {
            auto& dialog = static_cast<DownloadDialog&>(d);
            dialog.show();
            if (feed)
                feed();
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Completed() && !dialog.KeptLine()->text().isEmpty(); }));
            if (fill)
                fill(dialog);
            kept = dialog.KeptLine()->text();
            dialog.done(QDialog::Accepted);
            return dialog.result();
        };
    }

    // A download through the dialog from a pseudo-terminal.
    void DownloadThrough(const std::vector<uint8_t>& image, QString& kept)
    {
        PseudoTerminal pty;
        AnswerDownloads(kept, [&] { pty.Write(image); });
        DownloadDialog dialog(config, 3, frame.get());
        const Status opened = dialog.OpenLink(pty.path, 921600);
        ASSERT_TRUE(opened.Ok()) << opened.Error();
        frame->RunDownloadDialog(dialog);
    }

    QStringList Column(int column) const
    {
        QStringList texts;
        QTreeWidget* table = frame->LogbookPane()->Table();
        for (int i = 0; i < table->topLevelItemCount(); ++i)
            if (!table->topLevelItem(i)->isHidden())
                texts << table->topLevelItem(i)->text(column);
        return texts;
    }
};

}  // namespace

TEST_F(LogbookWindow, ADownloadIsKeptAndItsNotesLastTillTheNextDay)
{
    const BrixoLog a = Flight(config, 10, 400, 50000), b = Flight(config, 5, 900, 49000);
    const std::vector<uint8_t> image = MemoryImageOf({&a, &b});
    QString kept;
    DownloadThrough(image, kept);
    EXPECT_EQ(kept, "Kept in the logbook: 2 new flights.");
    ASSERT_EQ(frame->Tree()->topLevelItemCount(), 2);
    EXPECT_EQ(frame->windowTitle(), "Nivra - downloaded logs, kept in the logbook");
    // The memory image on disk, byte for byte, and the flights in the pane.
    const QStringList images = QDir(ImagesFolder()).entryList(QDir::Files);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(FileBytes(ImagesFolder() + "/" + images[0]), std::string(image.begin(), image.end()));
    EXPECT_EQ(Column(3), (QStringList{"00:07:30", "00:06:40"}));
    EXPECT_EQ(Column(4), (QStringList{"0.5 s", "1 s"}));
    EXPECT_EQ(Column(8), (QStringList{"Brixo", "Brixo"}));
    // Flown today unless the pilot says otherwise; downloaded now.
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(Column(0), (QStringList{today, today}));
    EXPECT_TRUE(Column(9)[0].startsWith(QDateTime::currentDateTimeUtc().toString("yyyy-MM-dd")))
        << Column(9)[0].toStdString();
    // The airtime as the logbook found it, and its sum in the totals.
    auto entries = frame->LogbookOpen()->List();
    ASSERT_TRUE(entries.Ok() && entries->size() == 2);
    QStringList airtimes;
    int flights = 0;
    double total = 0;
    for (const LogbookEntry& e : *entries) {
        airtimes << QString::fromStdString(DurationText(e.airtime));
        flights += e.flightCount.value_or(1);
        total += e.airtime;
    }
    EXPECT_EQ(Column(5), airtimes);
    EXPECT_EQ(frame->LogbookPane()->Totals()->text(),
              QStringLiteral("2 logs, %1 flight%2, airtime %3")
                  .arg(flights)
                  .arg(flights == 1 ? "" : "s")
                  .arg(QString::fromStdString(TimeLabel(total, TimeLabelStyle::HoursMinutesSeconds))));

    // Log Properties: a name, a site, a comment; the tree shows the name at once.
    QTreeWidgetItem* first = frame->Tree()->topLevelItem(0);
    frame->m_runDialog = [](QDialog& d) {
        auto& dialog = static_cast<LogPropertiesDialog&>(d);
        EXPECT_EQ(dialog.m_name->text(), "Log  1 (00:06:40)");
        dialog.m_name->setText("Morning thermals");
        dialog.m_site->setText("Ridge West");
        dialog.m_comment->setPlainText("Strong lift by the quarry.");
        // An elevation beyond any launch is refused with the reason; the dialog stays open.
        dialog.m_elevation->setText("1e308");
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.m_problem->isHidden());
        EXPECT_TRUE(dialog.m_problem->text().contains("from -500 to 9000")) << dialog.m_problem->text().toStdString();
        dialog.m_elevation->setText("612");
        dialog.accept();
        return dialog.result();
    };
    frame->EditLogProperties(first);
    EXPECT_EQ(first->text(0), "Morning thermals");
    frame->Tree()->ClearLogs();

    // The next day: a new window over the same logbook has it all.
    OpenWindow();
    EXPECT_EQ(Column(1), (QStringList{"", "Morning thermals"}));
    EXPECT_EQ(Column(2), (QStringList{"", "Ridge West"}));
    auto entry = frame->LogbookOpen()->FindByHash(FlightHash(a));
    ASSERT_TRUE(entry.Ok() && *entry);
    EXPECT_EQ((*entry)->fields.comment, "Strong lift by the quarry.");  // the elevation is used below

    // Filtered and opened from the pane, named as the logbook names it.
    frame->LogbookPane()->Filter()->setText("ridge");
    EXPECT_EQ(Column(1), (QStringList{"Morning thermals"}));
    EXPECT_TRUE(frame->LogbookPane()->Totals()->text().startsWith("1 log, "))
        << frame->LogbookPane()->Totals()->text().toStdString();
    frame->LogbookPane()->Table()->selectAll();
    QTest::mouseClick(frame->LogbookPane()->OpenButton(), Qt::LeftButton);
    ASSERT_EQ(frame->Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(frame->Tree()->topLevelItem(0)->text(0), "Morning thermals");
    EXPECT_EQ(frame->Tree()->topLevelItem(0)->toolTip(0), "Duration 00:06:40, a sample every 1 s");
    EXPECT_EQ(frame->Chart()->SeriesCount(), 2);

    // Above sea level: the start elevation is added to the whole flight.
    const double aboveStart = SeriesAt(0)->m_dataMin;
    Settings seaLevel = frame->CurrentSettings();
    seaLevel.altAboveSeaLevel = true;
    OpenWindow(&seaLevel);
    frame->LogbookPane()->Table()->selectAll();
    QTest::mouseClick(frame->LogbookPane()->OpenButton(), Qt::LeftButton);
    ASSERT_EQ(frame->Tree()->topLevelItemCount(), 2);
    frame->Tree()->setCurrentItem(frame->Tree()->topLevelItem(1));  // the named flight
    EXPECT_DOUBLE_EQ(SeriesAt(0)->m_dataMin, aboveStart + 612.0);
    EXPECT_EQ(frame->Statistics()->List()->Value("Log", "Altitude"), "above sea level");
    frame->Tree()->setCurrentItem(frame->Tree()->topLevelItem(0));  // no elevation known
    EXPECT_EQ(frame->Statistics()->List()->Value("Log", "Altitude"), "above start (no start elevation)");

    // Deleted after the question; the image stays.
    frame->LogbookPane()->Filter()->clear();
    frame->LogbookPane()->Table()->selectAll();
    int asked = 0;
    frame->m_confirm = [&](const QString& question) {
        ++asked;
        EXPECT_TRUE(question.startsWith("Delete these 2 flights from the logbook?")) << question.toStdString();
        return true;
    };
    QTest::mouseClick(frame->LogbookPane()->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(std::pair(asked, frame->LogbookPane()->Table()->topLevelItemCount()), std::pair(1, 0));
    EXPECT_EQ(QDir(ImagesFolder()).entryList(QDir::Files).size(), 1);
}

TEST_F(LogbookWindow, TheDownloadNotesTheDayAndTheSiteOfItsNewFlights)
{
    // A first download flown on 28 November at a site typed in; a second holding that flight
    // and a new one, at a site chosen from those used before: the new one alone takes its notes.
    const BrixoLog a = Flight(config, 10, 400, 50000), b = Flight(config, 10, 300, 46000);
    const std::vector<uint8_t> first = MemoryImageOf({&a}), both = MemoryImageOf({&a, &b});
    WriteText(Path("first.mem"), std::string(first.begin(), first.end()));
    WriteText(Path("both.mem"), std::string(both.begin(), both.end()));
    QString kept;
    QStringList offered;
    const auto fill = [&offered](const QDate& day, const QString& site) {
        return [&offered, day, site](DownloadDialog& dialog) {
            offered.clear();
            for (int i = 0; i < dialog.SiteBox()->count(); ++i)
                offered << dialog.SiteBox()->itemText(i);
            EXPECT_EQ(dialog.FlownOnEdit()->date(), QDate::currentDate());
            dialog.FlownOnEdit()->setDate(day);
            dialog.SiteBox()->setEditText(site);
        };
    };
    AnswerDownloads(kept, {}, fill(QDate(2026, 11, 28), "  Ridge West "));
    ASSERT_TRUE(frame->ImportImage(Path("first.mem")));
    EXPECT_EQ(offered, QStringList());
    AnswerDownloads(kept, {}, fill(QDate(2026, 11, 30), "Ridge West"));
    ASSERT_TRUE(frame->ImportImage(Path("both.mem")));
    EXPECT_EQ(kept, "Kept in the logbook: 1 new flight, 1 there already.");
    EXPECT_EQ(offered, QStringList{"Ridge West"});
    // Newest flown first; the first flight keeps its day.
    EXPECT_EQ(Column(0), (QStringList{"2026-11-30", "2026-11-28"}));
    EXPECT_EQ(Column(2), (QStringList{"Ridge West", "Ridge West"}));
    const auto entryOf = [this](const BrixoLog& log) {
        auto entry = frame->LogbookOpen()->FindByHash(FlightHash(log));
        EXPECT_TRUE(entry.Ok() && *entry);
        return entry.Ok() && *entry ? **entry : LogbookEntry{};
    };
    EXPECT_EQ(entryOf(a).fields.flownOn, "2026-11-28");
    EXPECT_EQ(entryOf(b).fields.flownOn, "2026-11-30");
    EXPECT_FALSE(entryOf(b).fields.flownAt);  // the time of day stays unknown
    // A replay that adds nothing changes nothing; no site given writes none.
    AnswerDownloads(kept, {}, fill(QDate(2026, 12, 1), ""));
    ASSERT_TRUE(frame->ImportImage(Path("both.mem")));
    EXPECT_EQ(Column(0), (QStringList{"2026-11-30", "2026-11-28"}));
    EXPECT_EQ(entryOf(b).fields.site, "Ridge West");
}

TEST_F(LogbookWindow, AnImportedImageIsShownAsADownloadAndKeptOnce)
{
    const BrixoLog a = Flight(config, 10, 400, 50000);
    const std::vector<uint8_t> image = MemoryImageOf({&a});
    WriteText(Path("saved.mem"), std::string(image.begin(), image.end()));
    QString kept;
    AnswerDownloads(kept);
    ASSERT_TRUE(frame->ImportImage(Path("saved.mem")));
    EXPECT_EQ(kept, "Kept in the logbook: 1 new flight.");
    EXPECT_EQ(frame->Tree()->topLevelItemCount(), 1);
    // The same image again: shown, but not kept twice.
    ASSERT_TRUE(frame->ImportImage(Path("saved.mem")));
    EXPECT_EQ(kept, "This memory image is in the logbook already.");
    EXPECT_EQ(QDir(ImagesFolder()).entryList(QDir::Files).size(), 1);
    // A memory holding that flight and a new one: the dialog tells the new one from the other.
    const BrixoLog b = Flight(config, 10, 300, 46000);
    const std::vector<uint8_t> both = MemoryImageOf({&a, &b});
    WriteText(Path("both.mem"), std::string(both.begin(), both.end()));
    QStringList marks;
    frame->m_runDialog = [&marks](QDialog& d) {
        auto& dialog = static_cast<DownloadDialog&>(d);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Completed() && dialog.List()->topLevelItemCount() == 2; }));
        for (int i = 0; i < dialog.List()->topLevelItemCount(); ++i)
            marks << dialog.List()->topLevelItem(i)->toolTip(1);
        dialog.done(QDialog::Accepted);
        return dialog.result();
    };
    ASSERT_TRUE(frame->ImportImage(Path("both.mem")));
    EXPECT_EQ(marks, (QStringList{"In the logbook already: downloaded before", ""}));
    AnswerDownloads(kept);
    // An image cut short inside its last flight: the dialog says that flight is missing.
    const std::vector<uint8_t> two = MemoryImageOf({&a, &a});
    WriteText(Path("cut.mem"), std::string(two.begin(), two.begin() + static_cast<std::ptrdiff_t>(two.size() * 3 / 4)));
    QString missing;
    frame->m_runDialog = [&missing](QDialog& d) {
        auto& dialog = static_cast<DownloadDialog&>(d);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Completed() && !dialog.KeptLine()->text().isEmpty(); }));
        missing = dialog.Line2()->text();
        dialog.done(QDialog::Accepted);
        return dialog.result();
    };
    ASSERT_TRUE(frame->ImportImage(Path("cut.mem")));
    EXPECT_EQ(missing, "The memory ends inside a flight: that flight is missing from the list.");
    // An empty file is refused at once, with the reason, and no dialog waits for it.
    WriteText(Path("empty.mem"), "");
    int dialogs = 0;
    frame->m_runDialog = [&dialogs](QDialog&) {
        return ++dialogs, int(QDialog::Rejected);
    };
    warnings.clear();
    EXPECT_FALSE(frame->ImportImage(Path("empty.mem")));
    EXPECT_EQ(dialogs, 0);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].contains("is empty")) << warnings[0].toStdString();
}

TEST_F(LogbookWindow, ALogbookThatCannotBeUsedIsToldAndTheWindowWorksOn)
{
    frame.reset();
    QDir().mkpath(Path("data/Nivra"));
    WriteText(Path("data/Nivra/logbook.sqlite"), "not a database\n");
    OpenWindow();
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains("is not an SQLite database"))
        << frame->statusBar()->currentMessage().toStdString();
    EXPECT_FALSE(frame->LogbookPane()->Table()->isEnabled());
    EXPECT_TRUE(frame->LogbookPane()->Totals()->text().contains("is not an SQLite database"));
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    EXPECT_EQ(frame->Chart()->SeriesCount(), 2);
    // A download is still taken, with the reason it is not kept, and leaving asks first.
    const BrixoLog a = Flight(config, 10, 400, 50000);
    QString kept;
    DownloadThrough(MemoryImageOf({&a}), kept);
    EXPECT_TRUE(kept.contains("Save them with File > Save As") || kept.contains("save them with File > Save As"))
        << kept.toStdString();
    EXPECT_EQ(frame->Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(frame->windowTitle(), "Nivra - downloaded logs, not saved yet");
}

TEST_F(LogbookWindow, TakeoffAndLandingMarksAreDrawnCorrectedAndKept)
{
    // 100 s on the ground, 300 s sinking about 0.9 m/s, 100 s on the ground, a sample a second.
    std::vector<unsigned> words(501, 56000);
    for (unsigned i = 100; i < words.size(); ++i)
        words[i] = 56000 + 6 * (std::min(i, 400u) - 100);
    const BrixoLog log = LogOf(config, 59, 10, Words(words));
    auto id = frame->LogbookOpen()->Add(log, FileTimeFromUnixMs(1796000000000));
    ASSERT_TRUE(id.Ok());
    frame->OpenFromLogbook({*id});
    ChartWidget* chart = frame->Chart();
    ASSERT_EQ(frame->FlightsShown().size(), 1u);
    const FlightSpan found = frame->FlightsShown()[0];
    EXPECT_NEAR(found.takeoff, 100, 2);
    EXPECT_NEAR(found.landing, 400, 2);
    ASSERT_EQ(chart->Marks(), FlightMarks({found}));
    const auto stat = [&](const char* item) {
        return frame->Statistics()->List()->Value("Log", item).toStdString();
    };
    EXPECT_EQ(std::tuple(stat("Takeoff"), stat("Landing"), stat("Airtime")),
              std::tuple(TimeLabel(found.takeoff), TimeLabel(found.landing), TimeLabel(found.Airtime())));
    EXPECT_TRUE(frame->Statistics()->List()->Item("Log", "Flights")->isHidden());

    // Drawn: a line in the text colour down the plot at each mark, and its word by it.
    const ChartRect& plot = chart->PlotRect();
    const int x = chart->XOf(found.takeoff);
    const QImage& picture = chart->Picture();
    const double scale = picture.devicePixelRatio();
    const QColor text = chart->palette().color(QPalette::WindowText);
    int onLine = 0;
    for (int y = plot.top; y < plot.bottom; ++y)
        onLine += picture.pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale)) == text ? 1 : 0;
    EXPECT_GT(onLine, plot.Height() / 2);

    // Dragged 50 pixels to the right: the takeoff moves there, in the chart, the statistics
    // and the logbook.
    const int y = (plot.top + plot.bottom) / 2;
    QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(x, y));
    QTest::mouseMove(chart, QPoint(x + 25, y));
    QTest::mouseMove(chart, QPoint(x + 50, y));
    QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(x + 50, y));
    const double dragged = std::round(chart->TimeAt(x + 50));  // on a sample: one a second
    ASSERT_EQ(frame->FlightsShown().size(), 1u);
    EXPECT_EQ(frame->FlightsShown()[0], (FlightSpan{dragged, found.landing}));
    EXPECT_EQ(chart->Marks()[0].time, dragged);
    EXPECT_EQ(stat("Takeoff"), TimeLabel(dragged));
    EXPECT_FALSE(chart->Selection());  // the drag selected nothing

    // "Landing here" from the chart's menu at 300 s.
    const auto choose = [&](const QString& pick, double at) {
        chart->m_runMenu = [pick](QMenu& menu, const QPoint&) -> QAction* {
            for (QAction* a : menu.actions())
                if (a->text() == pick && a->isEnabled()) {
                    a->trigger();  // as QMenu::exec does
                    return a;
                }
            return nullptr;
        };
        const int menuX = chart->XOf(at);
        QTest::mouseClick(chart, Qt::RightButton, {}, QPoint(menuX, y));
        return std::round(chart->TimeAt(menuX));
    };
    const double landing = choose("Landing here", 300);
    const std::vector<FlightSpan> corrected = {{dragged, landing}};
    EXPECT_EQ(frame->FlightsShown(), corrected);
    auto entry = frame->LogbookOpen()->Find(*id);
    ASSERT_TRUE(entry.Ok() && entry->has_value());
    EXPECT_EQ(std::pair((*entry)->correctedFlights, (*entry)->airtime),
              std::pair(std::optional(corrected), corrected[0].Airtime()));

    // The next day the corrected marks are back; "Reset to found" finds them anew.
    OpenWindow();
    frame->OpenFromLogbook({*id});
    chart = frame->Chart();
    EXPECT_EQ(chart->Marks(), FlightMarks(corrected));
    EXPECT_TRUE(frame->FlightsCorrected());
    choose("Reset to found", 200);
    EXPECT_EQ(frame->FlightsShown(), std::vector<FlightSpan>{found});
    entry = frame->LogbookOpen()->Find(*id);
    EXPECT_EQ(std::pair((*entry)->correctedFlights, (*entry)->airtime),
              std::pair(std::optional<std::vector<FlightSpan>>(), found.Airtime()));
}

namespace {

// A flight of the built-in device: level, then a steady climb of n samples, then level.
BrixoLog Climbing(const Configuration& config, unsigned n)
{
    std::vector<unsigned> words(40, 50000);
    for (unsigned i = 0; i < n; ++i)
        words.push_back(50000 - 12 * i);
    words.insert(words.end(), 40, 50000 - 12 * n);
    BrixoLog log = LogOf(config, 59, 10, Words(words));
    log.m_date = FileTimeFromUnixMs(1796000000000);
    return log;
}

}  // namespace

TEST_F(LogbookWindow, TheSeasonAtAGlance)
{
    // Three flights, two this June and one last August, at two sites; their climbs found in the
    // background, then grouped, totalled, drawn as bars, narrowed by days and exported.
    const std::vector<BrixoLog> logs{Climbing(config, 60), Climbing(config, 150), Climbing(config, 90)};
    const struct {
        const char* day;
        const char* site;
    } notes[] = {{"2026-06-14", "Westkamm"}, {"2026-06-20", "Hill"}, {"2025-08-01", "Westkamm"}};
    std::vector<int64_t> ids;
    for (size_t i = 0; i < logs.size(); ++i) {
        auto id = frame->LogbookOpen()->Add(logs[i], logs[i].m_date);
        ASSERT_TRUE(id.Ok());
        ids.push_back(*id);
        ASSERT_TRUE(frame->LogbookOpen()
                        ->SetFields(*id, {{}, {}, notes[i].site, "", {}, notes[i].day}, kPilotSite | kPilotFlownOn)
                        .Ok());
    }
    frame->RefreshLogbook();
    SeasonView* season = frame->LogbookPane()->Season();
    ASSERT_TRUE(QTest::qWaitFor([&] { return season->Progress()->isHidden(); }, 20000));
    const Settings& settings = frame->CurrentSettings();
    double gained2026 = 0, airtime2026 = 0;
    for (size_t i : {0u, 1u}) {
        gained2026 += *ClimbFactsOf(logs[i], settings).heightGained;
        auto entry = frame->LogbookOpen()->Find(ids[i]);
        airtime2026 += (*entry)->airtime;
    }
    ASSERT_GT(gained2026, 100);
    QTreeWidget* tree = season->Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    const QTreeWidgetItem* year = tree->topLevelItem(0);
    EXPECT_EQ((QStringList{year->text(0), year->text(1), year->text(5), year->text(7)}),
              (QStringList{"2026", "2", QStringLiteral("%1 m").arg(std::lround(gained2026)), "2"}));
    ASSERT_EQ(year->childCount(), 1);
    EXPECT_EQ(year->child(0)->text(0), "June");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "2025");
    // A bar for every month from last August to this June, empty ones too.
    const auto& bars = season->Bars()->Bars();
    ASSERT_EQ(bars.size(), 11u);
    EXPECT_EQ(bars.front().first, "Aug 2025");
    EXPECT_EQ(bars.back().first, "Jun");
    EXPECT_DOUBLE_EQ(bars.back().second, airtime2026 / 3600.0);
    EXPECT_EQ(bars[1].second, 0.0);

    // By site; a group clicked chooses its flights in the list.
    season->Grouping()->setCurrentIndex(1);
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ((QStringList{tree->topLevelItem(0)->text(0), tree->topLevelItem(1)->text(0)}),
              (QStringList{"Hill", "Westkamm"}));
    emit tree->itemClicked(tree->topLevelItem(1), 0);
    std::vector<int64_t> chosen = frame->LogbookPane()->SelectedIds();
    std::sort(chosen.begin(), chosen.end());
    EXPECT_EQ(chosen, (std::vector<int64_t>{ids[0], ids[2]}));

    // From this year on: the list and the statistics follow.
    frame->LogbookPane()->From()->setDate(QDate(2026, 1, 1));
    EXPECT_EQ(frame->LogbookPane()->ShownIds(), (std::vector<int64_t>{ids[1], ids[0]}));
    EXPECT_EQ((QStringList{tree->topLevelItem(0)->text(1), tree->topLevelItem(1)->text(1)}), (QStringList{"1", "1"}));
    frame->m_runFileDialog = [this](QFileDialog& dialog) {
        dialog.selectFile(Path("season.csv"));
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(frame->LogbookPane()->ExportLogbookButton(), Qt::LeftButton);
    const std::string csv = FileBytes(Path("season.csv"));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3) << csv;
    EXPECT_NE(csv.find("\r\n2026-06-20,flown,Hill,"), std::string::npos) << csv;
    EXPECT_EQ(csv.find("2025-08-01"), std::string::npos) << csv;
}

TEST_F(LogbookWindow, FlightsSideBySide)
{
    // Two flights of the logbook compared: lined up by their takeoffs, each its colour and its
    // column; moved, selected, copied and exported; the alignment chosen is kept.
    const std::vector<BrixoLog> logs{Climbing(config, 60), Climbing(config, 150)};
    std::vector<int64_t> ids;
    for (BrixoLog log : logs) {
        log.m_date = FileTimeFromUnixMs(1796000000000);  // a copy is dated by whoever makes it
        auto id = frame->LogbookOpen()->Add(log, log.m_date);
        ASSERT_TRUE(id.Ok());
        ids.push_back(*id);
    }
    ASSERT_TRUE(frame->LogbookOpen()->SetFields(ids[1], {"Long climb", {}, "Hill", "", {}, {}}).Ok());
    frame->RefreshLogbook();
    QTreeWidget* table = frame->LogbookPane()->Table();
    EXPECT_FALSE(frame->LogbookPane()->CompareButton()->isEnabled());
    table->selectAll();
    ASSERT_TRUE(frame->LogbookPane()->CompareButton()->isEnabled());
    int shown = 0;
    frame->m_runDialog = [&](QDialog& d) {
        auto& dialog = static_cast<CompareDialog&>(d);
        ++shown;
        ChartWidget* chart = dialog.Chart();
        // Two heights on one axis and two varios on another, named by the flights.
        EXPECT_EQ(chart->SeriesCount(), 4);
        QStringList names;
        for (int i = 0; i < chart->SeriesCount(); ++i)
            names << chart->SeriesAt(i)->m_name;
        // Named by the day (here the download's) and the name given, or the site or the id.
        EXPECT_TRUE(names.contains("2026-11-30 Long climb")) << names.join(", ").toStdString();
        EXPECT_TRUE(names.contains("2026-11-30 Flight " + QString::number(ids[0]))) << names.join(", ").toStdString();
        EXPECT_EQ(chart->SeriesAt(1)->m_onAxisOf, 0);
        // Both take off at 0 on the common axis: 40 samples of a second before it.
        EXPECT_EQ(std::pair(chart->SeriesAt(0)->m_firstTime, chart->SeriesAt(1)->m_firstTime), std::pair(-40.0, -40.0));
        // No time flown given: no clock alignment.
        auto* model = qobject_cast<QStandardItemModel*>(dialog.AlignBox()->model());
        EXPECT_FALSE(model->item(3)->isEnabled());
        EXPECT_EQ(dialog.HeightBox()->count(), 1);  // no start elevations: above takeoff only
        EXPECT_EQ(dialog.Table()->columnCount(), 2);
        // The second flight chosen in the table: 10 s later by Ctrl+Right, 1 s earlier by
        // Ctrl+Shift+Left, then back where the alignment put it.
        dialog.Table()->setCurrentCell(0, 1);
        QTest::keyClick(chart, Qt::Key_Right, Qt::ControlModifier);
        EXPECT_EQ(chart->SeriesAt(1)->m_firstTime, -30.0);
        QTest::keyClick(dialog.Table(), Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(chart->SeriesAt(1)->m_firstTime, -31.0);
        EXPECT_EQ(chart->SeriesAt(0)->m_firstTime, -40.0);  // the other stays
        dialog.ResetOffsets();
        EXPECT_EQ(chart->SeriesAt(1)->m_firstTime, -40.0);
        // Its curve dragged 80 pixels later with Shift, where the two curves part (80 s after
        // takeoff it has topped out, the other still climbs).
        dialog.resize(900, 700);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const std::shared_ptr<ChartSeries> second = chart->SeriesAt(1);
        const QPoint from(chart->XOf(80), second->ValueToPixel(second->ValueAt(80)));
        const QPoint to = from + QPoint(80, 0);
        const double seconds = chart->TimeScale().PixelToValue(to.x()) - chart->TimeScale().PixelToValue(from.x());
        EXPECT_EQ(chart->CurveAt(from.x(), from.y()), std::optional<int>(1));
        QTest::mousePress(chart, Qt::LeftButton, Qt::ShiftModifier, from);
        QTest::mouseMove(chart, to);
        QTest::mouseRelease(chart, Qt::LeftButton, Qt::ShiftModifier, to);
        EXPECT_NEAR(dialog.Flights()[1].offset, seconds, 1e-9);
        EXPECT_EQ(dialog.Flights()[0].offset, 0.0);
        EXPECT_NEAR(chart->SeriesAt(1)->m_firstTime, -40.0 + seconds, 1e-9);
        EXPECT_FALSE(chart->Selection());  // a drag with Shift on a curve selects nothing
        dialog.ResetOffsets();
        // The chart as a picture, each flight in its colour.
        dialog.m_askPicturePath = [this] {
            return Path("compare.png");
        };
        QTest::mouseClick(dialog.PictureButton(), Qt::LeftButton);
        const QImage picture(Path("compare.png"));
        EXPECT_FALSE(picture.isNull());
        // A stretch selected: the table gives its numbers per flight.
        const int rows = dialog.Table()->rowCount();
        emit chart->selectionChanged(TimeRange{0, 50});
        EXPECT_EQ(dialog.Table()->rowCount(), rows + 2);
        const QStringList lines = dialog.TableText().split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), rows + 3);
        EXPECT_EQ(lines[0].count('\t'), 2);
        dialog.m_askCsvPath = [this] {
            return Path("compare.csv");
        };
        QTest::mouseClick(dialog.CsvButton(), Qt::LeftButton);
        dialog.AlignBox()->setCurrentIndex(2);  // highest point
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(frame->LogbookPane()->CompareButton(), Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    const std::string csv = FileBytes(Path("compare.csv"));
    EXPECT_TRUE(csv.find("Airtime,") != std::string::npos && csv.find("\r\n") != std::string::npos) << csv;
    EXPECT_EQ(frame->CurrentSettings().compareAlign, 2u);
    // Ctrl+K with nothing chosen and one log in the list: said, nothing opened.
    table->clearSelection();
    frame->Actions().compare->trigger();
    EXPECT_EQ(shown, 1);
}

TEST_F(LogbookWindow, LogPropertiesWriteWhatTheyChangedAlone)
{
    const BrixoLog log = Flight(config, 10, 400, 50000);
    auto id = frame->LogbookOpen()->Add(log, FileTimeFromUnixMs(1796000000000));
    ASSERT_TRUE(id.Ok());
    frame->OpenFromLogbook({*id});
    // While the dialog is open, nivra-tool (another writer) notes the site; the dialog changes
    // the name alone, and the site stays.
    frame->m_runDialog = [&](QDialog& d) {
        auto& dialog = static_cast<LogPropertiesDialog&>(d);
        auto other = Logbook::Open(frame->LogbookOpen()->Folder(), config);
        EXPECT_TRUE(other.Ok() && (*other)->SetFields(*id, {{}, {}, "Ridge West", "", {}, {}}, kPilotSite).Ok());
        dialog.m_name->setText("Evening glide");
        dialog.accept();
        return dialog.result();
    };
    frame->EditLogProperties(frame->Tree()->topLevelItem(0));
    auto entry = frame->LogbookOpen()->Find(*id);
    ASSERT_TRUE(entry.Ok() && entry->has_value());
    EXPECT_EQ(std::pair((*entry)->fields.name, (*entry)->fields.site),
              std::pair(std::optional<std::string>("Evening glide"), std::string("Ridge West")));
}

TEST_F(LogbookWindow, ADateFlownStaysThroughLaterEdits)
{
    BrixoLog log = Flight(config, 10, 400, 50000);
    log.m_date = FileTimeFromUnixMs(1796000000000);  // its download
    auto id = frame->LogbookOpen()->Add(log, log.m_date);
    ASSERT_TRUE(id.Ok());
    const QDateTime flown = QDateTime::fromMSecsSinceEpoch(1795900000000, QTimeZone::utc());
    // The date flown given, then, with the flight opened again from the logbook (it then
    // carries that date), the comment alone edited twice: the date shown and kept is the one
    // given, every time.
    std::vector<QDateTime> shown;
    frame->m_runDialog = [&](QDialog& d) {
        auto& dialog = static_cast<LogPropertiesDialog&>(d);
        shown.push_back(dialog.m_date->dateTime());
        if (shown.size() == 1)
            dialog.m_date->setDateTime(flown);
        else
            dialog.m_comment->setPlainText(QStringLiteral("edit %1").arg(shown.size()));
        dialog.accept();
        return dialog.result();
    };
    for (int edit = 0; edit < 3; ++edit) {
        frame->OpenFromLogbook({*id});
        frame->EditLogProperties(frame->Tree()->topLevelItem(0));
        auto entry = frame->LogbookOpen()->Find(*id);
        ASSERT_TRUE(entry.Ok() && entry->has_value());
        EXPECT_EQ((*entry)->fields.flownAt, std::optional<FileTime>(FileTimeFromUnixMs(flown.toMSecsSinceEpoch())))
            << "edit " << edit;
    }
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].toMSecsSinceEpoch(), 1796000000000);  // the download's, until one is given
    EXPECT_EQ(shown[1], flown);
    EXPECT_EQ(shown[2], flown);
    EXPECT_EQ((*frame->LogbookOpen()->Find(*id))->fields.comment, "edit 3");
}

TEST_F(LogbookWindow, ALogbookThatCannotBeReadIsNotTakenForOneWithoutTheFlight)
{
    Settings seaLevel = frame->CurrentSettings();
    seaLevel.altAboveSeaLevel = true;
    OpenWindow(&seaLevel);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "break");
        db.setDatabaseName(Path("data/Nivra/logbook.sqlite"));
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("ALTER TABLE flights RENAME TO gone"));
        db.close();
    }
    QSqlDatabase::removeDatabase("break");
    warnings.clear();
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    EXPECT_EQ(frame->Chart()->SeriesCount(), 2);  // shown all the same, above the start
    ASSERT_FALSE(warnings.empty());
    EXPECT_TRUE(warnings[0].startsWith("The logbook cannot be read: no such table: flights"))
        << warnings[0].toStdString();
    // Told once for the reason, not at every look-up.
    const size_t told = warnings.size();
    frame->RefreshSelected();
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    EXPECT_EQ(warnings.size(), told);
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), warnings[0]), 1);
}

TEST_F(LogbookWindow, ADaysCalendarOpensOnThisMonthWhileItSaysAny)
{
    QDateEdit* from = frame->LogbookPane()->From();
    QCalendarWidget* calendar = from->calendarWidget();
    const QDate today = QDate::currentDate();
    QWidget* popup = calendar->window();
    popup->show();  // as the edit's arrow shows it
    EXPECT_EQ(std::pair(calendar->yearShown(), calendar->monthShown()), std::pair(today.year(), today.month()));
    popup->hide();
    // A day chosen: its own month stays.
    from->setDate(QDate(2026, 6, 14));
    calendar->setCurrentPage(2026, 6);
    popup->show();
    EXPECT_EQ(std::pair(calendar->yearShown(), calendar->monthShown()), std::pair(2026, 6));
    popup->hide();
}
