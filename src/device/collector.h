#pragma once

#include <cstdint>

// The byte sink the serial link hands every received chunk to, on its reader thread.
class t_collector {
public:
    // bytes are valid only during the call; count is at least 1. Returns the bytes taken.
    virtual uint32_t Collect(const uint8_t* bytes, uint32_t count) = 0;

protected:
    ~t_collector() = default;
};
