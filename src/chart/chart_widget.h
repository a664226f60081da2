#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "chart/chart_axis.h"
#include "chart/chart_scene.h"
#include "chart/chart_series.h"

class QMenu;
class QAction;
class QPainter;

// The chart window: series of equally spaced samples over one shared time axis, each with
// its own value axis, drawn into an off-screen picture; zoom, pan, selection, labels and a
// view history. What the pilot does in it is told by its signals.
class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    // Appends a series (no redraw: Recalc draws what was added) and returns it.
    std::shared_ptr<ChartSeries> AddSeries(const QString& name, double firstTime, double interval,
                                           std::vector<double> values);
    // A series made elsewhere, appended as it is (no redraw).
    void AddSeries(std::shared_ptr<ChartSeries> serie) { m_series.push_back(std::move(serie)); }
    void RemoveAllSeries();
    // Series index, or none past the end.
    std::shared_ptr<ChartSeries> SeriesAt(int index) const;
    int SeriesCount() const { return static_cast<int>(m_series.size()); }
    // The time axis: the range shown, its ticks, and where the time band lies.
    const TimeAxis& TimeScale() const { return m_time; }
    TimeRange Shown() const { return {m_time.m_min, m_time.m_max}; }
    // The time at a pixel column, and the column of a time.
    double TimeAt(int x) const { return m_time.PixelToValue(x); }
    int XOf(double time) const { return m_time.ValueToPixel(time); }
    void ResetView(bool repaint);
    void SetRange(double first, double last);
    void PreviousView();
    void NextView();
    bool CanGoBack() const { return !m_back.empty(); }
    bool CanGoForward() const { return !m_forward.empty(); }
    void ClearLabels();
    void SetSelection(double first, double last);
    // Stretches of time shaded behind the curves (the climbs); none by default.
    void SetBands(std::vector<TimeRange> bands);
    const std::vector<TimeRange>& Bands() const { return m_scene.m_bands; }
    // Moments marked across the plot (the takeoffs and landings); the mouse drags them.
    void SetMarks(std::vector<ChartMark> marks);
    const std::vector<ChartMark>& Marks() const { return m_scene.m_marks; }
    // The mark whose line is within a few pixels of x in the plot, if any.
    std::optional<int> MarkAt(int x, int y) const;
    // The stretch selected, if any.
    std::optional<TimeRange> Selection() const { return m_scene.m_selection; }
    // From the earliest start to the latest end of the visible series, if any is visible.
    std::optional<TimeRange> DataRange() const { return SeriesRange(true); }
    // A copy of the picture on the screen, if one was drawn.
    std::optional<QImage> CopyBitmap() const;
    // Draws what the chart shows into a picture of another size with the same
    // scene as the screen's, then lays the screen picture out again. The size
    // is in the chart's coordinates; the picture has scale (1 to 4) pixels to
    // each. None when no picture of that size can be made.
    std::optional<QImage> DrawImage(QSize size, double scale = 1.0);
    // Colours, font and switches (the scene's ChartLook, the one place they are kept): the
    // chart draws on its own background, whatever the desktop's palette.
    const ChartLook& Look() const { return m_scene.m_look; }
    // The value axes that are not custom fit the samples in view (after a zoom or a pan), or
    // the whole log.
    void SetFitHeightsToView(bool fit);
    // A copy of what the chart shows (series, range, labels, selection, look) that draws
    // without the window, at any size.
    std::unique_ptr<class ChartPicture> Snapshot() const;
    // Lays out and draws everything into the off-screen picture (no repaint request).
    void Recalc();
    // Moves the range one time step earlier (-1) or later (+1), as the scroll arrows do; it
    // stops at time 0 and at the end of the data.
    void ScrollLine(int direction);
    // Shows the whole time of the series, one step back in the history when it was not shown.
    void ShowWholeRange();
    // Zooms around a time, which stays where it is on the screen: each notch (a wheel's
    // 120ths, the keys' 1) narrows the range to kZoomPerNotch of it, a negative count widens
    // it; a part of a notch zooms by that part. The range stays within the data and spans
    // at least kMinSamplesShown samples. False when it cannot go further (nothing changed).
    bool ZoomAround(double time, double notches);
    static constexpr double kZoomPerNotch = 0.8;
    static constexpr int kMinSamplesShown = 10;

    QSize sizeHint() const override { return {640, 480}; }
    QSize minimumSizeHint() const override { return {160, 120}; }

    const ChartRect& PlotRect() const { return m_scene.PlotRect(); }
    const ChartRect& LegendRect() const { return m_scene.LegendRect(); }
    const QImage& Picture() const { return m_picture; }
    const std::vector<QRect>& TextRects() const { return m_scene.TextRects(); }
    // Where the legend shows the read-out's time.
    const ChartRect& TimeBox() const { return m_scene.TimeBox(); }
    // The read-out of the series under the mouse: each visible series' value box and text,
    // then the time.
    const std::vector<std::pair<ChartRect, QString>>& ReadOut() const { return m_readout; }

    // The index of the shown curve passing within a few pixels of a point of the plot.
    std::optional<int> CurveAt(int x, int y) const;

    // How the chart beeps and runs its popup menu (triggering the action chosen, as
    // QMenu::exec does); tests replace them.
    std::function<void()> m_beep;
    std::function<QAction*(QMenu&, const QPoint& globalPos)> m_runMenu;
    // Shift and a drag on a curve move it in time (a comparison's flights); off by default.
    bool m_curvesDraggable = false;

signals:
    // Each is sent synchronously: the receivers have reacted when the chart goes on.
    // A click (no drag) in the plot, at a time.
    void plotClicked(double time);
    // A stretch of time selected by a drag across the plot, first before last.
    void selectionChanged(TimeRange range);
    // The range shown changed (zoom, pan, history, a new set of series).
    void viewChanged();
    // A series' swatch in the legend: double-clicked (its visibility toggled, toggled true),
    // right-clicked or Ctrl-clicked (toggled false). index is -1 between the swatches.
    void seriesClicked(int index, bool toggled);
    // The plot's popup menu is about to open at a time; receivers add their actions to it
    // (after the series' own entries) and connect them.
    void menuRequested(QMenu* menu, double time);
    // A mark dragged to a new time and let go.
    void markMoved(int index, double time);
    // A curve dragged sideways with Shift (where m_curvesDraggable) and let go: by seconds.
    void seriesDragged(int index, double seconds);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A shift of the range shown, in seconds (later when positive), cut so that the range
    // starts no earlier than 0 and ends no later than the data.
    double BoundedShift(double shift) const;
    // The live redraw while panning: time axis, grid, axes and curves only.
    void DrawPanFrame();
    void ShowRange(const TimeRange& range);
    // From the earliest first time to the latest end of the series.
    std::optional<TimeRange> SeriesRange(bool visibleOnly) const;
    // Shows the newest range of one stack, keeping the current one on the other.
    bool StepHistory(std::vector<TimeRange>& from, std::vector<TimeRange>& to);
    // The plot's popup menu at a point of the plot.
    void PlotMenu(const QPoint& at, const QPoint& globalPos);
    // A zoom by the wheel or the keys: the first of a gesture leaves one step in the history.
    void ZoomGesture(double time, double notches);
    void EndZoomGesture();
    // The read-out at a time: every visible series' value, and the time.
    void ShowReadOut(double time);
    int SwatchAt(int x, int y) const;
    bool InTimeBand(int x, int y) const { return m_time.m_rect.Contains(x, y); }
    bool InPlot(int x, int y) const { return m_scene.PlotRect().Contains(x, y); }

    TimeAxis m_time;
    std::vector<std::shared_ptr<ChartSeries>> m_series;
    std::vector<TimeRange> m_back, m_forward;

    QImage m_picture;
    ChartScene m_scene{m_time, m_series};
    QPen m_crosshairPen;

    // Gestures.
    bool m_dragging = false;
    enum class DragMode { Pan, ZoomBand };  // of a drag that began in the time band
    DragMode m_dragMode = DragMode::Pan;
    int m_dragStartX = 0, m_dragCurrentX = 0;
    int m_selX0 = 0, m_selY0 = 0, m_selX1 = 0, m_selY1 = 0;
    bool m_selecting = false;
    std::optional<int> m_draggedMark;
    // A curve dragged sideways with Shift: its series, where the drag began, its first time then.
    struct CurveDrag {
        int index;
        double startTime;
        double firstTime;
    };
    std::optional<CurveDrag> m_draggedCurve;
    // Overlays, drawn over the picture in paint and never into it.
    bool m_crosshairShown = false;
    QPoint m_crosshair{-1, -1};
    bool m_stripShown = false;
    int m_stripFrom = 0, m_stripTo = 0;
    std::vector<std::pair<ChartRect, QString>> m_readout;
    // A run of wheel notches or zoom keys without a pause counts as one view.
    bool m_zoomGesture = false;
    class QTimer* m_zoomPause;
};
