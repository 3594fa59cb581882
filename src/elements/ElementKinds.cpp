#include "elements/ElementKinds.h"

#include <array>

namespace balsar {

namespace {

constexpr std::array<std::string_view, 9> kXmlTypeNames = {
    "Led", "FunctionKey", "StaticText", "DynamicText", "Register", "Bar", "Trend", "Picture", "Cache"};
constexpr std::array<std::string_view, 11> kShortNames = {"LED", "FK",  "ST",  "DT",    "REG", "BAR",
                                                          "TREND", "PIC", "CACHE", "ASCII", "EV"};

} // namespace

std::string_view XmlTypeName(int32_t kind) {
    return (kind >= 0 && kind < static_cast<int32_t>(kXmlTypeNames.size())) ? kXmlTypeNames[kind]
                                                                             : std::string_view();
}

std::optional<int32_t> KindFromXmlTypeName(std::string_view name) {
    for (size_t i = 0; i < kXmlTypeNames.size(); ++i) {
        if (kXmlTypeNames[i] == name) {
            return static_cast<int32_t>(i);
        }
    }
    return std::nullopt;
}

std::string_view ShortName(int32_t kind) {
    return (kind >= 0 && kind < static_cast<int32_t>(kShortNames.size())) ? kShortNames[kind] : std::string_view();
}

std::optional<uint8_t> CompiledKindByte(int32_t kind) {
    if (kind >= KIND_LED && kind <= KIND_PICTURE) {
        return static_cast<uint8_t>(kind + 1);
    }
    return std::nullopt;
}

} // namespace balsar
