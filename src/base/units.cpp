#include "base/units.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kFeetPerMetre = 1.0 / 0.3048;
constexpr double kKnotsPerMetrePerSecond = 3600.0 / 1852.0;

double TwelveDigits(double value)
{
    if (!std::isfinite(value))
        return value;
    char text[40];
    std::snprintf(text, sizeof text, "%.12g", value);
    return std::strtod(text, nullptr);
}

}  // namespace

SpeedUnit VarioSpeedUnit(VarioUnit unit, bool imperial)
{
    switch (unit) {
    case VarioUnit::MetresPerSecond: return {};
    case VarioUnit::FeetPerMinute: return {60.0 * kFeetPerMetre, "ft/min", 10.0, 0};
    case VarioUnit::Knots: return {kKnotsPerMetrePerSecond, "kt", 0.1, 2};
    case VarioUnit::FollowUnits: break;
    }
    return VarioSpeedUnit(imperial ? VarioUnit::FeetPerMinute : VarioUnit::MetresPerSecond, imperial);
}

double LengthUnit::SpeedShownFromStored(double stored) const
{
    if (!vario || !(perMetre > 0))
        return stored;
    return TwelveDigits(stored / perMetre * vario->perMetrePerSecond);
}

double LengthUnit::SpeedStoredFromShown(double shown) const
{
    if (!vario || !(vario->perMetrePerSecond > 0))
        return shown;
    return shown / vario->perMetrePerSecond * perMetre;
}
