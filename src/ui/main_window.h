#pragma once

#include <QMainWindow>
#include <QPrinter>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <thread>
#include <type_traits>

#include "app/settings.h"
#include "base/result.h"
#include "chart/chart_widget.h"
#include "chart/flight_report.h"
#include "device/serial_link.h"
#include "dsp/climbs.h"
#include "dsp/comparison.h"
#include "dsp/log_series.h"
#include "export/log_export.h"
#include "logbook/logbook.h"

class BrixoLog;
class DownloadDialog;
class StatisticsView;
class ClimbsView;
class DownloadSession;
class LogbookView;
class QTabWidget;
class Configuration;
class LogTree;
class QAction;
class QDialog;
class QFileDialog;
class QMenu;
class QSplitter;
class QTreeWidgetItem;
class SettingsStore;

// The program's window: the "Logs" pane (log tree over the statistics) beside the chart.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Reads the settings from the store before anything is laid out; writes them back when destroyed.
    MainWindow(const Configuration& config, std::unique_ptr<SettingsStore> store, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The commands, reachable without their dialogs. A file that cannot be opened is told with
    // the reason.
    bool OpenFile(const QString& path);
    // A file named from outside the program (its command line, a drop): opened like File > Open.
    bool OpenFileFromOutside(const QString& path);
    // The File menu's last opened or saved files, newest first.
    std::vector<std::string> RecentFilePaths() const;
    bool SaveAs(const QString& path);
    void RefreshSelected();
    void RefreshLog(const BrixoLog* log, std::optional<TimeRange> range = std::nullopt);
    // The Download command: the dialog, then the tree replaced by the checked flights.
    void Download();
    // Export: asks for a file and a type (the JPEG only when imageAllowed), then writes
    // records [first, end) of the log; false when cancelled or after telling what failed.
    bool ExportLog(const BrixoLog& log, size_t first, size_t end, bool imageAllowed);
    // The same without the dialog.
    bool ExportLogTo(const BrixoLog& log, size_t first, size_t end, ExportType type, const QString& path);
    // View > Preferences: the dialog, then its values taken, stored, and the chart rebuilt
    // when one of its settings changed.
    void EditPreferences();
    // A legend choice: the Chart Style dialog for that series (none when noDialog), then the
    // first two series' display settings kept as the Alt.* and Vario.* settings.
    void EditChartStyle(int item, bool noDialog);
    // Puts the logs of a finished download dialog into the tree (nothing without a complete transfer and a signature).
    bool TakeDownload(DownloadDialog& dialog);
    // Runs a download dialog (a download or an imported memory image): the download is kept
    // in the logbook when complete, then its flights go to the tree.
    void RunDownloadDialog(DownloadDialog& dialog);
    // File > Import Memory Image: a saved memory image shown and taken as a download.
    bool ImportImage(const QString& path);

    // The logbook in this folder (the user's by default); without one the window works on.
    void OpenLogbook(const std::string& folder);
    Logbook* LogbookOpen() const { return m_logbook.get(); }
    LogbookView* LogbookPane() const { return m_logbookView; }
    QTabWidget* LeftTabs() const { return m_leftTabs; }
    void RefreshLogbook();
    void OpenFromLogbook(const std::vector<int64_t>& ids);
    void ExportFromLogbook(const std::vector<int64_t>& ids);
    void DeleteFromLogbook(const std::vector<int64_t>& ids);
    // Log Properties of a tree item, stored in the logbook on OK.
    void EditLogProperties(QTreeWidgetItem* item);

    // The window's commands: its menus' entries, toolbar buttons and shortcuts.
    struct Commands {
        QAction *download = nullptr, *open = nullptr, *saveAs = nullptr, *importImage = nullptr;
        QAction *print = nullptr, *printPreview = nullptr, *printSetup = nullptr, *exit = nullptr;
        QAction *exportPdf = nullptr, *compare = nullptr;
        QAction *toolbar = nullptr, *statusBar = nullptr, *logs = nullptr, *preferences = nullptr;
        QAction *previousView = nullptr, *nextView = nullptr, *wholeFlight = nullptr, *clearLabels = nullptr;
        QAction *showClimbs = nullptr, *refresh = nullptr, *about = nullptr;
        QAction *quickGuide = nullptr, *keyboardShortcuts = nullptr, *fitHeights = nullptr;
    };
    const Commands& Actions() const { return m_actions; }
    ChartWidget* Chart() const { return m_chart; }
    QWidget* ChartHint() const { return m_chartHint; }
    LogTree* Tree() const { return m_tree; }
    StatisticsView* Statistics() const { return m_stats; }
    ClimbsView* Climbs() const { return m_climbsView; }
    const ClimbAnalysis& ClimbsShown() const { return m_climbs; }
    // A climb of the shown log selected in the chart as a drag would, and brought into view.
    void SelectClimb(int index);
    // The flights of the log on display as the chart marks them: corrected by the pilot, or found.
    const std::vector<FlightSpan>& FlightsShown() const { return m_flights; }
    bool FlightsCorrected() const { return m_flightsCorrected; }
    // The pilot's corrections of the log on display ("Takeoff here", "Landing here", a mark
    // dragged, "Reset to found"), kept in the logbook when the log is there.
    void CorrectFlights(std::vector<FlightSpan> flights);
    void ResetFlights();
    QSplitter* InnerSplitter() const { return m_inner; }
    QSplitter* OuterSplitter() const { return m_outer; }
    QWidget* LogsPane() const { return m_pane; }
    const Settings& CurrentSettings() const { return m_settings; }
    // The series of the log on display, as built from it with the settings.
    const LogSeries& Series() const { return m_series; }
    // Downloaded logs that were not saved yet: leaving them asks first.
    void MarkLogsUnsaved(bool unsaved) { m_unsaved = unsaved; }
    bool LogsUnsaved() const { return m_unsaved; }
    // The climbs of the logbook's flights are being found on their thread.
    bool FindingClimbs() const { return m_climbsWorker.joinable(); }
    // The proportion the inner split is stored with at close.
    int PaneProportion() const;

    // How the window runs a context menu and tells of a failure; tests replace them.
    std::function<QAction*(QMenu&, const QPoint& globalPos)> m_runMenu;
    std::function<void(const QString& text)> m_warn;
    // How the window runs a file dialog and its own dialogs (exec by default); returns the result.
    std::function<int(QFileDialog&)> m_runFileDialog;
    std::function<int(QDialog&)> m_runDialog;
    // How the window asks a yes-or-no question (a message box by default).
    std::function<bool(const QString& question)> m_confirm;
    // Asks what a report shows of a zoomed chart: the view as shown (true), the whole flight
    // (false), or nothing (Cancel).
    std::function<std::optional<bool>()> m_askViewShown;

    // File > Print..., Print Preview, Print Setup... and Export as PDF...: the report of the log
    // on display (the pilot's notes, the chart, the statistics, the climbs, the marks).
    void OnPrint();
    void OnPrintPreview();
    void OnPrintSetup();
    void OnExportPdf();
    // The report of the log on display and its chart, the view shown or the whole flight; none
    // when no log is shown or the pilot cancels.
    std::optional<FlightReport> ReportOfShownLog(ChartPicture& chart);
    QPrinter& Printer();
    // The serial ports the Preferences list (those of the machine by default).
    std::function<std::vector<PortInfo>()> m_listPorts;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The commands' work; the public ones run it through Guarded.
    // notALog: the file was read, and is no ".alt" log at all.
    Status OpenFileNow(const QString& path, bool& notALog);
    bool SaveAsNow(const QString& path);
    void RefreshLogNow(const BrixoLog* log, std::optional<TimeRange> range);
    bool ExportLogToNow(const BrixoLog& log, size_t first, size_t end, ExportType type, const QString& path);
    bool TakeDownloadNow(DownloadDialog& dialog);
    void OnImportImage();
    // The climbs known for the logbook's flights under the settings in use, to the statistics.
    void ShowClimbFacts();
    // Finds the climbs of the flights that have none under the settings in use, on a thread of
    // its own with a logbook connection of its own; the statistics follow as they come.
    void FindClimbsInBackground();
    void StopFindingClimbs();
    // "Compare": the flights chosen in the Logbook, or else the logs of the list (2 to 20).
    void CompareChosen();
    void CompareFromLogbook(const std::vector<int64_t>& ids);
    void RunComparison(std::vector<ComparedFlight> flights);
    // "Export Logbook...": these flights as CSV, to a file the user names.
    void ExportLogbookCsv(const std::vector<int64_t>& ids);
    // The sites of the logbook's flights, the latest flown first, each once.
    QStringList UsedSites();
    // The day flown and the site given in the download dialog, written to the flights the
    // download added to the logbook (a site only when one was given).
    void NoteDownloadedFlights(const std::string& flownOn, const std::string& site);
    QString KeepDownloadNow(DownloadSession& session);
    std::optional<LogbookEntry> LogbookEntryOf(const BrixoLog& log);
    // The flight's start elevation when the altitude is shown above sea level.
    std::optional<double> StartElevationOf(const BrixoLog& log);
    // The logbook's name of a log, else "Log %2d (%s)" with its number.
    QString TreeName(const BrixoLog& log, int number);
    // The name a log has without one of the pilot's, in the window's language.
    static QString ShownLogName(int number, double duration);
    // Runs one of the window's commands: memory running out in it (a hostile file can ask for
    // more than there is) ends the command with outOfMemory, instead of ending the program. A
    // command that gives a Status fails with that text as the reason for the caller to tell
    // ("not enough memory to open FILE"); one that gives true or false tells it here as the
    // whole sentence it then is ("There is not enough memory to show this log."), and gives false.
    template <typename Command>
    auto Guarded(const QString& outOfMemory, Command&& command) -> decltype(command())
    {
        try {
            return command();
        } catch (const std::bad_alloc&) {
            m_busy = false;
            if constexpr (std::is_same_v<decltype(command()), Status>) {
                return Fail(outOfMemory.toStdString());
            } else {
                m_warn(outOfMemory);
                return false;
            }
        }
    }
    void CreateCommands();
    void ShowShortcutsInTheLanguage();
    void CreateLayout();
    // A command's menu text and prompt, both English source texts marked with QT_TR_NOOP where
    // they are written; they are translated here.
    QAction* AddCommand(const char* text, const char* prompt);
    void OnOpen();
    void OnSaveAs();
    void OnAbout();
    // "Quick Guide" (F1), at its keys' section for "Keyboard Shortcuts".
    void ShowQuickGuide(bool keys);
    // A label where the plot was clicked; the chart menu's entries of the log on display.
    void OnPlotClicked(double time);
    void OnChartMenu(QMenu* menu, double time);
    void OnTreeMenu(QTreeWidgetItem* item, const QPoint& at);
    // The chart's selection from t1 to t2 (t1 <= t2) and its statistics.
    void SelectTimes(double t1, double t2);
    // The climbs of the log on display: pane, statistics and the chart's bands.
    void ShowClimbs();
    // The unit lengths are shown in.
    LengthUnit ShownUnits() const;
    void ShowClimbBands();
    // The flights of a log: the pilot's corrected ones (kept in the logbook, or for this
    // session when the log is not there), else those found in its altitude.
    std::vector<FlightSpan> FlightsMarked(const BrixoLog& log, const std::optional<LogbookEntry>& entry);
    // The pilot's corrections of a log alone, if there are any.
    std::optional<std::vector<FlightSpan>> CorrectedFlights(const BrixoLog& log,
                                                            const std::optional<LogbookEntry>& entry);
    // The flights of the log on display, found anew, and shown.
    void FindFlightsShown(const BrixoLog& log);
    // The flights as marks in the chart and in the statistics.
    void ShowFlights();
    void OnMarkMoved(int index, double time);
    // The end of the log on display, in seconds.
    double LogEnd() const;
    void SetLogsPaneShown(bool shown);
    // Previous view and Next view enabled as the chart's history allows.
    void FollowViewHistory();
    // Save As only while there is a log to save.
    void FollowLogCount();
    // Where Open, Save As and Export start: the folder used last, when it is still there.
    QString StartFolder() const;
    void RememberFolder(const QString& file);
    bool MayDiscardLogs();
    // After the tree was refilled: its first log in the chart and the statistics, or nothing.
    void ShowFirstLog();
    // "Nivra - FILE", or "Nivra" alone for an empty text.
    void SetTitleFile(const QString& file);
    // After logs were deleted from the tree: the title says the logs shown are no longer what
    // was opened (or none at all, when none is left).
    void FollowDeletedLogs();
    QString m_titleFile;
    // Whether this log is the one the chart shows.
    bool ShowsLog(const BrixoLog& log) const;
    Status ExportCsvOf(const BrixoLog& log, size_t first, size_t end, const std::string& file);
    Status ExportJpegOf(const BrixoLog& log, const std::string& file);
    // Why a name from the window's text cannot be used to open or write a file; empty when it can.
    static std::string UnusableName(const QString& path);
    // Writes the settings now; a failure is told.
    void StoreSettings();
    // The file first in the recent list, and the menu shown again.
    void Remember(const QString& path);
    void ForgetRecent(const QString& path);
    void FillRecentMenu();

    const Configuration& m_config;
    std::unique_ptr<SettingsStore> m_store;
    Settings m_settings;
    Commands m_actions;
    std::unique_ptr<QPrinter> m_printer;  // its page set-up kept from one print to the next
    QSplitter* m_outer = nullptr;
    QSplitter* m_inner = nullptr;
    QWidget* m_pane = nullptr;
    LogTree* m_tree = nullptr;
    StatisticsView* m_stats = nullptr;
    ChartWidget* m_chart = nullptr;
    QWidget* m_chartHint = nullptr;  // over the chart while there is no log
    QToolBar* m_toolBar = nullptr;
    LogSeries m_series;  // what the chart shows, for the selection statistics
    ClimbAnalysis m_climbs;
    // The flights of the log on display: as found, and as shown.
    std::vector<FlightSpan> m_foundFlights, m_flights;
    bool m_flightsCorrected = false;
    std::optional<int64_t> m_flownAtUnixMs;  // the time flown the pilot gave it
    // Corrections of logs that are not in the logbook, by flight hash, for this session.
    std::map<std::string, std::vector<FlightSpan>> m_correctedElsewhere;
    std::unique_ptr<Logbook> m_logbook;
    QString m_logbookProblem;
    QString m_lookupProblem;                 // the last reason a log could not be looked up in the logbook, told once
    bool m_downloadKept = false;             // the last download is in the logbook
    std::vector<int64_t> m_addedByDownload;  // the flights it added there
    std::thread m_climbsWorker;
    std::atomic<bool> m_stopClimbs{false};
    bool m_findClimbsAgain = false;  // asked while a search ran
    LogbookView* m_logbookView = nullptr;
    QTabWidget* m_leftTabs = nullptr;
    ClimbsView* m_climbsView = nullptr;
    QTabWidget* m_lowerTabs = nullptr;
    bool m_busy = true;
    bool m_unsaved = false;
    bool m_splitsPlaced = false;
    std::string m_lastError;
    std::unique_ptr<class RecentFiles> m_recent;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentAnchor = nullptr;  // the recent files go before it
    std::vector<QAction*> m_recentActions;
};
