#include "dsp/climbs.h"

#include <algorithm>

#include "app/settings.h"
#include "dsp/log_series.h"

ClimbAnalysis FindClimbs(const std::vector<double>& altitude, const std::vector<double>& vario, double dt,
                         const ClimbRules& rules)
{
    ClimbAnalysis result;
    const size_t na = altitude.size();
    if (na == 0 || !(dt > 0))
        return result;
    // Vario sample k spans altitude samples k to k + 1: a climb ends at the last altitude sample
    // at the latest, where the log's length, the base of the share, ends too.
    const size_t m = std::min(vario.size(), na - 1);

    // Runs of samples at or above the threshold, each joined to the segment before it
    // when the pause between them is short enough; a segment is kept when long enough.
    auto keep = [&](size_t i, size_t j) {
        if (static_cast<double>(j - i + 1) * dt < rules.minDuration)
            return;
        Climb c;
        c.first = i;
        c.last = j;
        c.start = static_cast<double>(i) * dt;
        c.end = static_cast<double>(j + 1) * dt;
        c.duration = static_cast<double>(j + 1 - i) * dt;
        c.gain = altitude[std::min(j + 1, na - 1)] - altitude[i];
        c.average = c.gain / c.duration;
        c.max = *std::max_element(vario.begin() + static_cast<std::ptrdiff_t>(i),
                                  vario.begin() + static_cast<std::ptrdiff_t>(j) + 1);
        result.climbs.push_back(c);
    };
    bool open = false;
    size_t segmentFirst = 0, segmentLast = 0;
    for (size_t k = 0; k < m;) {
        if (!(vario[k] >= rules.threshold)) {
            ++k;
            continue;
        }
        const size_t i = k;
        while (k < m && vario[k] >= rules.threshold)
            ++k;
        const size_t j = k - 1;
        if (open && static_cast<double>(i - segmentLast - 1) * dt <= rules.maxGap) {
            segmentLast = j;
        } else {
            if (open)
                keep(segmentFirst, segmentLast);
            segmentFirst = i;
            segmentLast = j;
            open = true;
        }
    }
    if (open)
        keep(segmentFirst, segmentLast);

    for (size_t k = 0; k < result.climbs.size(); ++k) {
        const Climb& c = result.climbs[k];
        result.timeClimbing += c.duration;
        result.heightGained += c.gain;
        if (result.best < 0 || c.average > result.climbs[static_cast<size_t>(result.best)].average)
            result.best = static_cast<int>(k);
    }
    const double length = static_cast<double>(na - 1) * dt;
    result.share = length > 0 ? result.timeClimbing / length * 100.0 : 0.0;
    return result;
}

ClimbAnalysis ClimbsOf(const LogSeries& series, const Settings& settings)
{
    const NamedSeries* alt = series.Find("Alt");
    const NamedSeries* vario = series.Find("Vario");
    if (!alt || !vario)
        return {};
    const ClimbRules rules{settings.climbThreshold, settings.climbMinDuration, settings.climbMaxGap};
    return FindClimbs(alt->values, vario->values, alt->interval, rules);
}
