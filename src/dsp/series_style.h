#pragma once

#include <cstdint>

// How a value axis chooses its range: from the data ("Auto"), from the data but never
// above zero at its foot ("Aligned to zero"), or between bounds the user gave ("Custom").
// The settings keep it as the number of the enumerator.
enum class ScalingMode : int32_t { Auto = 0, AlignedToZero = 1, Custom = 2 };

// A stored number as a mode; a number that names none is "Auto", as it always was.
constexpr ScalingMode ScalingModeOf(uint32_t stored)
{
    return stored == 1 ? ScalingMode::AlignedToZero : stored == 2 ? ScalingMode::Custom : ScalingMode::Auto;
}
constexpr uint32_t StoredScalingMode(ScalingMode mode)
{
    return static_cast<uint32_t>(mode);
}

// How the chart shows one series: colour, visibility, axis scaling and side.
struct SeriesStyle {
    int colorIndex = 0;
    bool visible = true;
    ScalingMode scalingMode = ScalingMode::Auto;
    double customMin = 0.0;
    double customMax = 10.0;
    bool axisOnLeft = true;
};
