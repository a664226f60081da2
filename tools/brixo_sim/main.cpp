// brixo-sim: stands in for a Brixo on a serial line. It creates a
// pseudo-terminal (or opens a given port), prints the path to give Nivra as its
// port, and when the other side opens it sends a memory image the way the
// logger does: unasked, at the line speed, in chunks with short pauses, ending
// with six zero bytes.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "../make_examples/flight_generator.h"
#include "app/log_file.h"
#include "device/memory_image.h"

namespace {

const char kUsage[] =
    "usage: brixo-sim [FILE.alt] [--port PATH] [--baud BPS] [--chunk BYTES] [--garbage BYTES]\n"
    "  FILE.alt      send the logs of this file (default: three generated flights)\n"
    "  --port PATH   send on this serial device at once instead of a new pseudo-terminal\n"
    "  --baud BPS    line speed to pace the bytes at (default 921600)\n"
    "  --chunk BYTES bytes written at a time (default 256)\n"
    "  --garbage N   send N bytes of noise before the signature, as a logger may at power-on\n";

int Stop(const std::string& text)
{
    std::fprintf(stderr, "brixo-sim: %s\n", text.c_str());
    return 1;
}

std::vector<BrixoLog> GeneratedFlights(const Configuration& config)
{
    return {MakeFlight(config, 10, 1250.0, 30.0, {{300, 1.8, 0.8}, {600, -1.0, 0.0}, {300, -1.5, 0.0}}, 11),
            MakeFlight(config, 1, 600.0, 5.0, {{60, -0.4, 0.0}, {90, 0.5, 0.3}, {40, -1.3, 0.0}}, 12),
            MakeFlight(config, 5, 900.0, 10.0, {{400, 2.2, 1.0}, {500, -1.2, 0.0}}, 13)};
}

// A pseudo-terminal in raw mode; the path of its other end goes to path.
int OpenPseudoTerminal(std::string& path)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return -1;
    path = ptsname(master);
    // Raw from the start, so that no byte is translated before the reader sets its own mode.
    const int slave = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (slave >= 0) {
        termios t{};
        tcgetattr(slave, &t);
        cfmakeraw(&t);
        tcsetattr(slave, TCSANOW, &t);
        close(slave);
    }
    return master;
}

// A pseudo-terminal's master reports a hang-up while no one has the other end open.
bool OtherEndOpen(int master)
{
    pollfd p{master, POLLOUT, 0};
    return poll(&p, 1, 0) >= 0 && !(p.revents & POLLHUP);
}

}  // namespace

int main(int argc, char* argv[])
{
    std::string file, port;
    long baud = 921600, chunk = 256, garbage = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](long& out) {
            if (i + 1 >= argc || (out = std::strtol(argv[++i], nullptr, 10)) <= 0) {
                std::fputs(kUsage, stderr);
                std::exit(2);
            }
        };
        if (a == "--port" && i + 1 < argc)
            port = argv[++i];
        else if (a == "--baud")
            value(baud);
        else if (a == "--chunk")
            value(chunk);
        else if (a == "--garbage")
            value(garbage);
        else if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (!a.empty() && a[0] != '-' && file.empty())
            file = a;
        else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }

    Configuration config;
    if (!config.LoadBuiltIn())
        return Stop("the built-in configuration cannot be read");
    std::vector<BrixoLog> logs;
    if (!file.empty()) {
        AltReadResult read = ReadAltFile(file, config, 0);
        if (!read.Accepted() || read.deviceMissing)
            return Stop(file + ": " + read.Problem());
        for (NumberedLog& l : read.logs)
            logs.push_back(std::move(l.log));
    } else {
        logs = GeneratedFlights(config);
    }
    std::vector<uint8_t> image = MemoryImageOfLogs(logs);
    // Printable noise: never a signature byte, never a zero.
    std::vector<uint8_t> noise(static_cast<size_t>(garbage));
    uint32_t state = 7;
    for (uint8_t& b : noise) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(0x20 + (state >> 24) % 0x50);
    }
    image.insert(image.begin(), noise.begin(), noise.end());

    int fd = -1;
    const bool pseudoTerminal = port.empty();
    if (pseudoTerminal) {
        fd = OpenPseudoTerminal(port);
        if (fd < 0)
            return Stop(std::string("cannot create a pseudo-terminal: ") + std::strerror(errno));
        std::printf("%s\n", port.c_str());
        std::fflush(stdout);
        std::fprintf(stderr, "brixo-sim: give Nivra the port %s; sending when it is opened\n", port.c_str());
        while (!OtherEndOpen(fd))
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the reader sets its line up
    } else {
        fd = open(port.c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0)
            return Stop(port + ": " + std::strerror(errno));
    }

    std::fprintf(stderr, "brixo-sim: sending %zu bytes (%zu flights) at %ld bit/s\n", image.size(), logs.size(), baud);
    const auto start = std::chrono::steady_clock::now();
    for (size_t sent = 0; sent < image.size();) {
        if (pseudoTerminal && !OtherEndOpen(fd)) {
            // The reader let go (a cancelled download): a logger would go on into the void, the simulator stops.
            std::fprintf(stderr, "brixo-sim: the other end closed the line after %zu bytes\n", sent);
            close(fd);
            return 0;
        }
        const size_t n = std::min<size_t>(static_cast<size_t>(chunk), image.size() - sent);
        const ssize_t w = write(fd, image.data() + sent, n);
        if (w < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return Stop(std::string("write failed: ") + std::strerror(errno));
        }
        sent += static_cast<size_t>(w);
        // Ten bits a byte on the line: wait until the line would have carried them.
        const auto due = start + std::chrono::microseconds(static_cast<long long>(sent) * 10'000'000 / baud);
        std::this_thread::sleep_until(due);
    }
    std::fprintf(stderr, "brixo-sim: done in %.1f s\n",
                 std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    // Keep the line until the reader lets go, so that nothing it has not read is lost.
    for (int i = 0; pseudoTerminal && i < 600 && OtherEndOpen(fd); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    close(fd);
    return 0;
}
