#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// Minimum and maximum of any run of samples in time that does not grow with the
// series: blocks of 16 samples, then blocks of 32, 64 ... each level built from
// the one below. A query scans at most a block's worth of samples at each end.
class MinMaxPyramid {
public:
    MinMaxPyramid() = default;
    explicit MinMaxPyramid(const std::vector<double>& values);

    // The smallest and largest of values[first, last), NaN ignored; last > first.
    std::pair<double, double> MinMax(const std::vector<double>& values, size_t first, size_t last) const;

private:
    static constexpr size_t kBaseBlock = 16;
    // m_levels[k] holds (min, max) of blocks of kBaseBlock << k samples.
    std::vector<std::vector<std::pair<double, double>>> m_levels;
};
