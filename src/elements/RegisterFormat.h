#pragma once
// The number format of a register element and the rules its property page
// keeps between type, width, digits, limits and scaling, as plain functions
// the dialog calls.
#include <cstdint>
#include <string>
#include <vector>

namespace balsar {

enum RegisterDataType : int32_t {
    REG_SIGNED = 0,
    REG_UNSIGNED = 1,
    REG_HEX_BCD = 2,
    REG_FLOAT = 3,
    REG_DOUBLE = 4,
    REG_PASSWORD = 5,
};

enum RegisterDataWidth : uint8_t { REG_ONE_WORD = 0, REG_TWO_WORDS = 1, REG_FOUR_WORDS = 2 };

struct RegisterFormat {
    int32_t dataType = REG_SIGNED;
    uint8_t integerDigits = 4;
    uint8_t decimalDigits = 0;
    uint8_t dataWidth = REG_ONE_WORD;
    int32_t leadingZeros = 0;
    int32_t inputAllowed = 0;
    int32_t inputLimits = 0;
    int32_t scaling = 0;

    bool operator==(const RegisterFormat& other) const = default;
};

// Most integer plus decimal digits the type and width can show.
int MaxDigitSum(int32_t dataType, uint8_t dataWidth);
// Widths the width list offers for a type ("4WORD" only for doubles).
std::vector<uint8_t> WidthChoices(int32_t dataType);
// Floats fix their width.
bool WidthLocked(int32_t dataType);
// Passwords fix input, limits, scaling and the digits.
bool PasswordLocked(int32_t dataType);

// Choosing a type: its width, digits and the locked switches follow.
void ChangeDataType(RegisterFormat& format, int32_t dataType);
// Choosing a width (ignored while the type fixes it).
void ChangeDataWidth(RegisterFormat& format, uint8_t dataWidth);
// Digits beyond the type's maximum sum are refused (false).
bool ChangeDigits(RegisterFormat& format, uint8_t integerDigits, uint8_t decimalDigits);
// Scaling needs input limits; turning limits off turns scaling off.
void SetScaling(RegisterFormat& format, bool on);
void SetInputLimits(RegisterFormat& format, bool on);

// The value range the display can show, which the input limits must keep.
struct ValueRange {
    double lowest = 0;
    double largest = 0;
};
ValueRange LimitRange(const RegisterFormat& format);
// What the limit boxes accept at all, and how many decimals they show.
struct LimitBoxBounds {
    double lowest = 0;
    double largest = 0;
    int decimals = 0;
};
LimitBoxBounds LimitBoxBoundsFor(int32_t dataType);
// The numeric boxes' refusal: "输入越界,可输入范围 ( lowest-largest )".
std::string OutOfRangeText(const LimitBoxBounds& bounds);

// The text drawn for the element and used for its width: the widest value.
std::string DisplaySample(const RegisterFormat& format);
// The characters the panel needs for the type.
const char* CharacterSetOf(int32_t dataType);
// Characters shown: digits, the point, the sign, a leading 0.
int CharactersShown(const RegisterFormat& format);

} // namespace balsar
