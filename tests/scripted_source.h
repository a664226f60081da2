#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "device/byte_source.h"

// A download's bytes as a test scripts them: handed to the session on the test's own thread,
// when the test says, so that no pseudo-terminal, thread or wait stands between a byte and
// what the session makes of it. The test keeps the line; the session owns the source.
class ScriptedLine {
public:
    std::unique_ptr<ByteSource> Source() { return std::make_unique<Source_>(m_state); }

    // Bytes [from, to) of these, in the chunks a serial line gives; nothing once stopped.
    void Send(const std::vector<uint8_t>& bytes, size_t from = 0, size_t to = SIZE_MAX)
    {
        to = std::min(to, bytes.size());
        for (size_t at = from; at < to && m_state->sink && !m_state->stopped;) {
            const auto count = static_cast<uint32_t>(std::min<size_t>(to - at, 1024));
            m_state->sink->Collect(bytes.data() + at, count);
            at += count;
        }
    }
    // The cable pulled.
    void Unplug(const std::string& reason = "the port went away (scripted)")
    {
        if (m_state->sink && !m_state->stopped)
            m_state->sink->LineLost(reason);
    }
    bool Stopped() const { return m_state->stopped; }
    bool Closed() const { return m_state->closed; }

private:
    struct State {
        Collector* sink = nullptr;
        bool stopped = false, closed = false;
    };
    class Source_ final : public ByteSource {
    public:
        explicit Source_(std::shared_ptr<State> state) : m_state(std::move(state)) {}
        Status Start(Collector& sink) override
        {
            m_state->sink = &sink;
            return {};
        }
        void Stop() override { m_state->stopped = true; }
        void Close() override { m_state->closed = m_state->stopped = true; }
        bool IsOpen() const override { return m_state->sink && !m_state->closed; }

    private:
        std::shared_ptr<State> m_state;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

// A clock a test steps on, for the session's silences and quiet ends.
struct SteppedClock {
    std::chrono::steady_clock::time_point now{};
    void Step(int ms) { now += std::chrono::milliseconds(ms); }
};
