// Layout and drawing of the chart into a picture, for the screen, exports and tests alike.
#include "chart/chart_scene.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

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

// Text with its top-left at (x, y) on an opaque white cell; returns the cell.
QRect Text(QPainter& p, int x, int y, const QString& text)
{
    const QSize e = Extent(p.font(), text);
    p.fillRect(x, y, e.width(), e.height(), Qt::white);
    p.drawText(QRect(x, y, e.width(), e.height()), Qt::AlignLeft | Qt::AlignTop, text);
    return {x, y, e.width(), e.height()};
}

// Text reading upwards from its reference point: the unrotated cell's top-left.
// Returns the cell as it lies in the picture.
QRect RotatedText(QPainter& p, int x, int y, const QString& text)
{
    p.save();
    p.translate(x, y);
    p.rotate(-90);
    const QRect cell = Text(p, 0, 0, text);
    p.restore();
    return {x, y - cell.width(), cell.height(), cell.width()};
}

// Room kept between two value labels and between the lowest label and the axis title.
constexpr int kLabelGap = 4;

// The legend's title of the time read-out.
QString TimeTitle()
{
    return QCoreApplication::translate("ChartScene", "Time", "legend title of the mouse's time read-out");
}

}  // namespace

ChartScene::ChartScene(TimeAxis& time, const std::vector<std::shared_ptr<ChartSeries>>& series)
    : m_time(time), m_series(series)
{
}

void ChartScene::MakePens()
{
    m_axisPen = QPen(m_look.axis, 1, Qt::SolidLine);
    m_gridPen = QPen(m_look.grid, 1, Qt::DotLine);
    for (QPen* pen : {&m_axisPen, &m_gridPen})
        pen->setCosmetic(true);
}

int ChartScene::ValueLabelLength(const ChartSeries& s, double value) const
{
    return Extent(s.m_rotatedFont, s.ValueText(value, false)).width();
}

int ChartScene::TimeReadOutWidth() const
{
    // Every time shown has the shape of the range end's label; digits may differ in width.
    const QString shape = QString::fromStdString(m_time.TickLabel(m_time.m_max));
    int widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        QString text = shape;
        for (QChar& c : text)
            if (c.isDigit())
                c = QLatin1Char(digit);
        widest = std::max(widest, Extent(m_look.font, text).width());
    }
    return widest;
}

void ChartScene::Layout(QSize size)
{
    const ChartRect client{0, 0, size.width(), size.height()};
    m_innerRect = {client.left + kInset, client.top + kInset, client.right - kInset, client.bottom - kInset};
    int plotLeft = m_innerRect.left, plotRight = m_innerRect.right;

    // Value-axis bands, stacked from the outer edges inwards in list order.
    std::vector<std::pair<int, int>> bands(m_series.size());
    std::vector<ChartSeries*> visible;
    std::vector<std::pair<int, int>> visibleBands;
    for (size_t i = 0; i < m_series.size(); ++i) {
        ChartSeries& s = *m_series[i];
        FitRange(s);
        if (!AxisShown(i))
            continue;
        const int w = Extent(s.m_rotatedFont, QStringLiteral("00.00")).height() + 2 * s.m_axisSpacing + 9;
        if (s.m_axisOnLeft) {
            bands[i] = {plotLeft, plotLeft + w};
            plotLeft += w;
        } else {
            bands[i] = {plotRight - w, plotRight};
            plotRight -= w;
        }
        visible.push_back(&s);
        visibleBands.push_back(bands[i]);
    }

    // Legend rows under the time band: swatch, title and value box per series, then the
    // time's title and box; a box holds the widest read-out it can show, unit included. The
    // values are written with the decimals of their axis, known only once the axes are laid
    // out, so the rows are laid out again with them.
    const auto layOutLegend = [this, plotLeft, plotRight] {
        if (!m_look.legendShown || m_series.empty())
            return 0;
        int x = plotLeft, y = 0, nh = 0, entryLeft = plotLeft;
        const auto place = [&](int titleWidth, int boxWidth) {
            // An entry that would reach past the plot begins a row of its own (a row's first
            // entry stays, however long), so that no name or value is cut at the edge.
            if (x > plotLeft && x + titleWidth + 3 * nh + boxWidth > plotRight) {
                x = plotLeft;
                y += 2 * nh;
            }
            entryLeft = x;
            const int boxLeft = x + titleWidth + 3 * nh;
            const ChartRect box{boxLeft, y, boxLeft + boxWidth, y + Extent(m_look.font, QStringLiteral("0")).height()};
            x = box.right + nh;
            return box;
        };
        for (const auto& serie : m_series) {
            ChartSeries& s = *serie;
            const QSize name = Extent(s.m_rotatedFont, s.Title());
            nh = name.height();
            int valueWidth = 0;
            for (double v : {s.m_max, s.m_min, s.m_dataMax, s.m_dataMin})
                valueWidth = std::max(valueWidth, Extent(m_look.font, s.ReadingText(v, true)).width());
            s.m_valueBox = place(name.width(), valueWidth);
        }
        // The time needs no swatch: its title stands where a swatch would begin.
        m_timeBox = {};
        if (m_look.timeReadOut)
            m_timeBox = place(Extent(m_look.font, TimeTitle()).width() - 2 * nh, TimeReadOutWidth());
        m_timeTitleLeft = m_look.timeReadOut ? entryLeft : x;
        m_timeTitleTop = m_timeBox.top;
        return y + nh;
    };
    int legendRows = layOutLegend();

    // The plot, the axes and the space around them depend on each other: the end
    // labels reach half their length beyond the axis (above the plot, and below it
    // where the title follows), and the titles need room under the plot. A few
    // passes settle them.
    const int bandHeight = Extent(m_look.font, QStringLiteral("00.00")).height() + 2 * m_look.spacing + 9;
    int legendHeight = 0, topMargin = 0;
    std::vector<int> below(visible.size(), 0);
    const auto labelLength = [this](const ValueAxis& axis, double value) {
        return ValueLabelLength(static_cast<const ChartSeries&>(axis), value);
    };
    for (int pass = 0; pass < 4; ++pass) {
        int titles = 0;
        for (size_t i = 0; i < visible.size(); ++i)
            titles = std::max(
                titles, below[i] + kLabelGap + Extent(visible[i]->m_rotatedFont, visible[i]->AxisTitle()).width());
        legendHeight = std::max(legendRows, titles - bandHeight);
        m_time.m_rect = {plotLeft, m_innerRect.bottom - legendHeight - bandHeight, plotRight,
                         m_innerRect.bottom - legendHeight};
        m_plotRect = {plotLeft, m_innerRect.top + topMargin, plotRight, m_time.m_rect.top};
        std::vector<ValueAxis*> axes;
        for (size_t i = 0; i < visible.size(); ++i) {
            ChartSeries& s = *visible[i];
            FitRange(s);
            s.m_rect = {visibleBands[i].first, m_plotRect.top, visibleBands[i].second, m_plotRect.bottom};
            axes.push_back(&s);
        }
        LayOutValueAxes(axes, m_plotRect.Height(), labelLength, kLabelGap);
        const int rows = layOutLegend();
        bool settled = rows <= legendRows;
        legendRows = std::max(legendRows, rows);
        int top = 0;
        for (size_t i = 0; i < visible.size(); ++i) {
            const ChartSeries& s = *visible[i];
            const bool ticked = s.m_tickCount >= 0;
            if (ticked)
                top = std::max(top, (ValueLabelLength(s, s.TickValue(s.m_tickCount)) + 1) / 2);
            const int bottom = ticked ? (ValueLabelLength(s, s.TickValue(0)) + 1) / 2 : 0;
            settled = settled && bottom <= below[i];
            below[i] = std::max(below[i], bottom);
        }
        if (settled && top <= topMargin)
            break;
        topMargin = std::max(topMargin, top);
    }
    m_belowAxes = below;
    // A series drawn on another's axis takes that axis as laid out.
    for (const auto& s : m_series)
        if (SharesAxis(*s))
            static_cast<ValueAxis&>(*s) = static_cast<const ValueAxis&>(*m_series[static_cast<size_t>(s->m_onAxisOf)]);

    m_time.ComputeTicks(m_time.m_rect.Width());
    if (m_look.legendShown && !m_series.empty()) {
        const int top = m_innerRect.bottom - legendHeight;
        for (const auto& s : m_series) {
            s->m_valueBox.top += top;
            s->m_valueBox.bottom += top;
        }
        if (m_look.timeReadOut) {
            m_timeBox.top += top;
            m_timeBox.bottom += top;
            m_timeTitleTop += top;
        }
        m_legendRect = {plotLeft, top, plotRight, m_innerRect.bottom};
    } else {
        m_legendRect = {};
        m_timeBox = {};
    }
}

void ChartScene::Draw(QImage& picture)
{
    m_target = &picture;
    QPainter painter(&picture);
    DrawWith(painter, picture.deviceIndependentSize().toSize());
    m_target = nullptr;
}

void ChartScene::DrawVector(QPainter& painter, QSize size)
{
    m_target = nullptr;
    painter.save();
    DrawWith(painter, size);
    painter.restore();
}

void ChartScene::DrawWith(QPainter& painter, QSize size)
{
    m_textRects.clear();
    MakePens();
    painter.fillRect(0, 0, size.width(), size.height(), m_look.background);
    if (size.width() > 2 * kInset && size.height() > 2 * kInset) {
        DrawBands(painter);
        DrawTimeAxis(painter);
        DrawSelection(painter);
        DrawHorizontalGrid(painter);
        DrawSeries(painter);
        DrawMarks(painter);
        DrawLegend(painter);
    }
}

std::optional<int> ChartScene::MarkX(const ChartMark& mark) const
{
    if (!std::isfinite(mark.time) || mark.time < m_time.m_min || mark.time > m_time.m_max)
        return std::nullopt;
    const int x = m_time.ValueToPixel(mark.time);
    if (x < m_plotRect.left || x >= m_plotRect.right)
        return std::nullopt;
    return x;
}

void ChartScene::DrawMarks(QPainter& painter)
{
    painter.setFont(m_look.font);
    const int height = Extent(m_look.font, QStringLiteral("Takeoff")).height();
    for (const ChartMark& mark : m_marks) {
        const std::optional<int> x = MarkX(mark);
        if (!x)
            continue;
        painter.setPen(m_look.text);
        Line(painter, *x, m_plotRect.top, *x, m_plotRect.bottom);
        // Right of its line, or left of it where the plot ends.
        const int width = Extent(m_look.font, mark.text).width();
        const int left = *x + 3 + width <= m_plotRect.right ? *x + 3 : *x - 3 - width;
        const int top = m_plotRect.bottom - height - 2;
        if (top > m_plotRect.top)
            m_textRects.push_back(Text(painter, left, top, mark.text));
    }
}

void ChartScene::DrawTimeAxis(QPainter& painter)
{
    painter.setFont(m_look.font);
    painter.setPen(m_axisPen);
    Line(painter, m_time.m_rect.left, m_time.m_rect.top, m_time.m_rect.right, m_time.m_rect.top);
    int previousRight = std::numeric_limits<int>::min();  // of the last label written
    for (double tick : m_time.Ticks()) {
        const int x = m_time.ValueToPixel(tick);
        painter.setPen(m_axisPen);
        Line(painter, x, m_time.m_rect.top, x, m_time.m_rect.top + 4);
        if (m_look.gridShown) {
            painter.setPen(m_gridPen);
            Line(painter, x, m_plotRect.top, x, m_plotRect.bottom - 1);
        }
        const QString label = QString::fromStdString(m_time.TickLabel(tick)).left(255);
        // Centred on its tick, but whole: the first and last labels stay within the band.
        const int width = Extent(m_look.font, label).width();
        const int left = std::max(m_time.m_rect.left, std::min(x - width / 2, m_time.m_rect.right - width));
        // A label pushed inwards at either end would run into its neighbour: its tick stays
        // without it.
        if (left < previousRight + kLabelGap)
            continue;
        painter.setPen(m_look.text);
        m_textRects.push_back(Text(painter, left, m_time.m_rect.top + 6, label));
        previousRight = left + width;
    }
}

void ChartScene::DrawSelection(QPainter& painter)
{
    if (!m_selection)
        return;
    const int left = std::max(m_plotRect.left, m_time.ValueToPixel(m_selection->first));
    const int right = std::min(m_plotRect.right, m_time.ValueToPixel(m_selection->last));
    if (left < right) {
        // Multiplied over what lies beneath: the selection's own grey on the paper, and the
        // climbs' shading still seen through it.
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(left, m_plotRect.top, right - left, m_plotRect.Height(), m_look.selection);
        painter.restore();
    }
}

void ChartScene::DrawBands(QPainter& painter)
{
    for (const TimeRange& band : m_bands) {
        const int left = std::max(m_plotRect.left, m_time.ValueToPixel(band.first));
        const int right = std::min(m_plotRect.right, m_time.ValueToPixel(band.last));
        if (left < right)
            painter.fillRect(left, m_plotRect.top, right - left, m_plotRect.Height(), m_look.band);
    }
}

void ChartScene::DrawHorizontalGrid(QPainter& painter)
{
    if (!m_look.gridShown)
        return;
    for (size_t index = 0; index < m_series.size(); ++index) {
        const auto& s = m_series[index];
        if (!AxisShown(index))
            continue;
        painter.setPen(m_gridPen);
        // Not over the time axis' line.
        for (int k = 0; k <= s->m_tickCount && k < kMaxGridLines; ++k) {
            const int y = s->ValueToPixel(s->TickValue(k));
            if (y < m_plotRect.bottom)
                Line(painter, m_plotRect.left, y, m_plotRect.right, y);
        }
        return;  // the first visible series only
    }
}

void ChartScene::DrawValueAxis(QPainter& painter, const ChartSeries& s, int below, const QPen& pen)
{
    // Outside the clip.
    const QColor text = m_look.text;
    painter.setPen(pen);
    painter.setFont(s.m_rotatedFont);
    const ChartRect& r = s.m_rect;
    const int axisX = s.m_axisOnLeft ? r.right - 1 : r.left + 1;
    const int outwards = s.m_axisOnLeft ? -3 : 3;
    Line(painter, axisX, r.top, axisX, r.bottom);
    for (int k = 0; k <= s.m_tickCount && k < kMaxGridLines; ++k) {
        const double value = s.TickValue(k);
        const int y = s.ValueToPixel(value);
        painter.setPen(pen);
        Line(painter, axisX, y, axisX + outwards, y);
        const QString label = s.ValueText(value, false);
        const QSize e = Extent(s.m_rotatedFont, label);
        painter.setPen(text);
        m_textRects.push_back(
            RotatedText(painter, s.m_axisOnLeft ? r.right - e.height() - 6 : r.left + 6, y + e.width() / 2, label));
    }
    // The title under the axis, below the lowest label.
    const QString titleText = s.AxisTitle();
    const QSize title = Extent(s.m_rotatedFont, titleText);
    painter.setPen(text);
    m_textRects.push_back(RotatedText(painter, s.m_axisOnLeft ? r.right - title.height() - 6 : r.left + 6,
                                      r.bottom + below + kLabelGap + title.width(), titleText));
}

void ChartScene::DrawSeries(QPainter& painter)
{
    for (size_t index = 0, shown = 0; index < m_series.size(); ++index) {
        const ChartSeries& s = *m_series[index];
        if (AxisShown(index)) {
            // An axis that several series share is drawn in the text's colour, not one of theirs.
            const bool shared = std::any_of(m_series.begin(), m_series.end(), [&](const auto& t) {
                return SharesAxis(*t) && static_cast<size_t>(t->m_onAxisOf) == index;
            });
            DrawValueAxis(painter, s, shown < m_belowAxes.size() ? m_belowAxes[shown++] : 0,
                          shared ? QPen(m_look.text, 1) : s.m_curvePen);
        }
        if (!s.m_visible)
            continue;
        painter.save();
        painter.setClipRect(m_plotRect.left, m_plotRect.top, m_plotRect.Width(), m_plotRect.Height());
        DrawCurve(painter, s);
        painter.setFont(s.m_horizontalFont);
        for (const auto& [time, labelValue] : s.m_labels) {
            if (!(time >= m_time.m_min && time <= m_time.m_max))
                continue;
            const int x = m_time.ValueToPixel(time), y = s.ValueToPixel(labelValue);
            if (y < m_plotRect.top || y > m_plotRect.bottom)
                continue;  // its point is off the plot (a custom range cuts it): so is its text
            painter.setPen(s.m_labelPen);
            Line(painter, x - 5, y, x + 5, y);
            Line(painter, x, y - 5, x, y + 5);
            const QString labelText = QString::fromStdString(m_time.TickLabel(time)).left(63) + QStringLiteral(", ") +
                                      s.ReadingText(labelValue, true);
            const ChartRect at = LabelRect(x, y, Extent(painter.font(), labelText), m_plotRect);
            const QRect cell(at.left, at.top, at.Width(), at.Height());
            // In the text colour, with a halo of the background's round it: readable on a curve
            // or a grid line without hiding them.
            painter.setPen(m_look.background);
            for (const auto& [dx, dy] : {std::pair(-1, -1), std::pair(0, -1), std::pair(1, -1), std::pair(-1, 0),
                                         std::pair(1, 0), std::pair(-1, 1), std::pair(0, 1), std::pair(1, 1)})
                painter.drawText(cell.translated(dx, dy), Qt::AlignLeft | Qt::AlignTop, labelText);
            painter.setPen(m_look.text);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop, labelText);
        }
        painter.restore();
    }
}

bool ChartScene::SharesAxis(const ChartSeries& s) const
{
    return s.m_onAxisOf >= 0 && static_cast<size_t>(s.m_onAxisOf) < m_series.size() &&
           m_series[static_cast<size_t>(s.m_onAxisOf)]->m_onAxisOf < 0;
}

bool ChartScene::AxisShown(size_t index) const
{
    const ChartSeries& s = *m_series[index];
    if (SharesAxis(s))
        return false;
    if (s.m_visible)
        return true;
    return std::any_of(m_series.begin(), m_series.end(), [&](const auto& t) {
        return t->m_visible && SharesAxis(*t) && static_cast<size_t>(t->m_onAxisOf) == index;
    });
}

void ChartScene::FitRange(ChartSeries& s) const
{
    const auto rangeOf = [this](const ChartSeries& t) -> std::pair<double, double> {
        if (m_look.fitHeightsToView)
            if (const auto shown = t.MinMaxIn(m_time.m_min, m_time.m_max))
                return *shown;
        return {t.m_dataMin, t.m_dataMax};
    };
    // With the shown series on its axis: the union of their ranges (its own only when shown).
    std::optional<std::pair<double, double>> range;
    for (size_t i = 0; i < m_series.size(); ++i) {
        const ChartSeries& t = *m_series[i];
        const bool on = &t == &s
                            ? t.m_visible
                            : SharesAxis(t) && m_series[static_cast<size_t>(t.m_onAxisOf)].get() == &s && t.m_visible;
        if (!on)
            continue;
        const auto [lo, hi] = rangeOf(t);
        range = range ? std::pair(std::min(range->first, lo), std::max(range->second, hi)) : std::pair(lo, hi);
    }
    if (!range)
        range = rangeOf(s);
    s.ApplyRange(range->first, range->second);
}

ChartRect ChartScene::LabelRect(int x, int y, QSize text, const ChartRect& plot)
{
    constexpr int kOffset = 8;  // from the point to the text, beyond the cross
    int left = x + kOffset, top = y;
    if (left + text.width() > plot.right)
        left = x - kOffset - text.width();
    if (top + text.height() > plot.bottom)
        top = y - text.height();
    // A text wider or taller than the room on either side keeps to the plot's left or top.
    left = std::max(left, plot.left);
    top = std::max(top, plot.top);
    return {left, top, left + text.width(), top + text.height()};
}

void ChartScene::DrawCurve(QPainter& painter, const ChartSeries& s)
{
    const size_t n = s.m_values.size();
    if (n == 0 || !(m_time.m_max > m_time.m_min) || !(s.m_interval > 0))
        return;
    auto clampIndex = [n](double v) {
        return !(v > 0) ? size_t{0} : v >= static_cast<double>(n - 1) ? n - 1 : static_cast<size_t>(v);
    };
    const size_t i0 = clampIndex(std::floor((m_time.m_min - s.m_firstTime) / s.m_interval + 0.5));
    const double fromEnd = std::floor((s.EndTime() - m_time.m_max) / s.m_interval + 0.5);
    const size_t i1 = clampIndex(static_cast<double>(n) - fromEnd);
    if (i0 >= i1)
        return;
    // In the picture's own pixels: on a high-density screen the curve is drawn at its resolution;
    // as lines, at a few points to the pixel (a page prints finer than a screen shows).
    const double scale = m_target ? m_target->devicePixelRatio() : kVectorPointsPerPixel;
    auto X = [&](size_t i) {
        return m_time.ValueToDevicePixel(s.m_firstTime + static_cast<double>(i) * s.m_interval, scale);
    };
    auto Y = [&](double v) {
        return s.ValueToDevicePixel(v, scale);
    };
    auto device = [scale](int logical) {
        return static_cast<int>(std::lround(logical * scale));
    };

    QPolygon points;
    const size_t columns = static_cast<size_t>(std::max(device(m_plotRect.right) - device(m_plotRect.left), 1));
    if (!m_look.decimateCurves || i1 - i0 < 4 * columns) {
        points.reserve(static_cast<qsizetype>(i1 - i0) + 1);
        for (size_t i = i0; i <= i1; ++i)
            points.append(QPoint(X(i), Y(s.m_values[i])));
    } else {
        // Many samples per pixel column: its first, highest, lowest and last
        // samples cover exactly the pixels that all of them would. The last
        // column keeps every sample, as its last point is not drawn.
        points.reserve(static_cast<qsizetype>(columns) * 4 + 8);
        const double pixelTime = (m_time.m_max - m_time.m_min) / (scale * (m_time.m_rect.right - m_time.m_rect.left));
        const int lastColumn = X(i1);
        for (size_t i = i0; i <= i1;) {
            const int x = X(i);
            // The column's last sample: estimated from the time where the next column starts, then checked.
            const double nextColumn = m_time.m_min + (x + 1 - device(m_time.m_rect.left)) * pixelTime;
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
    if (m_target) {
        DrawPolyline(*m_target, points, s.m_curvePen.color().rgb(), clip);
        return;
    }
    painter.save();
    painter.setClipRect(m_plotRect.left, m_plotRect.top, m_plotRect.Width(), m_plotRect.Height());
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(s.m_curvePen.color(), 1.0 * kVectorPointsPerPixel);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.scale(1.0 / kVectorPointsPerPixel, 1.0 / kVectorPointsPerPixel);
    painter.drawPolyline(points);
    painter.restore();
}

void ChartScene::DrawLegend(QPainter& painter)
{
    if (!m_look.legendShown || m_series.empty())
        return;
    painter.setFont(m_look.font);
    for (const auto& serie : m_series) {
        ChartSeries& s = *serie;
        // Where the layout put the entry: its swatch and title before its value box.
        const QSize name = Extent(s.m_rotatedFont, s.Title());
        const int nh = name.height();
        const int x = s.m_valueBox.left - name.width() - 3 * nh, y = s.m_valueBox.top;
        s.m_swatchRect = {x, y, x + nh, y + nh};
        if (s.m_visible) {
            painter.fillRect(x, y, nh, nh, s.m_curvePen.color());  // the curve's own colour
            painter.setPen(m_look.text);
        } else {
            painter.fillRect(x, y, nh, nh, Qt::white);
            painter.setPen(s.m_curvePen);
            painter.drawRect(x, y, nh - 1, nh - 1);
            painter.setPen(m_look.disabledText);
        }
        m_textRects.push_back(Text(painter, x + 2 * nh, y, s.Title()));
    }
    if (m_look.timeReadOut) {
        painter.setPen(m_look.text);
        m_textRects.push_back(Text(painter, m_timeTitleLeft, m_timeTitleTop, TimeTitle()));
    }
}

void ChartScene::DrawPanFrame(QImage& picture)
{
    if (picture.isNull())
        return;
    m_target = &picture;
    MakePens();
    m_time.ComputeTicks(m_time.m_rect.Width());
    QPainter painter(&picture);
    painter.fillRect(m_plotRect.left, m_plotRect.top, m_time.m_rect.right - m_plotRect.left,
                     m_time.m_rect.bottom - m_plotRect.top, m_look.background);
    DrawBands(painter);
    DrawTimeAxis(painter);
    DrawHorizontalGrid(painter);
    DrawSeries(painter);
    m_target = nullptr;
}
