#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/units.h"
#include "dsp/filters.h"

class BrixoLog;
struct ChartSettings;
struct LogSeries;
struct NamedSeries;

// The sample nearest to time t: index floor((t - first) / interval + 0.5), at
// most the last; 0 before the first time or after first + count * interval.
double NearestSample(const std::vector<double>& values, double firstTime, double interval, double t);
double ValueAt(const NamedSeries& series, double t);

// The texts of the statistics view's "Log" category.
struct LogStatTexts {
    std::string duration;                   // time label of the whole seconds
    std::string rate;                       // "1 s", "0.1 s"
    std::string maxAltitude;                // "%5.1f m" or "%5.1f ft"; empty without altitude values
    std::string reference = "above start";  // what the altitude is measured from
    std::string modelSigma;                 // the smoother's model sigma; empty when not smoothed
};
// "above sea level", or "above start", or "above start (no start elevation)" when
// above sea level was asked for and the flight has no start elevation.
std::string AltitudeReferenceText(bool asked, bool applied);
LogStatTexts LogStatistics(const BrixoLog& log, const NamedSeries& altitude, const LengthUnit& units);

// A model sigma as it is shown: two significant digits, whole from 10 up ("0.0032", "0.32", "32").
std::string SigmaText(double sigma);
// The model sigmas found along a flight: "0.01", or "0.01 (0.001 to 3.2)" when more than one
// was chosen (the one of most of the flight first); empty when none was found.
std::string FoundSigmaText(const std::optional<ModelSigmaFound>& found);
// "Model Sigma" of the "Log" category: "0.01 (0.001 to 3.2), from the flight", or the sigma
// given when the settings give it; empty when the altitude is not smoothed.
std::string ModelSigmaText(const LogSeries& series, const ChartSettings& settings);

// The texts of the "Selection" category, in the view's order.
struct SelectionStatTexts {
    std::string duration;
    std::string startAltitude, endAltitude, maxAltitude;
    std::string minVario, maxVario, avrVario;
};
// For t1 <= t2, over the "Alt" and "Vario" series.
SelectionStatTexts SelectionStatistics(const NamedSeries& altitude, const NamedSeries& vario, double t1, double t2,
                                       const LengthUnit& units);

struct ClimbAnalysis;
struct FlightSpan;

// The texts of the flights in the "Log" category.
struct AirtimeStatTexts {
    // The first takeoff and the last landing as the chart's time labels, from the log's start,
    // and their time of day when the pilot gave the time flown: "02:13 (11:32:05)". "-" without
    // a flight.
    std::string takeoff = "-", landing = "-";
    std::string airtime;  // of all flights, a time label
    std::string flights;  // "3 (00:45, 00:52, 00:38)"; empty for one flight or none
};
// flownAtUnixMs: the time flown the pilot gave the log (the logger has no clock), as it reads.
AirtimeStatTexts AirtimeStatistics(const std::vector<FlightSpan>& flights, std::optional<int64_t> flownAtUnixMs);

// The texts of the "Climbs" category.
struct ClimbStatTexts {
    std::string count;         // "4"
    std::string timeClimbing;  // time label and share: "22:35 (37.7 %)"
    std::string heightGained;  // "2319.8 m"
    std::string bestClimb;     // "2.32 m/s (climb 3)", or "-"
};
ClimbStatTexts ClimbStatistics(const ClimbAnalysis& climbs, const LengthUnit& units);

// The number texts: "%5.1f %s" (to the tenth, or with the decimals given).
std::string ValueText(double value, const char* unit, int decimals = 1);
