#pragma once
// The text forms of register addresses: numbers in a base, digit
// placeholders, the range shown beside an address field, the address value
// shown in lists, and parsing a field's text.
#include <cstdint>
#include <string>
#include <string_view>

namespace balsar {

class CAddr;
class PortProtocols;

// A number in a base: OCT "%o", DEC "%u", HEX "%X", DEC_SIGN "%d".
std::string NumberText(int64_t value, int32_t base);
// One letter per digit ('O' OCT, 'H' HEX, 'D' DEC and DEC_SIGN), as many as
// the field's maximum needs: "D" for 9, "DDD" for 255, "HHH" for 0x1FF.
std::string DigitPlaceholder(int32_t base, int64_t maximum);

// The range of an address field and of its optional sub-address field.
struct FieldRange {
    int32_t base = 1;
    int64_t minimum = 0;
    int64_t maximum = 0;
};

// "DDD(0~255)", or with a sub-address "DDD.H(0.0~255.F)".
std::string RangeText(const FieldRange& address);
std::string RangeText(const FieldRange& address, const FieldRange& sub);

// The address value of a list view: the address in its register type's
// base, followed by "." and the sub-address in its base when the type has
// one ("12.A" for LOCAL "LW.B" word 12 bit 10). On a PLC port the address
// takes its register type's width.
std::string AddressValueText(CAddr& address, const PortProtocols* protocols);

// Parses a field: OCT base 8, HEX base 16 (refused beyond 32 bits), DEC and
// DEC_SIGN as a 64-bit decimal. A trailing "H" of a hexadecimal text is
// allowed. False for an empty text, stray characters or overflow.
bool ParseFieldText(std::string_view text, int32_t base, int64_t& value);

} // namespace balsar
