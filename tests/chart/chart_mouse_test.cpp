#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

#include "chart/chart_widget.h"

namespace {

// What the chart told: which signal, with its time or range, or its series and toggle.
struct Sent {
    std::string what;
    double first = 0, last = 0;
    int item = 0;
    bool flag = false;
};

// A shown chart of two series over 0 ... 1000 s, recording its signals.
class ChartMouse : public ::testing::Test {
protected:
    ChartWidget chart;
    std::shared_ptr<ChartSeries> alt, vario;
    std::vector<Sent> sent;
    int beeps = 0;

    void SetUp() override
    {
        chart.resize(800, 600);
        std::vector<double> a(1000), b(1000);
        for (size_t i = 0; i < 1000; ++i) {
            a[i] = static_cast<double>(i % 100);
            b[i] = static_cast<double>(i % 50) - 25;
        }
        alt = chart.AddSeries("Alt", 0, 1.0, a);
        vario = chart.AddSeries("Vario", 0, 1.0, b);
        vario->m_axisOnLeft = false;
        chart.ResetView(false);
        chart.show();
        chart.m_beep = [this] {
            ++beeps;
        };
        QObject::connect(&chart, &ChartWidget::plotClicked, [this](double t) { sent.push_back({"click", t, t}); });
        QObject::connect(&chart, &ChartWidget::selectionChanged, [this](TimeRange r) {
            sent.push_back({"select", r.first, r.last});
        });
        QObject::connect(&chart, &ChartWidget::viewChanged, [this] { sent.push_back({"view"}); });
        QObject::connect(&chart, &ChartWidget::seriesClicked, [this](int index, bool toggled) {
            sent.push_back({"series", 0, 0, index, toggled});
        });
        QObject::connect(&chart, &ChartWidget::menuRequested, [this](QMenu*, double t) {
            sent.push_back({"menu", t, t});
        });
    }

    std::pair<double, double> View() const { return {chart.Shown().first, chart.Shown().last}; }
    int PlotY() const { return (chart.PlotRect().top + chart.PlotRect().bottom) / 2; }
    int BandY() const { return (chart.TimeScale().m_rect.top + chart.TimeScale().m_rect.bottom) / 2; }
    int PlotX(int offset) const { return chart.PlotRect().left + offset; }

    void Drag(int x0, int y0, int x1, int y1, Qt::KeyboardModifiers mods = {})
    {
        QTest::mousePress(&chart, Qt::LeftButton, mods, QPoint(x0, y0));
        QTest::mouseMove(&chart, QPoint((x0 + x1) / 2, (y0 + y1) / 2));
        QTest::mouseMove(&chart, QPoint(x1, y1));
        QTest::mouseRelease(&chart, Qt::LeftButton, mods, QPoint(x1, y1));
    }

    // A wheel turned by delta, or tilted sideways by sideways.
    void Wheel(QPoint at, int delta, int sideways = 0)
    {
        QWheelEvent e(at, chart.mapToGlobal(at), QPoint(), QPoint(sideways, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &e);
    }

    std::vector<std::string> Codes() const
    {
        std::vector<std::string> codes;
        for (const Sent& n : sent)
            codes.push_back(n.what);
        return codes;
    }
};

}  // namespace

TEST_F(ChartMouse, ClickOrSelectByDistance)
{
    const struct {
        int dx, dy;
        std::string what;
    } cases[] = {{2, 2, "click"}, {0, 0, "click"}, {3, 0, "select"}, {0, -3, "select"}, {-40, 5, "select"}};
    for (const auto& c : cases) {
        sent.clear();
        const int x = PlotX(200), y = PlotY();
        Drag(x, y, x + c.dx, y + c.dy);
        ASSERT_EQ(sent.size(), 1u) << c.dx << "," << c.dy;
        // A click tells where it began; a selection its times in order, whichever way it went.
        const double first = chart.TimeAt(c.what == "click" ? x : std::min(x, x + c.dx));
        const double last = chart.TimeAt(c.what == "click" ? x : std::max(x, x + c.dx));
        EXPECT_EQ(std::tuple(sent[0].what, sent[0].first, sent[0].last), std::tuple(c.what, first, last));
    }
}

TEST_F(ChartMouse, ZoomBandAndViewHistory)
{
    const auto before = View();
    const double t100 = chart.TimeAt(100), t300 = chart.TimeAt(300);
    // A Ctrl-click, or a Ctrl-drag back to where it began, zooms to nothing and leaves no view.
    QTest::mouseClick(&chart, Qt::LeftButton, Qt::ControlModifier, QPoint(300, BandY()));
    Drag(300, BandY(), 300, BandY(), Qt::ControlModifier);
    EXPECT_EQ(View(), before);
    EXPECT_FALSE(chart.CanGoBack());
    sent.clear();
    Drag(300, BandY(), 100, BandY(), Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(chart.Shown().first, t100);
    EXPECT_DOUBLE_EQ(chart.Shown().last, t300);
    EXPECT_EQ(Codes(), std::vector<std::string>{"view"});
    EXPECT_TRUE(chart.CanGoBack());

    chart.PreviousView();
    EXPECT_EQ(View(), before);
    EXPECT_TRUE(chart.CanGoForward());
    chart.NextView();
    EXPECT_DOUBLE_EQ(chart.Shown().first, t100);
    EXPECT_FALSE(chart.CanGoForward());
    chart.NextView();  // nothing left: nothing happens
    EXPECT_DOUBLE_EQ(chart.Shown().last, t300);
    // The extra mouse buttons go back and forward too.
    QTest::mousePress(&chart, Qt::BackButton, {}, QPoint(400, 300));
    EXPECT_EQ(chart.Shown().first, before.first);
    QTest::mousePress(&chart, Qt::ForwardButton, {}, QPoint(400, 300));
    EXPECT_DOUBLE_EQ(chart.Shown().first, t100);
    // The whole range is one step, and none when it is shown already.
    sent.clear();
    chart.ShowWholeRange();
    chart.ShowWholeRange();
    EXPECT_EQ(View(), before);
    EXPECT_EQ(Codes(), std::vector<std::string>{"view"});
    chart.PreviousView();
    EXPECT_DOUBLE_EQ(chart.Shown().first, t100);
}

TEST_F(ChartMouse, PanningItsHistoryAndTimeZero)
{
    chart.SetRange(100, 200);  // one entry back
    const struct {
        int dx;
        size_t backEntries;
    } cases[] = {{-4, 1}, {-10, 2}};
    for (const auto& c : cases) {
        const double min = chart.Shown().first;
        const int x = (chart.TimeScale().m_rect.left + chart.TimeScale().m_rect.right) / 2;
        Drag(x, BandY(), x + c.dx, BandY());
        EXPECT_GT(chart.Shown().first, min) << c.dx;  // the content follows the mouse to the left
        EXPECT_DOUBLE_EQ(chart.Shown().last - chart.Shown().first, 100.0);
        size_t entries = 0;
        while (chart.CanGoBack()) {  // count, then restore by going forward again
            chart.PreviousView();
            ++entries;
        }
        EXPECT_EQ(entries, c.backEntries) << c.dx;
        while (chart.CanGoForward())
            chart.NextView();
    }
    // A pan that counts empties the forward stack.
    chart.PreviousView();
    ASSERT_TRUE(chart.CanGoForward());
    const int x = (chart.TimeScale().m_rect.left + chart.TimeScale().m_rect.right) / 2;
    Drag(x, BandY(), x - 20, BandY());
    EXPECT_FALSE(chart.CanGoForward());
    // Dragged far to the right, the view stops at time 0.
    chart.SetRange(10, 110);
    Drag(chart.TimeScale().m_rect.left + 10, BandY(), chart.TimeScale().m_rect.right - 10, BandY());
    EXPECT_EQ(chart.Shown().first, 0.0);
    EXPECT_DOUBLE_EQ(chart.Shown().last, 100.0);
    // Dragged far to the left, it stops at the end of the data (1000 samples of 1 s).
    const std::optional<TimeRange> data = chart.DataRange();
    ASSERT_TRUE(data);
    chart.SetRange(data->last - 110, data->last - 10);
    Drag(chart.TimeScale().m_rect.right - 10, BandY(), chart.TimeScale().m_rect.left + 10, BandY());
    EXPECT_DOUBLE_EQ(chart.Shown().last, data->last);
    EXPECT_DOUBLE_EQ(chart.Shown().first, data->last - 100);
}

TEST_F(ChartMouse, ZoomKeepsTheTimeInPlaceWithinTheData)
{
    // Data from 0 to 1000 s, a sample a second: at most ten samples, at least the whole.
    const double eighth = std::pow(ChartWidget::kZoomPerNotch, 0.125);
    const struct {
        const char* what;
        TimeRange from;
        double time, notches;
        TimeRange to;  // the same as from: nothing happens
    } cases[] = {
        {"a notch in at the middle", {0, 1000}, 500, 1, {100, 900}},
        {"a notch in near the start", {0, 1000}, 100, 1, {20, 820}},
        {"a notch in at the very start", {0, 1000}, 0, 1, {0, 800}},
        {"a notch in at the end", {0, 1000}, 1000, 1, {200, 1000}},
        {"out from the whole", {0, 1000}, 500, -1, {0, 1000}},
        {"a notch out", {400, 600}, 500, -1, {375, 625}},
        {"out near the end stays inside", {900, 1000}, 990, -1, {875, 1000}},
        {"out near the start stays after 0", {0, 100}, 10, -1, {0, 125}},
        {"an eighth of a notch zooms an eighth", {0, 1000}, 500, 0.125, {500 - 500 * eighth, 500 + 500 * eighth}},
        {"in to ten samples", {500, 512}, 506, 1, {501, 511}},
        {"not narrower than ten samples", {501, 511}, 506, 1, {501, 511}},
        {"a long flick in", {0, 1000}, 500, 30, {495, 505}},
        {"a long flick out", {100, 900}, 500, -20, {0, 1000}},
    };
    for (const auto& c : cases) {
        chart.SetRange(c.from.first, c.from.last);
        const bool changed = chart.ZoomAround(c.time, c.notches);
        EXPECT_EQ(changed, c.to.first != c.from.first || c.to.last != c.from.last) << c.what;
        EXPECT_NEAR(chart.Shown().first, c.to.first, 1e-9) << c.what;
        EXPECT_NEAR(chart.Shown().last, c.to.last, 1e-9) << c.what;
    }
}

TEST_F(ChartMouse, TheWheelZoomsAroundTheMouseOneViewPerGesture)
{
    Wheel(QPoint((alt->m_rect.left + alt->m_rect.right) / 2, PlotY()), 120);  // over a value axis: a beep
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(sent.empty());

    // Over the plot, eight eighths of a notch (a fine wheel) zoom as one notch, around the mouse.
    const int x = PlotX(40);
    const double t = chart.TimeAt(x);
    for (int i = 0; i < 8; ++i)
        Wheel(QPoint(x, PlotY()), 15);
    EXPECT_NEAR(chart.Shown().first, t - t * ChartWidget::kZoomPerNotch, 1e-9);
    EXPECT_NEAR(chart.Shown().last - chart.Shown().first, 1000 * ChartWidget::kZoomPerNotch, 1e-9);
    EXPECT_EQ(std::pair(sent.size(), sent.back().what), std::pair(size_t{8}, std::string("view")));
    // One step back for the gesture.
    chart.PreviousView();
    EXPECT_EQ(View(), std::pair(0.0, 1000.0));
    EXPECT_FALSE(chart.CanGoBack());

    // A click ends a gesture: two gestures, two steps; over the time band as over the plot.
    Wheel(QPoint(x, BandY()), 120);
    QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(PlotX(300), PlotY()));
    Wheel(QPoint(x, PlotY()), 120);
    int steps = 0;
    for (; chart.CanGoBack(); ++steps)
        chart.PreviousView();
    EXPECT_EQ(std::pair(steps, chart.Shown().last), std::pair(2, 1000.0));
}

TEST_F(ChartMouse, PopupMenuTogglesSeriesAndRunsTheEntriesOfOthers)
{
    int exports = 0;
    QObject::connect(&chart, &ChartWidget::menuRequested, [&exports](QMenu* menu, double) {
        menu->addSeparator();
        QObject::connect(menu->addAction("Export..."), &QAction::triggered, [&exports] { ++exports; });
    });
    std::vector<QString> seen;
    int pick = 1;  // the second entry: "Vario"
    chart.m_runMenu = [&](QMenu& menu, const QPoint&) {
        seen.clear();
        for (QAction* a : menu.actions())
            seen.push_back(a->text() + (a->isChecked() ? "*" : ""));
        QAction* chosen = menu.actions().at(pick);
        chosen->trigger();
        return chosen;
    };
    const int x = PlotX(50);
    const double t = chart.TimeAt(x);  // before the vario's axis goes and the plot widens
    QTest::mousePress(&chart, Qt::RightButton, {}, QPoint(x, PlotY()));
    EXPECT_EQ(seen, (std::vector<QString>{"Alt*", "Vario*", "", "Export..."}));
    EXPECT_FALSE(vario->m_visible);
    EXPECT_TRUE(alt->m_visible);
    EXPECT_EQ(Codes(), std::vector<std::string>{"menu"});  // toggling tells nobody
    EXPECT_EQ(sent[0].first, t);                           // the time the menu was opened at
    EXPECT_EQ(exports, 0);

    sent.clear();
    pick = 3;
    QTest::mousePress(&chart, Qt::RightButton, {}, QPoint(x, PlotY()));
    EXPECT_EQ(seen, (std::vector<QString>{"Alt*", "Vario", "", "Export..."}));
    EXPECT_EQ(exports, 1);
    EXPECT_FALSE(vario->m_visible);
}

TEST_F(ChartMouse, LegendChoices)
{
    const QPoint onVario((vario->m_swatchRect.left + vario->m_swatchRect.right) / 2,
                         (vario->m_swatchRect.top + vario->m_swatchRect.bottom) / 2);
    const QPoint beside(chart.LegendRect().right - 2, chart.LegendRect().bottom - 2);

    QTest::mouseClick(&chart, Qt::LeftButton, Qt::ControlModifier, beside);
    QTest::mouseClick(&chart, Qt::LeftButton, Qt::ControlModifier, onVario);
    QTest::mousePress(&chart, Qt::RightButton, {}, beside);
    QTest::mouseClick(&chart, Qt::LeftButton, {}, onVario);  // a plain click in the legend: nothing
    ASSERT_EQ(Codes(), (std::vector<std::string>{"series", "series", "series"}));
    EXPECT_EQ(std::tuple(sent[0].item, sent[1].item, sent[1].flag, sent[2].item), std::tuple(-1, 1, false, -1));

    sent.clear();
    QTest::mouseDClick(&chart, Qt::LeftButton, {}, onVario);
    ASSERT_EQ(Codes(), std::vector<std::string>{"series"});
    EXPECT_EQ(std::pair(sent[0].item, sent[0].flag), std::pair(1, true));
    EXPECT_FALSE(vario->m_visible);
    EXPECT_TRUE(alt->m_visible);
}

TEST_F(ChartMouse, OverlaysLeaveThePictureAlone)
{
    const QImage before = chart.Picture().copy();
    QTest::mouseMove(&chart, QPoint(PlotX(120), PlotY()));
    const QImage shown = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(chart.Picture() == before);
    EXPECT_FALSE(shown == before);  // the crosshair and the read-out are on the window
    // The selection strip while dragging in the plot, also only on the window.
    QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(PlotX(100), PlotY()));
    QTest::mouseMove(&chart, QPoint(PlotX(300), PlotY()));
    EXPECT_TRUE(chart.Picture() == before);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(PlotX(300), PlotY()));
    EXPECT_TRUE(chart.Picture() == before);
}

TEST(ChartHeights, FitTheSamplesInViewWhenAsked)
{
    ChartWidget chart;
    chart.resize(800, 600);
    std::vector<double> rising(1000), flat(1000, 3.0);
    for (size_t i = 0; i < rising.size(); ++i)
        rising[i] = static_cast<double>(i);
    const auto alt = chart.AddSeries("Alt", 0, 1.0, rising);
    const auto custom = chart.AddSeries("Custom", 0, 1.0, rising);
    custom->m_scalingMode = ScalingMode::Custom;
    custom->m_customMin = -50;
    custom->m_customMax = 2000;
    chart.ResetView(false);
    chart.show();
    chart.SetRange(100, 200);
    const std::pair customRange(custom->m_min, custom->m_max);
    EXPECT_LE(alt->m_min, 0.0);  // the whole log, as always
    EXPECT_GE(alt->m_max, 999.0);
    chart.SetFitHeightsToView(true);
    EXPECT_LE(alt->m_min, 100.0);  // the samples in view, from 100 to 200 m, fill the height
    EXPECT_GE(alt->m_max, 200.0);
    EXPECT_LT(alt->m_max - alt->m_min, 150.0);
    EXPECT_EQ(std::pair(custom->m_min, custom->m_max), customRange);  // custom: as before
    chart.SetRange(0, 999);
    EXPECT_LE(alt->m_min, 0.0);
    EXPECT_GE(alt->m_max, 999.0);
}

TEST(ChartHeights, TheSamplesInViewAreThoseTheCurveIsDrawnThrough)
{
    ChartSeries s("Alt", 10.0, 2.0, {5, 1, 9, 3, 7});  // samples at 10, 12, 14, 16, 18 s
    const struct {
        double t0, t1;
        std::optional<std::pair<double, double>> range;
    } cases[] = {
        {10, 18, std::pair(1.0, 9.0)},
        {12.5, 13.5, std::pair(1.0, 9.0)},  // the samples on either side
        {15, 17, std::pair(3.0, 9.0)},
        {16, 16, std::pair(3.0, 3.0)},
        {0, 10, std::pair(5.0, 5.0)},
        {18, 40, std::pair(7.0, 7.0)},
        {0, 9.9, std::pair(5.0, 5.0)},
        {18.1, 40, std::pair(7.0, 7.0)},  // the curve runs to the edge from its next sample
        {0, 7.9, std::nullopt},
        {20.1, 40, std::nullopt},
        {14, 12, std::nullopt},  // an empty range
    };
    for (const auto& c : cases)
        EXPECT_EQ(s.MinMaxIn(c.t0, c.t1), c.range) << c.t0 << ".." << c.t1;
}

TEST_F(ChartMouse, KeysPanAndZoom)
{
    chart.SetRange(100, 200);
    const double step = chart.TimeScale().m_step;
    QTest::keyClick(&chart, Qt::Key_Right);
    EXPECT_DOUBLE_EQ(chart.Shown().first, 100 + step);
    QTest::keyClick(&chart, Qt::Key_Left);
    QTest::keyClick(&chart, Qt::Key_Left);
    EXPECT_DOUBLE_EQ(chart.Shown().first, 100 - step);
    chart.SetRange(3, 103);
    QTest::keyClick(&chart, Qt::Key_Left);
    EXPECT_EQ(chart.Shown().first, 0.0);  // not before time 0
    EXPECT_DOUBLE_EQ(chart.Shown().last, 100.0);
    chart.SetRange(897, 997);
    QTest::keyClick(&chart, Qt::Key_Right);
    EXPECT_DOUBLE_EQ(chart.Shown().first, 900.0);  // nor past the end of the data
    EXPECT_DOUBLE_EQ(chart.Shown().last, 1000.0);
    QTest::keyClick(&chart, Qt::Key_Right);
    EXPECT_DOUBLE_EQ(chart.Shown().last, 1000.0);
    // The wheel tilted sideways pans as the arrows do, over the plot or the time band; it
    // neither zooms nor leaves a view.
    const auto earlier = View();
    chart.SetRange(100, 200);
    Wheel(QPoint(PlotX(50), PlotY()), 0, 120);
    EXPECT_DOUBLE_EQ(chart.Shown().first, 100 - step);
    EXPECT_DOUBLE_EQ(chart.Shown().last, 200 - step);
    Wheel(QPoint(PlotX(50), BandY()), 0, -120);
    Wheel(QPoint(PlotX(50), BandY()), 0, -120);
    EXPECT_DOUBLE_EQ(chart.Shown().first, 100 + step);
    EXPECT_DOUBLE_EQ(chart.Shown().last, 200 + step);
    EXPECT_TRUE(sent.empty());
    chart.PreviousView();
    EXPECT_EQ(View(), earlier);

    // + and - zoom around the middle, both keys in a row one view.
    chart.SetRange(100, 200);
    QTest::keyClick(&chart, Qt::Key_Plus);
    EXPECT_NEAR(chart.Shown().first, 110, 1e-9);
    EXPECT_NEAR(chart.Shown().last, 190, 1e-9);
    QTest::keyClick(&chart, Qt::Key_Minus);
    EXPECT_NEAR(chart.Shown().first, 100, 1e-9);
    QTest::keyClick(&chart, Qt::Key_Equal);  // "+" without Shift
    EXPECT_NEAR(chart.Shown().last, 190, 1e-9);
    chart.PreviousView();
    EXPECT_EQ(View(), std::pair(100.0, 200.0));
}

TEST_F(ChartMouse, TheReadOutShowsTheTimeAndGoesWithTheMouse)
{
    const int x = chart.XOf(500.0);
    const double t = chart.TimeAt(x);
    QTest::mouseMove(&chart, QPoint(x, PlotY()));
    const auto& readOut = chart.ReadOut();
    ASSERT_EQ(readOut.size(), 3u);
    EXPECT_EQ(readOut[0].second, alt->ValueText(alt->ValueAt(t), true));
    EXPECT_EQ(readOut[1].second, vario->ValueText(vario->ValueAt(t), true));
    const int second = static_cast<int>(std::floor(t));
    EXPECT_EQ(readOut[2].second,
              QStringLiteral("%1:%2").arg(second / 60, 2, 10, QChar('0')).arg(second % 60, 2, 10, QChar('0')));
    // The time's box follows the last series' in the legend.
    EXPECT_EQ(readOut[2].first.top, vario->m_valueBox.top);
    EXPECT_GT(readOut[2].first.left, vario->m_valueBox.right);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&chart, &leave);
    EXPECT_TRUE(chart.ReadOut().empty());
}

TEST_F(ChartMouse, RemovingAllSeriesForgetsTheViews)
{
    chart.SetRange(10, 20);
    chart.SetSelection(12, 14);
    chart.RemoveAllSeries();
    EXPECT_FALSE(chart.CanGoBack());
    EXPECT_FALSE(chart.Selection());
    EXPECT_FALSE(chart.DataRange());
    EXPECT_EQ(Codes(), std::vector<std::string>{"view"});
    chart.ResetView(false);  // no series: the range stays
    EXPECT_EQ(View(), std::pair(10.0, 20.0));
}
