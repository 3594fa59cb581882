#pragma once
// What a register element shows and accepts, from its compiled attribute
// word, limits and scaling pair.
//
// Integer types count every value (register value, limits, scaling pair)
// in steps of the last shown digit: with one decimal, 1234 shows as 123.4.
// Float types show their value with the given decimals. With scaling, the
// register's range [input lower, input upper] maps linearly onto the shown
// range [scale lower, scale upper]; the input limits always bound the
// register value.
#include <cstdint>
#include <optional>
#include <string>

#include "runtime/ElementRecords.h"

namespace balsar::runtime {

class NumberField {
public:
    explicit NumberField(const RegisterRecord& record);

    DataType Type() const { return m_type; }
    bool Password() const { return m_password; }
    bool Signed() const;
    int Characters() const { return m_characters; }
    int Decimals() const { return m_decimals; }
    int IntegerDigits() const { return m_integerDigits; }
    // The characters the panel draws this field with, in the order of the
    // compiled character table.
    const char* CharacterSet() const;

    // The shown value of a register value and back (scaling).
    double Shown(double registerValue) const;
    double RegisterValue(double shown) const;
    // The text drawn for a shown value: exactly the characters of the value
    // (padded with zeros, a blank in the sign place, when leading zeros are
    // on), or "*" in every place when it does not fit.
    std::string Text(double shown) const;
    // Smallest and largest shown values the digits can hold.
    double Lowest() const;
    double Largest() const;
    // Whether a shown value may be entered: inside the digits, and its
    // register value inside the input limits.
    bool Accepts(double shown) const;
    // One step of the last digit in shown units (1 for integers, 10^-decimals
    // for floats).
    double Step() const;

private:
    DataType m_type;
    bool m_password;
    bool m_leadingZeros;
    int m_characters;
    int m_decimals;
    int m_integerDigits;
    std::optional<double> m_inputUpper, m_inputLower, m_scaleUpper, m_scaleLower;
};

} // namespace balsar::runtime
