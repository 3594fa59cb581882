// The designer in English and in Chinese on the offscreen platform: the main
// window's menus, a dialog of the designer with Qt's own wizard buttons, a
// question with Qt's Yes/No buttons, and a formatted message of the core.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/CheckDock.h"
#include "app/DesignerServices.h"
#include "app/MainWindow.h"
#include "app/QtMessages.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "base/Text.h"
#include "dialogs/NewProjectWizard.h"
#include "elements/FindingStrings.h"
#include "i18n/LanguageMenu.h"
#include "i18n/UiLanguage.h"
#include "i18n/UiText.h"
#include "project/ProjectStrings.h"
#include "support/TestSupport.h"

using namespace balsar;
using balsar::i18n::UiLanguage;

namespace {

bool HasChinese(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x3000) {
            return true;
        }
    }
    return false;
}

// Every menu title and item of the main window's menu bar.
QStringList MenuTexts(app::MainWindow& window) {
    QStringList texts;
    for (QAction* menuAction : window.menuBar()->actions()) {
        texts << menuAction->text();
        if (QMenu* menu = menuAction->menu()) {
            for (QAction* item : menu->actions()) {
                if (!item->isSeparator()) {
                    texts << item->text();
                }
            }
        }
    }
    return texts;
}

// The texts of the buttons of the question the prompt shows; the question is
// answered with No.
QStringList QuestionButtons(app::QtPrompt& prompt, QString* shownText) {
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *shownText = box->text();
        for (QAbstractButton* button : box->buttons()) {
            buttons << button->text();
        }
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(prompt.Ask(Format(texts::kSaveChangesFormat, "demo.ZPJ"), Buttons::YesNoCancel), Answer::No);
    return buttons;
}

class Translated : public ::testing::Test {
protected:
    ~Translated() override { i18n::InstallTranslators(UiLanguage::Chinese); }

    RecordingMessageSink sink;
    RecordingPrompt prompt;
};

} // namespace

TEST_F(Translated, EnglishDesignerMenusDialogsAndQtButtons) {
    ASSERT_TRUE(i18n::InstallTranslators(UiLanguage::English));
    app::DesignerServices services(sink, prompt);
    app::MainWindow window(services);

    const QStringList menus = MenuTexts(window);
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_TRUE(menus.contains(QStringLiteral("&Project")));
    EXPECT_TRUE(menus.contains(QStringLiteral("&New Project")));
    EXPECT_TRUE(menus.contains(QStringLiteral("Offline &Simulation")));
    for (const QString& text : menus) {
        EXPECT_FALSE(HasChinese(text)) << text.toStdString();
    }

    // A dialog of the designer with Qt's own buttons.
    test::TempFolder folder;
    dialogs::NewProjectWizard wizard(services.doc, services.session, folder.Path());
    wizard.show();
    EXPECT_FALSE(HasChinese(wizard.currentPage()->title())) << wizard.currentPage()->title().toStdString();
    EXPECT_TRUE(wizard.button(QWizard::NextButton)->text().contains(QStringLiteral("Next")));
    EXPECT_EQ(wizard.button(QWizard::CancelButton)->text(), QStringLiteral("Cancel"));

    // A question of the core: its formatted text and Qt's Yes/No.
    app::QtPrompt question;
    QString shown;
    const QStringList buttons = QuestionButtons(question, &shown);
    EXPECT_EQ(shown, QStringLiteral("Save changes to demo.ZPJ?"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("&Yes"))) << buttons.join(u'|').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("&No")));
}

TEST_F(Translated, ChineseDesignerMenusDialogsAndQtButtons) {
    ASSERT_TRUE(i18n::InstallTranslators(UiLanguage::Chinese));
    app::DesignerServices services(sink, prompt);
    app::MainWindow window(services);

    const QStringList menus = MenuTexts(window);
    EXPECT_TRUE(menus.contains(QStringLiteral("工程(&F)")));
    EXPECT_TRUE(menus.contains(QStringLiteral("新建工程(&N)")));
    EXPECT_FALSE(menus.contains(QStringLiteral("&Project")));

    test::TempFolder folder;
    dialogs::NewProjectWizard wizard(services.doc, services.session, folder.Path());
    wizard.show();
    EXPECT_TRUE(HasChinese(wizard.currentPage()->title()));
    // Qt's own wizard buttons speak Chinese too (qtbase_zh_CN).
    EXPECT_TRUE(HasChinese(wizard.button(QWizard::NextButton)->text()))
        << wizard.button(QWizard::NextButton)->text().toStdString();
    EXPECT_TRUE(HasChinese(wizard.button(QWizard::CancelButton)->text()));

    app::QtPrompt question;
    QString shown;
    const QStringList buttons = QuestionButtons(question, &shown);
    EXPECT_EQ(shown, QStringLiteral("是否保存对 demo.ZPJ 的更改？"));
    ASSERT_EQ(buttons.size(), 3);
    for (const QString& text : buttons) {
        EXPECT_TRUE(HasChinese(text)) << text.toStdString();
    }
}

TEST_F(Translated, CoreMessagesLineByLineAndUnknownTextsAsTheyStand) {
    ASSERT_TRUE(i18n::InstallTranslators(UiLanguage::English));
    EXPECT_EQ(i18n::UiMessage(texts::kOpenFailed), QStringLiteral("Could not open the project"));
    // A message joined from a fixed text and a path.
    EXPECT_EQ(i18n::UiMessage(std::string(texts::kOpenFailed) + "\n/tmp/x.ZPJ"),
              QStringLiteral("Could not open the project\n/tmp/x.ZPJ"));
    // The download caption of the transfer tools, with a region name that is
    // itself translated.
    EXPECT_EQ(i18n::UiMessage("下载用户数据:"), QStringLiteral("Downloading user data:"));
    // The user's own texts and names are never looked up as templates.
    EXPECT_EQ(i18n::UiMessage("温度过高"), QStringLiteral("温度过高"));
    EXPECT_EQ(i18n::Ui("温度过高"), QStringLiteral("温度过高"));

    ASSERT_TRUE(i18n::InstallTranslators(UiLanguage::Chinese));
    EXPECT_EQ(i18n::UiMessage(Format(texts::kSaveChangesFormat, "a.ZPJ")), QStringLiteral("是否保存对 a.ZPJ 的更改？"));
}

TEST_F(Translated, CheckPaneShowsTheFindingsInTheUiLanguage) {
    ASSERT_TRUE(i18n::InstallTranslators(UiLanguage::English));
    app::CheckDock pane;
    Finding finding;
    finding.severity = Severity::Warning;
    finding.code = "screen-missing";
    finding.message = Format(strings::kFindScreenMissing, 3);
    pane.ShowFindings({finding});
    QTreeWidgetItem* row = pane.Rows()->topLevelItem(0);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(1), QStringLiteral("screen-missing"));
    EXPECT_EQ(row->text(3), QStringLiteral("Screen 3 does not exist"));
}

TEST_F(Translated, LanguageMenuStoresTheChoice) {
    ASSERT_TRUE(i18n::InstallTranslators(UiLanguage::English));
    // The settings of the test process's scratch home, never the user's.
    i18n::StoreLanguageChoice(QString());
    QWidget parent;
    QMenu* menu = i18n::MakeLanguageMenu(&parent);
    EXPECT_EQ(menu->title(), QStringLiteral("Lan&guage"));
    auto* system = menu->findChild<QAction*>(QStringLiteral("language-system"));
    auto* english = menu->findChild<QAction*>(QStringLiteral("language-en"));
    ASSERT_NE(system, nullptr);
    ASSERT_NE(english, nullptr);
    EXPECT_TRUE(system->isChecked());
    EXPECT_EQ(english->text(), QStringLiteral("English"));

    // Choosing asks for a restart; the notice is closed at once.
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    english->trigger();
    EXPECT_EQ(i18n::StoredLanguageChoice(), QStringLiteral("en"));
    UiLanguage stored = UiLanguage::Chinese;
    EXPECT_TRUE(i18n::ParseLanguageChoice(i18n::StoredLanguageChoice(), stored));
    EXPECT_EQ(stored, UiLanguage::English);
    i18n::StoreLanguageChoice(QString());
}
