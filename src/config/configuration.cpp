#include "config/configuration.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include <QStandardPaths>

#include <unistd.h>

#include "base/file_access.h"
#include "config/xml_document.h"

namespace {

std::string_view Trim(std::string_view text)
{
    const char* blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// Queries use only child steps and attribute equality, so plain iteration
// answers them without building query strings from data.
template <typename Match>
pugi::xml_node FirstUnder(pugi::xml_node root, const char* group, const char* item, Match match)
{
    for (pugi::xml_node g : root.children(group))
        for (pugi::xml_node e : g.children(item))
            if (match(e))
                return e;
    return {};
}

}  // namespace

std::string DeviceRef::Id() const
{
    return node.attribute("id").value();
}

std::optional<std::string> StringAttribute(pugi::xml_node element, const char* name)
{
    const pugi::xml_attribute a = element.attribute(name);
    if (!a)
        return std::nullopt;
    return std::string(a.value());
}

std::optional<int32_t> IntAttribute(pugi::xml_node element, const char* name)
{
    const pugi::xml_attribute a = element.attribute(name);
    if (!a)
        return std::nullopt;
    std::string_view text = Trim(a.value());
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> RealAttribute(pugi::xml_node element, const char* name)
{
    const pugi::xml_attribute a = element.attribute(name);
    if (!a)
        return std::nullopt;
    std::string_view text = Trim(a.value());
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int ChannelCount(pugi::xml_node device)
{
    int count = 0;
    for (pugi::xml_node c = device.child("Chan"); c; c = c.next_sibling("Chan"))
        ++count;
    return count;
}

bool TooManyChannels(pugi::xml_node device)
{
    int count = 0;
    for (pugi::xml_node c = device.child("Chan"); c; c = c.next_sibling("Chan"))
        if (++count > kMaxChannels)
            return true;
    return false;
}

pugi::xml_node Channel(pugi::xml_node device, int index)
{
    if (index < 0)
        return {};
    pugi::xml_node c = device.child("Chan");
    for (int i = 0; c && i < index; ++i)
        c = c.next_sibling("Chan");
    return c;
}

bool Configuration::Adopt(std::shared_ptr<pugi::xml_document> doc)
{
    pugi::xml_node root = doc->document_element();
    if (!root)
        return false;
    m_doc = std::move(doc);
    m_root = root;
    return true;
}

bool Configuration::LoadFromText(std::string_view text)
{
    auto doc = ParseXmlDocument(text);
    return doc && Adopt(std::move(*doc));
}

Status Configuration::LoadFromFile(const std::string& path)
{
    // Read at most one byte past the limit, so that a growing file cannot outrun the check;
    // a FIFO or a device in the file's place is refused, never waited on.
    auto read = ReadSmallFile(path, kMaxConfigFileBytes);
    if (!read)
        return Fail(read.Error());
    const std::string& bytes = *read;
    if (bytes.size() > kMaxConfigFileBytes)
        return Fail("the file is larger than 16 MiB");
    auto doc = ParseXmlDocument(bytes);
    if (!doc)
        return Fail(doc.Error());
    if (!Adopt(std::move(*doc)))
        return Fail("the document has no root element");
    m_path = path;
    return {};
}

bool Configuration::LoadBuiltIn()
{
    if (!LoadFromText(BuiltInConfigText()))
        return false;
    m_path.clear();
    return true;
}

Configuration::Source Configuration::Load(const std::string& programDir, const std::string& userConfigDir)
{
    m_passedOver.clear();
    for (const std::string& dir : {programDir, userConfigDir}) {
        if (dir.empty())
            continue;
        const std::string path = dir + "/Nivra.cfg";
        const Status loaded = LoadFromFile(path);
        if (loaded)
            return Source::File;
        // A file that is not there is the usual case; one that is there and cannot be used is told.
        if (access(path.c_str(), F_OK) == 0)
            m_passedOver.push_back(path + " was not used: " + loaded.Error());
    }
    if (LoadBuiltIn())
        return Source::BuiltIn;
    m_doc.reset();
    m_root = {};
    return Source::None;
}

DeviceRef Configuration::FindDevice(uint8_t id) const
{
    if (!m_root)
        return {};
    // The id is matched as text: an id written with leading zeros or blanks never matches.
    const std::string wanted = std::to_string(static_cast<unsigned>(id));
    auto byId = [](const std::string& text) {
        return [text](pugi::xml_node e) {
            return text == e.attribute("id").value() && e.attribute("id");
        };
    };
    pugi::xml_node device = FirstUnder(m_root, "Devices", "Device", byId(wanted));
    if (!device)
        device = FirstUnder(m_root, "Devices", "Device", byId("59"));
    if (!device)
        return {};
    return DeviceRef{m_doc, device};
}

int32_t Configuration::RecordSizeOf(uint8_t id, uint8_t channelCountByte) const
{
    const DeviceRef device = FindDevice(id);
    if (device && IntAttribute(device.node, "data-chunk"))
        return RecordSizeOf(id);
    return channelCountByte > 0 ? 2 * static_cast<int32_t>(channelCountByte) : 2;
}

int32_t Configuration::RecordSizeOf(uint8_t id) const
{
    const DeviceRef device = FindDevice(id);
    if (!device)
        return 2;
    return IntAttribute(device.node, "data-chunk").value_or(2);
}

double UnitScaleIn(pugi::xml_node root, const std::string& type, const std::string& region)
{
    const pugi::xml_node unit = FirstUnder(root, "Units", "Unit", [&](pugi::xml_node e) {
        return e.attribute("type") && e.attribute("region") && type == e.attribute("type").value() &&
               region == e.attribute("region").value();
    });
    if (!unit)
        return 1.0;
    return RealAttribute(unit, "scale").value_or(1.0);
}

double Configuration::UnitScale(const std::string& type, const std::string& region) const
{
    return m_root ? UnitScaleIn(m_root, type, region) : 1.0;
}

std::string Configuration::SupportedDevicesText() const
{
    std::string text;
    if (!m_root)
        return text;
    for (pugi::xml_node g : m_root.children("Devices"))
        for (pugi::xml_node e : g.children("Device")) {
            const pugi::xml_attribute name = e.attribute("name");
            if (!name)
                continue;
            if (!text.empty())
                text += ", ";
            text += name.value();
        }
    return text;
}

std::string Configuration::PerUserDirectory()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return {};
    return (base + QStringLiteral("/Nivra")).toStdString();
}
