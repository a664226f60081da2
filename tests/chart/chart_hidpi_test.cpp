// The chart on a screen of two device pixels to a pixel: the picture has the screen's
// pixels and the curves are drawn at that resolution. CTest runs these a second time with
// QT_SCALE_FACTOR=2, and the mouse tests with them: what the mouse finds stays in the
// widget's coordinates.
#include <gtest/gtest.h>

#include <QTest>

#include "chart/chart_picture.h"
#include "chart/chart_widget.h"
#include "chart/palette.h"

namespace {

// One straight rising series in blue.
std::shared_ptr<ChartSeries> Ramp()
{
    std::vector<double> values;
    for (int i = 0; i <= 1000; ++i)
        values.push_back(i * 0.5);
    auto ramp = std::make_shared<ChartSeries>("Ramp", 0.0, 1.0, std::move(values));
    ramp->SetColorIndex(2);
    return ramp;
}

// The curve's pixels in each device column of the plot: (column, lowest row, highest row).
std::vector<std::array<int, 3>> CurveColumns(const QImage& picture, const ChartRect& plot, double scale)
{
    std::vector<std::array<int, 3>> columns;
    const QColor blue = PaletteColor(2);
    const int left = static_cast<int>(plot.left * scale), right = static_cast<int>(plot.right * scale);
    const int top = static_cast<int>(plot.top * scale), bottom = static_cast<int>(plot.bottom * scale);
    for (int x = left; x < right; ++x) {
        int low = -1, high = -1;
        for (int y = top; y < bottom; ++y)
            if (picture.pixelColor(x, y) == blue) {
                high = high < 0 ? y : high;
                low = y;
            }
        if (high >= 0)
            columns.push_back({x, low, high});
    }
    return columns;
}

}  // namespace

TEST(ChartHiDpi, APictureAtTwiceTheDensity)
{
    ChartPicture chart;
    chart.m_series.push_back(Ramp());
    chart.ShowWholeRange();
    const QImage once = chart.Draw({640, 400}, 1.0), twice = chart.Draw({640, 400}, 2.0);
    EXPECT_EQ(std::tuple(once.size(), twice.size(), twice.devicePixelRatio()),
              std::tuple(QSize(640, 400), QSize(1280, 800), 2.0));
    EXPECT_TRUE(chart.Draw({640, 400}, 0.5).isNull());
    EXPECT_TRUE(chart.Draw({640, 400}, 4.5).isNull());

    const ChartRect plot = chart.m_scene.PlotRect();
    const auto thin = CurveColumns(once, plot, 1.0), fine = CurveColumns(twice, plot, 2.0);
    ASSERT_GT(thin.size(), 400u);
    // Twice the columns, each a line one device pixel thin or so: drawn at the screen's
    // resolution, not a doubled picture (which would give every column a twin and two-pixel steps).
    EXPECT_NEAR(static_cast<double>(fine.size()), 2.0 * static_cast<double>(thin.size()), 4.0);
    int oddRows = 0;
    for (const auto& [x, low, high] : fine) {
        EXPECT_LE(low - high, 3) << x;
        oddRows += high % 2;
    }
    EXPECT_GT(oddRows, static_cast<int>(fine.size()) / 4);
    // And in the same place: each fine column lies over the coarse column it refines.
    for (const auto& [x, low, high] : thin) {
        const auto match = std::find_if(fine.begin(), fine.end(), [x = x](const auto& c) { return c[0] == 2 * x; });
        ASSERT_NE(match, fine.end()) << x;
        EXPECT_NEAR((*match)[1] / 2.0, low, 2.0) << x;
    }
}

TEST(ChartHiDpi, TheWidgetFollowsItsScreen)
{
    ChartWidget ctrl;
    ctrl.resize(640, 400);
    ctrl.AddSeries(Ramp());
    ctrl.ResetView(false);
    ctrl.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ctrl));
    const double scale = ctrl.devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
        EXPECT_EQ(scale, 2.0);  // the run that CTest makes at twice the density
    }
    ctrl.Recalc();
    const std::optional<QImage> copy = ctrl.CopyBitmap();
    ASSERT_TRUE(copy);
    const QImage& picture = *copy;
    EXPECT_EQ(picture.size(), QSize(static_cast<int>(640 * scale), static_cast<int>(400 * scale)));
    EXPECT_EQ(picture.devicePixelRatio(), scale);
    EXPECT_GT(CurveColumns(picture, ctrl.PlotRect(), scale).size(), static_cast<size_t>(400 * scale));
}
