// The communication settings with their port pages, the advanced settings,
// the PC serial port, and the new-project wizard.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWizard>
#include <filesystem>
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "dialogs/AdvancedSettingsDialog.h"
#include "dialogs/CommunicationDialog.h"
#include "dialogs/NewProjectWizard.h"
#include "dialogs/PortPageWidget.h"
#include "elements/CRegisterGE.h"

namespace balsar::dialogs {
namespace {

using test::Choose;
using test::Click;
using test::DialogFixture;
using test::TypeInto;

TEST(PortPageWidget, DeviceDefaultsRestoreAndAdvancedSettings) {
    DialogFixture f;
    PortPageWidget page(f.protocols, SerialOptions{true, true, false}, f.sink);
    page.show();
    EXPECT_EQ(page.Manufacturer()->itemText(0), "(未使用)");
    EXPECT_FALSE(page.Baud()->isEnabled());
    Choose(page.Manufacturer(), 1);
    EXPECT_EQ(page.Device()->currentText(), "Modbus RTU Master");
    EXPECT_EQ(page.Baud()->currentText(), "9600");
    EXPECT_EQ(page.SerialType()->currentText(), "RS485");
    EXPECT_EQ(page.Station()->text(), "1");
    EXPECT_EQ(page.CompatibleLine(0)->text(), "Any Modbus RTU slave");

    // Edits, then "恢复默认": the line defaults and station 1 return.
    Choose(page.Baud(), "115200");
    Choose(page.Parity(), "偶校验");
    TypeInto(page.Station(), "");
    EXPECT_EQ(page.Station()->text(), "1");
    TypeInto(page.Station(), "17");
    Click(page.RestoreButton());
    EXPECT_EQ(page.Baud()->currentText(), "9600");
    EXPECT_EQ(page.Parity()->currentText(), "无校验");
    EXPECT_EQ(page.Station()->text(), "1");

    // Advanced settings: an emptied edit reads 0, "切断" stores 0, Cancel
    // keeps the previous values.
    page.runAdvancedDialog = [](AdvancedSettingsDialog& dialog) {
        EXPECT_EQ(dialog.Edit(0)->text(), "500");
        TypeInto(dialog.Edit(9), "");
        EXPECT_EQ(dialog.Edit(9)->text(), "0");
        Click(dialog.CutOff());
        dialog.accept();
        return true;
    };
    Click(page.AdvancedButton());
    Choose(page.Baud(), "19200");
    TypeInto(page.Station(), "5");
    CPortCom port(2);
    page.Store(port);
    EXPECT_EQ(port.enabled, 1);
    EXPECT_EQ(port.port, 2);
    EXPECT_EQ(port.protocolId, 1);
    EXPECT_EQ(port.baud, 4);
    EXPECT_EQ(port.station, 5);
    EXPECT_EQ(port.retries, 0);
    EXPECT_EQ(port.retryAfterLimit, 0);
    EXPECT_EQ(port.commTimeout, 500);

    page.runAdvancedDialog = [](AdvancedSettingsDialog& dialog) {
        Click(dialog.Retry());
        dialog.reject();
        return false;
    };
    Click(page.AdvancedButton());
    page.Store(port);
    EXPECT_EQ(port.retryAfterLimit, 0);

    // Not used again: every other control off, the port stored disabled.
    Choose(page.Manufacturer(), 0);
    EXPECT_FALSE(page.Device()->isEnabled());
    EXPECT_FALSE(page.Station()->isEnabled());
    page.Store(port);
    EXPECT_EQ(port.enabled, 0);
}

TEST(CommunicationDialog, ChangedPortResetsItsAddressesOnlyAfterYes) {
    DialogFixture f;
    f.EnablePort0();
    // A register on port 0.
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(1);
    f.doc.AddScreen(std::move(screen));
    f.doc.SetCurrentScreen(f.doc.FindScreen(1));
    auto reg = std::make_unique<CRegisterGE>();
    reg->Address().port = 0;
    reg->Address().regType = "HR";
    reg->Address().address = 7;
    f.doc.AddElement(std::move(reg));
    const auto& address = dynamic_cast<CRegisterGE&>(*f.doc.FindScreen(1)->GetElements()[0]).Address();
    f.doc.SetModifiedFlag(false);

    for (Answer answer : {Answer::No, Answer::Yes}) {
        CommunicationDialog dialog(f.doc, f.session, 1);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "修改通讯协议");
        EXPECT_EQ(dialog.Tabs()->currentIndex(), 1);
        ASSERT_NE(dialog.SerialPage(0), nullptr);
        EXPECT_EQ(dialog.SerialPage(0)->Device()->currentText(), "Modbus RTU Master");
        Choose(dialog.SerialPage(0)->Manufacturer(), "(未使用)");
        dialog.accept();
        f.prompt.Script(answer);
        const bool applied = dialog.Apply();
        EXPECT_EQ(f.prompt.Questions().back().text, "已更改端口的所有关联组态信息都将被复位，是否确认？");
        EXPECT_EQ(f.prompt.Questions().back().caption, "确定");
        if (answer == Answer::No) {
            EXPECT_FALSE(applied);
            EXPECT_EQ(f.Project().GetPort(0)->enabled, 1);
            EXPECT_EQ(address.port, 0);
            EXPECT_EQ(address.address, 7);
            EXPECT_FALSE(f.doc.IsModified());
        } else {
            EXPECT_TRUE(applied);
            EXPECT_EQ(f.Project().GetPort(0)->enabled, 0);
            EXPECT_EQ(address.port, PORT_LOCAL);
            EXPECT_EQ(address.regType, "LW");
            EXPECT_TRUE(f.doc.IsModified());
        }
    }

    // A change of line settings only: no question, applied at once.
    const size_t asked = f.prompt.Questions().size();
    CommunicationDialog dialog(f.doc, f.session);
    Choose(dialog.SerialPage(1)->Manufacturer(), 0);
    dialog.accept();
    EXPECT_TRUE(dialog.Apply());
    EXPECT_EQ(f.prompt.Questions().size(), asked);
}

// Choosing a protocol or none keeps the controls where they are: the
// compatible-models lines never resize the columns.
TEST(CommunicationDialog, ColumnsKeepTheirWidthsWhileValuesChange) {
    DialogFixture f;
    CommunicationDialog dialog(f.doc, f.session);
    dialog.show();
    PortPageWidget* page = dialog.SerialPage(0);
    ASSERT_NE(page, nullptr);
    const auto geometries = [page] {
        QApplication::processEvents();
        return std::vector<QRect>{page->Manufacturer()->geometry(), page->Device()->geometry(),
                                  page->Station()->geometry(), page->CompatibleLine(0)->geometry()};
    };
    const std::vector<QRect> unused = geometries();
    Choose(page->Manufacturer(), 1);
    ASSERT_FALSE(page->CompatibleLine(0)->text().isEmpty());
    EXPECT_EQ(geometries(), unused);
    for (int device = 0; device < page->Device()->count(); ++device) {
        Choose(page->Device(), device);
        EXPECT_EQ(geometries(), unused) << page->Device()->currentText().toStdString();
    }
    Choose(page->Manufacturer(), 0);
    EXPECT_EQ(geometries(), unused);
}

TEST(SerialPortDialog, ShowsAndStoresTheChosenPort) {
    DialogFixture f;
    f.session.options.pcComPort = 12;
    SerialPortDialog dialog(f.session.options);
    EXPECT_EQ(dialog.List()->count(), 9);
    EXPECT_EQ(dialog.List()->currentItem()->text(), "com1");
    dialog.List()->setCurrentRow(3);
    dialog.accept();
    EXPECT_EQ(f.session.options.pcComPort, 4);
}

TEST(NewProjectWizard, NameEnablesNextAndFinishCreatesTheProject) {
    DialogFixture f;
    f.doc.ClearProject();
    const std::filesystem::path parent = f.folder.Path() / "work";
    std::filesystem::create_directories(parent);
    NewProjectWizard wizard(f.doc, f.session, f.folder.Path() / "projects");
    wizard.show();
    NamePage* names = wizard.Names();
    EXPECT_EQ(names->LocationEdit()->text().toStdString(), (f.folder.Path() / "projects").string() + "/");
    names->chooseFolder = [&](const QString& start) {
        EXPECT_EQ(start.toStdString(), (f.folder.Path() / "projects").string());
        return QString::fromStdString(parent.string());
    };
    Click(names->BrowseButton());
    // Blanks and ideographic blanks only: no name.
    // (Typed as text: the test keyboard has no ideographic space.)
    names->NameEdit()->setText(QStringLiteral(" \u3000 "));
    EXPECT_FALSE(wizard.button(QWizard::NextButton)->isEnabled());
    EXPECT_FALSE(wizard.button(QWizard::FinishButton)->isEnabled());
    names->NameEdit()->setText(QStringLiteral("\u3000abc "));
    EXPECT_TRUE(wizard.button(QWizard::NextButton)->isEnabled());
    EXPECT_TRUE(wizard.button(QWizard::FinishButton)->isEnabled());
    EXPECT_EQ(names->LocationEdit()->text().toStdString(), (parent / "abc").string());

    // The model page, then the ports of that model: COM0 uses Modbus RTU.
    Click(wizard.button(QWizard::NextButton));
    ASSERT_GT(wizard.Models()->List()->count(), 0);
    wizard.Models()->List()->setCurrentRow(0);
    EXPECT_FALSE(wizard.Models()->Description()->text().isEmpty());
    Click(wizard.button(QWizard::NextButton));
    ASSERT_NE(wizard.Protocols()->SerialPage(0), nullptr);
    Choose(wizard.Protocols()->SerialPage(0)->Manufacturer(), 1);

    // After the model question, an existing folder asks whether to
    // overwrite it; No keeps the wizard open.
    std::filesystem::create_directories(parent / "abc");
    f.prompt.Script(Answer::Yes);
    f.prompt.Script(Answer::No);
    Click(wizard.button(QWizard::FinishButton));
    ASSERT_EQ(f.prompt.Questions().size(), 2u);
    EXPECT_EQ(f.prompt.Questions()[0].text, "工程创建后，文本显示器型号将不能被修改，确认创建工程？");
    EXPECT_EQ(f.prompt.Questions()[1].text, "工程目录(" + (parent / "abc").string() + ")已存在，是否覆盖？");
    EXPECT_TRUE(wizard.isVisible());
    EXPECT_EQ(f.doc.Project(), nullptr);
    std::filesystem::remove_all(parent / "abc");

    f.prompt.Script(Answer::Yes);
    Click(wizard.button(QWizard::FinishButton));
    EXPECT_EQ(f.prompt.Questions().size(), 3u);
    EXPECT_FALSE(wizard.isVisible());
    ASSERT_NE(f.doc.Project(), nullptr);
    const CMirloProject& project = *f.doc.Project();
    EXPECT_EQ(project.GetProjectPath(), (parent / "abc" / "abc.ZPJ").string());
    EXPECT_TRUE(std::filesystem::exists(parent / "abc" / "abc.ZPJ"));
    EXPECT_EQ(project.GetPort(0)->enabled, 1);
    EXPECT_EQ(project.GetPort(0)->protocolId, 1);
    EXPECT_EQ(project.GetPort(1)->enabled, 0);
    EXPECT_FALSE(project.Screens().empty());
    EXPECT_NE(project.FindScreen(1), nullptr);
}

} // namespace
} // namespace balsar::dialogs
