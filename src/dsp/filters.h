#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Filters that smooth a series in place. They are unit-blind and keep no state between calls.

// The altitude smoother: a constant-acceleration Kalman filter (altitude,
// vertical speed, acceleration; the altitude measured with measurementSigma, the
// acceleration driven by a white-noise jerk of intensity modelSigma squared)
// run forward, then a Rauch-Tung-Striebel pass backward. Every sample then holds
// the estimate of its own time from the whole series: no lag, the last one
// smoothed too. The sigmas are in metres, as the series, and taken within 0 .. kMaxSigma;
// a measurement sigma of 0 leaves the series as it is.
constexpr double kMaxSigma = 1e9;
void KalmanFilter(std::vector<double>& series, double dt, double measurementSigma, double modelSigma);

// The same smoother with a model sigma that the series itself chooses, and that may change
// along it: every block of 2 s takes one of eleven model sigmas (0.001 to 100, three to a
// decade), the path through the blocks that makes the forward filters' innovations most
// likely, a change of sigma from one block to the next counting against it. A sharp climb,
// a winch launch or a rocket's boost then gets a large one while they last, a steady glide
// a small one. Returns what it chose (zeros where it left the series as it was).
struct ModelSigmaFound {
    double mostOf = 0;  // the model sigma of most of the series
    double lowest = 0;  // the lowest and highest chosen anywhere
    double highest = 0;
};
ModelSigmaFound KalmanFilterWithFoundSigma(std::vector<double>& series, double dt, double measurementSigma);

// A first-order recursive low-pass: y[i] = x[i] * 0.125 + y[i - 1] * 0.875.
void SmoothingFilter(std::vector<double>& series);

// Replaces a series of n values by n - 2 medians; value j is the median of the
// input values j ... j + window - 1, positions past the end taking the last
// value. A series not longer than the window stays as it is. Any window width:
// a step costs log(window).
void MedianFilter(std::vector<double>& series, int32_t window);

// The same result computed window by window with WindowMedian, as the filter is
// defined; MedianFilter takes this road when the series holds a NaN.
void MedianFilterByWindows(std::vector<double>& series, int32_t window);

// The median of count values (count of 1 or more) by quickselect; the values keep their order.
double WindowMedian(const double* values, size_t count);
