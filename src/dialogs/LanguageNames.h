#pragma once
// Display languages as the language lists offer them: a Windows language
// identifier with the name the system's locale data gives it.
#include <QString>
#include <cstdint>
#include <vector>

namespace balsar::dialogs {

struct LanguageChoice {
    uint16_t id = 0;
    QString name;
};

// One entry per identifier: the system's own language first, then every
// other language the locale data knows, by name.
const std::vector<LanguageChoice>& LanguageChoices();
// The name of an identifier; its hexadecimal form when the list lacks it.
QString LanguageName(uint16_t id);

} // namespace balsar::dialogs
