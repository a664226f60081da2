// The main window and the logbook: every download kept, names in the tree, Log Properties
// that are stored, the Logbook pane, and memory images imported again.
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabWidget>

#include "app/log_file.h"
#include "base/file_access.h"
#include "config/configuration.h"
#include "device/download_session.h"
#include "dsp/decoder.h"
#include "logbook/compared_flight.h"
#include "logbook/keep_download.h"
#include "logbook/season.h"
#include "ui/compare_dialog.h"
#include "ui/download_dialog.h"
#include "ui/export_dialog.h"
#include "ui/log_dialogs.h"
#include "ui/log_tree.h"
#include "ui/logbook_view.h"
#include "ui/main_window.h"
#include "ui/season_view.h"

namespace {

FileTime Now()
{
    return FileTimeFromUnixMs(QDateTime::currentMSecsSinceEpoch());
}

// A memory image is 2 MiB from its signature on; a file much larger is no memory image.
constexpr size_t kMaxImageFile = 64 * 1024 * 1024;

}  // namespace

void MainWindow::OpenLogbook(const std::string& folder)
{
    m_logbook.reset();
    auto book = Logbook::Open(folder, m_config);
    if (book) {
        m_logbook = std::move(*book);
        m_logbookProblem.clear();
        if (!m_logbook->ReadOnly().empty())
            statusBar()->showMessage(
                tr("The logbook is read only: %1.").arg(QString::fromStdString(m_logbook->ReadOnly())));
    } else {
        // The window works without it; the pane and the status bar say why.
        m_logbookProblem = tr("The logbook cannot be used: %1").arg(QString::fromStdString(book.Error()));
        statusBar()->showMessage(m_logbookProblem);
    }
    RefreshLogbook();
}

void MainWindow::RefreshLogbook()
{
    if (!m_logbookView)
        return;
    if (!m_logbook) {
        m_logbookView->ShowProblem(m_logbookProblem);
        return;
    }
    auto entries = m_logbook->List();
    if (!entries) {
        m_logbookView->ShowProblem(tr("The logbook cannot be read: %1").arg(QString::fromStdString(entries.Error())));
        return;
    }
    const bool imperial = m_settings.Imperial();
    // A device by the name the configuration gives its id; an id it does not describe (or
    // one without a name) as the number, never as the device the reader falls back to.
    const auto deviceName = [this](uint32_t id) {
        return QString::fromStdString(DeviceName(m_config, id));
    };
    m_logbookView->Show(*entries, imperial ? QStringLiteral("ft") : QStringLiteral("m"),
                        m_config.UnitScale("linear", imperial ? "imperial" : "metric"), deviceName);
    ShowClimbFacts();
    FindClimbsInBackground();
}

void MainWindow::ShowClimbFacts()
{
    if (!m_logbook)
        return;
    LengthUnit unit = ShownUnits();
    // The logbook's numbers in the units chosen, not in a shown log's document's.
    const bool imperial = m_settings.Imperial();
    unit.perMetre = m_config.UnitScale("linear", imperial ? "imperial" : "metric");
    unit.name = imperial ? "ft" : "m";
    auto climbs = m_logbook->ClimbFactsFor(ClimbRecipe(m_settings));
    m_logbookView->SetClimbs(climbs ? *climbs : std::map<int64_t, ClimbFacts>{}, unit);
}

void MainWindow::FindClimbsInBackground()
{
    if (!m_logbook || !m_logbook->ReadOnly().empty())
        return;
    if (m_climbsWorker.joinable()) {
        m_findClimbsAgain = true;  // the settings or the flights changed while it ran
        return;
    }
    const auto missing = m_logbook->FlightsWithoutClimbFacts(ClimbRecipe(m_settings));
    if (!missing || missing->empty())
        return;
    m_stopClimbs = false;
    m_findClimbsAgain = false;
    m_logbookView->Season()->ShowProgress(
        tr("Finding the climbs of %n flight(s)...", nullptr, static_cast<int>(missing->size())));
    const std::string folder = m_logbook->Folder();
    const Settings settings = m_settings;
    m_climbsWorker = std::thread([this, folder, settings] {
        QString problem;
        {
            auto book = Logbook::Open(folder, m_config);
            if (!book) {
                problem = QString::fromStdString(book.Error());
            } else {
                auto found = FillClimbFacts(**book, m_config, settings, [this](int done, int total) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, done, total] {
                            m_logbookView->Season()->ShowProgress(
                                tr("Finding the climbs: %1 of %n flight(s)", nullptr, total).arg(done));
                            ShowClimbFacts();
                        },
                        Qt::QueuedConnection);
                    return !m_stopClimbs.load();
                });
                if (!found)
                    problem = QString::fromStdString(found.Error());
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, problem] {
                if (m_climbsWorker.joinable())
                    m_climbsWorker.join();
                m_logbookView->Season()->ShowProgress(
                    problem.isEmpty() ? QString() : tr("The climbs could not be found: %1").arg(problem));
                ShowClimbFacts();
                if (m_findClimbsAgain)
                    FindClimbsInBackground();
            },
            Qt::QueuedConnection);
    });
}

void MainWindow::StopFindingClimbs()
{
    m_stopClimbs = true;
    if (m_climbsWorker.joinable())
        m_climbsWorker.join();
}

void MainWindow::ExportLogbookCsv(const std::vector<int64_t>& ids)
{
    if (!m_logbook || ids.empty())
        return;
    QFileDialog dialog(this, tr("Export Logbook"), StartFolder(), tr("CSV Files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(QStringLiteral("logbook.csv"));
    if (m_runFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    auto entries = m_logbook->List();
    auto climbs = m_logbook->ClimbFactsFor(ClimbRecipe(m_settings));
    Status written = !entries ? Status(Fail(entries.Error())) : !climbs ? Status(Fail(climbs.Error())) : Status{};
    if (written) {
        std::map<int64_t, LogbookEntry> byId;
        for (LogbookEntry& e : *entries)
            byId.emplace(e.id, std::move(e));
        std::vector<LogbookEntry> chosen;
        for (int64_t id : ids)
            if (auto found = byId.find(id); found != byId.end())
                chosen.push_back(found->second);
        const bool imperial = m_settings.Imperial();
        const LengthUnit unit(m_config.UnitScale("linear", imperial ? "imperial" : "metric"), imperial ? "ft" : "m");
        written = WriteFileSafely(path.toStdString(), LogbookCsv(chosen, *climbs, unit, [this](uint32_t id) {
                                      return DeviceName(m_config, id);
                                  }));
    }
    if (!written)
        m_warn(tr("The logbook could not be exported to %1:\n%2").arg(path, QString::fromStdString(written.Error())));
    else
        statusBar()->showMessage(tr("%n flight(s) exported to %1", nullptr, static_cast<int>(ids.size())).arg(path));
}

QStringList MainWindow::UsedSites()
{
    QStringList sites;
    if (!m_logbook)
        return sites;
    if (const auto entries = m_logbook->List())
        for (const LogbookEntry& e : *entries)
            if (const QString site = QString::fromStdString(e.fields.site).trimmed();
                !site.isEmpty() && !sites.contains(site))
                sites << site;
    return sites;
}

void MainWindow::NoteDownloadedFlights(const std::string& flownOn, const std::string& site)
{
    if (!m_logbook || m_addedByDownload.empty())
        return;
    PilotFields fields;
    fields.flownOn = flownOn;
    fields.site = site;
    const unsigned which = kPilotFlownOn | (site.empty() ? 0U : kPilotSite);
    for (int64_t id : m_addedByDownload)
        if (Status s = m_logbook->SetFields(id, fields, which); !s) {
            m_warn(tr("The day flown and the site could not be noted in the logbook: %1")
                       .arg(QString::fromStdString(s.Error())));
            break;
        }
    m_addedByDownload.clear();
    RefreshLogbook();
}

QString MainWindow::KeepDownloadNow(DownloadSession& session)
{
    if (!m_logbook)
        return tr("%1\nThe flights are not kept: save them with File > Save As.").arg(m_logbookProblem);
    if (!m_logbook->ReadOnly().empty())
        return tr("The logbook is read only: %1.\nSave the flights with File > Save As.")
            .arg(QString::fromStdString(m_logbook->ReadOnly()));
    auto kept = KeepDownload(*m_logbook, session.Image(), session.BuildListedFlights(Now()), Now());
    if (!kept)
        return tr("The download could not be kept in the logbook: %1\nSave the flights with File > Save As.")
            .arg(QString::fromStdString(kept.Error()));
    m_downloadKept = true;
    m_addedByDownload = kept->report.addedIds;
    RefreshLogbook();
    return QString::fromStdString(KeptText(*kept));
}

std::optional<LogbookEntry> MainWindow::LogbookEntryOf(const BrixoLog& log)
{
    if (!m_logbook)
        return std::nullopt;
    auto found = m_logbook->FindByHash(FlightHash(log));
    if (found)
        return *found;
    // Not "not in the logbook": what the pilot noted (a start elevation, a name, corrected
    // marks) cannot be read, and the window says so, once for each reason.
    const QString problem = tr("The logbook cannot be read: %1\nThe log is shown without what was noted "
                               "about it there (heights above the start, its own name).")
                                .arg(QString::fromStdString(found.Error()));
    if (problem != m_lookupProblem) {
        m_lookupProblem = problem;
        m_warn(problem);
    }
    return std::nullopt;
}

std::optional<double> MainWindow::StartElevationOf(const BrixoLog& log)
{
    if (!m_settings.altAboveSeaLevel)
        return std::nullopt;
    const std::optional<LogbookEntry> entry = LogbookEntryOf(log);
    return entry ? entry->fields.startElevation : std::nullopt;
}

QString MainWindow::TreeName(const BrixoLog& log, int number)
{
    const std::optional<LogbookEntry> entry = LogbookEntryOf(log);
    if (entry && entry->fields.name)
        return QString::fromStdString(*entry->fields.name);
    return ShownLogName(number, log.Duration());
}

QString MainWindow::ShownLogName(int number, double duration)
{
    // "Log  1 (00:04:10)" as the files and nivra-tool name it; the word in the language.
    const QString name = QString::fromStdString(LogName(number, duration));
    //: a log's name when the pilot gave none: %1 is its number and length, " 1 (00:04:10)"
    return tr("Log %1").arg(name.mid(4));
}

void MainWindow::EditLogProperties(QTreeWidgetItem* item)
{
    const BrixoLog* log = m_tree->LogOf(item);
    if (!log)
        return;
    const std::optional<LogbookEntry> entry = LogbookEntryOf(*log);
    const bool imperial = m_settings.Imperial();
    LogPropertiesDialog dialog(*log, entry ? entry->fields : PilotFields{}, m_tree->DefaultName(item),
                               {AltitudeScale(*log, imperial), imperial ? "ft" : "m"}, this);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    if (!m_logbook) {
        m_warn(tr("%1\nThe log's properties cannot be kept.").arg(m_logbookProblem));
        return;
    }
    // A log that is not in the logbook yet (opened from a file) enters it now.
    int64_t id = 0;
    if (entry) {
        id = entry->id;
    } else {
        auto added = m_logbook->Add(*log, Now());
        if (!added) {
            m_warn(tr("The log could not be added to the logbook:\n%1").arg(QString::fromStdString(added.Error())));
            return;
        }
        id = *added;
    }
    // What the dialog changed alone: a change made meanwhile elsewhere stays.
    const unsigned changed = ChangedPilotFields(entry ? entry->fields : PilotFields{}, dialog.Edited());
    if (Status s = m_logbook->SetFields(id, dialog.Edited(), changed); !s) {
        m_warn(tr("The log's properties could not be kept:\n%1").arg(QString::fromStdString(s.Error())));
        return;
    }
    item->setText(0, dialog.Edited().name ? QString::fromStdString(*dialog.Edited().name) : m_tree->DefaultName(item));
    RefreshLogbook();
    // Above sea level, a new start elevation moves the whole flight; a time flown gives the
    // takeoff and landing their time of day.
    if (m_settings.altAboveSeaLevel && m_tree->currentItem() == item)
        RefreshSelected();
    else if (m_tree->currentItem() == item)
        FindFlightsShown(*log);
}

void MainWindow::OpenFromLogbook(const std::vector<int64_t>& ids)
{
    if (!m_logbook || ids.empty() || !MayDiscardLogs())
        return;
    std::vector<std::pair<BrixoLog, LogbookEntry>> flights;
    for (int64_t id : ids) {
        auto log = m_logbook->LoadLog(id, m_config);
        auto entry = m_logbook->Find(id);
        if (!log || !entry || !*entry) {
            m_warn(tr("Flight %1 could not be read from the logbook:\n%2")
                       .arg(id)
                       .arg(log ? entry ? tr("it is gone") : QString::fromStdString(entry.Error())
                                : QString::fromStdString(log.Error())));
            continue;
        }
        log->m_date = (*entry)->FlownAt();
        flights.emplace_back(std::move(*log), **entry);
    }
    // In the tree as a download puts them: the long enough ones, numbered without gaps.
    m_busy = true;
    m_tree->ClearLogs();
    int number = 0;
    for (const auto& [log, entry] : flights) {
        if (!KeepLog(log, m_settings.skipShortLogsLen))
            continue;
        const QString defaultName = ShownLogName(++number, log.Duration());
        m_tree->AddLog(entry.fields.name ? QString::fromStdString(*entry.fields.name) : defaultName, log, defaultName);
    }
    m_busy = false;
    m_unsaved = false;  // they are in the logbook
    ShowFirstLog();
    SetTitleFile(tr("flights from the logbook"));
    m_leftTabs->setCurrentIndex(0);
}

void MainWindow::ExportFromLogbook(const std::vector<int64_t>& ids)
{
    if (!m_logbook || ids.empty())
        return;
    std::vector<BrixoLog> logs;
    for (int64_t id : ids) {
        auto log = m_logbook->LoadLog(id, m_config);
        if (!log) {
            m_warn(tr("Flight %1 could not be read from the logbook:\n%2")
                       .arg(id)
                       .arg(QString::fromStdString(log.Error())));
            return;
        }
        logs.push_back(std::move(*log));
    }
    //: The title of the file dialog that exports flights of the logbook
    QFileDialog dialog(this, tr("Export"), StartFolder(), tr("Alt Files (*.alt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("alt"));
    // One flight with the pilot's name for it is offered under that name.
    if (ids.size() == 1)
        if (auto entry = m_logbook->Find(ids[0]); entry && *entry && (*entry)->fields.name)
            dialog.selectFile(ExportName(QString::fromStdString(*(*entry)->fields.name), {}) + QStringLiteral(".alt"));
    if (m_runFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    if (Status written = WriteFileSafely(path.toStdString(), AltFileTextOfLogs(logs)); !written)
        m_warn(tr("The flights could not be exported to %1:\n%2").arg(path, QString::fromStdString(written.Error())));
    else
        RememberFolder(path);
}

void MainWindow::DeleteFromLogbook(const std::vector<int64_t>& ids)
{
    if (!m_logbook || ids.empty())
        return;
    //: English: "Delete this flight from the logbook?..." for one, "Delete these %n flights from the logbook?..."
    //: for more.
    if (!m_confirm(tr("Delete these %n flight(s) from the logbook?\nThe memory images they came from stay on disk and "
                      "can be imported again.",
                      nullptr, static_cast<int>(ids.size()))))
        return;
    if (Status s = m_logbook->Delete(ids); !s)
        m_warn(tr("The flights could not be deleted:\n%1").arg(QString::fromStdString(s.Error())));
    RefreshLogbook();
}

void MainWindow::OnImportImage()
{
    QFileDialog dialog(this, tr("Import Memory Image"),
                       m_logbook ? QString::fromStdString(m_logbook->Folder() + "/images") : QString(),
                       tr("Memory Images (*.mem)") + QStringLiteral(";;") + tr("All Files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (m_runFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    ImportImage(dialog.selectedFiles().first());
}

bool MainWindow::ImportImage(const QString& path)
{
    auto read = ReadSmallFile(path.toStdString(), kMaxImageFile);
    if (!read) {
        m_warn(tr("%1 cannot be read:\n%2").arg(path, QString::fromStdString(read.Error())));
        return false;
    }
    const std::string& bytes = *read;
    if (bytes.empty()) {
        m_warn(tr("%1 is empty: it holds no memory image of the logger.").arg(path));
        return false;
    }
    if (bytes.size() > kMaxImageFile) {
        m_warn(tr("%1 is no memory image of the logger: it is larger than %2 MiB.")
                   .arg(path)
                   .arg(kMaxImageFile / (1024 * 1024)));
        return false;
    }
    if (!MayDiscardLogs())
        return false;
    DownloadDialog replay(m_config, m_settings.skipShortLogs ? m_settings.skipShortLogsLen : 0, this);
    if (Status taken = replay.Replay(std::vector<uint8_t>(bytes.begin(), bytes.end())); !taken) {
        m_warn(tr("%1 cannot be imported: %2").arg(path, QString::fromStdString(taken.Error())));
        return false;
    }
    RunDownloadDialog(replay);
    return true;
}

void MainWindow::CompareChosen()
{
    // The logs chosen in the list, else the flights chosen in the Logbook.
    const std::vector<const QTreeWidgetItem*> items = m_tree->ChosenItems();
    if (items.size() >= 2 && items.size() <= 20) {
        std::vector<ComparedFlight> flights;
        for (const QTreeWidgetItem* item : items)
            if (const BrixoLog* log = m_tree->LogOf(item))
                flights.push_back(
                    ComparedFlightOf(*log, m_settings, LogbookEntryOf(*log), item->text(0).toStdString()));
        RunComparison(std::move(flights));
        return;
    }
    const std::vector<int64_t> chosen = m_logbookView->SelectedIds();
    if (chosen.size() >= 2 && chosen.size() <= 20) {
        CompareFromLogbook(chosen);
        return;
    }
    statusBar()->showMessage(
        tr("Choose 2 to 20 logs in the Logs list (Ctrl and a click), or flights in the Logbook, to compare them."));
}

void MainWindow::CompareFromLogbook(const std::vector<int64_t>& ids)
{
    if (!m_logbook || ids.size() < 2 || ids.size() > 20)
        return;
    std::vector<ComparedFlight> flights;
    for (int64_t id : ids) {
        auto entry = m_logbook->Find(id);
        auto log = m_logbook->LoadLog(id, m_config);
        if (!entry || !*entry || !log) {
            m_warn(tr("Flight %1 cannot be compared: %2")
                       .arg(id)
                       .arg(!log ? QString::fromStdString(log.Error()) : tr("it is no longer in the logbook")));
            return;
        }
        flights.push_back(ComparedFlightOf(*log, m_settings, **entry, tr("Flight %1").arg(id).toStdString()));
    }
    RunComparison(std::move(flights));
}

void MainWindow::RunComparison(std::vector<ComparedFlight> flights)
{
    const bool imperial = m_settings.Imperial();
    const LengthUnit unit(m_config.UnitScale("linear", imperial ? "imperial" : "metric"), imperial ? "ft" : "m",
                          m_settings.VarioShown());
    const Alignment kept = static_cast<Alignment>(std::min<uint32_t>(m_settings.compareAlign, 3));
    CompareDialog dialog(std::move(flights), unit, m_settings.varioOn, kept, this);
    m_runDialog(dialog);
    // The alignment chosen is the next comparison's.
    m_settings.compareAlign = static_cast<uint32_t>(dialog.CurrentAlignment());
    StoreSettings();
}
