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
        if (a.complete) {
            m_link.Stop();
            m_complete.store(true, std::memory_order_release);
        }
        return a.taken;
    }
    void LineLost(const std::string& reason) override
    {
        m_reason = reason;
        m_lost.store(true, std::memory_order_release);
    }
    bool Complete() const { return m_complete.load(std::memory_order_acquire); }
    bool Lost() const { return m_lost.load(std::memory_order_acquire); }
    // Read only once Lost is seen.
    const std::string& LostReason() const { return m_reason; }

private:
    ReceiveBuffer& m_buffer;
    CSerialLink& m_link;
    std::atomic<bool> m_complete{false};
    std::atomic<bool> m_lost{false};
    std::string m_reason;
};

// After this long without a byte in the middle of a transfer, the user is told.
constexpr auto kSilence = std::chrono::seconds(5);

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
    std::string error;
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
    size_t shown = 0, listed = 0;
    auto report = [&] {
        parser.Run(buffer->Data(), buffer->Received(), config);
        const size_t received = buffer->Received();
        if (received != shown) {
            std::fprintf(stderr, "\r%zu bytes has been received", received);
            shown = received;
        }
        for (; listed < parser.Flights().size(); ++listed) {
            const FlightRow row = RowOf(parser.Flights()[listed], static_cast<int>(listed) + 1);
            std::fprintf(stderr, "\nFlight %s\trate %s/s\t%s", row.flight.c_str(), row.rate.c_str(),
                         row.duration.c_str());
        }
    };
    auto lastData = std::chrono::steady_clock::now();
    size_t lastReceived = 0;
    bool silenceTold = false;
    while (!collector.Complete() && !collector.Lost()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        report();
        const auto now = std::chrono::steady_clock::now();
        if (buffer->Received() != lastReceived) {
            lastReceived = buffer->Received();
            lastData = now;
            silenceTold = false;
        } else if (lastReceived > 0 && !silenceTold && now - lastData >= kSilence) {
            std::fprintf(
                stderr, "\nNo data has arrived for %lld seconds: check the cable (Ctrl+C stops).",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(now - lastData).count()));
            silenceTold = true;
        }
    }
    const bool lost = collector.Lost() && !collector.Complete();
    link.Close();
    report();
    std::fprintf(stderr, "\n");
    if (lost)
        throw ToolError{"the connection to the logger was lost (" + collector.LostReason() +
                        "); nothing was written: check the cable and download again"};
    if (!parser.SignatureFound())
        throw ToolError{"the transfer ended without the logger's signature; nothing was written"};
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
    return 0;
}
