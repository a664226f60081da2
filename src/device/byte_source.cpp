#include "device/byte_source.h"

#include <algorithm>

#include "device/port_help.h"

SerialSource::SerialSource(std::string portName, uint32_t bitsPerSecond)
    : m_portName(std::move(portName)), m_device(DevicePathOf(m_portName)), m_bitsPerSecond(bitsPerSecond)
{
}

Status SerialSource::Start(Collector& sink)
{
    const Status opened = m_link.Open(m_portName, m_bitsPerSecond, &sink);
    if (opened)
        return {};
    std::string error = opened.Error();
    if (const std::string help = PortHelp(m_device, m_link.Failure(), PortFactsOf(m_device)); !help.empty())
        error += "\n" + help;
    return Fail(error);
}

std::string SerialSource::LostHelp() const
{
    return LostPortHelp(PortFactsOf(m_device));
}

Status ImageSource::Start(Collector& sink)
{
    if (m_image.empty())
        return Fail("it is empty: no memory image of the logger");
    for (size_t at = 0; at < m_image.size() && !m_stopped;) {
        const auto count = static_cast<uint32_t>(std::min<size_t>(m_image.size() - at, 1024));
        sink.Collect(m_image.data() + at, count);
        at += count;
    }
    sink.Ended();
    return {};
}
