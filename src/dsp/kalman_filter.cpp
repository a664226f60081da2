// The altitude smoother: a constant-acceleration Kalman filter forward, then a
// Rauch-Tung-Striebel pass backward, so that every sample holds the estimate of
// its own time from the whole flight.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "dsp/filters.h"

namespace {

using Vec3 = std::array<double, 3>;
using Mat3 = std::array<Vec3, 3>;

// The prior of the first sample: its altitude as measured, its speed and
// acceleration unknown, so that a flight that starts moving is caught at once.
constexpr double kInitialRateVariance = 1e6;

// The gains settle after a few time constants of the model; this many steps
// bounds the memory kept for a model sigma so small that they barely move.
constexpr size_t kMaxTransientSteps = size_t{1} << 16;

// The gains of one step: K turns the innovation of sample i into the state of
// sample i; C carries the smoothed correction of sample i + 1 back to sample i.
struct StepGains {
    Vec3 k{};
    Mat3 c{};
};

Mat3 Multiply(const Mat3& a, const Mat3& b)
{
    Mat3 r{};
    for (size_t i = 0; i < 3; ++i)
        for (size_t j = 0; j < 3; ++j)
            r[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return r;
}

Mat3 Transposed(const Mat3& a)
{
    Mat3 r{};
    for (size_t i = 0; i < 3; ++i)
        for (size_t j = 0; j < 3; ++j)
            r[i][j] = a[j][i];
    return r;
}

Mat3 Symmetric(const Mat3& a)
{
    Mat3 r = a;
    for (size_t i = 0; i < 3; ++i)
        for (size_t j = i + 1; j < 3; ++j)
            r[i][j] = r[j][i] = 0.5 * (a[i][j] + a[j][i]);
    return r;
}

// X = B A^-1 for a symmetric positive definite A, through its Cholesky factor.
// False when A is not positive definite in floating point.
bool SolveRight(const Mat3& a, const Mat3& b, Mat3& x)
{
    double l[3][3] = {};
    for (size_t j = 0; j < 3; ++j) {
        double d = a[j][j];
        for (size_t k = 0; k < j; ++k)
            d -= l[j][k] * l[j][k];
        if (!(d > 0) || !std::isfinite(d))
            return false;
        l[j][j] = std::sqrt(d);
        for (size_t i = j + 1; i < 3; ++i) {
            double s = a[i][j];
            for (size_t k = 0; k < j; ++k)
                s -= l[i][k] * l[j][k];
            l[i][j] = s / l[j][j];
        }
    }
    // Each row of X solves A x = b (A is symmetric): forward, then backward substitution.
    for (size_t row = 0; row < 3; ++row) {
        double y[3];
        for (size_t i = 0; i < 3; ++i) {
            double s = b[row][i];
            for (size_t k = 0; k < i; ++k)
                s -= l[i][k] * y[k];
            y[i] = s / l[i][i];
        }
        for (size_t i = 3; i-- > 0;) {
            double s = y[i];
            for (size_t k = i + 1; k < 3; ++k)
                s -= l[k][i] * x[row][k];
            x[row][i] = s / l[i][i];
        }
    }
    return true;
}

bool Finite(const StepGains& g)
{
    for (size_t i = 0; i < 3; ++i) {
        if (!std::isfinite(g.k[i]))
            return false;
        for (size_t j = 0; j < 3; ++j)
            if (!std::isfinite(g.c[i][j]))
                return false;
    }
    return true;
}

bool Settled(const StepGains& a, const StepGains& b)
{
    auto close = [](double x, double y) {
        return std::abs(x - y) <= 1e-14 * std::max(1.0, std::abs(x));
    };
    for (size_t i = 0; i < 3; ++i) {
        if (!close(a.k[i], b.k[i]))
            return false;
        for (size_t j = 0; j < 3; ++j)
            if (!close(a.c[i][j], b.c[i][j]))
                return false;
    }
    return true;
}

// The gains of the first steps, until they settle (the last entry then holds
// for every later step). They depend on dt and the two variances only, never on
// the data. gains[i].k belongs to sample i + 1, gains[i].c to sample i.
std::vector<StepGains> Gains(size_t samples, double dt, double r, double q)
{
    const Mat3 f = {{{1.0, dt, dt * dt / 2.0}, {0.0, 1.0, dt}, {0.0, 0.0, 1.0}}};
    const Mat3 ft = Transposed(f);
    // A white-noise jerk of intensity q, integrated over one step.
    const double dt2 = dt * dt, dt3 = dt2 * dt, dt4 = dt3 * dt, dt5 = dt4 * dt;
    const Mat3 process = {{{q * dt5 / 20.0, q * dt4 / 8.0, q * dt3 / 6.0},
                           {q * dt4 / 8.0, q * dt3 / 3.0, q * dt2 / 2.0},
                           {q * dt3 / 6.0, q * dt2 / 2.0, q * dt}}};
    Mat3 p = {{{r, 0.0, 0.0}, {0.0, kInitialRateVariance, 0.0}, {0.0, 0.0, kInitialRateVariance}}};

    std::vector<StepGains> gains;
    int settledSteps = 0;
    for (size_t i = 1; i < samples && gains.size() < kMaxTransientSteps; ++i) {
        Mat3 predicted = Multiply(Multiply(f, p), ft);
        for (size_t a = 0; a < 3; ++a)
            for (size_t b = 0; b < 3; ++b)
                predicted[a][b] += process[a][b];
        predicted = Symmetric(predicted);

        StepGains g;
        // The smoother's gain of the previous sample: P F^T (F P F^T + Q)^-1.
        if (!SolveRight(predicted, Multiply(p, ft), g.c))
            g.c = Mat3{};  // no backward correction where the prediction is degenerate
        const double s = predicted[0][0] + r;
        for (size_t a = 0; a < 3; ++a)
            g.k[a] = s > 0 ? predicted[a][0] / s : 0.0;
        if (!Finite(g))
            g = StepGains{};
        // Joseph form: (I - K H) P (I - K H)^T + K r K^T stays symmetric and positive.
        Mat3 ikh = {{{1.0 - g.k[0], 0.0, 0.0}, {-g.k[1], 1.0, 0.0}, {-g.k[2], 0.0, 1.0}}};
        p = Multiply(Multiply(ikh, predicted), Transposed(ikh));
        for (size_t a = 0; a < 3; ++a)
            for (size_t b = 0; b < 3; ++b)
                p[a][b] += g.k[a] * r * g.k[b];
        p = Symmetric(p);

        settledSteps = !gains.empty() && Settled(gains.back(), g) ? settledSteps + 1 : 0;
        gains.push_back(g);
        if (settledSteps >= 3)
            break;
    }
    return gains;
}

}  // namespace

void KalmanFilter(std::vector<double>& series, double dt, double measurementSigma, double modelSigma)
{
    const size_t n = series.size();
    if (n < 2 || !(dt > 0) || !std::isfinite(dt))
        return;
    // Beyond the bound a sigma's square swamps the covariances; a sigma that is not a number counts as 0.
    const auto bounded = [](double sigma) {
        return std::isnan(sigma) ? 0.0 : std::clamp(sigma, 0.0, kMaxSigma);
    };
    const double r = bounded(measurementSigma) * bounded(measurementSigma);
    const double q = bounded(modelSigma) * bounded(modelSigma);
    if (r == 0)
        return;  // exact measurements: the best estimate is the measurement itself

    const std::vector<StepGains> gains = Gains(n, dt, r, q);
    const size_t transient = gains.size();
    const double halfDt2 = dt * dt / 2.0;

    // Forward: the filtered state of every sample, kept for the backward pass.
    std::vector<Vec3> states(n);
    double h = series[0], v = 0.0, a = 0.0;
    states[0] = {h, v, a};
    auto forward = [&](size_t i, const Vec3& k) {
        const double hp = h + v * dt + a * halfDt2, vp = v + a * dt;
        const double y = series[i] - hp;
        h = hp + k[0] * y;
        v = vp + k[1] * y;
        a = a + k[2] * y;
        states[i] = {h, v, a};
    };
    size_t i = 1;
    for (; i < n && i <= transient; ++i)
        forward(i, gains[i - 1].k);
    if (i < n) {
        const Vec3 k = gains.back().k;
        for (; i < n; ++i)
            forward(i, k);
    }

    // Backward: each sample's filtered state corrected by what the later samples
    // told about the next one.
    Vec3 next = states[n - 1];
    series[n - 1] = next[0];
    auto backward = [&](size_t j, const Mat3& c) {
        const Vec3& x = states[j];
        const double dh = next[0] - (x[0] + x[1] * dt + x[2] * halfDt2);
        const double dv = next[1] - (x[1] + x[2] * dt);
        const double da = next[2] - x[2];
        next = {x[0] + c[0][0] * dh + c[0][1] * dv + c[0][2] * da, x[1] + c[1][0] * dh + c[1][1] * dv + c[1][2] * da,
                x[2] + c[2][0] * dh + c[2][1] * dv + c[2][2] * da};
        series[j] = next[0];
    };
    size_t j = n - 1;
    if (j > transient) {
        const Mat3 c = gains.back().c;
        for (; j > transient; --j)
            backward(j - 1, c);
    }
    for (; j > 0; --j)
        backward(j - 1, gains[j - 1].c);
}
