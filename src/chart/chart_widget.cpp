#include "chart/chart_widget.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

#include <cmath>
#include <utility>

#include "chart/chart_picture.h"

namespace {

// A pause this long between wheel notches or zoom keys ends a zoom gesture.
constexpr int kZoomPauseMs = 600;

}  // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent), m_crosshairPen(QColor(128, 128, 128), 1, Qt::SolidLine)
{
    m_beep = [] {
        QApplication::beep();
    };
    m_runMenu = [](QMenu& menu, const QPoint& at) {
        return menu.exec(at);
    };
    m_crosshairPen.setCosmetic(true);
    setAttribute(Qt::WA_OpaquePaintEvent);  // paint covers everything: no erasing, no flicker
    setMouseTracking(true);
    // Reached with Tab as well, for the arrow and zoom keys.
    setFocusPolicy(Qt::StrongFocus);
    m_scene.m_look.timeReadOut = true;
    setFont(m_scene.m_look.font);
    m_zoomPause = new QTimer(this);
    m_zoomPause->setSingleShot(true);
    m_zoomPause->setInterval(kZoomPauseMs);
    connect(m_zoomPause, &QTimer::timeout, this, &ChartWidget::EndZoomGesture);
}

ChartWidget::~ChartWidget() = default;

std::shared_ptr<ChartSeries> ChartWidget::AddSeries(const QString& name, double firstTime, double interval,
                                                    std::vector<double> values)
{
    auto serie = std::make_shared<ChartSeries>(name, firstTime, interval, std::move(values));
    m_series.push_back(serie);
    return serie;
}

void ChartWidget::RemoveAllSeries()
{
    EndZoomGesture();
    m_series.clear();
    m_back.clear();
    m_forward.clear();
    m_scene.m_selection.reset();
    m_scene.m_bands.clear();
    m_scene.m_marks.clear();
    Recalc();
    update();
    emit viewChanged();
}

std::shared_ptr<ChartSeries> ChartWidget::SeriesAt(int index) const
{
    if (index < 0 || index >= SeriesCount())
        return nullptr;
    return m_series[static_cast<size_t>(index)];
}

std::optional<TimeRange> ChartWidget::SeriesRange(bool visibleOnly) const
{
    std::optional<TimeRange> range;
    for (const auto& s : m_series) {
        if (visibleOnly && !s->m_visible)
            continue;
        if (!range)
            range = TimeRange{s->m_firstTime, s->EndTime()};
        range->first = std::min(range->first, s->m_firstTime);
        range->last = std::max(range->last, s->EndTime());
    }
    return range;
}

void ChartWidget::ResetView(bool repaint)
{
    // Over all series, shown or not; with no series the range stays as it was.
    if (const std::optional<TimeRange> all = SeriesRange(false)) {
        m_time.m_min = all->first;
        m_time.m_max = all->last;
    }
    EndZoomGesture();
    m_back.clear();
    m_forward.clear();
    Recalc();
    if (repaint)
        update();
    emit viewChanged();
}

void ChartWidget::ShowRange(const TimeRange& range)
{
    m_time.m_min = range.first;
    m_time.m_max = range.last;
    Recalc();
    update();
}

void ChartWidget::SetFitHeightsToView(bool fit)
{
    m_scene.m_look.fitHeightsToView = fit;
    Recalc();
    update();
}

void ChartWidget::SetRange(double first, double last)
{
    EndZoomGesture();
    m_back.push_back({m_time.m_min, m_time.m_max});
    m_forward.clear();
    ShowRange({first, last});
}

bool ChartWidget::StepHistory(std::vector<TimeRange>& from, std::vector<TimeRange>& to)
{
    EndZoomGesture();
    if (from.empty())
        return false;
    to.push_back({m_time.m_min, m_time.m_max});
    const TimeRange r = from.back();
    from.pop_back();
    ShowRange(r);
    return true;
}

void ChartWidget::PreviousView()
{
    if (StepHistory(m_back, m_forward))
        emit viewChanged();
}

void ChartWidget::NextView()
{
    StepHistory(m_forward, m_back);
}

void ChartWidget::ShowWholeRange()
{
    const std::optional<TimeRange> all = SeriesRange(false);
    if (!all || (all->first == m_time.m_min && all->last == m_time.m_max))
        return;
    SetRange(all->first, all->last);
    emit viewChanged();
}

void ChartWidget::ClearLabels()
{
    for (const auto& s : m_series)
        s->m_labels.clear();
    Recalc();
    update();
}

void ChartWidget::SetSelection(double first, double last)
{
    m_scene.m_selection = TimeRange{first, last};
    Recalc();
    update();
}

void ChartWidget::SetBands(std::vector<TimeRange> bands)
{
    m_scene.m_bands = std::move(bands);
    Recalc();
    update();
}

void ChartWidget::SetMarks(std::vector<ChartMark> marks)
{
    m_scene.m_marks = std::move(marks);
    Recalc();
    update();
}

std::optional<int> ChartWidget::MarkAt(int x, int y) const
{
    if (!InPlot(x, y))
        return std::nullopt;
    std::optional<int> nearest;
    int distance = 4;  // pixels
    for (size_t i = 0; i < m_scene.m_marks.size(); ++i) {
        const std::optional<int> at = m_scene.MarkX(m_scene.m_marks[i]);
        if (at && std::abs(*at - x) < distance) {
            distance = std::abs(*at - x);
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

std::optional<QImage> ChartWidget::CopyBitmap() const
{
    if (m_picture.isNull())
        return std::nullopt;
    return m_picture.copy();
}

void ChartWidget::Recalc()
{
    // A new picture has empty value boxes and no crosshair until the mouse moves again.
    m_crosshairShown = false;
    m_crosshair = {-1, -1};
    m_readout.clear();
    const QSize size = this->size();
    if (size.width() < 1 || size.height() < 1)
        return;
    // The picture has the screen's own pixels; everything else (layout, hit areas) stays in
    // the widget's coordinates.
    const double scale = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::lround(size.width() * scale)),
                       static_cast<int>(std::lround(size.height() * scale)));
    if (m_picture.size() != pixels || m_picture.devicePixelRatio() != scale) {
        m_picture = QImage(pixels, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(scale);
    }
    m_scene.Layout(size);
    m_scene.Draw(m_picture);
}

void ChartWidget::DrawPanFrame()
{
    m_scene.DrawPanFrame(m_picture);
    update();
}

std::unique_ptr<ChartPicture> ChartWidget::Snapshot() const
{
    auto picture = std::make_unique<ChartPicture>();
    for (const auto& s : m_series)
        picture->m_series.push_back(std::make_shared<ChartSeries>(*s));
    picture->m_time.m_min = m_time.m_min;
    picture->m_time.m_max = m_time.m_max;
    picture->m_scene.m_look = m_scene.m_look;
    picture->m_scene.m_look.timeReadOut = false;  // a picture has no mouse
    picture->m_scene.m_selection = m_scene.m_selection;
    picture->m_scene.m_bands = m_scene.m_bands;
    picture->m_scene.m_marks = m_scene.m_marks;
    return picture;
}

std::optional<QImage> ChartWidget::DrawImage(QSize size, double scale)
{
    if (size.width() < 1 || size.height() < 1 || !(scale >= 1 && scale <= 4))
        return std::nullopt;
    QImage image(static_cast<int>(std::lround(size.width() * scale)),
                 static_cast<int>(std::lround(size.height() * scale)), QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    image.setDevicePixelRatio(scale);
    m_scene.Layout(size);
    m_scene.Draw(image);
    // The screen's layout again, for the mouse and the next paint.
    Recalc();
    return image;
}

int ChartWidget::SwatchAt(int x, int y) const
{
    for (size_t i = 0; i < m_series.size(); ++i)
        if (m_series[i]->m_swatchRect.Contains(x, y))
            return static_cast<int>(i);
    return -1;
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    // Also when the window went to a screen of another pixel density.
    if (m_picture.isNull() || m_picture.devicePixelRatio() != devicePixelRatioF())
        Recalc();
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    if (m_stripShown && m_stripFrom != m_stripTo) {
        // The strip between the drag's start and the mouse, inverted.
        const int left = std::min(m_stripFrom, m_stripTo), right = std::max(m_stripFrom, m_stripTo);
        const ChartRect& band = m_selecting ? m_scene.PlotRect() : m_time.m_rect;
        const double scale = m_picture.devicePixelRatio();
        QImage strip = m_picture.copy(
            QRectF(left * scale, band.top * scale, (right - left) * scale, band.Height() * scale).toRect());
        strip.invertPixels();
        painter.drawImage(left, band.top, strip);
    }
    if (m_crosshairShown && m_crosshair.x() >= 0) {
        painter.setPen(m_crosshairPen);
        const ChartRect& inner = m_scene.InnerRect();
        painter.drawLine(inner.left, m_crosshair.y(), inner.right, m_crosshair.y());
        painter.drawLine(m_crosshair.x(), inner.top, m_crosshair.x(), m_time.m_rect.bottom);
    }
    const ChartLook& look = m_scene.m_look;
    painter.setFont(look.font);
    painter.setPen(look.text);
    for (const auto& [box, text] : m_readout) {
        // Within its box, which the layout made wide enough: never over the next swatch.
        const QRect r(box.left, box.top, box.Width(), box.Height());
        painter.fillRect(r, look.background);
        painter.drawText(r, Qt::AlignLeft | Qt::AlignTop, text);
    }
}

void ChartWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_picture = QImage();
    m_readout.clear();
    if (!(windowState() & Qt::WindowMinimized))
        Recalc();
}
