#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "device/collector.h"
#include "device/serial_link.h"

// Where a download's bytes come from: a serial line, a memory image saved before, or a test's
// scripted chunks. A source hands every chunk it receives to its sink, in order (on a thread of
// its own or on the caller's), and tells at most once that its line is gone or that it has
// nothing more to give.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Starts handing bytes to sink, which outlives the source's delivery; the reason when it
    // cannot start.
    virtual Status Start(Collector& sink) = 0;
    // Hands nothing more, soon; safe from the sink's own call. The bytes given stay given.
    virtual void Stop() = 0;
    // Ends delivery and releases what the source holds (a port).
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // The line errors counted since it started, where the source keeps such counts.
    virtual std::optional<LineErrorCounts> ErrorsSinceStart() const { return std::nullopt; }
    // What the user can do about a line that went away (the port's owner, its device); empty
    // when there is nothing to add.
    virtual std::string LostHelp() const { return {}; }
};

// The logger on a serial port.
class SerialSource final : public ByteSource {
public:
    SerialSource(std::string portName, uint32_t bitsPerSecond);
    // The system's words, then what stands in the way of opening the port and how to clear it.
    Status Start(Collector& sink) override;
    void Stop() override { m_link.Stop(); }
    void Close() override { m_link.Close(); }
    bool IsOpen() const override { return m_link.IsOpen(); }
    std::optional<LineErrorCounts> ErrorsSinceStart() const override { return m_link.ErrorsSinceOpen(); }
    std::string LostHelp() const override;

private:
    std::string m_portName, m_device;
    uint32_t m_bitsPerSecond;
    SerialLink m_link;
};

// A memory image saved before: handed over whole when it starts, in the chunks a serial line
// gives, and then ended, since it is all there is.
class ImageSource final : public ByteSource {
public:
    explicit ImageSource(std::vector<uint8_t> image) : m_image(std::move(image)) {}
    // An empty image is refused: no transfer would ever end with it.
    Status Start(Collector& sink) override;
    void Stop() override { m_stopped = true; }
    void Close() override { m_stopped = true; }
    bool IsOpen() const override { return false; }

private:
    std::vector<uint8_t> m_image;
    bool m_stopped = false;
};
