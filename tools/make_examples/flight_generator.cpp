#include "flight_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

uint16_t ReadingForAltitude(double metres)
{
    const double y = 1013.25 / 0.018 * std::pow(1.0 - metres / 40000.0, 5.255);
    return static_cast<uint16_t>(std::lround(std::clamp(y, 0.0, 65535.0)));
}

BrixoLog MakeFlight(const Configuration& config, uint32_t rate, double startAltitude, double groundSeconds,
                    const std::vector<FlightSegment>& segments, uint32_t seed)
{
    BrixoLog log;
    log.m_device = config.FindDevice(59);
    if (!log.SetupForDevice(1).Ok())
        std::abort();  // device 59 of the built-in document has two-byte records
    log.m_rate = rate;
    const double dt = rate * 0.1;
    uint32_t state = seed;
    auto noise = [&state] {  // a small linear congruential generator: repeatable on every platform
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / static_cast<double>(1u << 24) - 0.5;
    };
    double altitude = startAltitude;
    double vario = 0.0;
    double t = 0.0;
    auto emit = [&] {
        const uint16_t y = ReadingForAltitude(altitude + noise() * 0.3);
        log.m_rawData.push_back(static_cast<uint8_t>(y & 0xFF));
        log.m_rawData.push_back(static_cast<uint8_t>(y >> 8));
    };
    for (double g = 0; g < groundSeconds; g += dt)
        emit();
    for (const FlightSegment& s : segments) {
        for (double u = 0; u < s.seconds; u += dt, t += dt) {
            // The glider answers changes of the air with a lag of several seconds.
            const double target = s.vario + s.circling * std::sin(2 * M_PI * t / 24.0) + noise() * 0.4;
            vario += (target - vario) * std::min(1.0, dt / 8.0);
            altitude += vario * dt;
            emit();
        }
    }
    for (double g = 0; g < groundSeconds; g += dt)
        emit();
    return log;
}
