#include "runtime/TrendRecorder.h"

#include <algorithm>

#include "runtime/RegisterBank.h"

namespace balsar::runtime {

void TrendRecorder::Reset(const std::vector<TrendChannel>& channels) {
    m_buffers.clear();
    for (const TrendChannel& channel : channels) {
        Buffer buffer;
        buffer.address = channel.address;
        buffer.interval = 100 * uint64_t{std::max<uint32_t>(channel.sampling, 1)};
        buffer.capacity = std::clamp<size_t>(channel.points, 1, 4096);
        const int count = std::max<int>(channel.address.count, 1);
        buffer.words = std::min(channel.address.IsDoubleWord() ? 2 * count : count, 4);
        m_buffers.push_back(std::move(buffer));
    }
}

void TrendRecorder::Step(uint32_t milliseconds, const RegisterBank& registers) {
    for (Buffer& buffer : m_buffers) {
        buffer.elapsed += milliseconds;
        // A long step samples the value as it stands now, at most a full buffer.
        uint64_t due = buffer.elapsed / buffer.interval;
        buffer.elapsed %= buffer.interval;
        due = std::min<uint64_t>(due, buffer.capacity);
        for (uint64_t i = 0; i < due; ++i) {
            buffer.samples.push_back(registers.Raw(buffer.address, buffer.words));
            if (buffer.samples.size() > buffer.capacity) {
                buffer.samples.pop_front();
            }
        }
    }
}

const std::deque<uint64_t>& TrendRecorder::Samples(size_t channel) const {
    static const std::deque<uint64_t> kNone;
    return channel < m_buffers.size() ? m_buffers[channel].samples : kNone;
}

int TrendRecorder::Words(size_t channel) const { return channel < m_buffers.size() ? m_buffers[channel].words : 1; }

} // namespace balsar::runtime
