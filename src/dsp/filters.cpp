#include "dsp/filters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace {

constexpr size_t kLocalWindow = 32;

// The k-th smallest of values[0, count) by quickselect with a three-way
// partition: linear expected time, also for runs of equal values, and always
// within bounds, NaNs included (they compare neither below nor above a pivot).
// On return values[k] holds it, with nothing larger before it.
double SelectKth(double* values, size_t count, size_t k)
{
    size_t lo = 0, hi = count;  // the k-th lies in [lo, hi)
    while (hi - lo > 1) {
        const double pivot = values[lo + (hi - lo) / 2];
        size_t lt = lo, i = lo, gt = hi;
        while (i < gt) {
            if (values[i] < pivot)
                std::swap(values[lt++], values[i++]);
            else if (pivot < values[i])
                std::swap(values[i], values[--gt]);
            else
                ++i;
        }
        if (k < lt)
            hi = lt;
        else if (k >= gt)
            lo = gt;
        else
            return values[k];  // [lt, gt) all compare equal to the pivot
    }
    return values[k];
}

double MedianInPlace(double* work, size_t count)
{
    const size_t half = count / 2;
    const double upper = SelectKth(work, count, half);
    if (count % 2 == 1)
        return upper;
    // Everything before position half is not above upper: the lower middle is their largest.
    double lower = work[0];
    for (size_t i = 1; i < half; ++i)
        if (lower < work[i])
            lower = work[i];
    return (lower + upper) * 0.5;
}

// The window of output j: input j ... j + w - 1, positions past the end reading the last value.
void CopyWindow(const std::vector<double>& in, size_t j, size_t w, double* out)
{
    const size_t n = in.size();
    for (size_t k = 0; k < w; ++k)
        out[k] = in[std::min(j + k, n - 1)];
}

}  // namespace

void KalmanFilter(std::vector<double>& series, double dt, double measurementSigma, double modelSigma)
{
    const size_t n = series.size();
    if (n < 2)
        return;
    const double F[3][3] = {{1.0, dt, dt * dt / 2.0}, {0.0, 1.0, dt}, {0.0, 0.0, 1.0}};
    // Beyond this a sigma's square swamps the covariances and the filter computes inf / inf;
    // nothing below it is changed. A sigma that is not a number counts as 0.
    const auto bounded = [](double sigma) {
        return std::isnan(sigma) ? 0.0 : std::clamp(sigma, 0.0, kMaxSigma);
    };
    const double r = bounded(measurementSigma) * bounded(measurementSigma);
    const double q = bounded(modelSigma) * bounded(modelSigma);
    double x[3] = {series[0], 0.0, 0.0};
    double P[3][3] = {{0.002, 0.0, 0.0}, {0.0, 0.004, 0.0}, {0.0, 0.0, 0.002}};
    for (size_t i = 1; i < n; ++i) {
        const double z = series[i];
        double xp[3];
        for (int j = 0; j < 3; ++j)
            xp[j] = F[j][0] * x[0] + F[j][1] * x[1] + F[j][2] * x[2];
        double FP[3][3], Pm[3][3];
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                FP[j][k] = F[j][0] * P[0][k] + F[j][1] * P[1][k] + F[j][2] * P[2][k];
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                Pm[j][k] = FP[j][0] * F[k][0] + FP[j][1] * F[k][1] + FP[j][2] * F[k][2];
        Pm[0][0] += q;
        const double s = Pm[0][0] + r;
        // The gain runs the first column of the predicted covariance through F once more.
        double K[3];
        for (int j = 0; j < 3; ++j)
            K[j] = (F[j][0] * Pm[0][0] + F[j][1] * Pm[1][0] + F[j][2] * Pm[2][0]) / s;
        const double y = z - xp[0];
        for (int j = 0; j < 3; ++j)
            x[j] = xp[j] + K[j] * y;
        // The covariance update reads the prediction transposed.
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                P[j][k] = Pm[k][j] - K[j] * Pm[k][0];
        series[i - 1] = x[0];
    }
}

void SmoothingFilter(std::vector<double>& series)
{
    for (size_t i = 1; i < series.size(); ++i)
        series[i] = series[i] * 0.125 + series[i - 1] * 0.875;
}

double WindowMedian(const double* values, size_t count)
{
    std::array<double, kLocalWindow> local;
    std::unique_ptr<double[]> heap;
    double* work = local.data();
    if (count > kLocalWindow) {
        heap = std::make_unique<double[]>(count);
        work = heap.get();
    }
    std::copy(values, values + count, work);
    return MedianInPlace(work, count);
}

void MedianFilterByWindows(std::vector<double>& series, int32_t window)
{
    const size_t n = series.size();
    if (window < 1 || n <= static_cast<size_t>(window))
        return;
    const size_t w = static_cast<size_t>(window);
    std::vector<double> result(n - 2);
    std::vector<double> windowValues(w);
    for (size_t j = 0; j + 2 < n; ++j) {
        CopyWindow(series, j, w, windowValues.data());
        result[j] = WindowMedian(windowValues.data(), w);
    }
    series.swap(result);
}

void MedianFilter(std::vector<double>& series, int32_t window)
{
    const size_t n = series.size();
    if (window < 1 || n <= static_cast<size_t>(window))
        return;
    if (std::any_of(series.begin(), series.end(), [](double v) { return std::isnan(v); })) {
        MedianFilterByWindows(series, window);
        return;
    }
    // Slide the window along the series keeping each value's rank in it: a
    // leaving and an entering value change every other rank by at most one, so
    // a step costs a few branch-free passes over the window instead of a
    // selection. Equal values are ranked by age, the older lower. An order
    // statistic of the same values is the same number, so the result matches
    // the window-by-window filter, except that a zero median might differ in
    // the sign of zero: those windows are taken through WindowMedian.
    // Output j only needs inputs from j on, so it overwrites input j in place.
    const size_t w = static_cast<size_t>(window);
    const size_t half = w / 2;
    std::vector<double> values(series.begin(), series.begin() + static_cast<std::ptrdiff_t>(w)), windowValues(w);
    std::vector<int64_t> ranks(w);
    for (size_t k = 0; k < w; ++k)
        for (size_t m = 0; m < w; ++m)
            ranks[k] += values[m] < values[k] || (values[m] == values[k] && m < k);
    double* v = values.data();
    int64_t* r = ranks.data();
    size_t slot = 0;  // where the oldest value sits
    for (size_t j = 0; j + 2 < n; ++j) {
        double upper = 0.0, lower = 0.0;
        for (size_t k = 0; k < w; ++k) {
            upper = r[k] == static_cast<int64_t>(half) ? v[k] : upper;
            lower = r[k] + 1 == static_cast<int64_t>(half) ? v[k] : lower;
        }
        double median = w % 2 ? upper : (lower + upper) * 0.5;
        if (median == 0.0) {
            CopyWindow(series, j, w, windowValues.data());
            median = WindowMedian(windowValues.data(), w);
        }
        const double leaving = v[slot];
        const double entering = series[std::min(j + w, n - 1)];
        series[j] = median;
        int64_t enteringRank = 0;
        for (size_t k = 0; k < w; ++k) {
            r[k] += static_cast<int64_t>(entering < v[k]) - static_cast<int64_t>(leaving <= v[k]);
            enteringRank += v[k] <= entering;
        }
        v[slot] = entering;
        r[slot] = enteringRank - (leaving <= entering);
        slot = slot + 1 == w ? 0 : slot + 1;
    }
    series.resize(n - 2);
}
