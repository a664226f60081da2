// What the chart does with the mouse: crosshair and read-out, pan and zoom in
// the time band, selection and clicks in the plot, legend choices, the popup
// menu, the wheel and the scroll steps.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "chart/chart_widget.h"

namespace {

QPoint Pos(const QMouseEvent* e)
{
    return e->position().toPoint();
}

}  // namespace

void ChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = Pos(event);
    const int x = p.x(), y = p.y();
    if (m_draggedMark && static_cast<size_t>(*m_draggedMark) >= m_scene.m_marks.size())
        m_draggedMark.reset();  // the marks changed under the mouse
    if (m_draggedCurve && static_cast<size_t>(m_draggedCurve->index) < m_series.size()) {
        // The curve follows the mouse; it is moved for good when let go.
        m_series[static_cast<size_t>(m_draggedCurve->index)]->m_firstTime =
            m_draggedCurve->firstTime + m_time.PixelToValue(x) - m_draggedCurve->startTime;
        Recalc();
        update();
        return;
    }
    if (m_draggedMark) {
        // The mark follows the mouse within the data.
        double time = m_time.PixelToValue(std::clamp(x, m_scene.PlotRect().left, m_scene.PlotRect().right - 1));
        if (const std::optional<TimeRange> shown = DataRange())
            time = std::clamp(time, std::max(shown->first, 0.0), std::max(shown->first, shown->last));
        m_scene.m_marks[static_cast<size_t>(*m_draggedMark)].time = time;
        Recalc();
        update();
        return;
    }
    // Crosshair and cursor first.
    if (InPlot(x, y)) {
        m_crosshairShown = true;
        m_crosshair = p;
        setCursor(MarkAt(x, y) ? Qt::SizeHorCursor : Qt::CrossCursor);
    } else {
        m_crosshairShown = false;
        m_crosshair = {-1, -1};
        unsetCursor();
    }
    const bool timeBandDrag = m_dragging && !m_selecting;
    if (InPlot(x, y) && !timeBandDrag)
        ShowReadOut(m_time.PixelToValue(x));
    if (timeBandDrag) {
        if (m_dragMode == DragMode::ZoomBand) {
            m_stripShown = true;
            m_stripFrom = m_dragStartX;
            m_stripTo = x;
            m_dragCurrentX = x;
        } else {
            const double span = m_time.m_max - m_time.m_min;
            const int dx = x - m_dragCurrentX;
            // Dragged right, earlier times come into view.
            const double shift =
                BoundedShift(m_time.PixelToValue(m_dragCurrentX - dx) - m_time.PixelToValue(m_dragCurrentX));
            if (shift != 0) {
                m_time.m_min += shift;
                m_time.m_max = m_time.m_min + span;
                DrawPanFrame();
            }
            m_dragCurrentX = x;
        }
    } else if (m_dragging && m_selecting && InPlot(x, y)) {
        m_selX1 = x;
        m_selY1 = y;
        m_stripShown = true;
        m_stripFrom = m_selX0;
        m_stripTo = x;
    }
    update();
}

std::optional<int> ChartWidget::CurveAt(int x, int y) const
{
    // The shown curve whose value at that time lies nearest, within a few pixels.
    constexpr int kReach = 6;
    const double time = m_time.PixelToValue(x);
    std::optional<int> nearest;
    int best = kReach + 1;
    for (size_t i = 0; i < m_series.size(); ++i) {
        const ChartSeries& s = *m_series[i];
        if (!s.m_visible || time < s.m_firstTime || time > s.EndTime())
            continue;
        const int distance = std::abs(s.ValueToPixel(s.ValueAt(time)) - y);
        if (distance < best) {
            best = distance;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

void ChartWidget::ShowReadOut(double time)
{
    m_readout.clear();
    for (const auto& s : m_series)
        if (s->m_visible)
            m_readout.emplace_back(s->m_valueBox, s->ReadingText(s->ValueAt(time), true));
    if (!m_readout.empty() && !m_scene.TimeBox().IsEmpty())
        m_readout.emplace_back(m_scene.TimeBox(), m_scene.TimeReadOut(time));
}

void ChartWidget::leaveEvent(QEvent*)
{
    // Values of a place the mouse has left would only mislead.
    m_crosshairShown = false;
    m_crosshair = {-1, -1};
    m_readout.clear();
    EndZoomGesture();
    update();
}

void ChartWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = Pos(event);
    const int x = p.x(), y = p.y();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    EndZoomGesture();
    switch (event->button()) {
    case Qt::LeftButton:
        if (InTimeBand(x, y)) {
            m_dragMode = ctrl ? DragMode::ZoomBand : DragMode::Pan;
            if (m_dragMode == DragMode::Pan)
                m_back.push_back({m_time.m_min, m_time.m_max});
            m_dragStartX = m_dragCurrentX = x;
            m_dragging = true;
            m_selecting = false;
        } else if (const std::optional<int> mark = MarkAt(x, y)) {
            m_draggedMark = mark;
        } else if (const std::optional<int> curve =
                       m_curvesDraggable && (event->modifiers() & Qt::ShiftModifier) && InPlot(x, y) ? CurveAt(x, y)
                                                                                                     : std::nullopt) {
            m_draggedCurve =
                CurveDrag{*curve, m_time.PixelToValue(x), m_series[static_cast<size_t>(*curve)]->m_firstTime};
        } else if (InPlot(x, y)) {
            m_selX0 = m_selX1 = x;
            m_selY0 = m_selY1 = y;
            m_dragging = true;
            m_selecting = true;
        } else if (m_scene.LegendRect().Contains(x, y) && ctrl) {
            emit seriesClicked(SwatchAt(x, y), false);
        }
        break;
    case Qt::RightButton:
        if (InPlot(x, y)) {
            PlotMenu(p, event->globalPosition().toPoint());
        } else if (m_scene.LegendRect().Contains(x, y)) {
            emit seriesClicked(SwatchAt(x, y), false);
        }
        break;
    case Qt::BackButton: PreviousView(); break;
    case Qt::ForwardButton: NextView(); break;
    default: break;
    }
}

void ChartWidget::PlotMenu(const QPoint& at, const QPoint& globalPos)
{
    QMenu menu(this);
    for (const auto& serie : m_series) {
        QAction* a = menu.addAction(serie->Shown());
        a->setCheckable(true);
        a->setChecked(serie->m_visible);
        std::weak_ptr<ChartSeries> shown = serie;
        connect(a, &QAction::triggered, this, [this, shown] {
            if (const auto s = shown.lock()) {
                s->m_visible = !s->m_visible;
                Recalc();
                update();
            }
        });
    }
    emit menuRequested(&menu, m_time.PixelToValue(at.x()));
    m_runMenu(menu, globalPos);
}

void ChartWidget::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's menu opens on the button press; this is the keyboard's (the Menu key,
    // Shift+F10), at the crosshair or else in the middle of the plot.
    if (event->reason() != QContextMenuEvent::Keyboard || m_series.empty())
        return;
    const ChartRect& plot = m_scene.PlotRect();
    const QPoint at =
        m_crosshairShown ? m_crosshair : QPoint((plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2);
    PlotMenu(at, mapToGlobal(at));
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_draggedCurve) {
        const CurveDrag drag = *m_draggedCurve;
        m_draggedCurve.reset();
        if (static_cast<size_t>(drag.index) < m_series.size()) {
            ChartSeries& s = *m_series[static_cast<size_t>(drag.index)];
            const double seconds = s.m_firstTime - drag.firstTime;
            s.m_firstTime = drag.firstTime;  // the receiver moves it for good
            if (seconds != 0)
                emit seriesDragged(drag.index, seconds);
        }
        return;
    }
    if (m_draggedMark && static_cast<size_t>(*m_draggedMark) < m_scene.m_marks.size()) {
        const int index = *m_draggedMark;
        m_draggedMark.reset();
        emit markMoved(index, m_scene.m_marks[static_cast<size_t>(index)].time);
        return;
    }
    const QPoint p = Pos(event);
    if (m_dragging && !m_selecting) {
        if (m_dragMode == DragMode::ZoomBand) {
            m_stripShown = false;
            if (m_dragStartX != m_dragCurrentX)
                SetRange(m_time.PixelToValue(std::min(m_dragStartX, m_dragCurrentX)),
                         m_time.PixelToValue(std::max(m_dragStartX, m_dragCurrentX)));
        } else {
            // A pan of less than 5 pixels does not count as a view.
            if (!m_back.empty() &&
                std::abs(m_time.ValueToPixel(m_time.m_min) - m_time.ValueToPixel(m_back.back().first)) < 5)
                m_back.pop_back();
            else
                m_forward.clear();
            Recalc();
            update();
        }
        m_dragging = false;
        emit viewChanged();
    } else if (m_dragging && m_selecting) {
        m_dragging = m_selecting = false;
        m_stripShown = false;
        update();
        if (std::abs(m_selX0 - p.x()) < 3 && std::abs(m_selY0 - p.y()) < 3)
            emit plotClicked(m_time.PixelToValue(m_selX0));
        else
            emit selectionChanged(TimeRange{m_time.PixelToValue(std::min(m_selX0, p.x())),
                                            m_time.PixelToValue(std::max(m_selX0, p.x()))});
    }
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint p = Pos(event);
    if (event->button() != Qt::LeftButton || !m_scene.LegendRect().Contains(p.x(), p.y())) {
        // Qt sends a double click instead of the second press: treat it as a press elsewhere.
        mousePressEvent(event);
        return;
    }
    const int index = SwatchAt(p.x(), p.y());
    if (index < 0)
        return;
    const bool toggle = !(event->modifiers() & Qt::ControlModifier);
    if (toggle)
        m_series[static_cast<size_t>(index)]->m_visible = !m_series[static_cast<size_t>(index)]->m_visible;
    emit seriesClicked(index, toggle);
}

void ChartWidget::wheelEvent(QWheelEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int horizontal = event->angleDelta().x();
    if (horizontal != 0 && event->angleDelta().y() == 0) {
        ScrollLine(horizontal > 0 ? -1 : 1);
        return;
    }
    // Over the plot and the time band the range zooms around the time under the mouse.
    if (InTimeBand(p.x(), p.y()) || InPlot(p.x(), p.y())) {
        if (event->phase() == Qt::ScrollBegin)
            EndZoomGesture();
        ZoomGesture(m_time.PixelToValue(p.x()), event->angleDelta().y() / 120.0);
        if (event->phase() == Qt::ScrollEnd)
            EndZoomGesture();
        return;
    }
    for (const auto& s : m_series)
        if (s->m_visible && s->m_rect.Contains(p.x(), p.y())) {
            m_beep();
            return;
        }
}

bool ChartWidget::ZoomAround(double time, double notches)
{
    const double span = m_time.m_max - m_time.m_min;
    const std::optional<TimeRange> shown = DataRange();
    if (!shown || !(span > 0) || !std::isfinite(notches) || notches == 0)
        return false;
    const double lo = std::max(shown->first, 0.0), hi = shown->last;
    double finest = 0;
    for (const auto& s : m_series)
        if (s->m_visible && s->m_interval > 0 && (finest == 0 || s->m_interval < finest))
            finest = s->m_interval;
    const double whole = hi - lo;
    if (!(whole > 0))
        return false;
    const double narrowest = std::min(whole, kMinSamplesShown * finest);
    const double newSpan = std::clamp(span * std::pow(kZoomPerNotch, notches), narrowest, std::max(whole, narrowest));
    // The time under the mouse stays at its place; the range then moves back inside the data.
    double newMin = time - (time - m_time.m_min) * newSpan / span;
    newMin = std::max(newMin, lo);
    if (newMin + newSpan > hi)
        newMin = std::max(lo, hi - newSpan);
    const double newMax = newMin + newSpan;
    const double tolerance = span * 1e-9;
    if (std::abs(newMin - m_time.m_min) <= tolerance && std::abs(newMax - m_time.m_max) <= tolerance)
        return false;
    ShowRange({newMin, newMax});
    return true;
}

void ChartWidget::ZoomGesture(double time, double notches)
{
    const TimeRange before{m_time.m_min, m_time.m_max};
    if (!ZoomAround(time, notches))
        return;
    // One step back for the whole gesture, not one for each notch.
    if (!m_zoomGesture) {
        m_back.push_back(before);
        m_forward.clear();
        m_zoomGesture = true;
    }
    m_zoomPause->start();
    emit viewChanged();
}

void ChartWidget::EndZoomGesture()
{
    m_zoomGesture = false;
    m_zoomPause->stop();
}

double ChartWidget::BoundedShift(double shift) const
{
    // The range never starts before time 0, nor ends past the end of the data, unless it lies
    // beyond it already.
    if (shift < 0 && m_time.m_min + shift < 0)
        return -std::max(0.0, m_time.m_min);
    const std::optional<TimeRange> extent = DataRange();
    if (shift > 0 && extent && m_time.m_max + shift > extent->last)
        return std::max(0.0, extent->last - m_time.m_max);
    return shift;
}

void ChartWidget::ScrollLine(int direction)
{
    const double span = m_time.m_max - m_time.m_min;
    const double delta = BoundedShift(direction < 0 ? -m_time.m_step : m_time.m_step);
    if (delta == 0)
        return;
    m_time.m_min += delta;
    m_time.m_max = m_time.m_min + span;
    Recalc();
    update();
}

void ChartWidget::keyPressEvent(QKeyEvent* event)
{
    const double middle = (m_time.m_min + m_time.m_max) / 2;
    switch (event->key()) {
    case Qt::Key_Left: ScrollLine(-1); break;
    case Qt::Key_Right: ScrollLine(1); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:  // "+" without Shift on many keyboards
        ZoomGesture(middle, 1);
        break;
    case Qt::Key_Minus: ZoomGesture(middle, -1); break;
    default: QWidget::keyPressEvent(event);
    }
}
