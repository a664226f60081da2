#pragma once

#include <string>
#include <utility>
#include <variant>

// Why something failed, in words for the user ("No space left on device").
struct Failure {
    std::string reason;
};

inline Failure Fail(std::string reason)
{
    return {std::move(reason)};
}

// The outcome of something that can fail: a value, or the reason it failed. The caller
// must look at it (it is [[nodiscard]]) before taking the value.
template <typename T>
class [[nodiscard]] Result {
public:
    // A value or a failure converts to a result, so that a function returns either as it is.
    // NOLINTNEXTLINE(google-explicit-constructor)
    Result(T value) : m_outcome(std::in_place_index<0>, std::move(value)) {}
    // NOLINTNEXTLINE(google-explicit-constructor)
    Result(Failure failure) : m_outcome(std::in_place_index<1>, std::move(failure)) {}

    bool Ok() const { return m_outcome.index() == 0; }
    explicit operator bool() const { return Ok(); }
    T& Value() { return std::get<0>(m_outcome); }
    const T& Value() const { return std::get<0>(m_outcome); }
    T& operator*() { return Value(); }
    const T& operator*() const { return Value(); }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }
    // The reason; only for a failed result.
    const std::string& Error() const { return std::get<1>(m_outcome).reason; }

private:
    std::variant<T, Failure> m_outcome;
};

// The outcome of something that can fail and gives nothing else.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    // NOLINTNEXTLINE(google-explicit-constructor)
    Result(Failure failure) : m_failed(true), m_reason(std::move(failure.reason)) {}

    bool Ok() const { return !m_failed; }
    explicit operator bool() const { return Ok(); }
    const std::string& Error() const { return m_reason; }

private:
    bool m_failed = false;
    std::string m_reason;
};

using Status = Result<void>;
