// The bar graph, trend graph, event list, ASCII string and picture in the
// screen editor through real mouse and key events: placing each kind with
// its own setup, the picture's bitmap file, and the edge handles of the
// resizable kinds (drawn while selected, one undo step per drag).
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <fstream>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editor/CanvasWidget.h"
#include "elements/BmpTestFiles.h"
#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CEventListGE.h"
#include "elements/CPictureGE.h"
#include "elements/CTrendGE.h"
#include "elements/ElementKinds.h"
#include "support/TestSupport.h"

using namespace balsar;
using namespace balsar::test;

namespace {

class GraphKinds : public ::testing::Test, public EditorFixture {
protected:
    GraphKinds() : canvas(*editor) {}

    // Places the armed tool with a click at a panel point.
    CGraphElement* ClickInsert(int x, int y) {
        const size_t before = Elements().size();
        SendMouse(&canvas, QEvent::MouseMove, Win(x, y), Qt::NoButton, Qt::NoButton);
        SendMouse(&canvas, QEvent::MouseButtonPress, Win(x, y), Qt::LeftButton, Qt::LeftButton);
        SendMouse(&canvas, QEvent::MouseButtonRelease, Win(x, y), Qt::LeftButton, Qt::NoButton);
        return Elements().size() > before ? Elements().back().get() : nullptr;
    }
    const ElementList& Elements() { return doc.CurrentScreen()->GetElements(); }

    // Press at one panel point, move through the others, release at the last.
    void DragThrough(const std::vector<QPoint>& points) {
        SendMouse(&canvas, QEvent::MouseButtonPress, Win(points[0].x(), points[0].y()), Qt::LeftButton,
                  Qt::LeftButton);
        for (size_t i = 1; i < points.size(); ++i) {
            SendMouse(&canvas, QEvent::MouseMove, Win(points[i].x(), points[i].y()), Qt::NoButton,
                      Qt::LeftButton);
        }
        SendMouse(&canvas, QEvent::MouseButtonRelease, Win(points.back().x(), points.back().y()),
                  Qt::LeftButton, Qt::NoButton);
    }

    std::string WriteBmp(const std::string& name, const BmpLayout& layout, const std::vector<uint8_t>& rows) {
        const std::string path = folder.File(name);
        const std::vector<uint8_t> bytes = MakeBmp(layout, rows);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    editor::CanvasWidget canvas;
    TempFolder folder;
};

template <typename T> T* As(CGraphElement* e) {
    return dynamic_cast<T*>(e);
}

} // namespace

TEST_F(GraphKinds, EachKindIsPlacedWithItsOwnSetup) {
    doc.Project()->eventList.font = "宋体";
    ASSERT_TRUE(editor->ArmTool(KIND_EVENT_LIST));
    auto* list = As<CEventListGE>(ClickInsert(50, 30));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Rect().left, 0);
    EXPECT_EQ(list->Rect().top, 0);
    EXPECT_EQ(list->GetWidth(), 128);
    EXPECT_EQ(list->GetHeight(), 64);
    EXPECT_EQ(list->GetName(), "EV0");

    ASSERT_TRUE(editor->ArmTool(KIND_BAR));
    auto* bar = As<CBarGE>(ClickInsert(9, 10));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetLeft(), 8);
    EXPECT_EQ(bar->GetTop(), 12);
    EXPECT_EQ(bar->GetWidth(), 16);
    EXPECT_EQ(bar->GetHeight(), 48);
    EXPECT_EQ(bar->GetName(), "BAR0");

    ASSERT_TRUE(editor->ArmTool(KIND_TREND));
    auto* trend = As<CTrendGE>(ClickInsert(100, 40));
    ASSERT_NE(trend, nullptr);
    // Pushed back onto the 128 x 64 screen without changing its size.
    EXPECT_EQ(trend->GetLeft(), 32);
    EXPECT_EQ(trend->GetTop(), 16);
    EXPECT_EQ(trend->GetWidth(), 96);
    EXPECT_EQ(trend->pointCount, 20);

    ASSERT_TRUE(editor->ArmTool(KIND_ASCII));
    auto* ascii = As<CAsciiGE>(ClickInsert(0, 0));
    ASSERT_NE(ascii, nullptr);
    EXPECT_EQ(ascii->GetWidth(), 24);
    EXPECT_EQ(ascii->GetHeight(), 16);
    EXPECT_EQ(ascii->GetCharCount(), 3);
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{ascii}));
    EXPECT_EQ(editor->UndoStack()->count(), 4);
    editor->UndoStack()->undo();
    EXPECT_EQ(Elements().size(), 3u);
}

TEST_F(GraphKinds, FifthTrendOnAScreenIsRefused) {
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(editor->ArmTool(KIND_TREND));
        ASSERT_NE(ClickInsert(0, 0), nullptr);
    }
    CGraphElement* fourth = Elements().back().get();
    ASSERT_TRUE(editor->ArmTool(KIND_TREND));
    EXPECT_EQ(ClickInsert(0, 0), nullptr);
    EXPECT_TRUE(sink.Contains("每页只允许放置4个趋势图!"));
    EXPECT_EQ(editor->Selection().Items(), (std::vector<CGraphElement*>{fourth}));
}

TEST_F(GraphKinds, APasteThatWouldMakeAFifthTrendIsRefused) {
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(editor->ArmTool(KIND_TREND));
        ASSERT_NE(ClickInsert(0, 0), nullptr);
    }
    editor->Selection().Set({Elements()[0].get(), Elements()[1].get()});
    editor->Copy();
    const int steps = editor->UndoStack()->count();
    editor->Paste();
    EXPECT_EQ(Elements().size(), 3u);
    EXPECT_EQ(editor->UndoStack()->count(), steps);
    EXPECT_TRUE(sink.Contains("每页只允许放置4个趋势图!"));
    // One more fits.
    editor->Selection().Set({Elements()[0].get()});
    editor->Copy();
    editor->Paste();
    EXPECT_EQ(Elements().size(), 4u);
}

TEST_F(GraphKinds, PictureToolTakesItsBitmapFromTheChosenFile) {
    // 8 x 1, the four left pixels stored with palette index 0 (lit).
    const std::string path = WriteBmp("four.bmp", BmpLayout{}, {0x0F, 0, 0, 0});
    ASSERT_TRUE(editor->ArmPicture(path));
    EXPECT_EQ(editor->Tool(), KIND_PICTURE);
    EXPECT_EQ(editor->Ghost().right - editor->Ghost().left, 8);
    EXPECT_EQ(editor->Ghost().bottom - editor->Ghost().top, 1);
    auto* picture = As<CPictureGE>(ClickInsert(21, 29));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetLeft(), 20);
    EXPECT_EQ(picture->GetTop(), 28);
    EXPECT_EQ(picture->GetWidth(), 8);
    EXPECT_EQ(picture->GetHeight(), 1);
    EXPECT_EQ(picture->bitmapId, 1);
    EXPECT_EQ(picture->SourcePath(), path);
    EXPECT_EQ(picture->FileName(), "four.bmp");
    EXPECT_EQ(picture->Library(), &doc.Project()->bitmapLibrary);
    EXPECT_EQ(picture->GetName(), "PIC0");
    EXPECT_EQ(editor->Tool(), -1);
    // The panel shows the four lit pixels of the bitmap.
    const QImage screen = editor::RenderScreenImage(*editor);
    EXPECT_EQ(screen.pixel(20, 28), editor::kLitColour);
    EXPECT_EQ(screen.pixel(23, 28), editor::kLitColour);
    EXPECT_EQ(screen.pixel(24, 28), editor::kUnlitColour);

    // The same file again: the same entry, a second picture of it.
    ASSERT_TRUE(editor->ArmPicture(path));
    auto* again = As<CPictureGE>(ClickInsert(60, 40));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->bitmapId, 1);
    EXPECT_EQ(doc.Project()->bitmapLibrary.Items().size(), 1u);
    EXPECT_TRUE(sink.Texts().empty());
}

// A save while the picture sits only on the undo history (deleted, cut or
// an undone insert) must not cost the picture its bitmap.
TEST_F(GraphKinds, APictureOnlyTheUndoHistoryHoldsKeepsItsBitmapAcrossSaves) {
    const std::string path = WriteBmp("four.bmp", BmpLayout{}, {0x0F, 0, 0, 0});
    const std::string project = folder.File("pictures.ZPJ");
    const auto lit = [&] { return editor::RenderScreenImage(*editor).pixel(20, 28) == editor::kLitColour; };
    const std::vector<std::string> ways{"delete", "cut", "undone insert"};
    for (const std::string& how : ways) {
        SCOPED_TRACE(how);
        if (how != ways.front()) {
            editor->Selection().Set({doc.CurrentScreen()->GetElements().back().get()});
            editor->DeleteSelection();
        }
        ASSERT_TRUE(editor->ArmPicture(path));
        auto* picture = As<CPictureGE>(ClickInsert(21, 29));
        ASSERT_NE(picture, nullptr);
        ASSERT_TRUE(lit());
        if (how == "undone insert") {
            editor->UndoStack()->undo();
        } else {
            editor->Selection().Set({picture});
            how == "cut" ? editor->Cut() : editor->DeleteSelection();
        }
        ASSERT_FALSE(lit());
        ASSERT_TRUE(doc.SaveToFile(project, true));
        how == "undone insert" ? editor->UndoStack()->redo() : editor->UndoStack()->undo();
        EXPECT_TRUE(lit()) << "the picture came back blank";
    }
    // Saved with the picture back, the file carries its bitmap.
    ASSERT_TRUE(doc.SaveToFile(project, true));
    ASSERT_TRUE(doc.CloseProject());
    ASSERT_TRUE(doc.OpenProject(project));
    const auto* reopened = As<CPictureGE>(doc.Project()->Screens().front()->GetElements().back().get());
    ASSERT_NE(reopened, nullptr);
    ASSERT_NE(doc.Project()->bitmapLibrary.FindItem(reopened->bitmapId), nullptr);
    EXPECT_EQ(doc.Project()->bitmapLibrary.FindItem(reopened->bitmapId)->data.front(), 0x0F);
}

TEST_F(GraphKinds, RefusedBitmapFilesShowTheirMessageAndArmNothing) {
    BmpLayout fourBit;
    fourBit.bits = 4;
    const std::string colour = WriteBmp("colour.bmp", fourBit, {0x12, 0x34, 0x56, 0x78});
    EXPECT_FALSE(editor->ArmPicture(colour));
    EXPECT_FALSE(editor->ArmPicture(folder.File("missing.bmp")));
    BmpLayout wide;
    wide.width = 136;
    const std::string large = WriteBmp("wide.bmp", wide, std::vector<uint8_t>(20, 0));
    EXPECT_FALSE(editor->ArmPicture(large));
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"文件格式非法，只能导入单色位图", "载入图片失败",
                                                      "图片尺寸太大，无法载入!"}));
    EXPECT_EQ(editor->Tool(), -1);
    // A click afterwards selects instead of placing anything.
    EXPECT_EQ(ClickInsert(10, 10), nullptr);

    // Escape drops an armed picture tool; the command alone cannot arm it.
    ASSERT_TRUE(editor->ArmPicture(WriteBmp("ok.bmp", BmpLayout{}, {0xFF, 0, 0, 0})));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &escape);
    EXPECT_EQ(editor->Tool(), -1);
    EXPECT_FALSE(editor->ArmTool(KIND_PICTURE));
    EXPECT_EQ(ClickInsert(10, 10), nullptr);
}

TEST_F(GraphKinds, BarEdgeDragsKeepTheMinimumAndMakeOneUndoStep) {
    auto owned = std::make_unique<CBarGE>();
    owned->SetTopLeft(20, 20);
    owned->SetWidth(16);
    owned->SetHeight(8);
    CBarGE* bar = owned.get();
    doc.CurrentScreen()->AddElement(std::move(owned));
    editor->Selection().Set({bar});
    // Top handle of an 8-pixel-high bar dragged down: nothing, no step.
    DragThrough({{28, 20}, {28, 22}, {28, 24}});
    EXPECT_EQ(bar->GetTop(), 20);
    EXPECT_EQ(bar->GetHeight(), 8);
    EXPECT_EQ(editor->UndoStack()->count(), 0);
    // Bottom handle down in three moves: one step.
    DragThrough({{28, 28}, {28, 31}, {28, 35}, {28, 38}});
    EXPECT_EQ(bar->GetHeight(), 18);
    EXPECT_EQ(bar->GetTop(), 20);
    ASSERT_EQ(editor->UndoStack()->count(), 1);
    // Left handle: the left edge moves and the width shrinks, down to 4.
    DragThrough({{20, 29}, {26, 29}, {40, 29}});
    EXPECT_EQ(bar->GetLeft(), 26);
    EXPECT_EQ(bar->GetWidth(), 10);
    EXPECT_EQ(editor->UndoStack()->count(), 2);
    editor->UndoStack()->undo();
    EXPECT_EQ(bar->GetLeft(), 20);
    EXPECT_EQ(bar->GetWidth(), 16);
    editor->UndoStack()->undo();
    EXPECT_EQ(bar->GetHeight(), 8);
    // A press beside the handles moves the bar instead.
    DragThrough({{22, 24}, {30, 24}});
    EXPECT_EQ(bar->GetLeft(), 28);
    EXPECT_EQ(bar->GetWidth(), 16);
}

TEST_F(GraphKinds, TrendAndEventListHandlesStayInsideTheScreen) {
    auto trendOwned = std::make_unique<CTrendGE>();
    trendOwned->SetTopLeft(40, 20);
    trendOwned->SetWidth(16);
    trendOwned->SetHeight(16);
    CTrendGE* trend = trendOwned.get();
    doc.CurrentScreen()->AddElement(std::move(trendOwned));
    editor->Selection().Set({trend});
    // Right edge (56, 28): narrower than 16 is refused, beyond the screen too.
    DragThrough({{56, 28}, {55, 28}});
    EXPECT_EQ(trend->GetWidth(), 16);
    DragThrough({{56, 28}, {140, 28}});
    EXPECT_EQ(trend->GetWidth(), 16);
    DragThrough({{56, 28}, {128, 28}});
    EXPECT_EQ(trend->GetLeft() + trend->GetWidth(), 128);
    EXPECT_EQ(editor->UndoStack()->count(), 1);

    ASSERT_TRUE(editor->ArmTool(KIND_EVENT_LIST));
    auto* list = As<CEventListGE>(ClickInsert(0, 0));
    ASSERT_NE(list, nullptr);
    const int steps = editor->UndoStack()->count();
    // Bottom handle of the whole-screen list (64, 64) up by 20 in three moves.
    DragThrough({{64, 64}, {64, 60}, {64, 50}, {64, 44}});
    EXPECT_EQ(list->GetHeight(), 44);
    EXPECT_EQ(editor->UndoStack()->count(), steps + 1);
    // Its top edge cannot leave the screen.
    DragThrough({{64, 0}, {64, -6}});
    EXPECT_EQ(list->GetTop(), 0);
    EXPECT_EQ(list->GetHeight(), 44);
    editor->UndoStack()->undo();
    EXPECT_EQ(list->GetHeight(), 64);
}

TEST_F(GraphKinds, SelectedResizableKindsShowWhiteEdgeHandles) {
    auto owned = std::make_unique<CBarGE>();
    owned->SetTopLeft(40, 16);
    owned->SetWidth(16);
    owned->SetHeight(32);
    CBarGE* bar = owned.get();
    doc.CurrentScreen()->AddElement(std::move(owned));
    CGraphElement* reg = AddRegister(80, 16, 16, 32);
    canvas.resize(canvas.sizeHint());
    // Handle squares span (x - 2, y - 2)..(x + 2, y + 2) around the edge
    // middles; in window pixels the top one of the bar starts at (92, 28).
    const auto corner = [this](int panelX, int panelY) {
        return QColor(canvas.grab().toImage().pixel(Win(panelX, panelY))) == QColor(Qt::white);
    };
    EXPECT_FALSE(corner(46, 14));
    editor->Selection().Set({bar});
    EXPECT_TRUE(corner(46, 14)) << "top";
    EXPECT_TRUE(corner(54, 30)) << "right";
    EXPECT_TRUE(corner(46, 46)) << "bottom";
    EXPECT_TRUE(corner(38, 30)) << "left";
    // A register has no edge handles.
    editor->Selection().Set({reg});
    EXPECT_FALSE(corner(86, 14));
    EXPECT_FALSE(corner(46, 14));
}
