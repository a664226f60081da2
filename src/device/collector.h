#pragma once

#include <cstdint>
#include <string>

// The byte sink the serial link hands every received chunk to, on its reader thread.
class Collector {
public:
    // bytes are valid only during the call; count is at least 1. The sink keeps what it can:
    // the link cannot send anything again.
    virtual void Collect(const uint8_t* bytes, uint32_t count) = 0;
    // The line is gone (the logger unplugged, the other end closed); no byte follows. Called
    // once, on the reader thread, with the system's reason.
    virtual void LineLost(const std::string& reason) { (void)reason; }
    // The source has nothing more to give (a saved image handed over whole): the transfer is
    // complete. Called at most once, after the last chunk.
    virtual void Ended() {}

protected:
    ~Collector() = default;
};
