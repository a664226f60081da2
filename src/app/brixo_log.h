#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/result.h"
#include "config/configuration.h"

struct Settings;

// File times: 100 ns units since 1 January 1601, UTC.
using FileTime = uint64_t;
FileTime FileTimeFromUnixMs(int64_t msSinceEpoch);
int64_t UnixMsFromFileTime(FileTime time);

// A record whose size is above this cannot belong to a real device; refusing it
// keeps a hostile configuration from making a log allocate without bound.
constexpr int32_t kMaxRecordSize = 65536;

// One recorded flight: raw sample records, the device that decodes them, and its date.
class BrixoLog {
public:
    BrixoLog() = default;
    BrixoLog(const BrixoLog& other);
    BrixoLog& operator=(const BrixoLog& other);
    BrixoLog(BrixoLog&&) noexcept = default;
    BrixoLog& operator=(BrixoLog&&) noexcept = default;
    virtual ~BrixoLog() = default;

    size_t SampleCount() const { return m_recordSize ? m_rawData.size() / m_recordSize : 0; }
    double Duration() const { return static_cast<double>(SampleCount()) * m_rate * 0.1; }
    double SamplePeriod() const { return m_rate * 0.1; }

    // Fixes the record size and the altitude formula from the device already set.
    // Fails, with DeviceSetupProblem's reason, when the size would be below 2 (or absurdly
    // large), or the device describes more than kMaxChannels channels.
    Status SetupForDevice(uint8_t channelCountByte);

    // Takes one flight out of a device memory block: zero word, rate, channel
    // count byte, device id word, then records up to a record starting with two
    // zero bytes. The block is bounded by size; a block that ends before its end
    // marker takes the complete records it holds. Returns whether any record was taken.
    [[nodiscard]] bool BuildFromBlock(const Configuration& config, const uint8_t* block, size_t size);

    uint32_t m_rate = 0;  // sample period in tenths of a second
    uint32_t m_recordSize = 0;
    std::vector<uint8_t> m_rawData;
    FileTime m_date = 0;
    DeviceRef m_device;
    std::vector<uint8_t> m_recordBuffer;  // scratch for one record while reading
    std::shared_ptr<const std::string> m_altFormula;
};

// Why a log of this device cannot be set up with this channel count byte, in words that name
// the device; empty when it can.
std::string DeviceSetupProblem(const DeviceRef& device, uint8_t channelCountByte);

// "Log %2d (%s)" with the duration rounded down to whole seconds as "%H:%M:%S".
std::string LogName(int number, double durationSeconds);

// A built log enters the set only when it is longer than SkipShortLogsLen seconds.
bool KeepLog(const BrixoLog& log, uint32_t skipShortLogsLen);
