#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "chart/chart_axis.h"
#include "chart/chart_scene.h"
#include "chart/chart_serie.h"

class QMenu;
class QAction;
class QPainter;

// Notification codes the chart sends to its parent.
constexpr int CHN_CLICK = -1701;
constexpr int CHN_SERIEITEM = -1702;
constexpr int CHN_VIEWCHANGED = -1703;
constexpr int CHN_SELECT = -1704;
constexpr int CHN_MENUINIT = -1706;
constexpr int CHN_MENUCOMMAND = -1707;

// The record of one notification.
struct NMCHART {
    QWidget* source = nullptr;
    uint32_t identifier = 0;  // not filled
    int code = 0;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int item = 0;
    bool flag = false;
    QMenu* menu = nullptr;
};

// The chart window: series of equally spaced samples over one shared time axis
// (the control itself), each with its own value axis, drawn into an off-screen
// picture; zoom, pan, selection, labels and a view history.
class CMChartCtrl : public QWidget, public CXAxe {
    Q_OBJECT
public:
    explicit CMChartCtrl(QWidget* parent = nullptr);
    ~CMChartCtrl() override;

    bool AddSerie(const QString& name, double firstTime, double interval, std::vector<double> values,
                  std::shared_ptr<CMChartSerie>* out, bool redraw);
    // A series made elsewhere, appended as it is (no redraw).
    void AddSerie(std::shared_ptr<CMChartSerie> serie) { m_series.push_back(std::move(serie)); }
    void RemoveAllSeries();
    bool GetSerie(int index, std::shared_ptr<CMChartSerie>* out) const;
    int SerieCount() const { return static_cast<int>(m_series.size()); }
    void ResetView(bool repaint);
    void SetRange(double first, double last);
    void PreviousView();
    void NextView();
    bool CanGoBack() const { return !m_back.empty(); }
    bool CanGoForward() const { return !m_forward.empty(); }
    void ClearLabels();
    void SetSelection(double first, double last);
    // Stretches of time shaded behind the curves (the climbs); none by default.
    void SetBands(std::vector<Range> bands);
    const std::vector<Range>& Bands() const { return m_scene.m_bands; }
    // Moments marked across the plot (the takeoffs and landings); the mouse drags them.
    void SetMarks(std::vector<ChartMark> marks);
    const std::vector<ChartMark>& Marks() const { return m_scene.m_marks; }
    // The mark whose line is within a few pixels of x in the plot, if any.
    std::optional<int> MarkAt(int x, int y) const;
    bool GetSelection(double& first, double& last) const;
    bool GetDataRange(double& first, double& last) const;
    bool CopyBitmap(QImage& picture) const;
    // Draws what the chart shows into a picture of another size with the same
    // scene as the screen's, then lays the screen picture out again. The size
    // is in the chart's coordinates; the picture has scale (1 to 4) pixels to
    // each. False when no picture of that size can be made.
    bool DrawImage(QSize size, QImage& picture, double scale = 1.0);
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

    // How the chart beeps and runs its popup menu; tests replace them.
    std::function<void()> m_beep;
    std::function<QAction*(QMenu&, const QPoint& globalPos)> m_runMenu;

    QColor m_backgroundColor{255, 255, 255};
    QColor m_axisColor{0, 0, 0};
    QColor m_gridColor{200, 200, 200};
    QColor m_selectionColor{180, 180, 180};
    bool m_mouseZoom = true;
    bool m_legendShown = true;
    bool m_gridShown = true;
    // Draw dense curves from four points per pixel column (the same pixels as every sample).
    bool m_decimateCurves = true;

signals:
    // Sent synchronously: the parent has reacted when the chart goes on.
    void Notify(const NMCHART& notification);
    // A mark dragged to a new time and let go.
    void markMoved(int index, double time);

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
    // The scene's look and selection from the chart's fields and palette.
    void SyncScene();
    // The live redraw while panning: time axis, grid, axes and curves only.
    void DrawPanFrame();
    void ShowRange(const Range& range);
    // From the earliest first time to the latest end of the series.
    bool SeriesRange(bool visibleOnly, double& first, double& last) const;
    // Shows the newest range of one stack, keeping the current one on the other.
    bool StepHistory(std::vector<Range>& from, std::vector<Range>& to);
    void Send(NMCHART n);
    // The plot's popup menu at a point of the plot.
    void PlotMenu(const QPoint& at, const QPoint& globalPos);
    // A zoom by the wheel or the keys: the first of a gesture leaves one step in the history.
    void ZoomGesture(double time, double notches);
    void EndZoomGesture();
    // The read-out at a time: every visible series' value, and the time.
    void ShowReadOut(double time);
    int SwatchAt(int x, int y) const;
    bool InTimeBand(int x, int y) const { return m_rect.Contains(x, y); }
    bool InPlot(int x, int y) const { return m_scene.PlotRect().Contains(x, y); }

    std::vector<std::shared_ptr<CMChartSerie>> m_series;
    std::vector<Range> m_back, m_forward;

    QImage m_picture;
    ChartScene m_scene{*this, m_series};
    QFont m_font;
    QPen m_crosshairPen;

    // Gestures.
    bool m_dragging = false;
    enum class DragMode { Pan, ZoomBand };  // of a drag that began in the time band
    DragMode m_dragMode = DragMode::Pan;
    int m_dragStartX = 0, m_dragCurrentX = 0;
    int m_selX0 = 0, m_selY0 = 0, m_selX1 = 0, m_selY1 = 0;
    bool m_selecting = false;
    std::optional<int> m_draggedMark;
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
