// Layout and drawing of the chart into its off-screen picture.
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "chart/chart_ctrl.h"
#include "chart/palette.h"
#include "chart/polyline_raster.h"

namespace {

constexpr int kInset = 5;
constexpr int kMaxGridLines = 1000;

// A line that covers its first point and stops one pixel short of the second,
// for the horizontal and vertical lines of axes, ticks, grid and marks.
void Line(QPainter& p, int x0, int y0, int x1, int y1)
{
    if (x0 == x1 && y0 == y1)
        return;
    const int dx = (x1 > x0) - (x1 < x0), dy = (y1 > y0) - (y1 < y0);
    p.drawLine(x0, y0, x1 - dx, y1 - dy);
}

QSize Extent(const QFont& font, const QString& text)
{
    const QFontMetrics m(font);
    return {m.horizontalAdvance(text), m.height()};
}

// Text with its top-left at (x, y) on an opaque white cell.
void Text(QPainter& p, int x, int y, const QString& text)
{
    const QSize e = Extent(p.font(), text);
    p.fillRect(x, y, e.width(), e.height(), Qt::white);
    p.drawText(QRect(x, y, e.width(), e.height()), Qt::AlignLeft | Qt::AlignTop, text);
}

// Text reading upwards from its reference point: the unrotated cell's top-left.
void RotatedText(QPainter& p, int x, int y, const QString& text)
{
    p.save();
    p.translate(x, y);
    p.rotate(-90);
    Text(p, 0, 0, text);
    p.restore();
}

QString Number(double value, int decimals)
{
    return QString::asprintf("%.*f", std::clamp(decimals, 0, 30), value);
}

}  // namespace

void CMChartCtrl::Layout(QSize size)
{
    const ChartRect client{0, 0, size.width(), size.height()};
    m_innerRect = {client.left + kInset, client.top + kInset, client.right - kInset, client.bottom - kInset};
    int plotLeft = m_innerRect.left, plotRight = m_innerRect.right;

    // Value-axis bands, stacked from the outer edges inwards in list order.
    std::vector<std::pair<int, int>> bands(m_series.size());
    for (size_t i = 0; i < m_series.size(); ++i) {
        CMChartSerie& s = *m_series[i];
        s.ApplyRange(s.m_dataMin, s.m_dataMax);
        if (!s.m_visible)
            continue;
        const int w = Extent(s.m_rotatedFont, QStringLiteral("00.00")).height() + 2 * s.m_axisSpacing + 9;
        if (s.m_axisOnLeft) {
            bands[i] = {plotLeft, plotLeft + w};
            plotLeft += w;
        } else {
            bands[i] = {plotRight - w, plotRight};
            plotRight -= w;
        }
    }

    // Legend rows under the time band: swatch, name and value box per series.
    int legendHeight = 0;
    if (m_legendShown && !m_series.empty()) {
        int x = plotLeft, y = 0, nh = 0, widest = 0;
        for (const auto& serie : m_series) {
            CMChartSerie& s = *serie;
            const QSize name = Extent(s.m_rotatedFont, s.m_name);
            nh = name.height();
            widest = std::max(widest, name.width());
            const QSize value = Extent(m_font, Number(s.m_max, 2 * s.m_decimals));
            const int boxLeft = x + name.width() + 3 * nh;
            s.m_valueBox = {boxLeft, y, boxLeft + value.width(), y + value.height()};
            x = s.m_valueBox.right + nh;
            if (x >= plotRight) {
                x = plotLeft;
                y += 2 * nh;
            }
        }
        const int rows = (x == plotLeft && y > 0) ? y - nh : y + nh;
        legendHeight = std::max(rows, widest);
        for (const auto& s : m_series) {
            s->m_valueBox.top += m_innerRect.bottom - legendHeight;
            s->m_valueBox.bottom += m_innerRect.bottom - legendHeight;
        }
        m_legendRect = {plotLeft, m_innerRect.bottom - legendHeight, plotRight, m_innerRect.bottom};
    } else {
        m_legendRect = {};
    }

    const int bandHeight = Extent(m_font, QStringLiteral("00.00")).height() + 2 * m_spacing + 9;
    m_rect = {plotLeft, m_innerRect.bottom - legendHeight - bandHeight, plotRight, m_innerRect.bottom - legendHeight};
    m_plotRect = {plotLeft, m_innerRect.top, plotRight, m_rect.top};

    std::vector<CYAxe*> visible;
    for (size_t i = 0; i < m_series.size(); ++i) {
        CMChartSerie& s = *m_series[i];
        if (!s.m_visible)
            continue;
        s.m_rect = {bands[i].first, m_innerRect.top, bands[i].second, m_plotRect.bottom};
        s.ComputeTicks(s.m_rect.Height());
        visible.push_back(&s);
    }
    ApplyCommonTickCount(visible);
    ComputeTicks(m_rect.Width());
}

void CMChartCtrl::Draw(QPainter& painter)
{
    const QSize size = m_picture.deviceIndependentSize().toSize();
    painter.fillRect(0, 0, size.width(), size.height(), m_backgroundColor);
    if (size.width() <= 2 * kInset || size.height() <= 2 * kInset)
        return;
    DrawTimeAxis(painter);
    DrawSelection(painter);
    DrawHorizontalGrid(painter);
    DrawSeries(painter);
    DrawLegend(painter);
}

void CMChartCtrl::DrawTimeAxis(QPainter& painter)
{
    painter.setFont(m_font);
    painter.setPen(m_axisPen);
    Line(painter, m_rect.left, m_rect.top, m_rect.right, m_rect.top);
    for (double tick : Ticks()) {
        const int x = ValueToPixel(tick);
        painter.setPen(m_axisPen);
        Line(painter, x, m_rect.top, x, m_rect.top + 4);
        if (m_gridShown) {
            painter.setPen(m_gridPen);
            Line(painter, x, m_plotRect.top, x, m_plotRect.bottom - 1);
        }
        const QString label = QString::fromStdString(TickLabel(tick)).left(255);
        painter.setPen(palette().color(QPalette::WindowText));
        Text(painter, x - Extent(m_font, label).width() / 2, m_rect.top + 6, label);
    }
}

void CMChartCtrl::DrawSelection(QPainter& painter)
{
    if (!m_selected)
        return;
    const int left = std::max(m_plotRect.left, ValueToPixel(m_selectionFirst));
    const int right = std::min(m_plotRect.right, ValueToPixel(m_selectionLast));
    if (left < right)
        painter.fillRect(left, m_plotRect.top, right - left, m_plotRect.Height(), m_selectionColor);
}

void CMChartCtrl::DrawHorizontalGrid(QPainter& painter)
{
    if (!m_gridShown)
        return;
    for (const auto& s : m_series) {
        if (!s->m_visible)
            continue;
        painter.setPen(m_gridPen);
        double value = s->m_firstTick + s->m_step;
        for (int i = 0; i < kMaxGridLines && value < s->m_max + 1e-7; ++i, value += s->m_step) {
            const int y = s->ValueToPixel(value);
            Line(painter, m_plotRect.left, y, m_plotRect.right, y);
        }
        return;  // the first visible series only
    }
}

void CMChartCtrl::DrawSeries(QPainter& painter)
{
    const QColor text = palette().color(QPalette::WindowText);
    for (const auto& serie : m_series) {
        const CMChartSerie& s = *serie;
        if (!s.m_visible)
            continue;
        // The value axis, in the series' colour, outside the clip.
        painter.setPen(s.m_curvePen);
        painter.setFont(s.m_rotatedFont);
        const ChartRect& r = s.m_rect;
        const int axisX = s.m_axisOnLeft ? r.right - 1 : r.left + 1;
        const int outwards = s.m_axisOnLeft ? -3 : 3;
        Line(painter, axisX, r.top, axisX, r.bottom);
        double value = s.m_firstTick;
        for (int i = 0; i < kMaxGridLines && (value <= s.m_min || value < s.m_max + 1e-7); ++i, value += s.m_step) {
            const int y = s.ValueToPixel(value);
            painter.setPen(s.m_curvePen);
            Line(painter, axisX, y, axisX + outwards, y);
            const QString label = Number(value, s.m_decimals);
            const QSize e = Extent(s.m_rotatedFont, label);
            painter.setPen(text);
            RotatedText(painter, s.m_axisOnLeft ? r.right - e.height() - 6 : r.left + 6, y + e.width() / 2, label);
        }
        const QSize title = Extent(s.m_rotatedFont, s.m_name);
        painter.setPen(text);
        RotatedText(painter, s.m_axisOnLeft ? r.right - title.height() - 6 : r.left + 6,
                    r.bottom + title.width() + title.height(), s.m_name);

        painter.save();
        painter.setClipRect(m_plotRect.left, m_plotRect.top, m_plotRect.Width(), m_plotRect.Height());
        DrawCurve(s);
        painter.setFont(s.m_horizontalFont);
        for (const auto& [time, labelValue] : s.m_labels) {
            if (!(time >= m_min && time <= m_max))
                continue;
            const int x = ValueToPixel(time), y = s.ValueToPixel(labelValue);
            painter.setPen(s.m_labelPen);
            Line(painter, x - 5, y, x + 5, y);
            Line(painter, x, y - 5, x, y + 5);
            const QString labelText = QString::fromStdString(TickLabel(time)).left(63) + QStringLiteral(", ") +
                                      Number(labelValue, s.m_decimals);
            painter.setPen(s.m_labelColor);
            Text(painter, x + 8, y, labelText);
        }
        painter.restore();
    }
}

void CMChartCtrl::DrawCurve(const CMChartSerie& s)
{
    const size_t n = s.m_values.size();
    if (n == 0 || !(m_max > m_min) || !(s.m_interval > 0))
        return;
    auto clampIndex = [n](double v) {
        return !(v > 0) ? size_t{0} : v >= static_cast<double>(n - 1) ? n - 1 : static_cast<size_t>(v);
    };
    const size_t i0 = clampIndex(std::floor((m_min - s.m_firstTime) / s.m_interval + 0.5));
    const double fromEnd = std::floor((s.EndTime() - m_max) / s.m_interval + 0.5);
    const size_t i1 = clampIndex(static_cast<double>(n) - fromEnd);
    if (i0 >= i1)
        return;
    // In the picture's own pixels: on a high-density screen the curve is drawn at its resolution.
    const double scale = m_picture.devicePixelRatio();
    auto X = [&](size_t i) {
        return ValueToDevicePixel(s.m_firstTime + static_cast<double>(i) * s.m_interval, scale);
    };
    auto Y = [&](double v) {
        return s.ValueToDevicePixel(v, scale);
    };
    auto device = [scale](int logical) {
        return static_cast<int>(std::lround(logical * scale));
    };

    QPolygon points;
    const size_t columns = static_cast<size_t>(std::max(device(m_plotRect.right) - device(m_plotRect.left), 1));
    if (!m_decimateCurves || i1 - i0 < 4 * columns) {
        points.reserve(static_cast<qsizetype>(i1 - i0 + 1));
        for (size_t i = i0; i <= i1; ++i)
            points.append(QPoint(X(i), Y(s.m_values[i])));
    } else {
        // Many samples per pixel column: its first, highest, lowest and last
        // samples cover exactly the pixels that all of them would. The last
        // column keeps every sample, as its last point is not drawn.
        points.reserve(static_cast<qsizetype>(4 * columns + 8));
        const double pixelTime = (m_max - m_min) / (scale * (m_rect.right - m_rect.left));
        const int lastColumn = X(i1);
        for (size_t i = i0; i <= i1;) {
            const int x = X(i);
            // The column's last sample: estimated from the time where the next column starts, then checked.
            const double nextColumn = m_min + (x + 1 - device(m_rect.left)) * pixelTime;
            size_t j = std::clamp(clampIndex(std::ceil((nextColumn - s.m_firstTime) / s.m_interval) - 1), i, i1);
            while (j < i1 && X(j + 1) == x)
                ++j;
            while (j > i && X(j) != x)
                --j;
            if (j - i < 4 || x == lastColumn) {
                for (size_t k = i; k <= j; ++k)
                    points.append(QPoint(x, Y(s.m_values[k])));
            } else {
                const auto [low, high] = s.MinMaxOf(i, j + 1);
                points.append(QPoint(x, Y(s.m_values[i])));
                points.append(QPoint(x, Y(high)));
                points.append(QPoint(x, Y(low)));
                points.append(QPoint(x, Y(s.m_values[j])));
            }
            i = j + 1;
        }
    }
    const ChartRect clip{device(m_plotRect.left), device(m_plotRect.top), device(m_plotRect.right),
                         device(m_plotRect.bottom)};
    DrawPolyline(m_picture, points, s.m_curvePen.color().rgb(), clip);
}

void CMChartCtrl::DrawLegend(QPainter& painter)
{
    if (!m_legendShown)
        return;
    int x = m_legendRect.left, y = m_legendRect.top;
    painter.setFont(m_font);
    for (const auto& serie : m_series) {
        CMChartSerie& s = *serie;
        const int nh = Extent(s.m_rotatedFont, s.m_name).height();
        s.m_swatchRect = {x, y, x + nh, y + nh};
        if (s.m_visible) {
            painter.fillRect(x, y, nh, nh, PaletteColor(s.m_colorIndex));
            painter.setPen(palette().color(QPalette::WindowText));
        } else {
            painter.fillRect(x, y, nh, nh, Qt::white);
            painter.setPen(s.m_curvePen);
            painter.drawRect(x, y, nh - 1, nh - 1);
            painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
        }
        Text(painter, x + 2 * nh, y, s.m_name);
        x = s.m_valueBox.right + nh;
        if (x >= m_plotRect.right) {
            x = m_legendRect.left;
            y += 2 * nh;
        }
    }
}

void CMChartCtrl::DrawPanFrame()
{
    if (m_picture.isNull())
        return;
    ComputeTicks(m_rect.Width());
    QPainter painter(&m_picture);
    painter.fillRect(m_plotRect.left, m_plotRect.top, m_rect.right - m_plotRect.left, m_rect.bottom - m_plotRect.top,
                     m_backgroundColor);
    DrawTimeAxis(painter);
    DrawHorizontalGrid(painter);
    DrawSeries(painter);
    update();
}
