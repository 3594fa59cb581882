#include "runtime/AlarmMonitor.h"

#include <algorithm>

#include "runtime/RegisterBank.h"

namespace balsar::runtime {

void AlarmMonitor::Reset(const EventSection& events, bool buzzerMuted) {
    m_active.assign(events.items.size(), false);
    m_history.clear();
    m_muted = buzzerMuted;
    m_buzzer = 0;
}

bool AlarmMonitor::Holds(const EventItemRecord& item, const RegisterBank& registers) {
    if (!item.WordAddress()) {
        return registers.ReadBit(item.address) == item.TriggerOnSet();
    }
    const bool signedValue = item.upper < 0 || item.lower < 0;
    const int words = item.address.ValueWords();
    const auto value = static_cast<int64_t>(
        registers.Read(item.address, signedValue ? DataType::Signed : DataType::Unsigned, words));
    const int64_t upper = item.upper;
    const int64_t lower = item.lower;
    switch (item.Comparison()) {
    case 0:
        return value < upper;
    case 1:
        return value > lower;
    case 2:
        return value >= lower && value <= upper;
    case 3:
        return value < lower || value > upper;
    case 4:
        return value >= lower;
    case 5:
        return value <= upper;
    default:
        return false;
    }
}

std::vector<size_t> AlarmMonitor::Check(const EventSection& events, const RegisterBank& registers, int64_t seconds) {
    std::vector<size_t> raised;
    m_active.resize(events.items.size(), false);
    for (size_t i = 0; i < events.items.size(); ++i) {
        const EventItemRecord& item = events.items[i];
        const bool holds = Holds(item, registers);
        if (holds == m_active[i]) {
            continue;
        }
        m_active[i] = holds;
        if (holds) {
            raised.push_back(i);
            m_history.push_front(EventEntry{i, seconds, -1});
            if (m_history.size() > kHistorySize) {
                m_history.pop_back();
            }
            if (item.Buzzer() && !m_muted) {
                const uint64_t length = item.buzzerSeconds == 0 ? kUntilKey : 1000ull * item.buzzerSeconds;
                m_buzzer = std::max(m_buzzer, length);
            }
        } else {
            const auto entry = std::find_if(m_history.begin(), m_history.end(),
                                            [i](const EventEntry& e) { return e.item == i && e.cleared < 0; });
            if (entry != m_history.end()) {
                entry->cleared = seconds;
            }
        }
    }
    return raised;
}

void AlarmMonitor::Step(uint32_t milliseconds) {
    if (m_buzzer != kUntilKey) {
        m_buzzer = m_buzzer > milliseconds ? m_buzzer - milliseconds : 0;
    }
}

size_t AlarmMonitor::ActiveCount() const { return static_cast<size_t>(std::count(m_active.begin(), m_active.end(), true)); }

} // namespace balsar::runtime
