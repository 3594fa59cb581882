// The bar graph: compiled records, direction changes, handles, drawing,
// the legacy XML form and the page's scale rules.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CBarGE.h"
#include "elements/GraphScale.h"
#include "elements/PanelCanvas.h"
#include "project/CoreClasses.h"
#include "xml/CXmlDocumentWrapper.h"
#include "ElementsTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::CompileFixture;
using test::Hex;
using test::Slice;

// A panel tall enough for the bars below (48 pixels high from row 20).
Image BarRecord(const CBarGE& bar) {
    CompileFixture f(nullptr, 128, 128);
    bar.Compile(f.context);
    return f.image;
}

Image Expected(const CBarGE& bar, const std::string& head, const std::string& tail) {
    Image expected = Hex(head);
    Image address;
    RecordingMessageSink sink;
    bar.Address().Compile(address, nullptr, sink);
    expected.insert(expected.end(), address.begin(), address.end());
    const Image rest = Hex(tail);
    expected.insert(expected.end(), rest.begin(), rest.end());
    return expected;
}

CBarGE BarAt(int left, int top, int width, int height) {
    CBarGE bar;
    bar.SetLeft(left);
    bar.SetTop(top);
    bar.SetWidth(width);
    bar.SetHeight(height);
    return bar;
}

TEST(BarGraph, RecordsByTypeAndDirection) {
    CBarGE bar = BarAt(10, 20, 16, 48);
    EXPECT_EQ(bar.GetExtraA(), 1);
    EXPECT_EQ(bar.GetExtraB(), 1);
    // Signed one word, up, 999 and 0 as integers.
    EXPECT_EQ(BarRecord(bar), Expected(bar, "0A 14 19 43  01 00 0100", "00000000 03 00 00 00 E7030000 00000000"));

    // Double float, left: scales as single floats, width byte 0.
    ChangeScaleType(bar.Scale(), SCALE_DOUBLE);
    EXPECT_EQ(bar.Scale().dataWidth, SCALE_FOUR_WORDS);
    bar.Scale().zeroScale = -1.5;
    bar.ChangeDirection(CBarGE::DIR_LEFT);
    EXPECT_EQ(Slice(BarRecord(bar), 24, 12), Hex("03 24 00 00  00C07944 0000C0BF"));

    // Single float: two words, width byte 4.
    ChangeScaleType(bar.Scale(), SCALE_FLOAT);
    EXPECT_EQ(Slice(BarRecord(bar), 24, 4), Hex("03 23 04 00"));

    // Unsigned two words, right, full scale 4294967295: all bits set.
    ChangeScaleType(bar.Scale(), SCALE_UNSIGNED);
    ChangeScaleWidth(bar.Scale(), SCALE_TWO_WORDS);
    ASSERT_TRUE(TrySetFullScale(bar.Scale(), 4294967295.0));
    bar.ChangeDirection(CBarGE::DIR_RIGHT);
    EXPECT_EQ(Slice(BarRecord(bar), 24, 12), Hex("03 31 04 00  FFFFFFFF 00000000"));

    // Signed values are truncated toward zero.
    ChangeScaleType(bar.Scale(), SCALE_SIGNED);
    bar.Scale().fullScale = 100.9;
    bar.Scale().zeroScale = -7.9;
    bar.ChangeDirection(CBarGE::DIR_DOWN);
    EXPECT_EQ(Slice(BarRecord(bar), 24, 12), Hex("03 10 04 00  64000000 F9FFFFFF"));
}

TEST(BarGraph, DirectionChangeSwapsTheSizeBetweenAxes) {
    CBarGE bar = BarAt(0, 0, 20, 60);
    bar.ChangeDirection(CBarGE::DIR_LEFT);
    EXPECT_EQ(bar.GetWidth(), 60);
    EXPECT_EQ(bar.GetHeight(), 20);
    bar.ChangeDirection(CBarGE::DIR_RIGHT);
    EXPECT_EQ(bar.GetWidth(), 60);
    bar.ChangeDirection(CBarGE::DIR_UP);
    EXPECT_EQ(bar.GetWidth(), 20);
    EXPECT_EQ(bar.GetHeight(), 60);
    bar.ChangeDirection(CBarGE::DIR_DOWN);
    EXPECT_EQ(bar.GetWidth(), 20);
    EXPECT_EQ(bar.GetDirection(), CBarGE::DIR_DOWN);
}

TEST(BarGraph, HandlesKeepTheMinimumAndTheScreen) {
    CBarGE bar = BarAt(10, 10, 16, 8);
    EXPECT_EQ(bar.HitHandle(19, 9), 1); // one pixel off the middle of the top
    EXPECT_EQ(bar.GetHandle(), 1);
    bar.DragHandle(1, 0, 1, 128, 64); // an 8-pixel bar cannot get lower
    EXPECT_EQ(bar.GetTop(), 10);
    EXPECT_EQ(bar.GetHeight(), 8);
    bar.DragHandle(1, 0, -11, 128, 64); // above the screen
    EXPECT_EQ(bar.GetTop(), 10);
    bar.DragHandle(1, 0, -10, 128, 64);
    EXPECT_EQ(bar.GetTop(), 0);
    EXPECT_EQ(bar.GetHeight(), 18);
    bar.DragHandle(3, 0, 47, 128, 64); // bottom to 65
    EXPECT_EQ(bar.GetHeight(), 18);
    bar.DragHandle(3, 0, 46, 128, 64);
    EXPECT_EQ(bar.GetHeight(), 64);
    bar.DragHandle(2, -13, 0, 128, 64); // 3 wide
    EXPECT_EQ(bar.GetWidth(), 16);
    bar.DragHandle(2, -12, 0, 128, 64);
    EXPECT_EQ(bar.GetWidth(), 4);
    bar.DragHandle(4, -11, 0, 128, 64); // left edge at -1
    EXPECT_EQ(bar.GetLeft(), 10);
    bar.DragHandle(4, -10, 0, 128, 64);
    EXPECT_EQ(bar.GetLeft(), 0);
    EXPECT_EQ(bar.GetWidth(), 14);
    bar.DragHandle(2, 115, 0, 128, 64); // right edge at 129
    EXPECT_EQ(bar.GetWidth(), 14);
    EXPECT_EQ(bar.HitHandle(5, 5), 0);
}

TEST(BarGraph, DrawsTheThirdItGrowsFrom) {
    CBarGE bar = BarAt(0, 0, 12, 9);
    PanelCanvas canvas(16, 16);
    bar.Draw(canvas, nullptr);
    EXPECT_EQ(canvas.Dump(PanelRect{0, 0, 12, 9}),
              "############\n"
              "############\n"
              "##........##\n"
              "##........##\n"
              "##........##\n"
              "##........##\n"
              "############\n"
              "############\n"
              "############\n");
    bar.ChangeDirection(CBarGE::DIR_RIGHT); // 9 wide, 12 high; the left 3 columns
    PanelCanvas right(16, 16);
    bar.Draw(right, nullptr);
    EXPECT_EQ(right.Dump(PanelRect{0, 5, 9, 6}), "###....##\n");
}

TEST(BarGraph, LegacyXml) {
    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml("<Parts/>"));
    CXmlNodeWrapper parts = doc.AsNode().FindNode("Parts");
    CBarGE bar = BarAt(3, 4, 16, 40);
    bar.SetDoubleSizeFlag(1);
    bar.ChangeDirection(CBarGE::DIR_DOWN);
    bar.XmlSave(parts);
    const CXmlNodeWrapper part = parts.GetNode(0);
    EXPECT_EQ(part.GetValue("Type"), "Bar");
    EXPECT_EQ(part.GetNode(0).Name(), "Position");
    EXPECT_EQ(part.GetNode(1).Name(), "Trait");
    EXPECT_EQ(part.GetNode(2).Name(), "Reg");
    EXPECT_EQ(part.GetNode(3).Name(), "Show");
    EXPECT_EQ(part.FindNode("Trait").GetValue("Double"), "yes");
    EXPECT_EQ(part.FindNode("Trait").GetValue("Reverse"), "no");
    EXPECT_EQ(part.FindNode("Show").GetValue("DrawDir"), "向下");

    RecordingMessageSink sink;
    CBarGE back;
    back.SetReverse(1);
    ASSERT_TRUE(back.XmlLoad(part, sink));
    EXPECT_EQ(back.GetReverse(), 0); // "no" clears it
    EXPECT_EQ(back.GetDoubleSize(), 1);
    EXPECT_EQ(back.GetDirection(), CBarGE::DIR_DOWN);
    EXPECT_EQ(back.GetHeight(), 40);

    CXmlNodeWrapper show = part.FindNode("Show");
    show.SetValue("DrawDir", "sideways");
    ASSERT_TRUE(back.XmlLoad(part, sink));
    EXPECT_EQ(back.GetDirection(), CBarGE::DIR_DOWN);
    EXPECT_TRUE(sink.Entries().empty());

    for (const auto& [missing, message] :
         {std::pair{"Show", "Bar find 'Show' node failure!"}, {"Reg", "Bar find 'Reg' node failure!"},
          {"Trait", "Bar find 'Trait' failure!"}}) {
        part.Raw().remove_child(missing);
        EXPECT_FALSE(back.XmlLoad(part, sink));
        EXPECT_TRUE(sink.Contains(message)) << message;
    }
}

TEST(BarGraph, ArchiveRoundTrip) {
    CBarGE bar = BarAt(1, 2, 30, 10);
    ChangeScaleType(bar.Scale(), SCALE_FLOAT);
    bar.Scale().fullScale = 12.5;
    bar.Scale().zeroScale = -2.25;
    bar.ChangeDirection(CBarGE::DIR_LEFT);
    bar.Address().address = 9;
    Archive out;
    bar.Serialize(out);
    // After the common prefix: 1, type 3, width 1, direction 2, 12.5, -2.25.
    const Image body = Hex("01000000 03000000 01000000 02000000 0000000000002940 00000000000002C0");
    const auto& bytes = out.Data();
    const auto at = std::search(bytes.begin(), bytes.end(), body.begin(), body.end());
    EXPECT_NE(at, bytes.end());
    Archive in(bytes, CoreClassRegistry());
    CBarGE back;
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.Scale(), bar.Scale());
    EXPECT_EQ(back.GetDirection(), CBarGE::DIR_LEFT);
    EXPECT_EQ(back.Address(), bar.Address());
    const auto copy = bar.Clone();
    EXPECT_EQ(static_cast<const CBarGE&>(*copy).Scale(), bar.Scale());
}

TEST(GraphScalePage, RangesFollowTypeAndWidth) {
    GraphScale scale;
    EXPECT_FALSE(TrySetFullScale(scale, 32768)); // one signed word
    EXPECT_TRUE(TrySetFullScale(scale, 32767));
    EXPECT_FALSE(TrySetZeroScale(scale, 32768)); // above the full scale
    EXPECT_TRUE(TrySetZeroScale(scale, -32768));
    EXPECT_FALSE(TrySetZeroScale(scale, -32769));
    ChangeScaleType(scale, SCALE_UNSIGNED); // -32768 is outside: the minimum
    EXPECT_EQ(scale.zeroScale, 0);
    EXPECT_EQ(scale.fullScale, 32767);
    ChangeScaleWidth(scale, SCALE_TWO_WORDS);
    ASSERT_TRUE(TrySetFullScale(scale, 100000));
    ChangeScaleWidth(scale, SCALE_ONE_WORD); // 100000 is outside: the maximum
    EXPECT_EQ(scale.fullScale, 65535);
    EXPECT_FALSE(TrySetFullScale(scale, -1)); // below the zero scale
    ChangeScaleType(scale, SCALE_DOUBLE);
    EXPECT_TRUE(ScaleWidthLocked(SCALE_DOUBLE));
    EXPECT_EQ(ScaleWidthChoices(SCALE_DOUBLE).size(), 3u);
    ChangeScaleWidth(scale, SCALE_ONE_WORD); // locked
    EXPECT_EQ(scale.dataWidth, SCALE_FOUR_WORDS);
    EXPECT_TRUE(TrySetZeroScale(scale, -3.0e38));
    ChangeScaleType(scale, SCALE_HEX_BCD); // "4WORD" goes; -3e38 is outside
    EXPECT_EQ(scale.dataWidth, SCALE_ONE_WORD);
    EXPECT_EQ(scale.zeroScale, 0);
    EXPECT_EQ(ScaleWidthChoices(SCALE_HEX_BCD).size(), 2u);
    const ScaleRange signedTwo = ScaleRangeOf(SCALE_SIGNED, SCALE_TWO_WORDS);
    EXPECT_EQ(signedTwo.lowest, -2147483648.0);
    EXPECT_EQ(signedTwo.largest, 2147483647.0);
}

} // namespace
} // namespace balsar
