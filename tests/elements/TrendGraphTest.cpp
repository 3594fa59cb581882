// The trend graph: its record with the channel index and self-offset, the
// channel table, handles, the page's spins and drawing.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CTrendGE.h"
#include "elements/PanelCanvas.h"
#include "elements/TrendChannelTable.h"
#include "project/CoreClasses.h"
#include "ElementsTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::CompileFixture;
using test::Hex;
using test::Slice;

struct Screen {
    std::vector<std::unique_ptr<CGraphElement>> elements;
    const std::vector<std::unique_ptr<CGraphElement>>& GetElements() const { return elements; }
};

std::unique_ptr<CTrendGE> Trend(int32_t address, int32_t sampling, int32_t points) {
    auto trend = std::make_unique<CTrendGE>();
    trend->Address().address = address;
    trend->sampling = sampling;
    trend->pointCount = points;
    return trend;
}

TEST(TrendGraph, RecordNamesItsChannelAndItsOwnOffset) {
    CompileFixture f;
    CTrendGE trend;
    trend.SetWidth(96);
    trend.SetHeight(48);
    trend.Scale().fullScale = 500;
    trend.Scale().zeroScale = -20;
    EXPECT_EQ(trend.GetExtraA(), 1);
    EXPECT_EQ(trend.GetExtraB(), 1);
    // Two channels listed; the trend's is the second.
    Screen screen;
    screen.elements.push_back(Trend(5, 10, 20));
    screen.elements.push_back(Trend(0, 10, 20));
    std::vector<const Screen*> screens{&screen};
    TrendChannelTable channels;
    channels.BuildChannels(screens, nullptr);
    f.context.trendChannels = &channels;
    AppendRepeated(f.image, 0, 4, 2); // the record starts at 8
    trend.Compile(f.context);
    EXPECT_EQ(Slice(f.image, 8, f.image.size() - 8),
              Hex("00 00 5F 2F  00 00 0000 00000000 04000000  0100 1400 0000 0100  24000000"
                  "03 00 00 00  F4010000 ECFFFFFF"));

    // Double float: single-float scales, width byte 0; point count low 16 bits.
    CompileFixture g;
    ChangeScaleType(trend.Scale(), SCALE_DOUBLE);
    trend.Scale().fullScale = 2.0;
    trend.Scale().zeroScale = 0.5;
    trend.pointCount = 0x10025;
    trend.Compile(g.context);
    EXPECT_EQ(Slice(g.image, 16, 24),
              Hex("0000 2500 0000 0100  1C000000  03 04 00 00  00000040 0000003F"));
}

TEST(TrendChannels, ChannelBytesAndSharing) {
    const auto trend = Trend(7, 10, 20);
    const TrendChannel channel = MakeTrendChannel(trend->Address(), 10, 20, nullptr, nullptr);
    // 0, the LOCAL "LW" 7 record, sampling 10, 20 points.
    EXPECT_EQ(Image(channel.bytes.begin(), channel.bytes.end()),
              Hex("00000000  03 00 FF 00 FF 22 0100 07000000  0A000000 14000000"));
    // The same record bytes the address compiles to.
    Image address;
    RecordingMessageSink sink;
    trend->Address().Compile(address, nullptr, sink);
    EXPECT_EQ(Image(channel.bytes.begin() + 4, channel.bytes.begin() + 16), address);

    Screen first;
    first.elements.push_back(Trend(7, 10, 20));
    first.elements.push_back(std::make_unique<CGraphElement>());
    Screen second;
    second.elements.push_back(Trend(7, 10, 20)); // shared with the first screen's
    second.elements.push_back(Trend(7, 10, 30)); // another point count
    second.elements.push_back(Trend(7, 11, 20)); // another sampling
    std::vector<const Screen*> screens{&first, &second};
    TrendChannelTable table;
    table.BuildChannels(screens, nullptr);
    ASSERT_EQ(table.Channels().size(), 3u);
    EXPECT_EQ(table.ChannelIndex(trend->Address(), 10, 20, nullptr), 0u);
    EXPECT_EQ(table.ChannelIndex(trend->Address(), 10, 30, nullptr), 1u);
    EXPECT_EQ(table.ChannelIndex(trend->Address(), 11, 20, nullptr), 2u);
    EXPECT_EQ(table.ChannelIndex(Trend(8, 10, 20)->Address(), 10, 20, nullptr), 3u); // none: the count

    Image image = Hex("AA BB CC DD");
    table.WriteChannels(image);
    ASSERT_EQ(image.size(), 4u + 4 + 12 + 3 * 24);
    EXPECT_EQ(Slice(image, 4, 16), Hex("03000000 14000000 2C000000 44000000"));
    EXPECT_EQ(Slice(image, 0x14, 24), Image(channel.bytes.begin(), channel.bytes.end()));
    EXPECT_EQ(Slice(image, 0x2C + 20, 4), Hex("1E000000"));
    EXPECT_EQ(Slice(image, 0x44 + 16, 4), Hex("0B000000"));

    // Rebuilding starts afresh; an empty table writes a single 0.
    table.BuildChannels(std::vector<const Screen*>{}, nullptr);
    Image empty;
    table.WriteChannels(empty);
    EXPECT_EQ(empty, Hex("00000000"));
}

TEST(TrendGraph, HandlesKeepSixteenPixels) {
    CTrendGE trend;
    trend.SetLeft(10);
    trend.SetTop(10);
    trend.SetWidth(20);
    trend.SetHeight(20);
    EXPECT_EQ(trend.HitHandle(31, 20), 2);
    EXPECT_EQ(trend.GetHandle(), 2);
    trend.DragHandle(2, -5, 0, 128, 64); // 15 wide
    EXPECT_EQ(trend.GetWidth(), 20);
    trend.DragHandle(2, -4, 0, 128, 64);
    EXPECT_EQ(trend.GetWidth(), 16);
    trend.DragHandle(1, 0, 5, 128, 64); // 15 high
    EXPECT_EQ(trend.GetHeight(), 20);
    trend.DragHandle(1, 0, 4, 128, 64);
    EXPECT_EQ(trend.GetTop(), 14);
    EXPECT_EQ(trend.GetHeight(), 16);
    trend.DragHandle(3, 0, 35, 128, 64); // bottom at 65
    EXPECT_EQ(trend.GetHeight(), 16);
    trend.DragHandle(3, 0, 34, 128, 64);
    EXPECT_EQ(trend.GetHeight(), 50);
    trend.DragHandle(4, -10, 0, 128, 64);
    EXPECT_EQ(trend.GetLeft(), 0);
    EXPECT_EQ(trend.GetWidth(), 26);
}

TEST(TrendGraph, AHandleResizeReLimitsThePointCount) {
    CTrendGE trend;
    trend.SetLeft(10);
    trend.SetTop(10);
    trend.SetWidth(60);
    trend.SetHeight(20);
    trend.pointCount = 50;
    trend.DragHandle(2, -30, 0, 128, 64); // 30 wide: at most 27 points
    EXPECT_EQ(trend.GetWidth(), 30);
    EXPECT_EQ(trend.pointCount, 27);
    trend.DragHandle(2, 40, 0, 128, 64); // wider again: the count stays
    EXPECT_EQ(trend.pointCount, 27);
}

TEST(TrendGraph, PageSpins) {
    // A trend 40 pixels wide accepts 3 to 37 points.
    int32_t count = 20;
    for (int i = 0; i < 40; ++i) {
        count = StepPointCount(count, 1, 40);
    }
    EXPECT_EQ(count, 37);
    for (int i = 0; i < 40; ++i) {
        count = StepPointCount(count, -1, 40);
    }
    EXPECT_EQ(count, 3);
    EXPECT_EQ(LimitPointCount(50, 40), 37);
    EXPECT_EQ(LimitPointCount(20, 40), 20);
    EXPECT_EQ(LimitPointCount(1, 40), 3);
    EXPECT_EQ(StepSampling(1, -1), 1);
    EXPECT_EQ(StepSampling(2, -1), 1);
    EXPECT_EQ(StepSampling(1000000, 1), 1000001);
    EXPECT_EQ(TrendPlacementRefusal(3), nullptr);
    ASSERT_NE(TrendPlacementRefusal(4), nullptr);
    EXPECT_STREQ(TrendPlacementRefusal(4), "每页只允许放置4个趋势图!");
}

TEST(TrendGraph, DrawsAPlotInsideItsRectangle) {
    CTrendGE trend;
    trend.SetLeft(4);
    trend.SetTop(4);
    trend.SetWidth(40);
    trend.SetHeight(24);
    PanelCanvas canvas(64, 40);
    canvas.Fill(PanelRect{0, 0, 64, 40}, true);
    trend.Draw(canvas, nullptr);
    // Nothing outside the rectangle changes.
    for (int x = 0; x < 64; ++x) {
        EXPECT_TRUE(canvas.Pixel(x, 3));
        EXPECT_TRUE(canvas.Pixel(x, 28));
    }
    // Grid lines two pixels thick at 0, 6, 12, 18 and the bottom; unlit
    // between them away from the axes and the curve.
    for (int y : {4, 5, 10, 11, 16, 17, 22, 23, 26, 27}) {
        EXPECT_TRUE(canvas.Pixel(20, y)) << y;
    }
    EXPECT_TRUE(canvas.Pixel(4, 8));  // left axis
    EXPECT_TRUE(canvas.Pixel(42, 8)); // right axis
    int unlit = 0;
    for (int y = 4; y < 28; ++y) {
        for (int x = 4; x < 44; ++x) {
            unlit += canvas.Pixel(x, y) ? 0 : 1;
        }
    }
    EXPECT_GT(unlit, 200);
}

TEST(TrendGraph, ArchiveRoundTrip) {
    CTrendGE trend;
    ChangeScaleType(trend.Scale(), SCALE_UNSIGNED);
    trend.Scale().fullScale = 1000;
    trend.pointCount = 33;
    trend.sampling = 4;
    trend.Address().address = 12;
    Archive out;
    trend.Serialize(out);
    // 1, type 1, width 0, 1000.0, 0.0, 33 points, sampling 4, then the address.
    const Image body = Hex("01000000 01000000 00000000 0000000000408F40 0000000000000000 21000000 04000000");
    const auto& bytes = out.Data();
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), body.begin(), body.end()), bytes.end());
    Archive in(bytes, CoreClassRegistry());
    CTrendGE back;
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.Scale(), trend.Scale());
    EXPECT_EQ(back.pointCount, 33);
    EXPECT_EQ(back.sampling, 4);
    EXPECT_EQ(back.Address(), trend.Address());
    const auto copy = trend.Clone();
    EXPECT_EQ(static_cast<const CTrendGE&>(*copy).pointCount, 33);
}

} // namespace
} // namespace balsar
