#include "dsp/airtime.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/brixo_log.h"
#include "dsp/decoder.h"

namespace {

// The scores. Each second of the log scores how strongly the air moves the logger: a score
// of 1 is a climb or sink at kWalkingPace, or values scattered by kAirScatter beyond the
// sensor's noise about a line fitted over twice kHalfWindow, or by kLongAirScatter on
// average over the lines of twice kLongHalfWindow.
constexpr double kBlockSeconds = 1.0;     // the altitude is averaged to about one value a second
constexpr double kHalfWindow = 8.0;       // s
constexpr double kWalkingPace = 0.6;      // m/s: a hiker climbs slower, a glider sinks faster
constexpr double kAirScatter = 0.6;       // m
constexpr double kLongHalfWindow = 24.0;  // s
constexpr double kLongAirScatter = 0.6;   // m
// The flights. A second's evidence for the air is kStill (negative) at a score of 0, none at
// kNeutral, kPerScore more for each score above it, at most kStrong. A takeoff or a landing
// costs kSwitch: a flight must hold that much evidence twice over, and a lull in the air
// must be that long and still to count as a landing and a new launch.
constexpr double kNeutral = 0.7;
constexpr double kStill = -2.0;
constexpr double kPerScore = 3.75;
constexpr double kStrong = 8.0;
constexpr double kSwitch = 45.0;
constexpr double kMinHeightRange = 3.0;  // m that a flight moves at least
constexpr double kMinAirtime = 5.0;      // s
// The takeoff and the landing. A flight surely is where kSustained seconds score as moving
// and kConfirm seconds after them (before them, for a landing) mostly do too; the takeoff
// is searched kGroundBefore before that and kFlightAfter after it, the landing the other way.
constexpr double kSustained = 5.0;      // s
constexpr double kConfirm = 30.0;       // s
constexpr double kGroundBefore = 40.0;  // s
constexpr double kFlightAfter = 20.0;   // s

// The noise of one sample: the median of the second differences, which a smooth motion
// hardly touches, of at most 65536 of them.
double SampleNoise(const std::vector<double>& x)
{
    const size_t n = x.size();
    if (n < 3)
        return 0.0;
    const size_t stride = std::max<size_t>(1, (n - 2) / 65536);
    std::vector<double> d;
    d.reserve((n - 2) / stride + 1);
    for (size_t i = 1; i + 1 < n; i += stride)
        d.push_back(std::fabs(x[i + 1] - 2 * x[i] + x[i - 1]));
    auto middle = d.begin() + static_cast<std::ptrdiff_t>(d.size() / 2);
    std::nth_element(d.begin(), middle, d.end());
    // The second difference of white noise has sqrt(6) times its deviation; the median of
    // its magnitude is 0.6745 deviations.
    return *middle / (0.6745 * std::sqrt(6.0));
}

// The mean square scatter that noise alone reaches: it varies by sqrt(2 / freedom) of itself
// about its mean, and twice that is still noise.
double NoiseFloor(double noise, double freedom)
{
    return noise * noise * (1 + 2 * std::sqrt(2 / freedom));
}

// The scatter beyond the noise, in metres.
double ScatterBeyond(double meanSquare, double floor)
{
    return meanSquare > floor ? std::sqrt(meanSquare - floor) : 0.0;
}

// How strongly the air moves the logger around each block: by the climb or sink of a line
// fitted there and the scatter about it (the quick score: a short window sees where glides,
// climbs and gusts start), or by the scatter about the lines of the blocks around it,
// averaged (a long window sees mild turbulence for what it is, where a walk that stops and
// goes on only bends a line or two).
struct BlockScores {
    std::vector<float> quick, score;
};

BlockScores ScoreBlocks(const std::vector<double>& blocks, double blockSeconds, double blockNoise)
{
    const size_t nb = blocks.size();
    // At least 13 values a window, so that slow rates do not score their noise.
    const auto half = static_cast<size_t>(std::max(6L, std::lround(kHalfWindow / blockSeconds)));
    const size_t k = std::min(half, (nb - 1) / 2);
    const double count = static_cast<double>(2 * k + 1);
    const double kk = static_cast<double>(k);
    const double sjj = kk * (kk + 1) * (2 * kk + 1) / 3;  // sum of j^2 for j = -k..k
    const double base = blocks[0];
    const auto y = [&](size_t i) {
        return blocks[i] - base;
    };
    const double perSjj = 1 / sjj, perCount = 1 / count, perFreedom = 1 / (count - 2);
    const double perPace = 1 / (blockSeconds * kWalkingPace), perScatter = 1 / kAirScatter;
    const double quickFloor = NoiseFloor(blockNoise, count - 2);

    BlockScores scores{std::vector<float>(nb), std::vector<float>(nb)};
    // The running sum of the windows' mean squares, for the long window's averages.
    std::vector<double> running(nb + 1);
    running[0] = 0;
    double sy = 0, sjy = 0, syy = 0;
    for (size_t c = k; c + k < nb; ++c) {
        // Slid from the window before, summed afresh now and then so that rounding cannot build up.
        if ((c - k) % 1024 == 0) {
            sy = sjy = syy = 0;
            for (size_t i = c - k; i <= c + k; ++i) {
                const double v = y(i);
                sy += v;
                sjy += (static_cast<double>(i) - static_cast<double>(c)) * v;
                syy += v * v;
            }
        } else {
            const double out = y(c - 1 - k), in = y(c + k);
            sjy += kk * out + (kk + 1) * in;  // about the old centre, then moved to c
            sy += in - out;
            sjy -= sy;
            syy += in * in - out * out;
        }
        const double slope = sjy * perSjj;
        const double scatter = std::max(0.0, syy - sy * sy * perCount - slope * sjy) * perFreedom;
        const double quick = std::max(std::fabs(slope) * perPace, ScatterBeyond(scatter, quickFloor) * perScatter);
        // The blocks within half a window of either end take the nearest window's values.
        const bool first = c == k, last = c + k + 1 == nb;
        for (size_t b = first ? 0 : c; b <= (last ? nb - 1 : c); ++b) {
            scores.quick[b] = static_cast<float>(quick);
            running[b + 1] = running[b] + scatter;
        }
    }

    const auto reach = static_cast<size_t>(std::lround(kLongHalfWindow / blockSeconds));
    // Neighbouring windows share most of their values: about one in three is new.
    const auto longFloor = [&](double windows) {
        return NoiseFloor(blockNoise, (count - 2) * std::max(1.0, windows / count * 2));
    };
    const double fullWindows = static_cast<double>(2 * reach + 1);
    const double fullFloor = longFloor(fullWindows), perFullWindows = 1 / fullWindows;
    const double perLongScatter = 1 / kLongAirScatter;
    for (size_t b = 0; b < nb; ++b) {
        const size_t from = b > reach ? b - reach : 0, to = std::min(nb - 1, b + reach);
        const double windows = static_cast<double>(to - from + 1);
        const bool full = windows == fullWindows;
        const double mean = (running[to + 1] - running[from]) * (full ? perFullWindows : 1 / windows);
        const double floor = full ? fullFloor : longFloor(windows);
        scores.score[b] = std::max(scores.quick[b], static_cast<float>(ScatterBeyond(mean, floor) * perLongScatter));
    }
    return scores;
}

// Running sums of a stretch of samples, its first valued 0, for the least squares of a
// level or a parabola over any part of it. Time runs from 0 to 1 over the stretch, so
// that the sums of its powers stay well scaled.
class StretchSums {
public:
    StretchSums(const std::vector<double>& x, size_t first, size_t last)
    {
        const size_t n = last - first + 1;
        for (auto& column : m_sums)
            column.assign(n + 1, 0.0);
        for (size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / static_cast<double>(n);
            const double u = x[first + i] - x[first];
            const double terms[kColumns] = {1, t, t * t, t * t * t, t * t * t * t, u, t * u, t * t * u, u * u};
            for (size_t c = 0; c < kColumns; ++c)
                m_sums[c][i + 1] = m_sums[c][i] + terms[c];
        }
    }
    // The squared error of the best level over samples p .. q (inclusive).
    double Level(size_t p, size_t q) const
    {
        const double n = Sum(0, p, q), su = Sum(5, p, q);
        return std::max(0.0, Sum(8, p, q) - su * su / n);
    }
    // The squared error of the best line (terms 2) or parabola (terms 3) over samples p .. q.
    double Curve(size_t p, size_t q, int terms) const
    {
        if (q < p + static_cast<size_t>(terms))
            return 0.0;
        double a[3][4];
        for (int r = 0; r < terms; ++r) {
            for (int c = 0; c < terms; ++c)
                a[r][c] = Sum(r + c, p, q);
            a[r][3] = Sum(5 + r, p, q);
        }
        // The normal equations by elimination; the fit explains b . beta of the sum of squares.
        for (int k = 0; k < terms; ++k) {
            if (!(std::fabs(a[k][k]) > 1e-300))
                return Level(p, q);
            for (int r = k + 1; r < terms; ++r) {
                const double f = a[r][k] / a[k][k];
                for (int c = k; c < 4; ++c)
                    if (c < terms || c == 3)
                        a[r][c] -= f * a[k][c];
            }
        }
        double beta[3] = {0, 0, 0};
        for (int k = terms - 1; k >= 0; --k) {
            double v = a[k][3];
            for (int c = k + 1; c < terms; ++c)
                v -= a[k][c] * beta[c];
            beta[k] = v / a[k][k];
        }
        double explained = 0;
        for (int k = 0; k < terms; ++k)
            explained += beta[k] * Sum(5 + k, p, q);
        return std::max(0.0, Sum(8, p, q) - explained);
    }

private:
    static constexpr size_t kColumns = 9;
    double Sum(int column, size_t p, size_t q) const
    {
        const auto& sums = m_sums[static_cast<size_t>(column)];
        return sums[q + 1] - sums[p];
    }
    std::vector<double> m_sums[kColumns];
};

// The takeoff: the last sample of a level stretch before a climb or glide, searched in
// first .. last.
size_t PlaceTakeoff(const std::vector<double>& x, size_t first, size_t last)
{
    if (last < first + 4)
        return first;
    const StretchSums sums(x, first, last);
    const size_t n = last - first + 1;
    size_t best = 0;
    double bestCost = INFINITY;
    for (size_t t = 0; t + 4 < n; ++t) {
        const double cost = sums.Level(0, t) + sums.Curve(t + 1, n - 1, 2);
        if (cost < bestCost) {
            bestCost = cost;
            best = t;
        }
    }
    return first + best;
}

// The landing: the first sample of a level stretch after a flight, searched in first .. last.
// The flight's end is a parabola: an approach whose sink slows fits it as well as a steady one.
size_t PlaceLanding(const std::vector<double>& x, size_t first, size_t last)
{
    if (last < first + 4)
        return last;
    const StretchSums sums(x, first, last);
    const size_t n = last - first + 1;
    size_t best = n - 1;
    double bestCost = INFINITY;
    for (size_t t = 4; t < n; ++t) {
        const double cost = sums.Curve(0, t - 1, 3) + sums.Level(t, n - 1);
        if (cost < bestCost) {
            bestCost = cost;
            best = t;
        }
    }
    return first + best;
}

// How much a second of this score speaks for flying (positive) or for the ground (negative).
double Evidence(double score)
{
    if (score < kNeutral)
        return (kStill / kNeutral) * (kNeutral - score);
    return std::min(kStrong, kPerScore * (score - kNeutral));
}

// A stretch of blocks in the air.
struct Stretch {
    size_t first = 0, last = 0;
};

// The stretches in the air: of the two-state paths (ground, air), the one whose blocks'
// evidence, summed over the blocks in the air, less kSwitch for every takeoff and landing,
// is largest. A log is taken to start and end on the ground.
std::vector<Stretch> AirborneStretches(const std::vector<float>& score, double blockSeconds)
{
    const size_t nb = score.size();
    // Per block, how the best paths came to it: bit 0, the one on the ground from the air
    // (a landing); bit 1, the one in the air from the air.
    std::vector<uint8_t> from(nb);
    double ground = 0, air = -INFINITY;
    for (size_t b = 0; b < nb; ++b) {
        const bool landed = air - kSwitch > ground;
        const bool stayed = air > ground - kSwitch;
        const double nextGround = landed ? air - kSwitch : ground;
        air = (stayed ? air : ground - kSwitch) + Evidence(score[b]) * blockSeconds;
        ground = nextGround;
        from[b] = static_cast<uint8_t>((landed ? 1 : 0) | (stayed ? 2 : 0));
    }
    std::vector<Stretch> stretches;
    bool inAir = air - kSwitch > ground;
    for (size_t b = nb; b-- > 0;) {
        if (inAir && (stretches.empty() || stretches.back().first != b + 1))
            stretches.push_back({b, b});
        if (inAir)
            stretches.back().first = b;
        inAir = (from[b] & (inAir ? 2 : 1)) != 0;
    }
    std::reverse(stretches.begin(), stretches.end());
    return stretches;
}

}  // namespace

double TotalAirtime(const std::vector<FlightSpan>& flights)
{
    double total = 0;
    for (const FlightSpan& f : flights)
        total += f.Airtime();
    return total;
}

std::vector<FlightSpan> FindFlights(const std::vector<double>& altitude, double dt)
{
    std::vector<FlightSpan> found;
    const size_t n = altitude.size();
    if (!(dt > 0) || !std::isfinite(dt) || n < 4)
        return found;

    // One value a second (or each sample, when they come slower).
    const auto perBlock = static_cast<size_t>(std::max(1L, std::lround(kBlockSeconds / dt)));
    const size_t nb = n / perBlock;
    if (nb < 5)
        return found;
    const double blockSeconds = static_cast<double>(perBlock) * dt;
    // A value that is no number makes the sum none: such a log has no flights to find.
    double check = 0;
    for (double v : altitude)
        check += v;
    if (!std::isfinite(check))
        return found;
    std::vector<double> averaged;
    if (perBlock > 1) {
        averaged.resize(nb);
        const double perBlockCount = 1 / static_cast<double>(perBlock);
        for (size_t b = 0; b < nb; ++b) {
            double sum = 0;
            for (size_t i = b * perBlock; i < (b + 1) * perBlock; ++i)
                sum += altitude[i] - altitude[0];
            averaged[b] = sum * perBlockCount;
        }
    }
    const std::vector<double>& blocks = perBlock > 1 ? averaged : altitude;
    const double blockNoise = SampleNoise(altitude) / std::sqrt(static_cast<double>(perBlock));
    const BlockScores scores = ScoreBlocks(blocks, blockSeconds, blockNoise);
    const std::vector<float>& quick = scores.quick;
    const std::vector<float>& score = scores.score;

    const std::vector<Stretch> stretches = AirborneStretches(score, blockSeconds);

    size_t groundFrom = 0;  // the first sample after the last landing
    for (size_t k = 0; k < stretches.size(); ++k) {
        const Stretch& s = stretches[k];
        const auto [low, high] = std::minmax_element(blocks.begin() + static_cast<std::ptrdiff_t>(s.first),
                                                     blocks.begin() + static_cast<std::ptrdiff_t>(s.last) + 1);
        if (*high - *low < kMinHeightRange)
            continue;
        const size_t ground = static_cast<size_t>(std::lround(kGroundBefore / dt));
        const size_t air = static_cast<size_t>(std::lround(kFlightAfter / dt));
        // Placed around the first and last runs of kSustained seconds that score as moving, as
        // the long window blurs the stretch's ends by its length. A run counts when the air
        // goes on moving the logger after it (before it, for a landing): a walk about on
        // launch may score as moving for a moment.
        const auto sustained = static_cast<size_t>(std::max(1L, std::lround(kSustained / blockSeconds)));
        const auto confirm = static_cast<size_t>(std::lround(kConfirm / blockSeconds));
        const auto movingShare = [&](size_t from, size_t to) {
            size_t moving = 0;
            for (size_t b = from; b <= to; ++b)
                moving += score[b] >= 1.0 ? 1U : 0U;
            return static_cast<double>(moving) / static_cast<double>(to - from + 1);
        };
        size_t first = s.first, last = s.last;
        for (size_t run = 0, b = s.first; b <= s.last; ++b) {
            if ((run = quick[b] >= 1.0 ? run + 1 : 0) < sustained)
                continue;
            const size_t start = b + 1 - sustained;
            if (movingShare(start, std::min(s.last, start + confirm)) >= 0.5) {
                first = start;
                break;
            }
        }
        for (size_t run = 0, b = s.last + 1; b-- > first;) {
            if ((run = quick[b] >= 1.0 ? run + 1 : 0) < sustained)
                continue;
            const size_t end = b + sustained - 1;
            if (movingShare(end > first + confirm ? end - confirm : first, end) >= 0.5) {
                last = end;
                break;
            }
        }
        const size_t firstSample = first * perBlock;
        const size_t lastSample = std::min(n - 1, (last + 1) * perBlock - 1);
        // The next flight's stretch bounds this one's landing.
        const size_t nextFlight = k + 1 < stretches.size() ? stretches[k + 1].first * perBlock : n;

        const auto takeoffAround = [&](size_t sample, size_t after) {
            return PlaceTakeoff(altitude, std::max(groundFrom, sample > ground ? sample - ground : 0),
                                std::min(lastSample, sample + after));
        };
        size_t takeoff = takeoffAround(firstSample, air);
        // A gentle start (a glide slower than a walk can climb) scores as moving only later:
        // the stretch's start (a long window earlier) then places it, when the logger moves
        // for most of the time after it.
        const auto blurred = static_cast<size_t>(std::lround(kLongHalfWindow / dt));
        if (const size_t early = takeoffAround(s.first * perBlock, air + blurred); early < takeoff) {
            const size_t b = early / perBlock;
            const size_t to = std::min(s.last, b + confirm);
            size_t moving = 0;
            for (size_t i = b; i <= to; ++i)
                moving += quick[i] >= kNeutral ? 1U : 0U;
            if (2 * moving >= to - b + 1)
                takeoff = early;
        }

        const size_t landingFrom = std::max(takeoff + 1, lastSample > air ? lastSample - air : 0);
        const size_t landingTo = std::min(nextFlight - 1, lastSample + ground);
        const size_t landing = landingFrom < landingTo ? PlaceLanding(altitude, landingFrom, landingTo) : landingTo;

        const FlightSpan flight{static_cast<double>(takeoff) * dt, static_cast<double>(landing) * dt};
        if (flight.Airtime() < kMinAirtime)
            continue;
        found.push_back(flight);
        groundFrom = landing;
    }
    return found;
}

std::optional<std::vector<FlightSpan>> FlightsOf(const BrixoLog& log)
{
    std::vector<double> altitude;
    if (!DecodeAltitude(log, altitude))
        return std::nullopt;
    return FindFlights(altitude, log.SamplePeriod());
}

std::string FlightSpansText(const std::vector<FlightSpan>& flights)
{
    std::string text;
    for (const FlightSpan& f : flights) {
        char pair[80];
        std::snprintf(pair, sizeof pair, "%s%.1f %.1f", text.empty() ? "" : ";", f.takeoff, f.landing);
        text += pair;
    }
    return text;
}

std::optional<std::vector<FlightSpan>> FlightSpansFromText(const std::string& text)
{
    std::vector<FlightSpan> flights;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        FlightSpan f;
        auto [afterTakeoff, e1] = std::from_chars(p, end, f.takeoff);
        if (e1 != std::errc() || afterTakeoff == end || *afterTakeoff != ' ')
            return std::nullopt;
        auto [afterLanding, e2] = std::from_chars(afterTakeoff + 1, end, f.landing);
        if (e2 != std::errc() || !std::isfinite(f.takeoff) || !std::isfinite(f.landing) || f.takeoff < 0 ||
            !(f.takeoff < f.landing) || (!flights.empty() && f.takeoff < flights.back().landing))
            return std::nullopt;
        flights.push_back(f);
        p = afterLanding;
        if (p < end && *p++ != ';')
            return std::nullopt;
        if (p == end && afterLanding != end)
            return std::nullopt;  // a trailing ";"
    }
    return flights;
}

namespace {

constexpr double kShortestFlight = 1.0;  // s, as the pilot corrects it

}  // namespace

std::vector<FlightSpan> OnSamples(std::vector<FlightSpan> flights, double dt)
{
    if (!(dt > 0))
        return flights;
    for (FlightSpan& f : flights) {
        f.takeoff = std::round(f.takeoff / dt) * dt;
        f.landing = std::max(f.takeoff + dt, std::round(f.landing / dt) * dt);
    }
    return flights;
}

std::vector<FlightSpan> WithMarkMoved(std::vector<FlightSpan> flights, size_t mark, double time, double logEnd)
{
    const size_t k = mark / 2;
    if (k >= flights.size() || !std::isfinite(time))
        return flights;
    FlightSpan& f = flights[k];
    if (mark % 2 == 0) {
        const double low = k > 0 ? flights[k - 1].landing : 0.0;
        f.takeoff = std::clamp(time, low, std::max(low, f.landing - kShortestFlight));
    } else {
        const double high = k + 1 < flights.size() ? flights[k + 1].takeoff : logEnd;
        f.landing = std::clamp(time, std::min(high, f.takeoff + kShortestFlight), high);
    }
    return flights;
}

std::vector<FlightSpan> WithTakeoffAt(std::vector<FlightSpan> flights, double time, double logEnd)
{
    if (!std::isfinite(time) || time < 0 || time > logEnd)
        return flights;
    for (size_t k = 0; k < flights.size(); ++k)
        if (time <= flights[k].landing)  // in this flight, or on the ground before it
            return WithMarkMoved(std::move(flights), 2 * k, time, logEnd);
    if (time + kShortestFlight <= logEnd)
        flights.push_back({time, logEnd});
    return flights;
}

std::vector<FlightSpan> WithLandingAt(std::vector<FlightSpan> flights, double time, double logEnd)
{
    if (!std::isfinite(time) || time < 0 || time > logEnd)
        return flights;
    for (size_t k = flights.size(); k-- > 0;)
        if (time >= flights[k].takeoff)  // in this flight, or on the ground after it
            return WithMarkMoved(std::move(flights), 2 * k + 1, time, logEnd);
    if (time >= kShortestFlight)
        flights.insert(flights.begin(), {0.0, time});
    return flights;
}
