#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "base/result.h"

// A reference to one element of a configuration document. Holding it keeps
// the whole document alive, so a log can outlive the configuration it came from.
struct DeviceRef {
    std::shared_ptr<const pugi::xml_document> doc;
    pugi::xml_node node;

    explicit operator bool() const { return doc && node; }
    std::string Id() const;  // the "id" attribute text, as the document spells it
};

// Attribute readers: a value that is missing or does not convert counts as absent.
std::optional<std::string> StringAttribute(pugi::xml_node element, const char* name);
std::optional<int32_t> IntAttribute(pugi::xml_node element, const char* name);
std::optional<double> RealAttribute(pugi::xml_node element, const char* name);

// A device may describe at most this many channels: each one is a series of the whole log in
// memory, and a document of thousands of them is no real device's.
constexpr int kMaxChannels = 64;

int ChannelCount(pugi::xml_node device);
// Whether the device describes more channels than kMaxChannels, found without counting them all.
bool TooManyChannels(pugi::xml_node device);
// The "scale" of the first unit of this type and region below root; 1 when there is none.
double UnitScaleIn(pugi::xml_node root, const std::string& type, const std::string& region);
pugi::xml_node Channel(pugi::xml_node device, int index);

// The configuration document: device descriptions and unit scales.
class Configuration {
public:
    enum class Source { None, File, BuiltIn };

    Configuration() = default;

    // Parses a document held in memory; false (and no root) when it is not well-formed.
    [[nodiscard]] bool LoadFromText(std::string_view text);
    // Loads a file, with no fallback (nivra-tool --config); fails, keeping the previous state,
    // when it is missing, unreadable, too large or not well-formed.
    Status LoadFromFile(const std::string& path);
    [[nodiscard]] bool LoadBuiltIn();

    // The usual lookup: "Nivra.cfg" in programDir, then in the per-user
    // configuration folder, then the built-in document.
    Source Load(const std::string& programDir, const std::string& userConfigDir);

    bool HasRoot() const { return static_cast<bool>(m_root); }
    const std::string& LoadedPath() const { return m_path; }
    // The files Load found but could not use, each with the reason ("... was not used: ...").
    const std::vector<std::string>& PassedOver() const { return m_passedOver; }

    // The device with this id, else device 59, else nothing.
    DeviceRef FindDevice(uint8_t id) const;
    // The device's "data-chunk", or 2 when the device or the attribute is missing.
    int32_t RecordSizeOf(uint8_t id) const;
    // The same for a flight whose header gives this channel count byte: a device without a
    // "data-chunk" has records of two bytes a channel (2 when that gives none).
    int32_t RecordSizeOf(uint8_t id, uint8_t channelCountByte) const;
    // The factor that turns metric base units into this unit; 1 when unknown.
    double UnitScale(const std::string& type, const std::string& region) const;
    // The names of all devices in document order, joined by ", ".
    std::string SupportedDevicesText() const;

    static std::string PerUserDirectory();

private:
    [[nodiscard]] bool Adopt(std::shared_ptr<pugi::xml_document> doc);

    std::shared_ptr<const pugi::xml_document> m_doc;
    pugi::xml_node m_root;
    std::string m_path;
    std::vector<std::string> m_passedOver;
};

// The built-in document, byte for byte as it is compiled in.
std::string_view BuiltInConfigText();

// A configuration file bigger than this is not read: no real one comes close.
constexpr int64_t kMaxConfigFileBytes = 16 * 1024 * 1024;
