#include "dsp/filters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>

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

namespace {

// Slide the window along the series keeping each value's rank in it: a leaving
// and an entering value change every other rank by at most one, so a step costs
// a few branch-free passes over the window instead of a selection. Equal values
// are ranked by age, the older lower. A zero median is taken through
// WindowMedian, so that its sign is the one a selection gives. The width is a
// constant, so that the passes unroll.
template <size_t W>
void SlideRanks(std::vector<double>& series)
{
    const size_t n = series.size();
    constexpr int64_t half = W / 2;
    std::array<double, W> v;
    std::array<int64_t, W> r{};
    std::copy(series.begin(), series.begin() + W, v.begin());
    for (size_t k = 0; k < W; ++k)
        for (size_t m = 0; m < W; ++m)
            r[k] += v[m] < v[k] || (v[m] == v[k] && m < k);
    std::array<double, W> windowValues;
    size_t slot = 0;  // where the oldest value sits
    for (size_t j = 0; j + 2 < n; ++j) {
        double upper = 0.0, lower = 0.0;
        for (size_t k = 0; k < W; ++k) {
            upper = r[k] == half ? v[k] : upper;
            lower = r[k] + 1 == half ? v[k] : lower;
        }
        double median = W % 2 ? upper : (lower + upper) * 0.5;
        if (median == 0.0) {
            CopyWindow(series, j, W, windowValues.data());
            median = WindowMedian(windowValues.data(), W);
        }
        const double leaving = v[slot];
        const double entering = series[std::min(j + W, n - 1)];
        series[j] = median;
        int64_t enteringRank = 0;
        for (size_t k = 0; k < W; ++k) {
            r[k] += static_cast<int64_t>(entering < v[k]) - static_cast<int64_t>(leaving <= v[k]);
            enteringRank += v[k] <= entering;
        }
        v[slot] = entering;
        r[slot] = enteringRank - (leaving <= entering);
        slot = slot + 1 == W ? 0 : slot + 1;
    }
}

template <size_t... W>
constexpr std::array<void (*)(std::vector<double>&), sizeof...(W)> RankSliders(std::index_sequence<W...>)
{
    return {&SlideRanks<W + 1>...};
}

// Up to this width a step that moves every rank by one beats the heaps' branches.
constexpr auto kRankSliders = RankSliders(std::make_index_sequence<9>());

// The window split into two heaps over a ring of its values: the lower half in
// a max-heap, the upper half in a min-heap, the lower holding the middle value
// of an odd window. Each ring slot knows where its value sits, so replacing the
// oldest value by the newest is one sift in one heap and at most one exchange of
// the two tops: a step costs log w.
class SlidingMedian {
public:
    explicit SlidingMedian(const double* first, size_t w) : m_values(first, first + w), m_where(w)
    {
        std::vector<size_t> order(w);
        for (size_t k = 0; k < w; ++k)
            order[k] = k;
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return m_values[a] < m_values[b]; });
        const size_t lowerSize = w - w / 2;
        m_lower.resize(lowerSize);
        m_upper.resize(w - lowerSize);
        // Descending is a max-heap, ascending a min-heap.
        for (size_t k = 0; k < lowerSize; ++k)
            Place(m_lower, lowerSize - 1 - k, order[k], false);
        for (size_t k = lowerSize; k < w; ++k)
            Place(m_upper, k - lowerSize, order[k], true);
        for (size_t k = 0; k < w; ++k)
            m_negativeZeros += IsNegativeZero(m_values[k]);
    }

    // The median as a selection over the window gives it, but for the sign of a
    // zero that may differ when the window holds a negative zero (Ambiguous).
    double Median() const
    {
        const double lower = m_values[m_lower[0]];
        return m_upper.size() == m_lower.size() ? (lower + m_values[m_upper[0]]) * 0.5 : lower;
    }
    bool Ambiguous(double median) const { return median == 0.0 && m_negativeZeros > 0; }

    // The value in ring slot `slot` leaves, `entering` takes its place.
    void Replace(size_t slot, double entering)
    {
        m_negativeZeros +=
            static_cast<int>(IsNegativeZero(entering)) - static_cast<int>(IsNegativeZero(m_values[slot]));
        const double old = m_values[slot];
        m_values[slot] = entering;
        const Where w = m_where[slot];
        if (!w.upper) {
            if (entering > old)
                SiftUp(m_lower, w.index, false);
            else
                SiftDown(m_lower, w.index, false);
        } else {
            if (entering < old)
                SiftUp(m_upper, w.index, true);
            else
                SiftDown(m_upper, w.index, true);
        }
        if (!m_upper.empty() && m_values[m_upper[0]] < m_values[m_lower[0]]) {
            const size_t lowTop = m_lower[0], highTop = m_upper[0];
            Place(m_lower, 0, highTop, false);
            Place(m_upper, 0, lowTop, true);
            SiftDown(m_lower, 0, false);
            SiftDown(m_upper, 0, true);
        }
    }

private:
    struct Where {
        bool upper = false;
        size_t index = 0;
    };

    static bool IsNegativeZero(double v) { return v == 0.0 && std::signbit(v); }

    // Whether heap entry a belongs above entry b: the larger in the lower heap, the smaller in the upper.
    bool Above(bool upper, size_t a, size_t b) const
    {
        return upper ? m_values[a] < m_values[b] : m_values[b] < m_values[a];
    }

    void Place(std::vector<size_t>& heap, size_t index, size_t slot, bool upper)
    {
        heap[index] = slot;
        m_where[slot] = {upper, index};
    }

    void SiftUp(std::vector<size_t>& heap, size_t index, bool upper)
    {
        const size_t slot = heap[index];
        while (index > 0) {
            const size_t parent = (index - 1) / 2;
            if (!Above(upper, slot, heap[parent]))
                break;
            Place(heap, index, heap[parent], upper);
            index = parent;
        }
        Place(heap, index, slot, upper);
    }

    void SiftDown(std::vector<size_t>& heap, size_t index, bool upper)
    {
        const size_t size = heap.size(), slot = heap[index];
        for (;;) {
            size_t child = 2 * index + 1;
            if (child >= size)
                break;
            if (child + 1 < size && Above(upper, heap[child + 1], heap[child]))
                ++child;
            if (!Above(upper, heap[child], slot))
                break;
            Place(heap, index, heap[child], upper);
            index = child;
        }
        Place(heap, index, slot, upper);
    }

    std::vector<double> m_values;  // the ring
    std::vector<Where> m_where;    // per ring slot
    std::vector<size_t> m_lower, m_upper;
    int m_negativeZeros = 0;
};

void SlideHeaps(std::vector<double>& series, size_t w)
{
    const size_t n = series.size();
    SlidingMedian window(series.data(), w);
    std::vector<double> windowValues;
    size_t slot = 0;
    for (size_t j = 0; j + 2 < n; ++j) {
        double median = window.Median();
        if (window.Ambiguous(median)) {
            windowValues.resize(w);
            CopyWindow(series, j, w, windowValues.data());
            median = WindowMedian(windowValues.data(), w);
        }
        const double entering = series[std::min(j + w, n - 1)];
        series[j] = median;  // output j needs only inputs from j on
        window.Replace(slot, entering);
        slot = slot + 1 == w ? 0 : slot + 1;
    }
}

}  // namespace

void MedianFilter(std::vector<double>& series, int32_t window)
{
    const size_t n = series.size();
    if (window < 1 || n <= static_cast<size_t>(window))
        return;
    if (std::any_of(series.begin(), series.end(), [](double v) { return std::isnan(v); })) {
        MedianFilterByWindows(series, window);
        return;
    }
    const size_t w = static_cast<size_t>(window);
    if (w <= kRankSliders.size())
        kRankSliders[w - 1](series);
    else
        SlideHeaps(series, w);
    series.resize(n - 2);
}
