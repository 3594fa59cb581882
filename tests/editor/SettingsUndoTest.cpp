// Settings changes as undo steps: each accepted settings change is one step
// that restores everything it touched, the addresses a port change reset
// included; undo all, redo all, save and reopen gives the file saved
// before the undos.
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "elements/BmpTestFiles.h"
#include "elements/CRegisterGE.h"
#include "elements/ElementKinds.h"
#include "project/PortSettingsChange.h"
#include "support/TestSupport.h"

using namespace balsar;
using namespace balsar::test;

namespace {

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SettingsUndo : public ::testing::Test, public EditorFixture {
protected:
    void SetUp() override {
        project().GetPort(0)->enabled = 1;
        project().GetPort(0)->protocolId = 1;
        auto* reg = dynamic_cast<CRegisterGE*>(AddRegister(8, 8));
        ASSERT_NE(reg, nullptr);
        reg->Address().Reset(WIDTH_WORD, 0, 1);
        reg->Address().address = 40;
    }
    CMirloProject& project() { return *doc.Project(); }
    TempFolder folder;
    // One settings dialog's change: what its OK does to the project.
    void Change(const char* text, const std::function<void()>& apply) {
        SCOPED_TRACE(text);
        const int steps = editor->UndoStack()->count();
        editor->BeginSettingsChange();
        apply();
        editor->EndSettingsChange(QString::fromUtf8(text));
        ASSERT_EQ(editor->UndoStack()->count(), steps + 1);
        EXPECT_TRUE(doc.IsModified());
    }
    const CRegisterGE* Register() {
        return dynamic_cast<const CRegisterGE*>(doc.FindScreen(1)->GetElements().front().get());
    }
};

} // namespace

TEST_F(SettingsUndo, EverySettingsChangeIsOneStepThatRestoresTheFileBytes) {
    // Every kind on the screen, the picture with a bitmap of its own.
    int x = 0;
    for (int kind : {KIND_LED, KIND_FUNCKEY, KIND_STATIC_TEXT, KIND_DYNAMIC_TEXT, KIND_REGISTER, KIND_BAR, KIND_TREND,
                     KIND_ASCII, KIND_EVENT_LIST, KIND_PICTURE}) {
        SCOPED_TRACE(kind);
        if (kind == KIND_PICTURE) {
            const std::vector<uint8_t> bmp = MakeBmp(BmpLayout{}, {0x0F, 0, 0, 0});
            const std::string path = folder.File("p.bmp");
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
            ASSERT_TRUE(editor->ArmPicture(path));
        } else {
            ASSERT_TRUE(editor->ArmTool(kind));
        }
        editor->MoveGhost(x, 40);
        ASSERT_TRUE(editor->InsertAtGhost());
        x += 12;
    }
    const std::vector<uint8_t> start = ProjectBytes();
    std::vector<std::vector<uint8_t>> states{start};

    Change("全局设置", [&] { project().settings.initialScreen = 3; });
    states.push_back(ProjectBytes());
    Change("通讯设置", [&] {
        PortSettings settings = CurrentPortSettings(project());
        settings.ports[0].protocolId = 2;
        prompt.Script(Answer::Yes);
        ASSERT_TRUE(ApplyPortSettings(doc, settings, session));
    });
    // The port change reset the register's address to LOCAL.
    EXPECT_EQ(Register()->Address().port, PORT_LOCAL);
    states.push_back(ProjectBytes());
    Change("报警设置", [&] {
        project().eventList.items.resize(2);
        project().eventList.fontSizeIndex = 0;
    });
    states.push_back(ProjectBytes());
    Change("数据传输", [&] { project().dataTransfers.items.resize(1); });
    states.push_back(ProjectBytes());
    Change("语言设置", [&] { project().languages.Add(0x0409, "Latin"); });
    states.push_back(ProjectBytes());

    // The file as saved before the undos.
    const std::string path = folder.File("settings.ZPJ");
    ASSERT_TRUE(doc.SaveToFile(path, true));
    editor->UndoStack()->setClean();
    const std::vector<uint8_t> saved = ReadFileBytes(path);
    EXPECT_FALSE(doc.IsModified());

    for (size_t i = states.size() - 1; i > 0; --i) {
        editor->UndoStack()->undo();
        EXPECT_EQ(ProjectBytes(), states[i - 1]) << "undo to state " << i - 1;
        EXPECT_TRUE(doc.IsModified());
    }
    EXPECT_EQ(Register()->Address().port, 0);
    EXPECT_EQ(Register()->Address().address, 40);
    for (size_t i = 1; i < states.size(); ++i) {
        editor->UndoStack()->redo();
        EXPECT_EQ(ProjectBytes(), states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(doc.IsModified()) << "back at the saved state";
    ASSERT_TRUE(doc.SaveToFile(path, true));
    ASSERT_TRUE(doc.CloseProject());
    ASSERT_TRUE(doc.OpenProject(path));
    ASSERT_TRUE(doc.SaveToFile(path, true));
    EXPECT_EQ(ReadFileBytes(path), saved);
}

TEST_F(SettingsUndo, ADialogClosedWithoutAChangeLeavesNoStepAndNoModifiedMark) {
    editor->BeginSettingsChange();
    doc.SetModifiedFlag(true); // a dialog that marks the project on OK alone
    editor->EndSettingsChange(QStringLiteral("全局设置"));
    EXPECT_EQ(editor->UndoStack()->count(), 0);
    EXPECT_FALSE(doc.IsModified());
}
