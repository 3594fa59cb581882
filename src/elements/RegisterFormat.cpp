#include "elements/RegisterFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/Text.h"
#include "elements/ElementStrings.h"

namespace balsar {

namespace {

bool Signed(int32_t type) { return type == REG_SIGNED || type == REG_FLOAT || type == REG_DOUBLE; }
bool Float(int32_t type) { return type == REG_FLOAT || type == REG_DOUBLE; }

void KeepDigitsWithinMaximum(RegisterFormat& format) {
    if (format.integerDigits + format.decimalDigits > MaxDigitSum(format.dataType, format.dataWidth)) {
        format.integerDigits = 4;
        format.decimalDigits = 0;
    }
}

void ApplyPasswordDigits(RegisterFormat& format) {
    format.integerDigits = format.dataWidth == REG_TWO_WORDS ? 10 : 5;
    format.decimalDigits = 0;
}

std::string NumberText(double value, int decimals) {
    if (decimals == 0) {
        return Format("%.0f", value);
    }
    return Format("%.*f", decimals, value);
}

} // namespace

int MaxDigitSum(int32_t dataType, uint8_t dataWidth) {
    const bool two = dataWidth != REG_ONE_WORD;
    switch (dataType) {
    case REG_SIGNED:
    case REG_UNSIGNED:
        return two ? 10 : 5;
    case REG_HEX_BCD:
        return two ? 8 : 4;
    case REG_FLOAT:
    case REG_DOUBLE:
        return 10;
    default:
        return two ? 10 : 5;
    }
}

std::vector<uint8_t> WidthChoices(int32_t dataType) {
    if (dataType == REG_DOUBLE) {
        return {REG_ONE_WORD, REG_TWO_WORDS, REG_FOUR_WORDS};
    }
    return {REG_ONE_WORD, REG_TWO_WORDS};
}

bool WidthLocked(int32_t dataType) { return Float(dataType); }

bool PasswordLocked(int32_t dataType) { return dataType == REG_PASSWORD; }

void ChangeDataType(RegisterFormat& format, int32_t dataType) {
    format.dataType = dataType;
    if (dataType == REG_FLOAT) {
        format.dataWidth = REG_TWO_WORDS;
    } else if (dataType == REG_DOUBLE) {
        format.dataWidth = REG_FOUR_WORDS;
    } else if (format.dataWidth == REG_FOUR_WORDS) {
        format.dataWidth = REG_ONE_WORD;
    }
    if (dataType >= REG_HEX_BCD && dataType <= REG_PASSWORD) {
        format.decimalDigits = 0;
    }
    if (Float(dataType)) {
        format.integerDigits = 4;
    }
    if (dataType == REG_PASSWORD) {
        ApplyPasswordDigits(format);
        format.inputAllowed = 1;
        format.inputLimits = 0;
        format.scaling = 0;
    }
    if (dataType == REG_HEX_BCD && format.dataWidth == REG_ONE_WORD && format.integerDigits > 4) {
        format.integerDigits = 4;
    }
    KeepDigitsWithinMaximum(format);
}

void ChangeDataWidth(RegisterFormat& format, uint8_t dataWidth) {
    if (WidthLocked(format.dataType) || dataWidth > REG_TWO_WORDS) {
        return;
    }
    format.dataWidth = dataWidth;
    if (format.dataType == REG_PASSWORD) {
        ApplyPasswordDigits(format);
    }
    if (format.dataType == REG_HEX_BCD && dataWidth == REG_ONE_WORD && format.integerDigits > 4) {
        format.integerDigits = 4;
    }
    KeepDigitsWithinMaximum(format);
}

bool ChangeDigits(RegisterFormat& format, uint8_t integerDigits, uint8_t decimalDigits) {
    if (PasswordLocked(format.dataType) || integerDigits > 10 || decimalDigits > 10 ||
        integerDigits + decimalDigits > MaxDigitSum(format.dataType, format.dataWidth)) {
        return false;
    }
    format.integerDigits = integerDigits;
    format.decimalDigits = decimalDigits;
    return true;
}

void SetScaling(RegisterFormat& format, bool on) {
    if (PasswordLocked(format.dataType)) {
        return;
    }
    format.scaling = on ? 1 : 0;
    if (on) {
        format.inputLimits = 1;
    }
}

void SetInputLimits(RegisterFormat& format, bool on) {
    if (PasswordLocked(format.dataType)) {
        return;
    }
    format.inputLimits = on ? 1 : 0;
    if (!on) {
        format.scaling = 0;
    }
}

ValueRange LimitRange(const RegisterFormat& format) {
    ValueRange range;
    if (format.dataType == REG_HEX_BCD) {
        range.largest = std::pow(16.0, format.integerDigits) - 1;
        range.lowest = 0;
        return range;
    }
    std::string digits(format.integerDigits, '9');
    if (Float(format.dataType)) {
        digits += format.integerDigits == 0 ? "0." : ".";
    }
    digits += std::string(format.decimalDigits, '9');
    range.largest = digits.empty() || digits == "0." ? 0 : std::strtod(digits.c_str(), nullptr);
    range.lowest = -range.largest;
    const bool two = format.dataWidth != REG_ONE_WORD;
    if (format.dataType == REG_SIGNED) {
        range.largest = std::min(range.largest, two ? 2147483647.0 : 32767.0);
        range.lowest = std::max(range.lowest, two ? -2147483648.0 : -32768.0);
    } else if (format.dataType == REG_UNSIGNED) {
        range.largest = std::min(range.largest, two ? 4294967295.0 : 65535.0);
        range.lowest = 0;
    }
    return range;
}

LimitBoxBounds LimitBoxBoundsFor(int32_t dataType) {
    if (dataType == REG_SIGNED) {
        return {-2147483648.0, 2147483647.0, 0};
    }
    if (Float(dataType)) {
        return {-3.4028235e38, 3.4028235e38, 10};
    }
    return {0, 4294967295.0, 0};
}

std::string OutOfRangeText(const LimitBoxBounds& bounds) {
    return Format("%s ( %s-%s )", strings::kInputOutOfRangeText, NumberText(bounds.lowest, bounds.decimals).c_str(),
                  NumberText(bounds.largest, bounds.decimals).c_str());
}

std::string DisplaySample(const RegisterFormat& format) {
    std::string sample;
    if (Signed(format.dataType)) {
        sample = "-";
    }
    if (format.dataType == REG_HEX_BCD) {
        return sample + std::string(format.integerDigits, 'F');
    }
    if (format.dataType == REG_PASSWORD) {
        return format.dataWidth == REG_TWO_WORDS ? "**********" : "*****";
    }
    if (format.integerDigits == 0) {
        sample += "0.";
    }
    const size_t signLength = sample.size();
    const int total = format.integerDigits + format.decimalDigits;
    for (int i = 1; i <= total; ++i) {
        sample.push_back(format.leadingZeros != 0 ? '0' : static_cast<char>('0' + (i < 10 ? i : i - 10)));
    }
    if (format.integerDigits > 0 && format.decimalDigits > 0) {
        sample.insert(sample.begin() + static_cast<std::ptrdiff_t>(signLength + format.integerDigits), '.');
    }
    return sample;
}

const char* CharacterSetOf(int32_t dataType) {
    switch (dataType) {
    case REG_SIGNED:
    case REG_FLOAT:
    case REG_DOUBLE:
        return "*-.0123456789";
    case REG_HEX_BCD:
        return "*0123456789ABCDEF";
    default:
        return "*.0123456789";
    }
}

int CharactersShown(const RegisterFormat& format) {
    int count = format.integerDigits + format.decimalDigits;
    if (format.decimalDigits > 0) {
        ++count;
    }
    if (Signed(format.dataType)) {
        ++count;
    }
    if (format.integerDigits == 0) {
        ++count;
    }
    return count % 16;
}

} // namespace balsar
