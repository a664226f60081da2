#pragma once

#include <QLoggingCategory>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/log_file.h"

class Configuration;

// What a download met on its way, for those who look ("nivra.download.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcDownload)

// The logger's memory as it arrives. The buffer holds the memory image from its
// signature on, up to 2 MiB, and drops what does not fit; what came before the
// signature (the logger's version and serial number, power-on noise, a line held low)
// is kept apart, up to kMaxPreamble, for the archive. The end
// of the transmission is looked for in every byte that arrives, kept or not.
// One thread appends (the serial reader), another reads the bytes below the
// kept count; the count is stored with release and read with acquire order.
class ReceiveBuffer {
public:
    static constexpr size_t kCapacity = 2097152;
    // More bytes than a whole memory before any signature: no logger is talking.
    static constexpr uint64_t kMaxPreamble = kCapacity;

    // Room for a whole memory; a smaller one serves a test or a fuzzer's short inputs.
    explicit ReceiveBuffer(size_t capacity = kCapacity) : m_bytes(capacity) {}

    enum class End {
        None,         // more is to come
        Complete,     // after the signature, the data now ends with six zero bytes
        IfQuiet,      // six zeros, but no signature yet: the end only if the line now stays quiet
        NoSignature,  // more than kMaxPreamble bytes arrived without a signature
    };
    struct Appended {
        uint32_t taken;    // bytes of the chunk not dropped for lack of room
        uint64_t arrived;  // every byte so far, the preamble and dropped ones too
        End end;
    };
    Appended Append(const uint8_t* bytes, uint32_t count);

    // Bytes kept: the signature and what followed it; 0 until the signature came.
    size_t Received() const { return m_written.load(std::memory_order_acquire); }
    // What came before the signature, once it came (empty before: the appending thread
    // still writes it).
    const std::vector<uint8_t>& Preamble() const
    {
        static const std::vector<uint8_t> none;
        return Received() > 0 ? m_preamble : none;
    }
    uint64_t Arrived() const { return m_arrived.load(std::memory_order_acquire); }
    const uint8_t* Data() const { return m_bytes.data(); }

private:
    std::vector<uint8_t> m_bytes;
    std::vector<uint8_t> m_preamble;  // complete when the signature came; read only after
    std::atomic<size_t> m_written{0};
    std::atomic<uint64_t> m_arrived{0};
    // Only the appending thread uses these.
    size_t m_signatureRun = 0;   // 0x0D bytes in a row at the end of the preamble
    size_t m_trailingZeros = 0;  // zero bytes at the end of everything that arrived (counted up to 6)
};

// One flight found in the memory image.
struct FlightEntry {
    uint32_t offset = 0;  // start of its block
    uint32_t length = 0;  // header and records, not the end marker
    bool selected = true;
    uint32_t rate = 0;
    double duration = 0.0;  // estimated, whole seconds
    uint8_t deviceId = 0;
    // Why the flight looks damaged (records shifted by a lost byte, errors the port
    // counted); empty when nothing is known against it. It is still listed and built.
    std::string damage;
};

// Finds the signature and then the flight blocks in the received bytes, a step
// at a time while they arrive. It remembers how far each search got, so a
// step costs only the bytes that came since the last one.
class MemoryImageParser {
public:
    enum class State { LookingForSignature, SignatureFound, ReadingBlocks, EndOfBlocks };

    explicit MemoryImageParser(uint32_t minimumDuration) : m_minimumDuration(minimumDuration) {}

    // One step over the bytes received so far; returns the flights it listed.
    std::vector<FlightEntry> Step(const uint8_t* data, size_t received, const Configuration& config);
    // Steps until nothing is left to do with the bytes at hand.
    void Run(const uint8_t* data, size_t received, const Configuration& config);

    State CurrentState() const { return m_state; }
    bool SignatureFound() const { return m_dataOffset != kNone; }
    size_t DataOffset() const { return m_dataOffset; }
    std::vector<FlightEntry>& Flights() { return m_flights; }
    const std::vector<FlightEntry>& Flights() const { return m_flights; }

private:
    static constexpr size_t kNone = ReceiveBuffer::kCapacity;

    uint32_t m_minimumDuration;
    State m_state = State::LookingForSignature;
    size_t m_dataOffset = kNone;
    size_t m_parsePosition = kNone;
    size_t m_signatureScan = 0;  // no signature starts before this
    size_t m_markerScan = 0;     // no end marker of the current block lies before this
    std::vector<FlightEntry> m_flights;
};

// The estimated duration of a block: ((length / record size) * rate) / 10 in
// unsigned integer arithmetic; 0 for a record size of 0.
double EstimatedDuration(uint32_t length, uint32_t rate, int32_t recordSize);

// A real flight moves its raw altitude reading a few counts a sample. Records read
// one byte off (a byte lost on the line) pair the high byte of one reading with
// the low byte of the next, and sooner or later two of them lie across most of
// the 16-bit range. The reason when two consecutive readings of the block's
// records are at least this far apart, else empty.
constexpr unsigned kMisalignedJump = 0x8000;
std::string MisalignedRecords(const uint8_t* block, size_t length, int32_t recordSize);

// The text of one row of the flight list: number, records a second, duration.
struct FlightRow {
    std::string flight, rate, duration;
};
FlightRow RowOf(const FlightEntry& entry, int number);

// The logs a download puts in the set: the selected flights built from their
// blocks (never reading past the bytes received), those longer than
// SkipShortLogsLen kept, numbered 1, 2, 3 without gaps and dated now.
std::vector<NumberedLog> BuildDownloadedLogs(const uint8_t* data, size_t received,
                                             const std::vector<FlightEntry>& flights, const Configuration& config,
                                             uint32_t skipShortLogsLen, FileTime now);

// One flight built from its block, with where the block starts in the memory image.
struct BuiltFlight {
    BrixoLog log;
    uint32_t offset = 0;
};
// Every listed flight that can be built, checked or not, long or short, dated now: what
// the logbook keeps of a download.
std::vector<BuiltFlight> BuildFlights(const uint8_t* data, size_t received, const std::vector<FlightEntry>& flights,
                                      const Configuration& config, FileTime now);

// The memory image a logger holding these logs sends: the signature, one block
// per log (rate, channel count byte, device id word, records, end marker), the
// end of the blocks and six closing zero bytes.
std::vector<uint8_t> MemoryImageOf(const std::vector<const BrixoLog*>& logs);
std::vector<uint8_t> MemoryImageOfLogs(const std::vector<BrixoLog>& logs);
