// nivra-tool download: the window's download without the window.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>

#include <QCoreApplication>
#include <QDateTime>
#include <QLoggingCategory>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "app/log_file.h"
#include "commands.h"
#include "device/memory_image.h"
#include "device/serial_link.h"
#include "tool_options.h"

namespace {

class ToolCollector : public t_collector {
public:
    ToolCollector(ReceiveBuffer& buffer, CSerialLink& link) : m_buffer(buffer), m_link(link) {}
    uint32_t Collect(const uint8_t* bytes, uint32_t count) override
    {
        const ReceiveBuffer::Appended a = m_buffer.Append(bytes, count);
        using End = ReceiveBuffer::End;
        m_endIfQuiet.store(a.end == End::IfQuiet, std::memory_order_release);
        if (a.end == End::Complete || a.end == End::NoSignature)
            Finish();
        return a.taken;
    }
    void LineLost(const std::string& reason) override
    {
        m_reason = reason;
        m_lost.store(true, std::memory_order_release);
    }
    // Ends the transfer: the reader stops at its next wait.
    void Finish()
    {
        m_link.Stop();
        m_complete.store(true, std::memory_order_release);
    }
    bool Complete() const { return m_complete.load(std::memory_order_acquire); }
    bool Lost() const { return m_lost.load(std::memory_order_acquire); }
    // The last bytes were zeros that came before any signature.
    bool EndIfQuiet() const { return m_endIfQuiet.load(std::memory_order_acquire); }
    // Read only once Lost is seen.
    const std::string& LostReason() const { return m_reason; }

private:
    ReceiveBuffer& m_buffer;
    CSerialLink& m_link;
    std::atomic<bool> m_complete{false};
    std::atomic<bool> m_lost{false};
    std::atomic<bool> m_endIfQuiet{false};
    std::string m_reason;
};

// After this long without a byte in the middle of a transfer, the user is told.
constexpr auto kSilence = std::chrono::seconds(5);
// Zeros before any signature end the transfer once the line stays quiet this long.
constexpr auto kQuietEnd = std::chrono::seconds(2);
// The exit status of a download that wrote flights of which some look damaged.
constexpr int kDamagedStatus = 3;

}  // namespace

int Download(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "port", "baud", "o"});
    if (!args.positional.empty())
        throw UsageError{"download takes no FILE; name the output with -o"};
    const auto out = args.options.find("o");
    if (out == args.options.end())
        throw UsageError{"download needs -o OUT.alt"};
    const Settings settings = LoadToolSettings(args);
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    // A transfer can take half an hour: an output that cannot be written is told before it.
    std::string error;
    if (!CheckWritable(out->second, &error))
        throw ToolError{out->second + ": " + error + "; nothing was received"};
    const auto portOption = args.options.find("port");
    const std::string port = portOption != args.options.end() ? portOption->second : settings.usedPort;
    uint32_t baud = SpeedOfIndex(settings.baudrate);
    if (const auto b = args.options.find("baud"); b != args.options.end()) {
        char* end = nullptr;
        const unsigned long v = std::strtoul(b->second.c_str(), &end, 10);
        if (b->second.empty() || *end != '\0' || v == 0 || v > 10000000)
            throw UsageError{"--baud wants bits per second, not \"" + b->second + "\""};
        baud = static_cast<uint32_t>(v);
    }

    // The flight list below says what the diagnostic lines would.
    QLoggingCategory::setFilterRules(QStringLiteral("nivra.download.debug=false"));
    auto buffer = std::make_unique<ReceiveBuffer>();
    CSerialLink link;
    ToolCollector collector(*buffer, link);
    if (!link.Open(port, baud, &collector, &error)) {
        std::string text = "cannot open " + port + " (" + DevicePathOf(port) + "): " + error;
        if (link.PermissionDenied())
            text += ". " + PermissionHelp(DevicePathOf(port));
        else if (!AnyUsbPort(EnumeratePorts()))
            text += ". No USB serial port is present: the logger's cable seems not to be plugged in";
        throw ToolError{text};
    }
    std::fprintf(stderr, "Waiting for the logger on %s (%s) at %u bit/s: plug it in and switch it on.\n", port.c_str(),
                 DevicePathOf(port).c_str(), baud);
    MemoryImageParser parser(settings.skipShortLogs ? settings.skipShortLogsLen : 0);
    uint64_t shown = 0;
    size_t listed = 0;
    auto report = [&] {
        parser.Run(buffer->Data(), buffer->Received(), config);
        const uint64_t arrived = buffer->Arrived();
        if (arrived != shown) {
            std::fprintf(stderr, "\r%llu bytes has been received", static_cast<unsigned long long>(arrived));
            shown = arrived;
        }
        for (; listed < parser.Flights().size(); ++listed) {
            const FlightRow row = RowOf(parser.Flights()[listed], static_cast<int>(listed) + 1);
            std::fprintf(stderr, "\nFlight %s\trate %s/s\t%s", row.flight.c_str(), row.rate.c_str(),
                         row.duration.c_str());
        }
    };
    auto lastData = std::chrono::steady_clock::now();
    uint64_t lastArrived = 0;
    bool silenceTold = false;
    while (!collector.Complete() && !collector.Lost()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        report();
        const auto now = std::chrono::steady_clock::now();
        if (buffer->Arrived() != lastArrived) {
            lastArrived = buffer->Arrived();
            lastData = now;
            silenceTold = false;
        } else if (collector.EndIfQuiet() && now - lastData >= kQuietEnd) {
            // Zeros of a line held low, and nothing after them: the transfer is over.
            collector.Finish();
        } else if (lastArrived > 0 && !silenceTold && now - lastData >= kSilence) {
            std::fprintf(
                stderr, "\nNo data has arrived for %lld seconds: check the cable (Ctrl+C stops).",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(now - lastData).count()));
            silenceTold = true;
        }
    }
    const bool lost = collector.Lost() && !collector.Complete();
    const std::optional<LineErrorCounts> lineErrors = link.ErrorsSinceOpen();
    link.Close();
    report();
    std::fprintf(stderr, "\n");
    if (lost)
        throw ToolError{"the connection to the logger was lost (" + collector.LostReason() +
                        "); nothing was written: check the cable and download again"};
    if (!parser.SignatureFound())
        throw ToolError{"the transfer ended without the logger's signature; nothing was written"};
    // The counters cannot tell which flight lost the bytes: each one is in doubt.
    if (lineErrors && lineErrors->Any())
        for (FlightEntry& f : parser.Flights())
            if (f.damage.empty())
                f.damage = LineErrorText(*lineErrors);
    const std::vector<NumberedLog> logs =
        BuildDownloadedLogs(buffer->Data(), buffer->Received(), parser.Flights(), config, settings.skipShortLogsLen,
                            FileTimeFromUnixMs(QDateTime::currentMSecsSinceEpoch()));
    std::vector<const CBrixoLog*> pointers;
    for (const NumberedLog& l : logs) {
        pointers.push_back(&l.log);
        std::fprintf(stderr, "%s\n", LogName(l.number, l.log.Duration()).c_str());
    }
    if (!WriteFileSafely(out->second, AltFileText(pointers), &error))
        throw ToolError{out->second + ": " + error};
    std::fprintf(stderr, "%zu logs written to %s\n", logs.size(), out->second.c_str());
    // Kept, but said: the raw bytes are what the logger sent, yet they may not be what it holds.
    int status = 0;
    for (size_t i = 0; i < parser.Flights().size(); ++i)
        if (!parser.Flights()[i].damage.empty()) {
            std::fprintf(stderr, "Flight %zu looks damaged: %s\n", i + 1, parser.Flights()[i].damage.c_str());
            status = kDamagedStatus;
        }
    return status;
}
