// Finished messages of the core traced back to their templates: the
// arguments are found and put into the translation in the right places.
#include <QHash>
#include <gtest/gtest.h>

#include "i18n/MessageTemplates.h"

using balsar::i18n::MessageTemplates;

namespace {

class Templates : public ::testing::Test {
protected:
    void SetUp() override {
        english = {
            {QStringLiteral("烧写%s成功！"), QStringLiteral("Writing %s succeeded!")},
            {QStringLiteral("无法打开文件 %s：%s"), QStringLiteral("Cannot open file %s: %s")},
            {QStringLiteral("画面 %d"), QStringLiteral("Screen %d")},
            {QStringLiteral("画面 %d 已删除"), QStringLiteral("Screen %d deleted")},
            {QStringLiteral("型号 %1，GUI版本 %2"), QStringLiteral("GUI version %2 of model %1")},
            {QStringLiteral("进度 %d%%"), QStringLiteral("Progress %d%%")},
            {QStringLiteral("没有翻译 %s"), QStringLiteral("没有翻译 %s")},
            {QStringLiteral("用户数据"), QStringLiteral("user data")},
        };
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            templates.Add(it.key());
        }
        templates.Add(QStringLiteral("没有占位符"));
    }
    QString Translate(const char* text) const {
        return templates.Translate(QString::fromUtf8(text),
                                   [this](const QString& source) { return english.value(source, source); });
    }

    QHash<QString, QString> english;
    MessageTemplates templates;
};

} // namespace

TEST_F(Templates, ArgumentsGoIntoTheTranslation) {
    EXPECT_EQ(Translate("烧写GUI成功！"), QStringLiteral("Writing GUI succeeded!"));
    // An argument that is a UI text itself is translated; others stand.
    EXPECT_EQ(Translate("烧写用户数据成功！"), QStringLiteral("Writing user data succeeded!"));
    EXPECT_EQ(Translate("烧写驱动(9)成功！"), QStringLiteral("Writing 驱动(9) succeeded!"));
    EXPECT_EQ(Translate("无法打开文件 /tmp/a b.ZPJ：Permission denied"),
              QStringLiteral("Cannot open file /tmp/a b.ZPJ: Permission denied"));
    EXPECT_EQ(Translate("画面 12"), QStringLiteral("Screen 12"));
    EXPECT_EQ(Translate("进度 50%"), QStringLiteral("Progress 50%"));
    // Numbered placeholders may change places in the translation.
    EXPECT_EQ(Translate("型号 7，GUI版本 3"), QStringLiteral("GUI version 3 of model 7"));
}

TEST_F(Templates, TheTemplateWithMoreFixedTextWins) {
    EXPECT_EQ(Translate("画面 4 已删除"), QStringLiteral("Screen 4 deleted"));
}

TEST_F(Templates, NothingWhenNoTemplateFitsOrNoTranslationExists) {
    EXPECT_TRUE(Translate("画面 twelve").isNull()) << "an integer placeholder takes digits only";
    EXPECT_TRUE(Translate("烧写GUI失败！").isNull());
    EXPECT_TRUE(Translate("没有翻译 x").isNull());
    EXPECT_TRUE(Translate("没有占位符").isNull()) << "a text without placeholders is no template";
    EXPECT_TRUE(Translate("").isNull());
}

TEST(TemplatePlaceholders, PrintfAndNumberedInOrder) {
    EXPECT_EQ(MessageTemplates::Placeholders(QStringLiteral("%1 %2\\n%s %d %02X %u %lu %%")),
              (QStringList{QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%s"), QStringLiteral("%d"),
                           QStringLiteral("%02X"), QStringLiteral("%u"), QStringLiteral("%lu")}));
    EXPECT_TRUE(MessageTemplates::Placeholders(QStringLiteral("100%")).isEmpty());
}
