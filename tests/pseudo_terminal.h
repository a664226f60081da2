#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// A pseudo-terminal pair: the test writes into the master, the code under test
// opens the other end by its path, as it would a serial port.
struct PseudoTerminal {
    int master = -1;
    std::string path;

    PseudoTerminal()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        // Not inherited by programs the test starts, so closing it here hangs the line up.
        if (master >= 0)
            fcntl(master, F_SETFD, FD_CLOEXEC);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            path = ptsname(master);
    }
    ~PseudoTerminal()
    {
        if (master >= 0)
            close(master);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    void Write(const std::vector<uint8_t>& bytes, size_t from = 0, size_t to = SIZE_MAX) const
    {
        to = std::min(to, bytes.size());
        for (size_t at = from; at < to;) {
            const ssize_t n = write(master, bytes.data() + at, std::min<size_t>(512, to - at));
            if (n > 0)
                at += static_cast<size_t>(n);
        }
    }
};
