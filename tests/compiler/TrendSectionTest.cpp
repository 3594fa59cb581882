// Section 4 of the download image: the trend channel table, and the trend
// records in the screens that name their channel in it.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "compiler/ImageCompiler.h"
#include "elements/CPictureGE.h"
#include "elements/CTrendGE.h"
#include "project/CMirloProject.h"
#include "CompileTestSupport.h"
#include "support/TestSupport.h"

using namespace balsar;
using balsar::test::Hex;

namespace {

// Offset of element i of screen s, from the screen block.
uint32_t ElementOffset(const Image& image, size_t s, size_t i) {
    const uint32_t screens = test::SectionOffset(image, 3);
    const uint32_t screen = ReadAt(image, screens + 4 + 4 * s, 4);
    return ReadAt(image, screen + 20 + 4 * i, 4);
}

CHMIFrame& AddScreen(CMirloProject& project, uint16_t number) {
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(number);
    CHMIFrame& ref = *screen;
    project.AddScreen(std::move(screen));
    return ref;
}

void AddTrend(CHMIFrame& screen, int32_t address, int32_t points) {
    auto trend = std::make_unique<CTrendGE>();
    trend->SetWidth(96);
    trend->SetHeight(48);
    trend->Address().address = address;
    trend->pointCount = points;
    screen.AddElement(std::move(trend));
}

} // namespace

TEST(TrendSection, ProjectWithoutTrendsWritesASingleZero) {
    test::CompileFixture f;
    CMirloProject project;
    AddScreen(project, 1);
    const Image image = CompileProject(project, f.inputs);
    const uint32_t section = test::SectionOffset(image, 4);
    ASSERT_NE(section, 0u);
    EXPECT_EQ(test::Slice(image, section, 4), Hex("00000000"));
    EXPECT_EQ(test::SectionOffset(image, 5), section + 4);
}

TEST(TrendSection, SharedAndSeparateChannels) {
    test::CompileFixture f;
    CMirloProject project;
    CHMIFrame& one = AddScreen(project, 1);
    CHMIFrame& two = AddScreen(project, 2);
    AddTrend(one, 3, 20);
    AddTrend(two, 3, 20); // the same channel on another screen
    AddTrend(two, 3, 30); // another point count: its own channel
    const Image image = CompileProject(project, f.inputs);
    const uint32_t section = test::SectionOffset(image, 4);
    ASSERT_EQ(ReadAt(image, section, 4), 2u);
    const uint32_t first = section + 12;
    EXPECT_EQ(ReadAt(image, section + 4, 4), first);
    EXPECT_EQ(ReadAt(image, section + 8, 4), first + 24);
    EXPECT_EQ(test::Slice(image, first, 48), Hex("00000000 03 00 FF 00 FF 22 0100 03000000 0A000000 14000000"
                                           "00000000 03 00 FF 00 FF 22 0100 03000000 0A000000 1E000000"));
    // The records name channels 0, 0 and 1, and carry their own offsets.
    const uint32_t a = ElementOffset(image, 0, 0);
    const uint32_t b = ElementOffset(image, 1, 0);
    const uint32_t c = ElementOffset(image, 1, 1);
    EXPECT_EQ(ReadAt(image, a + 16, 2), 0u);
    EXPECT_EQ(ReadAt(image, b + 16, 2), 0u);
    EXPECT_EQ(ReadAt(image, c + 16, 2), 1u);
    EXPECT_EQ(ReadAt(image, c + 18, 2), 30u);
    EXPECT_EQ(ReadAt(image, c + 24, 4), c + 28);
    // Compiling again gives the same image.
    EXPECT_EQ(CompileProject(project, f.inputs), image);
}

TEST(PictureCompile, ProjectPicturesUseTheProjectLibrary) {
    test::CompileFixture f;
    CMirloProject project;
    auto item = std::make_unique<CSingleColorBitmapLibItem>();
    item->width = 8;
    item->height = 1;
    item->data = {0x0F};
    const int32_t id = project.bitmapLibrary.AddItem(std::move(item));
    CHMIFrame& screen = AddScreen(project, 1);
    for (int i = 0; i < 2; ++i) {
        auto picture = std::make_unique<CPictureGE>();
        picture->bitmapId = id; // not bound to a library: the compile brings it
        picture->SetWidth(8);
        picture->SetHeight(1);
        screen.AddElement(std::move(picture));
    }
    const Image image = CompileProject(project, f.inputs);
    const uint32_t a = ElementOffset(image, 0, 0);
    const uint32_t b = ElementOffset(image, 0, 1);
    const uint32_t object = ReadAt(image, a + 12, 4);
    EXPECT_EQ(object, a + 16);
    EXPECT_EQ(ReadAt(image, b + 12, 4), object);
    const uint32_t bitmap = ReadAt(image, object + 1, 4);
    EXPECT_EQ(test::Slice(image, bitmap, 6), Hex("01 0800 0100 0F"));
}
