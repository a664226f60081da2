#include "app/log_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

#include <unistd.h>

#include <QFile>

#include "base/tr_text.h"
#include "config/configuration.h"

namespace {

constexpr int kPreambleLines = 16;
constexpr size_t kMaxLineChars = 14;

void AppendNumberLine(std::string& out, unsigned value)
{
    char line[16];
    const int n = std::snprintf(line, sizeof line, " %u\r\n", value);
    out.append(line, static_cast<size_t>(n));
}

void AppendPreamble(std::string& out)
{
    for (int i = 0; i < kPreambleLines; ++i)
        out += " 13\r\n";
}

void AppendEnd(std::string& out)
{
    for (int i = 0; i < 4; ++i)
        out += " 0\r\n";
}

// Reads the file the way a text-mode fgets with a 15-byte buffer does: at most
// 14 characters per call, up to and including the line end; CR LF counts as one
// character, and a line end of LF alone is accepted as well.
class LineReader {
public:
    explicit LineReader(QIODevice& in) : m_in(in) {}

    bool ReadLine(std::string& line)
    {
        // Whole spans of the buffer up to the line's end at a time; "\r\n" ends a line as "\n"
        // and counts as one character.
        line.clear();
        while (line.size() < kMaxLineChars && Fill()) {
            const char* start = m_buffer.get() + m_pos;
            const size_t span = std::min(m_end - m_pos, kMaxLineChars - line.size());
            const auto* end = static_cast<const char*>(std::memchr(start, '\n', span));
            const size_t taken = end ? static_cast<size_t>(end - start) + 1 : span;
            line.append(start, taken);
            m_pos += taken;
            if (end) {
                if (line.size() >= 2 && line[line.size() - 2] == '\r')
                    line.erase(line.size() - 2, 1);
                return true;
            }
            if (line.back() == '\r' && Peek() == '\n') {
                line.back() = '\n';
                ++m_pos;
                return true;
            }
        }
        return !line.empty();
    }

    // The low 8 bits of the integer at the start of the next line.
    bool ReadByte(uint8_t& value)
    {
        if (!ReadLine(m_line))
            return false;
        value = static_cast<uint8_t>(LineValue(m_line));
        return true;
    }

    bool ReadWord(uint8_t& low, uint8_t& high) { return ReadByte(low) && ReadByte(high); }

    // Like a C decimal conversion: blanks, an optional sign, digits; 0 without digits.
    // Fourteen characters cannot overflow 64 bits.
    static int64_t LineValue(const std::string& line)
    {
        size_t i = 0;
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        bool negative = false;
        if (i < line.size() && (line[i] == '+' || line[i] == '-'))
            negative = line[i++] == '-';
        int64_t value = 0;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9')
            value = value * 10 + (line[i++] - '0');
        return negative ? -value : value;
    }

private:
    bool Fill()
    {
        if (m_pos < m_end)
            return true;
        const qint64 n = m_in.read(m_buffer.get(), static_cast<qint64>(kBufferSize));
        m_pos = 0;
        m_end = n > 0 ? static_cast<size_t>(n) : 0;
        return m_end > 0;
    }
    int Peek() { return Fill() ? static_cast<unsigned char>(m_buffer[m_pos]) : -1; }

    static constexpr size_t kBufferSize = 16384;
    QIODevice& m_in;
    std::unique_ptr<char[]> m_buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);  // filled as read
    size_t m_pos = 0;
    size_t m_end = 0;
    std::string m_line;
};

enum class LogRead { Done, Log };

// Reads the next log into the working log, which keeps the device of the first header.
LogRead ReadNextLog(LineReader& reader, BrixoLog& log, const Configuration& config, AltReadResult& result)
{
    log.m_rawData.clear();
    uint8_t rate = 0, channelCount = 0, deviceId = 0, deviceHigh = 0;
    if (!reader.ReadByte(rate))
        return LogRead::Done;
    if (!reader.ReadByte(channelCount) || !reader.ReadWord(deviceId, deviceHigh)) {
        // A file ends with an empty header (a zero rate and channel byte), perhaps cut short;
        // anything else was the start of a log that is not there.
        if (rate != 0 || channelCount != 0) {
            result.cut = AltReadResult::Cut::InsideHeader;
            result.cutLog = result.logsRead + 1;
        }
        return LogRead::Done;
    }
    log.m_rate = rate;
    if (!log.m_device) {
        result.deviceId = deviceId;
        log.m_device = config.FindDevice(deviceId);
        if (!log.m_device) {
            result.deviceMissing = true;
            return LogRead::Done;
        }
        if (Status setUp = log.SetupForDevice(channelCount); !setUp) {
            result.deviceMissing = true;
            result.deviceProblem = setUp.Error();
            return LogRead::Done;
        }
    }
    const size_t recordSize = log.m_recordSize;
    for (;;) {
        size_t got = 0;
        while (got < recordSize) {
            if (!reader.ReadByte(log.m_recordBuffer[got])) {
                // The file ends before the log's end marker (after an empty header, that is its end).
                result.truncatedRecord = got > 0;
                if (rate != 0 || channelCount != 0 || got > 0) {
                    result.cut = AltReadResult::Cut::InsideLog;
                    result.cutLog = result.logsRead + 1;
                }
                return LogRead::Log;
            }
            ++got;
            // Two zero bytes at the start of a record are the end marker.
            if (got == 2 && log.m_recordBuffer[0] == 0 && log.m_recordBuffer[1] == 0)
                return LogRead::Log;
        }
        log.m_rawData.insert(log.m_rawData.end(), log.m_recordBuffer.begin(), log.m_recordBuffer.end());
    }
}

}  // namespace

void AppendLogLines(std::string& out, const BrixoLog& log, size_t first, size_t stop)
{
    out += " 0\r\n 0\r\n";
    AppendNumberLine(out, log.m_rate);
    // The reader takes the record size of a device without a "data-chunk" from the channel count
    // that follows the rate; one with a "data-chunk" has always had the rate written again there.
    const bool chunked = log.m_device && IntAttribute(log.m_device.node, "data-chunk").has_value();
    AppendNumberLine(out, chunked ? log.m_rate : log.m_recordSize / 2);
    out += ' ';
    out += log.m_device.Id();
    out += "\r\n 0\r\n";
    const size_t count = log.SampleCount();
    if (first >= count || stop <= first)
        return;
    const size_t records = std::min(stop, count) - first;
    const size_t begin = first * log.m_recordSize;
    const size_t end = std::min(log.m_rawData.size(), begin + records * log.m_recordSize);
    out.reserve(out.size() + (end - begin) * 6);
    for (size_t i = begin; i < end; ++i)
        AppendNumberLine(out, log.m_rawData[i]);
}

std::string AltFileText(const std::vector<const BrixoLog*>& logs)
{
    std::string out;
    AppendPreamble(out);
    for (const BrixoLog* log : logs)
        AppendLogLines(out, *log);
    AppendEnd(out);
    return out;
}

std::string AltFileTextOfLogs(const std::vector<BrixoLog>& logs)
{
    std::string out;
    AppendPreamble(out);
    for (const BrixoLog& log : logs)
        AppendLogLines(out, log);
    AppendEnd(out);
    return out;
}

std::string AltFileText(const BrixoLog& log, size_t first, size_t stop)
{
    std::string out;
    AppendPreamble(out);
    AppendLogLines(out, log, first, stop);
    AppendEnd(out);
    return out;
}

namespace {

// A reason in the window's language; nivra-tool, which installs no translation, gives it in English.
std::string Tr(const char* text)
{
    return TrText("LogFile", text);
}

std::string Tr(const char* text, const std::string& argument)
{
    return TrText("LogFile", text, {argument});
}

}  // namespace

std::string AltReadResult::Problem() const
{
    switch (status) {
    case Status::CannotOpen: return Tr(QT_TRANSLATE_NOOP("LogFile", "cannot open the file: %1"), reason);
    case Status::BadPreamble:
        return reason.empty()
                   ? Tr(QT_TRANSLATE_NOOP("LogFile", "not a log file: the first 16 lines are not all \" 13\""))
                   : reason;
    case Status::BadZeroWord:
        return reason.empty()
                   ? Tr(QT_TRANSLATE_NOOP("LogFile", "not a log file: the word after the preamble is not zero"))
                   : reason;
    case Status::Ok: break;
    }
    if (deviceMissing && !deviceProblem.empty())
        return Tr(QT_TRANSLATE_NOOP("LogFile", "%1: no log was read"), deviceProblem);
    if (deviceMissing)
        return Tr(QT_TRANSLATE_NOOP(
                      "LogFile", "the configuration knows no device %1 (nor the fallback device 59): no log was read"),
                  std::to_string(deviceId));
    return {};
}

std::string AltReadResult::Warning() const
{
    const std::string number = std::to_string(cutLog);
    switch (cut) {
    case Cut::InsideLog:
        return truncatedRecord
                   ? Tr(QT_TRANSLATE_NOOP("LogFile",
                                          "the file ends inside log %1, so that log is incomplete "
                                          "(its last, partial record was dropped)"),
                        number)
                   : Tr(QT_TRANSLATE_NOOP("LogFile", "the file ends inside log %1, so that log is incomplete"), number);
    case Cut::InsideHeader:
        return Tr(QT_TRANSLATE_NOOP("LogFile", "the file ends inside the header of log %1, so that log is missing"),
                  number);
    case Cut::None: break;
    }
    return {};
}

AltReadResult ReadAltStream(QIODevice& in, const Configuration& config, uint32_t skipShortLogsLen, FileTime date)
{
    AltReadResult result;
    LineReader reader(in);
    std::string line;
    for (int i = 0; i < kPreambleLines; ++i) {
        const bool read = reader.ReadLine(line);
        if (!read || line.compare(0, 3, " 13") != 0) {
            result.status = AltReadResult::Status::BadPreamble;
            if (!read && i == 0)
                result.reason = Tr(QT_TRANSLATE_NOOP("LogFile", "the file is empty"));
            else if (!read)
                result.reason = Tr(
                    QT_TRANSLATE_NOOP("LogFile", "the file ends after %1 of the 16 \" 13\" lines that open a log file"),
                    std::to_string(i));
            return result;
        }
    }
    uint8_t low = 0, high = 0;
    const bool word = reader.ReadWord(low, high);
    if (!word || low != 0 || high != 0) {
        result.status = AltReadResult::Status::BadZeroWord;
        if (!word)
            result.reason =
                Tr(QT_TRANSLATE_NOOP("LogFile", "the file ends right after the 16 \" 13\" lines that open a log file"));
        return result;
    }
    BrixoLog working;
    while (ReadNextLog(reader, working, config, result) == LogRead::Log) {
        ++result.logsRead;
        if (!KeepLog(working, skipShortLogsLen))
            continue;
        NumberedLog kept{result.logsRead, working};
        kept.log.m_date = date;
        result.logs.push_back(std::move(kept));
    }
    return result;
}

AltReadResult ReadAltFile(const std::string& path, const Configuration& config, uint32_t skipShortLogsLen)
{
    ReadableFile opened(path);
    if (!opened.IsOpen()) {
        AltReadResult result;
        result.status = AltReadResult::Status::CannotOpen;
        result.reason = opened.Error();
        return result;
    }
    const int64_t created = opened.CreatedMs();
    QFile file;
    const int fd = opened.Release();
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        AltReadResult result;
        result.status = AltReadResult::Status::CannotOpen;
        result.reason = file.errorString().toStdString();
        return result;
    }
    return ReadAltStream(file, config, skipShortLogsLen, FileTimeFromUnixMs(created));
}
