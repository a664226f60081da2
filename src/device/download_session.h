#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "device/byte_source.h"
#include "device/collector.h"
#include "device/memory_image.h"

class Configuration;

// One download from the logger, for the window and nivra-tool alike: a source of bytes (the
// serial line, a saved memory image, a test's chunks), the memory as it arrives, the rules that
// end the transfer, the parse steps that list the flights, the notice of a silent line and the
// building of the flights.
//
// The source only hands over bytes; everything else happens in Poll, which the owner calls on
// its own thread every few tens of milliseconds, and which tells what happened through the
// events.
class DownloadSession final : private Collector {
public:
    struct Events {
        std::function<void(uint64_t arrived)> progress;       // every byte so far, the preamble too
        std::function<void(size_t index)> flightListed;       // Flights()[index] was found
        std::function<void(int seconds)> silence;             // the line is silent mid-transfer, again each Poll
        std::function<void()> completed;                      // the transfer ended: listing goes on to the end
        std::function<void(const std::string& reason)> lost;  // the line went away first
    };

    DownloadSession(const Configuration& config, uint32_t minimumDuration);
    ~DownloadSession();
    DownloadSession(const DownloadSession&) = delete;
    DownloadSession& operator=(const DownloadSession&) = delete;

    // Takes the bytes of this source from now on; the reason when it cannot start. One
    // source a session.
    Status Start(std::unique_ptr<ByteSource> source);
    // Opens the port; the reason when it cannot be opened (with what the user can do
    // about a port they may not open).
    Status Open(const std::string& portName, uint32_t bitsPerSecond);
    // A memory image saved before, taken as if it had just arrived whole; complete at
    // the next Poll. An empty one is refused: no transfer would ever end with it.
    [[nodiscard]] Status Replay(const std::vector<uint8_t>& image);
    void Poll();
    // Stops the reader and releases the port; the bytes and flights stay.
    void Close();

    Events m_events;
    std::chrono::milliseconds m_silenceLimit{5000};  // before the silence is told
    std::chrono::milliseconds m_quietEnd{2000};      // zeros before any signature, then this long quiet: the end
    // The time Poll goes by; tests step it on instead of waiting.
    std::function<std::chrono::steady_clock::time_point()> m_clock = [] {
        return std::chrono::steady_clock::now();
    };

    bool Completed() const { return m_completed; }
    // A complete transfer whose memory ended inside a flight (a saved image cut short): that
    // flight is missing from the list.
    bool EndsInsideAFlight() const
    {
        return m_completed && m_parser.SignatureFound() &&
               m_parser.CurrentState() == MemoryImageParser::State::ReadingBlocks;
    }
    bool Lost() const { return m_lost; }
    const std::string& LostReason() const { return m_lostReason; }
    bool IsOpen() const { return m_source && m_source->IsOpen(); }
    const ReceiveBuffer& Buffer() const { return *m_buffer; }
    MemoryImageParser& Parser() { return m_parser; }
    const MemoryImageParser& Parser() const { return m_parser; }
    const std::vector<FlightEntry>& Flights() const { return m_parser.Flights(); }
    // Every byte received up to the end of the memory (at most a whole memory after the
    // signature), what came before its signature too: what the logbook archives and a replay
    // takes back.
    std::vector<uint8_t> Image() const;

    // The logs a download puts in the set: the checked flights longer than
    // SkipShortLogsLen, numbered without gaps, dated now.
    std::vector<NumberedLog> BuildLogs(uint32_t skipShortLogsLen, FileTime now) const;
    // Every flight listed, checked or not, as the logbook keeps them: each offset is where its
    // block begins in Image().
    std::vector<BuiltFlight> BuildListedFlights(FileTime now) const;
    // Flights()[index] as a log, when it can be built.
    std::optional<BrixoLog> BuildFlight(size_t index) const;

private:
    void Collect(const uint8_t* bytes, uint32_t count) override;
    void LineLost(const std::string& reason) override;
    void Ended() override;
    void Complete();
    void ListNewFlights();

    const Configuration& m_config;
    std::unique_ptr<ReceiveBuffer> m_buffer = std::make_unique<ReceiveBuffer>();
    MemoryImageParser m_parser;
    std::unique_ptr<ByteSource> m_source;
    // Set by the reader, read by Poll.
    std::atomic<bool> m_readerComplete{false};
    std::atomic<bool> m_readerLost{false};
    std::atomic<bool> m_endIfQuiet{false};
    std::mutex m_reasonMutex;
    std::string m_readerLostReason;
    // Poll's own.
    bool m_completed = false;
    bool m_lost = false;
    std::string m_lostReason;
    std::string m_lineDamage;  // the errors the port counted, once complete
    uint64_t m_lastArrived = 0;
    std::optional<std::chrono::steady_clock::time_point> m_lastData;  // since the start, when nothing came yet
    size_t m_listed = 0;
};
