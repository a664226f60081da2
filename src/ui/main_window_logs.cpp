// The main window's work on logs: opening and saving files, showing a log in
// the chart and the statistics, and answering the chart.
#include <algorithm>
#include <map>

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include "app/log_file.h"
#include "chart/chart_picture.h"
#include "config/configuration.h"
#include "dsp/statistics.h"
#include "export/csv_export.h"
#include "ui/chart_filling.h"
#include "ui/climbs_view.h"
#include "ui/download_dialog.h"
#include "ui/log_tree.h"
#include "ui/main_window.h"
#include "ui/statistics_view.h"

namespace {

// The filters of Open and Save As, in the language of the moment.
QString LogFileFilters()
{
    return QCoreApplication::translate("MainWindow", "Alt Files (*.alt)") + QStringLiteral(";;") +
           QCoreApplication::translate("MainWindow", "All Files (*.*)");
}

}  // namespace

std::string MainWindow::UnusableName(const QString& path)
{
    // Bytes that are not UTF-8 reach the window as U+FFFD; encoded back they would name another
    // file, perhaps an existing one.
    if (path.contains(QChar::ReplacementCharacter))
        return tr("the file's name is not valid UTF-8 text, so Nivra cannot be sure to name that file; rename it and "
                  "try again")
            .toStdString();
    return {};
}

bool MainWindow::MayDiscardLogs()
{
    if (!m_unsaved || m_tree->topLevelItemCount() == 0)
        return true;
    const auto answer = QMessageBox::question(this, QStringLiteral("Nivra"), tr("Save the downloaded logs?"),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Discard)
        return true;
    OnSaveAs();
    return !m_unsaved;
}

void MainWindow::OnOpen()
{
    if (!MayDiscardLogs())
        return;
    //: The title of the file dialog of File > Open
    QFileDialog dialog(this, tr("Open"), StartFolder(), LogFileFilters());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("alt"));
    if (m_runFileDialog(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        OpenFile(dialog.selectedFiles().first());
}

bool MainWindow::OpenFile(const QString& path)
{
    bool notALog = false;
    const Status opened =
        Guarded(tr("not enough memory to open %1").arg(path), [&] { return OpenFileNow(path, notALog); });
    if (opened)
        return true;
    // However the file came (File > Open, the command line, a drop, the recent files), a file
    // that is not opened is told with the reason; one that is no log at all says so first, in
    // words a pilot reads, the reader's own reason after them.
    const QString reason = QString::fromStdString(opened.Error());
    m_warn(notALog ? tr("This is not a Brixo log (.alt) file:\n%1\n\n(%2)").arg(path, reason)
                   : tr("%1 could not be opened:\n%2").arg(path, reason));
    return false;
}

Status MainWindow::OpenFileNow(const QString& path, bool& notALog)
{
    if (const std::string unusable = UnusableName(path); !unusable.empty())
        return Fail(unusable);
    const AltReadResult result = ReadAltFile(path.toStdString(), m_config, m_settings.skipShortLogsLen);
    if (!result.Accepted()) {
        notALog =
            result.status == AltReadResult::Status::BadPreamble || result.status == AltReadResult::Status::BadZeroWord;
        return Fail(result.Problem());
    }
    m_busy = true;
    m_tree->ClearLogs();
    for (const NumberedLog& entry : result.logs)
        m_tree->AddLog(TreeName(entry.log, entry.number), entry.log);
    m_busy = false;
    m_unsaved = false;
    ShowFirstLog();
    SetTitleFile(QFileInfo(path).absoluteFilePath());
    if (result.deviceMissing)
        statusBar()->showMessage(QString::fromStdString(result.Problem()));
    else
        statusBar()->clearMessage();
    Remember(path);
    // What a file cut short still gave is shown, and what it lost is said.
    if (const std::string warning = result.Warning(); !warning.empty())
        m_warn(tr("%1 was opened, but %2.").arg(path, QString::fromStdString(warning)));
    return {};
}

void MainWindow::OnSaveAs()
{
    //: The title of the file dialog of File > Save As
    QFileDialog dialog(this, tr("Save As"), StartFolder(), LogFileFilters());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("alt"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (m_runFileDialog(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveAs(dialog.selectedFiles().first());
}

bool MainWindow::SaveAs(const QString& path)
{
    return Guarded(tr("There is not enough memory to save the logs to %1.").arg(path), [&] { return SaveAsNow(path); });
}

bool MainWindow::SaveAsNow(const QString& path)
{
    const std::string unusable = UnusableName(path);
    const Status written =
        unusable.empty() ? WriteFileSafely(path.toStdString(), AltFileText(m_tree->Logs())) : Status(Fail(unusable));
    if (!written) {
        m_warn(tr("The logs could not be saved to %1:\n%2").arg(path, QString::fromStdString(written.Error())));
        return false;
    }
    m_unsaved = false;
    SetTitleFile(QFileInfo(path).absoluteFilePath());
    Remember(path);
    return true;
}

void MainWindow::ShowFirstLog()
{
    // The chart and the statistics always show a log of the tree, never one that has gone.
    m_busy = true;
    m_tree->setCurrentItem(m_tree->topLevelItemCount() > 0 ? m_tree->topLevelItem(0) : nullptr);
    m_busy = false;
    RefreshLog(m_tree->SelectedLog());
}

void MainWindow::SetTitleFile(const QString& file)
{
    m_titleFile = file;
    setWindowTitle(file.isEmpty() ? QStringLiteral("Nivra") : QStringLiteral("Nivra - %1").arg(file));
}

void MainWindow::FollowDeletedLogs()
{
    if (m_tree->topLevelItemCount() == 0) {
        m_unsaved = false;  // nothing is left to lose
        SetTitleFile({});
    } else if (QFileInfo(m_titleFile).isAbsolute()) {  // a file's logs, no longer all shown
        setWindowTitle(tr("Nivra - %1 (logs deleted, not saved)").arg(m_titleFile));
    }
}

void MainWindow::RefreshSelected()
{
    const BrixoLog* log = m_tree->SelectedLog();
    if (!log)
        return;
    // The same log drawn anew (other settings, a new start elevation): its labels stay at their
    // times, on the curves as now drawn, and so does the selection.
    std::map<QString, std::vector<double>> labelTimes;
    for (int i = 0; i < m_chart->SeriesCount(); ++i)
        for (const auto& [time, value] : m_chart->SeriesAt(i)->m_labels)
            labelTimes[m_chart->SeriesAt(i)->m_name].push_back(time);
    const std::optional<TimeRange> selection = m_chart->Selection();
    if (const std::optional<TimeRange> range = m_chart->DataRange())
        RefreshLog(log, *range);
    else
        RefreshLog(log);
    for (int i = 0; i < m_chart->SeriesCount(); ++i) {
        const std::shared_ptr<ChartSeries> s = m_chart->SeriesAt(i);
        if (const auto it = labelTimes.find(s->m_name); it != labelTimes.end())
            for (double time : it->second)
                s->AddLabel(time, s->ValueAt(time));
    }
    if (selection)
        SelectTimes(selection->first, selection->last);
    m_chart->Recalc();
    m_chart->update();
}

void MainWindow::RefreshLog(const BrixoLog* log, std::optional<TimeRange> range)
{
    Guarded(tr("There is not enough memory to show this log."), [&] {
        RefreshLogNow(log, range);
        return true;
    });
}

void MainWindow::RefreshLogNow(const BrixoLog* log, std::optional<TimeRange> range)
{
    m_series = log ? BuildLogSeries(*log, m_settings, SeriesChoice::All, StartElevationOf(*log)) : LogSeries{};
    // The window reads climb rates in the vario unit chosen; exports keep the length unit a second.
    m_series.units.vario = m_settings.VarioShown();
    const bool drawable = log && !m_series.series.empty() && m_series.series[0].values.size() >= 2;
    if (!m_series.errors.empty()) {
        // Each problem once, not at every refresh of the same log.
        std::string text;
        for (const std::string& e : m_series.errors)
            text += e + "\n";
        if (text != m_lastError)
            m_warn(QString::fromStdString(text).trimmed());
        m_lastError = text;
    }
    if (!drawable) {
        m_series = LogSeries{};
        m_foundFlights.clear();
        m_flights.clear();
        m_flightsCorrected = false;
        m_chart->RemoveAllSeries();
        m_stats->Clear();
    } else {
        FillChart(*m_chart, m_series, range);
        LogStatTexts texts = LogStatistics(*log, m_series.series[0], m_series.units);
        texts.reference = AltitudeReferenceText(m_settings.altAboveSeaLevel, m_series.aboveSeaLevel);
        texts.modelSigma = ModelSigmaText(m_series, m_settings);
        m_stats->ShowLog(texts);
        FindFlightsShown(*log);
        m_chart->setFocus();
    }
    ShowClimbs();
    m_chart->update();
    for (QAction* a : {m_actions.print, m_actions.printPreview, m_actions.exportPdf})
        a->setEnabled(drawable);
    m_actions.previousView->setEnabled(false);
    m_actions.nextView->setEnabled(false);
}

void MainWindow::SelectTimes(double t1, double t2)
{
    if (m_chart->SeriesCount() == 0 || m_series.series.size() < 2)
        return;
    m_chart->SetSelection(t1, t2);
    m_stats->ShowSelection(SelectionStatistics(m_series.series[0], m_series.series[1], t1, t2, m_series.units));
}

LengthUnit MainWindow::ShownUnits() const
{
    // The log's own document's, once a log is shown; the configuration's before.
    if (!m_series.series.empty())
        return m_series.units;
    const bool imperial = m_settings.Imperial();
    return {m_config.UnitScale("linear", imperial ? "imperial" : "metric"), imperial ? "ft" : "m",
            m_settings.VarioShown()};
}

void MainWindow::ShowClimbs()
{
    m_climbs = m_series.series.empty() ? ClimbAnalysis{} : ClimbsOf(m_series, m_settings);
    const NamedSeries* alt = m_series.Find("Alt");
    const double seconds = alt ? static_cast<double>(alt->values.size()) * alt->interval : 0.0;
    m_climbsView->Show(m_climbs, ShownUnits(), seconds);
    m_stats->ShowClimbs(ClimbStatistics(m_climbs, ShownUnits()));
    ShowClimbBands();
}

void MainWindow::ShowClimbBands()
{
    if (m_chart->SeriesCount() > 0)
        m_chart->SetBands(m_settings.climbsShown ? ClimbBands(m_climbs) : std::vector<TimeRange>{});
}

void MainWindow::SelectClimb(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= m_climbs.climbs.size())
        return;
    const Climb& c = m_climbs.climbs[static_cast<size_t>(index)];
    // Into view: the climb in the middle of the span shown, or a little wider than the climb.
    const TimeRange shown = m_chart->Shown();
    if (c.start < shown.first || c.end > shown.last) {
        const double wanted = std::max(shown.last - shown.first, (c.end - c.start) * 1.2);
        double first = (c.start + c.end - wanted) / 2;
        if (const std::optional<TimeRange> all = m_chart->DataRange())
            first = std::clamp(first, all->first, std::max(all->first, all->last - wanted));
        m_chart->SetRange(first, first + wanted);
        FollowViewHistory();
    }
    SelectTimes(c.start, c.end);
}

void MainWindow::OnPlotClicked(double t)
{
    // A label on the first curve at the clicked time, with the value the read-out shows there.
    const std::shared_ptr<ChartSeries> first = m_chart->SeriesAt(0);
    if (first && first->m_visible && t >= first->m_firstTime && t <= first->EndTime()) {
        first->AddLabel(t, first->ValueAt(t));
        m_chart->Recalc();
        m_chart->update();
    }
}

void MainWindow::OnChartMenu(QMenu* menu, double time)
{
    if (m_chart->SeriesCount() == 0)
        return;
    menu->addSeparator();
    menu->addAction(m_actions.fitHeights);
    if (m_chart->Selection()) {
        menu->addSeparator();
        connect(menu->addAction(tr("Export...")), &QAction::triggered, this, [this] {
            // The selected stretch of the log on display, unless the chart was rebuilt meanwhile.
            const std::optional<TimeRange> selection = m_chart->Selection();
            if (const BrixoLog* log = m_tree->SelectedLog(); log && selection) {
                const SampleRange range = SelectionSamples(selection->first, selection->last, log->SamplePeriod());
                ExportLog(*log, range.first, range.end, false);
            }
        });
    }
    if (!m_tree->SelectedLog())
        return;
    // The pilot's corrections of the flights, at the time the menu was opened on.
    menu->addSeparator();
    connect(menu->addAction(tr("Takeoff here")), &QAction::triggered, this,
            [this, time] { CorrectFlights(WithTakeoffAt(m_flights, time, LogEnd())); });
    connect(menu->addAction(tr("Landing here")), &QAction::triggered, this,
            [this, time] { CorrectFlights(WithLandingAt(m_flights, time, LogEnd())); });
    QAction* reset = menu->addAction(tr("Reset to found"));
    reset->setEnabled(m_flightsCorrected);
    connect(reset, &QAction::triggered, this, &MainWindow::ResetFlights);
}

void MainWindow::Download()
{
    if (!MayDiscardLogs())
        return;
    DownloadDialog dialog(m_config, m_settings.skipShortLogs ? m_settings.skipShortLogsLen : 0, this);
    if (const Status opened = dialog.OpenLink(m_settings.usedPort, SpeedOfIndex(m_settings.baudrate)); !opened) {
        QMessageBox box(QMessageBox::NoIcon, QString(), tr("Unable to open COM port.\r\nCheck your preferences."),
                        QMessageBox::Ok, this);
        // The path opened, beside the name stored: "mylogger" opens /dev/mylogger.
        QString port = QString::fromStdString(m_settings.usedPort);
        const std::string device = DevicePathOf(m_settings.usedPort);
        if (device != m_settings.usedPort)
            port += QStringLiteral(" (%1)").arg(QString::fromStdString(device));
        // The system's words in the details; what stands in the way, and what to do, in view.
        const QString reason = QString::fromStdString(opened.Error());
        const QString help = reason.section(QLatin1Char('\n'), 1);
        box.setDetailedText(QStringLiteral("%1: %2").arg(port, reason.section(QLatin1Char('\n'), 0, 0)));
        if (!help.isEmpty())
            box.setInformativeText(help);
        else if (!AnyUsbPort(m_listPorts()))
            box.setInformativeText(
                tr("The logger's cable seems not to be plugged in: this computer has no USB serial port "
                   "at the moment. Plug the cable in and choose Download again."));
        m_runDialog(box);
        return;
    }
    RunDownloadDialog(dialog);
}

void MainWindow::RunDownloadDialog(DownloadDialog& dialog)
{
    m_downloadKept = false;
    dialog.m_keep = [this](DownloadSession& session) {
        return KeepDownloadNow(session);
    };
    // Silent: a logbook that cannot be read says so when the download is kept, not in the
    // middle of the list.
    dialog.m_inLogbook = [this](const BrixoLog& log) {
        if (!m_logbook)
            return false;
        const auto found = m_logbook->FindByHash(FlightHash(log));
        return found && found->has_value();
    };
    m_addedByDownload.clear();
    dialog.OfferSites(UsedSites());
    m_runDialog(dialog);
    NoteDownloadedFlights(dialog.FlownOn(), dialog.Site());
    TakeDownload(dialog);
}

bool MainWindow::TakeDownload(DownloadDialog& dialog)
{
    return Guarded(tr("There is not enough memory to take over the downloaded flights."),
                   [&] { return TakeDownloadNow(dialog); });
}

bool MainWindow::TakeDownloadNow(DownloadDialog& dialog)
{
    if (!dialog.Completed())
        return false;
    if (!dialog.Parser().SignatureFound()) {
        // The line carried something, but not a logger's memory: say so rather than nothing.
        statusBar()->showMessage(tr("The data received holds no logger signature; the logs were left as they were."));
        return false;
    }
    m_busy = true;
    m_tree->ClearLogs();
    const FileTime now = FileTimeFromUnixMs(QDateTime::currentMSecsSinceEpoch());
    const std::vector<NumberedLog> logs = dialog.Session().BuildLogs(m_settings.skipShortLogsLen, now);
    for (const NumberedLog& entry : logs)
        m_tree->AddLog(TreeName(entry.log, entry.number), entry.log);
    m_busy = false;
    // Downloaded logs that the logbook could not keep are on no disk: leaving them asks first.
    m_unsaved = !logs.empty() && !m_downloadKept;
    ShowFirstLog();
    SetTitleFile(m_downloadKept ? tr("downloaded logs, kept in the logbook") : tr("downloaded logs, not saved yet"));
    const auto& flights = dialog.Parser().Flights();
    const auto damaged = std::count_if(flights.begin(), flights.end(),
                                       [](const FlightEntry& f) { return f.selected && !f.damage.empty(); });
    if (damaged > 0)
        statusBar()->showMessage(tr("%n of the downloaded flights look damaged; they were kept as they came.", nullptr,
                                    static_cast<int>(damaged)));
    return true;
}
