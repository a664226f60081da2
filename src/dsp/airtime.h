#pragma once

#include <optional>
#include <string>
#include <vector>

class BrixoLog;

// One flight of a log: from its takeoff (the last moment on the ground) to its landing
// (the first moment on the ground again), in seconds from the log's first sample.
struct FlightSpan {
    double takeoff = 0;
    double landing = 0;

    double Airtime() const { return landing - takeoff; }
    bool operator==(const FlightSpan&) const = default;
};

// The airtime of all flights.
double TotalAirtime(const std::vector<FlightSpan>& flights);

// The flights of a log from its altitude alone (metres, one sample every dt seconds, any
// reference), found after the flight, looking both ways.
//
// The ground is where the altitude keeps still: it moves at walking pace at most and not
// about more than the sensor's own noise. A flight moves: it sinks or climbs faster than a
// walker does, or the air throws it about (ridge soaring at the launch height). The altitude
// is averaged to one value a second; lines fitted around each second score how fast it
// climbs or sinks there and how far it scatters about them beyond the sensor's noise (the
// noise is estimated from the log itself). The seconds in the air are those of the
// ground-or-air path that the scores favour most, where each takeoff and landing costs as
// much as a minute of still ground: a short lull in the air is no landing, a short bump
// on the ground no flight. Each takeoff (landing) is then placed where a level ground before
// it (after it) and a climb or glide after it (before it) fit the samples best.
// Linear in the number of samples; no setting to tune.
std::vector<FlightSpan> FindFlights(const std::vector<double>& altitude, double dt);

// The flights of a decoded log; nothing when its altitude cannot be decoded.
std::optional<std::vector<FlightSpan>> FlightsOf(const BrixoLog& log);

// The pilot's corrections. Each keeps the flights in order and apart, a flight at least a
// second long, within the log's seconds 0 .. logEnd.
// "Takeoff here": the takeoff of the flight at `time` moves there, or that of the next
// flight when `time` is on the ground; after the last landing a new flight starts there and
// lasts to the log's end.
std::vector<FlightSpan> WithTakeoffAt(std::vector<FlightSpan> flights, double time, double logEnd);
// "Landing here": the landing of the flight at `time` moves there, or that of the flight
// before when `time` is on the ground; before the first takeoff a new flight from the log's
// start ends there.
std::vector<FlightSpan> WithLandingAt(std::vector<FlightSpan> flights, double time, double logEnd);
// A mark dragged: mark 2k is flight k's takeoff, 2k + 1 its landing. It stops at its
// neighbours.
std::vector<FlightSpan> WithMarkMoved(std::vector<FlightSpan> flights, size_t mark, double time, double logEnd);

// The flights with each takeoff and landing on the nearest sample of a log sampled every dt
// seconds, as found flights are (a pilot's mark lies between two).
std::vector<FlightSpan> OnSamples(std::vector<FlightSpan> flights, double dt);

// "Takeoff"/"Landing" marks the pilot moved: the flights as found, with the corrected ones
// in their place. A correction is kept as text in the logbook: "takeoff landing" pairs in
// seconds, separated by ";" ("12.5 3605.0;3700.2 3745.9"). Empty text: none.
std::string FlightSpansText(const std::vector<FlightSpan>& flights);
// Nothing for text that is not such a list (or whose pairs are not ordered, finite times).
std::optional<std::vector<FlightSpan>> FlightSpansFromText(const std::string& text);
