#include "device/serial_link.h"

#include "base/tr_text.h"
#include "device/memory_image.h"

#include <grp.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QThread>

#include <cstdlib>

#if defined(__linux__)
#include <linux/serial.h>
#endif

namespace {

struct DeviceRange {
    int first, last;
    const char* prefix;
};
// A name means the same device on every run.
constexpr DeviceRange kDeviceTable[] = {
    {1, 32, "/dev/ttyS"},
    {33, 64, "/dev/ttyUSB"},
    {65, 96, "/dev/ttyACM"},
};

// The number a "COM%d:" name carries, read from its fourth character; -1 without one.
int PortNumber(const std::string& name)
{
    if (name.size() < 4 || (name.compare(0, 3, "COM") != 0 && name.compare(0, 3, "com") != 0))
        return -1;
    if (name[3] < '0' || name[3] > '9')
        return -1;
    return std::atoi(name.c_str() + 3);
}

// The driver's error counters of an open line, where it keeps them.
std::optional<LineErrorCounts> ReadLineCounts(int fd)
{
#if defined(__linux__) && defined(TIOCGICOUNT)
    serial_icounter_struct c{};
    if (fd < 0 || ioctl(fd, TIOCGICOUNT, &c) != 0)
        return std::nullopt;
    auto count = [](int v) {
        return static_cast<uint64_t>(static_cast<unsigned>(v));
    };
    return LineErrorCounts{count(c.overrun), count(c.buf_overrun), count(c.frame), count(c.parity), count(c.brk)};
#else
    (void)fd;
    return std::nullopt;
#endif
}

}  // namespace

std::string LineErrorText(const LineErrorCounts& counts)
{
    // Each kind as one and as more (the count is never 0 here), so that every language says
    // "1 framing error" and "2 framing errors" in its own words.
    const struct {
        uint64_t n;
        const char* one;
        const char* more;
    } kinds[] = {
        {counts.overrun, QT_TRANSLATE_NOOP("SerialLink", "%1 overrun error"),
         QT_TRANSLATE_NOOP("SerialLink", "%1 overrun errors")},
        {counts.bufferOverrun, QT_TRANSLATE_NOOP("SerialLink", "%1 buffer overrun"),
         QT_TRANSLATE_NOOP("SerialLink", "%1 buffer overruns")},
        {counts.framing, QT_TRANSLATE_NOOP("SerialLink", "%1 framing error"),
         QT_TRANSLATE_NOOP("SerialLink", "%1 framing errors")},
        {counts.parity, QT_TRANSLATE_NOOP("SerialLink", "%1 parity error"),
         QT_TRANSLATE_NOOP("SerialLink", "%1 parity errors")},
        {counts.breaks, QT_TRANSLATE_NOOP("SerialLink", "%1 break"), QT_TRANSLATE_NOOP("SerialLink", "%1 breaks")},
    };
    std::vector<std::string> parts;
    for (const auto& kind : kinds)
        if (kind.n > 0)
            parts.push_back(TrText("SerialLink", kind.n == 1 ? kind.one : kind.more, {std::to_string(kind.n)}));
    if (parts.empty())
        return {};
    // "a, b and c"
    std::string list = parts[0];
    for (size_t i = 1; i < parts.size(); ++i)
        list = i + 1 == parts.size()
                   ? TrText("SerialLink", QT_TRANSLATE_NOOP("SerialLink", "%1 and %2"), {list, parts[i]})
                   : list + ", " + parts[i];
    return TrText("SerialLink", QT_TRANSLATE_NOOP("SerialLink", "the port counted %1 during the transfer"), {list});
}

uint32_t SpeedOfIndex(uint32_t index)
{
    return index < std::size(kSpeeds) ? kSpeeds[index] : kSpeeds[0];
}

std::string DevicePathOf(const std::string& portName)
{
    const int n = PortNumber(portName);
    for (const DeviceRange& r : kDeviceTable)
        if (n >= r.first && n <= r.last)
            return r.prefix + std::to_string(n - r.first);
    // What the serial port library makes of a bare name.
    if (portName.empty() || portName[0] == '/' || portName.rfind("./", 0) == 0 || portName.rfind("../", 0) == 0)
        return portName;
    return "/dev/" + portName;
}

std::string PortNameOf(const std::string& devicePath)
{
    for (const DeviceRange& r : kDeviceTable) {
        const std::string prefix = r.prefix;
        if (devicePath.compare(0, prefix.size(), prefix) != 0 || devicePath.size() == prefix.size())
            continue;
        const std::string digits = devicePath.substr(prefix.size());
        if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 3)
            continue;
        const int n = r.first + std::atoi(digits.c_str());
        if (n <= r.last)
            return "COM" + std::to_string(n) + ":";
    }
    return devicePath;
}

std::vector<PortInfo> EnumeratePorts()
{
    std::vector<PortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string device = info.systemLocation().toStdString();
        const bool usb = info.hasVendorIdentifier() || device.find("/ttyUSB") != std::string::npos ||
                         device.find("/ttyACM") != std::string::npos;
        ports.push_back({PortNameOf(device), device, info.description().trimmed().toStdString(), usb});
    }
    return ports;
}

bool AnyUsbPort(const std::vector<PortInfo>& ports)
{
    return std::any_of(ports.begin(), ports.end(), [](const PortInfo& p) { return p.usb; });
}

SerialLink::~SerialLink()
{
    Close();
}

Status SerialLink::Open(const std::string& portName, uint32_t bitsPerSecond, Collector* collector)
{
    m_failure = PortFailure::Other;
    if (IsOpen())
        return Fail("the link is open already");
    if (portName.empty())
        return Fail(TrText("SerialLink", QT_TRANSLATE_NOOP("SerialLink", "no port is chosen")));
    m_stop = false;
    m_close = false;
    m_finished = false;
    m_reading = true;
    m_openState = OpenState::Waiting;
    m_fd = -1;
    m_countsAtOpen.reset();
    // The port lives on the reader thread; it reports whether it could open it.
    m_thread.reset(QThread::create(&SerialLink::Run, this, DevicePathOf(portName), bitsPerSecond, collector));
    m_thread->start(QThread::HighestPriority);
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_openState != OpenState::Waiting; });
    if (m_openState == OpenState::Open)
        return {};
    lock.unlock();
    Join();
    return Fail(m_openError);
}

bool SerialLink::Close()
{
    if (!IsOpen())
        return false;
    m_stop = true;
    {
        std::lock_guard lock(m_mutex);
        m_close = true;
    }
    m_changed.notify_all();
    Join();
    return true;
}

void SerialLink::Run(const std::string& device, uint32_t bitsPerSecond, Collector* collector)
{
    QSerialPort port;
    port.setPortName(QString::fromStdString(device));
    const bool opened = port.open(QIODevice::ReadWrite) && port.setBaudRate(static_cast<qint32>(bitsPerSecond)) &&
                        port.setDataBits(QSerialPort::Data8) && port.setParity(QSerialPort::NoParity) &&
                        port.setStopBits(QSerialPort::OneStop) && port.setFlowControl(QSerialPort::NoFlowControl);
    {
        std::lock_guard lock(m_mutex);
        if (!opened) {
            m_openError = port.errorString().toStdString();
            m_failure = port.error() == QSerialPort::PermissionError       ? PortFailure::Refused
                        : port.error() == QSerialPort::DeviceNotFoundError ? PortFailure::NotFound
                                                                           : PortFailure::Other;
            m_openState = OpenState::Failed;
        } else {
            m_fd = static_cast<int>(port.handle());
            m_countsAtOpen = ReadLineCounts(m_fd);
            m_openState = OpenState::Open;
        }
        m_changed.notify_all();
    }
    if (!opened) {
        m_reading.store(false, std::memory_order_release);
        m_finished.store(true, std::memory_order_release);
        return;
    }
    // Most loggers send without it, and a pseudo-terminal has no such line: said, not fatal.
    if (!port.setDataTerminalReady(true))
        qCInfo(lcDownload, "DTR could not be raised on %s: %s", device.c_str(), qPrintable(port.errorString()));

    char area[1024];
    // A device that went away shows as a resource error, or (a pseudo-terminal whose other end
    // closed) as read errors that come back at once on every try.
    int failures = 0;
    bool lost = false;
    std::string reason;
    auto failed = [&port, &failures, &lost, &reason] {
        const QSerialPort::SerialPortError e = port.error();
        if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError) {
            failures = 0;
        } else {
            // The system's words for a vanished device ("Inappropriate ioctl for device" for a
            // pseudo-terminal whose other end closed) do not say what happened.
            reason = TrText("SerialLink", QT_TRANSLATE_NOOP("SerialLink", "the port went away (%1)"),
                            {port.errorString().toStdString()});
            lost = e == QSerialPort::ResourceError || ++failures >= 3;
            if (!lost)
                QThread::msleep(20);  // not a busy loop while it is told
        }
        port.clearError();
    };
    while (!m_stop.load(std::memory_order_acquire) && !lost) {
        // A wait ends on data or after 100 ms, so a stop is seen soon.
        if (port.bytesAvailable() == 0 && !port.waitForReadyRead(100)) {
            failed();
            continue;
        }
        while (!m_stop.load(std::memory_order_acquire)) {
            const qint64 n = port.read(area, sizeof area);
            if (n <= 0) {
                if (n < 0)
                    failed();
                break;
            }
            failures = 0;
            collector->Collect(reinterpret_cast<const uint8_t*>(area), static_cast<uint32_t>(n));
        }
    }
    if (lost && !m_stop.load(std::memory_order_acquire))
        collector->LineLost(reason);
    m_reading.store(false, std::memory_order_release);
    // The port stays open until Close.
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_close.load(); });
    }
    port.close();
    m_finished.store(true, std::memory_order_release);
}

std::optional<LineErrorCounts> SerialLink::ErrorsSinceOpen() const
{
    if (!IsOpen() || !m_countsAtOpen)
        return std::nullopt;
    const std::optional<LineErrorCounts> now = ReadLineCounts(m_fd);
    if (!now)
        return std::nullopt;
    const LineErrorCounts& then = *m_countsAtOpen;
    // A counter below its first value was reset by the driver: all it holds is new.
    auto since = [](uint64_t latest, uint64_t first) {
        return latest >= first ? latest - first : latest;
    };
    return LineErrorCounts{since(now->overrun, then.overrun), since(now->bufferOverrun, then.bufferOverrun),
                           since(now->framing, then.framing), since(now->parity, then.parity),
                           since(now->breaks, then.breaks)};
}

void SerialLink::Join()
{
    m_thread->wait();
    // Everything the reader did happened before this (the thread's end alone is not visible to every checker).
    while (!m_finished.load(std::memory_order_acquire))
        QThread::yieldCurrentThread();
    m_thread.reset();
}
