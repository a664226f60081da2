#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/units.h"
#include "dsp/filters.h"
#include "dsp/series_style.h"

class BrixoLog;
struct Settings;

// What a series' values measure: a length (metres) or a vertical speed (metres a second),
// shown in the unit chosen, or a channel's own quantity, shown as it is.
enum class Quantity { Length, Speed, Other };

// One series of equally spaced samples as the chart will show it.
struct NamedSeries {
    std::string name;
    std::string unit;  // "m", "m/s" (or "ft", "ft/s" as shown); empty for a channel
    Quantity quantity = Quantity::Other;
    double firstTime = 0.0;
    double interval = 1.0;
    std::vector<double> values;
    // The read-out's resolution as shown (1 m, 0.1 m/s, 10 ft/min); 0: none given.
    double readStep = 0;
    SeriesStyle style;
    // Why the series holds no values, when it could not be made; empty otherwise.
    std::string problem;
};

struct LogSeries {
    // "Alt", "Vario", then one per channel of the device in document order.
    std::vector<NamedSeries> series;
    // The altitude is above sea level (a start elevation was added), not above the start.
    bool aboveSeaLevel = false;
    // One line for each series that could not be decoded (its values are then empty).
    std::vector<std::string> errors;
    // The unit the settings show lengths in; the values are metres whatever it is.
    LengthUnit units;
    // The model sigmas the altitude's smoother found, when it found them from the flight.
    std::optional<ModelSigmaFound> modelSigmaFound;

    const NamedSeries* Find(const std::string& name) const;
    // The series a chart of the log shows, in chart order.
    std::vector<const NamedSeries*> Shown() const;
};

// The series as shown, exported and drawn: lengths and speeds in the chosen unit (speeds in the
// vario's unit when the units name one, their custom bounds too), the rest as they are. For
// the edges alone: nothing computes on what it gives.
LogSeries InDisplayUnits(const LogSeries& series);

// The vario: differences of consecutive altitudes over dt, the last difference
// repeated, so that it has as many values as the altitude (none for fewer than two).
std::vector<double> VarioFrom(const std::vector<double>& altitude, double dt);

// Which series to decode: every one a chart shows, or only what the statistics need.
enum class SeriesChoice { All, AltitudeAndVario };

// Decodes a log and derives its series with the filters and styles the settings choose, in
// metres and metres a second whatever the units ("Units" gives the unit shown). An
// altitude or vario that is not finite everywhere (a formula whose values, or their
// differences, overflow) is refused: both stay empty and the reason is given.
// With "Alt.AboveSeaLevel" on, a start elevation (metres above sea level) is added to the
// altitude before the filters; without one the altitude stays above the start.
LogSeries BuildLogSeries(const BrixoLog& log, const Settings& settings, SeriesChoice choice = SeriesChoice::All,
                         std::optional<double> startElevation = std::nullopt);
