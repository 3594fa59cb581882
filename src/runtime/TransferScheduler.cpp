#include "runtime/TransferScheduler.h"

#include <algorithm>

#include "runtime/RegisterBank.h"

namespace balsar::runtime {

void TransferScheduler::Reset(const std::vector<TransferRecord>& items) { m_states.assign(items.size(), State{}); }

size_t TransferScheduler::ValuesOf(const TransferRecord& item) {
    const size_t count = item.source.count;
    return item.source.IsDoubleWord() ? 2 * count : count;
}

void TransferScheduler::Copy(const TransferRecord& item, RegisterBank& registers) {
    const size_t count = ValuesOf(item);
    registers.Refresh(item.source, count);
    registers.WriteValues(item.destination, registers.Values(item.source, count));
}

void TransferScheduler::Step(uint32_t milliseconds, uint16_t currentScreen, const std::vector<TransferRecord>& items,
                             RegisterBank& registers) {
    m_states.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const TransferRecord& item = items[i];
        State& state = m_states[i];
        const bool exhausted = item.Limited() && item.executions != 0 && state.done >= item.executions;
        const bool inWindow = !item.Windowed() || item.window == 0 || item.window == currentScreen;
        int due = 0;
        if (item.Timed()) {
            // In 64 bits: 100 times a 32-bit count of 100 ms overflows 32 bits
            // (a period of 2^30 wrapped to 0, 42949673 to 4 ms).
            const uint64_t period = 100u * uint64_t{std::max<uint32_t>(item.period, 1)};
            state.elapsed += milliseconds;
            due = static_cast<int>(state.elapsed / period);
            state.elapsed %= period;
        } else if (item.TriggerType() != 0) {
            registers.Refresh(item.trigger, 1);
            const int now = registers.ReadBit(item.trigger) ? 1 : 0;
            const bool rising = state.trigger == 0 && now == 1;
            const bool falling = state.trigger == 1 && now == 0;
            const int type = item.TriggerType();
            if ((rising && (type & 1) != 0) || (falling && (type & 2) != 0)) {
                due = 1;
            }
            state.trigger = now;
        }
        // A long step copies once: the values are the same either way.
        if (due > 0 && inWindow && !exhausted) {
            Copy(item, registers);
            ++state.done;
        }
    }
}

} // namespace balsar::runtime
