#pragma once

#include <cmath>
#include <cstdlib>

#include "app/brixo_log.h"
#include "device/memory_image.h"

// A long log of the built-in device: slow climbs and descents, a faster swing
// and a little sensor noise, a few thousand distinct readings.
inline BrixoLog SyntheticFlight(const Configuration& config, size_t records, uint32_t rate)
{
    BrixoLog log;
    log.m_device = config.FindDevice(59);
    if (!log.SetupForDevice(1).Ok())
        std::abort();  // device 59 of the built-in document has two-byte records
    log.m_rate = rate;
    log.m_rawData.resize(records * 2);
    uint32_t state = 11;
    for (size_t i = 0; i < records; ++i) {
        state = state * 1664525u + 1013904223u;
        const double y = 48000 + 1500 * std::sin(static_cast<double>(i) / 40000.0) +
                         40 * std::sin(static_cast<double>(i) / 250.0) + (state >> 30);
        const auto word = static_cast<uint16_t>(y);
        log.m_rawData[2 * i] = static_cast<uint8_t>(word & 0xFF);
        log.m_rawData[2 * i + 1] = static_cast<uint8_t>(word >> 8);
    }
    return log;
}

// A logger's memory image of about this many bytes: flights of a few thousand to a few hundred
// thousand records.
inline std::vector<uint8_t> SyntheticMemoryImage(const Configuration& config, size_t bytes)
{
    std::vector<BrixoLog> logs;
    size_t total = 0;
    for (size_t records = 3000; total + records * 2 + 64 < bytes; records = records * 3 % 200000 + 5000) {
        logs.push_back(SyntheticFlight(config, records, 1 + static_cast<uint32_t>(logs.size() % 10)));
        total += records * 2 + 6;
    }
    std::vector<const BrixoLog*> pointers;
    for (const BrixoLog& l : logs)
        pointers.push_back(&l);
    return MemoryImageOf(pointers);
}
