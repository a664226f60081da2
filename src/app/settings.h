#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "app/settings_store.h"
#include "base/units.h"

// The length units of every number shown, exported or typed; stored as 0 (metric) and
// anything else (imperial), kept as stored.
enum class UnitSystem : uint32_t { Metric = 0, Imperial = 1 };
// The temperature's unit, stored as 0 (Celsius) or 1 (Fahrenheit).
enum class TemperatureUnit : uint32_t { Celsius = 0, Fahrenheit = 1 };

// The settings that shape the chart and what is derived for it: a change of any of them
// rebuilds the log on display.
struct ChartSettings {
    bool altPolynome = false;
    uint32_t altColor = 1;
    uint32_t altStyle = 1;
    double altMin = 0.0;
    double altMax = 100.0;
    double sigmaMeasurement = 0.44;
    double sigmaModel = 0.01;
    // The smoother finds its model sigma from each flight; "Sigma.Model" is used only when off.
    bool sigmaAuto = true;
    bool varioPolynome = true;
    int32_t varioMedian = 7;
    uint32_t varioColor = 0;
    uint32_t varioStyle = 2;
    double varioMin = -5.0;
    double varioMax = 5.0;
    // Climbs: the least climb rate in m/s (whatever the units shown), the shortest
    // climb and the longest pause inside one, in seconds.
    double climbThreshold = 0.5;
    double climbMinDuration = 20.0;
    double climbMaxGap = 10.0;
    // "Altitude": above the start (false, as the logger measures it) or above sea level,
    // adding each flight's start elevation from the logbook.
    bool altAboveSeaLevel = false;

    bool operator==(const ChartSettings&) const = default;
};

// The user's preferences as plain data; defaults are those of a first run. The chart's
// settings are a part of their own, so that "did one of them change" is one comparison.
struct Settings : ChartSettings {
    // Stored and written back as they are, because settings files and programs that read them
    // carry these values; nothing in Nivra acts on them.
    bool useFiltering = true;
    bool useMedianFilter = false;
    bool usePolynomFilter = true;
    int32_t altMedian = 0;

    bool skipShortLogs = true;
    uint32_t skipShortLogsLen = 3;  // seconds
    std::string usedPort = "COM1:";
    uint32_t baudrate = 0;  // index into the speed table
    int32_t paneProportion = 60;
    int32_t paneWidth = 0;  // of the Logs pane, in pixels; 0: a quarter of the window
    // The Logbook's and the Climbs' column widths as the pilot dragged them ("120,80,64");
    // empty: fitted to their texts.
    std::string logbookColumns;
    std::string climbsColumns;
    UnitSystem units = UnitSystem::Metric;
    TemperatureUnit tUnits = TemperatureUnit::Celsius;
    // The unit the window reads climb rates in; the vario's custom bounds stay in the units'
    // length a second (m/s or ft/s), as files and nivra-tool have them.
    VarioUnit varioUnit = VarioUnit::FollowUnits;
    bool altOn = true;
    bool varioOn = true;
    int32_t imageCx = 800;
    int32_t imageCy = 600;
    bool climbsShown = true;       // the chart shades the climbs
    bool fitHeightsToView = true;  // the chart's heights fit what is in view
    // What a comparison lines the flights up by: 0 takeoff, 1 log start, 2 highest point, 3 clock.
    uint32_t compareAlign = 0;
    // The window's language: "" follows the system's, else "en", "de" or "fr"; read at start.
    std::string language;

    bool Imperial() const { return units != UnitSystem::Metric; }
    SpeedUnit VarioShown() const { return VarioSpeedUnit(varioUnit, Imperial()); }
    ChartSettings& Chart() { return *this; }
    const ChartSettings& Chart() const { return *this; }
};

constexpr uint32_t kBaudrateCount = 5;
// The exported chart picture ("Image.cx" x "Image.cy") stays within these many pixels a side.
constexpr int32_t kImageSideMin = 16;
constexpr int32_t kImageSideMax = 10000;
int32_t BoundedImageSide(int32_t pixels);
constexpr size_t kUsedPortBytes = 260;
// The languages the window speaks, as "Language" stores them ("" follows the system).
bool IsKnownLanguage(std::string_view code);

// One stored value: its name and the field it fills.
struct SettingField {
    using Member = std::variant<bool Settings::*, uint32_t Settings::*, int32_t Settings::*, double Settings::*,
                                std::string Settings::*, UnitSystem Settings::*, TemperatureUnit Settings::*,
                                VarioUnit Settings::*>;
    const char* name;
    Member member;
};

// All values in the order they are written: the 28 of the first version, then the climbs'
// and the altitude's reference.
const std::vector<SettingField>& SettingFields();
// The same values in the order they are read.
const std::vector<SettingField>& SettingLoadOrder();

// Reads every value; each missing or oversized one takes its default, and so does a number
// stored as no finite number (NaN, infinity), which notes, when given, say in a line each.
Settings LoadSettings(SettingsStore& store, std::vector<std::string>* notes = nullptr);
// Writes every value and flushes, under the store's lock.
StoreResult SaveSettings(const Settings& settings, SettingsStore& store);
// Changes only the named values (name and text, as SetSettingFromText reads them): under the
// store's lock the stored values are read afresh, these set, and only these written, so that
// writers at the same time lose none of each other's changes. current gets every value as it
// is stored afterwards.
StoreResult StoreSettingValues(SettingsStore& store, const std::vector<std::pair<std::string, std::string>>& values,
                               Settings& current);

// The Preferences dialog's values taken into the window's settings: port, speed, units, the
// minimum log length (below 1 stored as 0, and SkipShortLogs on exactly when it is above 0),
// the chart settings and the picture size (bounded). True when the chart must be rebuilt: a
// chart setting or the units changed.
bool TakePreferences(const Settings& edited, Settings& settings);

// One value as text, the way SetSettingFromText reads it back.
std::string SettingText(const Settings& settings, const SettingField& field);

// Sets one value from text by its stored name ("Units", "Alt.Min", ...), as
// nivra-tool's --set does; the reason for an unknown name or a bad value.
Status SetSettingFromText(Settings& settings, std::string_view name, std::string_view value);
