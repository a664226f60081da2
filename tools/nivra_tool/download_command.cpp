// nivra-tool download: the window's download without the window.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>

#include <QCoreApplication>
#include <QDateTime>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "app/log_file.h"
#include "base/file_access.h"
#include "commands.h"
#include "device/download_session.h"
#include "logbook/keep_download.h"
#include "logbook/logbook.h"
#include "tool_options.h"

namespace {

// The exit status of a download that wrote flights of which some look damaged, of one whose
// flights were written but could not be kept in the logbook, and of one whose memory ended
// inside a flight.
constexpr int kDamagedStatus = 3;
constexpr int kNotKeptStatus = 4;
constexpr int kCutShortStatus = 5;
// A memory image is 2 MiB from its signature on; a file much larger is no memory image.
constexpr size_t kMaxImageFile = 64 * 1024 * 1024;

}  // namespace

int Download(const std::vector<std::string>& argv)
{
    const ToolArgs args = ParseArgs(argv, {"config", "set", "port", "baud", "o", "from-image"}, {"no-archive"});
    if (!args.positional.empty())
        throw UsageError{"download takes no FILE; name the output with -o"};
    const auto out = args.options.find("o");
    if (out == args.options.end())
        throw UsageError{"download needs -o OUT.alt"};
    const bool archive = !args.options.count("no-archive");
    const Settings settings = LoadToolSettings(args);
    const Configuration config = LoadToolConfiguration(args, ProgramDir());
    // A transfer can take half an hour: an output that cannot be written is told before it.
    if (Status writable = CheckWritable(out->second); !writable)
        throw ToolError{out->second + ": " + writable.Error() + "; nothing was received"};

    DownloadSession session(config, settings.skipShortLogs ? settings.skipShortLogsLen : 0);
    const auto image = args.options.find("from-image");
    if (image != args.options.end()) {
        auto read = ReadSmallFile(image->second, kMaxImageFile);
        if (!read)
            throw ToolError{image->second + ": " + read.Error()};
        const std::string& bytes = *read;
        if (bytes.size() > kMaxImageFile)
            throw ToolError{image->second + ": no memory image of the logger (larger than 64 MiB)"};
        if (Status taken = session.Replay(std::vector<uint8_t>(bytes.begin(), bytes.end())); !taken)
            throw ToolError{image->second + ": " + taken.Error()};
    } else {
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
        if (const Status opened = session.Open(port, baud); !opened) {
            std::string text = "cannot open " + port + " (" + DevicePathOf(port) + "): " + opened.Error();
            if (opened.Error().find('\n') == std::string::npos && !AnyUsbPort(EnumeratePorts()))
                text += ". No USB serial port is present: the logger's cable seems not to be plugged in";
            for (char& c : text)
                if (c == '\n')
                    c = ' ';
            throw ToolError{text};
        }
        std::fprintf(stderr, "Waiting for the logger on %s (%s) at %u bit/s: plug it in and switch it on.\n",
                     port.c_str(), DevicePathOf(port).c_str(), baud);
    }

    DownloadSession::Events& events = session.m_events;
    bool silenceTold = false;
    events.progress = [&silenceTold](uint64_t arrived) {
        silenceTold = false;
        std::fprintf(stderr, "\r%llu bytes has been received", static_cast<unsigned long long>(arrived));
    };
    events.flightListed = [&session](size_t index) {
        const FlightRow row = RowOf(session.Flights()[index], static_cast<int>(index) + 1);
        std::fprintf(stderr, "\nFlight %s\trate %s/s\t%s", row.flight.c_str(), row.rate.c_str(), row.duration.c_str());
    };
    events.silence = [&silenceTold](int seconds) {
        if (!silenceTold)
            std::fprintf(stderr, "\nNo data has arrived for %d seconds: check the cable (Ctrl+C stops).", seconds);
        silenceTold = true;
    };
    session.Poll();
    while (!session.Completed() && !session.Lost()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        session.Poll();
    }
    session.Close();
    session.Poll();  // the flights listed from the last bytes
    std::fprintf(stderr, "\n");
    if (session.Lost())
        throw ToolError{"the connection to the logger was lost (" + session.LostReason() +
                        "); nothing was written: check the cable and download again"};
    if (!session.Parser().SignatureFound())
        throw ToolError{"the transfer ended without the logger's signature; nothing was written"};

    // Kept in the logbook first: the logger's memory may be gone next.
    const FileTime now = FileTimeFromUnixMs(QDateTime::currentMSecsSinceEpoch());
    bool kept = !archive;
    if (archive) {
        auto book = Logbook::Open(Logbook::DefaultFolder(), config);
        auto result = book ? KeepDownload(**book, session.Image(), session.BuildListedFlights(now), now)
                           : Result<KeptDownload>(Fail(book.Error()));
        if (result) {
            kept = true;
            std::fprintf(stderr, "%s\n", KeptText(*result).c_str());
        } else {
            std::fprintf(stderr, "nivra-tool: the download could not be kept in the logbook: %s\n",
                         result.Error().c_str());
        }
    }
    const std::vector<NumberedLog> logs = session.BuildLogs(settings.skipShortLogsLen, now);
    std::vector<const BrixoLog*> pointers;
    for (const NumberedLog& l : logs) {
        pointers.push_back(&l.log);
        std::fprintf(stderr, "%s\n", LogName(l.number, l.log.Duration()).c_str());
    }
    if (Status written = WriteFileSafely(out->second, AltFileText(pointers)); !written)
        throw ToolError{out->second + ": " + written.Error()};
    std::fprintf(stderr, "%zu logs written to %s\n", logs.size(), out->second.c_str());
    // Kept, but said: the raw bytes are what the logger sent, yet they may not be what it holds.
    int status = kept ? 0 : kNotKeptStatus;
    for (size_t i = 0; i < session.Flights().size(); ++i)
        if (!session.Flights()[i].damage.empty()) {
            std::fprintf(stderr, "Flight %zu looks damaged: %s\n", i + 1, session.Flights()[i].damage.c_str());
            status = kDamagedStatus;
        }
    if (session.EndsInsideAFlight()) {
        std::fprintf(stderr,
                     "The memory ends inside a flight: that flight is missing, the ones before it are "
                     "written.\n");
        status = kCutShortStatus;
    }
    return status;
}
