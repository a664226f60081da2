#pragma once

#include <cstddef>
#include <vector>

// What finds climbs: the least climb rate (in metres a second), the shortest
// climb kept and the longest pause inside one climb (in seconds).
struct ClimbRules {
    double threshold = 0.5;
    double minDuration = 20.0;
    double maxGap = 10.0;
};

// One climb: vario samples first .. last, both included.
struct Climb {
    size_t first = 0, last = 0;
    double start = 0, end = 0, duration = 0;  // seconds from the start of the log
    double gain = 0;                          // metres gained from its start to its end
    double average = 0;                       // gain / duration, in m/s
    double max = 0;                           // the strongest vario sample in it, in m/s
};

struct ClimbAnalysis {
    std::vector<Climb> climbs;
    double timeClimbing = 0;  // the durations summed in order
    double share = 0;         // of the log's length, in percent
    double heightGained = 0;  // the gains summed in order, in metres
    int best = -1;            // the climb of the largest average, the first on a tie; -1 without climbs
};

// The climbs of a log from its altitude and vario series as the chart shows them (the
// vario may be two samples shorter, after the median filter), sampled every dt seconds.
// The vario at or above the threshold makes runs; a run joins the climb before it when
// the pause between them lasts at most maxGap; climbs shorter than minDuration are
// dropped. Linear in the number of samples.
ClimbAnalysis FindClimbs(const std::vector<double>& altitude, const std::vector<double>& vario, double dt,
                         const ClimbRules& rules);

struct LogSeries;
struct Settings;

// The climbs of a log's series (metres) as the chart shows them, by the settings' rules
// (the threshold in m/s, whatever the units shown).
ClimbAnalysis ClimbsOf(const LogSeries& series, const Settings& settings);
