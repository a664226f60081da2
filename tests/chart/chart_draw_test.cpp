#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>

#include <cmath>

#include "chart/chart_picture.h"
#include "chart/chart_widget.h"
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

// A chart drawn without a window, laid out as the window lays it out: with the box of the
// read-out's time in the legend.
struct Picture : ChartPicture {
    QSize size;
    explicit Picture(QSize pictureSize = {800, 600}) : size(pictureSize) { m_scene.m_look.timeReadOut = true; }
    std::shared_ptr<ChartSeries> Add(const char* name, std::vector<double> values, double interval = 1.0,
                                     bool left = true, int color = 0)
    {
        auto s = std::make_shared<ChartSeries>(name, 0.0, interval, std::move(values));
        s->m_axisOnLeft = left;
        s->SetColorIndex(color);
        m_series.push_back(s);
        return s;
    }
    // The whole time of the series, laid out and drawn.
    QImage Whole()
    {
        ShowWholeRange();
        return Draw(size);
    }
    const ChartRect& Plot() const { return m_scene.PlotRect(); }
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
            Picture chart(c.size);
            chart.m_scene.m_look.decimateCurves = decimate == 1;
            chart.Add("Wave", Wave(c.samples, c.period, 3), 0.1, true, 2);
            chart.Add("Other", Wave(c.samples, c.period * 3, 5), 0.1, false, 0);
            const double span = static_cast<double>(c.samples) * 0.1;
            chart.m_time.m_min = span * c.zoomFirst;
            chart.m_time.m_max = span * c.zoomLast;
            pictures[decimate] = chart.Draw(c.size);
        }
        EXPECT_TRUE(pictures[0] == pictures[1]) << c.what;
        // The curve was drawn at all.
        EXPECT_GT(CountColor(pictures[1], PaletteColor(2), {0, 0, c.size.width(), c.size.height()}), 100) << c.what;
    }
}

TEST(ChartLayout, BandsLegendAndPlot)
{
    Picture chart;
    auto alt = chart.Add("Alt", {0, 10, 20, 30}, 1.0, true, 1);
    auto vario = chart.Add("Vario", {1, -1, 2, 0}, 1.0, false, 0);
    chart.Whole();
    const int cy = QFontMetrics(alt->m_rotatedFont).height();
    const ChartRect& plot = chart.Plot();
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
    const ChartRect& legend = chart.m_scene.LegendRect();
    EXPECT_GE(legend.Height(), cy);
    EXPECT_EQ(legend.bottom, 600 - 5);
    EXPECT_EQ(legend.left, plot.left);
    EXPECT_EQ(chart.m_time.m_rect.bottom, legend.top);
    EXPECT_EQ(chart.m_time.m_rect.Height(), QFontMetrics(ChartFont()).height() + 15);
    EXPECT_EQ(plot.bottom, chart.m_time.m_rect.top);
    // Swatches in one row, the second after the first one's value box.
    EXPECT_EQ(alt->m_swatchRect.left, legend.left);
    EXPECT_EQ(vario->m_swatchRect.top, legend.top);
    EXPECT_EQ(vario->m_swatchRect.left, alt->m_valueBox.right + cy);

    // A hidden series takes no band.
    vario->m_visible = false;
    chart.Whole();
    EXPECT_EQ(chart.Plot().right, 800 - 5);
}

TEST(ChartLayout, AxesHoldTheirDataTightlyWithLabelsApart)
{
    // An altitude above, at and below zero, up to five digits, beside a vario in custom or
    // automatic range, at three sizes: an automatic axis holds its data (a peak is never cut)
    // and reaches less than a step beyond it, a custom one is drawn exactly as typed, its
    // ticks within it, no label is "-0", and no two texts meet.
    const struct {
        const char* what;
        std::vector<double> alt;
        ScalingMode altMode;
        ScalingMode varioMode;
    } cases[] = {
        {"a dip below the start, to zero", {0, -118, 542, 300}, ScalingMode::AlignedToZero, ScalingMode::Custom},
        {"a dip below the start, auto", {0, -118.4, 542.7, 300}, ScalingMode::Auto, ScalingMode::Auto},
        {"from zero", {0, 120, 542, 10}, ScalingMode::AlignedToZero, ScalingMode::Custom},
        {"above zero, auto", {120, 300, 542, 130}, ScalingMode::Auto, ScalingMode::Custom},
        {"five digits in feet", {0, -387, 12345.6, 9000}, ScalingMode::AlignedToZero, ScalingMode::Auto},
        {"a flat flight", {0, 0.04, -0.05, 0}, ScalingMode::Auto, ScalingMode::Auto},
        {"one hundred thousand", {-99999, 0, 99999, 0}, ScalingMode::Auto, ScalingMode::Custom},
        // The top label (100000) longer than the one below it (99000).
        {"a longer top label", {95500, 99800, 96000, 97000}, ScalingMode::Auto, ScalingMode::Custom},
    };
    for (QSize size : {QSize(1600, 900), QSize(800, 600), QSize(420, 300)}) {
        for (const auto& c : cases) {
            const std::string what = std::string(c.what) + " at " + std::to_string(size.width());
            Picture chart(size);
            auto alt = chart.Add("Alt", c.alt, 1.0, true, 1);
            alt->m_unit = "m";
            alt->m_scalingMode = c.altMode;
            auto vario = chart.Add("Vario", {1.5, -3.25, 4.75, 0.5}, 1.0, false, 0);
            vario->m_unit = "m/s";
            vario->m_scalingMode = c.varioMode;
            vario->m_customMin = -5;
            vario->m_customMax = 5;
            chart.Whole();
            for (const auto& s : {alt, vario}) {
                if (s->m_scalingMode == ScalingMode::Custom) {
                    EXPECT_EQ(std::pair(s->m_min, s->m_max), std::pair(-5.0, 5.0)) << what;
                } else {
                    EXPECT_LE(s->m_min, s->m_dataMin + s->m_step * 1e-9) << what;
                    EXPECT_GE(s->m_max, s->m_dataMax - s->m_step * 1e-9) << what;
                    const bool toZero = s->m_scalingMode == ScalingMode::AlignedToZero;
                    EXPECT_GT(s->m_min, (toZero ? std::min(s->m_dataMin, 0.0) : s->m_dataMin) - s->m_step) << what;
                    EXPECT_LT(s->m_max, s->m_dataMax + s->m_step) << what;
                    EXPECT_EQ(s->m_firstTick, s->m_min) << what;
                }
                EXPECT_GE(s->m_tickCount, 1) << what;
                for (int k = 0; k <= s->m_tickCount; ++k) {
                    const double value = s->TickValue(k);
                    EXPECT_GE(value, s->m_min - s->m_step * 1e-9) << what;
                    EXPECT_LE(value, s->m_max + s->m_step * 1e-9) << what;
                    const QString label = s->ValueText(value, false);
                    EXPECT_FALSE(label.toDouble() == 0 && label.startsWith('-')) << what << ": " << label.toStdString();
                }
            }
            const std::vector<QRect>& texts = chart.m_scene.TextRects();
            // Within the picture's inset margin, which would hide a few pixels too many.
            const ChartRect& inner = chart.m_scene.InnerRect();
            const QRect picture(inner.left, inner.top, inner.Width(), inner.Height());
            const ChartRect& band = chart.m_time.m_rect;
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
        Picture chart(size);
        auto vario = chart.Add("Vario", {-0.062, 0.054, 0.01, -0.024}, 1.0, false, 0);
        vario->m_unit = "m/s";
        auto alt = chart.Add("Alt", {0, 1234.5, 20, 30}, 1.0, true, 1);
        alt->m_unit = "m";
        chart.Whole();
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
            EXPECT_LE(metrics.horizontalAdvance(time), chart.m_scene.TimeBox().Width()) << time;
        EXPECT_LE(chart.m_scene.TimeBox().right, size.width() - 5);
    }
}

TEST(ChartLayout, LegendWrapsIntoRows)
{
    Picture chart({300, 400});
    std::vector<std::shared_ptr<ChartSeries>> series;
    for (const char* name : {"First series", "Second series", "Third series"})
        series.push_back(chart.Add(name, {1, 2, 3}));
    chart.Whole();
    EXPECT_GT(series[2]->m_swatchRect.top, series[0]->m_swatchRect.top);
    EXPECT_EQ(series[2]->m_swatchRect.left, chart.m_scene.LegendRect().left);

    // At any width an entry that would reach past the plot begins a row, so that no name or
    // value is cut at the edge; the time's read-out too. Entries of a row do not overlap.
    for (const int width : {300, 380, 460, 540, 620, 700, 900}) {
        Picture wide({width, 400});
        std::vector<std::shared_ptr<ChartSeries>> entries;
        for (const char* name : {"2026-12-07 Flight 1", "2026-12-07 Flight 1 (vario)", "2026-06-14 Long climb",
                                 "2026-06-14 Long climb (vario)"})
            entries.push_back(wide.Add(name, {1, 2, 3}));
        wide.Whole();
        const ChartRect& legend = wide.m_scene.LegendRect();
        for (size_t i = 0; i < entries.size(); ++i) {
            const ChartSeries& e = *entries[i];
            SCOPED_TRACE(std::to_string(width) + " " + e.m_name.toStdString());
            EXPECT_LT(e.m_swatchRect.right, e.m_valueBox.left);
            EXPECT_EQ(e.m_swatchRect.top, e.m_valueBox.top);
            EXPECT_GE(e.m_swatchRect.top, legend.top);
            if (e.m_swatchRect.left > legend.left) {
                EXPECT_LE(e.m_valueBox.right, legend.right);
            }
            if (i > 0 && entries[i - 1]->m_valueBox.top == e.m_valueBox.top) {
                EXPECT_LT(entries[i - 1]->m_valueBox.right, e.m_swatchRect.left);
            }
        }
        EXPECT_LE(wide.m_scene.TimeBox().right, legend.right) << width;
        EXPECT_LE(wide.m_scene.TimeBox().bottom, legend.bottom) << width;
    }
}

TEST(ChartDrawing, WhatIsOnThePicture)
{
    Picture chart;
    auto hidden = chart.Add("Hidden", {10, 20, 30, 40, 50, 60, 70}, 1.0, true, 8);  // magenta
    auto shown = chart.Add("Shown", {0, 50, 100, 50, 0, 50, 100}, 1.0, true, 2);    // blue
    hidden->m_visible = false;
    shown->m_scalingMode = ScalingMode::Custom;  // a range that cuts the curve's peaks and troughs
    shown->m_customMin = 20;
    shown->m_customMax = 80;
    shown->AddLabel(3.0, 50.0);
    shown->AddLabel(100.0, 50.0);  // outside the time range: not drawn
    shown->AddLabel(2.0, 1000.0);  // far above the plot: clipped away
    chart.m_scene.m_selection = TimeRange{1.0, 2.0};
    const QImage picture = chart.Whole();
    const ChartRect plot = chart.Plot();
    const QColor blue = PaletteColor(2), magenta = PaletteColor(8), grey(180, 180, 180), red(255, 0, 0);
    EXPECT_GT(CountColor(picture, blue, plot), 300);
    EXPECT_EQ(CountColor(picture, magenta, plot), 0);
    // Nothing of the curve or the labels outside the plot and the axis band.
    EXPECT_EQ(CountColor(picture, blue, {plot.right, 0, 800, plot.bottom}), 0);
    EXPECT_EQ(CountColor(picture, blue, {0, 0, 800, plot.top}), 0);
    EXPECT_EQ(CountColor(picture, red, {0, 0, 800, plot.top}), 0);
    // The hidden series' swatch is outlined, not filled, and its name is grey.
    const ChartRect& swatch = hidden->m_swatchRect;
    EXPECT_EQ(picture.pixelColor(swatch.left, swatch.top), magenta);
    EXPECT_EQ(picture.pixelColor((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2),
              QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(shown->m_swatchRect.left + 2, shown->m_swatchRect.top + 2), blue);
    const auto darkest = [&picture](const ChartSeries& s) {  // of the name between swatch and value box
        int least = 255;
        for (int y = s.m_swatchRect.top; y < s.m_swatchRect.bottom; ++y)
            for (int x = s.m_swatchRect.right; x < s.m_valueBox.left; ++x)
                least = std::min(least, qGray(picture.pixel(x, y)));
        return least;
    };
    EXPECT_EQ(darkest(*hidden), qGray(chart.m_scene.m_look.disabledText.rgb()));
    EXPECT_LT(darkest(*shown), 60);
    // The grid follows the first series shown, the hidden one before it taking no part: a
    // dotted line at each of its ticks above the lowest, and no other row of grid.
    const QColor gridColor = chart.m_scene.m_look.grid;
    std::vector<int> gridRows, tickRows;
    for (int y = plot.top; y < plot.bottom; ++y)
        if (CountColor(picture, gridColor, {plot.left, y, plot.right, y + 1}) > plot.Width() / 4)
            gridRows.push_back(y);
    for (int k = shown->m_tickCount; k >= 1; --k)
        tickRows.push_back(shown->ValueToPixel(shown->TickValue(k)));
    EXPECT_GE(tickRows.size(), 3u);
    EXPECT_EQ(gridRows, tickRows);
    // The selection fill lies between the times 1 and 2, inside the plot.
    const int x1 = chart.m_time.ValueToPixel(1.0), x2 = chart.m_time.ValueToPixel(2.0);
    const int lx = chart.m_time.ValueToPixel(3.0), ly = shown->ValueToPixel(50.0);
    EXPECT_GT(CountColor(picture, grey, {x1, plot.top, x2, plot.bottom}), (x2 - x1) * plot.Height() / 2);
    EXPECT_EQ(CountColor(picture, grey, {x2 + 1, plot.top, lx - 6, plot.bottom}), 0);  // up to the label
    // A climb's shading from time 1.5 on shows through the selection, which darkens it.
    chart.m_scene.m_bands = {TimeRange{1.5, 6.0}};
    const QImage shaded = chart.Whole();
    const QColor band = chart.m_scene.m_look.band;
    const auto times = [](int c) {
        return qRound(c * 180 / 255.0);
    };  // the selection's grey, multiplied
    const QColor through(times(band.red()), times(band.green()), times(band.blue()));
    const int xb = chart.m_time.ValueToPixel(1.5);
    EXPECT_GT(CountColor(shaded, through, {xb + 1, plot.top, x2, plot.bottom}), (x2 - xb - 1) * plot.Height() / 2);
    EXPECT_GT(CountColor(shaded, grey, {x1, plot.top, xb, plot.bottom}), (xb - x1) * plot.Height() / 2);
    // The label's red cross is at its point; the other labels are nowhere.
    EXPECT_EQ(std::pair(picture.pixelColor(lx - 4, ly), picture.pixelColor(lx, ly + 4)), std::pair(red, red));
    // Its text beside it is in the text colour (dark), none of it red.
    const ChartRect text{lx + 8, ly, std::min(lx + 200, plot.right), ly + 14};
    int dark = 0;
    for (int y = text.top; y < text.bottom; ++y)
        for (int x = text.left; x < text.right; ++x)
            dark += qGray(picture.pixel(x, y)) < 60 ? 1 : 0;
    EXPECT_GT(dark, 20);
    EXPECT_EQ(CountColor(picture, red, text), 0);
}

TEST(ChartDrawing, TimeLabelsStandOnRoundTimesAndNeverOverlap)
{
    // Flights of 10 minutes to 3 hours, drawn at many widths: the time labels lie on ticks
    // that are whole multiples of the step, and no two of them overlap (the first one, pushed
    // inwards to stay whole, least of all).
    for (const double seconds : {600.0, 3725.0, 10800.0})
        for (int width = 260; width <= 1400; width += 57) {
            Picture chart({width, 300});
            chart.Add("Alt", std::vector<double>(static_cast<size_t>(seconds), 1.0));
            chart.Whole();
            const ChartRect& band = chart.m_time.m_rect;
            std::vector<QRect> labels;
            for (const QRect& r : chart.m_scene.TextRects())
                if (r.top() == band.top + 6)
                    labels.push_back(r);
            ASSERT_GE(labels.size(), 2u) << seconds << " s at " << width;
            for (size_t i = 1; i < labels.size(); ++i)
                EXPECT_LT(labels[i - 1].right(), labels[i].left()) << seconds << " s at " << width << ": label " << i;
            for (double tick : chart.m_time.Ticks())
                EXPECT_EQ(std::fmod(tick, chart.m_time.m_step), 0.0) << seconds << " s at " << width << ": " << tick;
        }
}

TEST(ChartDrawing, LabelsKeepTheirTextInsideThePlot)
{
    const ChartRect plot{50, 20, 750, 520};
    const QSize text(120, 14);
    const struct {
        int x, y;
        ChartRect at;
    } cases[] = {
        {100, 100, {108, 100, 228, 114}},  // right of the point and below it
        {700, 100, {572, 100, 692, 114}},  // near the right edge: to the left
        {100, 515, {108, 501, 228, 515}},  // near the bottom: above
        {745, 519, {617, 505, 737, 519}},  // in the corner: both
        {622, 300, {630, 300, 750, 314}},  // just fits on the right
        {623, 300, {495, 300, 615, 314}},  // one pixel more: flipped
        {55, 25, {63, 25, 183, 39}},       // near the top and left edges: as usual
    };
    for (const auto& c : cases) {
        const ChartRect r = ChartScene::LabelRect(c.x, c.y, text, plot);
        EXPECT_EQ(std::tuple(r.left, r.top, r.right, r.bottom),
                  std::tuple(c.at.left, c.at.top, c.at.right, c.at.bottom))
            << c.x << "," << c.y;
        EXPECT_TRUE(r.left >= plot.left && r.right <= plot.right && r.top >= plot.top && r.bottom <= plot.bottom);
    }
    // Wider than the plot: kept to its left edge.
    EXPECT_EQ(ChartScene::LabelRect(400, 100, QSize(900, 14), plot).left, plot.left);
}

TEST(ChartDrawing, NothingToDraw)
{
    Picture empty;
    const QImage picture = empty.Whole();
    EXPECT_EQ(std::pair(picture.size(), empty.m_scene.LegendRect().Height()), std::pair(QSize(800, 600), 0));
    // The time axis line is there.
    EXPECT_EQ(picture.pixelColor(400, empty.m_time.m_rect.top), QColor(0, 0, 0));
    // A window never given a size has no picture.
    ChartWidget never;
    never.resize(0, 0);
    EXPECT_FALSE(never.CopyBitmap());
}

TEST(ChartDrawing, ASnapshotDrawsAtAnySizeAndLeavesTheWindowsChartAsItWas)
{
    ChartWidget chart;
    chart.resize(800, 600);
    const std::shared_ptr<ChartSeries> s = chart.AddSeries("S", 0.0, 1.0, {0, 50, 100, 50, 0});
    s->SetColorIndex(2);
    chart.ResetView(false);
    chart.SetSelection(1.0, 2.0);
    const std::optional<QImage> before = chart.CopyBitmap();
    ASSERT_TRUE(before);
    const ChartRect plot = chart.PlotRect();
    const auto snapshot = chart.Snapshot();

    const struct {
        QSize size;
        bool drawn;
    } cases[] = {{{320, 200}, true}, {{1600, 1200}, true}, {{16, 16}, true}, {{0, 10}, false}, {{10, -1}, false}};
    for (const auto& c : cases) {
        const QImage picture = snapshot->Draw(c.size);
        EXPECT_EQ(!picture.isNull(), c.drawn) << c.size.width() << "x" << c.size.height();
        if (!c.drawn)
            continue;
        EXPECT_EQ(picture.size(), c.size);
        if (c.size.width() >= 320) {
            // Laid out for its own size: the curve reaches into the right part of a wide picture.
            const ChartRect right{c.size.width() * 3 / 4, 0, c.size.width(), c.size.height()};
            EXPECT_GT(CountColor(picture, PaletteColor(2), right), 5) << c.size.width();
        }
        // The window's picture and layout are as before.
        const std::optional<QImage> after = chart.CopyBitmap();
        ASSERT_TRUE(after);
        EXPECT_TRUE(*after == *before);
        EXPECT_EQ(std::pair(chart.PlotRect().right, chart.PlotRect().bottom), std::pair(plot.right, plot.bottom));
    }
    // A picture has no mouse, so no box for the read-out's time: one text fewer than the window's.
    snapshot->Draw({800, 600});
    EXPECT_TRUE(snapshot->m_scene.TimeBox().IsEmpty());
    EXPECT_FALSE(chart.TimeBox().IsEmpty());
    EXPECT_EQ(snapshot->m_scene.TextRects().size() + 1, chart.TextRects().size());
}

TEST(ChartDrawing, ADarkDesktopThemeLeavesTheChartReadable)
{
    // The chart draws on its own white background: a palette of light text on dark (a dark
    // desktop theme) must not reach its labels, legend or read-out.
    QPalette dark;
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(30, 30, 30));
    std::optional<QImage> pictures[2];
    QImage screens[2];
    for (int themed = 0; themed < 2; ++themed) {
        ChartWidget chart;
        if (themed)
            chart.setPalette(dark);
        chart.resize(640, 400);
        chart.AddSeries("Alt", 0.0, 1.0, {0, 50, 100, 50, 0});
        chart.ResetView(false);
        chart.Recalc();
        pictures[themed] = chart.CopyBitmap();
        ASSERT_TRUE(pictures[themed]);
        // The read-out over the picture, as the mouse shows it.
        const ChartRect plot = chart.PlotRect();
        QMouseEvent move(QEvent::MouseMove, QPointF((plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2),
                         QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&chart, &move);
        ASSERT_FALSE(chart.ReadOut().empty());
        screens[themed] = chart.grab().toImage();
    }
    EXPECT_TRUE(*pictures[0] == *pictures[1]);
    EXPECT_TRUE(screens[0] == screens[1]);
    // And the texts are there: the axis labels take the chart's text colour.
    EXPECT_GT(CountColor(*pictures[1], QColor(0, 0, 0), {0, 0, 640, 400}), 100);
}
