#include <gtest/gtest.h>

#include <QFontMetrics>

#include <cmath>

#include "chart/chart_ctrl.h"
#include "chart/chart_picture.h"
#include "chart/palette.h"

namespace {

std::vector<double> Wave(size_t n, double period, uint32_t seed)
{
    std::vector<double> v(n);
    uint32_t state = seed;
    for (size_t i = 0; i < n; ++i) {
        state = state * 1664525u + 1013904223u;
        v[i] = std::sin(static_cast<double>(i) / period) * 100 + static_cast<double>(state >> 24) / 8.0;
    }
    return v;
}

int CountColor(const QImage& image, QColor color, const ChartRect& inside)
{
    int count = 0;
    for (int y = inside.top; y < inside.bottom; ++y)
        for (int x = inside.left; x < inside.right; ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

struct Chart {
    CMChartCtrl ctrl;
    explicit Chart(QSize size = {800, 600}) { ctrl.resize(size); }
    std::shared_ptr<CMChartSerie> Add(const char* name, std::vector<double> values, double interval = 1.0,
                                      bool left = true, int color = 0)
    {
        std::shared_ptr<CMChartSerie> s;
        ctrl.AddSerie(name, 0.0, interval, std::move(values), &s, false);
        s->m_axisOnLeft = left;
        s->SetColorIndex(color);
        return s;
    }
};

}  // namespace

TEST(ChartDrawing, DecimatedCurvesMatchEverySample)
{
    const struct {
        const char* what;
        size_t samples;
        double period;
        QSize size;
        double zoomFirst, zoomLast;  // a fraction of the whole range
    } cases[] = {
        {"dense", 200000, 500, {800, 600}, 0, 1},
        {"very dense and noisy", 400000, 30, {640, 300}, 0, 1},
        {"dense, zoomed into the middle", 300000, 200, {900, 500}, 0.41, 0.47},
        {"just over four per column", 3500, 40, {700, 400}, 0, 1},
        {"sparse", 300, 20, {800, 600}, 0, 1},
    };
    for (const auto& c : cases) {
        QImage pictures[2];
        for (int decimate = 0; decimate < 2; ++decimate) {
            Chart chart(c.size);
            chart.ctrl.m_decimateCurves = decimate == 1;
            chart.Add("Wave", Wave(c.samples, c.period, 3), 0.1, true, 2);
            chart.Add("Other", Wave(c.samples, c.period * 3, 5), 0.1, false, 0);
            chart.ctrl.ResetView(false);
            const double span = static_cast<double>(c.samples) * 0.1;
            if (c.zoomFirst > 0 || c.zoomLast < 1)
                chart.ctrl.SetRange(span * c.zoomFirst, span * c.zoomLast);
            ASSERT_TRUE(chart.ctrl.CopyBitmap(pictures[decimate]));
        }
        EXPECT_TRUE(pictures[0] == pictures[1]) << c.what;
        // The curve was drawn at all.
        EXPECT_GT(CountColor(pictures[1], PaletteColor(2), {0, 0, c.size.width(), c.size.height()}), 100) << c.what;
    }
}

TEST(ChartLayout, BandsLegendAndPlot)
{
    Chart chart;
    auto alt = chart.Add("Alt", {0, 10, 20, 30}, 1.0, true, 1);
    auto vario = chart.Add("Vario", {1, -1, 2, 0}, 1.0, false, 0);
    chart.ctrl.ResetView(false);
    const int cy = QFontMetrics(alt->m_rotatedFont).height();
    const ChartRect& plot = chart.ctrl.PlotRect();
    EXPECT_EQ(alt->m_rect.left, 5);
    EXPECT_EQ(alt->m_rect.Width(), cy + 15);
    EXPECT_EQ(plot.left, alt->m_rect.right);
    EXPECT_EQ(vario->m_rect.right, 800 - 5);
    EXPECT_EQ(vario->m_rect.Width(), cy + 15);
    EXPECT_EQ(plot.right, vario->m_rect.left);
    // Half the longest top label above the plot, so that it is whole.
    int top = 0;
    for (const auto& s : {alt, vario})
        top = std::max(top, (QFontMetrics(s->m_rotatedFont).horizontalAdvance(s->ValueText(s->m_max, false)) + 1) / 2);
    EXPECT_EQ(plot.top, 5 + top);
    EXPECT_EQ(alt->m_rect.top, plot.top);
    EXPECT_EQ(alt->m_rect.bottom, plot.bottom);
    // One legend row, the time band on it.
    const ChartRect& legend = chart.ctrl.LegendRect();
    EXPECT_GE(legend.Height(), cy);
    EXPECT_EQ(legend.bottom, 600 - 5);
    EXPECT_EQ(legend.left, plot.left);
    EXPECT_EQ(chart.ctrl.m_rect.bottom, legend.top);
    EXPECT_EQ(chart.ctrl.m_rect.Height(), QFontMetrics(ChartFont()).height() + 15);
    EXPECT_EQ(plot.bottom, chart.ctrl.m_rect.top);
    // Swatches in one row, the second after the first one's value box.
    EXPECT_EQ(alt->m_swatchRect.left, legend.left);
    EXPECT_EQ(vario->m_swatchRect.top, legend.top);
    EXPECT_EQ(vario->m_swatchRect.left, alt->m_valueBox.right + cy);

    // A hidden series takes no band.
    vario->m_visible = false;
    chart.ctrl.Recalc();
    EXPECT_EQ(chart.ctrl.PlotRect().right, 800 - 5);
}

TEST(ChartLayout, AxesHoldTheirDataWithTicksAtOneHeightAndLabelsApart)
{
    // An altitude above, at and below zero, up to five digits, beside a vario in custom or
    // automatic range, at two sizes: each axis holds its data (a peak is never cut), the
    // ticks of both axes fall on the same rows, no label is "-0", and no two texts meet.
    const struct {
        const char* what;
        std::vector<double> alt;
        ScalingMode altMode;
        ScalingMode varioMode;
    } cases[] = {
        {"a dip below the start, aligned to zero",
         {0, -118, 542, 300},
         ScalingMode::AlignedToZero,
         ScalingMode::Custom},
        {"a dip below the start, auto", {0, -118.4, 542.7, 300}, ScalingMode::Auto, ScalingMode::Auto},
        {"from zero", {0, 120, 542, 10}, ScalingMode::AlignedToZero, ScalingMode::Custom},
        {"above zero, auto", {120, 300, 542, 130}, ScalingMode::Auto, ScalingMode::Custom},
        {"five digits in feet", {0, -387, 12345.6, 9000}, ScalingMode::AlignedToZero, ScalingMode::Auto},
        {"a flat flight", {0, 0.04, -0.05, 0}, ScalingMode::Auto, ScalingMode::Auto},
        {"one hundred thousand", {-99999, 0, 99999, 0}, ScalingMode::Auto, ScalingMode::Custom},
    };
    for (QSize size : {QSize(1600, 900), QSize(800, 600), QSize(420, 300)}) {
        for (const auto& c : cases) {
            const std::string what = std::string(c.what) + " at " + std::to_string(size.width());
            Chart chart(size);
            auto alt = chart.Add("Alt", c.alt, 1.0, true, 1);
            alt->m_unit = "m";
            alt->m_scalingMode = c.altMode;
            auto vario = chart.Add("Vario", {1.5, -3.25, 4.75, 0.5}, 1.0, false, 0);
            vario->m_unit = "m/s";
            vario->m_scalingMode = c.varioMode;
            vario->m_customMin = -5;
            vario->m_customMax = 5;
            chart.ctrl.ResetView(false);
            for (const auto& s : {alt, vario}) {
                if (s->m_scalingMode != ScalingMode::Custom) {
                    EXPECT_LE(s->m_min, s->m_dataMin + s->m_step * 1e-9) << what;
                    EXPECT_GE(s->m_max, s->m_dataMax - s->m_step * 1e-9) << what;
                }
                EXPECT_EQ(s->m_firstTick, s->m_min) << what;
                for (int k = 0; k <= s->m_tickCount; ++k) {
                    const QString label = s->ValueText(s->TickValue(k), false);
                    EXPECT_FALSE(label.toDouble() == 0 && label.startsWith('-')) << what << ": " << label.toStdString();
                    EXPECT_EQ(s->ValueToPixel(s->TickValue(k)), alt->ValueToPixel(alt->TickValue(k)))
                        << what << " " << k;
                }
            }
            EXPECT_EQ(alt->m_tickCount, vario->m_tickCount) << what;
            const std::vector<QRect>& texts = chart.ctrl.TextRects();
            const QRect picture(0, 0, size.width(), size.height());
            const ChartRect& band = chart.ctrl.m_rect;
            for (size_t i = 0; i < texts.size(); ++i) {
                EXPECT_TRUE(picture.contains(texts[i])) << what << ": text " << i;
                if (texts[i].top() == band.top + 6) {  // a time label: whole within the time band
                    EXPECT_GE(texts[i].left(), band.left) << what << ": time label " << i;
                    EXPECT_LE(texts[i].left() + texts[i].width(), band.right) << what << ": time label " << i;
                }
                for (size_t j = i + 1; j < texts.size(); ++j)
                    EXPECT_FALSE(texts[i].intersects(texts[j])) << what << ": texts " << i << " and " << j;
            }
        }
    }
}

TEST(ChartLayout, EveryReadOutFitsItsBoxBeforeTheNextSwatch)
{
    // A vario of two decimals first: its box is laid out with the decimals its axis ends up
    // with, not those it had before, so that its read-out never runs into the next swatch.
    for (QSize size : {QSize(800, 600), QSize(300, 400)}) {
        Chart chart(size);
        auto vario = chart.Add("Vario", {-0.062, 0.054, 0.01, -0.024}, 1.0, false, 0);
        vario->m_unit = "m/s";
        auto alt = chart.Add("Alt", {0, 1234.5, 20, 30}, 1.0, true, 1);
        alt->m_unit = "m";
        chart.ctrl.ResetView(false);
        ASSERT_EQ(vario->m_decimals, 2);
        const QFontMetrics metrics(ChartFont());
        for (const auto& s : {vario, alt})
            for (double v : {s->m_min, s->m_max, s->m_dataMin, s->m_dataMax, -0.0585})
                EXPECT_LE(metrics.horizontalAdvance(s->ValueText(v, true)), s->m_valueBox.Width())
                    << s->m_name.toStdString() << " " << v << " at " << size.width();
        if (alt->m_swatchRect.top == vario->m_swatchRect.top) {
            EXPECT_LT(vario->m_valueBox.right, alt->m_swatchRect.left);
        }
        // The time's box holds any time of the range, and nothing is beyond it.
        for (const char* time : {"00:00", "00:03", "88:88"})
            EXPECT_LE(metrics.horizontalAdvance(time), chart.ctrl.TimeBox().Width()) << time;
        EXPECT_LE(chart.ctrl.TimeBox().right, size.width() - 5);
        // A picture has no mouse, so no time box.
        const auto snapshot = chart.ctrl.Snapshot();
        snapshot->Draw(size);
        EXPECT_TRUE(snapshot->m_scene.TimeBox().IsEmpty());
        EXPECT_EQ(snapshot->m_scene.TextRects().size() + 1, chart.ctrl.TextRects().size());
    }
}

TEST(ChartLayout, LegendWrapsIntoRows)
{
    Chart chart({300, 400});
    for (const char* name : {"First series", "Second series", "Third series"})
        chart.Add(name, {1, 2, 3});
    chart.ctrl.ResetView(false);
    std::shared_ptr<CMChartSerie> first, third;
    chart.ctrl.GetSerie(0, &first);
    chart.ctrl.GetSerie(2, &third);
    EXPECT_GT(third->m_swatchRect.top, first->m_swatchRect.top);
    EXPECT_EQ(third->m_swatchRect.left, chart.ctrl.LegendRect().left);
}

TEST(ChartDrawing, WhatIsOnThePicture)
{
    Chart chart;
    auto shown = chart.Add("Shown", {0, 50, 100, 50, 0, 50, 100}, 1.0, true, 2);    // blue
    auto hidden = chart.Add("Hidden", {10, 20, 30, 40, 50, 60, 70}, 1.0, true, 8);  // magenta
    hidden->m_visible = false;
    shown->AddLabel(3.0, 50.0);
    shown->AddLabel(100.0, 50.0);  // outside the time range: not drawn
    chart.ctrl.ResetView(false);
    chart.ctrl.SetSelection(1.0, 2.0);
    QImage picture;
    ASSERT_TRUE(chart.ctrl.CopyBitmap(picture));
    const ChartRect plot = chart.ctrl.PlotRect();
    const QColor blue = PaletteColor(2), magenta = PaletteColor(8), grey(180, 180, 180), red(255, 0, 0);
    EXPECT_GT(CountColor(picture, blue, plot), 300);
    EXPECT_EQ(CountColor(picture, magenta, plot), 0);
    // The hidden series' swatch is outlined, not filled.
    const ChartRect& swatch = hidden->m_swatchRect;
    EXPECT_EQ(picture.pixelColor(swatch.left, swatch.top), magenta);
    EXPECT_EQ(picture.pixelColor((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2),
              QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(shown->m_swatchRect.left + 2, shown->m_swatchRect.top + 2), blue);
    // The selection fill lies between the times 1 and 2, inside the plot.
    const int x1 = chart.ctrl.ValueToPixel(1.0), x2 = chart.ctrl.ValueToPixel(2.0);
    EXPECT_GT(CountColor(picture, grey, {x1, plot.top, x2, plot.bottom}), (x2 - x1) * plot.Height() / 2);
    EXPECT_EQ(CountColor(picture, grey, {x2 + 1, plot.top, plot.right, plot.bottom}), 0);
    // The label's red cross is at its point; the other label is nowhere.
    const int lx = chart.ctrl.ValueToPixel(3.0), ly = shown->ValueToPixel(50.0);
    EXPECT_EQ(picture.pixelColor(lx - 4, ly), red);
    EXPECT_EQ(picture.pixelColor(lx, ly + 4), red);
    // Nothing of the curve outside the plot and its axis band.
    EXPECT_EQ(CountColor(picture, blue, {plot.right, 0, 800, plot.bottom}), 0);
}

TEST(ChartDrawing, ClipsToThePlot)
{
    Chart chart;
    auto s = chart.Add("S", {0, 1, 2, 3, 4, 5}, 1.0, true, 2);
    s->m_scalingMode = ScalingMode::Custom;  // a custom range that cuts the curve
    s->m_customMin = 1.5;
    s->m_customMax = 3.5;
    s->AddLabel(2.0, 100.0);  // far above the plot: clipped away
    chart.ctrl.ResetView(false);
    QImage picture;
    chart.ctrl.CopyBitmap(picture);
    const ChartRect plot = chart.ctrl.PlotRect();
    EXPECT_EQ(CountColor(picture, QColor(255, 0, 0), {0, 0, 800, plot.top}), 0);
    EXPECT_GT(CountColor(picture, PaletteColor(2), plot), 50);
}

TEST(ChartDrawing, NothingToDraw)
{
    Chart empty;
    empty.ctrl.Recalc();
    QImage picture;
    ASSERT_TRUE(empty.ctrl.CopyBitmap(picture));
    EXPECT_EQ(picture.size(), QSize(800, 600));
    EXPECT_EQ(empty.ctrl.LegendRect().Height(), 0);
    // The time axis line is there.
    EXPECT_EQ(picture.pixelColor(400, empty.ctrl.m_rect.top), QColor(0, 0, 0));

    CMChartCtrl never;
    QImage none;
    never.resize(0, 0);
    EXPECT_FALSE(never.CopyBitmap(none));
}

TEST(ChartDrawing, APictureOfAnotherSizeLeavesTheWindowsChartAsItWas)
{
    Chart chart;
    chart.Add("S", {0, 50, 100, 50, 0}, 1.0, true, 2);
    chart.ctrl.ResetView(false);
    chart.ctrl.SetSelection(1.0, 2.0);
    QImage before;
    ASSERT_TRUE(chart.ctrl.CopyBitmap(before));
    const ChartRect plot = chart.ctrl.PlotRect();

    const struct {
        QSize size;
        bool drawn;
    } cases[] = {{{320, 200}, true}, {{1600, 1200}, true}, {{16, 16}, true}, {{0, 10}, false}, {{10, -1}, false}};
    for (const auto& c : cases) {
        QImage picture;
        EXPECT_EQ(chart.ctrl.DrawImage(c.size, picture), c.drawn) << c.size.width() << "x" << c.size.height();
        if (!c.drawn)
            continue;
        EXPECT_EQ(picture.size(), c.size);
        if (c.size.width() >= 320) {
            // Laid out for its own size: the curve reaches into the right part of a wide picture.
            const ChartRect right{c.size.width() * 3 / 4, 0, c.size.width(), c.size.height()};
            EXPECT_GT(CountColor(picture, PaletteColor(2), right), 5) << c.size.width();
        }
        // The window's picture and layout are as before.
        QImage after;
        ASSERT_TRUE(chart.ctrl.CopyBitmap(after));
        EXPECT_TRUE(after == before);
        EXPECT_EQ(chart.ctrl.PlotRect().right, plot.right);
        EXPECT_EQ(chart.ctrl.PlotRect().bottom, plot.bottom);
    }
}
