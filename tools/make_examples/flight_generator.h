#pragma once

#include <cstdint>
#include <vector>

#include "app/brixo_log.h"

// Synthetic but plausible flights for the examples folder.
struct FlightSegment {
    double seconds;
    double vario;     // mean climb rate in m/s (negative: sink)
    double circling;  // amplitude of the climb-rate swing while circling in a thermal, m/s
};

// The device's pressure reading for an altitude in metres: the inverse of the
// built-in altitude formula, rounded to the nearest count.
uint16_t ReadingForAltitude(double metres);

// A log at rate (tenths of a second) that rests groundSeconds at startAltitude,
// flies the segments, then rests again. The noise is repeatable for a seed.
BrixoLog MakeFlight(const Configuration& config, uint32_t rate, double startAltitude, double groundSeconds,
                    const std::vector<FlightSegment>& segments, uint32_t seed);
