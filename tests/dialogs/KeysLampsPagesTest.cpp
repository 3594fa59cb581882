// The indicator lamp, function key (with its jump, bit and word pages) and
// dynamic text pages, driven through their controls, and the property
// dialog that opens them.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/DynamicTextPage.h"
#include "dialogs/ElementPropertiesDialog.h"
#include "dialogs/FunckeyPage.h"
#include "dialogs/KeyActionPages.h"
#include "dialogs/LampPage.h"
#include "elements/CDynamicText.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"

namespace balsar::dialogs {
namespace {

using test::Choose;
using test::Click;
using test::DialogFixture;

struct KeyLampPageFixture : DialogFixture {
    // The screen of the first shipped model.
    PageContext Context() { return PageContext{session, &Project(), 128, 64}; }
};

// Types a number into a spin box and finishes with Enter.
void TypeNumber(QSpinBox* box, int value) {
    ASSERT_TRUE(box->isEnabled());
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QString::number(value));
    QTest::keyClick(box, Qt::Key_Return);
}

// Edits a grid cell as a user does: open the cell editor, type, Enter.
void EditCell(QTableWidget* grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = grid->item(row, column);
    ASSERT_NE(item, nullptr);
    grid->setCurrentItem(item);
    grid->scrollToItem(item);
    grid->editItem(item);
    // Editors of earlier edits may still await deletion, hidden.
    QLineEdit* editor = nullptr;
    for (QLineEdit* candidate : grid->viewport()->findChildren<QLineEdit*>()) {
        if (candidate->isVisible()) {
            editor = candidate;
        }
    }
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
}

TEST(LampPage, ControlsMakeTheFlashFlagsAndSize) {
    KeyLampPageFixture f;
    CLedGE lamp;
    LampPage page(lamp, f.Context());
    page.show();
    EXPECT_EQ(page.Size()->currentText(), "16");
    EXPECT_FALSE(page.FlashState()->isEnabled());
    EXPECT_FALSE(page.Period()->isEnabled());
    Choose(page.Shape(), "方形");
    Choose(page.Size(), "24");
    Click(page.Flash());
    ASSERT_TRUE(page.FlashState()->isEnabled());
    Choose(page.FlashState(), "状态为1时闪烁");
    TypeNumber(page.Period(), 5);
    EXPECT_EQ(lamp.shape, CLedGE::SHAPE_SQUARE);
    EXPECT_EQ(lamp.GetWidth(), 24);
    EXPECT_EQ(lamp.GetHeight(), 24);
    EXPECT_EQ(lamp.Flags(), 0x0501);
    EXPECT_EQ(lamp.period, 5);
    Click(page.NegativeLogic());
    EXPECT_EQ(lamp.Flags(), 0x0701);
    Click(page.Flash());
    EXPECT_EQ(lamp.Flags(), 0x0601);
    EXPECT_FALSE(page.FlashState()->isEnabled());
}

TEST(FunckeyPage, KeyListFunctionAndAddressFollowTheChoice) {
    KeyLampPageFixture f;
    ASSERT_GE(f.model.Keys().size(), 5u);
    CFunckeyGE key;
    key.TakeFirstKey(f.model.Keys());
    FunckeyPage page(key, f.Context());
    page.show();
    ASSERT_EQ(page.Key()->count(), static_cast<int>(f.model.Keys().size()));
    EXPECT_EQ(page.Key()->currentText().toStdString(), f.model.Keys().front().name);
    Choose(page.Key(), "F5");
    EXPECT_EQ(key.GetKeyCode(), 5);
    // A jump key writes no address.
    EXPECT_EQ(page.ActionPages()->currentWidget(), page.JumpPage());
    EXPECT_FALSE(page.AddressGroup()->isEnabled());
    Choose(page.Function(), "字设定");
    EXPECT_EQ(key.GetFunction(), CFunckeyGE::FUNCTION_WORD);
    EXPECT_EQ(page.ActionPages()->currentWidget(), page.WordPage());
    EXPECT_TRUE(page.AddressGroup()->isEnabled());
    EXPECT_EQ(key.Address().width, WIDTH_WORD);
    Choose(page.Function(), "位设定");
    EXPECT_EQ(page.ActionPages()->currentWidget(), page.BitPage());
    EXPECT_EQ(key.Address().width, WIDTH_BIT);
    // The hand doubles the width; size, level and the boxes reach the key.
    Choose(page.Size(), "24");
    Click(page.Hand());
    EXPECT_EQ(key.GetWidth(), 48);
    EXPECT_EQ(key.GetHeight(), 24);
    Choose(page.PasswordLevel(), "8");
    Click(page.Hidden());
    Click(page.Reverse());
    Click(page.KeepLevel());
    EXPECT_EQ(key.GetPasswordLevel(), 8);
    EXPECT_EQ(key.GetHidden(), 1);
    EXPECT_EQ(key.GetReverse(), 1);
    EXPECT_EQ(key.GetKeepLevel(), 1);
}

TEST(FunckeyPage, KeyCodeTheModelLacksStaysShown) {
    KeyLampPageFixture f;
    CFunckeyGE key;
    key.SetKeyCode(CFunckeyGE::kBareKey);
    FunckeyPage page(key, f.Context());
    EXPECT_EQ(page.Key()->currentData().toInt(), CFunckeyGE::kBareKey);
    // The bare key writes nothing, whatever its function.
    Choose(page.Function(), "位设定");
    EXPECT_FALSE(page.AddressGroup()->isEnabled());
}

TEST(KeyActionPages, JumpPageEnablesTheScreenListOnlyForAJumpToAScreen) {
    KeyLampPageFixture f;
    for (uint16_t number : {1, 3}) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(number);
        f.doc.AddScreen(std::move(screen));
    }
    CFunckeyGE key;
    key.SetKeyCode(5);
    FunckeyPage page(key, f.Context());
    page.show();
    JumpActionPage* jump = page.JumpPage();
    EXPECT_TRUE(jump->KindButton(0)->isChecked());
    Choose(jump->Screens(), "3");
    EXPECT_EQ(key.Jump().targetScreen, 3);
    EXPECT_EQ(key.FunctionBlock(), (std::vector<uint32_t>{0x00050002, 3}));
    Click(jump->KindButton(1));
    EXPECT_EQ(key.Jump().kind, CJumpFrame::JUMP_BACK);
    EXPECT_FALSE(jump->Screens()->isEnabled());
    EXPECT_EQ(key.Jump().targetScreen, 3);
    EXPECT_EQ(key.FunctionBlock(), (std::vector<uint32_t>{0x00050101}));
    Click(jump->KindButton(0));
    EXPECT_TRUE(jump->Screens()->isEnabled());
    EXPECT_EQ(jump->Screens()->currentText(), "3");
}

TEST(KeyActionPages, BitPageModeGivesTheFunctionCode) {
    KeyLampPageFixture f;
    CFunckeyGE key;
    key.SetKeyCode(5);
    FunckeyPage page(key, f.Context());
    page.show();
    Choose(page.Function(), "位设定");
    ASSERT_EQ(page.BitPage()->Mode()->count(), 8);
    Choose(page.BitPage()->Mode(), "取反");
    EXPECT_EQ(key.Bit().mode, CBitSet::BIT_INVERT);
    ASSERT_EQ(key.FunctionBlock().size(), 1u);
    EXPECT_EQ(key.FunctionBlock()[0] & 0xFFFF, 0x1201u);
}

TEST(KeyActionPages, WordPageLabelsEnablingAndCompiledValues) {
    KeyLampPageFixture f;
    CFunckeyGE key;
    key.SetKeyCode(5);
    FunckeyPage page(key, f.Context());
    page.show();
    Choose(page.Function(), "字设定");
    WordActionPage* word = page.WordPage();
    // A new word action waits 0.1 s and steps every 0.1 s.
    EXPECT_EQ(word->Delay()->currentText(), "0.1 sec");
    EXPECT_EQ(word->Speed()->currentText(), "0.1 sec");
    ASSERT_EQ(word->Delay()->count(), 15);
    EXPECT_EQ(word->Delay()->itemText(14), "1.5 sec");
    EXPECT_EQ(word->ValueLabel()->text(), "设置值:");
    EXPECT_FALSE(word->Limit()->isEnabled());
    EXPECT_FALSE(word->Delay()->isEnabled());

    Choose(word->Mode(), "递减");
    EXPECT_EQ(word->ValueLabel()->text(), "递减值:");
    EXPECT_EQ(word->LimitLabel()->text(), "下限:");
    for (QWidget* w : std::initializer_list<QWidget*>{word->Limit(), word->Delay(), word->Speed(), word->Immediate()}) {
        EXPECT_TRUE(w->isEnabled());
    }
    TypeNumber(word->Value(), 5);
    TypeNumber(word->Limit(), 0);
    Choose(word->Delay(), "0.3 sec");
    Choose(word->Speed(), "0.2 sec");
    EXPECT_EQ(key.FunctionBlock(), (std::vector<uint32_t>{0x00052405, 5, 0, 3, 2}));
    Click(word->Immediate());
    EXPECT_EQ(key.FunctionBlock()[0], 0x00852405u);

    Choose(word->Mode(), "加");
    EXPECT_EQ(word->ValueLabel()->text(), "加数:");
    EXPECT_EQ(word->LimitLabel()->text(), "上限:");
    EXPECT_TRUE(word->Limit()->isEnabled());
    EXPECT_FALSE(word->Speed()->isEnabled());
    EXPECT_FALSE(word->Immediate()->isEnabled());
    Choose(word->Mode(), "设定常数");
    EXPECT_EQ(word->LimitLabel()->text(), "");
    EXPECT_FALSE(word->Limit()->isEnabled());
    // Only the constant is compiled, whatever the other values hold.
    ASSERT_EQ(key.FunctionBlock().size(), 2u);
    EXPECT_EQ(key.FunctionBlock()[1], 5u);
    Choose(word->Mode(), "递加(到限循环)");
    EXPECT_TRUE(word->Delay()->isEnabled());
}

// A word-address dynamic text with dot-matrix texts.
CDynamicText WordText(std::initializer_list<std::pair<const char*, const char*>> rows) {
    CDynamicText e;
    e.Address().Reset(WIDTH_WORD);
    e.ChangeDotMatrix(1, nullptr);
    int row = 1;
    for (const auto& [value, text] : rows) {
        e.Row(row)->SetValue(value);
        e.Row(row)->SetText(text);
        ++row;
    }
    e.RecalcSize(nullptr);
    return e;
}

TEST(DynamicTextPage, GridShapeAndRows) {
    KeyLampPageFixture f;
    CDynamicText e = WordText({{"10", "TEN"}, {"2", "TWO"}});
    DynamicTextPage page(e, f.Context());
    page.show();
    QTableWidget* grid = page.Grid();
    EXPECT_EQ(grid->rowCount(), 256);
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "数值");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "内容");
    EXPECT_EQ(grid->columnWidth(0), 40);
    EXPECT_EQ(grid->columnWidth(1), 172);
    EXPECT_EQ(grid->rowHeight(255), 25);
    EXPECT_EQ(grid->item(0, 0)->text(), "10");
    EXPECT_EQ(grid->item(1, 1)->text(), "TWO");
    EXPECT_EQ(grid->item(2, 0)->text(), "");
    EXPECT_EQ(page.DataType()->currentText(), "字地址");
}

TEST(DynamicTextPage, GridEntriesFollowTheAddressRange) {
    KeyLampPageFixture f;
    CDynamicText e = WordText({{"0", "OFF"}});
    DynamicTextPage page(e, f.Context());
    page.show();
    QTableWidget* grid = page.Grid();
    EditCell(grid, 1, 0, "65535");
    EXPECT_EQ(e.Row(2)->GetValue(), "65535");
    EditCell(grid, 1, 1, "MAX");
    EXPECT_EQ(e.Row(2)->GetText(), "MAX");
    EXPECT_EQ(e.GetWidth(), 24);
    // Beyond the word range: refused with the message, the cell shows the
    // row's value again.
    EditCell(grid, 1, 0, "65536");
    ASSERT_EQ(f.sink.Texts().size(), 1u);
    EXPECT_EQ(f.sink.Texts()[0], "输入越界,可输入范围 ( 0-65535 )");
    EXPECT_EQ(e.Row(2)->GetValue(), "65535");
    EXPECT_EQ(grid->item(1, 0)->text(), "65535");
    // Emptying a value empties its text too, in the row and the grid.
    EditCell(grid, 1, 0, "");
    EXPECT_FALSE(e.Row(2)->IsUsed());
    EXPECT_EQ(e.Row(2)->GetText(), "");
    EXPECT_EQ(grid->item(1, 1)->text(), "");
    // A bit address takes 0 and 1 only.
    e.Address().Reset(WIDTH_BIT);
    EditCell(grid, 2, 0, "2");
    ASSERT_EQ(f.sink.Texts().size(), 2u);
    EXPECT_EQ(f.sink.Texts()[1], "输入越界,可输入范围 ( 0-1 )");
    EXPECT_FALSE(e.Row(3)->IsUsed());
    EditCell(grid, 2, 0, "1");
    EXPECT_EQ(e.Row(3)->GetValue(), "1");
}

TEST(DynamicTextPage, WordToBitAsksAndYesKeepsStatesZeroAndOne) {
    KeyLampPageFixture f;
    CDynamicText e = WordText({{"0", "A"}, {"1", "B"}, {"2", "C"}});
    DynamicTextPage page(e, f.Context());
    page.show();
    f.prompt.Script(Answer::No);
    Choose(page.DataType(), "位地址");
    ASSERT_EQ(f.prompt.Questions().size(), 1u);
    EXPECT_EQ(f.prompt.Questions()[0].text, "数值越界部分文本将丢失，是否继续？");
    EXPECT_FALSE(e.IsBitAddress());
    EXPECT_EQ(page.DataType()->currentText(), "字地址");
    EXPECT_EQ(page.Grid()->item(2, 0)->text(), "2");

    f.prompt.Script(Answer::Yes);
    Choose(page.DataType(), "位地址");
    EXPECT_TRUE(e.IsBitAddress());
    EXPECT_EQ(e.StateMap(), (std::map<int32_t, std::string>{{0, "A"}, {1, "B"}}));
    EXPECT_EQ(page.Grid()->item(2, 0)->text(), "");
    EXPECT_EQ(page.Grid()->item(2, 1)->text(), "");
    EXPECT_EQ(page.DataType()->currentText(), "位地址");
    // The address panel now offers what a bit address offers.
    CAddr bit{WIDTH_BIT};
    AddressPanelWidget bitPanel(bit, &f.Project(), f.session);
    CAddr word{WIDTH_WORD};
    AddressPanelWidget wordPanel(word, &f.Project(), f.session);
    auto entries = [](QComboBox* box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i) {
            list << box->itemText(i);
        }
        return list;
    };
    ASSERT_NE(entries(bitPanel.TypeBox()), entries(wordPanel.TypeBox()));
    EXPECT_EQ(entries(page.Address()->TypeBox()), entries(bitPanel.TypeBox()));
    EXPECT_EQ(page.Address()->TypeBox()->currentText().toStdString(), e.Address().regType);
}

TEST(DynamicTextPage, DotMatrixSwitchAsksAboutNonEnglishTexts) {
    KeyLampPageFixture f;
    CDynamicText e;
    e.Row(1)->SetValue("0");
    e.Row(1)->SetText("温度 T1");
    DynamicTextPage page(e, f.Context());
    page.show();
    ASSERT_TRUE(page.DotMatrix()->isEnabled());
    f.prompt.Script(Answer::No);
    Click(page.DotMatrix());
    EXPECT_EQ(e.GetDotMatrix(), 0);
    EXPECT_FALSE(page.DotMatrix()->isChecked());
    f.prompt.Script(Answer::Yes);
    Click(page.DotMatrix());
    ASSERT_EQ(f.prompt.Questions().size(), 2u);
    EXPECT_EQ(f.prompt.Questions()[1].text, "所有非英文字符将丢失，是否继续？");
    EXPECT_EQ(e.Row(1)->GetText(), " T1");
    EXPECT_EQ(page.Grid()->item(0, 1)->text(), " T1");
    EXPECT_FALSE(page.Font()->isEnabled());
    EXPECT_EQ(e.GetWidth(), 24);
}

TEST(KeysLampsDialog, EachKindOpensItsPageAndOkIsOneUndoStep) {
    DialogFixture f;
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(1);
    f.doc.AddScreen(std::move(screen));
    f.doc.SetCurrentScreen(f.doc.FindScreen(1));
    f.doc.AddElement(std::make_unique<CLedGE>());
    f.doc.AddElement(std::make_unique<CFunckeyGE>());
    f.doc.AddElement(std::make_unique<CDynamicText>());
    const PageContext pageContext{f.session, &f.Project(), 128, 64};
    const auto& elements = f.doc.FindScreen(1)->GetElements();
    const char* titles[3] = {"指示灯属性", "功能键属性", "动态文本属性"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(ElementPropertiesDialog::HasPage(elements[i]->GetKind())) << i;
        ElementPropertiesDialog dialog(*elements[i], pageContext);
        EXPECT_EQ(dialog.windowTitle().toStdString(), titles[i]);
        EXPECT_EQ(dialog.Tabs()->tabText(0).toStdString(), titles[i]);
    }

    QUndoStack stack;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ElementPropertiesDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* page = dynamic_cast<LampPage*>(dialog->KindPage());
        ASSERT_NE(page, nullptr);
        Choose(page->Size(), "32");
        dialog->accept();
    });
    ASSERT_TRUE(EditElementPropertiesUndoable(nullptr, f.doc, f.session, stack, 1, 0, nullptr));
    EXPECT_EQ(elements[0]->GetWidth(), 32);
    EXPECT_EQ(stack.count(), 1);
    stack.undo();
    EXPECT_EQ(elements[0]->GetWidth(), 16);
}

} // namespace
} // namespace balsar::dialogs
