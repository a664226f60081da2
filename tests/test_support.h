#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

#include "app/brixo_log.h"
#include "app/settings.h"
#include "config/configuration.h"
#include "dsp/log_series.h"

// A test's own fixed input that does not hold is a fault of the test: stop loudly. (Also
// for the helper programs the tests start, which have no test framework.)
inline void Require(bool holds, const std::string& what)
{
    if (!holds) {
        std::fprintf(stderr, "test input: %s\n", what.c_str());
        std::abort();
    }
}

// The settings with every filter off: series as decoded.
inline Settings Unfiltered()
{
    Settings s;
    s.altPolynome = false;
    s.varioPolynome = false;
    s.varioMedian = 0;
    return s;
}

inline Configuration BuiltInConfig()
{
    Configuration config;
    Require(config.LoadBuiltIn(), "the built-in configuration is not well-formed");
    return config;
}

inline Configuration ConfigFromText(const std::string& xml)
{
    Configuration config;
    Require(config.LoadFromText(xml), "not well-formed: " + xml);
    return config;
}

// A log of the given device whose records are the given bytes.
inline BrixoLog LogOf(const Configuration& config, uint8_t deviceId, uint32_t rate, std::vector<uint8_t> bytes,
                      uint8_t channelCountByte = 1)
{
    BrixoLog log;
    log.m_device = config.FindDevice(deviceId);
    const Status setUp = log.SetupForDevice(channelCountByte);
    Require(setUp.Ok(), setUp.Error());
    log.m_rate = rate;
    log.m_rawData = std::move(bytes);
    return log;
}

// A series of these values, one every interval seconds from time 0.
inline NamedSeries SeriesOf(const std::string& name, std::vector<double> values, double interval)
{
    NamedSeries s;
    s.name = name;
    s.values = std::move(values);
    s.interval = interval;
    return s;
}

// Two-byte records holding these little-endian words.
inline std::vector<uint8_t> Words(const std::vector<unsigned>& words)
{
    std::vector<uint8_t> bytes;
    for (unsigned w : words) {
        bytes.push_back(static_cast<uint8_t>(w & 0xFF));
        bytes.push_back(static_cast<uint8_t>((w >> 8) & 0xFF));
    }
    return bytes;
}
// The same of words written as text: "0 513" is the bytes 0, 0, 1, 2.
inline std::vector<uint8_t> WordsOf(const std::string& numbers)
{
    std::vector<unsigned> words;
    std::istringstream text(numbers);
    for (unsigned w = 0; text >> w;)
        words.push_back(w);
    return Words(words);
}

// The sixteen lines an ".alt" file starts with.
inline std::string AltPreamble()
{
    return QByteArray(" 13\r\n").repeated(16).toStdString();
}

// Lines of an ".alt" file holding these numbers: "10 007" is " 10\r\n 007\r\n".
inline std::string AltLines(const std::string& numbers)
{
    std::string text;
    std::istringstream words(numbers);
    for (std::string n; words >> n;)
        text += " " + n + "\r\n";
    return text;
}

// A file's bytes, or "<missing>".
inline std::string FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
}

inline void WriteText(const QString& path, const std::string& text)
{
    FILE* f = std::fopen(path.toLocal8Bit().constData(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}
