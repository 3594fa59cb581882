#pragma once
// What a function key does, as its compiled function block says:
//   jump        0 to the target screen, 1 back to the previous screen,
//               2 to the password screen, 3 to the alarm screen;
//   bit 0x10..  set ON, set OFF, invert, momentary (ON while held), and the
//               four screen modes (ON / OFF when its screen is entered or
//               left), which a press does not trigger;
//   word 0x20.. set the constant; add / subtract once, stopping at the
//               limit; increment / decrement while held, first after the
//               delay, then at the execution rate (at once on pressing when
//               the immediate flag is set); set on entering / leaving the
//               screen; add and increment that start again from 0 once the
//               limit would be passed.
// Values are taken signed when the constant or the limit is negative.
#include <cstdint>
#include <optional>

#include "runtime/PanelImage.h"

namespace balsar::runtime {

class RegisterBank;

class KeyActions {
public:
    enum JumpKind { JUMP_TO_SCREEN = 0, JUMP_BACK = 1, JUMP_PASSWORD = 2, JUMP_ALARMS = 3 };
    struct Jump {
        int kind = JUMP_TO_SCREEN;
        uint16_t target = 0;
    };

    // A key pressed (and held until Release). Returns the jump of a jump key.
    std::optional<Jump> Press(const KeyRecord& key, RegisterBank& registers);
    // The held key was released.
    void Release(RegisterBank& registers);
    // Repeats of a held increment or decrement key.
    void Step(uint32_t milliseconds, RegisterBank& registers);
    // The screen actions of the keys of a screen being entered or left.
    void Enter(const ScreenRecord& screen, RegisterBank& registers);
    void Leave(const ScreenRecord& screen, RegisterBank& registers);
    bool Holding() const { return m_held != nullptr; }

private:
    // One step of a word key in its mode.
    static void WordStep(const KeyRecord& key, RegisterBank& registers);
    static void WordSet(const KeyRecord& key, RegisterBank& registers);

    const KeyRecord* m_held = nullptr;
    // Milliseconds, in 64 bits: a repeat delay of 2^30 tenths wrapped to 0 in
    // 32 bits, and the repeat loop never ended.
    uint64_t m_heldFor = 0;
    uint64_t m_nextRepeat = 0;
};

} // namespace balsar::runtime
