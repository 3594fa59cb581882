#include "LinePacer.h"

#include <algorithm>

namespace panelsim {

LinePacer::LinePacer(int baudRate) {
    if (baudRate > 0) {
        m_byteTime = std::chrono::nanoseconds(10'000'000'000LL / baudRate);
    }
}

LinePacer::TimePoint LinePacer::Advance(TimePoint& lineFree, std::chrono::nanoseconds perByte, size_t n,
                                        TimePoint now) {
    const TimePoint start = std::max(now, lineFree);
    lineFree = start + perByte * static_cast<long long>(n);
    return lineFree;
}

LinePacer::TimePoint LinePacer::Inbound(size_t n, TimePoint now) {
    return Advance(m_inboundFree, m_byteTime, n, now);
}

LinePacer::TimePoint LinePacer::Outbound(size_t n, TimePoint now) {
    return Advance(m_outboundFree, m_byteTime, n, now);
}

} // namespace panelsim
