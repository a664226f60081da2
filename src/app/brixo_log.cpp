#include "app/brixo_log.h"

#include <cmath>
#include <cstdio>

#include "base/time_text.h"

namespace {
// Seconds between 1601-01-01 and 1970-01-01.
constexpr int64_t kEpochDifferenceSeconds = 11644473600LL;
}  // namespace

FileTime FileTimeFromUnixMs(int64_t msSinceEpoch)
{
    const int64_t ticks = (msSinceEpoch + kEpochDifferenceSeconds * 1000) * 10000;
    return ticks < 0 ? 0 : static_cast<FileTime>(ticks);
}

int64_t UnixMsFromFileTime(FileTime time)
{
    return static_cast<int64_t>(time / 10000) - kEpochDifferenceSeconds * 1000;
}

BrixoLog::BrixoLog(const BrixoLog& other)
    : m_rate(other.m_rate),
      m_recordSize(other.m_recordSize),
      m_rawData(other.m_rawData),
      m_device(other.m_device),
      m_recordBuffer(other.m_recordSize),
      m_altFormula(other.m_altFormula)
{
    // The date is not copied: whoever makes the copy dates it.
}

BrixoLog& BrixoLog::operator=(const BrixoLog& other)
{
    if (this != &other) {
        BrixoLog copy(other);
        copy.m_date = m_date;
        *this = std::move(copy);
    }
    return *this;
}

std::string DeviceSetupProblem(const DeviceRef& device, uint8_t channelCountByte)
{
    if (!device)
        return "no device is described";
    std::string name = "device " + device.Id();
    if (const auto text = StringAttribute(device.node, "name"))
        name += " (" + *text + ")";
    const std::string cannot = name + " cannot be used: ";
    const std::optional<int32_t> chunk = IntAttribute(device.node, "data-chunk");
    const int64_t size = chunk.value_or(2 * static_cast<int32_t>(channelCountByte));
    if (chunk && size < 2)
        return cannot + "its \"data-chunk\" of " + std::to_string(size) + " is below 2, the bytes of one reading";
    if (chunk && size > kMaxRecordSize)
        return cannot + "its \"data-chunk\" of " + std::to_string(size) + " is above the largest record, " +
               std::to_string(kMaxRecordSize) + " bytes";
    if (size < 2)
        return cannot + "it has no \"data-chunk\", and the log's channel count of " + std::to_string(channelCountByte) +
               " gives no record size";
    if (TooManyChannels(device.node))
        return cannot + "it describes more than " + std::to_string(kMaxChannels) + " channels";
    return {};
}

Status BrixoLog::SetupForDevice(uint8_t channelCountByte)
{
    if (std::string problem = DeviceSetupProblem(m_device, channelCountByte); !problem.empty())
        return Fail(std::move(problem));
    const int64_t size = IntAttribute(m_device.node, "data-chunk").value_or(2 * static_cast<int32_t>(channelCountByte));
    m_recordSize = static_cast<uint32_t>(size);
    m_recordBuffer.assign(m_recordSize, 0);
    std::string formula;
    if (pugi::xml_node alt = m_device.node.child("Alt"))
        formula = alt.attribute("formula").value();
    m_altFormula = std::make_shared<const std::string>(std::move(formula));
    return {};
}

bool BrixoLog::BuildFromBlock(const Configuration& config, const uint8_t* block, size_t size)
{
    m_rawData.clear();
    if (size < 6 || (block[2] == 0 && block[3] == 0))
        return false;
    m_rate = block[2];
    if (!m_device) {
        m_device = config.FindDevice(block[4]);
        if (!m_device)
            return false;
    }
    if (!SetupForDevice(block[3]))
        return false;
    size_t pos = 6;
    while (pos + 2 <= size && (block[pos] != 0 || block[pos + 1] != 0) && pos + m_recordSize <= size) {
        std::copy(block + pos, block + pos + m_recordSize, m_recordBuffer.begin());
        m_rawData.insert(m_rawData.end(), m_recordBuffer.begin(), m_recordBuffer.end());
        pos += m_recordSize;
    }
    return !m_rawData.empty();
}

std::string LogName(int number, double durationSeconds)
{
    const double whole = std::floor(durationSeconds);
    const uint64_t seconds = whole > 0 ? static_cast<uint64_t>(whole) : 0;
    char text[64];
    std::snprintf(text, sizeof text, "Log %2d (%s)", number, FormatDuration("%H:%M:%S", seconds).c_str());
    return text;
}

bool KeepLog(const BrixoLog& log, uint32_t skipShortLogsLen)
{
    return log.SampleCount() > 0 && log.Duration() > static_cast<double>(skipShortLogsLen);
}
