#include "plc/AddressText.h"

#include <limits>

#include "base/Text.h"
#include "plc/CAddr.h"
#include "plc/PlcTypes.h"
#include "plc/RegisterType.h"

namespace balsar {

namespace {

int Radix(int32_t base) {
    switch (base) {
    case BASE_OCT:
        return 8;
    case BASE_HEX:
        return 16;
    default:
        return 10;
    }
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

} // namespace

std::string NumberText(int64_t value, int32_t base) {
    if (base == BASE_DEC_SIGN) {
        return Format("%lld", static_cast<long long>(value));
    }
    // Unsigned bases show a negative value as its 32-bit pattern.
    const unsigned long long bits =
        value < 0 ? static_cast<uint32_t>(value) : static_cast<unsigned long long>(value);
    switch (base) {
    case BASE_OCT:
        return Format("%llo", bits);
    case BASE_HEX:
        return Format("%llX", bits);
    default:
        return Format("%llu", bits);
    }
}

std::string DigitPlaceholder(int32_t base, int64_t maximum) {
    const char letter = base == BASE_OCT ? 'O' : base == BASE_HEX ? 'H' : 'D';
    const int64_t radix = Radix(base);
    std::string text(1, letter);
    int64_t power = radix;
    while (power <= maximum) {
        text.push_back(letter);
        if (power > std::numeric_limits<int64_t>::max() / radix) {
            break;
        }
        power *= radix;
    }
    return text;
}

std::string RangeText(const FieldRange& address) {
    return Format("%s(%s~%s)", DigitPlaceholder(address.base, address.maximum).c_str(),
                  NumberText(address.minimum, address.base).c_str(), NumberText(address.maximum, address.base).c_str());
}

std::string RangeText(const FieldRange& address, const FieldRange& sub) {
    return Format("%s.%s(%s.%s~%s.%s)", DigitPlaceholder(address.base, address.maximum).c_str(),
                  DigitPlaceholder(sub.base, sub.maximum).c_str(), NumberText(address.minimum, address.base).c_str(),
                  NumberText(sub.minimum, sub.base).c_str(), NumberText(address.maximum, address.base).c_str(),
                  NumberText(sub.maximum, sub.base).c_str());
}

std::string AddressValueText(CAddr& address, const PortProtocols* protocols) {
    if (address.port == PORT_LOCAL) {
        const bool bit = address.regType == "LW.B" || address.regType == "RW.B";
        const std::string word = NumberText(address.address, BASE_DEC);
        return bit ? word + "." + NumberText(address.sub, BASE_HEX) : word;
    }
    const RegisterType* type = address.FindRegisterType(protocols);
    if (type == nullptr) {
        return NumberText(address.address, BASE_DEC);
    }
    address.width = type->width;
    const std::string word = NumberText(address.address, type->addressBase);
    return type->hasSub ? word + "." + NumberText(address.sub, type->subBase) : word;
}

bool ParseFieldText(std::string_view text, int32_t base, int64_t& value) {
    if (base == BASE_HEX && !text.empty() && (text.back() == 'H' || text.back() == 'h')) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && text.front() == '-' && (base == BASE_DEC || base == BASE_DEC_SIGN)) {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    const int radix = Radix(base);
    // Hexadecimal and octal values are 32-bit; decimals 64-bit.
    const uint64_t limit = radix == 10 ? static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0)
                                       : 0xFFFFFFFFull;
    uint64_t result = 0;
    for (char c : text) {
        const int digit = DigitValue(c);
        if (digit >= radix) {
            return false;
        }
        if (result > (limit - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(radix)) {
            return false;
        }
        result = result * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
    }
    value = negative ? static_cast<int64_t>(0 - result) : static_cast<int64_t>(result);
    return true;
}

} // namespace balsar
