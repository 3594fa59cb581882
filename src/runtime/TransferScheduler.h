#pragma once
// The data-transfer list at work. A timed item copies every period (100 ms
// units); a triggered item copies when its trigger bit goes OFF->ON (1),
// ON->OFF (2) or either way (3), the first reading being only the starting
// state. An item with a valid window runs only while that screen is shown;
// an item with limited executions stops after that many copies. A copy
// moves `count` bits or words (double words: twice the compiled count of
// words) from the source to the destination.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/PanelImage.h"

namespace balsar::runtime {

class RegisterBank;

class TransferScheduler {
public:
    void Reset(const std::vector<TransferRecord>& items);
    void Step(uint32_t milliseconds, uint16_t currentScreen, const std::vector<TransferRecord>& items,
              RegisterBank& registers);
    // Copies an item made so far.
    uint32_t Executions(size_t item) const { return item < m_states.size() ? m_states[item].done : 0; }
    // Values one copy of the item moves.
    static size_t ValuesOf(const TransferRecord& item);

private:
    struct State {
        uint64_t elapsed = 0; // milliseconds into the period
        int trigger = -1; // last trigger state, -1 before the first reading
        uint32_t done = 0;
    };
    static void Copy(const TransferRecord& item, RegisterBank& registers);

    std::vector<State> m_states;
};

} // namespace balsar::runtime
