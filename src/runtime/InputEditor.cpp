#include "runtime/InputEditor.h"

#include <algorithm>
#include <cmath>

namespace balsar::runtime {

void InputEditor::Begin(size_t element, const RegisterRecord& record, double shown) {
    m_active = true;
    m_element = element;
    m_field = NumberField(record);
    m_cursor = 0;
    m_fresh = true;
    m_typed = 0;
    const double units = shown / m_field.Step();
    m_units = std::isfinite(units) ? std::clamp(static_cast<int64_t>(std::llround(units)), LowestUnits(), LargestUnits())
                                   : 0;
    if (m_field.Password()) {
        m_units = 0;
    }
}

int InputEditor::Places() const { return std::max(m_field.IntegerDigits() + m_field.Decimals(), 1); }

int64_t InputEditor::LargestUnits() const {
    int64_t largest = 1;
    for (int i = 0; i < Places() && largest < (INT64_C(1) << 56); ++i) {
        largest *= Base();
    }
    return largest - 1;
}

int64_t InputEditor::LowestUnits() const { return m_field.Signed() ? -LargestUnits() : 0; }

void InputEditor::Digit(int digit) {
    if (!m_active || digit < 0 || digit > 9) {
        return;
    }
    if (m_fresh) {
        m_units = digit;
        m_fresh = false;
        m_typed = 1;
        return;
    }
    const int64_t next = m_units < 0 ? m_units * Base() - digit : m_units * Base() + digit;
    if (next <= LargestUnits() && next >= LowestUnits()) {
        m_units = next;
        ++m_typed;
    }
}

void InputEditor::StepAtCursor(int direction) {
    if (!m_active) {
        return;
    }
    int64_t place = 1;
    for (int i = 0; i < m_cursor; ++i) {
        place *= Base();
    }
    m_units = std::clamp(m_units + direction * place, LowestUnits(), LargestUnits());
    m_fresh = false;
    m_typed = std::max(m_typed, 1);
}

void InputEditor::Left() { m_cursor = std::min(m_cursor + 1, Places() - 1); }

void InputEditor::Right() { m_cursor = std::max(m_cursor - 1, 0); }

double InputEditor::Value() const { return static_cast<double>(m_units) * m_field.Step(); }

std::string InputEditor::Text() const {
    if (m_field.Password()) {
        return std::string(static_cast<size_t>(std::min(m_typed, m_field.Characters())), '*');
    }
    return m_field.Text(Value());
}

} // namespace balsar::runtime
