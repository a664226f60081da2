#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/log_file.h"

class Configuration;

// The logger's memory as it arrives: up to 2 MiB, the rest dropped. One thread
// appends (the serial reader), another reads the bytes below the write
// position; the position is stored with release and read with acquire order.
class ReceiveBuffer {
public:
    static constexpr size_t kCapacity = 2097152;

    ReceiveBuffer() : m_bytes(kCapacity, 0) {}

    struct Appended {
        uint32_t taken;
        size_t received;  // all bytes so far
        bool complete;    // the data now ends with six zero bytes
    };
    Appended Append(const uint8_t* bytes, uint32_t count);

    size_t Received() const { return m_written.load(std::memory_order_acquire); }
    const uint8_t* Data() const { return m_bytes.data(); }

private:
    std::vector<uint8_t> m_bytes;
    std::atomic<size_t> m_written{0};
};

// One flight found in the memory image.
struct FlightEntry {
    uint32_t offset = 0;  // start of its block
    uint32_t length = 0;  // header and records, not the end marker
    bool selected = true;
    uint32_t rate = 0;
    double duration = 0.0;  // estimated, whole seconds
    uint8_t deviceId = 0;
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

// The memory image a logger holding these logs sends: the signature, one block
// per log (rate, channel count byte, device id word, records, end marker), the
// end of the blocks and six closing zero bytes.
std::vector<uint8_t> MemoryImageOf(const std::vector<const CBrixoLog*>& logs);
