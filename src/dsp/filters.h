#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Filters that smooth a series in place. They are unit-blind and keep no state between calls.

// A constant-acceleration Kalman filter over (altitude, vertical speed,
// acceleration) that measures the altitude alone. Position i - 1 receives the
// estimate made after the measurement at i; the last value stays as measured. The sigmas
// are taken within 0 .. kMaxSigma.
constexpr double kMaxSigma = 1e9;
void KalmanFilter(std::vector<double>& series, double dt, double measurementSigma, double modelSigma);

// A first-order recursive low-pass: y[i] = x[i] * 0.125 + y[i - 1] * 0.875.
void SmoothingFilter(std::vector<double>& series);

// Replaces a series of n values by n - 2 medians; value j is the median of the
// input values j ... j + window - 1, positions past the end taking the last
// value. A series not longer than the window stays as it is.
void MedianFilter(std::vector<double>& series, int32_t window);

// The same result computed window by window with WindowMedian, as the filter is
// defined; MedianFilter takes this road when the series holds a NaN.
void MedianFilterByWindows(std::vector<double>& series, int32_t window);

// The median of count values (count of 1 or more) by quickselect; the values keep their order.
double WindowMedian(const double* values, size_t count);
