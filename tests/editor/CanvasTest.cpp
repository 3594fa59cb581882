// The canvas through real mouse and key events: insert with snapping,
// click / Ctrl-click / rubber-band selection, drag moves, resize by handle.
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editor/CanvasWidget.h"
#include "elements/CStaticText.h"
#include "elements/ElementKinds.h"

using namespace balsar;
using namespace balsar::test;

namespace {

class Canvas : public ::testing::Test, public EditorFixture {
protected:
    Canvas() : canvas(*editor) {}
    editor::CanvasWidget canvas;
};

void Key(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

} // namespace

TEST_F(Canvas, IsTwiceThePanelSize) {
    EXPECT_EQ(canvas.width(), 256);
    EXPECT_EQ(canvas.height(), 128);
}

TEST_F(Canvas, InsertSnapsTheGhostToFourAndSelectsTheNewElement) {
    CGraphElement* existing = AddRegister(100, 40);
    editor->Selection().MakeLast(existing);
    ASSERT_TRUE(editor->ArmTool(KIND_REGISTER));
    SendMouse(&canvas, QEvent::MouseMove, Win(9, 10), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(editor->Ghost().left, 8);
    EXPECT_EQ(editor->Ghost().top, 12);
    SendMouse(&canvas, QEvent::MouseButtonPress, Win(9, 10), Qt::LeftButton, Qt::LeftButton);
    SendMouse(&canvas, QEvent::MouseButtonRelease, Win(9, 10), Qt::LeftButton, Qt::NoButton);
    const ElementList& elements = doc.CurrentScreen()->GetElements();
    ASSERT_EQ(elements.size(), 2u);
    const CGraphElement& added = *elements.back();
    EXPECT_EQ(added.GetLeft(), 8);
    EXPECT_EQ(added.GetTop(), 12);
    EXPECT_EQ(added.GetWidth(), 40);
    EXPECT_EQ(added.GetName(), "REG1");
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{elements.back().get()}));
    EXPECT_EQ(editor->Tool(), -1);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Canvas, GhostNearTheCornerStaysOnTheScreen) {
    ASSERT_TRUE(editor->ArmTool(KIND_REGISTER));
    SendMouse(&canvas, QEvent::MouseMove, Win(127, 63), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(editor->Ghost().right, 128);
    EXPECT_EQ(editor->Ghost().bottom, 64);
    EXPECT_FALSE(editor->ArmTool(KIND_TREND_BUFFER)) << "tool code 8 is never offered";
}

TEST_F(Canvas, ClickCtrlClickAndRubberBand) {
    CGraphElement* a = AddRegister(10, 10);
    CGraphElement* b = AddRegister(40, 10);
    CGraphElement* c = AddRegister(70, 30);
    SendMouse(&canvas, QEvent::MouseButtonPress, Win(12, 12), Qt::LeftButton, Qt::LeftButton);
    SendMouse(&canvas, QEvent::MouseButtonRelease, Win(12, 12), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{a}));
    SendMouse(&canvas, QEvent::MouseButtonPress, Win(42, 12), Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    SendMouse(&canvas, QEvent::MouseButtonRelease, Win(42, 12), Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{a, b}));
    SendMouse(&canvas, QEvent::MouseButtonPress, Win(12, 12), Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    SendMouse(&canvas, QEvent::MouseButtonRelease, Win(12, 12), Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{b}));
    // A band from empty canvas takes every element it encloses, in screen order.
    Drag(&canvas, Win(2, 2), Win(100, 50));
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{a, b, c}));
    Drag(&canvas, Win(60, 25), Win(100, 50));
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{c}));
    // A Ctrl band keeps the selection and adds what it encloses.
    Drag(&canvas, Win(5, 5), Win(35, 25), Qt::ControlModifier);
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{c, a}));
    Key(&canvas, Qt::Key_Escape);
    EXPECT_TRUE(editor->Selection().Empty());
}

TEST_F(Canvas, DragMovesByMultiplesOfFourTowardsZero) {
    CGraphElement* a = AddRegister(20, 20);
    CGraphElement* b = AddRegister(40, 20);
    editor->Selection().Set({a, b});
    // +7 / -7 panel pixels become +4 / -4; both selected elements move.
    Drag(&canvas, Win(22, 22), Win(29, 15));
    EXPECT_EQ(a->GetLeft(), 24);
    EXPECT_EQ(a->GetTop(), 16);
    EXPECT_EQ(b->GetLeft(), 44);
    // Three pixels move nothing and leave no undo step.
    const int steps = editor->UndoStack()->count();
    Drag(&canvas, Win(26, 18), Win(29, 21));
    EXPECT_EQ(a->GetLeft(), 24);
    EXPECT_EQ(editor->UndoStack()->count(), steps);
    // Far beyond the right edge: the selection stops at the edge.
    Drag(&canvas, Win(26, 18), Win(250, 18));
    EXPECT_EQ(b->GetLeft() + b->GetWidth(), 128);
    EXPECT_EQ(b->GetLeft() - a->GetLeft(), 20);
}

TEST_F(Canvas, ResizeByHandleOfTheSingleSelectedElement) {
    CGraphElement* bar = AddResizable(20, 8, 16, 40);
    editor->Selection().Set({bar});
    // Bottom handle at the middle of the bottom edge (28, 48), dragged 6 down.
    Drag(&canvas, Win(28, 48), Win(28, 54));
    EXPECT_EQ(bar->GetHeight(), 46);
    EXPECT_EQ(bar->GetTop(), 8);
    EXPECT_EQ(editor->UndoStack()->count(), 1) << "one gesture, one step";
    editor->UndoStack()->undo();
    EXPECT_EQ(bar->GetHeight(), 40);
    // Dragging the bottom edge below the screen is refused by the element.
    Drag(&canvas, Win(28, 48), Win(28, 70));
    EXPECT_LE(bar->GetTop() + bar->GetHeight(), 64);
}

TEST_F(Canvas, ArrowKeysNudgeOrNothingAtTheEdge) {
    CGraphElement* a = AddRegister(0, 10);
    CGraphElement* b = AddRegister(40, 10);
    editor->Selection().Set({a, b});
    Key(&canvas, Qt::Key_Left);
    EXPECT_EQ(a->GetLeft(), 0);
    EXPECT_EQ(b->GetLeft(), 40) << "blocked for the whole selection";
    Key(&canvas, Qt::Key_Right);
    Key(&canvas, Qt::Key_Right);
    Key(&canvas, Qt::Key_Down);
    EXPECT_EQ(a->GetLeft(), 2);
    EXPECT_EQ(b->GetTop(), 11);
    EXPECT_EQ(editor->UndoStack()->count(), 1) << "a run of nudges is one step";
    editor->UndoStack()->undo();
    EXPECT_EQ(a->GetLeft(), 0);
    EXPECT_EQ(b->GetTop(), 10);
    Key(&canvas, Qt::Key_Delete);
    EXPECT_TRUE(doc.CurrentScreen()->GetElements().empty());
}

TEST_F(Canvas, PaintsThePanelColoursAndIsNotBlank) {
    AddRegister(10, 10, 40, 16);
    const QImage panel = editor::RenderScreenImage(*editor);
    ASSERT_EQ(panel.width(), 128);
    EXPECT_EQ(panel.pixel(100, 50), editor::kUnlitColour);
    bool lit = false;
    for (int y = 10; y < 26 && !lit; ++y) {
        for (int x = 10; x < 50 && !lit; ++x) {
            lit = panel.pixel(x, y) == editor::kLitColour;
        }
    }
    EXPECT_TRUE(lit) << "the register's digits";
    const QImage shown = canvas.grab().toImage();
    EXPECT_EQ(shown.pixelColor(201, 101).rgb(), editor::kUnlitColour) << "panel pixels at twice the size";
}

TEST_F(Canvas, DoubleClickNamesTheElementUnderTheMouse) {
    AddRegister(10, 10);
    AddRegister(60, 30);
    std::vector<int> clicked;
    QObject::connect(&canvas, &editor::CanvasWidget::elementDoubleClicked, [&](int index) { clicked.push_back(index); });
    SendMouse(&canvas, QEvent::MouseButtonDblClick, Win(62, 32), Qt::LeftButton, Qt::LeftButton);
    SendMouse(&canvas, QEvent::MouseButtonDblClick, Win(120, 60), Qt::LeftButton, Qt::LeftButton); // empty space
    EXPECT_EQ(clicked, std::vector<int>{1});
    // Not while a tool is armed: the click places an element instead.
    ASSERT_TRUE(editor->ArmTool(KIND_REGISTER));
    SendMouse(&canvas, QEvent::MouseButtonDblClick, Win(12, 12), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(Canvas, NewStaticTextTakesTheFontOfTheFirstLanguage) {
    doc.Project()->languages.Clear();
    doc.Project()->languages.Add(0x0804, "宋体");
    ASSERT_TRUE(editor->ArmTool(KIND_STATIC_TEXT));
    editor->MoveGhost(8, 8);
    ASSERT_TRUE(editor->InsertAtGhost());
    const auto* text = dynamic_cast<const CStaticText*>(doc.CurrentScreen()->GetElements().back().get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetFont(), "宋体");
    EXPECT_EQ(text->GetText(), "文字串");
}
