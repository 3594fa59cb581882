#pragma once
// The trend buffers: every trend channel of the image samples its register
// every `sampling` x 100 ms, on every screen, and keeps its last `points`
// samples as raw register words.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "runtime/PanelImage.h"

namespace balsar::runtime {

class RegisterBank;

class TrendRecorder {
public:
    void Reset(const std::vector<TrendChannel>& channels);
    // Advances the clock; samples each channel whose interval has passed.
    void Step(uint32_t milliseconds, const RegisterBank& registers);
    // Samples of a channel, oldest first; empty for an unknown channel.
    const std::deque<uint64_t>& Samples(size_t channel) const;
    // Words a sample of the channel takes (1 to 4).
    int Words(size_t channel) const;

private:
    struct Buffer {
        AddressRecord address;
        uint64_t interval = 100; // milliseconds (100 times a 32-bit count overflows 32 bits)
        size_t capacity = 1;
        int words = 1;
        uint64_t elapsed = 0;
        std::deque<uint64_t> samples;
    };
    std::vector<Buffer> m_buffers;
};

} // namespace balsar::runtime
