// The main window's report of the log on display: printed, previewed, or written as a PDF.
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStatusBar>

#include "base/file_access.h"
#include "chart/chart_picture.h"
#include "logbook/season.h"
#include "ui/chart_filling.h"
#include "ui/log_tree.h"
#include "ui/main_window.h"

QPrinter& MainWindow::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
    }
    // The report lays itself out at 96 dots to the inch, as the screen's chart is.
    m_printer->setResolution(96);
    return *m_printer;
}

std::optional<FlightReport> MainWindow::ReportOfShownLog(ChartPicture& chart)
{
    const BrixoLog* log = m_tree->SelectedLog();
    if (!log || m_series.series.empty() || m_chart->SeriesCount() == 0)
        return std::nullopt;
    // A zoomed chart: the pilot says which part.
    bool viewShown = false;
    const TimeRange shown = m_chart->Shown();
    if (const std::optional<TimeRange> all = m_chart->DataRange();
        all && (shown.first > all->first || shown.last < all->last)) {
        const std::optional<bool> answer = m_askViewShown();
        if (!answer)
            return std::nullopt;
        viewShown = *answer;
    }
    TakeVisibility(m_series, *m_chart);
    FillLogPicture(chart, m_series, m_settings.climbsShown ? ClimbBands(m_climbs) : std::vector<TimeRange>{},
                   FlightMarks(m_flights));
    // The series' looks as the chart has them (Chart Style may have changed them since).
    for (size_t i = 0; i < chart.m_series.size() && static_cast<int>(i) < m_chart->SeriesCount(); ++i) {
        const std::shared_ptr<ChartSeries> from = m_chart->SeriesAt(static_cast<int>(i));
        ChartSeries& to = *chart.m_series[i];
        to.SetColorIndex(from->m_colorIndex);
        to.m_visible = from->m_visible;
        to.m_scalingMode = from->m_scalingMode;
        to.m_customMin = from->m_customMin;
        to.m_customMax = from->m_customMax;
        to.m_labels = from->m_labels;
    }
    if (viewShown) {
        chart.m_time.m_min = shown.first;
        chart.m_time.m_max = shown.last;
        chart.m_scene.m_look.fitHeightsToView = m_chart->Look().fitHeightsToView;
    }
    ReportNotes notes;
    notes.name = m_tree->currentItem() ? m_tree->currentItem()->text(0) : QString();
    if (const std::optional<LogbookEntry> entry = LogbookEntryOf(*log)) {
        notes.date = FlownText(*entry);
        notes.site = QString::fromStdString(entry->fields.site);
        notes.comment = QString::fromStdString(entry->fields.comment);
        notes.startElevation = entry->fields.startElevation;
    }
    notes.device = QString::fromStdString(DeviceName(m_config, DeviceIdOf(*log)));
    return MakeFlightReport(*log, m_series, m_settings, m_climbs, m_flights, notes);
}

void MainWindow::OnPrint()
{
    ChartPicture chart;
    const std::optional<FlightReport> report = ReportOfShownLog(chart);
    if (!report)
        return;
    QPrintDialog dialog(&Printer(), this);
    dialog.setWindowTitle(tr("Print"));
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    Printer().setResolution(96);
    if (PaintFlightReport(Printer(), *report, chart) == 0)
        m_warn(tr("The report could not be printed: the printer could not be started."));
}

void MainWindow::OnPrintPreview()
{
    ChartPicture chart;
    const std::optional<FlightReport> report = ReportOfShownLog(chart);
    if (!report)
        return;
    QPrintPreviewDialog dialog(&Printer(), this);
    dialog.setWindowTitle(tr("Print Preview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* printer) {
        printer->setResolution(96);
        PaintFlightReport(*printer, *report, chart);
    });
    m_runDialog(dialog);
}

void MainWindow::OnPrintSetup()
{
    QPageSetupDialog dialog(&Printer(), this);
    m_runDialog(dialog);
}

void MainWindow::OnExportPdf()
{
    ChartPicture chart;
    const std::optional<FlightReport> report = ReportOfShownLog(chart);
    if (!report)
        return;
    QFileDialog dialog(this, tr("Export as PDF"), StartFolder(), tr("PDF Files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (m_runFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    // On the paper the page set-up chose (A4 unless changed).
    if (Status written = WriteFlightReportPdf(path.toStdString(), *report, chart, Printer().pageLayout().pageSize());
        !written)
        m_warn(tr("The report could not be written to %1:\n%2").arg(path, QString::fromStdString(written.Error())));
    else
        statusBar()->showMessage(tr("The report was written to %1").arg(path));
}
