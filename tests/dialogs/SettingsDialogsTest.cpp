// The global settings and the language settings.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/GlobalSettingsDialog.h"
#include "dialogs/LanguageDialog.h"

namespace balsar::dialogs {
namespace {

using test::Choose;
using test::Click;
using test::DialogFixture;
using test::TypeInto;

TEST(GlobalSettingsDialog, PasswordsOutsideTheRangeKeepTheDialogOpen) {
    DialogFixture f;
    const GlobalSettings before = f.Project().settings;
    GlobalSettingsDialog dialog(f.doc, f.session);
    dialog.show();
    for (const QString& bad : {QString("1000000000"), QString("  "), QString("12a")}) {
        f.sink.Clear();
        TypeInto(dialog.Password(2), bad);
        dialog.accept();
        EXPECT_EQ(f.Messages(), std::vector<std::string>{"密码输入范围越界"}) << bad.toStdString();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(f.Project().settings, before);
        EXPECT_FALSE(f.doc.IsModified());
    }

    // The largest password passes; the other choices are written back.
    TypeInto(dialog.Password(2), " 999999999 ");
    Choose(dialog.Delay(), "1小时");
    Click(dialog.BacklightOnly());
    EXPECT_FALSE(dialog.SaverScreen()->isEnabled());
    EXPECT_FALSE(dialog.WakeLevel()->isEnabled());
    Click(dialog.WakePassword());
    Choose(dialog.WakeLevel(), "3");
    EXPECT_FALSE(dialog.ControlAddress()->isEnabled());
    Click(dialog.Report());
    EXPECT_TRUE(dialog.ControlAddress()->isEnabled());
    Choose(dialog.Focus(), "闪烁");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    const GlobalSettings& s = f.Project().settings;
    EXPECT_EQ(s.passwords[2], 999999999);
    EXPECT_EQ(s.passwords[0], 6347);
    EXPECT_EQ(s.screenSaverDelay, 60);
    EXPECT_EQ(s.wakePasswordLevel, 2);
    EXPECT_EQ(s.optionFlags, 1u | 2u | (1u << 4));
    EXPECT_EQ(s.plcControlFlags, GlobalSettings::kReportCurrentScreen);
    EXPECT_TRUE(f.doc.IsModified());
}

TEST(LanguageDialog, MissingChoicesAreReportedInOrder) {
    DialogFixture f;
    const uint16_t firstLanguage = f.Project().languages.GetLangID(0);
    const std::string firstFont = f.Project().languages.GetFontName(0);
    LanguageDialog dialog(f.doc, f.session.Fonts(), f.sink);
    dialog.show();
    ASSERT_EQ(dialog.CountBox()->currentText(), "1");
    // Row 1 shows the project's language; rows 2 to 8 are off.
    EXPECT_TRUE(dialog.LanguageBox(0)->isEnabled());
    EXPECT_FALSE(dialog.LanguageBox(1)->isEnabled());

    dialog.CountBox()->setCurrentIndex(-1);
    dialog.accept();
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"请至少配置一种语言！"});

    // Two languages: the new row gets its first language and a font.
    f.sink.Clear();
    Choose(dialog.CountBox(), "2");
    EXPECT_TRUE(dialog.LanguageBox(1)->isEnabled());
    EXPECT_GE(dialog.LanguageBox(1)->currentIndex(), 0);
    dialog.LanguageBox(1)->setCurrentIndex(-1);
    dialog.accept();
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"请选择语言！"});

    f.sink.Clear();
    Choose(dialog.LanguageBox(1), 0);
    dialog.FontBox(1)->setCurrentIndex(-1);
    dialog.accept();
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"请选择字体！"});
    EXPECT_EQ(f.Project().languages.Count(), 1);
    EXPECT_TRUE(dialog.isVisible());

    // A font for row 2 (the list or the language's default face) and the
    // panel's messages in English.
    if (dialog.FontBox(1)->count() == 0) {
        dialog.FontBox(1)->addItem("宋体");
    }
    dialog.FontBox(1)->setCurrentIndex(0);
    Choose(dialog.SystemBox(), "英文");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    const CLangDefine& table = f.Project().languages;
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.GetLangID(0), firstLanguage);
    EXPECT_EQ(table.GetFontName(0), firstFont);
    EXPECT_EQ(table.GetLangID(1), dialog.LanguageBox(1)->itemData(0).toUInt());
    EXPECT_EQ(table.GetFontName(1), dialog.FontBox(1)->itemText(0).toStdString());
    EXPECT_EQ(f.Project().settings.optionFlags & LanguageDialog::kEnglishMessages, LanguageDialog::kEnglishMessages);
    EXPECT_TRUE(f.doc.IsModified());
}

} // namespace
} // namespace balsar::dialogs
