#pragma once
// Display languages: Windows language identifiers, their character sets,
// the default font of a language and the selection of a font by name.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "elements/LanguageDefaults.h"

namespace balsar {

class FontEngine;

// Language identifier of a POSIX locale name ("zh_CN.UTF-8", "de_DE@euro",
// "ja"); English (US), 0x0409, for "C", "POSIX" and anything unknown.
uint16_t LanguageIdFromLocale(std::string_view locale);
// Language tag of a language identifier for exchange formats ("en",
// "zh-CN", "pt-BR"): the first locale of the table with that identifier,
// its separator a hyphen; empty when the table has none.
std::string LanguageTagOfId(uint16_t languageId);
// Language identifier of the process locale: LC_ALL, else LC_MESSAGES, else
// LANG, read from the environment.
uint16_t SystemLanguageId();
// Windows character set of a language identifier (1: the default set).
int CharsetOfLanguage(uint16_t languageId);
// "宋体" when it is among the font families of the language's character
// set, else "Microsoft Sans Serif" (also without a font engine).
std::string DefaultFontOfLanguage(FontEngine* fonts, uint16_t languageId);
// The system default language of the process locale and its default font.
LanguageDefaults SystemLanguageDefaults(FontEngine* fonts);

// The entry of a font list that a face name selects: the name itself when
// listed, else the first listed full name of the font the name resolves to
// (each given an "@" in front when the name starts with one). Nothing when
// neither is listed.
std::optional<std::string> FindFontInList(const std::vector<std::string>& list, const std::string& name,
                                          FontEngine* fonts);
// FindFontInList, falling back to the first entry (empty for an empty list).
std::string SelectFontByName(const std::vector<std::string>& list, const std::string& name, FontEngine* fonts);

} // namespace balsar
