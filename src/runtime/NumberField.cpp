#include "runtime/NumberField.h"

#include <algorithm>
#include <cmath>

namespace balsar::runtime {

namespace {

constexpr double kLargestExact = 9.0e15;

} // namespace

NumberField::NumberField(const RegisterRecord& record)
    : m_type(record.Type()), m_password(record.Password()), m_leadingZeros(record.LeadingZeros()),
      m_characters(record.Characters()), m_decimals(record.Decimals()), m_inputUpper(record.inputUpper),
      m_inputLower(record.inputLower), m_scaleUpper(record.scaleUpper), m_scaleLower(record.scaleLower) {
    if (m_type == DataType::HexBcd || m_password) {
        m_decimals = 0;
    }
    m_integerDigits = m_characters - m_decimals - (m_decimals > 0 ? 1 : 0) - (Signed() ? 1 : 0);
    m_integerDigits = std::max(m_integerDigits, 0);
}

bool NumberField::Signed() const {
    return !m_password && (m_type == DataType::Signed || m_type == DataType::Float || m_type == DataType::Double);
}

const char* NumberField::CharacterSet() const {
    switch (m_type) {
    case DataType::Unsigned:
        return "*.0123456789";
    case DataType::HexBcd:
        return "*0123456789ABCDEF";
    default:
        return m_password ? "*.0123456789" : "*-.0123456789";
    }
}

double NumberField::Shown(double registerValue) const {
    if (m_scaleUpper && m_scaleLower && m_inputUpper && m_inputLower && *m_inputUpper != *m_inputLower) {
        return *m_scaleLower +
               (registerValue - *m_inputLower) * (*m_scaleUpper - *m_scaleLower) / (*m_inputUpper - *m_inputLower);
    }
    return registerValue;
}

double NumberField::RegisterValue(double shown) const {
    if (m_scaleUpper && m_scaleLower && m_inputUpper && m_inputLower && *m_scaleUpper != *m_scaleLower) {
        return *m_inputLower +
               (shown - *m_scaleLower) * (*m_inputUpper - *m_inputLower) / (*m_scaleUpper - *m_scaleLower);
    }
    return shown;
}

std::string NumberField::Text(double shown) const {
    const std::string overflow(static_cast<size_t>(m_characters), '*');
    if (m_password) {
        return overflow;
    }
    if (!std::isfinite(shown)) {
        return overflow;
    }
    std::string text;
    if (m_type == DataType::HexBcd) {
        if (shown < 0 || shown >= std::pow(16.0, m_integerDigits)) {
            return overflow;
        }
        auto value = static_cast<uint64_t>(shown);
        do {
            text.insert(text.begin(), "0123456789ABCDEF"[value % 16]);
            value /= 16;
        } while (value != 0);
        if (m_leadingZeros && static_cast<int>(text.size()) < m_integerDigits) {
            text.insert(0, static_cast<size_t>(m_integerDigits) - text.size(), '0');
        }
        return text;
    }
    const double scaled = m_type == DataType::Float || m_type == DataType::Double
                              ? shown * std::pow(10.0, m_decimals)
                              : shown;
    if (std::fabs(scaled) > kLargestExact) {
        return overflow;
    }
    const auto digits = static_cast<int64_t>(std::llround(scaled));
    const bool negative = digits < 0;
    if (negative && !Signed()) {
        return overflow;
    }
    std::string magnitude = std::to_string(negative ? -digits : digits);
    if (m_decimals > 0 && static_cast<int>(magnitude.size()) <= m_decimals) {
        magnitude.insert(0, static_cast<size_t>(m_decimals) + 1 - magnitude.size(), '0');
    }
    std::string integer = magnitude.substr(0, magnitude.size() - static_cast<size_t>(m_decimals));
    if (static_cast<int>(integer.size()) > std::max(m_integerDigits, 1)) {
        return overflow;
    }
    if (m_leadingZeros && static_cast<int>(integer.size()) < m_integerDigits) {
        integer.insert(0, static_cast<size_t>(m_integerDigits) - integer.size(), '0');
    }
    text = integer;
    if (m_decimals > 0) {
        text.push_back('.');
        text.append(magnitude, magnitude.size() - static_cast<size_t>(m_decimals), std::string::npos);
    }
    if (negative) {
        text.insert(0, 1, '-');
    } else if (Signed() && m_leadingZeros) {
        text.insert(0, 1, ' ');
    }
    if (static_cast<int>(text.size()) > m_characters) {
        return overflow;
    }
    return text;
}

double NumberField::Largest() const {
    if (m_type == DataType::HexBcd) {
        return std::pow(16.0, m_integerDigits) - 1;
    }
    const double units = std::pow(10.0, m_integerDigits + m_decimals) - 1;
    return m_type == DataType::Float || m_type == DataType::Double ? units / std::pow(10.0, m_decimals) : units;
}

double NumberField::Lowest() const { return Signed() ? -Largest() : 0.0; }

double NumberField::Step() const {
    return m_type == DataType::Float || m_type == DataType::Double ? std::pow(10.0, -m_decimals) : 1.0;
}

bool NumberField::Accepts(double shown) const {
    const double tolerance = Step() / 2;
    if (shown < Lowest() - tolerance || shown > Largest() + tolerance) {
        return false;
    }
    if (m_inputUpper && m_inputLower) {
        const double value = RegisterValue(shown);
        const double slack = m_type == DataType::Float || m_type == DataType::Double ? 1e-6 * std::max(1.0, std::fabs(value)) : 0.5;
        if (value < *m_inputLower - slack || value > *m_inputUpper + slack) {
            return false;
        }
    }
    return true;
}

} // namespace balsar::runtime
