#include "i18n/UiLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <QXmlStreamReader>
#include <memory>

#include "i18n/TranslationState.h"

namespace balsar::i18n {

namespace {

// Our translation and its source list are built into the library (see
// src/i18n/CMakeLists.txt), so a build tree and an install find them alike.
constexpr const char* kEnglishQm = ":/i18n/balsar_en.qm";
constexpr const char* kEnglishTs = ":/i18n/balsar_en.ts";

struct Installed {
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qt;
    MessageTemplates templates;
};

Installed& State() {
    static Installed state;
    return state;
}

void RemoveInstalled() {
    Installed& state = State();
    for (auto* translator : {state.ours.get(), state.qt.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    state.ours.reset();
    state.qt.reset();
    state.templates = MessageTemplates();
}

// Every source text of a .ts that has a placeholder.
MessageTemplates ReadTemplates(const QString& tsPath) {
    MessageTemplates templates;
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return templates;
    }
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QStringLiteral("source")) {
            templates.Add(reader.readElementText());
        }
    }
    return templates;
}

std::unique_ptr<QSettings> SuiteSettingsStore() {
    return std::make_unique<QSettings>(QStringLiteral("Balsar"), QString());
}

} // namespace

const MessageTemplates& ActiveTemplates() { return State().templates; }

bool ParseLanguageChoice(const QString& value, UiLanguage& language) {
    const QString lower = value.trimmed().toLower();
    if (lower.startsWith(QStringLiteral("zh"))) {
        language = UiLanguage::Chinese;
        return true;
    }
    if (lower.startsWith(QStringLiteral("en"))) {
        language = UiLanguage::English;
        return true;
    }
    return false;
}

UiLanguage ChooseLanguage(const QString& environment, const QString& setting, const QStringList& uiLanguages) {
    UiLanguage language = UiLanguage::Chinese;
    if (ParseLanguageChoice(environment, language) || ParseLanguageChoice(setting, language)) {
        return language;
    }
    if (uiLanguages.isEmpty()) {
        return UiLanguage::Chinese;
    }
    const QString first = uiLanguages.first().toLower();
    if (first.isEmpty() || first == QStringLiteral("c") || first == QStringLiteral("posix") ||
        first.startsWith(QStringLiteral("zh"))) {
        return UiLanguage::Chinese;
    }
    return UiLanguage::English;
}

QString StoredLanguageChoice() {
    return SuiteSettingsStore()->value(QString::fromLatin1(kLanguageSettingKey)).toString();
}

void StoreLanguageChoice(const QString& value) {
    SuiteSettingsStore()->setValue(QString::fromLatin1(kLanguageSettingKey), value);
}

UiLanguage LanguageForProcess() {
    const QString environment = qEnvironmentVariable(kLanguageEnvironment);
    const QString setting = StoredLanguageChoice();
    // The C locale (no LANG at all) names no language: the texts stay as written.
    const QLocale system = QLocale::system();
    const QStringList uiLanguages =
        system.language() == QLocale::C ? QStringList{QStringLiteral("C")} : system.uiLanguages();
    return ChooseLanguage(environment, setting, uiLanguages);
}

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool InstallTranslators(UiLanguage language) {
    RemoveInstalled();
    Installed& state = State();
    const QLocale locale = language == UiLanguage::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                           : QLocale(QLocale::Chinese, QLocale::China);
    // Qt's own buttons and dialogs; a missing translation package leaves them
    // in Qt's English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QtTranslationsFolder())) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
    if (language == UiLanguage::Chinese) {
        return true;
    }
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(QString::fromLatin1(kEnglishQm))) {
        return false;
    }
    QCoreApplication::installTranslator(ours.get());
    state.ours = std::move(ours);
    state.templates = ReadTemplates(QString::fromLatin1(kEnglishTs));
    return true;
}

void SetUpLanguage() {
    if (!InstallTranslators(LanguageForProcess())) {
        qWarning("balsar: the English translation is missing; the texts stay as written");
    }
}

} // namespace balsar::i18n
