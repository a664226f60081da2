#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

// Random numbers that are the same with every standard library: std::mt19937's sequence is
// fixed by the standard, the distributions' ways of using it are not, so the tests' truths and
// thresholds would move with the library.

// A uniform number in [0, 1) from 53 bits of the engine.
inline double UnitUniform(std::mt19937& engine)
{
    const uint64_t high = engine() >> 5, low = engine() >> 6;  // 27 and 26 bits
    return static_cast<double>((high << 26) | low) * 0x1p-53;
}

inline double UniformBetween(std::mt19937& engine, double low, double high)
{
    return low + (high - low) * UnitUniform(engine);
}

// Gaussian numbers of mean 0 and the given deviation, by the Box-Muller transform.
class NormalNoise {
public:
    explicit NormalNoise(double sigma) : m_sigma(sigma) {}

    double operator()(std::mt19937& engine)
    {
        if (m_spare) {
            m_spare = false;
            return m_sigma * m_next;
        }
        const double u = 1.0 - UnitUniform(engine);  // in (0, 1]: the logarithm stays finite
        const double v = UnitUniform(engine);
        const double radius = std::sqrt(-2.0 * std::log(u));
        m_next = radius * std::sin(2.0 * std::numbers::pi * v);
        m_spare = true;
        return m_sigma * radius * std::cos(2.0 * std::numbers::pi * v);
    }

private:
    double m_sigma;
    double m_next = 0;
    bool m_spare = false;
};
