// The project tree: labels, expansion kept over rebuilds, clicks and keys.
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editor/ProjectTree.h"
#include "editor/ScreenCommands.h"

using namespace balsar;
using namespace balsar::test;
using Role = balsar::editor::ProjectTree::Role;

namespace {

class Tree : public ::testing::Test, public EditorFixture {
protected:
    Tree() : tree(*editor) { tree.Rebuild(); }

    QStringList Labels(QTreeWidgetItem* parent) {
        QStringList labels;
        for (int i = 0; i < parent->childCount(); ++i) {
            labels << parent->child(i)->text(0);
        }
        return labels;
    }

    editor::ProjectTree tree;
};

} // namespace

TEST_F(Tree, TopLevelItemsPortsAndScreens) {
    ASSERT_EQ(tree.topLevelItemCount(), 5);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), QStringLiteral("通讯设置"));
    EXPECT_EQ(tree.topLevelItem(1)->text(0), QStringLiteral("全局设置"));
    EXPECT_EQ(tree.topLevelItem(4)->text(0), QStringLiteral("画面"));
    // No protocol loaded for any port: all unused.
    EXPECT_EQ(Labels(tree.CommunicationItem()),
              (QStringList{QStringLiteral("COM0:(未使用)"), QStringLiteral("COM1:(未使用)"),
                           QStringLiteral("COM2:(未使用)")}));
    EXPECT_EQ(Labels(tree.ScreensItem()), (QStringList{QStringLiteral("新建"), QStringLiteral("1:"),
                                                       QStringLiteral("3:Alarms")}));
}

TEST_F(Tree, ElementItemsUseTheTreeTagAndTheId) {
    editor->ShowScreen(doc.FindScreen(3));
    AddRegister(0, 0);
    CGraphElement* second = AddRegister(20, 0);
    AddResizable(40, 0, 16, 40);
    doc.CurrentScreen()->RemoveElement(doc.CurrentScreen()->GetElements()[0].get());
    AddRegister(60, 0);
    tree.Rebuild();
    QTreeWidgetItem* three = tree.ItemOfScreen(3);
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(Labels(three), (QStringList{QStringLiteral("REG1"), QStringLiteral("BAR0"), QStringLiteral("REG0")}));
    EXPECT_EQ(second->GetID(), 1);
}

TEST_F(Tree, RebuildKeepsExpandedScreensAlsoWhenScreensAreAddedBefore) {
    tree.ScreensItem()->setExpanded(true);
    tree.ItemOfScreen(3)->setExpanded(true);
    editor::ScreenCommands commands(*editor);
    ASSERT_TRUE(commands.NewScreen(2, "Two")); // rebuilds through the editor
    EXPECT_TRUE(tree.ScreensItem()->isExpanded());
    EXPECT_TRUE(tree.ItemOfScreen(3)->isExpanded());
    EXPECT_FALSE(tree.ItemOfScreen(2)->isExpanded());
    EXPECT_FALSE(tree.ItemOfScreen(1)->isExpanded());
    EXPECT_FALSE(tree.CommunicationItem()->isExpanded());
}

TEST_F(Tree, ClicksMakeScreensCurrentAndSelectElements) {
    editor->ShowScreen(doc.FindScreen(3));
    AddRegister(0, 0);
    CGraphElement* target = AddRegister(20, 0);
    editor->ShowScreen(doc.FindScreen(1));
    tree.Rebuild();
    QTreeWidgetItem* three = tree.ItemOfScreen(3);
    tree.Activate(three->child(1));
    EXPECT_EQ(doc.CurrentScreen(), doc.FindScreen(3));
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{target}));
    tree.Activate(tree.ItemOfScreen(1));
    EXPECT_EQ(doc.CurrentScreen(), doc.FindScreen(1));
    EXPECT_TRUE(editor->Selection().Empty());
}

TEST_F(Tree, DeleteKeyOnAnElementItemDeletesItAndSelectsTheNext) {
    AddRegister(0, 0);
    AddRegister(20, 0);
    CGraphElement* third = AddRegister(40, 0);
    tree.Rebuild();
    QTreeWidgetItem* one = tree.ItemOfScreen(1);
    tree.setCurrentItem(one->child(1));
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(&tree, &del);
    ASSERT_EQ(doc.CurrentScreen()->GetElements().size(), 2u);
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{third}));
    EXPECT_EQ(tree.currentItem()->text(0), QStringLiteral("REG2"));
}

TEST_F(Tree, WithoutAProjectTheTreeIsEmpty) {
    doc.ClearProject();
    tree.Rebuild();
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}
