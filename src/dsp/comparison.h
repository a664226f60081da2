#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/units.h"
#include "dsp/airtime.h"
#include "dsp/climbs.h"

// Several flights over one time axis: where each one's time 0 lies, how high its heights are
// measured from, and the numbers that compare them.

// What the flights are lined up by: the first takeoff, the log's start, the highest point, or
// the time of day flown (only when every flight has a time flown given by the pilot).
enum class Alignment { Takeoff, LogStart, HighestPoint, ClockTime };
// "takeoff", "start", "peak", "clock", as nivra-tool reads them; none for another text.
std::optional<Alignment> AlignmentNamed(const std::string& name);

// Heights above each flight's takeoff (the air pressure differs from day to day, so these
// compare), or above sea level (when every flight has a start elevation).
enum class HeightReference { AboveTakeoff, AboveSeaLevel };

// One flight to compare: its altitude in metres above its start and its vario in metres a
// second, sampled every interval seconds from its log's start, with what is known of it.
struct ComparedFlight {
    std::string label;  // "2026-06-14 Westkamm", as the legend and the table name it
    std::string date, site;
    std::vector<double> altitude;
    std::vector<double> vario;
    double interval = 1.0;
    std::vector<FlightSpan> flights;  // takeoffs and landings, in its log's time
    ClimbAnalysis climbs;
    std::optional<double> startElevation;  // metres above sea level
    std::optional<int64_t> flownAtUnixMs;  // the time flown the pilot gave (its log's start)
    double offset = 0.0;                   // seconds, the pilot's own shift after the alignment
};

// Whether an alignment or a height reference can be offered for these flights.
bool AlignmentOffered(const std::vector<ComparedFlight>& flights, Alignment alignment);
bool SeaLevelOffered(const std::vector<ComparedFlight>& flights);

// The time in a flight's log that the alignment puts at 0 on the common axis, before its own
// offset: its first takeoff (its start without one), 0, the time of its highest sample, or, by the
// clock, the earliest start of all flights minus its own start.
double AlignmentPoint(const ComparedFlight& flight, Alignment alignment, const std::vector<ComparedFlight>& all);

// The metres subtracted from (or added to) a flight's altitudes for the height reference:
// its altitude at its first takeoff (at its start without one) above takeoff; minus its start
// elevation above sea level.
double HeightShift(const ComparedFlight& flight, HeightReference reference);

// A flight's curves on the common axis: the time of its first sample, and its heights.
struct AlignedCurves {
    double firstTime = 0.0;
    double interval = 1.0;
    std::vector<double> height;
    std::vector<double> vario;
};
AlignedCurves Align(const ComparedFlight& flight, Alignment alignment, HeightReference reference,
                    const std::vector<ComparedFlight>& all);

// One flight's numbers in the comparison table (metres, seconds, metres a second).
struct ComparedNumbers {
    double airtime = 0;
    double highest = 0;  // by the height reference
    double heightGained = 0;
    int climbs = 0;
    std::optional<double> bestClimb, averageClimb;  // the strongest climb's average; all climbs' mean
    // Over a stretch of the common axis, when one is selected (cut to the flight's log): the
    // height gained from its start to its end, and that over its duration.
    std::optional<double> selectionGain, selectionAverageVario;
};
ComparedNumbers CompareNumbers(const ComparedFlight& flight, Alignment alignment, HeightReference reference,
                               const std::vector<ComparedFlight>& all,
                               std::optional<std::pair<double, double>> selection = std::nullopt);

// The comparison as a table: a first column of row names, then one column per flight (its label
// heading it): date, site, airtime, highest point, height gained, climbs, best and average climb,
// and, with a selection, its gain and mean vario; lengths in the unit given, rates in it a second
// (or in its vario unit).
std::vector<std::vector<std::string>> ComparisonTable(const std::vector<ComparedFlight>& flights, Alignment alignment,
                                                      HeightReference reference, const LengthUnit& unit,
                                                      std::optional<std::pair<double, double>> selection = {});
