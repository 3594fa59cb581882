#include <gtest/gtest.h>

#include "elements/CGraphElement.h"
#include "elements/CStaticText.h"
#include "elements/ElementFactory.h"
#include "elements/ElementRegistry.h"
#include "project/CoreClasses.h"

namespace balsar {
namespace {

// The base's geometry, reached through a kind with resize handles.
class Resizable : public CGraphElement {
public:
    Resizable() : CGraphElement(KIND_BAR_FOR_TEST) {}
    int HitHandle(int x, int y) override { return m_handle = HandleAt(x, y); }
    int GetHandle() const override { return m_handle; }
    void DragHandle(int handle, int dx, int dy, int w, int h) override { MoveEdge(handle, dx, dy, w, h); }
    static constexpr int32_t KIND_BAR_FOR_TEST = 5;

private:
    int m_handle = 0;
};

TEST(ElementBase, DoubleSizeDoublesOnceAndStaysOnScreen) {
    Resizable e;
    e.SetLeft(100);
    e.SetTop(10);
    e.SetWidth(40);
    e.SetHeight(16);
    e.ChangeDoubleSize(true, 128, 64);
    EXPECT_EQ(e.GetWidth(), 80);
    EXPECT_EQ(e.GetHeight(), 32);
    EXPECT_EQ(e.GetLeft(), 48);
    EXPECT_EQ(e.GetTop(), 10);
    e.ChangeDoubleSize(true, 128, 64); // already on
    EXPECT_EQ(e.GetWidth(), 80);
    e.ChangeDoubleSize(false, 128, 64);
    e.ChangeDoubleSize(false, 128, 64);
    EXPECT_EQ(e.GetWidth(), 40);
    EXPECT_EQ(e.GetHeight(), 16);
    EXPECT_EQ(e.GetDoubleSize(), 0);
}

TEST(ElementBase, HitTestIncludesOnePixelAround) {
    Resizable e;
    e.SetLeft(10);
    e.SetTop(10);
    e.SetWidth(20);
    e.SetHeight(8);
    EXPECT_TRUE(e.HitTest(9, 9));
    EXPECT_TRUE(e.HitTest(30, 18));
    EXPECT_FALSE(e.HitTest(31, 12));
    EXPECT_FALSE(e.HitTest(12, 8));
    EXPECT_TRUE(e.FitsOnScreenAt(108, 56, 128, 64));
    EXPECT_FALSE(e.FitsOnScreenAt(109, 56, 128, 64));
    EXPECT_FALSE(e.FitsOnScreenAt(-1, 0, 128, 64));
}

TEST(ElementBase, HandlesMoveEdgesWithinLimits) {
    Resizable e;
    e.SetLeft(10);
    e.SetTop(10);
    e.SetWidth(20);
    e.SetHeight(20);
    EXPECT_EQ(e.HitHandle(20, 9), 1);
    EXPECT_EQ(e.HitHandle(31, 20), 2);
    EXPECT_EQ(e.HitHandle(20, 30), 3);
    EXPECT_EQ(e.HitHandle(10, 21), 4);
    EXPECT_EQ(e.HitHandle(15, 15), 0);
    e.DragHandle(1, 0, -5, 128, 64);
    EXPECT_EQ(e.GetTop(), 5);
    EXPECT_EQ(e.GetHeight(), 25);
    e.DragHandle(4, 3, 0, 128, 64);
    EXPECT_EQ(e.GetLeft(), 13);
    EXPECT_EQ(e.GetWidth(), 17);
    e.DragHandle(2, -14, 0, 128, 64); // width 3 < 4: ignored
    EXPECT_EQ(e.GetWidth(), 17);
    e.DragHandle(3, 0, -18, 128, 64); // height 7 < 8: ignored
    EXPECT_EQ(e.GetHeight(), 25);
    e.DragHandle(3, 0, 40, 128, 64); // beyond the screen: ignored
    EXPECT_EQ(e.GetHeight(), 25);
    e.DragHandle(1, 0, -6, 128, 64); // top negative: ignored
    EXPECT_EQ(e.GetTop(), 5);
}

TEST(ElementBase, RegisteredKindsComeFromArchivesAndXml) {
    const auto text = CreateElementForXmlType("StaticText");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetKind(), 2);
    const auto reg = CreateElementForXmlType("Register");
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(reg->GetKind(), 4);
    EXPECT_NE(CoreClassRegistry().Find("CStaticText"), nullptr);
    EXPECT_NE(CoreClassRegistry().Find("CRegisterGE"), nullptr);
    EXPECT_TRUE(CStaticText::StaticClass().IsDerivedFrom(CGraphElement::StaticClass()));
    reg->SetNumber(7);
    EXPECT_EQ(reg->GetName(), "REG7");
}

} // namespace
} // namespace balsar
