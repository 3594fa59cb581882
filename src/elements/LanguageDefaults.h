#pragma once
// The system's default display language and its default font. A new
// language table starts with this one language.
#include <cstdint>
#include <string>

namespace balsar {

struct LanguageDefaults {
    // Windows language identifier; English (US) unless the process locale
    // says otherwise.
    uint16_t languageId = 0x0409;
    std::string fontName = "Microsoft Sans Serif";
};

} // namespace balsar
