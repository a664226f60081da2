// The main window and the flights of a log: takeoff and landing marks in the chart, the
// pilot's corrections of them (kept in the logbook), and their statistics.
#include "chart/chart_picture.h"
#include "dsp/airtime.h"
#include "dsp/statistics.h"
#include "ui/log_tree.h"
#include "ui/main_window.h"
#include "ui/statistics_view.h"

std::optional<std::vector<FlightSpan>> MainWindow::CorrectedFlights(const BrixoLog& log,
                                                                    const std::optional<LogbookEntry>& entry)
{
    if (entry)
        return entry->correctedFlights;
    if (auto kept = m_correctedElsewhere.find(FlightHash(log)); kept != m_correctedElsewhere.end())
        return kept->second;
    return std::nullopt;
}

std::vector<FlightSpan> MainWindow::FlightsMarked(const BrixoLog& log, const std::optional<LogbookEntry>& entry)
{
    if (auto corrected = CorrectedFlights(log, entry))
        return *corrected;
    return FlightsOf(log).value_or(std::vector<FlightSpan>{});
}

void MainWindow::FindFlightsShown(const BrixoLog& log)
{
    const std::optional<LogbookEntry> entry = LogbookEntryOf(log);
    // Decoded once: the found flights are shown unless the pilot corrected them.
    m_foundFlights = FlightsOf(log).value_or(std::vector<FlightSpan>{});
    m_flights = CorrectedFlights(log, entry).value_or(m_foundFlights);
    m_flightsCorrected = m_flights != m_foundFlights;
    m_flownAtUnixMs.reset();
    if (entry && entry->fields.flownAt)
        m_flownAtUnixMs = UnixMsFromFileTime(*entry->fields.flownAt);
    ShowFlights();
}

void MainWindow::ShowFlights()
{
    if (m_chart->SeriesCount() > 0)
        m_chart->SetMarks(FlightMarks(m_flights));
    m_stats->ShowAirtime(AirtimeStatistics(m_flights, m_flownAtUnixMs));
}

double MainWindow::LogEnd() const
{
    const BrixoLog* log = m_tree->SelectedLog();
    // The last sample decoded: the last record of a log is never one.
    return log && log->SampleCount() > 1 ? static_cast<double>(log->SampleCount() - 2) * log->SamplePeriod() : 0.0;
}

void MainWindow::CorrectFlights(std::vector<FlightSpan> flights)
{
    const BrixoLog* log = m_tree->SelectedLog();
    if (!log)
        return;
    // On the samples, as found flights are and as the logbook keeps them.
    m_flights = OnSamples(std::move(flights), log->SamplePeriod());
    m_flightsCorrected = m_flights != m_foundFlights;
    ShowFlights();
    const std::optional<LogbookEntry> entry = LogbookEntryOf(*log);
    if (!entry) {
        if (m_flightsCorrected)
            m_correctedElsewhere[FlightHash(*log)] = m_flights;
        else
            m_correctedElsewhere.erase(FlightHash(*log));
        return;
    }
    if (Status s = m_logbook->SetFlights(entry->id, m_flights, m_flightsCorrected); !s) {
        m_warn(tr("The corrected takeoff and landing could not be kept in the logbook:\n%1")
                   .arg(QString::fromStdString(s.Error())));
        return;
    }
    RefreshLogbook();
}

void MainWindow::ResetFlights()
{
    CorrectFlights(m_foundFlights);
}

void MainWindow::OnMarkMoved(int index, double time)
{
    if (index < 0)
        return;
    CorrectFlights(WithMarkMoved(m_flights, static_cast<size_t>(index), time, LogEnd()));
}
