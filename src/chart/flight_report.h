#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/result.h"
#include "chart/chart_picture.h"
#include "dsp/airtime.h"
#include "dsp/climbs.h"
#include "dsp/log_series.h"

class BrixoLog;
class QPagedPaintDevice;
struct Settings;

// What the pilot noted about a flight, as the report shows it.
struct ReportNotes {
    QString name;  // the log's name, or the one the pilot gave it
    QString date;  // when it was flown, as far as known
    QString site;
    QString comment;
    std::optional<double> startElevation;  // metres above sea level
    QString device;
};

// A report of one flight: its notes, the chart, the statistics, the climbs and the marks.
struct FlightReport {
    QString title;
    std::vector<std::pair<QString, QString>> notes;  // ("Date", "2026-06-14"), ...
    QString comment;
    // Sections of statistics ("Log", "Airtime", "Climbs"), each its rows of name and value.
    std::vector<std::pair<QString, std::vector<std::pair<QString, QString>>>> statistics;
    QStringList climbsHeader;
    std::vector<QStringList> climbs;
    QString marks;  // "Takeoff 00:22, Landing 59:39"
};

// The report of a log from its series (in metres, their units naming the units shown), the
// settings, its climbs and flights, and the pilot's notes.
FlightReport MakeFlightReport(const BrixoLog& log, const LogSeries& series, const Settings& settings,
                              const ClimbAnalysis& climbs, const std::vector<FlightSpan>& flights,
                              const ReportNotes& notes);

// Paints the report on pages of the device, which must count 96 dots to the inch (QPdfWriter
// and QPrinter can be set so): the chart (its scene as lines) as the picture lays it out, a comment
// or a climbs table too long for one page going on to the next. Gives the number of pages.
int PaintFlightReport(QPagedPaintDevice& device, const FlightReport& report, ChartPicture& chart);

// The report as a PDF file of this page size, written safely (all or nothing).
Status WriteFlightReportPdf(const std::string& path, const FlightReport& report, ChartPicture& chart,
                            const QPageSize& pageSize = QPageSize(QPageSize::A4));
