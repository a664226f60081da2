#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QRect>
#include <QSize>

#include <memory>
#include <optional>
#include <vector>

#include "chart/chart_axis.h"
#include "chart/chart_series.h"

// How a chart looks: colours, font and switches, for the screen and the pictures alike. The
// chart draws on its own background, so its texts take these colours and not the desktop
// palette's (whose light text a dark theme would put on the white plot).
struct ChartLook {
    QColor background{255, 255, 255};
    QColor axis{0, 0, 0};
    QColor grid{200, 200, 200};
    QColor selection{180, 180, 180};
    QColor band{218, 238, 218};  // the stretches marked behind the curves (the climbs)
    QColor text{0, 0, 0};
    QColor disabledText{120, 120, 120};
    QFont font = ChartFont();
    int spacing = 3;  // used in the height of the time band
    bool legendShown = true;
    // A box for the time of the read-out after the series' value boxes: on the screen, where
    // the mouse gives a time, not in a picture.
    bool timeReadOut = false;
    bool gridShown = true;
    // Draw dense curves from four points per pixel column (the same pixels as every sample).
    bool decimateCurves = true;
    // The value axes that are not custom span the samples in view, not the whole log.
    bool fitHeightsToView = false;
};

// A moment marked across the plot (a takeoff, a landing): a thin line in the text colour,
// its text beside it just above the time axis.
struct ChartMark {
    double time = 0;
    QString text;
    bool operator==(const ChartMark&) const = default;
};

// The layout and drawing of a chart: series over one time axis, each with its own value
// axis, the time band, the legend, labels and the selection. It needs no window: the
// chart control draws its screen picture through it, and so do the exports and
// nivra-tool. The axis and the series belong to whoever made the scene; laying out
// writes their rectangles, ranges and ticks.
class ChartScene {
public:
    ChartScene(TimeAxis& time, const std::vector<std::shared_ptr<ChartSeries>>& series);
    ChartScene(const ChartScene&) = delete;
    ChartScene& operator=(const ChartScene&) = delete;

    // Where a label's text of this size stands for its point (x, y): to the right of the point
    // and below it, or, where the plot's right or bottom edge would cut it, flipped to the left
    // or above; kept inside the plot as far as it fits.
    static ChartRect LabelRect(int x, int y, QSize text, const ChartRect& plot);
    // A series' value range: its data's, or with fitHeightsToView the samples in view; with the
    // shown series drawn on its axis.
    void FitRange(ChartSeries& s) const;

    // Lays everything out for a picture of this size (in the chart's coordinates).
    void Layout(QSize size);
    // Draws into a picture laid out for its size; its device pixel ratio gives the pixels
    // per coordinate, at which the curves are drawn.
    void Draw(QImage& picture);
    // Draws with a painter on any device (a page, a PDF), in the chart's coordinates from (0, 0):
    // the curves as lines, not pixels.
    void DrawVector(QPainter& painter, QSize size);
    // The live redraw while panning: time axis, grid, axes and curves only.
    void DrawPanFrame(QImage& picture);

    const ChartRect& InnerRect() const { return m_innerRect; }
    const ChartRect& PlotRect() const { return m_plotRect; }
    const ChartRect& LegendRect() const { return m_legendRect; }
    // Where the last drawing put its texts: axis labels and titles, time labels, legend.
    const std::vector<QRect>& TextRects() const { return m_textRects; }
    // Where the legend shows the time of the read-out, after the series' value boxes.
    const ChartRect& TimeBox() const { return m_timeBox; }
    // The pixel column of a mark, when it lies within the plot.
    std::optional<int> MarkX(const ChartMark& mark) const;
    // The read-out's text of a time, as wide as the time box allows.
    QString TimeReadOut(double time) const { return QString::fromStdString(m_time.TickLabel(time)); }

    ChartLook m_look;
    std::optional<TimeRange> m_selection;
    // Stretches of time shaded behind the grid and the curves.
    std::vector<TimeRange> m_bands;
    // Moments marked over the curves.
    std::vector<ChartMark> m_marks;

private:
    void MakePens();
    // A series draws a value axis when it has its own and it or a series on it is shown.
    bool AxisShown(size_t index) const;
    bool SharesAxis(const ChartSeries& s) const;
    int ValueLabelLength(const ChartSeries& s, double value) const;
    int TimeReadOutWidth() const;
    void DrawTimeAxis(QPainter& painter);
    void DrawSelection(QPainter& painter);
    void DrawBands(QPainter& painter);
    void DrawHorizontalGrid(QPainter& painter);
    void DrawSeries(QPainter& painter);
    // The value axis of a series: ticks, labels, and its title below the lowest label.
    void DrawValueAxis(QPainter& painter, const ChartSeries& s, int below, const QPen& pen);
    void DrawLegend(QPainter& painter);
    void DrawMarks(QPainter& painter);
    void DrawWith(QPainter& painter, QSize size);
    // Into the picture itself, pixel by pixel (see DrawPolyline), or as a line with the painter
    // when there is no picture.
    void DrawCurve(QPainter& painter, const ChartSeries& serie);
    static constexpr double kVectorPointsPerPixel = 4.0;

    TimeAxis& m_time;
    const std::vector<std::shared_ptr<ChartSeries>>& m_series;
    ChartRect m_innerRect, m_plotRect, m_legendRect;
    ChartRect m_timeBox;
    int m_timeTitleLeft = 0, m_timeTitleTop = 0;
    std::vector<int> m_belowAxes;  // per visible series: how far its lowest label reaches below the plot
    std::vector<QRect> m_textRects;
    QPen m_axisPen, m_gridPen;
    QImage* m_target = nullptr;  // the picture being drawn
};
