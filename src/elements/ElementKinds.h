#pragma once
// The element kind codes with their XML type names, short names and the kind
// byte compiled into the download image.
#include <cstdint>
#include <optional>
#include <string_view>

namespace balsar {

enum ElementKind : int32_t {
    KIND_LED = 0,
    KIND_FUNCKEY = 1,
    KIND_STATIC_TEXT = 2,
    KIND_DYNAMIC_TEXT = 3,
    KIND_REGISTER = 4,
    KIND_BAR = 5,
    KIND_TREND = 6,
    KIND_PICTURE = 7,
    KIND_TREND_BUFFER = 8,
    KIND_ASCII = 9,
    KIND_EVENT_LIST = 10,
};

// XML "Type" name of kinds 0..8; empty for the others.
std::string_view XmlTypeName(int32_t kind);
// Kind of an XML "Type" name, if it is one of the nine.
std::optional<int32_t> KindFromXmlTypeName(std::string_view name);
// Short name used to number elements ("REG" for REG0). The event list has no
// short name of its own in the kind table; it uses "EV", its tag in the
// project tree, so numbering never runs past the table.
std::string_view ShortName(int32_t kind);
// Kind byte of the compiled record for kinds 0..7; nothing for the others.
std::optional<uint8_t> CompiledKindByte(int32_t kind);

} // namespace balsar
