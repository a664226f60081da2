#pragma once

#include <string>

// How lengths are shown, exported and typed: the factor from metres and the unit's name. The
// series, climbs and statistics hold metres and seconds; a length meets its unit only where a
// number is shown, written or read from the pilot.
struct LengthUnit {
    double perMetre = 1.0;
    std::string name = "m";

    double FromMetres(double metres) const { return metres * perMetre; }
    // The unit of a vertical speed: "m/s", "ft/s".
    std::string Speed() const { return name + "/s"; }
};
