#pragma once
// Entering a value into a register element from the keypad. The value is
// kept as a whole number of the field's last digit (hexadecimal digits for
// the hexadecimal type):
//   digit keys    the first one replaces the value, the next ones shift in
//                 from the right while the digits hold them;
//   up / down     add or subtract one at the cursor's digit, inside the
//                 range the digits can show (this also crosses zero into
//                 negative values for the signed types);
//   left / right  move the cursor to a more / less significant digit
//                 (it starts on the last digit).
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/NumberField.h"

namespace balsar::runtime {

class InputEditor {
public:
    // Starts on the element at list position `element` with its shown value.
    void Begin(size_t element, const RegisterRecord& record, double shown);
    void End() { m_active = false; }
    bool Active() const { return m_active; }
    size_t Element() const { return m_element; }
    const NumberField& Field() const { return m_field; }

    void Digit(int digit);
    void Up() { StepAtCursor(+1); }
    void Down() { StepAtCursor(-1); }
    // Towards the more significant digits.
    void Left();
    void Right();
    int Cursor() const { return m_cursor; }

    // The value entered, in shown units.
    double Value() const;
    // What the field shows while editing.
    std::string Text() const;

private:
    void StepAtCursor(int direction);
    int Base() const { return m_field.Type() == DataType::HexBcd ? 16 : 10; }
    int Places() const;
    int64_t LargestUnits() const;
    int64_t LowestUnits() const;

    bool m_active = false;
    size_t m_element = 0;
    NumberField m_field{RegisterRecord{}};
    int64_t m_units = 0;
    int m_cursor = 0;
    bool m_fresh = true;
    int m_typed = 0; // digits typed, shown as stars in a password field
};

} // namespace balsar::runtime
