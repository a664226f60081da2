#include <gtest/gtest.h>

#include <QImage>

#include <optional>

#include "chart/comparison_picture.h"

namespace {

// A flight climbing at rate from 0 to top over its log, sampled every dt, its takeoff at 10 s.
ComparedFlight Flight(const char* label, double dt, double top, double rate)
{
    ComparedFlight f;
    f.label = label;
    f.interval = dt;
    for (double t = 0, a = 0; a < top; t += dt) {
        a = t < 10 ? 0 : std::min(top, rate * (t - 10));
        f.altitude.push_back(a);
    }
    f.vario.assign(f.altitude.size(), rate);
    f.flights.push_back({10, static_cast<double>(f.altitude.size()) * dt});
    return f;
}

// The pixels of a colour within the plot (where the curves are), or the whole picture.
int Count(const QImage& image, QColor color, std::optional<ChartRect> within = std::nullopt)
{
    const ChartRect r = within.value_or(ChartRect{0, 0, image.width(), image.height()});
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

}  // namespace

TEST(ComparisonPicture, FlightsShareOneAxisEachInItsColour)
{
    const std::vector<ComparedFlight> flights{Flight("low", 1.0, 300, 2), Flight("high", 0.5, 1200, 4)};
    ChartPicture picture;
    FillComparisonPicture(picture, flights, Alignment::Takeoff, HeightReference::AboveTakeoff, LengthUnit{}, false);
    ASSERT_EQ(picture.m_series.size(), 2u);
    // The time axis reads from the takeoff: both start 10 s before it.
    EXPECT_EQ(std::pair(picture.m_time.m_min, picture.m_series[1]->m_firstTime), std::pair(-10.0, -10.0));
    const QImage both = picture.Draw({800, 500});
    // One height axis for both, spanning the higher flight, named for the comparison.
    const ChartSeries& axis = *picture.m_series[0];
    EXPECT_EQ(axis.AxisTitle(), "Height above takeoff [m]");
    EXPECT_EQ(std::pair(axis.m_min, axis.m_max), std::pair(0.0, 1200.0));
    EXPECT_EQ(picture.m_series[1]->m_max, axis.m_max);  // the second is drawn on it
    EXPECT_EQ(picture.m_series[1]->m_rect.left, axis.m_rect.left);
    ChartPicture alone;
    FillComparisonPicture(alone, {flights[0]}, Alignment::Takeoff, HeightReference::AboveTakeoff, LengthUnit{}, false);
    alone.Draw({800, 500});
    EXPECT_EQ(picture.m_scene.PlotRect().left, alone.m_scene.PlotRect().left);  // no second axis band
    EXPECT_GT(Count(both, ComparisonColor(0)), 200);
    EXPECT_GT(Count(both, ComparisonColor(1)), 200);
    // The legend's swatches in the flights' colours.
    for (size_t i = 0; i < 2; ++i) {
        const ChartRect& swatch = picture.m_series[i]->m_swatchRect;
        EXPECT_EQ(both.pixelColor((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2),
                  ComparisonColor(static_cast<int>(i)));
    }

    // The first flight hidden (a click on its legend entry): the axis stays, fitted to the other.
    picture.m_series[0]->m_visible = false;
    const QImage second = picture.Draw({800, 500});
    EXPECT_EQ(Count(second, ComparisonColor(0), picture.m_scene.PlotRect()), 0);  // its swatch alone stays
    EXPECT_GT(Count(second, ComparisonColor(1)), 200);
    EXPECT_EQ(axis.m_max, 1200.0);
    picture.m_series[1]->m_visible = false;
    picture.m_series[0]->m_visible = true;
    picture.Draw({800, 500});
    EXPECT_EQ(axis.m_max, 300.0);  // now the first alone
    // With the varios: a second shared axis on the right.
    ChartPicture withVario;
    FillComparisonPicture(withVario, flights, Alignment::Takeoff, HeightReference::AboveTakeoff, LengthUnit{}, true);
    ASSERT_EQ(withVario.m_series.size(), 4u);
    EXPECT_EQ((std::vector<int>{withVario.m_series[1]->m_onAxisOf, withVario.m_series[3]->m_onAxisOf}),
              (std::vector<int>{0, 2}));
    withVario.Draw({800, 500});
    EXPECT_EQ(withVario.m_series[3]->m_rect.left, withVario.m_series[2]->m_rect.left);
    EXPECT_FALSE(withVario.m_series[2]->m_axisOnLeft);
}

TEST(ComparisonPicture, ColoursStayApart)
{
    // Twenty flights: no two of the same colour.
    for (int a = 0; a < 20; ++a)
        for (int b = a + 1; b < 20; ++b)
            EXPECT_NE(ComparisonColor(a), ComparisonColor(b)) << a << " " << b;
}
