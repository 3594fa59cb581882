#include "dialogs/LanguageNames.h"

#include <QLocale>
#include <algorithm>
#include <set>

#include "dialogs/QtText.h"
#include "elements/Languages.h"

namespace balsar::dialogs {

namespace {

constexpr uint16_t kEnglishUs = 0x0409;

std::vector<LanguageChoice> Gather() {
    std::vector<LanguageChoice> choices;
    std::set<uint16_t> seen;
    const uint16_t system = SystemLanguageId();
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const QString code = locale.name();
        const uint16_t id = LanguageIdFromLocale(S(code));
        // Unknown locales come back as English (US); only en_US itself is.
        if ((id == kEnglishUs && code != QStringLiteral("en_US")) || !seen.insert(id).second) {
            continue;
        }
        QString name = locale.nativeLanguageName();
        if (!locale.nativeTerritoryName().isEmpty()) {
            name += QStringLiteral("(%1)").arg(locale.nativeTerritoryName());
        }
        choices.push_back({id, name});
    }
    std::sort(choices.begin(), choices.end(), [system](const LanguageChoice& a, const LanguageChoice& b) {
        if ((a.id == system) != (b.id == system)) {
            return a.id == system;
        }
        return a.name < b.name;
    });
    return choices;
}

} // namespace

const std::vector<LanguageChoice>& LanguageChoices() {
    static const std::vector<LanguageChoice> choices = Gather();
    return choices;
}

QString LanguageName(uint16_t id) {
    for (const LanguageChoice& choice : LanguageChoices()) {
        if (choice.id == id) {
            return choice.name;
        }
    }
    return QStringLiteral("0x%1").arg(id, 4, 16, QLatin1Char('0'));
}

} // namespace balsar::dialogs
