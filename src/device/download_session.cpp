#include "device/download_session.h"

#include <algorithm>

DownloadSession::DownloadSession(const Configuration& config, uint32_t minimumDuration)
    : m_config(config), m_parser(minimumDuration)
{
}

DownloadSession::~DownloadSession()
{
    Close();  // the reader stops before the buffer goes
}

Status DownloadSession::Start(std::unique_ptr<ByteSource> source)
{
    if (m_source)
        return Fail("the download has its source already");
    m_lastData = m_clock();
    m_source = std::move(source);
    return m_source->Start(*this);
}

Status DownloadSession::Open(const std::string& portName, uint32_t bitsPerSecond)
{
    return Start(std::make_unique<SerialSource>(portName, bitsPerSecond));
}

Status DownloadSession::Replay(const std::vector<uint8_t>& image)
{
    return Start(std::make_unique<ImageSource>(image));
}

void DownloadSession::Collect(const uint8_t* bytes, uint32_t count)
{
    // On the reader thread: store, and mark the end for Poll to see.
    const ReceiveBuffer::Appended a = m_buffer->Append(bytes, count);
    using End = ReceiveBuffer::End;
    m_endIfQuiet.store(a.end == End::IfQuiet, std::memory_order_release);
    if (a.end == End::Complete || a.end == End::NoSignature) {
        m_source->Stop();
        m_readerComplete.store(true, std::memory_order_release);
    }
}

void DownloadSession::LineLost(const std::string& reason)
{
    {
        const std::lock_guard<std::mutex> lock(m_reasonMutex);
        m_readerLostReason = reason;
    }
    m_readerLost.store(true, std::memory_order_release);
}

void DownloadSession::Ended()
{
    // A saved image is all there is: it ends where the file ends.
    m_readerComplete.store(true, std::memory_order_release);
}

void DownloadSession::Poll()
{
    const auto now = m_clock();
    if (!m_lastData)
        m_lastData = now;
    const bool active = !m_completed && !m_lost;
    const uint64_t arrived = m_buffer->Arrived();
    if (arrived != m_lastArrived) {
        m_lastArrived = arrived;
        m_lastData = now;
        if (active && m_events.progress)
            m_events.progress(arrived);
    }
    if (active && m_readerComplete.load(std::memory_order_acquire)) {
        Complete();
    } else if (active && m_readerLost.load(std::memory_order_acquire)) {
        m_lost = true;
        {
            const std::lock_guard<std::mutex> lock(m_reasonMutex);
            m_lostReason = m_readerLostReason;
        }
        if (const std::string help = m_source ? m_source->LostHelp() : std::string(); !help.empty())
            m_lostReason += "\n" + help;
        if (m_events.lost)
            m_events.lost(m_lostReason);
    } else if (active && m_endIfQuiet.load(std::memory_order_acquire) && now - *m_lastData >= m_quietEnd) {
        // Zeros before any signature (a line held low at power-on) end the transfer only
        // when nothing follows them; a logger that goes on sending is received as usual.
        m_source->Stop();
        Complete();
    } else if (active && m_lastArrived > 0 && now - *m_lastData >= m_silenceLimit && m_events.silence) {
        // Only in the middle of a transfer: before it, the user is still plugging in.
        m_events.silence(static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(now - *m_lastData).count()));
    }
    ListNewFlights();
}

void DownloadSession::Complete()
{
    if (m_buffer->Arrived() == 0)
        return;
    m_completed = true;
    // The counters cannot tell which flight lost the bytes: each one is in doubt.
    if (const auto errors = m_source ? m_source->ErrorsSinceStart() : std::nullopt; errors && errors->Any())
        m_lineDamage = LineErrorText(*errors);
    for (FlightEntry& f : m_parser.Flights())
        if (!m_lineDamage.empty() && f.damage.empty())
            f.damage = m_lineDamage;
    ListNewFlights();
    if (m_events.completed)
        m_events.completed();
}

void DownloadSession::ListNewFlights()
{
    m_parser.Run(m_buffer->Data(), m_buffer->Received(), m_config);
    auto& flights = m_parser.Flights();
    while (m_listed < flights.size()) {
        // Counted before it is told: a receiver that runs an event loop (a message box) may
        // have Poll called again meanwhile, which must not list the same flight twice.
        const size_t index = m_listed++;
        if (!m_lineDamage.empty() && flights[index].damage.empty())
            flights[index].damage = m_lineDamage;
        if (m_events.flightListed)
            m_events.flightListed(index);
    }
}

void DownloadSession::Close()
{
    if (m_source)
        m_source->Close();
}

std::vector<uint8_t> DownloadSession::Image() const
{
    // Every byte as received: what came before the signature (the logger's version and serial
    // number), then the memory. A replay skips the first as a download does.
    std::vector<uint8_t> image = m_buffer->Preamble();
    image.insert(image.end(), m_buffer->Data(), m_buffer->Data() + m_buffer->Received());
    return image;
}

std::vector<NumberedLog> DownloadSession::BuildLogs(uint32_t skipShortLogsLen, FileTime now) const
{
    return BuildDownloadedLogs(m_buffer->Data(), m_buffer->Received(), m_parser.Flights(), m_config, skipShortLogsLen,
                               now);
}

std::optional<BrixoLog> DownloadSession::BuildFlight(size_t index) const
{
    if (index >= m_parser.Flights().size())
        return std::nullopt;
    std::vector<BuiltFlight> built =
        BuildFlights(m_buffer->Data(), m_buffer->Received(), {m_parser.Flights()[index]}, m_config, 0);
    if (built.empty())
        return std::nullopt;
    return std::move(built.front().log);
}

std::vector<BuiltFlight> DownloadSession::BuildListedFlights(FileTime now) const
{
    std::vector<BuiltFlight> flights =
        BuildFlights(m_buffer->Data(), m_buffer->Received(), m_parser.Flights(), m_config, now);
    // Where each block lies in Image(), which begins with what came before the signature.
    for (BuiltFlight& f : flights)
        f.offset += static_cast<uint32_t>(m_buffer->Preamble().size());
    return flights;
}
