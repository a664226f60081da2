#include "app/settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <tuple>
#include <type_traits>

#include "app/settings_store.h"
#include "base/tr_text.h"

namespace {

template <typename... F>
struct Overload : F... {
    using F::operator()...;
};
template <typename... F>
Overload(F...) -> Overload<F...>;

std::vector<SettingField> MakeFields()
{
    return {
        {"UseFiltering", &Settings::useFiltering},
        {"UseMedianFilter", &Settings::useMedianFilter},
        {"UsePolynomFilter", &Settings::usePolynomFilter},
        {"SkipShortLogs", &Settings::skipShortLogs},
        {"SkipShortLogsLen", &Settings::skipShortLogsLen},
        {"UsedPort", &Settings::usedPort},
        {"Baudrate", &Settings::baudrate},
        {"PaneProportion", &Settings::paneProportion},
        {"Units", &Settings::units},
        {"tUnits", &Settings::tUnits},
        {"Alt.On", &Settings::altOn},
        {"Alt.Polynome", &Settings::altPolynome},
        {"Alt.Median", &Settings::altMedian},
        {"Alt.Color", &Settings::altColor},
        {"Alt.Style", &Settings::altStyle},
        {"Alt.Min", &Settings::altMin},
        {"Alt.Max", &Settings::altMax},
        {"Sigma.Measurement", &Settings::sigmaMeasurement},
        {"Sigma.Model", &Settings::sigmaModel},
        {"Vario.On", &Settings::varioOn},
        {"Vario.Polynome", &Settings::varioPolynome},
        {"Vario.Median", &Settings::varioMedian},
        {"Vario.Color", &Settings::varioColor},
        {"Vario.Style", &Settings::varioStyle},
        {"Vario.Min", &Settings::varioMin},
        {"Vario.Max", &Settings::varioMax},
        {"Image.cx", &Settings::imageCx},
        {"Image.cy", &Settings::imageCy},
        {"Climb.Threshold", &Settings::climbThreshold},
        {"Climb.MinDuration", &Settings::climbMinDuration},
        {"Climb.MaxGap", &Settings::climbMaxGap},
        {"Climb.Shown", &Settings::climbsShown},
        {"Alt.AboveSeaLevel", &Settings::altAboveSeaLevel},
        {"Sigma.Auto", &Settings::sigmaAuto},
        {"PaneWidth", &Settings::paneWidth},
        {"Logbook.Columns", &Settings::logbookColumns},
        {"Climbs.Columns", &Settings::climbsColumns},
        {"FitHeightsToView", &Settings::fitHeightsToView},
        {"VarioUnit", &Settings::varioUnit},
        {"Compare.Align", &Settings::compareAlign},
        {"Language", &Settings::language},
    };
}

const SettingField* FindField(std::string_view name)
{
    for (const SettingField& f : SettingFields())
        if (name == f.name)
            return &f;
    return nullptr;
}

// A binary value fills the field's first bytes; a shorter one clears the rest.
template <typename T>
void ReadBinary(SettingsStore& store, const char* name, T& field, const T& fallback)
{
    unsigned char buffer[sizeof(T)] = {};
    if (!store.Read(name, buffer, sizeof buffer).ok) {
        field = fallback;
        return;
    }
    if constexpr (std::is_same_v<T, bool>)
        field = buffer[0] != 0;  // any non-zero byte is on, without an invalid bool
    else
        std::memcpy(&field, buffer, sizeof(T));
}

void ReadPort(SettingsStore& store, const char* name, std::string& field, const std::string& fallback)
{
    char buffer[kUsedPortBytes] = {};
    const SettingsStore::ReadResult r = store.Read(name, buffer, sizeof buffer);
    const bool taken = r.ok && r.type == SettingsStore::ValueType::Text;
    if (taken && (r.length == 0 || buffer[r.length - 1] == '\0'))
        field.assign(buffer, strnlen(buffer, r.length));
    else
        field = fallback;
}

// The number a field is stored as: its own type, or an enumeration's underlying one.
template <typename T, bool = std::is_enum_v<T>>
struct Stored {
    using type = T;
};
template <typename T>
struct Stored<T, true> {
    using type = std::underlying_type_t<T>;
};

template <typename T>
bool ParseNumber(std::string_view text, T& out)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

const std::vector<SettingField>& SettingFields()
{
    static const std::vector<SettingField> fields = MakeFields();
    return fields;
}

const std::vector<SettingField>& SettingLoadOrder()
{
    static const std::vector<SettingField> order = [] {
        static const char* const names[] = {
            "UseFiltering",    "UseMedianFilter",   "UsePolynomFilter",  "SkipShortLogs",   "SkipShortLogsLen",
            "UsedPort",        "Baudrate",          "PaneProportion",    "Units",           "tUnits",
            "Alt.On",          "Alt.Polynome",      "Alt.Median",        "Alt.Color",       "Alt.Style",
            "Alt.Min",         "Sigma.Measurement", "Sigma.Model",       "Alt.Max",         "Image.cx",
            "Image.cy",        "Vario.On",          "Vario.Polynome",    "Vario.Median",    "Vario.Color",
            "Vario.Style",     "Vario.Min",         "Vario.Max",         "Climb.Threshold", "Climb.MinDuration",
            "Climb.MaxGap",    "Climb.Shown",       "Alt.AboveSeaLevel", "Sigma.Auto",      "PaneWidth",
            "Logbook.Columns", "Climbs.Columns",    "FitHeightsToView",  "VarioUnit",       "Compare.Align",
            "Language"};
        std::vector<SettingField> fields;
        for (const char* name : names)
            fields.push_back(*FindField(name));
        return fields;
    }();
    return order;
}

Settings LoadSettings(SettingsStore& store, std::vector<std::string>* notes)
{
    const Settings defaults;
    Settings s;
    for (const SettingField& f : SettingLoadOrder()) {
        std::visit(Overload{
                       [&](std::string Settings::*m) { ReadPort(store, f.name, s.*m, defaults.*m); },
                       [&](double Settings::*m) {
                           ReadBinary(store, f.name, s.*m, defaults.*m);
                           // NaN finds no climbs and no axis range; no one can type it in either.
                           if (!std::isfinite(s.*m)) {
                               s.*m = defaults.*m;
                               if (notes)
                                   notes->push_back(TrText(
                                       "Settings",
                                       QT_TRANSLATE_NOOP("Settings",
                                                         "the stored %1 is no finite number; its default %2 is used"),
                                       {f.name, SettingText(defaults, f)}));
                           }
                       },
                       [&](auto m) { ReadBinary(store, f.name, s.*m, defaults.*m); },
                   },
                   f.member);
    }
    if (const std::string problem = store.ReadProblem(); !problem.empty() && notes)
        notes->push_back(TrText("Settings",
                                QT_TRANSLATE_NOOP("Settings",
                                                  "the stored settings could not be read (%1); the "
                                                  "defaults are used, and the settings are not written "
                                                  "over"),
                                {problem}));
    // An index past the speed table would select no speed; it means the first one.
    if (s.baudrate >= kBaudrateCount)
        s.baudrate = 0;
    return s;
}

namespace {

void WriteField(const Settings& settings, const SettingField& f, SettingsStore& store)
{
    std::visit(Overload{
                   [&](std::string Settings::*m) { store.WriteText(f.name, settings.*m); },
                   [&](bool Settings::*m) {
                       const unsigned char byte = (settings.*m) ? 1 : 0;
                       store.WriteBinary(f.name, &byte, 1);
                   },
                   [&](auto m) { store.WriteBinary(f.name, &(settings.*m), sizeof(settings.*m)); },
               },
               f.member);
}

}  // namespace

StoreResult SaveSettings(const Settings& settings, SettingsStore& store)
{
    for (const SettingField& f : SettingFields())
        WriteField(settings, f, store);
    return store.Flush();
}

StoreResult StoreSettingValues(SettingsStore& store, const std::vector<std::pair<std::string, std::string>>& values,
                               Settings& current)
{
    if (Status locked = store.Lock(); !locked)
        return Fail(locked.Error());
    store.Reload();
    current = LoadSettings(store);
    std::vector<const SettingField*> changed;
    for (const auto& [name, value] : values) {
        if (Status set = SetSettingFromText(current, name, value); !set) {
            store.Unlock();
            return Fail(set.Error());
        }
        changed.push_back(FindField(name));
    }
    for (const SettingField* f : changed)
        WriteField(current, *f, store);
    StoreResult result = store.Flush();
    store.Unlock();
    return result;
}

Status SetSettingFromText(Settings& settings, std::string_view name, std::string_view value)
{
    const SettingField* field = FindField(name);
    auto fail = [](const std::string& why) -> Status {
        return Fail(why);
    };
    if (!field)
        return fail("unknown setting \"" + std::string(name) + "\"");
    const std::string bad = "bad value \"" + std::string(value) + "\" for " + std::string(name);
    return std::visit(Overload{
                          [&](bool Settings::*m) {
                              if (value == "1" || value == "on" || value == "true")
                                  settings.*m = true;
                              else if (value == "0" || value == "off" || value == "false")
                                  settings.*m = false;
                              else
                                  return fail(bad + " (use 0 or 1)");
                              return Status();
                          },
                          [&](std::string Settings::*m) {
                              if (value.size() >= kUsedPortBytes)
                                  return fail(bad + " (at most 259 characters)");
                              if (m == &Settings::language && !IsKnownLanguage(value))
                                  return fail(bad + " (empty for the system's, en, de or fr)");
                              settings.*m = std::string(value);
                              return Status();
                          },
                          [&](double Settings::*m) {
                              double v = 0;
                              if (!ParseNumber(value, v) || !std::isfinite(v))
                                  return fail(bad + " (a number is expected)");
                              settings.*m = v;
                              return Status();
                          },
                          [&](auto m) {
                              using Field = std::remove_reference_t<decltype(settings.*m)>;
                              using Number = typename Stored<Field>::type;
                              Number v{};
                              if (!ParseNumber(value, v))
                                  return fail(bad + " (a whole number is expected)");
                              if constexpr (std::is_same_v<decltype(m), uint32_t Settings::*>) {
                                  if (m == &Settings::baudrate && v >= kBaudrateCount)
                                      return fail(bad + " (0 to 4)");
                              }
                              settings.*m = static_cast<Field>(v);
                              return Status();
                          },
                      },
                      field->member);
}

std::string SettingText(const Settings& settings, const SettingField& field)
{
    return std::visit(Overload{
                          [&](bool Settings::*m) { return std::string((settings.*m) ? "1" : "0"); },
                          [&](std::string Settings::*m) { return settings.*m; },
                          [&](double Settings::*m) {
                              char text[64];
                              std::snprintf(text, sizeof text, "%.17g", settings.*m);
                              return std::string(text);
                          },
                          [&](auto m) {
                              using Field = std::remove_reference_t<decltype(settings.*m)>;
                              return std::to_string(static_cast<typename Stored<Field>::type>(settings.*m));
                          },
                      },
                      field.member);
}

bool TakePreferences(const Settings& edited, Settings& settings)
{
    // The units change the numbers of every series, so they count as a chart setting here.
    const bool unitsChanged =
        edited.Imperial() != settings.Imperial() || edited.VarioShown().name != settings.VarioShown().name;
    settings.usedPort = edited.usedPort;
    settings.baudrate = edited.baudrate;
    settings.units = edited.units;
    settings.tUnits = edited.tUnits;
    settings.varioUnit = edited.varioUnit;
    settings.language = edited.language;
    // Stored unsigned, so a length typed below 1 arrives as 0 already.
    settings.skipShortLogsLen = edited.skipShortLogsLen;
    settings.skipShortLogs = settings.skipShortLogsLen > 0;

    const ChartSettings& chart = edited.Chart();
    const bool chartChanged = chart != settings.Chart();
    settings.Chart() = chart;

    settings.imageCx = BoundedImageSide(edited.imageCx);
    settings.imageCy = BoundedImageSide(edited.imageCy);
    return chartChanged || unitsChanged;
}

bool IsKnownLanguage(std::string_view code)
{
    return code.empty() || code == "en" || code == "de" || code == "fr";
}

int32_t BoundedImageSide(int32_t pixels)
{
    return std::clamp(pixels, kImageSideMin, kImageSideMax);
}
