#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "app/log_file.h"
#include "app/settings_store.h"
#include "chart/chart_widget.h"
#include "config/configuration.h"
#include "export/csv_export.h"
#include "test_support.h"
#include "ui/climbs_view.h"
#include "ui/column_widths.h"
#include "ui/compare_dialog.h"
#include "ui/help_dialogs.h"
#include "ui/log_dialogs.h"
#include "ui/log_tree.h"
#include "ui/logbook_view.h"
#include "ui/main_window.h"
#include "ui/property_list.h"
#include "ui/statistics_view.h"
#include "ui/window_fixture.h"

namespace {

// The window with helpers for what it shows.
class Window : public WindowTest {
protected:
    QString Stat(const char* category, const char* item) const
    {
        return frame->Statistics()->List()->Value(category, item);
    }

    std::vector<QString> Names() const
    {
        std::vector<QString> names;
        for (int i = 0; i < frame->Tree()->topLevelItemCount(); ++i)
            names.push_back(frame->Tree()->topLevelItem(i)->text(0));
        return names;
    }
};

}  // namespace

TEST_F(Window, StartsEmpty)
{
    EXPECT_EQ(frame->windowTitle(), "Nivra");
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ready");
    EXPECT_EQ(frame->Chart()->SeriesCount(), 0);
    const MainWindow::Commands& commands = frame->Actions();
    for (QAction* a : {commands.print, commands.printPreview, commands.exportPdf, commands.previousView,
                       commands.nextView, commands.saveAs})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(commands.printSetup->isEnabled());  // the paper is chosen before there is a log
    for (QAction* a : {commands.toolbar, commands.statusBar, commands.logs})
        EXPECT_TRUE(a->isChecked()) << a->text().toStdString();
    // The Logs pane hides and comes back by its command, and hides by its own close button.
    frame->Actions().logs->trigger();
    EXPECT_FALSE(frame->LogsPane()->isVisible());
    frame->Actions().logs->trigger();
    EXPECT_TRUE(frame->LogsPane()->isVisible());
    QTest::mouseClick(frame->LogsPane()->findChild<QWidget*>("closeLogsPane"), Qt::LeftButton);
    EXPECT_FALSE(frame->LogsPane()->isVisible());
    EXPECT_FALSE(frame->Actions().logs->isChecked());
    EXPECT_FALSE(frame->windowIcon().isNull());  // the installed icon or the one drawn
    EXPECT_EQ(Stat("Log", "Temperature"), "n/a");
    EXPECT_EQ(Stat("Selection", "min Vario"), "-5 m/sec");
    // F5 with nothing selected does nothing, and so does Ctrl+P.
    QTest::keyClick(frame.get(), Qt::Key_F5);
    QTest::keyClick(frame.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(frame->Chart()->SeriesCount(), 0);
    // Over the empty chart, what to do first, with a button for each way.
    QWidget* hint = frame->ChartHint();
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->geometry(), frame->Chart()->geometry());  // the empty axes covered
    EXPECT_EQ(hint->findChild<QLabel*>()->text(), "Download flights from your Brixo, or open an .alt file");
    int fileDialogs = 0;
    frame->m_runFileDialog = [&fileDialogs](QFileDialog&) {
        ++fileDialogs;
        return int(QDialog::Rejected);
    };
    QStringList buttons;
    for (QPushButton* b : hint->findChildren<QPushButton*>())
        buttons << b->text();
    EXPECT_EQ(buttons, (QStringList{"Download", "Open..."}));
    QTest::mouseClick(hint->findChildren<QPushButton*>()[1], Qt::LeftButton);
    EXPECT_EQ(fileDialogs, 1);
    // Save As only while there are logs to save; the hint only while there are none.
    ASSERT_TRUE(frame->OpenFile(kHops));
    EXPECT_TRUE(frame->Actions().saveAs->isEnabled());
    EXPECT_FALSE(hint->isVisible());
    delete frame->Tree()->topLevelItem(0);
    EXPECT_TRUE(frame->Actions().saveAs->isEnabled());
    delete frame->Tree()->topLevelItem(0);
    EXPECT_FALSE(frame->Actions().saveAs->isEnabled());
    EXPECT_TRUE(hint->isVisible());
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    frame->Tree()->ClearLogs();
    EXPECT_FALSE(frame->Actions().saveAs->isEnabled());
    EXPECT_TRUE(hint->isVisible());
}

TEST_F(Window, EveryCommandSaysWhatItDoes)
{
    // The tooltips of the commands on the toolbar are checked there; the others show none.
    const struct {
        QAction* MainWindow::Commands::*command;
        const char* text;
        const char* statusTip;
        const char* shortcut;
    } cases[] = {
        {&MainWindow::Commands::download, "&Download\tCtrl+N", "Download flights from the logger", "Ctrl+N"},
        {&MainWindow::Commands::open, "&Open...\tCtrl+O", "Open a log file (.alt)", "Ctrl+O"},
        {&MainWindow::Commands::saveAs, "Save &As...", "Save all logs of the list to a log file (.alt)", "Ctrl+S"},
        {&MainWindow::Commands::importImage, "&Import Memory Image...",
         "Show the flights of a memory image saved by an earlier download", ""},
        {&MainWindow::Commands::print, "&Print...\tCtrl+P", "Print the active document", "Ctrl+P"},
        {&MainWindow::Commands::printPreview, "Print Pre&view", "Display full pages", ""},
        {&MainWindow::Commands::printSetup, "P&rint Setup...", "Change the printer and printing options", ""},
        {&MainWindow::Commands::exportPdf, "Export as P&DF...", "Write the report of the log shown as a PDF file", ""},
        {&MainWindow::Commands::exit, "E&xit", "Quit Nivra; asks first when downloaded logs are not saved", "Ctrl+Q"},
        {&MainWindow::Commands::toolbar, "&Toolbar", "Show or hide the toolbar", ""},
        {&MainWindow::Commands::statusBar, "&Status Bar", "Show or hide the status bar", ""},
        {&MainWindow::Commands::logs, "&Logs", "Show or hide the Logs pane", ""},
        {&MainWindow::Commands::preferences, "&Preferences...",
         "Change the port, the units, the filters and the colours", ""},
        {&MainWindow::Commands::previousView, "Pre&vious view", "Return to last view", "Alt+Left"},
        {&MainWindow::Commands::nextView, "&Next view", "Go further on view stack", "Alt+Right"},
        {&MainWindow::Commands::wholeFlight, "&Whole flight", "Show the whole log in the chart", "Home"},
        {&MainWindow::Commands::clearLabels, "&Clear labels", "Remove every label from the chart", "Ctrl+L"},
        {&MainWindow::Commands::showClimbs, "Show cli&mbs", "Shade the climbs of the log in the chart", ""},
        {&MainWindow::Commands::refresh, "Refresh", "Rebuild the chart and the statistics of the log shown", "F5"},
        {&MainWindow::Commands::about, "&About Nivra...", "Display program information, version number and copyright",
         ""},
        {&MainWindow::Commands::quickGuide, "&Quick Guide",
         "First steps, reading the chart, climbs, the logbook and every key", "F1"},
        {&MainWindow::Commands::keyboardShortcuts, "&Keyboard Shortcuts", "Every key and mouse gesture of Nivra", ""},
        {&MainWindow::Commands::compare, "Co&mpare...",
         "Show the logs chosen in the Logs list, or the flights chosen in the Logbook, side by side", "Ctrl+K"},
    };
    for (const auto& c : cases) {
        const QAction* a = frame->Actions().*c.command;
        EXPECT_EQ(a->text(), c.text);
        EXPECT_EQ(a->statusTip(), c.statusTip) << c.text;
        EXPECT_EQ(a->shortcut().toString(), c.shortcut) << c.text;
    }
    // The toolbar's buttons, each with its command's tooltip and shortcut.
    auto* toolbar = frame->findChild<QToolBar*>();
    ASSERT_TRUE(toolbar);
    QStringList buttons;
    for (QAction* a : toolbar->actions())
        buttons << (a->isSeparator() ? QStringLiteral("|") : toolbar->widgetForAction(a)->toolTip());
    EXPECT_EQ(buttons, (QStringList{"Download (Ctrl+N)", "Open (Ctrl+O)", "Save As (Ctrl+S)", "|",
                                    "Whole flight (Home)", "Compare (Ctrl+K)", "|", "About"}));

    // A tip stands while the mouse is on its item; then the bar says "Ready" again.
    QStatusTipEvent tip(frame->Actions().download->statusTip());
    QApplication::sendEvent(frame.get(), &tip);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Download flights from the logger");
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(frame.get(), &none);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ready");
}

TEST_F(Window, ARefilledTreeShowsItsFirstLogNeverAStaleOne)
{
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    const std::shared_ptr<ChartSeries> shown = SeriesAt(0);
    // Each log is chosen as soon as the tree takes it, as a click during the refill would:
    // the chart and the statistics stay as they were until the tree is whole.
    int chosen = 0;
    QObject::connect(frame->Tree()->model(), &QAbstractItemModel::rowsInserted, frame.get(), [&](auto&, int row) {
        frame->Tree()->setCurrentItem(frame->Tree()->topLevelItem(row));
        ++chosen;
        EXPECT_EQ(SeriesAt(0), shown);
        EXPECT_EQ(Stat("Log", "Duration"), "1:00:00");
    });
    // Several logs: the first is shown, not the soaring flight that was there before.
    ASSERT_TRUE(frame->OpenFile(kHops));
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(Names(), (std::vector<QString>{"Log  1 (00:04:10)", "Log  3 (00:03:30)"}));  // the short one leaves a gap
    EXPECT_EQ(frame->Tree()->currentItem(), frame->Tree()->topLevelItem(0));
    EXPECT_NE(SeriesAt(0), shown);
    EXPECT_EQ(Stat("Log", "Duration"), "04:10");
    EXPECT_EQ(frame->windowTitle(), "Nivra - " + QFileInfo(kHops).absoluteFilePath());
    // A series hidden stays hidden for the next log chosen.
    SeriesAt(1)->m_visible = false;
    frame->Tree()->setCurrentItem(frame->Tree()->topLevelItem(1));
    EXPECT_EQ(SeriesAt(1)->m_name, "Vario");
    EXPECT_FALSE(SeriesAt(1)->m_visible);
    // A file whose logs are all too short: nothing in the tree, nothing in the chart.
    BrixoLog tiny = LogOf(config, 59, 10, Words({50000, 50001, 50002}));
    WriteText(Path("tiny.alt"), AltFileText({&tiny}));
    ASSERT_TRUE(frame->OpenFile(Path("tiny.alt")));
    EXPECT_EQ(std::pair(frame->Tree()->topLevelItemCount(), frame->Chart()->SeriesCount()), std::pair(0, 0));
    EXPECT_EQ(Stat("Log", "Duration"), "00:00");
    EXPECT_EQ(frame->windowTitle(), "Nivra - " + QFileInfo(Path("tiny.alt")).absoluteFilePath());
}

TEST_F(Window, SaveAsWritesEveryLogSafely)
{
    ASSERT_TRUE(frame->OpenFile(kHops));
    const QString target = Path("kept.alt");
    WriteText(target, "precious");
    // The folder the temporary file would go to is a file here, so the save cannot start.
    EXPECT_FALSE(frame->SaveAs(target + "/inside.alt"));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].contains("inside.alt"));
    EXPECT_EQ(FileBytes(target), "precious");
    // A successful save replaces it whole. The short log was never in the tree, so the copy
    // holds the two others.
    ASSERT_TRUE(frame->SaveAs(target));
    const AltReadResult read = ReadAltFile(target.toStdString(), config, 0);
    ASSERT_EQ(read.logs.size(), 2u);
    EXPECT_EQ(read.logs[0].log.SampleCount(), 2504u);
    EXPECT_EQ(frame->windowTitle(), "Nivra - " + target);  // the logs shown are now that file's
}

TEST_F(Window, TheKeyboardReachesTheViewsAndTheirMenus)
{
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    ChartWidget* chart = frame->Chart();
    chart->setFocus();
    chart->SetRange(600, 1200);
    SeriesAt(0)->AddLabel(700, 100);
    QTest::keyClick(chart, Qt::Key_Home);  // the whole flight
    EXPECT_EQ(std::pair(chart->Shown().first, chart->Shown().last), std::pair(0.0, 3599.0));
    EXPECT_TRUE(frame->Actions().previousView->isEnabled());
    EXPECT_FALSE(frame->Actions().nextView->isEnabled());
    QTest::keyClick(chart, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(chart->Shown().first, 600.0);
    EXPECT_TRUE(frame->Actions().nextView->isEnabled());
    QTest::keyClick(chart, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(chart->Shown().last, 3599.0);
    QTest::keyClick(chart, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(SeriesAt(0)->m_labels.empty());
    // F5, wherever the focus is, rebuilds over the time the series cover (here the whole
    // log) and forgets the views.
    QTest::keyClick(chart, Qt::Key_Left, Qt::AltModifier);
    frame->InnerSplitter()->setFocus();
    QTest::keyClick(frame.get(), Qt::Key_F5);
    EXPECT_DOUBLE_EQ(chart->Shown().first, 0.0);
    EXPECT_DOUBLE_EQ(chart->Shown().last, 3599.0);
    EXPECT_FALSE(frame->Actions().previousView->isEnabled());
    EXPECT_FALSE(frame->Actions().nextView->isEnabled());
    // In the list of logs Home goes to the first log, as in any list.
    ASSERT_TRUE(frame->OpenFile(kHops));
    LogTree* tree = frame->Tree();
    tree->setCurrentItem(tree->topLevelItem(1));
    chart->SetRange(10, 20);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Home);
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));

    // The Menu key (which the window system turns into a keyboard context menu event) and
    // Shift+F10 open the menu of the focused log, or the chart's; a right-click in the empty
    // space of the list none.
    std::vector<QStringList> menus;
    QString pick;
    const auto record = [&](QMenu& menu, const QPoint&) -> QAction* {
        QStringList texts;
        QAction* chosen = nullptr;
        for (QAction* a : menu.actions()) {
            texts << a->text();
            chosen = a->text() == pick ? a : chosen;
        }
        menus.push_back(texts);
        return chosen;
    };
    frame->m_runMenu = record;
    chart->m_runMenu = record;
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, QPoint(5, tree->viewport()->height() - 5));
    emit tree->customContextMenuRequested(QPoint(5, tree->viewport()->height() - 5));
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1), tree->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(tree, &menuKey);
    QTest::keyClick(tree, Qt::Key_F10, Qt::ShiftModifier);
    chart->setFocus();
    QTest::keyClick(chart, Qt::Key_F10, Qt::ShiftModifier);
    const QStringList logMenu{"Delete", "Export...", "Properties..."};
    const QStringList chartMenu{"Alt",          "Vario",         "", "&Fit heights to view", "", "Takeoff here",
                                "Landing here", "Reset to found"};
    EXPECT_EQ(menus, (std::vector<QStringList>{logMenu, logMenu, chartMenu}));
    // Delete on the first log removes it, and nothing else; the logs are in their file, so
    // nothing is asked.
    QStringList asked;
    bool answer = false;
    frame->m_confirm = [&](const QString& question) {
        asked << question;
        return answer;
    };
    pick = "Delete";
    emit tree->customContextMenuRequested(tree->visualItemRect(tree->topLevelItem(0)).center());
    EXPECT_EQ(menus.size(), 4u);
    EXPECT_EQ(Names(), std::vector<QString>{"Log  3 (00:03:30)"});
    EXPECT_TRUE(asked.isEmpty());
    // The title says the logs shown are no longer the file's.
    EXPECT_TRUE(frame->windowTitle().endsWith(".alt (logs deleted, not saved)")) << frame->windowTitle().toStdString();
    // Downloaded and kept nowhere: asked first, and kept unless the answer is yes.
    frame->MarkLogsUnsaved(true);
    for (const bool yes : {false, true}) {
        answer = yes;
        emit tree->customContextMenuRequested(tree->visualItemRect(tree->topLevelItem(0)).center());
        EXPECT_EQ(Names().size(), yes ? 0u : 1u);
    }
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0],
              "Delete Log  3 (00:03:30)?\nIt is not saved in a file or kept in the logbook, and would be lost.");
    // None left: nothing to lose, and the title names nothing.
    EXPECT_EQ(frame->windowTitle(), "Nivra");
    EXPECT_FALSE(frame->LogsUnsaved());
}

TEST_F(Window, TheLogOnPaper)
{
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    for (QAction* a : {frame->Actions().print, frame->Actions().printPreview, frame->Actions().exportPdf})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    // Zoomed in: asked which part; Cancel writes nothing.
    frame->Chart()->SetRange(600, 1200);
    int asked = 0, dialogs = 0;
    std::optional<bool> answer;
    frame->m_askViewShown = [&] {
        ++asked;
        return answer;
    };
    QString path;
    frame->m_runFileDialog = [&](QFileDialog& dialog) {
        ++dialogs;
        EXPECT_EQ(dialog.nameFilters(), QStringList{"PDF Files (*.pdf)"});
        dialog.selectFile(path);
        return int(QDialog::Accepted);
    };
    frame->Actions().exportPdf->trigger();
    EXPECT_EQ(std::pair(asked, dialogs), std::pair(1, 0));
    // The view shown, then the whole flight: both a report; the whole one's chart reaches the end.
    QTemporaryDir out;
    for (const bool viewShown : {true, false}) {
        answer = viewShown;
        path = out.filePath(viewShown ? "view.pdf" : "whole.pdf");
        frame->Actions().exportPdf->trigger();
        QFile pdf(path);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_TRUE(pdf.read(5) == "%PDF-");
    }
    EXPECT_EQ(std::pair(asked, dialogs), std::pair(3, 2));
    if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        const auto text = [](const QString& file) {
            QProcess p;
            p.start("pdftotext", {file, "-"});
            p.waitForFinished();
            return QString::fromUtf8(p.readAllStandardOutput());
        };
        const QString view = text(out.filePath("view.pdf")), whole = text(out.filePath("whole.pdf"));
        EXPECT_TRUE(whole.contains("50:00") && !view.contains("50:00"));  // a time label of the last part
        EXPECT_TRUE(view.contains("2.32 m/s (climb 3)"));                 // the statistics are the log's
    }
    // The preview shows the same pages.
    int pages = 0;
    answer = false;
    frame->m_runDialog = [&](QDialog& d) {
        auto* preview = d.findChild<QPrintPreviewWidget*>();
        EXPECT_TRUE(preview);
        if (preview) {
            preview->updatePreview();
            pages = preview->pageCount();
        }
        return int(QDialog::Rejected);
    };
    frame->Actions().printPreview->trigger();
    EXPECT_EQ(pages, 1);
}

TEST_F(Window, TheLogsChosenInTheListCompared)
{
    // Both hops of the file chosen in the list (the first one shown), then Ctrl+K: each flight's
    // value at the mouse's time in the read-out.
    ASSERT_TRUE(frame->OpenFile(kHops));
    ASSERT_EQ(frame->Tree()->topLevelItemCount(), 2);
    int shown = 0;
    frame->m_runDialog = [&](QDialog& d) {
        auto& dialog = static_cast<CompareDialog&>(d);
        ++shown;
        EXPECT_EQ(dialog.Flights().size(), 2u);
        dialog.resize(900, 700);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ChartWidget* chart = dialog.Chart();
        const ChartRect plot = chart->PlotRect();
        const QPointF at(chart->XOf(30), (plot.top + plot.bottom) / 2);
        QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(chart, &move);
        // Two heights, two varios and the time.
        EXPECT_EQ(chart->ReadOut().size(), 5u);
        if (chart->ReadOut().size() == 5u) {
            EXPECT_TRUE(chart->ReadOut()[0].second.endsWith(" m")) << chart->ReadOut()[0].second.toStdString();
            EXPECT_TRUE(chart->ReadOut()[3].second.endsWith(" m/s")) << chart->ReadOut()[3].second.toStdString();
        }
        return int(QDialog::Accepted);
    };
    frame->Actions().compare->trigger();  // one log chosen: nothing to compare
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(frame->statusBar()->currentMessage().startsWith("Choose 2 to 20 logs"))
        << frame->statusBar()->currentMessage().toStdString();
    frame->Tree()->topLevelItem(1)->setSelected(true);
    frame->Actions().compare->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(frame->Tree()->currentItem(), frame->Tree()->topLevelItem(0));  // the log shown stays
}

TEST_F(Window, OpeningAFileWithOneLogShowsItAndTheChartSelectsAndLabels)
{
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    EXPECT_EQ(frame->windowTitle(), "Nivra - " + QFileInfo(kSoaring).absoluteFilePath());
    EXPECT_EQ(Names(), std::vector<QString>{"Log  1 (01:00:00)"});
    EXPECT_EQ(frame->Tree()->currentItem(), frame->Tree()->topLevelItem(0));
    EXPECT_EQ(frame->Chart()->SeriesCount(), 2);  // named as UnitsOnTheChart checks
    EXPECT_EQ((QStringList{Stat("Log", "Duration"), Stat("Log", "Rate"), Stat("Log", "max Altitude")}),
              (QStringList{"1:00:00", "1 s", "1440.7 m"}));
    EXPECT_TRUE(frame->Statistics()->List()->Category("Log")->isExpanded());
    EXPECT_FALSE(frame->Statistics()->List()->Category("Selection")->isExpanded());

    // A drag in the chart selects, and opens the statistics of the selection.
    ChartWidget* chart = frame->Chart();
    const ChartRect plot = chart->PlotRect();
    const int y = (plot.top + plot.bottom) / 2;
    const int x0 = chart->XOf(600), x1 = chart->XOf(900);
    QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(x1, y));
    QTest::mouseMove(chart, QPoint(x0, y));
    QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(x0, y));
    const std::optional<TimeRange> selection = chart->Selection();
    ASSERT_TRUE(selection);
    EXPECT_NEAR(selection->first, 600, 10);
    EXPECT_NEAR(selection->last, 900, 10);
    EXPECT_TRUE(frame->Statistics()->List()->Category("Selection")->isExpanded());

    // The read-out: the altitude to the metre, the vario to the tenth.
    QTest::mouseMove(chart, QPoint(x1, y));
    ASSERT_GE(chart->ReadOut().size(), 2u);
    EXPECT_TRUE(QRegularExpression("^-?[0-9]+ m$").match(chart->ReadOut()[0].second).hasMatch())
        << chart->ReadOut()[0].second.toStdString();
    EXPECT_TRUE(QRegularExpression("^-?[0-9]+\\.[0-9] m/s$").match(chart->ReadOut()[1].second).hasMatch())
        << chart->ReadOut()[1].second.toStdString();

    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(x0, y));
    const std::shared_ptr<ChartSeries> alt = SeriesAt(0);
    ASSERT_EQ(alt->m_labels.size(), 1u);
    EXPECT_NEAR(alt->m_labels[0].first, 600, 10);
    // On the curve, with the value the read-out shows there, not at the mouse's height.
    EXPECT_EQ(alt->m_labels[0].second, alt->ValueAt(alt->m_labels[0].first));
    EXPECT_GT(std::abs(alt->m_labels[0].second - alt->PixelToValue(y)), 50);
}

TEST_F(Window, ClimbsInThePaneTheStatisticsAndTheChart)
{
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    ClimbsView* view = frame->Climbs();
    ASSERT_EQ(view->topLevelItemCount(), 4);
    EXPECT_EQ(view->headerItem()->text(4), "Gain [m]");
    EXPECT_EQ(view->headerItem()->text(6), "Max [m/s]");
    const QTreeWidgetItem* third = view->topLevelItem(2);
    EXPECT_EQ((QStringList{third->text(0), third->text(1), third->text(2), third->text(3), third->text(4),
                           third->text(5), third->text(6)}),
              (QStringList{"3", "23:29", "29:29", "06:00", "836.7", "2.32", "2.61"}));
    EXPECT_EQ((QStringList{Stat("Climbs", "Count"), Stat("Climbs", "Time climbing"), Stat("Climbs", "Height gained"),
                           Stat("Climbs", "Best climb")}),
              (QStringList{"4", "22:35 (37.7 %)", "2319.8 m", "2.32 m/s (climb 3)"}));

    // Shaded behind the curves, where no curve runs.
    ChartWidget* chart = frame->Chart();
    ASSERT_EQ(chart->Bands().size(), 4u);
    EXPECT_EQ(std::pair(chart->Bands()[0].first, chart->Bands()[0].last), std::pair(146.0, 449.0));
    const ChartRect plot = chart->PlotRect();
    const std::optional<QImage> copy = chart->CopyBitmap();
    ASSERT_TRUE(copy);
    const QImage& picture = *copy;
    const double scale = picture.devicePixelRatio();
    EXPECT_EQ(picture.pixelColor((QPointF(chart->XOf(300) + 1, plot.top + 3) * scale).toPoint()),
              QColor(218, 238, 218));
    EXPECT_EQ(picture.pixelColor((QPointF(chart->XOf(600) + 1, plot.top + 3) * scale).toPoint()), QColor(Qt::white));

    // Sorted by gain, the largest first; a row selects its climb as a drag would, brought into view.
    chart->SetRange(0, 300);
    view->sortByColumn(4, Qt::DescendingOrder);
    QTreeWidgetItem* largest = view->topLevelItem(0);
    EXPECT_EQ(largest->text(0), "3");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(largest).center());
    const std::optional<TimeRange> selected = chart->Selection();
    ASSERT_TRUE(selected);
    EXPECT_EQ(std::pair(selected->first, selected->last), std::pair(1409.0, 1769.0));
    EXPECT_LE(chart->Shown().first, 1409.0);
    EXPECT_GE(chart->Shown().last, 1769.0);
    // Its statistics, as nivra-tool stats --from 1409 --to 1769 gives them.
    QStringList selection;
    for (const char* item :
         {"Duration", "start Altitude", "end Altitude", "max Altitude", "min Vario", "max Vario", "avr Vario"})
        selection << Stat("Selection", item);
    EXPECT_EQ(selection,
              (QStringList{"06:00", "603.5 m", "1440.2 m", "1440.7 m", "  0.4 m/s", "  2.6 m/s", "  2.3 m/s"}));
    EXPECT_TRUE(frame->Actions().previousView->isEnabled());

    // View > Show climbs: off, and remembered.
    frame->Actions().showClimbs->trigger();
    EXPECT_TRUE(chart->Bands().empty());
    EXPECT_FALSE(frame->CurrentSettings().climbsShown);
    OpenWindow();
    EXPECT_FALSE(frame->Actions().showClimbs->isChecked());
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    EXPECT_TRUE(frame->Chart()->Bands().empty());
    EXPECT_EQ(frame->Climbs()->topLevelItemCount(), 4);
}

TEST_F(Window, UnitsOnTheChart)
{
    // The length unit and the vario unit chosen: titles, read-out, the climbs' columns and the
    // vario's custom axis say them; the vario's stored bounds (-5..5 in the units' length a
    // second) are shown converted and kept as stored when left alone; a CSV keeps the units'
    // length a second.
    const struct {
        UnitSystem units;
        VarioUnit vario;
        const char* length;
        const char* speed;
        const char* readOut;  // of the vario
        double bound;         // the custom max shown
        const char* csvSpeed;
    } cases[] = {
        {UnitSystem::Metric, VarioUnit::FollowUnits, "m", "m/s", "^-?[0-9]+\\.[0-9] m/s$", 5, "m/s"},
        {UnitSystem::Imperial, VarioUnit::FollowUnits, "ft", "ft/min", "^-?[0-9]*[1-9]0 ft/min$|^0 ft/min$", 300,
         "ft/s"},
        {UnitSystem::Metric, VarioUnit::Knots, "m", "kt", "^-?[0-9]+\\.[0-9] kt$", 9.71922246220, "m/s"},
        {UnitSystem::Imperial, VarioUnit::MetresPerSecond, "ft", "m/s", "^-?[0-9]+\\.[0-9] m/s$", 1.524, "ft/s"},
    };
    double metricLargest = 0;
    for (const auto& c : cases) {
        const std::string what = std::string(c.length) + " " + c.speed;
        Settings stored;
        stored.units = c.units;
        stored.varioUnit = c.vario;
        OpenWindow(&stored);
        ASSERT_TRUE(frame->OpenFile(kSoaring));
        const QString length = c.length, speed = c.speed;
        // The names stay what CSV headers and settings use; titles, legend and read-out say the unit.
        EXPECT_EQ((QStringList{SeriesAt(0)->m_name, SeriesAt(1)->m_name, SeriesAt(0)->Title(), SeriesAt(1)->Title()}),
                  (QStringList{"Alt", "Vario", "Alt [" + length + "]", "Vario [" + speed + "]"}))
            << what;
        EXPECT_EQ(SeriesAt(1)->m_scalingMode, ScalingMode::Custom);
        EXPECT_EQ(std::pair(SeriesAt(1)->m_min, SeriesAt(1)->m_max), std::pair(-c.bound, c.bound)) << what;
        ChartWidget* chart = frame->Chart();
        const ChartRect plot = chart->PlotRect();
        QTest::mouseMove(chart, QPoint((plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2));
        ASSERT_EQ(chart->ReadOut().size(), 3u);
        EXPECT_TRUE(chart->ReadOut()[0].second.endsWith(" " + length)) << chart->ReadOut()[0].second.toStdString();
        EXPECT_TRUE(QRegularExpression(c.readOut).match(chart->ReadOut()[1].second).hasMatch())
            << chart->ReadOut()[1].second.toStdString();
        EXPECT_EQ(frame->Climbs()->headerItem()->text(5), "Average [" + speed + "]") << what;
        EXPECT_TRUE(Stat("Climbs", "Best climb").contains(" " + speed + " (climb ")) << what;
        // The chart's style taken back stores the bounds as they were.
        frame->EditChartStyle(1, true);
        EXPECT_EQ(std::pair(frame->CurrentSettings().varioMin, frame->CurrentSettings().varioMax), std::pair(-5.0, 5.0))
            << what;
        const QString csv = Path("units.csv");
        ASSERT_TRUE(frame->ExportLogTo(*frame->Tree()->SelectedLog(), 0, kEndOfLog, ExportType::Csv, csv));
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        double largest = 0;  // of the vario column
        for (const QByteArray& row : file.readAll().split('\n').mid(1))
            if (const QList<QByteArray> cells = row.trimmed().split(','); cells.size() >= 3)
                largest = std::max(largest, std::abs(cells[2].toDouble()));
        if (metricLargest == 0)
            metricLargest = largest;
        EXPECT_NEAR(largest / metricLargest, std::string(c.csvSpeed) == "ft/s" ? 3.280839895 : 1.0, 1e-6) << what;
    }
}

TEST_F(Window, SettingsAreWrittenAtCloseAndThePaneProportionSurvivesEveryRun)
{
    const auto closeAndRead = [this] {
        EXPECT_TRUE(frame->close());
        frame.reset();
        QSettings stored(StorePath(), QSettings::IniFormat);
        const QByteArray bytes = stored.value("PaneProportion").toByteArray();
        int proportion = -1;
        if (bytes.size() == 4)
            std::memcpy(&proportion, bytes.constData(), 4);
        return proportion;
    };
    // The split dragged to 30 % of the usable height (rounded up to whole pixels).
    const QList<int> sizes = frame->InnerSplitter()->sizes();
    const int usable = sizes[0] + sizes[1];
    const int top = (usable * 30 + 99) / 100;
    frame->InnerSplitter()->setSizes({top, usable - top});
    ASSERT_EQ(frame->InnerSplitter()->sizes()[0], top);
    EXPECT_EQ(closeAndRead(), 30);
    // A stored share is shown and kept as it is, run after run, not one less each time. At
    // 0 and 100 neither the tree nor the statistics is collapsed to nothing, and the share
    // shown then is the one kept from then on.
    for (const int share : {30, 60, 0, 100}) {
        Settings stored;
        stored.paneProportion = share;
        OpenWindow(&stored);
        const QList<int> shown = frame->InnerSplitter()->sizes();
        EXPECT_GE(shown[0], frame->Tree()->minimumSizeHint().height()) << share;
        EXPECT_GE(shown[1], frame->InnerSplitter()->widget(1)->minimumSizeHint().height()) << share;
        const int kept = closeAndRead();
        EXPECT_TRUE(share % 100 == 0 ? kept > 0 && kept < 100 : kept == share) << share << " kept as " << kept;
        OpenWindow();
        EXPECT_EQ(frame->CurrentSettings().paneProportion, kept);
        EXPECT_EQ(closeAndRead(), kept) << share;
    }
}

TEST_F(Window, TheQuickGuideTellsTheKeysThatWork)
{
    std::vector<QString> titles;
    QStringList page;
    int scrolled = -1;
    frame->m_runDialog = [&](QDialog& d) {
        auto& guide = static_cast<QuickGuideDialog&>(d);
        titles.push_back(guide.windowTitle());
        page << guide.Page()->toPlainText();
        guide.show();
        scrolled = guide.Page()->verticalScrollBar()->value();
        return int(QDialog::Rejected);
    };
    QTest::keyClick(frame.get(), Qt::Key_F1);
    frame->Actions().keyboardShortcuts->trigger();
    ASSERT_EQ(titles, (std::vector<QString>{"Quick Guide", "Quick Guide"}));
    for (const char* heading : {"Your first download", "Reading the chart", "Climbs", "The logbook", "Keyboard"})
        EXPECT_TRUE(page[0].contains(heading)) << heading;
    // The menus' keys as the commands have them, without their accelerator marks.
    // (The page's plain text puts each cell of its table on a line of its own.)
    for (const char* row :
         {"Ctrl+N\nDownload", "Ctrl+O\nOpen...", "Ctrl+Q\nExit", "F1\nQuick Guide", "Home\nWhole flight",
          "Alt+Left\nPrevious view", "Ctrl+L\nClear labels", "Left, Right\nMove along the flight"})
        EXPECT_TRUE(page[0].contains(row)) << row;
    const auto keys = QuickGuideDialog::Keys({frame->Actions().exit, frame->Actions().about});
    EXPECT_EQ(keys.front(), std::pair(QStringLiteral("Ctrl+Q"), QStringLiteral("Exit")));  // About has no key
    EXPECT_EQ(keys[1].first, "Left, Right");
    // "Keyboard Shortcuts" opens the page at its keys.
    EXPECT_GT(scrolled, 0);
}

TEST(ColumnWidths, FitTheTextsUntilDraggedThenKept)
{
    QTreeWidget list;
    list.setHeaderLabels({"A", "B"});
    ColumnWidths widths(&list);
    auto* row = new QTreeWidgetItem(&list, {"short", "a much longer text than the other column's"});
    widths.Fit();
    const int narrow = list.header()->sectionSize(0), wide = list.header()->sectionSize(1);
    EXPECT_GT(wide, narrow);
    EXPECT_EQ(widths.Stored(), "");  // fitted: nothing to keep
    list.resize(900, 300);           // the last column stretches with the list: no width given for that
    list.show();
    EXPECT_EQ(widths.Stored(), "");
    row->setText(0, "a text in the first column that is longer than before");
    widths.Fit();
    EXPECT_GT(list.header()->sectionSize(0), narrow);  // refitted to the new text
    // Dragged: kept, and no longer refitted.
    list.header()->resizeSection(0, 70);
    widths.Fit();
    EXPECT_EQ(list.header()->sectionSize(0), 70);
    EXPECT_EQ(widths.Stored(), "70," + std::to_string(list.header()->sectionSize(1)));
    // Widths from an earlier run: taken when sound, passed over otherwise.
    for (const auto& [stored, taken] :
         {std::pair("120,90", true), std::pair("120", false), std::pair("120,x", false), std::pair("120,5", false),
          std::pair("120,99999", false), std::pair("", false)}) {
        QTreeWidget other;
        other.setHeaderLabels({"A", "B"});
        ColumnWidths restored(&other);
        restored.Restore(stored);
        EXPECT_EQ(restored.Stored(), taken ? stored : "") << stored;
    }
}

TEST_F(Window, TheListsKeepTheirColumnWidths)
{
    frame->LogbookPane()->Table()->header()->resizeSection(1, 150);
    frame->Climbs()->header()->resizeSection(0, 40);
    ASSERT_TRUE(frame->close());
    Settings stored = frame->CurrentSettings();
    OpenWindow(&stored);
    EXPECT_EQ(frame->LogbookPane()->Table()->header()->sectionSize(1), 150);
    EXPECT_EQ(frame->Climbs()->header()->sectionSize(0), 40);
}

TEST_F(Window, FitHeightsToViewIsOnByDefaultAndRemembered)
{
    QAction* fit = frame->Actions().fitHeights;
    EXPECT_TRUE(fit->isCheckable() && fit->isChecked());
    EXPECT_TRUE(frame->Chart()->Look().fitHeightsToView);
    fit->trigger();
    EXPECT_FALSE(frame->Chart()->Look().fitHeightsToView);
    EXPECT_FALSE(frame->CurrentSettings().fitHeightsToView);
    EXPECT_EQ(QSettings(StorePath(), QSettings::IniFormat).value("FitHeightsToView").toByteArray(),
              QByteArray(1, '\0'));
    Settings stored = frame->CurrentSettings();
    OpenWindow(&stored);
    EXPECT_FALSE(frame->Actions().fitHeights->isChecked());
    EXPECT_FALSE(frame->Chart()->Look().fitHeightsToView);
}

TEST_F(Window, TheLogsPaneKeepsItsWidth)
{
    // As the pilot left it.
    QList<int> sizes = frame->OuterSplitter()->sizes();
    const int usable = sizes[0] + sizes[1];
    frame->OuterSplitter()->setSizes({usable / 2, usable - usable / 2});
    ASSERT_TRUE(frame->close());
    EXPECT_EQ(frame->CurrentSettings().paneWidth, usable / 2);
    Settings stored = frame->CurrentSettings();
    OpenWindow(&stored);
    EXPECT_EQ(frame->OuterSplitter()->sizes()[0], usable / 2);
    // Never the whole window, whatever was stored.
    stored.paneWidth = 100000;
    OpenWindow(&stored);
    sizes = frame->OuterSplitter()->sizes();
    EXPECT_EQ(sizes[0], usable * 3 / 4);
}

TEST_F(Window, FormulaErrorsAreToldOnceAndClearTheView)
{
    ASSERT_TRUE(config.LoadFromText(
        "<C><Devices><Device id='59' name='Odd' data-chunk='2'><Alt formula='y*('/></Device></Devices></C>"));
    OpenWindow();
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    frame->RefreshSelected();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].contains("\"y*(\"")) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].contains("device 59 (Odd)"));
    EXPECT_EQ(std::pair(frame->Chart()->SeriesCount(), Stat("Log", "Duration")), std::pair(0, QString("00:00")));
}

TEST(LogDialogs, TheStartElevationIsInTheUnitsShown)
{
    const Configuration config = BuiltInConfig();
    const BrixoLog log = LogOf(config, 59, 1, std::vector<uint8_t>(200, 9));
    const LengthUnit metres, feet{3.280839895013123, "ft"};
    PilotFields given;
    given.startElevation = 612.0;
    const struct {
        const LengthUnit& unit;
        std::optional<double> stored;
        const char* shown;
        const char* typed;           // nullptr: left as shown
        std::optional<double> kept;  // metres; none: refused
        const char* problem;
    } cases[] = {
        {metres, 612.0, "612", nullptr, 612.0, ""},
        {feet, 612.0, "2007.9", nullptr, 612.0, ""},  // left as shown: the metres given, not 2007.9 ft
        {feet, 612.0, "2007.9", "1000", 304.8, ""},
        {feet, std::nullopt, "", "-1640", -499.872, ""},
        {metres, std::nullopt, "", "9000x", std::nullopt,
         "The start elevation is metres above sea level from -500 to 9000, not \"9000x\"."},
        {feet, 612.0, "2007.9", "30000", std::nullopt,  // 9144 m
         "The start elevation is feet above sea level from -1640.4 to 29527.6, not \"30000\"."},
        {metres, 612.0, "612", "", std::nullopt, ""},  // emptied: no start elevation
    };
    for (const auto& c : cases) {
        PilotFields fields;
        fields.startElevation = c.stored;
        LogPropertiesDialog dialog(log, fields, {}, c.unit);
        EXPECT_EQ(dialog.m_elevation->text(), c.shown) << c.unit.name << " " << c.shown;
        EXPECT_EQ(dialog.m_elevation->placeholderText(),
                  c.unit.name == "ft" ? "feet above sea level" : "metres above sea level");
        if (c.typed)
            dialog.m_elevation->setText(c.typed);
        dialog.accept();
        const bool refused = std::string(c.problem) != "";
        EXPECT_EQ(dialog.result(), refused ? QDialog::Rejected : QDialog::Accepted) << c.typed;
        EXPECT_EQ(dialog.m_problem->text(), c.problem);
        if (refused)
            continue;
        ASSERT_EQ(dialog.Edited().startElevation.has_value(), c.kept.has_value()) << c.typed;
        if (c.kept) {
            EXPECT_NEAR(*dialog.Edited().startElevation, *c.kept, 1e-9) << (c.typed ? c.typed : "as shown");
        }
    }
}

TEST(LogDialogs, PropertiesAndAbout)
{
    const Configuration config = BuiltInConfig();
    // 3601 samples at ten a second, the last part-second dropped.
    BrixoLog log = LogOf(config, 59, 1, std::vector<uint8_t>(3601 * 2, 9));
    log.m_date = FileTimeFromUnixMs(1780000000000);  // 2026-05-28 20:26:40 UTC
    LogPropertiesDialog dialog(log);
    EXPECT_EQ(dialog.m_date->dateTime().toMSecsSinceEpoch(), 1780000000000);
    EXPECT_EQ((QStringList{dialog.windowTitle(), dialog.m_duration->text(), dialog.m_date->text(),
                           dialog.m_comment->toPlainText()}),
              (QStringList{"Log Properties", "00:06:00", "2026-05-28 20:26:40", ""}));
    AboutDialog about(config);
    EXPECT_EQ(about.m_devices->text(), "Brixo");
    EXPECT_EQ(about.m_configuration->text(), "Configuration: the built-in document.");
    EXPECT_TRUE(about.m_title->text().startsWith("<b>Nivra " NIVRA_VERSION "</b>"));
    EXPECT_EQ(about.m_icon->pixmap().size(), QSize(64, 64));
    const QImage icon = about.m_icon->pixmap().toImage();
    EXPECT_EQ(icon.pixelColor(45, 38), QColor(Qt::white));  // the chart's paper
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);            // a rounded corner
    EXPECT_TRUE(about.m_licence->toPlainText().startsWith(
        "Nivra is free software: you can redistribute it and/or modify it under the terms of the GNU General Public "
        "License as published by the Free Software Foundation, either version 3 of the License, or (at your option) "
        "any later version."));
    const QString credits = about.m_credits->toPlainText();
    for (const QString& line :
         {QStringLiteral("muparser 2.3.3, the formula parser: Copyright (C) 2004-2022 Ingo Berg. MIT licence."),
          QStringLiteral("pugixml 1.13, the XML reader: Copyright (C) 2006-2022 Arseny Kapoulkine. MIT licence."),
          QStringLiteral("Qt %1, the window toolkit: Copyright (C) 2016-2022 The Qt Company Ltd. "
                         "Used under the GNU Lesser General Public License version 3.")
              .arg(qVersion()),
          QStringLiteral("Permission is hereby granted, free of charge,")})
        EXPECT_TRUE(credits.contains(line)) << line.toStdString();
    // A configuration file that could not be used is named with the reason.
    QTemporaryDir folder;
    WriteText(folder.filePath("Nivra.cfg"), "<?xml version='1.0' encoding='x-nivra-42'?><Config/>");
    Configuration fallen;
    fallen.Load(folder.path().toStdString(), "");
    EXPECT_EQ(AboutDialog(fallen).m_configuration->text(),
              "Configuration: the built-in document.\n" + folder.filePath("Nivra.cfg") +
                  " was not used: its encoding \"x-nivra-42\" is not one Nivra can read");
    Configuration none;
    ASSERT_TRUE(none.LoadFromText("<Config><Devices/></Config>"));
    EXPECT_EQ(AboutDialog(none).m_devices->text(), "");
}
