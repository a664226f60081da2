// Drawing the chart of a long flight: a whole layout and drawing, and the live
// redraw of one pan step, beside the same series drawn by QCustomPlot when it
// is installed.
#include "bench_support.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "app/memory_tuning.h"
#include "chart/chart_widget.h"
#include "chart/comparison_picture.h"
#include "dsp/filters.h"

#ifdef NIVRA_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

namespace {

constexpr size_t kSamples = 1'000'000;
constexpr double kInterval = 0.1;
const QSize kSize(1600, 900);

std::vector<double> Altitude()
{
    std::vector<double> v(kSamples);
    uint32_t state = 3;
    for (size_t i = 0; i < kSamples; ++i) {
        state = state * 1664525u + 1013904223u;
        v[i] = 1500 * std::sin(static_cast<double>(i) / 40000.0) + 40 * std::sin(static_cast<double>(i) / 250.0) +
               static_cast<double>(state >> 29) * 0.15;
    }
    return v;
}

std::vector<double> Vario(const std::vector<double>& altitude)
{
    std::vector<double> v(altitude.size());
    for (size_t i = 0; i + 1 < altitude.size(); ++i)
        v[i] = (altitude[i + 1] - altitude[i]) / kInterval;
    v.back() = v[v.size() - 2];
    return v;
}

struct Fixture {
    std::vector<double> alt = Altitude();
    std::vector<double> vario = Vario(alt);
    ChartWidget chart;

    Fixture()
    {
        chart.resize(kSize);
        chart.AddSeries("Alt", 0, kInterval, alt);
        const std::shared_ptr<ChartSeries> v = chart.AddSeries("Vario", 0, kInterval, vario);
        v->m_axisOnLeft = false;
        v->SetColorIndex(0);
        chart.ResetView(false);
    }
};

Fixture& Chart()
{
    static Fixture fixture;
    return fixture;
}

void BM_Recalc(benchmark::State& state)
{
    Fixture& f = Chart();
    const double span = kSamples * kInterval;
    f.chart.ResetView(false);
    if (state.range(0) == 1)  // 1 % of the flight, in its middle
        f.chart.SetRange(span * 0.5, span * 0.51);
    for (auto _ : state)
        f.chart.Recalc();
}

void BM_PanStep(benchmark::State& state)
{
    Fixture& f = Chart();
    f.chart.ResetView(false);
    const double span = kSamples * kInterval;
    f.chart.SetRange(span * 0.3, span * 0.4);
    const ChartRect band = f.chart.TimeScale().m_rect;
    const int y = (band.top + band.bottom) / 2;
    int x = (band.left + band.right) / 2;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y), QPointF(x, y), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&f.chart, &press);
    int direction = -1;
    for (auto _ : state) {
        // Back and forth by 3 pixels: one live redraw each.
        x += 3 * direction;
        direction = -direction;
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.chart, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(x, y), QPointF(x, y), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&f.chart, &release);
}

// Ten flights of 100,000 samples each compared, their heights on one shared axis: alone (0),
// with their varios as raw differences on another (1), or with their varios filtered as the
// program filters them by default (2). One whole layout and drawing at 1600x900.
void BM_CompareTenFlights(benchmark::State& state)
{
    const auto make = [](bool filtered) {
        std::vector<ComparedFlight> all(10);
        const std::vector<double> alt = Altitude();
        for (size_t k = 0; k < all.size(); ++k) {
            ComparedFlight& f = all[k];
            f.label = "Flight " + std::to_string(k + 1);
            f.interval = kInterval;
            f.altitude.assign(alt.begin() + static_cast<std::ptrdiff_t>(k * 50'000),
                              alt.begin() + static_cast<std::ptrdiff_t>(k * 50'000 + 100'000));
            f.vario = Vario(f.altitude);
            if (filtered) {
                SmoothingFilter(f.vario);
                MedianFilter(f.vario, 7);
            }
            f.flights.push_back({100.0 * static_cast<double>(k), 9000});
        }
        return all;
    };
    static const std::vector<ComparedFlight> raw = make(false), filtered = make(true);
    ChartWidget chart;
    chart.resize(kSize);
    ChartPicture picture;
    FillComparisonPicture(picture, state.range(0) == 2 ? filtered : raw, Alignment::Takeoff,
                          HeightReference::AboveTakeoff, LengthUnit{}, state.range(0) != 0);
    for (const auto& s : picture.m_series)
        chart.AddSeries(s);
    chart.ResetView(false);
    for (auto _ : state)
        chart.Recalc();
}
BENCHMARK(BM_CompareTenFlights)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

#ifdef NIVRA_HAVE_QCUSTOMPLOT
void BM_QCustomPlot(benchmark::State& state)
{
    Fixture& f = Chart();
    QCustomPlot plot;
    plot.resize(kSize);
    QVector<double> keys(kSamples), alt(kSamples), vario(kSamples);
    for (size_t i = 0; i < kSamples; ++i) {
        keys[i] = i * kInterval;
        alt[i] = f.alt[i];
        vario[i] = f.vario[i];
    }
    plot.addGraph(plot.xAxis, plot.yAxis)->setData(keys, alt, true);
    plot.addGraph(plot.xAxis, plot.yAxis2)->setData(keys, vario, true);
    plot.yAxis2->setVisible(true);
    plot.graph(1)->setPen(QPen(Qt::red));
    plot.rescaleAxes();
    if (state.range(0) == 1)
        plot.xAxis->setRange(kSamples * kInterval * 0.5, kSamples * kInterval * 0.51);
    QImage image(kSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QCPPainter painter(&image);
        plot.toPainter(&painter, kSize.width(), kSize.height());
    }
}
BENCHMARK(BM_QCustomPlot)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

// Whole flight (0) and a 1 % zoom (1).
BENCHMARK(BM_Recalc)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanStep)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
