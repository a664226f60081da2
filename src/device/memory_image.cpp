#include "device/memory_image.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "base/time_text.h"
#include "config/configuration.h"

// Off unless asked for (QT_LOGGING_RULES="nivra.download.debug=true"): not for a pilot's terminal.
Q_LOGGING_CATEGORY(lcDownload, "nivra.download", QtInfoMsg)

namespace {
constexpr size_t kSignatureLength = 16;
constexpr uint8_t kSignatureByte = 0x0D;
}  // namespace

ReceiveBuffer::Appended ReceiveBuffer::Append(const uint8_t* bytes, uint32_t count)
{
    size_t written = m_written.load(std::memory_order_relaxed);
    uint32_t i = 0;
    // Before the signature only a run of sixteen 0x0D bytes is looked for; the
    // signature itself starts the kept image, so the preamble takes no room.
    for (; written == 0 && i < count; ++i) {
        m_signatureRun = bytes[i] == kSignatureByte ? m_signatureRun + 1 : 0;
        if (m_signatureRun == kSignatureLength) {
            // The signature's first bytes went to the preamble while it was not known yet.
            m_preamble.resize(m_preamble.size() - std::min(m_preamble.size(), kSignatureLength - 1));
            std::memset(m_bytes.data(), kSignatureByte, kSignatureLength);
            written = kSignatureLength;
        } else if (m_preamble.size() < kMaxPreamble + kSignatureLength) {  // beyond, no signature will come
            m_preamble.push_back(bytes[i]);
        }
    }
    const uint32_t rest = count - i;
    const uint32_t kept = written == 0 ? 0 : static_cast<uint32_t>(std::min<size_t>(rest, m_bytes.size() - written));
    std::memcpy(m_bytes.data() + written, bytes + i, kept);
    // The bytes first, then the count that lets the other thread read them.
    m_written.store(written + kept, std::memory_order_release);

    // The end of the transmission is in what arrives, whether it was kept or not.
    uint32_t zeros = 0;
    while (zeros < count && bytes[count - 1 - zeros] == 0)
        ++zeros;
    m_trailingZeros = std::min<size_t>(zeros == count ? m_trailingZeros + zeros : zeros, 6);
    const uint64_t arrived = m_arrived.load(std::memory_order_relaxed) + count;
    m_arrived.store(arrived, std::memory_order_release);

    End end = End::None;
    if (arrived > 6 && m_trailingZeros >= 6)
        end = written > 0 ? End::Complete : End::IfQuiet;
    else if (written == 0 && arrived > kMaxPreamble)
        end = End::NoSignature;
    return {count - (rest - kept), arrived, end};
}

std::string MisalignedRecords(const uint8_t* block, size_t length, int32_t recordSize)
{
    if (recordSize < 2)
        return {};
    const size_t rs = static_cast<size_t>(recordSize);
    auto reading = [block](size_t at) {
        return static_cast<unsigned>(block[at] | (block[at + 1] << 8));
    };
    for (size_t at = 6, sample = 0; at + 2 * rs <= length; at += rs, ++sample) {
        const unsigned a = reading(at), b = reading(at + rs);
        if ((a > b ? a - b : b - a) >= kMisalignedJump)
            // In the window's language; nivra-tool, which installs no translation, says it in English.
            return QCoreApplication::translate("Download",
                                               "its raw readings jump from %1 to %2 between samples %3 and %4: the "
                                               "records look shifted by a byte lost on the line")
                .arg(a)
                .arg(b)
                .arg(sample + 1)
                .arg(sample + 2)
                .toStdString();
    }
    return {};
}

double EstimatedDuration(uint32_t length, uint32_t rate, int32_t recordSize)
{
    if (recordSize <= 0)
        return 0.0;
    // Whole numbers all the way, as the logger's own estimate: the divisions round down.
    const uint32_t tenths = length / static_cast<uint32_t>(recordSize) * rate / 10u;
    return static_cast<double>(tenths);
}

std::vector<FlightEntry> MemoryImageParser::Step(const uint8_t* data, size_t received, const Configuration& config)
{
    std::vector<FlightEntry> listed;
    received = std::min(received, ReceiveBuffer::kCapacity);
    switch (m_state) {
    case State::LookingForSignature:
        for (size_t p = m_signatureScan; p + kSignatureLength <= received; ++p) {
            if (std::all_of(data + p, data + p + kSignatureLength, [](uint8_t b) { return b == kSignatureByte; })) {
                m_dataOffset = p + kSignatureLength;
                m_state = State::SignatureFound;
                return listed;
            }
            m_signatureScan = p + 1;
        }
        return listed;
    case State::SignatureFound:
        m_parsePosition = m_dataOffset;
        m_markerScan = m_parsePosition + 2;
        m_state = State::ReadingBlocks;
        return listed;
    case State::ReadingBlocks: {
        const size_t r = m_parsePosition;
        if (r + 4 <= received && data[r + 2] == 0 && data[r + 3] == 0) {
            m_state = State::EndOfBlocks;
            return listed;
        }
        // The end marker: the first zero word at an even distance of 2 or more. Records of an odd
        // size are not all at even distances: for those it is the first record, after the
        // block's six header bytes, that starts with a zero word.
        if (r + 5 >= received)
            return listed;  // the header's device not here yet
        const int32_t size = config.RecordSizeOf(data[r + 4], data[r + 3]);
        const size_t step = size % 2 != 0 ? static_cast<size_t>(size) : 2;
        if (step != 2 && m_markerScan < r + 6)
            m_markerScan = r + 6;
        size_t q = m_markerScan;
        while (q + 1 < received && !(data[q] == 0 && data[q + 1] == 0))
            q += step;
        m_markerScan = q;
        if (q + 1 >= received)
            return listed;  // not here yet
        FlightEntry entry;
        entry.offset = static_cast<uint32_t>(r);
        entry.length = static_cast<uint32_t>(q - r);
        entry.rate = r + 2 < received ? data[r + 2] : 0;
        entry.deviceId = r + 4 < received ? data[r + 4] : 0;
        const int32_t recordSize = config.RecordSizeOf(entry.deviceId, data[r + 3]);
        entry.duration = EstimatedDuration(entry.length, entry.rate, recordSize);
        if (m_minimumDuration < entry.duration) {
            entry.damage = MisalignedRecords(data + r, entry.length, recordSize);
            qCDebug(lcDownload, "len=%d, rate=%d, duration=%f", static_cast<int>(entry.length),
                    static_cast<int>(entry.rate), entry.duration);
            m_flights.push_back(entry);
            listed.push_back(entry);
        }
        m_parsePosition = q;
        m_markerScan = q + 2;
        return listed;
    }
    case State::EndOfBlocks: return listed;
    }
    return listed;
}

void MemoryImageParser::Run(const uint8_t* data, size_t received, const Configuration& config)
{
    for (;;) {
        const State before = m_state;
        const size_t position = m_parsePosition;
        Step(data, received, config);
        if (m_state == before && m_parsePosition == position)
            return;
    }
}

FlightRow RowOf(const FlightEntry& entry, int number)
{
    return {std::to_string(number), PeriodText(entry.rate * 0.1), DurationText(entry.duration)};
}

std::vector<NumberedLog> BuildDownloadedLogs(const uint8_t* data, size_t received,
                                             const std::vector<FlightEntry>& flights, const Configuration& config,
                                             uint32_t skipShortLogsLen, FileTime now)
{
    std::vector<NumberedLog> logs;
    BrixoLog working;
    for (const FlightEntry& f : flights) {
        if (!f.selected || f.offset >= received)
            continue;
        if (!working.BuildFromBlock(config, data + f.offset, received - f.offset))
            continue;
        if (!(working.Duration() > skipShortLogsLen))
            continue;
        NumberedLog entry{static_cast<int>(logs.size()) + 1, working};
        entry.log.m_date = now;
        logs.push_back(std::move(entry));
    }
    return logs;
}

std::vector<BuiltFlight> BuildFlights(const uint8_t* data, size_t received, const std::vector<FlightEntry>& flights,
                                      const Configuration& config, FileTime now)
{
    std::vector<BuiltFlight> built;
    BrixoLog working;  // as for the set: the first block's device stays for the others
    for (const FlightEntry& f : flights) {
        if (f.offset >= received || !working.BuildFromBlock(config, data + f.offset, received - f.offset))
            continue;
        BuiltFlight b{working, f.offset};
        b.log.m_date = now;
        built.push_back(std::move(b));
    }
    return built;
}

std::vector<uint8_t> MemoryImageOf(const std::vector<const BrixoLog*>& logs)
{
    std::vector<uint8_t> image(kSignatureLength, kSignatureByte);
    image.insert(image.end(), {0, 0});  // the first block's separator
    for (const BrixoLog* log : logs) {
        const uint8_t id = static_cast<uint8_t>(std::atoi(log->m_device.Id().c_str()));
        image.insert(image.end(),
                     {static_cast<uint8_t>(log->m_rate), static_cast<uint8_t>(log->m_recordSize / 2), id, 0});
        image.insert(image.end(), log->m_rawData.begin(), log->m_rawData.end());
        image.insert(image.end(), {0, 0});  // end marker, and the next block's separator
    }
    image.insert(image.end(), {0, 0});         // no further block
    image.insert(image.end(), 6, uint8_t{0});  // the closing zeros
    return image;
}

std::vector<uint8_t> MemoryImageOfLogs(const std::vector<BrixoLog>& logs)
{
    std::vector<const BrixoLog*> pointers;
    pointers.reserve(logs.size());
    for (const BrixoLog& log : logs)
        pointers.push_back(&log);
    return MemoryImageOf(pointers);
}
