// The altitude smoother: a constant-acceleration Kalman filter forward, then a
// Rauch-Tung-Striebel pass backward, so that every sample holds the estimate of
// its own time from the whole flight. Its model noise is either given, or found
// from the flight block by block among a range of model sigmas.
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
    double s = 0;     // the variance of the innovation
    double logS = 0;  // and its logarithm
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

// Two steps' gains alike within tolerance, relatively. Near 1e-14, rounding can keep some gains
// moving in their last digits for good: a model sigma of 10 at 2 s a sample never settles
// within 1e-14, and its gains are then computed for kMaxTransientSteps steps.
bool Settled(const StepGains& a, const StepGains& b, double tolerance = 1e-14)
{
    auto close = [tolerance](double x, double y) {
        return std::abs(x - y) <= tolerance * std::max(1.0, std::abs(x));
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

// The constant-acceleration model of one time step and one model noise.
struct StepModel {
    Mat3 f{}, ft{}, process{};
    double r = 0;
};

StepModel ModelOf(double dt, double r, double q)
{
    StepModel m;
    m.f = {{{1.0, dt, dt * dt / 2.0}, {0.0, 1.0, dt}, {0.0, 0.0, 1.0}}};
    m.ft = Transposed(m.f);
    // A white-noise jerk of intensity q, integrated over one step.
    const double dt2 = dt * dt, dt3 = dt2 * dt, dt4 = dt3 * dt, dt5 = dt4 * dt;
    m.process = {{{q * dt5 / 20.0, q * dt4 / 8.0, q * dt3 / 6.0},
                  {q * dt4 / 8.0, q * dt3 / 3.0, q * dt2 / 2.0},
                  {q * dt3 / 6.0, q * dt2 / 2.0, q * dt}}};
    m.r = r;
    return m;
}

Mat3 InitialCovariance(double r)
{
    return {{{r, 0.0, 0.0}, {0.0, kInitialRateVariance, 0.0}, {0.0, 0.0, kInitialRateVariance}}};
}

// One step of the covariance: p, the filtered covariance of one sample, becomes that of the
// next; the gains of the step are returned (k for the next sample, c for this one).
StepGains Step(const StepModel& m, Mat3& p)
{
    Mat3 predicted = Multiply(Multiply(m.f, p), m.ft);
    for (size_t a = 0; a < 3; ++a)
        for (size_t b = 0; b < 3; ++b)
            predicted[a][b] += m.process[a][b];
    predicted = Symmetric(predicted);

    StepGains g;
    // The smoother's gain of the previous sample: P F^T (F P F^T + Q)^-1.
    if (!SolveRight(predicted, Multiply(p, m.ft), g.c))
        g.c = Mat3{};  // no backward correction where the prediction is degenerate
    g.s = predicted[0][0] + m.r;
    for (size_t a = 0; a < 3; ++a)
        g.k[a] = g.s > 0 ? predicted[a][0] / g.s : 0.0;
    if (!Finite(g) || !(g.s > 0) || !std::isfinite(g.s))
        g = StepGains{};
    else
        g.logS = std::log(g.s);
    // Joseph form: (I - K H) P (I - K H)^T + K r K^T stays symmetric and positive.
    const Mat3 ikh = {{{1.0 - g.k[0], 0.0, 0.0}, {-g.k[1], 1.0, 0.0}, {-g.k[2], 0.0, 1.0}}};
    p = Multiply(Multiply(ikh, predicted), Transposed(ikh));
    for (size_t a = 0; a < 3; ++a)
        for (size_t b = 0; b < 3; ++b)
            p[a][b] += g.k[a] * m.r * g.k[b];
    p = Symmetric(p);
    return g;
}

// The gains of the first steps from the prior of the first sample, until they settle (the
// last entry then holds for every later step), and the filtered covariance they settle on.
// They depend on dt and the two variances only, never on the data. gains[i].k belongs to
// sample i + 1, gains[i].c to sample i.
struct Transient {
    std::vector<StepGains> gains;
    Mat3 settledCovariance{};
    bool settled = false;
};

Transient Gains(size_t samples, const StepModel& m, double tolerance = 1e-14)
{
    Transient t;
    Mat3 p = InitialCovariance(m.r);
    int settledSteps = 0;
    for (size_t i = 1; i < samples && t.gains.size() < kMaxTransientSteps; ++i) {
        const StepGains g = Step(m, p);
        settledSteps = !t.gains.empty() && Settled(t.gains.back(), g, tolerance) ? settledSteps + 1 : 0;
        t.gains.push_back(g);
        if (settledSteps >= 3) {
            t.settled = true;
            break;
        }
    }
    t.settledCovariance = p;
    return t;
}

// Runs the smoother over the series, the gains of step i (sample i's k, sample i - 1's c)
// given by gainsOf(i).
template <typename GainsOf>
void Smooth(std::vector<double>& series, double dt, GainsOf gainsOf)
{
    const size_t n = series.size();
    const double halfDt2 = dt * dt / 2.0;

    // Forward: the filtered state of every sample, kept for the backward pass.
    std::vector<Vec3> states(n);
    double h = series[0], v = 0.0, a = 0.0;
    states[0] = {h, v, a};
    for (size_t i = 1; i < n; ++i) {
        const Vec3& k = gainsOf(i).k;
        const double hp = h + v * dt + a * halfDt2, vp = v + a * dt;
        const double y = series[i] - hp;
        h = hp + k[0] * y;
        v = vp + k[1] * y;
        a = a + k[2] * y;
        states[i] = {h, v, a};
    }

    // Backward: each sample's filtered state corrected by what the later samples
    // told about the next one.
    Vec3 next = states[n - 1];
    series[n - 1] = next[0];
    for (size_t j = n - 1; j > 0; --j) {
        const Mat3& c = gainsOf(j).c;
        const Vec3& x = states[j - 1];
        const double dh = next[0] - (x[0] + x[1] * dt + x[2] * halfDt2);
        const double dv = next[1] - (x[1] + x[2] * dt);
        const double da = next[2] - x[2];
        next = {x[0] + c[0][0] * dh + c[0][1] * dv + c[0][2] * da, x[1] + c[1][0] * dh + c[1][1] * dv + c[1][2] * da,
                x[2] + c[2][0] * dh + c[2][1] * dv + c[2][2] * da};
        series[j - 1] = next[0];
    }
}

double Bounded(double sigma)
{
    // Beyond the bound a sigma's square swamps the covariances; a sigma that is not a number counts as 0.
    return std::isnan(sigma) ? 0.0 : std::clamp(sigma, 0.0, kMaxSigma);
}

}  // namespace

void KalmanFilter(std::vector<double>& series, double dt, double measurementSigma, double modelSigma)
{
    const size_t n = series.size();
    if (n < 2 || !(dt > 0) || !std::isfinite(dt))
        return;
    const double r = Bounded(measurementSigma) * Bounded(measurementSigma);
    const double q = Bounded(modelSigma) * Bounded(modelSigma);
    if (r == 0)
        return;  // exact measurements: the best estimate is the measurement itself

    const Transient t = Gains(n, ModelOf(dt, r, q));
    const size_t last = t.gains.size() - 1;
    Smooth(series, dt, [&](size_t i) -> const StepGains& { return t.gains[std::min(i - 1, last)]; });
}

namespace {

// The model sigmas the smoother chooses from, three to a decade: from a calm glide (0.001) to a
// rocket's boost (100).
constexpr size_t kModelCount = 11;
double ModelSigma(size_t model)
{
    return std::pow(10.0, -3.0 + 0.5 * static_cast<double>(model));
}

// The flight is cut into blocks of this many seconds, each smoothed with one model sigma.
constexpr double kBlockSeconds = 2.0;
// What a change of model sigma from one block to the next costs, in units of the negative
// log-likelihood: without it a noisy stretch would flip the model at every block.
constexpr double kChangePenalty = 4.0;

// After a change of model, the gains are taken as the new model's settled ones once they are
// within this share of them. Computing every step instead changes the truth test's errors by
// a centimetre at most, and costs five times as long on a flight whose climbs change often.
constexpr double kSwitchTolerance = 1e-3;
// Each model's own first steps run until consecutive gains differ by this share: every model
// sigma settles within a thousand steps at any rate (within 1e-14 the large ones at 1 s and 2 s
// a sample never do), close enough to its limit that the rest of the flight takes it.
constexpr double kSettledTolerance = 1e-12;

// The cost of each model in each block: the negative log-likelihood of its innovations, halved.
using Costs = std::array<double, kModelCount>;

size_t Cheapest(const Costs& costs)
{
    return static_cast<size_t>(std::min_element(costs.begin(), costs.end()) - costs.begin());
}

// Every model's filter run forward over the whole series at once (their gains settled after
// the first steps), each sample's cost added to its block. Sample i (from 1) is in block
// (i - 1) / block.
std::vector<Costs> ScoreModels(const std::vector<double>& series, double dt, size_t block,
                               const std::array<Transient, kModelCount>& transients)
{
    const size_t n = series.size();
    std::vector<Costs> cost((n - 2) / block + 1);
    const double halfDt2 = dt * dt / 2.0;
    Costs h{}, v{}, a{};
    h.fill(series[0]);
    // While any model's gains still change, each step takes its own.
    size_t changing = 0;
    for (const Transient& t : transients)
        changing = std::max(changing, t.gains.size());
    size_t i = 1;
    for (; i < n && i <= changing; ++i) {
        Costs& c = cost[(i - 1) / block];
        for (size_t m = 0; m < kModelCount; ++m) {
            const std::vector<StepGains>& g = transients[m].gains;
            const StepGains& step = g[std::min(i - 1, g.size() - 1)];
            const double hp = h[m] + v[m] * dt + a[m] * halfDt2, vp = v[m] + a[m] * dt;
            const double y = series[i] - hp;
            h[m] = hp + step.k[0] * y;
            v[m] = vp + step.k[1] * y;
            a[m] += step.k[2] * y;
            c[m] += 0.5 * (step.logS + y * y / step.s);
        }
    }
    // The settled gains, laid out for a loop over the models that the compiler vectorises.
    Costs k0{}, k1{}, k2{}, halfLogS{}, halfInverseS{};
    for (size_t m = 0; m < kModelCount; ++m) {
        const StepGains& g = transients[m].gains.back();
        k0[m] = g.k[0];
        k1[m] = g.k[1];
        k2[m] = g.k[2];
        halfLogS[m] = 0.5 * g.logS;
        halfInverseS[m] = 0.5 / g.s;
    }
    for (; i < n; ++i) {
        Costs& c = cost[(i - 1) / block];
        const double z = series[i];
        for (size_t m = 0; m < kModelCount; ++m) {
            const double hp = h[m] + v[m] * dt + a[m] * halfDt2, vp = v[m] + a[m] * dt;
            const double y = z - hp;
            h[m] = hp + k0[m] * y;
            v[m] = vp + k1[m] * y;
            a[m] += k2[m] * y;
            c[m] += halfLogS[m] + y * y * halfInverseS[m];
        }
    }
    return cost;
}

// The model of each block: the cheapest path through the blocks (Viterbi), each change of
// model costing kChangePenalty.
std::vector<uint8_t> CheapestPath(const std::vector<Costs>& cost)
{
    const size_t blocks = cost.size();
    std::vector<std::array<uint8_t, kModelCount>> from(blocks);
    Costs total = cost[0];
    for (size_t b = 1; b < blocks; ++b) {
        const auto best = static_cast<uint8_t>(Cheapest(total));
        const double change = total[best] + kChangePenalty;
        for (size_t m = 0; m < kModelCount; ++m) {
            const double stay = total[m];
            from[b][m] = stay <= change ? static_cast<uint8_t>(m) : best;
            total[m] = std::min(stay, change) + cost[b][m];
        }
    }
    std::vector<uint8_t> chosen(blocks);
    chosen[blocks - 1] = static_cast<uint8_t>(Cheapest(total));
    for (size_t b = blocks - 1; b > 0; --b)
        chosen[b - 1] = from[b][chosen[b]];
    return chosen;
}

}  // namespace

ModelSigmaFound KalmanFilterWithFoundSigma(std::vector<double>& series, double dt, double measurementSigma)
{
    const size_t n = series.size();
    if (n < 2 || !(dt > 0) || !std::isfinite(dt))
        return {};
    const double r = Bounded(measurementSigma) * Bounded(measurementSigma);
    if (r == 0)
        return {};  // exact measurements: the best estimate is the measurement itself

    std::array<StepModel, kModelCount> models;
    std::array<Transient, kModelCount> transients;
    for (size_t m = 0; m < kModelCount; ++m) {
        models[m] = ModelOf(dt, r, ModelSigma(m) * ModelSigma(m));
        transients[m] = Gains(n, models[m], kSettledTolerance);
    }
    const auto block = std::max<size_t>(1, static_cast<size_t>(std::lround(kBlockSeconds / dt)));
    const std::vector<uint8_t> chosen = CheapestPath(ScoreModels(series, dt, block, transients));

    // The gains along the flight, as indices into one table: each model's settled gains first;
    // then, computed once for each change of model that occurs, the steps from one model's
    // settled covariance until the gains settle on the next one's; then the steps of any change
    // that came before the previous one had settled, computed where they occur.
    std::vector<StepGains> table;
    table.reserve(kModelCount);
    for (const Transient& t : transients)
        table.push_back(t.gains.back());
    struct Change {
        size_t first = 0, count = 0;    // in the table
        std::vector<Mat3> covariances;  // after each step
        bool settles = false;
    };
    std::array<std::array<Change, kModelCount>, kModelCount> changes;
    // One step with model m from covariance p into the table; true once three steps running
    // have given m's settled gains.
    auto stepTowards = [&](size_t m, Mat3& p, int& settledSteps) {
        const StepGains g = Step(models[m], p);
        table.push_back(g);
        settledSteps = transients[m].settled && Settled(table[m], g, kSwitchTolerance) ? settledSteps + 1 : 0;
        return settledSteps >= 3;
    };
    // The steps of a change to model m from covariance from, until the gains settle on m's
    // (at most kMaxTransientSteps); false when they did not.
    auto settle = [&](size_t m, Mat3& from, Change& change) {
        int settledSteps = 0;
        while (true) {
            const bool settled = stepTowards(m, from, settledSteps);
            change.covariances.push_back(from);
            if (settled)
                return true;
            if (change.covariances.size() >= kMaxTransientSteps)
                return false;
        }
    };
    std::vector<uint32_t> gainsOf(n);
    std::array<size_t, kModelCount> used{};
    constexpr size_t kNone = kModelCount;
    size_t settledOn = kNone;         // the model whose settled gains hold
    const Change* running = nullptr;  // or the change of model being stepped through
    size_t runningModel = 0, step = 0;
    Mat3 p = InitialCovariance(r);  // or the covariance, stepped here with freeModel
    size_t freeModel = kNone;
    int freeSettled = 0;
    for (size_t i = 1; i < n; ++i) {
        const size_t m = chosen[(i - 1) / block];
        ++used[m];
        if (m == settledOn) {
            gainsOf[i] = static_cast<uint32_t>(m);
            continue;
        }
        if (settledOn != kNone) {
            Change& change = changes[settledOn][m];
            if (change.count == 0) {
                Mat3 from = transients[settledOn].settledCovariance;
                change.first = table.size();
                change.settles = settle(m, from, change);
                change.count = table.size() - change.first;
            }
            running = &change;
            runningModel = m;
            step = 0;
            settledOn = kNone;
        }
        if (running && m != runningModel) {
            // Changed again before the gains settled: on from the covariance reached.
            p = running->covariances[step - 1];
            running = nullptr;
            freeModel = kNone;
        }
        if (running) {
            gainsOf[i] = static_cast<uint32_t>(running->first + step);
            if (++step == running->count) {
                if (running->settles) {
                    settledOn = m;
                } else {
                    p = running->covariances.back();
                    freeModel = kNone;
                }
                running = nullptr;
            }
            continue;
        }
        // Stepped here, one step at a time, until the gains settle.
        if (m != freeModel) {
            freeModel = m;
            freeSettled = 0;
        }
        gainsOf[i] = static_cast<uint32_t>(table.size());
        if (stepTowards(m, p, freeSettled)) {
            settledOn = m;
            freeModel = kNone;
        }
    }
    Smooth(series, dt, [&](size_t i) -> const StepGains& { return table[gainsOf[i]]; });

    ModelSigmaFound found;
    size_t most = 0;
    for (size_t m = 0; m < kModelCount; ++m) {
        if (used[m] == 0)
            continue;
        if (found.lowest == 0)
            found.lowest = ModelSigma(m);
        found.highest = ModelSigma(m);
        if (used[m] > used[most])
            most = m;
    }
    found.mostOf = ModelSigma(most);
    return found;
}
