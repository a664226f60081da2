// The main window's Export: one log, or the selected stretch of the log on display, as
// ".alt", CSV or JPEG.
#include <QFileDialog>

#include "app/log_file.h"
#include "chart/chart_picture.h"
#include "chart/picture_export.h"
#include "config/configuration.h"
#include "export/csv_export.h"
#include "ui/chart_filling.h"
#include "ui/export_dialog.h"
#include "ui/log_tree.h"
#include "ui/main_window.h"

bool MainWindow::ExportLog(const BrixoLog& log, size_t first, size_t end, bool imageAllowed)
{
    QString name;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        if (QTreeWidgetItem* item = m_tree->topLevelItem(i); m_tree->LogOf(item) == &log)
            name = ExportName(item->text(0), m_tree->DefaultName(item));
    QFileDialog dialog(this);
    if (const QString folder = StartFolder(); !folder.isEmpty())
        dialog.setDirectory(folder);
    SetUpExportDialog(dialog, imageAllowed, name);
    if (m_runFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const ExportType type = ChosenExportType(dialog);
    if (type == ExportType::None)
        return false;
    const std::string path = WithExportExtension(dialog.selectedFiles().first().toStdString(), type);
    if (!ExportLogTo(log, first, end, type, QString::fromStdString(path)))
        return false;
    RememberFolder(QString::fromStdString(path));
    return true;
}

bool MainWindow::ShowsLog(const BrixoLog& log) const
{
    return m_tree->SelectedLog() == &log && !m_series.series.empty() && m_chart->SeriesCount() > 0;
}

bool MainWindow::ExportLogTo(const BrixoLog& log, size_t first, size_t end, ExportType type, const QString& path)
{
    return Guarded(tr("There is not enough memory to export the log to %1.").arg(path),
                   [&] { return ExportLogToNow(log, first, end, type, path); });
}

bool MainWindow::ExportLogToNow(const BrixoLog& log, size_t first, size_t end, ExportType type, const QString& path)
{
    if (type == ExportType::None)
        return false;
    const std::string file = path.toStdString();
    const std::string unusable = UnusableName(path);
    Status written = Fail(unusable);
    if (unusable.empty()) {
        switch (type) {
        case ExportType::Alt: written = ExportAlt(file, log, first, end); break;
        case ExportType::Csv: written = ExportCsvOf(log, first, end, file); break;
        case ExportType::Jpeg: written = ExportJpegOf(log, file); break;
        case ExportType::None: break;
        }
    }
    if (!written)
        m_warn(tr("The log could not be exported to %1:\n%2").arg(path, QString::fromStdString(written.Error())));
    return written.Ok();
}

Status MainWindow::ExportCsvOf(const BrixoLog& log, size_t first, size_t end, const std::string& file)
{
    // The log on display gives the chart's series as they are shown; another log its own,
    // built with the current settings and the chart's visibility.
    LogSeries built;
    const LogSeries* series = &m_series;
    if (!ShowsLog(log)) {
        built = BuildLogSeries(log, m_settings, SeriesChoice::All, StartElevationOf(log));
        TakeVisibility(built, *m_chart);
        series = &built;
    } else {
        TakeVisibility(m_series, *m_chart);
    }
    if (series->series.empty() || !series->series[0].problem.empty())
        return Fail(series->series.empty() ? tr("the log holds no altitude samples").toStdString()
                                           : series->series[0].problem);
    // A series that could not be made is left out, so that the others still fill the table.
    std::vector<std::string> leftOut;
    // A file keeps climb rates in the length unit a second, whatever the window reads them in.
    LogSeries forFile = *series;
    forFile.units.vario.reset();
    const LogSeries shown = InDisplayUnits(forFile);
    const std::vector<const NamedSeries*> table = TableSeries(shown.Shown(), leftOut);
    if (Status written = ExportCsv(file, table, log.SamplePeriod(), first, end, series->series[0].values.size());
        !written)
        return written;
    if (!leftOut.empty()) {
        QString text =
            tr("The table in %1 was written without some of the shown series:").arg(QString::fromStdString(file));
        for (const std::string& line : leftOut)
            text += QLatin1Char('\n') + QString::fromStdString(line);
        m_warn(text);
    }
    return {};
}

Status MainWindow::ExportJpegOf(const BrixoLog& log, const std::string& file)
{
    const QSize size(BoundedImageSide(m_settings.imageCx), BoundedImageSide(m_settings.imageCy));
    QImage picture;
    if (ShowsLog(log)) {
        // What the chart shows (its view, labels and selection), drawn at the preferences' size.
        picture = m_chart->Snapshot()->Draw(size);
    } else {
        LogSeries series = BuildLogSeries(log, m_settings, SeriesChoice::All, StartElevationOf(log));
        if (series.series.empty() || series.series[0].values.size() < 2)
            return Fail(series.errors.empty() ? tr("the log holds too few samples to draw").toStdString()
                                              : series.errors.front());
        TakeVisibility(series, *m_chart);
        picture = DrawLogPicture(
            series, size, m_settings.climbsShown ? ClimbBands(ClimbsOf(series, m_settings)) : std::vector<TimeRange>{},
            FlightMarks(FlightsMarked(log, LogbookEntryOf(log))));
    }
    if (picture.isNull())
        return Fail(
            tr("a picture of %1 x %2 pixels cannot be made").arg(size.width()).arg(size.height()).toStdString());
    return ExportJpeg(file, picture);
}
