#pragma once
// The language of the user interface: Chinese (the texts as written in the
// code) or English (translations/balsar_en.ts). Chosen from, in this order,
// the BALSAR_UI_LANGUAGE environment variable, the "ui/language" setting and
// the system locale's UI languages. Qt's own texts (standard buttons, file
// dialogs, wizards) follow through the qtbase translations of the system.
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace balsar::i18n {

enum class UiLanguage { Chinese, English };

inline constexpr const char* kLanguageSettingKey = "ui/language";
inline constexpr const char* kLanguageEnvironment = "BALSAR_UI_LANGUAGE";

// "zh" or "en" (also "zh_CN", "en-US", ... and any case) picks that language;
// "system", empty or anything else defers to the next source.
bool ParseLanguageChoice(const QString& value, UiLanguage& language);

// The choice from its three sources. A Chinese first UI language, the C/POSIX
// locale and an empty list keep the texts as written; any other language
// gets English.
UiLanguage ChooseLanguage(const QString& environment, const QString& setting, const QStringList& uiLanguages);

// The setting every program of the suite reads: "ui/language" of the
// organisation-wide settings file "Balsar" (~/.config/Balsar.conf), value
// "system", "zh" or "en".
QString StoredLanguageChoice();
void StoreLanguageChoice(const QString& value);

// The language for this process: environment, setting, system locale.
UiLanguage LanguageForProcess();

// Chooses and installs the language of this process; the programs call it
// right after making their QApplication.
void SetUpLanguage();

// Installs the translators of the language (ours and Qt's) into the
// application; call after the QApplication is made and before the first
// window. Installing again replaces the previous ones. Returns false when
// English was asked for and our translation could not be loaded.
bool InstallTranslators(UiLanguage language);

// The folder of Qt's own translations (qtbase_xx.qm).
QString QtTranslationsFolder();

} // namespace balsar::i18n
