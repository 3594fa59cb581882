// The timing of a serial line at a baud rate, 8N1 (ten bit times per byte),
// for a pseudo-terminal that would otherwise carry bytes at once.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace panelsim {

class LinePacer {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // baudRate 0: no pacing, every byte arrives at once.
    explicit LinePacer(int baudRate);

    std::chrono::nanoseconds ByteTime() const { return m_byteTime; }
    // The time the last of n bytes, sent no earlier than now and after every
    // byte before them in the same direction, has crossed the line.
    TimePoint Inbound(size_t n, TimePoint now);
    TimePoint Outbound(size_t n, TimePoint now);

private:
    static TimePoint Advance(TimePoint& lineFree, std::chrono::nanoseconds perByte, size_t n, TimePoint now);

    std::chrono::nanoseconds m_byteTime{0};
    TimePoint m_inboundFree{};
    TimePoint m_outboundFree{};
};

} // namespace panelsim
