// What the chart does with the mouse: crosshair and read-out, pan and zoom in
// the time band, selection and clicks in the plot, legend choices, the popup
// menu, the wheel and the scroll steps.
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

#include "chart/chart_ctrl.h"

namespace {

QPoint Pos(const QMouseEvent* e)
{
    return e->position().toPoint();
}

}  // namespace

void CMChartCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = Pos(event);
    const int x = p.x(), y = p.y();
    // Crosshair and cursor first.
    if (InPlot(x, y)) {
        m_crosshairShown = true;
        m_crosshair = p;
        setCursor(Qt::CrossCursor);
    } else {
        m_crosshairShown = false;
        m_crosshair = {-1, -1};
        unsetCursor();
    }
    const bool timeBandDrag = m_mouseZoom && m_dragging && !m_selecting;
    if (InPlot(x, y) && !timeBandDrag) {
        m_readout.clear();
        const double t = PixelToValue(x);
        for (const auto& s : m_series)
            if (s->m_visible)
                m_readout.emplace_back(s->m_valueBox, s->ValueText(s->ValueAt(t), true));
    }
    if (timeBandDrag) {
        if (m_dragMode == DragMode::ZoomBand) {
            m_stripShown = true;
            m_stripFrom = m_dragStartX;
            m_stripTo = x;
            m_dragCurrentX = x;
        } else {
            const double span = m_max - m_min;
            const int dx = x - m_dragCurrentX;
            double delta = PixelToValue(m_dragCurrentX) - PixelToValue(m_dragCurrentX - dx);
            // The range never starts before time 0.
            if (delta > 0 && m_min - delta < 0)
                delta = m_min;
            if (delta != 0) {
                m_min -= delta;
                m_max = m_min + span;
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

void CMChartCtrl::leaveEvent(QEvent*)
{
    m_crosshairShown = false;
    m_crosshair = {-1, -1};
    update();
}

void CMChartCtrl::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = Pos(event);
    const int x = p.x(), y = p.y();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->button()) {
    case Qt::LeftButton:
        if (m_mouseZoom && InTimeBand(x, y)) {
            m_dragMode = ctrl ? DragMode::ZoomBand : DragMode::Pan;
            if (m_dragMode == DragMode::Pan)
                m_back.push_back({m_min, m_max});
            m_dragStartX = m_dragCurrentX = x;
            m_dragging = true;
            m_selecting = false;
        } else if (InPlot(x, y)) {
            m_selX0 = m_selX1 = x;
            m_selY0 = m_selY1 = y;
            m_dragging = true;
            m_selecting = true;
        } else if (m_scene.LegendRect().Contains(x, y) && ctrl) {
            Send({.code = CHN_SERIEITEM, .item = SwatchAt(x, y), .flag = false});
        }
        break;
    case Qt::RightButton:
        if (InPlot(x, y)) {
            QMenu menu(this);
            for (size_t i = 0; i < m_series.size(); ++i) {
                QAction* a = menu.addAction(m_series[i]->m_name);
                a->setData(static_cast<int>(i) + 1);
                a->setCheckable(true);
                a->setChecked(m_series[i]->m_visible);
            }
            Send({.code = CHN_MENUINIT, .item = SerieCount(), .menu = &menu});
            QAction* chosen = m_runMenu(menu, event->globalPosition().toPoint());
            if (!chosen)
                break;
            const int k = chosen->data().toInt();
            if (k >= 1 && k - 1 < SerieCount()) {
                CMChartSerie& s = *m_series[static_cast<size_t>(k - 1)];
                s.m_visible = !s.m_visible;
                Recalc();
                update();
            } else {
                Send({.code = CHN_MENUCOMMAND, .item = k - 1});
            }
        } else if (m_scene.LegendRect().Contains(x, y)) {
            Send({.code = CHN_SERIEITEM, .item = SwatchAt(x, y), .flag = false});
        }
        break;
    case Qt::BackButton:
        PreviousView();
        break;
    case Qt::ForwardButton:
        NextView();
        break;
    default:
        break;
    }
}

void CMChartCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = Pos(event);
    if (m_mouseZoom && m_dragging && !m_selecting) {
        if (m_dragMode == DragMode::ZoomBand) {
            m_stripShown = false;
            if (m_dragStartX != m_dragCurrentX)
                SetRange(PixelToValue(std::min(m_dragStartX, m_dragCurrentX)),
                         PixelToValue(std::max(m_dragStartX, m_dragCurrentX)));
        } else {
            // A pan of less than 5 pixels does not count as a view.
            if (!m_back.empty() && std::abs(ValueToPixel(m_min) - ValueToPixel(m_back.back().first)) < 5)
                m_back.pop_back();
            else
                m_forward.clear();
            Recalc();
            update();
        }
        m_dragging = false;
        Send({.code = CHN_VIEWCHANGED});
    } else if (m_dragging && m_selecting) {
        m_dragging = m_selecting = false;
        m_stripShown = false;
        update();
        if (std::abs(m_selX0 - p.x()) < 3 && std::abs(m_selY0 - p.y()) < 3)
            Send({.code = CHN_CLICK, .x0 = m_selX0, .y0 = m_selY0});
        else
            Send({.code = CHN_SELECT, .x0 = m_selX0, .y0 = m_selY0, .x1 = p.x(), .y1 = p.y()});
    }
}

void CMChartCtrl::mouseDoubleClickEvent(QMouseEvent* event)
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
    Send({.code = CHN_SERIEITEM, .item = index, .flag = toggle});
}

void CMChartCtrl::wheelEvent(QWheelEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int horizontal = event->angleDelta().x();
    if (horizontal != 0 && event->angleDelta().y() == 0) {
        ScrollLine(horizontal > 0 ? -1 : 1);
        return;
    }
    if (InTimeBand(p.x(), p.y())) {
        double lo = 0, hi = 0;
        if (!GetDataRange(lo, hi))
            return;
        const double t = PixelToValue(p.x());
        const double span = m_max - m_min;
        const double newSpan = span - event->angleDelta().y() * m_step / 120.0;
        const double d = (t - m_min) * newSpan / span;
        if (!(d >= m_step))
            return;
        double newMin = t - d;
        if (newMin < 0)
            newMin = 0;
        if (newMin <= lo)
            newMin = lo;
        double newMax = newMin + newSpan;
        if (newMax >= hi)
            newMax = hi;
        m_back.push_back({m_min, m_max});
        m_forward.clear();
        ShowRange({newMin, newMax});
        Send({.code = CHN_VIEWCHANGED});
        return;
    }
    for (const auto& s : m_series)
        if (s->m_visible && s->m_rect.Contains(p.x(), p.y())) {
            m_beep();
            return;
        }
}

void CMChartCtrl::ScrollLine(int direction)
{
    const double span = m_max - m_min;
    double delta = direction < 0 ? -m_step : m_step;
    if (direction < 0 && m_min - m_step < 0)
        delta = -m_min;
    m_min += delta;
    m_max = m_min + span;
    Recalc();
    update();
}

void CMChartCtrl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        ScrollLine(-1);
        break;
    case Qt::Key_Right:
        ScrollLine(1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
