// Time source of the transfer routines. The waits of a run (the panel restart,
// the pauses between reconnection attempts, the pause before reading the panel
// information) go through it so tests can run them instantly.
#pragma once

#include <chrono>

namespace caldo {

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic time.
    virtual std::chrono::milliseconds Now() = 0;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// The real monotonic clock.
class SteadyClock : public Clock {
public:
    std::chrono::milliseconds Now() override;
    void Sleep(std::chrono::milliseconds duration) override;
};

// A point in time measured on a clock; Remaining() never goes below zero.
class Deadline {
public:
    Deadline(Clock& clock, std::chrono::milliseconds timeout)
        : m_clock(clock), m_end(clock.Now() + timeout) {}
    std::chrono::milliseconds Remaining() const;
    bool Expired() const { return Remaining().count() == 0; }

private:
    Clock& m_clock;
    std::chrono::milliseconds m_end;
};

} // namespace caldo
