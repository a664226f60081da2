// The configuration document on any text, then a fixed log decoded through it: its formulas,
// channel offsets and sizes, unit scales.
#include <string>

#include "config/configuration.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Configuration config;
    if (!config.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    (void)config.SupportedDevicesText();
    // Ninety records of eight bytes: a climbing pressure word and six bytes of changing channels.
    std::vector<uint8_t> bytes;
    for (unsigned i = 0; i < 90; ++i) {
        const unsigned word = 50000 - i * 37;
        bytes.insert(bytes.end(),
                     {static_cast<uint8_t>(word & 0xFF), static_cast<uint8_t>(word >> 8), static_cast<uint8_t>(i),
                      static_cast<uint8_t>(255 - i), 7, 0x80, static_cast<uint8_t>(i * 3), 1});
    }
    for (const uint8_t id : {uint8_t(59), uint8_t(7)}) {
        BrixoLog log;
        log.m_device = config.FindDevice(id);
        if (!log.SetupForDevice(4).Ok())
            continue;
        log.m_rate = 5;
        log.m_rawData = bytes;
        log.m_rawData.resize(bytes.size() / log.m_recordSize * log.m_recordSize);
        for (const UnitSystem units : {UnitSystem::Metric, UnitSystem::Imperial}) {
            Settings settings;
            settings.units = units;
            UseLog(log, settings);
        }
    }
    return 0;
}
