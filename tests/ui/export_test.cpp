// Export from the window: the tree's and the chart's "Export...", the save dialog and the files.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <functional>

#include "app/log_file.h"
#include "app/settings_store.h"
#include "chart/chart_widget.h"
#include "config/configuration.h"
#include "export/csv_export.h"
#include "test_support.h"
#include "ui/log_tree.h"
#include "ui/main_window.h"
#include "ui/window_fixture.h"

namespace {

class Export : public WindowTest {
protected:
    // What the save dialog last offered, and how the user answers it.
    QStringList offeredFilters;
    QString title, offeredName;
    int dialogs = 0;
    QString answerName;    // empty: cancel
    int answerFilter = 0;  // position in the filter list

    void SetUp() override
    {
        WindowTest::SetUp();
        AnswerDialogs();
    }

    void AnswerDialogs()
    {
        frame->m_runFileDialog = [this](QFileDialog& dialog) {
            ++dialogs;
            offeredFilters = dialog.nameFilters();
            title = dialog.windowTitle();
            offeredName = QFileInfo(dialog.selectedFiles().value(0)).fileName();
            if (answerName.isEmpty())
                return int(QDialog::Rejected);
            // As the dialog does when the user picks a filter.
            dialog.selectNameFilter(offeredFilters.value(answerFilter));
            emit dialog.filterSelected(offeredFilters.value(answerFilter));
            dialog.selectFile(answerName);
            return int(QDialog::Accepted);
        };
    }

    // Chooses "Export..." in the tree's context menu of the given top-level item.
    void ExportFromTree(int item)
    {
        frame->m_runMenu = [](QMenu& menu, const QPoint&) -> QAction* {
            for (QAction* a : menu.actions())
                if (a->text() == "Export...")
                    return a;
            return nullptr;
        };
        LogTree* tree = frame->Tree();
        emit tree->customContextMenuRequested(tree->visualItemRect(tree->topLevelItem(item)).center());
    }

    // Right-clicks the middle of the plot and chooses the entry of this text ("-" is the
    // separator), running whileOpen before the menu closes; gives the menu's entries.
    QStringList ChooseInChart(const QString& entry, const std::function<void()>& whileOpen = {})
    {
        ChartWidget* chart = frame->Chart();
        QStringList texts;
        chart->m_runMenu = [&](QMenu& menu, const QPoint&) {
            QAction* chosen = nullptr;
            for (QAction* a : menu.actions()) {
                texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
                chosen = texts.back() == entry ? a : chosen;
            }
            if (whileOpen)
                whileOpen();
            if (chosen)
                chosen->trigger();  // as QMenu::exec does
            return chosen;
        };
        const ChartRect& plot = chart->PlotRect();
        QTest::mousePress(chart, Qt::RightButton, {}, {(plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2});
        return texts;
    }
};

}  // namespace

TEST_F(Export, TheTreeOffersThreeTypesByTheFiltersPosition)
{
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    const BrixoLog& log = *frame->Tree()->SelectedLog();
    const struct {
        int filter;
        QString typed, written;
    } cases[] = {
        {0, "whole", "whole.alt"},
        {1, "table", "table.csv"},
        {2, "chart.jpg", "chart.jpg"},
        {1, "named.txt", "named.txt"},  // a name with an extension is taken as typed, in the chosen type
    };
    for (const auto& c : cases) {
        answerName = Path(c.typed);
        answerFilter = c.filter;
        ExportFromTree(0);
        EXPECT_TRUE(QFile::exists(Path(c.written))) << c.written.toStdString();
    }
    EXPECT_EQ(title, "Export");
    EXPECT_EQ(offeredFilters, (QStringList{"Alt Files (*.alt)", "CSV Files (*.csv)", "JPEG Files (*.jpg)"}));
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(FileBytes(Path("whole.alt")) == AltFileText(log, 0, kAllRecords));
    const std::string csv = FileBytes(Path("table.csv"));
    EXPECT_TRUE(csv.starts_with("\"Time (sec)\",\"Alt\",\"Vario\"\r\n0.000000,0.000000,")) << csv.substr(0, 80);
    // The heading and a row for each sample of the shortest shown series: the filtered vario
    // has 3597 of the altitude's 3599.
    EXPECT_EQ(std::ranges::count(csv, '\n'), 1 + 3597);
    EXPECT_TRUE(FileBytes(Path("named.txt")) == csv);
    QImageReader jpeg(Path("chart.jpg"));
    EXPECT_EQ(std::pair(jpeg.format(), jpeg.size()), std::pair(QByteArray("jpeg"), QSize(800, 600)));
}

TEST_F(Export, TheChartExportsTheSelectedStretchWithoutJpeg)
{
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    ChartWidget* chart = frame->Chart();
    answerName = Path("stretch");
    answerFilter = 0;
    // Without a selection the chart's menu has no Export. With one, its other entries export
    // nothing, nor does Export when the selection has gone while the menu was open (the file
    // opened anew).
    const QStringList fit{"-", "&Fit heights to view"}, marks{"-", "Takeoff here", "Landing here", "Reset to found"};
    EXPECT_EQ(ChooseInChart("Export..."), QStringList({"Alt", "Vario"}) + fit + marks);
    chart->SetSelection(600.3, 900.0);
    EXPECT_EQ(ChooseInChart("-"), QStringList({"Alt", "Vario"}) + fit + QStringList({"-", "Export..."}) + marks);
    ChooseInChart("Export...", [this] { ASSERT_TRUE(frame->OpenFile(kSoaring)); });
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(SeriesAt(0)->m_visible && SeriesAt(1)->m_visible);

    chart->SetSelection(600.3, 900.0);
    ChooseInChart("Export...");
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(offeredFilters, (QStringList{"Alt Files (*.alt)", "CSV Files (*.csv)"}));
    // One sample a second: from floor(600.3) = 600 to below ceil(900 + 1) = 901.
    const BrixoLog& log = *frame->Tree()->SelectedLog();
    EXPECT_TRUE(FileBytes(Path("stretch.alt")) == AltFileText(log, 600, 901));

    answerName = Path("stretch.csv");
    answerFilter = 1;
    ChooseInChart("Export...");
    EXPECT_EQ(std::ranges::count(FileBytes(Path("stretch.csv")), '\n'), 1 + 301);  // the heading and the same samples
    EXPECT_TRUE(warnings.empty());
}

TEST_F(Export, ALogNotOnDisplayIsExportedWithItsOwnSeries)
{
    Settings settings;
    settings.imageCx = 420;
    settings.imageCy = 5;  // raised to the smallest side the chart is drawn at
    OpenWindow(&settings);
    AnswerDialogs();
    ASSERT_TRUE(frame->OpenFile(kHops));
    const std::shared_ptr<ChartSeries> vario = frame->Chart()->SeriesAt(1);
    ASSERT_TRUE(vario);
    vario->m_visible = false;  // hidden in the chart, so also in the table

    // The second log (2103 records) while the first is shown.
    answerName = Path("second.csv");
    answerFilter = 1;
    ExportFromTree(1);
    const std::string csv = FileBytes(Path("second.csv"));
    EXPECT_TRUE(csv.starts_with("\"Time (sec)\",\"Alt\"\r\n0.000000,0.000000\r\n")) << csv.substr(0, 60);
    EXPECT_EQ(std::ranges::count(csv, '\n'), 1 + 2103 - 1);

    answerName = Path("second.jpg");
    answerFilter = 2;
    ExportFromTree(1);
    EXPECT_EQ(QImageReader(Path("second.jpg")).size(), QSize(420, kImageSideMin));
    // The chart still shows the first log as it was.
    EXPECT_EQ(frame->Tree()->SelectedLog(), frame->Tree()->LogOf(frame->Tree()->topLevelItem(0)));
    EXPECT_FALSE(vario->m_visible);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(Export, ASeriesThatCannotBeMadeIsLeftOutOfTheTableAndSaid)
{
    ASSERT_TRUE(
        config.LoadFromText("<C><Devices><Device id='59' data-chunk='2'><Alt formula='y'/>"
                            "<Chan name='Temp' offs='0'/></Device></Devices></C>"));
    OpenWindow();
    const BrixoLog log = LogOf(config, 59, 10, Words({1, 2, 3, 4, 5, 6, 7}));
    WriteText(Path("seven.alt"), AltFileText({&log}));
    ASSERT_TRUE(frame->OpenFile(Path("seven.alt")));
    warnings.clear();
    ASSERT_TRUE(frame->ExportLogTo(*frame->Tree()->SelectedLog(), 0, kEndOfLog, ExportType::Csv, Path("t.csv")));
    const std::string csv = FileBytes(Path("t.csv"));
    EXPECT_TRUE(csv.starts_with("\"Time (sec)\",\"Alt\",\"Vario\"\r\n0.000000,0.000000,")) << csv;
    EXPECT_EQ(std::ranges::count(csv, '\n'), 1 + 6);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "The table in " + Path("t.csv") +
                               " was written without some of the shown series:\nthe series \"Temp\" was left out of "
                               "the table: channel \"Temp\" of device 59 has no formula");
}

TEST_F(Export, TheDialogAddsTheChosenTypesExtension)
{
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    // The real dialog, as a user answers it: the CSV filter chosen, a name typed, Return.
    QStringList suggested;
    frame->m_runFileDialog = [this, &suggested](QFileDialog& dialog) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setDirectory(dir.path());
        dialog.show();
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        if (!types || !name)
            return int(QDialog::Rejected);
        suggested << name->text();
        QTest::keyClick(types, Qt::Key_Down);  // from "Alt Files" to "CSV Files"
        suggested << name->text();
        name->setText("typed");
        QTest::keyClick(name, Qt::Key_Return);
        return dialog.result();
    };
    ExportFromTree(0);
    EXPECT_EQ(suggested, (QStringList{"Log 1.alt", "Log 1.csv"}));  // the log's name, in the type chosen
    EXPECT_TRUE(FileBytes(Path("typed.csv")).starts_with("\"Time (sec)\""));
    EXPECT_FALSE(QFile::exists(Path("typed")));
    EXPECT_FALSE(QFile::exists(Path("typed.alt")));
}

TEST_F(Export, TheNameOfferedIsTheLogsAndCancelWritesNothing)
{
    ASSERT_TRUE(frame->OpenFile(kHops));
    // The second log is the file's third: "Log  3 (00:03:30)"; a name the pilot gave wins,
    // without what a file name cannot hold.
    const struct {
        int item;
        const char* shown;  // nullptr: as numbered
        const char* offered;
    } cases[] = {{0, nullptr, "Log 1.alt"}, {1, nullptr, "Log 3.alt"}, {1, " Ridge/run 2 ", "Ridge-run 2.alt"}};
    for (const auto& c : cases) {
        if (c.shown)
            frame->Tree()->topLevelItem(c.item)->setText(0, c.shown);
        ExportFromTree(c.item);
        EXPECT_EQ(offeredName, c.offered) << c.item;
    }
    EXPECT_EQ(dialogs, 3);
    EXPECT_EQ(QDir(dir.path()).entryList({"*.alt", "*.csv", "*.jpg"}, QDir::Files), QStringList{});
    EXPECT_TRUE(warnings.empty());
}
