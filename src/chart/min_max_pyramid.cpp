#include "chart/min_max_pyramid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

void Merge(std::pair<double, double>& into, double min, double max)
{
    // Written so that a NaN never replaces a number.
    if (min < into.first)
        into.first = min;
    if (max > into.second)
        into.second = max;
}

}  // namespace

MinMaxPyramid::MinMaxPyramid(const std::vector<double>& values)
{
    const size_t blocks = values.size() / kBaseBlock;
    if (blocks == 0)
        return;
    std::vector<std::pair<double, double>> base(blocks, {kInf, -kInf});
    for (size_t b = 0; b < blocks; ++b)
        for (size_t i = b * kBaseBlock; i < (b + 1) * kBaseBlock; ++i)
            Merge(base[b], values[i], values[i]);
    m_levels.push_back(std::move(base));
    while (m_levels.back().size() >= 2) {
        const auto& below = m_levels.back();
        std::vector<std::pair<double, double>> level(below.size() / 2);
        for (size_t b = 0; b < level.size(); ++b) {
            level[b] = below[2 * b];
            Merge(level[b], below[2 * b + 1].first, below[2 * b + 1].second);
        }
        m_levels.push_back(std::move(level));
    }
}

std::pair<double, double> MinMaxPyramid::MinMax(const std::vector<double>& values, size_t first, size_t last) const
{
    std::pair<double, double> result{kInf, -kInf};
    auto scan = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            Merge(result, values[i], values[i]);
    };
    // Whole base blocks inside the run; the samples outside them are scanned.
    size_t l = (first + kBaseBlock - 1) / kBaseBlock, r = last / kBaseBlock;
    if (m_levels.empty() || l >= r) {
        scan(first, last);
        return result;
    }
    scan(first, l * kBaseBlock);
    scan(r * kBaseBlock, last);
    // Climb the levels, taking the odd block at either end of each.
    for (size_t k = 0; l < r && k < m_levels.size(); ++k) {
        if (l & 1)
            Merge(result, m_levels[k][l].first, m_levels[k][l].second), ++l;
        if (r & 1)
            --r, Merge(result, m_levels[k][r].first, m_levels[k][r].second);
        l >>= 1;
        r >>= 1;
    }
    return result;
}
