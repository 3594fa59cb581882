#include "i18n/LanguageMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

#include "i18n/I18nStrings.h"
#include "i18n/UiLanguage.h"
#include "i18n/UiText.h"

namespace balsar::i18n {

QMenu* MakeLanguageMenu(QWidget* parent) {
    auto* menu = new QMenu(Ui(texts::kLanguageMenu), parent);
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    const QString stored = StoredLanguageChoice();
    UiLanguage storedLanguage = UiLanguage::Chinese;
    const bool fixed = ParseLanguageChoice(stored, storedLanguage);
    // The language names stay in their own language, as language lists do.
    const struct {
        const char* value;
        QString text;
        bool checked;
    } choices[] = {
        {"system", Ui(texts::kFollowSystem), !fixed},
        {"zh", QString::fromUtf8(texts::kChineseName), fixed && storedLanguage == UiLanguage::Chinese},
        {"en", QString::fromUtf8(texts::kEnglishName), fixed && storedLanguage == UiLanguage::English},
    };
    for (const auto& choice : choices) {
        QAction* action = menu->addAction(choice.text);
        action->setObjectName(QStringLiteral("language-") + QString::fromLatin1(choice.value));
        action->setCheckable(true);
        action->setChecked(choice.checked);
        group->addAction(action);
        const QString value = QString::fromLatin1(choice.value);
        QObject::connect(action, &QAction::triggered, menu, [parent, value] {
            if (value == StoredLanguageChoice() || (value == QStringLiteral("system") && StoredLanguageChoice().isEmpty())) {
                return;
            }
            StoreLanguageChoice(value);
            QMessageBox::information(parent, QString(), Ui(texts::kRestartNeeded));
        });
    }
    return menu;
}

} // namespace balsar::i18n
