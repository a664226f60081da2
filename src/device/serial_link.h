#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "device/collector.h"
#include "device/port_help.h"

#include <QThread>

// The speed table: the "Baudrate" setting is an index into it.
constexpr uint32_t kSpeeds[] = {9600, 19200, 115200, 460800, 921600};
uint32_t SpeedOfIndex(uint32_t index);  // an index outside the table means 9600

// The device a stored port name opens: "COM%d:" names map to fixed devices
// (COM1-32 ttyS, COM33-64 ttyUSB, COM65-96 ttyACM on Linux); any other name is a path,
// one without a folder ("ttyFoo") in /dev as the serial port library opens it.
std::string DevicePathOf(const std::string& portName);
// The stored name for a device: "COM%d:" when the table has it, else the device path itself.
std::string PortNameOf(const std::string& devicePath);

struct PortInfo {
    std::string name;         // as stored in the settings
    std::string device;       // what it opens
    std::string description;  // what the system says of it ("FT232R USB UART"), may be empty
    bool usb = false;         // a USB serial adapter, as the logger's cable is
};
// The serial ports of this machine.
std::vector<PortInfo> EnumeratePorts();
// Whether any of them is a USB serial port.
bool AnyUsbPort(const std::vector<PortInfo>& ports);

// The errors a serial driver counts on its line: bytes it lost (overrun: the
// receiver was not read in time; buffer overrun: its queue was full), bytes that
// arrived malformed (framing, parity), and breaks (the line held low).
struct LineErrorCounts {
    uint64_t overrun = 0, bufferOverrun = 0, framing = 0, parity = 0, breaks = 0;
    bool Any() const { return overrun || bufferOverrun || framing || parity || breaks; }
};
// "the port counted 2 overrun errors and 1 framing error during the transfer"; empty when none.
std::string LineErrorText(const LineErrorCounts& counts);

// The serial line to the logger: opened exclusively at 8N1 without flow
// control, DTR raised once, nothing ever written. A reader thread hands each
// received chunk of at most 1024 bytes to the collector, in arrival order.
class SerialLink {
public:
    SerialLink() = default;
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // The system's reason when the port cannot be opened (Failure() says what kind of failure),
    // or the link is open already.
    Status Open(const std::string& portName, uint32_t bitsPerSecond, Collector* collector);
    // Ends the reader and closes the port; false when nothing was open.
    bool Close();
    // Ends the reader at its next wait; the port stays open until Close. Safe from the reader thread.
    void Stop() { m_stop.store(true, std::memory_order_release); }
    bool IsOpen() const { return m_thread != nullptr; }
    // Whether the reader still reads: false once it has stopped (told to, or the line gone) and
    // has told the collector all it will, though the port may still be open.
    bool Reading() const { return IsOpen() && m_reading.load(std::memory_order_acquire); }

    // What kind of failure the last failed Open met.
    PortFailure Failure() const { return m_failure; }
    // The line errors the driver counted since the port was opened; nothing where the
    // driver keeps no counters (pseudo-terminals, some USB adapters) or nothing is open.
    std::optional<LineErrorCounts> ErrorsSinceOpen() const;

private:
    void Run(const std::string& device, uint32_t bitsPerSecond, Collector* collector);
    void Join();

    std::unique_ptr<QThread> m_thread;  // a QThread, so that Qt's serial port may use its notifiers
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_close{false};
    std::atomic<bool> m_finished{false};  // the reader's last act
    std::atomic<bool> m_reading{false};   // from the port's opening to the reader's last word
    PortFailure m_failure = PortFailure::Other;
    // The reader reports whether the port opened.
    std::mutex m_mutex;
    std::condition_variable m_changed;
    // What the reader thread made of the port, told to Open that waits for it.
    enum class OpenState { Waiting, Open, Failed };
    OpenState m_openState = OpenState::Waiting;
    std::string m_openError;
    // Set by the reader before it reports the port open; the descriptor stays valid until Close.
    int m_fd = -1;
    std::optional<LineErrorCounts> m_countsAtOpen;
};
