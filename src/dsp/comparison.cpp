#include "dsp/comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/time_text.h"

namespace {

// The sample nearest to a time of the flight's log, within the log.
size_t SampleAt(const ComparedFlight& flight, double time, size_t count)
{
    if (count == 0 || !(flight.interval > 0))
        return 0;
    const double position = std::floor(time / flight.interval + 0.5);
    if (!(position > 0))
        return 0;
    return std::min(static_cast<size_t>(std::min(position, 1e15)), count - 1);
}

}  // namespace

std::optional<Alignment> AlignmentNamed(const std::string& name)
{
    if (name == "takeoff")
        return Alignment::Takeoff;
    if (name == "start")
        return Alignment::LogStart;
    if (name == "peak")
        return Alignment::HighestPoint;
    if (name == "clock")
        return Alignment::ClockTime;
    return std::nullopt;
}

bool AlignmentOffered(const std::vector<ComparedFlight>& flights, Alignment alignment)
{
    if (alignment != Alignment::ClockTime)
        return true;
    return !flights.empty() &&
           std::all_of(flights.begin(), flights.end(), [](const ComparedFlight& f) { return f.flownAtUnixMs; });
}

bool SeaLevelOffered(const std::vector<ComparedFlight>& flights)
{
    return !flights.empty() &&
           std::all_of(flights.begin(), flights.end(), [](const ComparedFlight& f) { return f.startElevation; });
}

double AlignmentPoint(const ComparedFlight& flight, Alignment alignment, const std::vector<ComparedFlight>& all)
{
    switch (alignment) {
    case Alignment::Takeoff: return flight.flights.empty() ? 0.0 : flight.flights.front().takeoff;
    case Alignment::LogStart: return 0.0;
    case Alignment::HighestPoint: {
        const auto highest = std::max_element(flight.altitude.begin(), flight.altitude.end());
        return highest == flight.altitude.end()
                   ? 0.0
                   : static_cast<double>(highest - flight.altitude.begin()) * flight.interval;
    }
    case Alignment::ClockTime: {
        // The earliest start of the day is 0 for all: a flight started an hour later begins at 1 h.
        // Days apart are set aside: the time of day is what compares.
        if (!flight.flownAtUnixMs)
            return 0.0;
        const auto ofDay = [](int64_t ms) {
            return static_cast<double>(((ms % 86400000) + 86400000) % 86400000) / 1000.0;
        };
        double earliest = ofDay(*flight.flownAtUnixMs);
        for (const ComparedFlight& f : all)
            if (f.flownAtUnixMs)
                earliest = std::min(earliest, ofDay(*f.flownAtUnixMs));
        return earliest - ofDay(*flight.flownAtUnixMs);
    }
    }
    return 0.0;
}

double HeightShift(const ComparedFlight& flight, HeightReference reference)
{
    if (reference == HeightReference::AboveSeaLevel)
        return -flight.startElevation.value_or(0.0);
    if (flight.altitude.empty())
        return 0.0;
    const double takeoff = flight.flights.empty() ? 0.0 : flight.flights.front().takeoff;
    return flight.altitude[SampleAt(flight, takeoff, flight.altitude.size())];
}

AlignedCurves Align(const ComparedFlight& flight, Alignment alignment, HeightReference reference,
                    const std::vector<ComparedFlight>& all)
{
    AlignedCurves curves;
    curves.interval = flight.interval;
    curves.firstTime = -AlignmentPoint(flight, alignment, all) + flight.offset;
    const double shift = HeightShift(flight, reference);
    curves.height.reserve(flight.altitude.size());
    for (double a : flight.altitude)
        curves.height.push_back(a - shift);
    curves.vario = flight.vario;
    return curves;
}

ComparedNumbers CompareNumbers(const ComparedFlight& flight, Alignment alignment, HeightReference reference,
                               const std::vector<ComparedFlight>& all,
                               std::optional<std::pair<double, double>> selection)
{
    ComparedNumbers n;
    n.airtime = TotalAirtime(flight.flights);
    const double shift = HeightShift(flight, reference);
    if (!flight.altitude.empty())
        n.highest = *std::max_element(flight.altitude.begin(), flight.altitude.end()) - shift;
    n.heightGained = flight.climbs.heightGained;
    n.climbs = static_cast<int>(flight.climbs.climbs.size());
    if (flight.climbs.best >= 0)
        n.bestClimb = flight.climbs.climbs[static_cast<size_t>(flight.climbs.best)].average;
    if (flight.climbs.timeClimbing > 0)
        n.averageClimb = flight.climbs.heightGained / flight.climbs.timeClimbing;
    if (selection && !flight.altitude.empty()) {
        // The stretch in the flight's own time, cut to its log.
        const double zero = -AlignmentPoint(flight, alignment, all) + flight.offset;
        const double end = static_cast<double>(flight.altitude.size() - 1) * flight.interval;
        const double t1 = std::clamp(selection->first - zero, 0.0, end);
        const double t2 = std::clamp(selection->second - zero, 0.0, end);
        if (t2 > t1) {
            const size_t i1 = SampleAt(flight, t1, flight.altitude.size());
            const size_t i2 = SampleAt(flight, t2, flight.altitude.size());
            n.selectionGain = flight.altitude[i2] - flight.altitude[i1];
            if (i2 > i1)
                n.selectionAverageVario = *n.selectionGain / (static_cast<double>(i2 - i1) * flight.interval);
        }
    }
    return n;
}

std::vector<std::vector<std::string>> ComparisonTable(const std::vector<ComparedFlight>& flights, Alignment alignment,
                                                      HeightReference reference, const LengthUnit& unit,
                                                      std::optional<std::pair<double, double>> selection)
{
    const std::string length = unit.name, speed = unit.Speed();
    const auto fixed = [](double value, int decimals) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        return std::string(text);
    };
    const auto rate = [&](const std::optional<double>& v) {
        return v ? fixed(unit.SpeedFromMetres(*v), unit.SpeedDecimals()) : std::string("-");
    };
    std::vector<std::vector<std::string>> rows{
        {"Flight"},
        {"Date"},
        {"Site"},
        {"Airtime"},
        {"Highest point [" + length + "]"},
        {"Height gained [" + length + "]"},
        {"Climbs"},
        {"Best climb [" + speed + "]"},
        {"Average climb [" + speed + "]"},
    };
    if (selection) {
        rows.push_back({"Selection gain [" + length + "]"});
        rows.push_back({"Selection vario [" + speed + "]"});
    }
    for (const ComparedFlight& f : flights) {
        const ComparedNumbers n = CompareNumbers(f, alignment, reference, flights, selection);
        std::vector<std::string> cells{f.label,
                                       f.date,
                                       f.site,
                                       DurationText(n.airtime),
                                       fixed(unit.FromMetres(n.highest), 0),
                                       fixed(unit.FromMetres(n.heightGained), 0),
                                       std::to_string(n.climbs),
                                       rate(n.bestClimb),
                                       rate(n.averageClimb)};
        if (selection) {
            cells.push_back(n.selectionGain ? fixed(unit.FromMetres(*n.selectionGain), 0) : "-");
            cells.push_back(rate(n.selectionAverageVario));
        }
        for (size_t i = 0; i < cells.size(); ++i)
            rows[i].push_back(cells[i]);
    }
    return rows;
}
