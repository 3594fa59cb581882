// How the language is chosen: environment variable, then setting, then the
// system locale, both as a pure rule and through a real process started with
// LANG set.
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <gtest/gtest.h>

#include "i18n/UiLanguage.h"
#include "support/TestSupport.h"

using balsar::i18n::ChooseLanguage;
using balsar::i18n::ParseLanguageChoice;
using balsar::i18n::UiLanguage;

namespace {

QStringList Locale(const char* name) { return {QString::fromLatin1(name)}; }

// The language a fresh process chooses with this environment and an empty
// or given settings folder.
std::string LanguageOfProcess(const QString& lang, const QString& override = {},
                              const QString& configFolder = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "BALSAR_UI_LANGUAGE"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LANG"), lang);
    if (!override.isEmpty()) {
        environment.insert(QStringLiteral("BALSAR_UI_LANGUAGE"), override);
    }
    balsar::test::TempFolder scratch;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       configFolder.isEmpty() ? QString::fromStdString(scratch.Path().string()) : configFolder);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print-ui-language")});
    if (!process.waitForFinished(30000)) {
        return "timeout";
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed().toStdString();
}

} // namespace

TEST(LanguageChoice, ValuesOfTheSettingAndTheVariable) {
    UiLanguage language = UiLanguage::Chinese;
    EXPECT_TRUE(ParseLanguageChoice(QStringLiteral("en"), language));
    EXPECT_EQ(language, UiLanguage::English);
    EXPECT_TRUE(ParseLanguageChoice(QStringLiteral(" ZH_cn "), language));
    EXPECT_EQ(language, UiLanguage::Chinese);
    EXPECT_TRUE(ParseLanguageChoice(QStringLiteral("en-GB"), language));
    EXPECT_EQ(language, UiLanguage::English);
    for (const char* deferring : {"", "system", "de", "auto"}) {
        language = UiLanguage::Chinese;
        EXPECT_FALSE(ParseLanguageChoice(QString::fromLatin1(deferring), language)) << deferring;
        EXPECT_EQ(language, UiLanguage::Chinese);
    }
}

TEST(LanguageChoice, VariableBeforeSettingBeforeLocale) {
    EXPECT_EQ(ChooseLanguage({}, {}, Locale("en-US")), UiLanguage::English);
    EXPECT_EQ(ChooseLanguage({}, {}, Locale("de-DE")), UiLanguage::English);
    EXPECT_EQ(ChooseLanguage({}, {}, Locale("zh-CN")), UiLanguage::Chinese);
    EXPECT_EQ(ChooseLanguage({}, {}, Locale("zh-Hant-TW")), UiLanguage::Chinese);
    // No language at all (the C locale of a bare shell): the texts as written.
    EXPECT_EQ(ChooseLanguage({}, {}, Locale("C")), UiLanguage::Chinese);
    EXPECT_EQ(ChooseLanguage({}, {}, {}), UiLanguage::Chinese);

    EXPECT_EQ(ChooseLanguage({}, QStringLiteral("zh"), Locale("en-US")), UiLanguage::Chinese);
    EXPECT_EQ(ChooseLanguage({}, QStringLiteral("en"), Locale("zh-CN")), UiLanguage::English);
    EXPECT_EQ(ChooseLanguage({}, QStringLiteral("system"), Locale("en-US")), UiLanguage::English);
    EXPECT_EQ(ChooseLanguage(QStringLiteral("zh"), QStringLiteral("en"), Locale("en-US")), UiLanguage::Chinese);
    EXPECT_EQ(ChooseLanguage(QStringLiteral("en"), QStringLiteral("zh"), Locale("zh-CN")), UiLanguage::English);
    EXPECT_EQ(ChooseLanguage(QStringLiteral("system"), QStringLiteral("en"), Locale("zh-CN")), UiLanguage::English);
}

TEST(LanguageChoice, ProcessFollowsLangTheVariableAndTheSetting) {
    EXPECT_EQ(LanguageOfProcess(QStringLiteral("en_US.UTF-8")), "en");
    EXPECT_EQ(LanguageOfProcess(QStringLiteral("zh_CN.UTF-8")), "zh");
    EXPECT_EQ(LanguageOfProcess(QStringLiteral("C")), "zh");
    EXPECT_EQ(LanguageOfProcess(QStringLiteral("zh_CN.UTF-8"), QStringLiteral("en")), "en");
    EXPECT_EQ(LanguageOfProcess(QStringLiteral("en_US.UTF-8"), QStringLiteral("zh")), "zh");

    // The stored setting of the whole suite (~/.config/Balsar.conf).
    balsar::test::TempFolder config;
    const QString folder = QString::fromStdString(config.Path().string());
    {
        QSettings settings(folder + QStringLiteral("/Balsar.conf"), QSettings::IniFormat);
        settings.setValue(QString::fromLatin1(balsar::i18n::kLanguageSettingKey), QStringLiteral("en"));
    }
    EXPECT_EQ(LanguageOfProcess(QStringLiteral("zh_CN.UTF-8"), {}, folder), "en");
    EXPECT_EQ(LanguageOfProcess(QStringLiteral("zh_CN.UTF-8"), QStringLiteral("zh"), folder), "zh");
}
