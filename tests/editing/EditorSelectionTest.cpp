// The editor's selection rules, screen edits that restore a screen exactly,
// and the clipboard block.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "editing/ClipboardBlock.h"
#include "editing/EditorGeometry.h"
#include "editing/EditorScreenEdits.h"
#include "editing/EditorSelection.h"
#include "elements/CPictureGE.h"
#include "project/CHMIFrame.h"
#include "project/CMirloProject.h"
#include "project/CoreClasses.h"
#include "project/FakeElement.h"

using namespace balsar;
using namespace balsar::editor;
using balsar::test::FakeElement;

namespace {

CGraphElement* Add(CHMIFrame& screen, int kind, int left, int top, int width = 8, int height = 8) {
    auto element = std::make_unique<FakeElement>(kind);
    element->SetLeft(left);
    element->SetTop(top);
    element->SetWidth(width);
    element->SetHeight(height);
    CGraphElement* raw = element.get();
    screen.AddElement(std::move(element));
    return raw;
}

std::vector<uint8_t> Bytes(CHMIFrame& screen) {
    Archive ar;
    screen.Serialize(ar);
    return ar.TakeData();
}

} // namespace

TEST(EditorSelection, ClickCtrlClickAndEmptyCanvas) {
    CHMIFrame screen;
    CGraphElement* a = Add(screen, 4, 0, 0);
    CGraphElement* b = Add(screen, 4, 20, 0);
    CGraphElement* c = Add(screen, 0, 40, 0);
    EditorSelection sel;
    EXPECT_FALSE(sel.Press(a, false));
    EXPECT_FALSE(sel.Press(b, true));
    EXPECT_FALSE(sel.Press(c, true));
    EXPECT_EQ(sel.Items(), (std::vector<CGraphElement*>{a, b, c}));
    // A plain press on a selected element keeps the selection, making it the reference.
    sel.Press(a, false);
    EXPECT_EQ(sel.Items(), (std::vector<CGraphElement*>{b, c, a}));
    EXPECT_EQ(sel.Reference(), a);
    // Ctrl on a selected one removes it.
    sel.Press(c, true);
    EXPECT_EQ(sel.Items(), (std::vector<CGraphElement*>{b, a}));
    // A plain press on an unselected element selects only it.
    sel.Press(c, false);
    EXPECT_EQ(sel.Items(), (std::vector<CGraphElement*>{c}));
    // Ctrl on empty canvas starts a band and keeps the selection; a plain press clears it.
    EXPECT_TRUE(sel.Press(nullptr, true));
    EXPECT_EQ(sel.Size(), 1);
    EXPECT_TRUE(sel.Press(nullptr, false));
    EXPECT_TRUE(sel.Empty());
}

TEST(EditorSelection, RubberBandTakesWhollyEnclosedElementsInScreenOrder) {
    CHMIFrame screen;
    CGraphElement* a = Add(screen, 4, 10, 10);
    CGraphElement* b = Add(screen, 4, 30, 10);
    Add(screen, 4, 60, 10); // partly outside the band
    CGraphElement* d = Add(screen, 0, 2, 2);
    EditorSelection sel;
    sel.Press(b, false);
    const PanelRect band = SpanOf(40, 18, 2, 2); // corners included: 2..40 x 2..18
    EXPECT_EQ(sel.AddInside(screen.GetElements(), band), d);
    EXPECT_EQ(sel.Items(), (std::vector<CGraphElement*>{b, a, d}));
    EXPECT_EQ(sel.AddInside(screen.GetElements(), band), nullptr) << "nothing new";
}

TEST(EditorSelection, HitTestPicksTheTopmostAndSelectAllOnEmptyScreen) {
    CHMIFrame screen;
    EditorSelection sel;
    sel.SelectAll(screen.GetElements());
    EXPECT_TRUE(sel.Empty());
    CGraphElement* under = Add(screen, 4, 0, 0, 20, 20);
    CGraphElement* over = Add(screen, 4, 10, 10, 20, 20);
    EXPECT_EQ(ElementAt(screen.GetElements(), 15, 15), over);
    EXPECT_EQ(ElementAt(screen.GetElements(), 5, 5), under);
    EXPECT_EQ(ElementAt(screen.GetElements(), 30, 30), over) << "one pixel outside still hits";
    EXPECT_EQ(ElementAt(screen.GetElements(), 31, 31), nullptr);
    sel.SelectAll(screen.GetElements());
    EXPECT_EQ(sel.IndexesIn(screen.GetElements()), (std::vector<int>{0, 1}));
}

TEST(EditorScreenEdits, DetachAndReinsertRestoresOrderIdsAndBytes) {
    CHMIFrame screen;
    Add(screen, 4, 0, 0);
    Add(screen, 0, 8, 0);
    Add(screen, 4, 16, 0);
    Add(screen, 4, 24, 0);
    Add(screen, 0, 32, 0);
    const auto before = Bytes(screen);
    auto detached = DetachElementsAt(screen, {3, 0, 1});
    ASSERT_EQ(detached.size(), 3u);
    EXPECT_EQ(screen.GetElements().size(), 2u);
    // A new element of the same kind takes the freed ID; it is removed again
    // before the undo, as the undo stack guarantees.
    CGraphElement* extra = Add(screen, 4, 50, 0);
    EXPECT_EQ(extra->GetName(), "REG0");
    screen.RemoveElement(extra);
    ReinsertElements(screen, detached);
    EXPECT_EQ(Bytes(screen), before);
    EXPECT_EQ(screen.GetElements()[3]->GetName(), "REG2");
}

TEST(EditorScreenEdits, RestoreOrderUndoesStackingChanges) {
    CHMIFrame screen;
    CGraphElement* a = Add(screen, 4, 0, 0);
    Add(screen, 4, 8, 0);
    CGraphElement* c = Add(screen, 4, 16, 0);
    const auto order = ElementOrder(screen);
    const auto before = Bytes(screen);
    screen.SendToBack({c, a});
    EXPECT_NE(Bytes(screen), before);
    RestoreOrder(screen, order);
    EXPECT_EQ(Bytes(screen), before);
}

TEST(EditorScreenEdits, StoredScreenLoadsBackIdentically) {
    CHMIFrame screen;
    screen.SetNumber(7);
    screen.SetDescription("Alarms");
    Add(screen, 4, 0, 0);
    Add(screen, 4, 8, 0);
    screen.RemoveElement(screen.GetElements()[0].get()); // leaves REG1 alone
    const auto stored = StoreScreen(screen, nullptr);
    auto loaded = LoadScreen(stored, test::TestRegistry(), nullptr);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(StoreScreen(*loaded, nullptr), stored);
    EXPECT_EQ(loaded->GetElements()[0]->GetName(), "REG1");
    EXPECT_EQ(LoadScreen(std::vector<uint8_t>{1, 2, 3}, test::TestRegistry(), nullptr), nullptr);
}

TEST(ClipboardBlock, RoundTripAndMarker) {
    CHMIFrame screen;
    CGraphElement* a = Add(screen, 4, 4, 8, 12, 16);
    CGraphElement* b = Add(screen, 0, 40, 8);
    static_cast<FakeElement*>(a)->payload = 77;
    const auto bytes = WriteClipboardBlock("/p/项目.ZPJ", 3, {b, a}, nullptr);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 5);
    EXPECT_EQ(bytes[1], 0);
    auto block = ReadClipboardBlock(bytes, test::TestRegistry(), nullptr);
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(block->projectPath, "/p/项目.ZPJ");
    EXPECT_EQ(block->screenNumber, 3);
    ASSERT_EQ(block->elements.size(), 2u);
    EXPECT_EQ(block->elements[0]->GetKind(), 0);
    EXPECT_EQ(block->elements[1]->GetLeft(), 4);
    EXPECT_EQ(static_cast<FakeElement*>(block->elements[1].get())->payload, 77);

    auto wrongMarker = bytes;
    wrongMarker[0] = 4;
    EXPECT_FALSE(ReadClipboardBlock(wrongMarker, test::TestRegistry(), nullptr).has_value());
    auto truncated = bytes;
    truncated.resize(bytes.size() - 3);
    EXPECT_FALSE(ReadClipboardBlock(truncated, test::TestRegistry(), nullptr).has_value());
}

TEST(ClipboardBlock, PastedPictureBringsItsBitmapToAnotherProject) {
    CMirloProject source;
    int32_t id = 0;
    for (const uint8_t byte : {0x10, 0x20}) {
        auto item = std::make_unique<CSingleColorBitmapLibItem>();
        item->width = 8;
        item->height = 1;
        item->data = {byte};
        id = source.bitmapLibrary.AddItem(std::move(item));
    }
    CPictureGE picture;
    picture.bitmapId = id;
    picture.SetWidth(8);
    picture.SetHeight(1);
    const auto block = WriteClipboardBlock("/a/one.ZPJ", 1, {&picture}, &source.bitmapLibrary);

    CMirloProject target;
    const auto pasted = ReadClipboardBlock(block, CoreClassRegistry(), &target.bitmapLibrary);
    ASSERT_TRUE(pasted.has_value());
    ASSERT_EQ(pasted->elements.size(), 1u);
    const auto* arrived = dynamic_cast<const CPictureGE*>(pasted->elements[0].get());
    ASSERT_NE(arrived, nullptr);
    EXPECT_EQ(arrived->bitmapId, 1);
    ASSERT_NE(target.bitmapLibrary.FindItem(1), nullptr);
    EXPECT_EQ(target.bitmapLibrary.FindItem(1)->data, std::vector<uint8_t>{0x20});
}
