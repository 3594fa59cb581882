#pragma once
// The event and alarm list at work: every item watches its address; when
// its condition becomes true an event is recorded (newest first) with the
// panel's date and time, and the buzzer sounds for the item's time; when
// the condition ends the event is marked cleared.
//
// A bit item is true while its bit has the triggering state. A word item
// compares the word with its bounds: "<" below the upper bound, ">" above
// the lower bound, "==" inside [lower, upper], "<>" outside it, ">=" from
// the lower bound, "<=" up to the upper bound. The word is taken unsigned
// unless a bound is negative.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "runtime/PanelImage.h"

namespace balsar::runtime {

class RegisterBank;

struct EventEntry {
    size_t item = 0;
    int64_t raised = 0;   // panel clock seconds
    int64_t cleared = -1; // -1 while still active
};

class AlarmMonitor {
public:
    // Events kept in the history; older ones drop out.
    static constexpr size_t kHistorySize = 128;

    void Reset(const EventSection& events, bool buzzerMuted);
    // Evaluates every item; returns the items that have just become true.
    std::vector<size_t> Check(const EventSection& events, const RegisterBank& registers, int64_t seconds);
    // Whether an item's condition holds for a value (exposed for tests).
    static bool Holds(const EventItemRecord& item, const RegisterBank& registers);
    void Step(uint32_t milliseconds);

    bool Buzzing() const { return m_buzzer != 0; }
    // Stops the buzzer (any key press does).
    void Silence() { m_buzzer = 0; }
    bool Active(size_t item) const { return item < m_active.size() && m_active[item]; }
    size_t ActiveCount() const;
    const std::deque<EventEntry>& History() const { return m_history; }
    void ClearHistory() { m_history.clear(); }

private:
    std::vector<bool> m_active;
    std::deque<EventEntry> m_history;
    bool m_muted = false;
    // Milliseconds the buzzer still sounds; kUntilKey sounds until a key.
    static constexpr uint64_t kUntilKey = UINT64_MAX;
    uint64_t m_buzzer = 0;
};

} // namespace balsar::runtime
