#include "chart/flight_report.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

#include "app/brixo_log.h"
#include "app/settings.h"
#include "base/file_access.h"
#include "base/time_text.h"
#include "dsp/statistics.h"

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// Writes down a page from top to bottom, starting a new page when what comes does not fit.
class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device, QPainter& painter) : m_device(device), m_painter(painter)
    {
        // A margin of about 15 mm on a page of 96 dots to the inch.
        constexpr int kMargin = 57;
        m_left = kMargin;
        m_top = kMargin;
        m_right = std::max(device.width() - kMargin, m_left + 100);
        m_bottom = std::max(device.height() - kMargin, m_top + 100);
        m_y = m_top;
    }

    int Width() const { return m_right - m_left; }
    int Left() const { return m_left; }
    int Y() const { return m_y; }
    int Pages() const { return m_pages; }
    int RoomLeft() const { return m_bottom - m_y; }
    int PageHeight() const { return m_bottom - m_top; }

    // Room for this height on this page, or a new one.
    void Need(int height)
    {
        if (m_y + height > m_bottom && m_y > m_top)
            NewPage();
    }
    void NewPage()
    {
        m_device.newPage();
        ++m_pages;
        m_y = m_top;
    }
    void Skip(int height) { m_y += height; }

    // A text of any length, wrapped to the width; its lines go on to the next page.
    void Paragraphs(const QString& text, const QFont& font)
    {
        m_painter.setFont(font);
        const QFontMetrics metrics(font);
        for (const QString& paragraph : text.split(u'\n')) {
            QTextLayout layout(paragraph, font, &m_device);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
                line.setLineWidth(Width());
            layout.endLayout();
            if (layout.lineCount() == 0) {
                Need(metrics.lineSpacing());
                Skip(metrics.lineSpacing());
            }
            for (int i = 0; i < layout.lineCount(); ++i) {
                const QTextLine line = layout.lineAt(i);
                Need(static_cast<int>(std::ceil(line.height())));
                line.draw(&m_painter, QPointF(m_left, m_y - line.y()));
                Skip(static_cast<int>(std::ceil(line.height())));
            }
        }
    }

    // Rows of cells in columns of these widths (fractions of the width); the header repeats on
    // every page the table reaches.
    void Table(const QStringList& header, const std::vector<QStringList>& rows, const std::vector<double>& widths,
               const QFont& font, const QFont& bold)
    {
        const int rowHeight = QFontMetrics(font).lineSpacing() + 2;
        const auto drawRow = [&](const QStringList& cells, const QFont& f) {
            m_painter.setFont(f);
            double x = m_left;
            for (int c = 0; c < cells.size() && c < static_cast<int>(widths.size()); ++c) {
                const double w = widths[static_cast<size_t>(c)] * Width();
                m_painter.drawText(QRectF(x, m_y, w - 4, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                                   QFontMetrics(f).elidedText(cells[c], Qt::ElideRight, static_cast<int>(w) - 4));
                x += w;
            }
            Skip(rowHeight);
        };
        Need(2 * rowHeight);
        if (!header.isEmpty())
            drawRow(header, bold);
        for (const QStringList& row : rows) {
            if (m_y + rowHeight > m_bottom) {
                NewPage();
                if (!header.isEmpty())
                    drawRow(header, bold);
            }
            drawRow(row, font);
        }
    }

private:
    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    int m_left, m_top, m_right, m_bottom, m_y;
    int m_pages = 1;
};

}  // namespace

FlightReport MakeFlightReport(const BrixoLog& log, const LogSeries& series, const Settings& settings,
                              const ClimbAnalysis& climbs, const std::vector<FlightSpan>& flights,
                              const ReportNotes& notes)
{
    const LengthUnit& units = series.units;
    FlightReport report;
    report.title = notes.name;
    if (!notes.date.isEmpty())
        report.notes.emplace_back(QCoreApplication::translate("FlightReport", "Date", "when the flight was flown"),
                                  notes.date);
    if (!notes.site.isEmpty())
        report.notes.emplace_back(QCoreApplication::translate("FlightReport", "Site", "where the flight was flown"),
                                  notes.site);
    if (notes.startElevation)
        report.notes.emplace_back(
            QCoreApplication::translate("FlightReport", "Start elevation"),
            QStringLiteral("%1 %2").arg(std::lround(units.FromMetres(*notes.startElevation))).arg(Q(units.name)));
    if (!notes.device.isEmpty())
        report.notes.emplace_back(
            QCoreApplication::translate("FlightReport", "Device", "the logger that recorded the flight"), notes.device);
    report.comment = notes.comment;

    if (!series.series.empty()) {
        const NamedSeries& alt = series.series[0];
        LogStatTexts texts = LogStatistics(log, alt, units);
        texts.reference = AltitudeReferenceText(settings.altAboveSeaLevel, series.aboveSeaLevel);
        std::vector<std::pair<QString, QString>> rows{
            {QCoreApplication::translate("FlightReport", "Duration", "length of the log"),
             ChartNumbers(Q(texts.duration))},
            {QCoreApplication::translate("FlightReport", "Rate", "sample rate of the log"),
             ChartNumbers(Q(texts.rate))},
            {QCoreApplication::translate("FlightReport", "max Altitude"), ChartNumbers(Q(texts.maxAltitude).trimmed())},
            {QCoreApplication::translate("FlightReport", "Altitude", "what the altitudes are measured from"),
             Q(texts.reference)}};
        if (const std::string sigma = ModelSigmaText(series, settings); !sigma.empty())
            rows.emplace_back(QCoreApplication::translate("FlightReport", "Model Sigma"), ChartNumbers(Q(sigma)));
        report.statistics.emplace_back(
            QCoreApplication::translate("FlightReport", "Log", "section: statistics of the recorded log"), rows);
    }
    const AirtimeStatTexts air = AirtimeStatistics(flights, std::nullopt);
    std::vector<std::pair<QString, QString>> airRows{
        {QCoreApplication::translate("FlightReport", "Takeoff"), Q(air.takeoff)},
        {QCoreApplication::translate("FlightReport", "Landing"), Q(air.landing)},
        {QCoreApplication::translate("FlightReport", "Airtime"), Q(air.airtime)}};
    if (!air.flights.empty())
        airRows.emplace_back(QCoreApplication::translate("FlightReport", "Flights", "number of flights"),
                             ChartNumbers(Q(air.flights)));
    report.statistics.emplace_back(QCoreApplication::translate("FlightReport", "Airtime"), airRows);
    const ClimbStatTexts c = ClimbStatistics(climbs, units);
    report.statistics.emplace_back(
        QCoreApplication::translate("FlightReport", "Climbs", "section"),
        std::vector<std::pair<QString, QString>>{
            {QCoreApplication::translate("FlightReport", "Count", "number of climbs"), Q(c.count)},
            {QCoreApplication::translate("FlightReport", "Time climbing"), ChartNumbers(Q(c.timeClimbing))},
            {QCoreApplication::translate("FlightReport", "Height gained"), ChartNumbers(Q(c.heightGained))},
            {QCoreApplication::translate("FlightReport", "Best climb"), ChartNumbers(Q(c.bestClimb))},
        });

    const QString length = Q(units.name), speed = Q(units.Speed());
    report.climbsHeader = {
        QCoreApplication::translate("FlightReport", "Climb", "column: the climb's number"),
        QCoreApplication::translate("FlightReport", "Start", "column: when the climb began"),
        QCoreApplication::translate("FlightReport", "End", "column: when the climb ended"),
        QCoreApplication::translate("FlightReport", "Duration", "column: how long the climb lasted"),
        QCoreApplication::translate("FlightReport", "Gain [%1]", "column: height gained; %1 is the length unit")
            .arg(length),
        QCoreApplication::translate("FlightReport", "Average [%1]", "column: average climb rate; %1 is the speed unit")
            .arg(speed),
        QCoreApplication::translate("FlightReport", "Max [%1]", "column: highest climb rate; %1 is the speed unit")
            .arg(speed)};
    const NamedSeries* alt = series.Find("Alt");
    const TimeLabelStyle style = TimeLabelStyleFor(alt ? static_cast<double>(alt->values.size()) * alt->interval : 0.0);
    for (size_t i = 0; i < climbs.climbs.size(); ++i) {
        const Climb& cl = climbs.climbs[i];
        report.climbs.push_back(
            {QString::number(i + 1), Q(TimeLabel(cl.start, style)), Q(TimeLabel(cl.end, style)),
             Q(TimeLabel(cl.duration, style)), ChartNumbers(QString::number(units.FromMetres(cl.gain), 'f', 1)),
             ChartNumbers(QString::number(units.SpeedFromMetres(cl.average), 'f', units.SpeedDecimals())),
             ChartNumbers(QString::number(units.SpeedFromMetres(cl.max), 'f', units.SpeedDecimals()))});
    }
    QStringList marks;
    for (const FlightSpan& f : flights)
        marks << QCoreApplication::translate("FlightReport", "Takeoff %1, Landing %2",
                                             "the times of a flight's takeoff and landing")
                     .arg(Q(TimeLabel(f.takeoff, style)), Q(TimeLabel(f.landing, style)));
    report.marks = marks.join(QStringLiteral("; "));
    return report;
}

int PaintFlightReport(QPagedPaintDevice& device, const FlightReport& report, ChartPicture& chart)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    PageWriter page(device, painter);
    QFont body = chart.m_scene.m_look.font;
    body.setPixelSize(12);
    QFont bold = body;
    bold.setBold(true);
    QFont title = body;
    title.setPixelSize(20);
    title.setBold(true);
    painter.setPen(Qt::black);

    page.Paragraphs(report.title, title);
    page.Skip(4);
    QStringList noted;
    for (const auto& [name, value] : report.notes)
        noted << name + QStringLiteral(": ") + value;
    if (!noted.isEmpty())
        page.Paragraphs(noted.join(QStringLiteral("   ")), body);
    if (!report.comment.isEmpty()) {
        page.Skip(6);
        page.Paragraphs(report.comment, body);
    }
    page.Skip(10);

    // The chart: the page's width, about a third of its height; on a page of its own when less
    // than that is left.
    const int chartHeight = std::clamp(page.PageHeight() / 3, 120, 420);
    page.Need(chartHeight);
    const QSize size(page.Width(), chartHeight);
    chart.m_scene.Layout(size);
    painter.save();
    painter.translate(page.Left(), page.Y());
    painter.setClipRect(0, 0, size.width(), size.height());
    chart.m_scene.DrawVector(painter, size);
    painter.restore();
    page.Skip(chartHeight + 12);
    if (!report.marks.isEmpty())
        page.Paragraphs(report.marks, body);
    page.Skip(8);

    // The statistics, a section after another.
    for (const auto& [section, rows] : report.statistics) {
        std::vector<QStringList> cells;
        cells.reserve(rows.size());
        for (const auto& [name, value] : rows)
            cells.push_back({name, value});
        page.Table({section, QString()}, cells, {0.3, 0.7}, body, bold);
        page.Skip(6);
    }
    if (!report.climbs.empty()) {
        page.Skip(6);
        page.Table(report.climbsHeader, report.climbs, {0.1, 0.13, 0.13, 0.13, 0.17, 0.17, 0.17}, body, bold);
    }
    return page.Pages();
}

Status WriteFlightReportPdf(const std::string& path, const FlightReport& report, ChartPicture& chart,
                            const QPageSize& pageSize)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly))
            return Fail(
                QCoreApplication::translate("FlightReport", "the report could not be made in memory").toStdString());
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setResolution(96);
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Nivra"));
        if (PaintFlightReport(writer, report, chart) == 0)
            return Fail(QCoreApplication::translate("FlightReport", "the report could not be drawn").toStdString());
    }
    return WriteFileSafely(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}
