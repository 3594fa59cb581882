#include "elements/Languages.h"

#include <algorithm>
#include <cstdlib>

#include "base/Utf.h"
#include "elements/ElementStrings.h"
#include "elements/FontEngine.h"

namespace balsar {

namespace {

struct LocaleEntry {
    const char* locale; // language, or language_TERRITORY
    uint16_t id;
};

// Locale names and the Windows language identifiers they stand for. A bare
// language gives the identifier of its main territory.
constexpr LocaleEntry kLocales[] = {
    {"ar", 0x0401},    {"ar_SA", 0x0401}, {"ar_EG", 0x0C01}, {"bg", 0x0402},    {"ca", 0x0403},
    {"zh", 0x0804},    {"zh_CN", 0x0804}, {"zh_SG", 0x1004}, {"zh_TW", 0x0404}, {"zh_HK", 0x0C04},
    {"zh_MO", 0x1404}, {"cs", 0x0405},    {"da", 0x0406},    {"de", 0x0407},    {"de_DE", 0x0407},
    {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"el", 0x0408},    {"en", 0x0409},    {"en_US", 0x0409},
    {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809},
    {"en_IN", 0x4009}, {"es", 0x0C0A},    {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"fi", 0x040B},
    {"fr", 0x040C},    {"fr_FR", 0x040C}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C},
    {"he", 0x040D},    {"hu", 0x040E},    {"is", 0x040F},    {"it", 0x0410},    {"it_CH", 0x0810},
    {"ja", 0x0411},    {"ko", 0x0412},    {"nl", 0x0413},    {"nl_BE", 0x0813}, {"nb", 0x0414},
    {"no", 0x0414},    {"nn", 0x0814},    {"pl", 0x0415},    {"pt", 0x0816},    {"pt_PT", 0x0816},
    {"pt_BR", 0x0416}, {"ro", 0x0418},    {"ru", 0x0419},    {"hr", 0x041A},    {"sk", 0x041B},
    {"sq", 0x041C},    {"sv", 0x041D},    {"th", 0x041E},    {"tr", 0x041F},    {"ur", 0x0420},
    {"id", 0x0421},    {"uk", 0x0422},    {"be", 0x0423},    {"sl", 0x0424},    {"et", 0x0425},
    {"lv", 0x0426},    {"lt", 0x0427},    {"fa", 0x0429},    {"vi", 0x042A},    {"hy", 0x042B},
    {"az", 0x042C},    {"eu", 0x042D},    {"mk", 0x042F},    {"af", 0x0436},    {"ka", 0x0437},
    {"hi", 0x0439},    {"ms", 0x043E},    {"kk", 0x043F},    {"sr", 0x081A},    {"bs", 0x141A},
};

constexpr uint16_t kEnglishUs = 0x0409;

std::optional<uint16_t> Lookup(std::string_view name) {
    for (const LocaleEntry& entry : kLocales) {
        if (name == entry.locale) {
            return entry.id;
        }
    }
    return std::nullopt;
}

} // namespace

std::string LanguageTagOfId(uint16_t languageId) {
    for (const LocaleEntry& entry : kLocales) {
        if (entry.id == languageId) {
            std::string tag(entry.locale);
            std::replace(tag.begin(), tag.end(), '_', '-');
            return tag;
        }
    }
    return {};
}

uint16_t LanguageIdFromLocale(std::string_view locale) {
    // Drop ".codeset" and "@modifier".
    const size_t cut = locale.find_first_of(".@");
    if (cut != std::string_view::npos) {
        locale = locale.substr(0, cut);
    }
    std::string name(locale);
    const size_t sep = name.find_first_of("_-");
    std::string language = AsciiLower(name.substr(0, sep));
    if (sep != std::string::npos) {
        const std::string full = language + "_" + AsciiUpper(name.substr(sep + 1));
        if (const auto id = Lookup(full)) {
            return *id;
        }
    }
    if (const auto id = Lookup(language)) {
        return *id;
    }
    return kEnglishUs;
}

uint16_t SystemLanguageId() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return LanguageIdFromLocale(value);
        }
    }
    return kEnglishUs;
}

int CharsetOfLanguage(uint16_t languageId) {
    const int primary = languageId & 0x3FF;
    const int sub = languageId >> 10;
    switch (primary) {
    case 0x01:
        return 178;
    case 0x04:
        return (sub == 1 || sub == 3 || sub == 5) ? 136 : 134;
    case 0x08:
        return 161;
    case 0x0D:
        return 177;
    case 0x11:
        return 128;
    case 0x12:
        return 129;
    case 0x19:
        return 204;
    case 0x1E:
        return 222;
    case 0x1F:
        return 162;
    case 0x22:
    case 0x23:
    case 0x2B:
    case 0x2C:
    case 0x37:
        return 238;
    case 0x25:
    case 0x26:
    case 0x27:
        return 186;
    case 0x2A:
        return 163;
    default:
        return 1;
    }
}

std::string DefaultFontOfLanguage(FontEngine* fonts, uint16_t languageId) {
    if (fonts != nullptr) {
        const std::vector<std::string> families = fonts->FontFamilies(CharsetOfLanguage(languageId));
        if (std::find(families.begin(), families.end(), strings::kDefaultFace) != families.end()) {
            return strings::kDefaultFace;
        }
    }
    return strings::kFallbackFace;
}

LanguageDefaults SystemLanguageDefaults(FontEngine* fonts) {
    LanguageDefaults defaults;
    defaults.languageId = SystemLanguageId();
    defaults.fontName = DefaultFontOfLanguage(fonts, defaults.languageId);
    return defaults;
}

std::optional<std::string> FindFontInList(const std::vector<std::string>& list, const std::string& name,
                                          FontEngine* fonts) {
    if (std::find(list.begin(), list.end(), name) != list.end()) {
        return name;
    }
    if (fonts == nullptr || name.empty()) {
        return std::nullopt;
    }
    const bool vertical = name[0] == '@';
    for (std::string candidate : fonts->FullNames(vertical ? name.substr(1) : name)) {
        if (vertical) {
            candidate.insert(candidate.begin(), '@');
        }
        if (std::find(list.begin(), list.end(), candidate) != list.end()) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::string SelectFontByName(const std::vector<std::string>& list, const std::string& name, FontEngine* fonts) {
    if (auto found = FindFontInList(list, name, fonts)) {
        return *found;
    }
    return list.empty() ? std::string() : list.front();
}

} // namespace balsar
