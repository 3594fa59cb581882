// Every kind of editor and screen command, undone and redone: the project
// returns to byte-identical archive bytes each way.
#include <QApplication>
#include <QClipboard>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editor/ScreenCommands.h"
#include "elements/CRegisterGE.h"
#include "elements/ElementKinds.h"
#include "support/TestSupport.h"

using namespace balsar;
using namespace balsar::test;

namespace {

class Undo : public ::testing::Test, public EditorFixture {
protected:
    void SetUp() override {
        a = AddRegister(8, 8);
        b = AddRegister(40, 20, 24, 8);
        c = AddRegister(90, 40, 16, 16);
        AddRegister(60, 4);
    }

    // Runs the command; the project must change, return exactly on undo
    // and come back exactly on redo.
    void Check(const char* what, const std::function<void()>& command) {
        SCOPED_TRACE(what);
        const std::vector<uint8_t> before = ProjectBytes();
        const int steps = editor->UndoStack()->count();
        command();
        ASSERT_EQ(editor->UndoStack()->count(), steps + 1) << "one undo step";
        const std::vector<uint8_t> after = ProjectBytes();
        EXPECT_NE(after, before);
        editor->UndoStack()->undo();
        EXPECT_EQ(ProjectBytes(), before);
        editor->UndoStack()->redo();
        EXPECT_EQ(ProjectBytes(), after);
    }

    void Select(std::vector<CGraphElement*> items) { editor->Selection().Set(std::move(items)); }
    // The elements of the current screen by position (pointers change when
    // a screen is brought back).
    CGraphElement* At(size_t i) { return doc.CurrentScreen()->GetElements()[i].get(); }

    CGraphElement* a = nullptr;
    CGraphElement* b = nullptr;
    CGraphElement* c = nullptr;
};

} // namespace

TEST_F(Undo, ElementCommandsRestoreTheProjectBytes) {
    Check("insert", [&] {
        editor->ArmTool(KIND_STATIC_TEXT);
        editor->MoveGhost(20, 44);
        editor->InsertAtGhost();
    });
    Check("move", [&] {
        Select({a, b});
        editor->MoveSelection({4, 8});
    });
    Check("nudge", [&] {
        Select({c});
        editor->Nudge(1, 0);
        editor->Nudge(0, -1);
    });
    Check("align", [&] {
        Select({a, b, c});
        editor->Align(editor::AlignMode::Bottom);
    });
    Check("distribute", [&] {
        Select({a, b, c});
        editor->Distribute(true);
    });
    Check("centre", [&] {
        Select({b});
        editor->Centre(editor::CentreMode::Both);
    });
    Check("front", [&] {
        Select({a, b});
        editor->BringToFront();
    });
    Check("back", [&] {
        Select({b});
        editor->SendToBack();
    });
    Check("delete", [&] {
        Select({At(3), At(0)});
        editor->DeleteSelection();
    });
    Check("cut", [&] {
        Select({At(1)});
        editor->Cut();
    });
    Check("paste", [&] {
        Select({At(0), At(2)});
        editor->Copy();
        editor->Paste();
    });
    Check("labels", [&] { editor->ToggleLabels(); });
}

TEST_F(Undo, DeleteThenInsertKeepsIdsWhenUndoneInOrder) {
    Select({b});
    editor->DeleteSelection();
    editor->ArmTool(KIND_REGISTER);
    editor->MoveGhost(0, 40);
    editor->InsertAtGhost();
    EXPECT_EQ(doc.CurrentScreen()->GetElements().back()->GetName(), "REG1") << "takes the freed ID";
    editor->UndoStack()->undo();
    editor->UndoStack()->undo();
    EXPECT_EQ(doc.CurrentScreen()->GetElements()[1]->GetName(), "REG1");
    EXPECT_EQ(doc.CurrentScreen()->GetElements()[1]->GetLeft(), 40);
}

TEST_F(Undo, StackingOrderWithoutChangeIsNoStep) {
    Select({At(3)});
    editor->BringToFront();
    Select({At(0)});
    editor->SendToBack();
    EXPECT_EQ(editor->UndoStack()->count(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Undo, AlignWithOneAndDistributeWithTwoDoNothing) {
    Select({a});
    editor->Align(editor::AlignMode::Left);
    Select({a, b});
    editor->Distribute(true);
    EXPECT_EQ(editor->UndoStack()->count(), 0);
}

TEST_F(Undo, ScreenCommandsRestoreTheProjectBytes) {
    editor::ScreenCommands commands(*editor);
    Check("new screen", [&] { ASSERT_TRUE(commands.NewScreen(commands.ProposedNumber(), "Start")); });
    EXPECT_EQ(doc.CurrentScreen()->GetNumber(), 2);
    Check("copy screen over an existing one", [&] {
        editor->ShowScreen(doc.FindScreen(1));
        prompt.Script(Answer::Ok);
        ASSERT_TRUE(commands.CopyScreen(3));
    });
    Check("delete screen", [&] {
        prompt.Script(Answer::Ok);
        ASSERT_TRUE(commands.DeleteScreen());
    });
    Check("properties", [&] {
        ASSERT_TRUE(commands.ApplyProperties({"Motor", 0, 9}));
    });
    doc.Project()->GetPort(0)->enabled = 1;
    doc.Project()->GetPort(0)->protocolId = 7;
    Check("swap ports", [&] { editor->SwapPorts(0, 1); });
}

TEST_F(Undo, CopyScreenThreeToSevenRenumbersAndResetsKeyTargets) {
    editor::ScreenCommands commands(*editor);
    editor->ShowScreen(doc.FindScreen(3));
    doc.CurrentScreen()->SetUpKeyTarget(40);
    doc.CurrentScreen()->AddElement(std::make_unique<CRegisterGE>());
    ASSERT_TRUE(commands.CopyScreen(7));
    const CHMIFrame* seven = doc.FindScreen(7);
    ASSERT_NE(seven, nullptr);
    EXPECT_EQ(doc.CurrentScreen(), seven);
    EXPECT_EQ(seven->GetName(), "HMI7");
    EXPECT_EQ(seven->GetUpKeyTarget(), 6);
    EXPECT_EQ(seven->GetDownKeyTarget(), 8);
    EXPECT_EQ(seven->GetDescription(), "Alarms");
    ASSERT_EQ(seven->GetElements().size(), 1u);
    EXPECT_EQ(seven->GetElements()[0]->GetName(), "REG0");
    EXPECT_FALSE(commands.CopyScreen(7)) << "copy onto itself is ignored";
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(Undo, OverwriteQuestionCancelLeavesBothScreens) {
    editor::ScreenCommands commands(*editor);
    const auto before = ProjectBytes();
    EXPECT_FALSE(commands.NewScreen(3, "x")); // unscripted: Cancel
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, "该画面号已存在，是否覆盖?");
    EXPECT_EQ(ProjectBytes(), before);
    EXPECT_FALSE(commands.DeleteScreen());
    EXPECT_EQ(prompt.Questions()[1].text, "删除画面 1?");
    EXPECT_EQ(prompt.Questions()[1].caption, "删除画面");
    EXPECT_EQ(ProjectBytes(), before);
}

TEST_F(Undo, NewScreenIncreasesKeysAndSystemModeUsesTheSystemScreen) {
    editor::ScreenCommands commands(*editor);
    ASSERT_TRUE(commands.NewScreen(5, "Five"));
    EXPECT_EQ(doc.CurrentScreen()->GetUpKeyTarget(), 4);
    EXPECT_EQ(doc.CurrentScreen()->GetDownKeyTarget(), 6);
    // A project from the legacy import numbers its screens in system mode.
    test::TempFolder folder;
    const std::string xml = folder.File("sys.xml");
    std::ofstream(xml) << R"(<HMI PLCID="0"><Frames><Frame ID="1"><Parts/></Frame></Frames></HMI>)";
    ASSERT_TRUE(doc.LoadLegacyXml(xml, [](std::string_view) { return std::unique_ptr<CGraphElement>(); }));
    editor->ResetView();
    EXPECT_EQ(commands.ProposedNumber(), 65535);
    ASSERT_TRUE(commands.NewScreen(12, "ignored"));
    EXPECT_EQ(doc.CurrentScreen()->GetNumber(), 65535);
    EXPECT_EQ(doc.CurrentScreen()->GetDescription(), "系统页面");
}

TEST_F(Undo, DeletingTheLastScreenMakesThePreviousCurrent) {
    editor::ScreenCommands commands(*editor);
    editor->ShowScreen(doc.FindScreen(3));
    prompt.Script(Answer::Ok);
    ASSERT_TRUE(commands.DeleteScreen());
    EXPECT_EQ(doc.CurrentScreen(), doc.FindScreen(1));
    prompt.Script(Answer::Ok);
    ASSERT_TRUE(commands.DeleteScreen());
    EXPECT_EQ(doc.CurrentScreen(), nullptr);
    editor->UndoStack()->undo();
    EXPECT_EQ(doc.CurrentScreen()->GetNumber(), 1);
    EXPECT_EQ(doc.CurrentScreen()->GetElements().size(), 4u);
}

TEST_F(Undo, PasteOffsetsAndPasteIntoAnotherScreen) {
    Select({a});
    editor->Copy();
    editor->Paste();
    editor->Paste();
    const ElementList& elements = doc.CurrentScreen()->GetElements();
    ASSERT_EQ(elements.size(), 6u);
    EXPECT_EQ(elements[4]->GetLeft(), 12);
    EXPECT_EQ(elements[5]->GetLeft(), 16);
    EXPECT_EQ(elements[5]->GetTop(), 16);
    EXPECT_EQ(elements[5]->GetName(), "REG5");
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{elements[5].get()}));
    // A fresh copy pasted on another screen keeps its coordinates.
    editor->Copy();
    editor->ShowScreen(doc.FindScreen(3));
    ASSERT_TRUE(editor->CanPaste());
    editor->Paste();
    ASSERT_EQ(doc.CurrentScreen()->GetElements().size(), 1u);
    EXPECT_EQ(doc.CurrentScreen()->GetElements()[0]->GetLeft(), 16);
    EXPECT_EQ(doc.CurrentScreen()->GetElements()[0]->GetName(), "REG0");
    // Pasted again on its own screen, then on another one without a new
    // copy: there the copied coordinates are kept, not the running offset.
    editor->ShowScreen(doc.FindScreen(1));
    editor->Paste();
    EXPECT_EQ(doc.CurrentScreen()->GetElements().back()->GetLeft(), 20);
    editor->ShowScreen(doc.FindScreen(3));
    editor->Paste();
    EXPECT_EQ(doc.CurrentScreen()->GetElements().back()->GetLeft(), 16);
    EXPECT_EQ(doc.CurrentScreen()->GetElements().back()->GetTop(), 16);
    // Clipboard data of another kind is not pasted.
    QApplication::clipboard()->setText(QStringLiteral("text"));
    EXPECT_FALSE(editor->CanPaste());
}
