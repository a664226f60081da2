#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

// The unit climb rates are read in, where it is not the length unit a second: metres a second,
// feet a minute or knots.
struct SpeedUnit {
    double perMetrePerSecond = 1.0;
    std::string name = "m/s";
    double readStep = 0.1;  // the read-out's resolution
    int decimals = 2;       // in tables
};

// "Vario unit": the length unit a second by default (m/s, or ft/min with imperial units);
// stored as 0 (that default), 1 (m/s), 2 (ft/min) or 3 (kt), anything else meaning the default.
enum class VarioUnit : uint32_t { FollowUnits = 0, MetresPerSecond = 1, FeetPerMinute = 2, Knots = 3 };

// The unit a setting names, the default resolved by the units chosen.
SpeedUnit VarioSpeedUnit(VarioUnit unit, bool imperial);

// How lengths are shown, exported and typed: the factor from metres and the unit's name. The
// series, climbs and statistics hold metres and seconds; a length meets its unit only where a
// number is shown, written or read from the pilot.
struct LengthUnit {
    LengthUnit(double scale = 1.0, std::string unitName = "m", std::optional<SpeedUnit> varioUnit = std::nullopt)
        : perMetre(scale), name(std::move(unitName)), vario(std::move(varioUnit))
    {
    }

    double perMetre = 1.0;
    std::string name = "m";
    // The unit the window shows climb rates in; none: the length unit a second, as files,
    // CSV and nivra-tool write them.
    std::optional<SpeedUnit> vario;

    double FromMetres(double metres) const { return metres * perMetre; }
    double SpeedFromMetres(double metresPerSecond) const
    {
        return metresPerSecond * (vario ? vario->perMetrePerSecond : perMetre);
    }
    // The unit of a vertical speed: "m/s", "ft/s", "ft/min", "kt".
    std::string Speed() const { return vario ? vario->name : name + "/s"; }
    double SpeedReadStep() const { return vario ? vario->readStep : 0.1; }
    int SpeedDecimals() const { return vario ? vario->decimals : 2; }
    // A climb rate stored in the length unit a second (the vario's custom bounds) as shown,
    // to twelve significant digits (no 4.999999999 for 5), and back.
    double SpeedShownFromStored(double stored) const;
    double SpeedStoredFromShown(double shown) const;
};
