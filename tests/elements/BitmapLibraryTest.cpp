// The monochrome bitmap library: loading BMP files with their refusals,
// de-duplication and numbering, drawing and the compiled bitmap record.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "base/FileIo.h"
#include "elements/CSingleColorBitmapLib.h"
#include "elements/PanelCanvas.h"
#include "project/CoreClasses.h"
#include "BmpTestFiles.h"
#include "ElementsTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::BmpLayout;
using test::CompileFixture;
using test::Hex;
using test::MakeBmp;

std::unique_ptr<CSingleColorBitmapLibItem> Entry(int width, int height, const std::vector<uint8_t>& data) {
    auto item = std::make_unique<CSingleColorBitmapLibItem>();
    item->width = width;
    item->height = height;
    item->data = data;
    return item;
}

TEST(BitmapLibrary, EightPixelRowGivesReversedInvertedByte) {
    // Pixels 0-3 use palette index 0 (stored bits 0), 4-7 index 1: 0x0F.
    CSingleColorBitmapLib library;
    EXPECT_EQ(library.LoadFromBytes(MakeBmp(BmpLayout{}, Hex("0F000000"))), 1);
    const auto* item = library.FindItem(1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->width, 8);
    EXPECT_EQ(item->height, 1);
    EXPECT_EQ(item->data, Hex("0F")); // reversed 0xF0, inverted 0x0F: the four left pixels lit
    EXPECT_TRUE(item->Pixel(0, 0));
    EXPECT_FALSE(item->Pixel(4, 0));

    // Rows come out top first; only ceil(width / 8) bytes of each stored row.
    BmpLayout tall;
    tall.width = 12;
    tall.height = 2;
    EXPECT_EQ(library.LoadFromBytes(MakeBmp(tall, Hex("FFF0AAAA  7FFFAAAA"))), 2);
    EXPECT_EQ(library.FindItem(2)->data, Hex("01 00  00 F0"));
}

TEST(BitmapLibrary, SameBitmapTwiceIsOneEntry) {
    test::TempFolder folder;
    const std::string path = folder.File("a.bmp");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, MakeBmp(BmpLayout{}, Hex("0F000000")), error));
    CSingleColorBitmapLib library;
    EXPECT_EQ(library.LoadFromFile(path), 1);
    EXPECT_EQ(library.LoadFromFile(path), 1);
    EXPECT_EQ(library.Items().size(), 1u);
    EXPECT_EQ(library.Width(1), 8);
    EXPECT_EQ(library.Height(1), 1);
    EXPECT_EQ(library.Width(9), 0);
}

TEST(BitmapLibrary, SmallestFreeIdAfterAnUnusedEntryIsDropped) {
    CSingleColorBitmapLib library;
    for (uint8_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(library.AddItem(Entry(8, 1, {i})), i);
    }
    library.ResetUseCounts();
    library.MarkUsed(1);
    library.MarkUsed(2);
    library.MarkUsed(4);
    library.MarkUsed(4);
    Archive out;
    library.Serialize(out); // entry 3 is dropped
    CSingleColorBitmapLib reloaded;
    reloaded.AddItem(Entry(8, 1, {0x77})); // replaced by the loaded list
    Archive in(out.Data(), CoreClassRegistry());
    reloaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    ASSERT_EQ(reloaded.Items().size(), 3u);
    EXPECT_EQ(reloaded.FindItem(3), nullptr);
    EXPECT_EQ(reloaded.FindItem(4)->useCount, 2);
    EXPECT_EQ(reloaded.LoadFromBytes(MakeBmp(BmpLayout{}, Hex("55000000"))), 3);
    // An equal entry keeps its ID.
    EXPECT_EQ(reloaded.AddItem(Entry(8, 1, {2})), 2);
    EXPECT_EQ(reloaded.Items().size(), 4u);
}

TEST(BitmapLibrary, RefusesFilesThatAreNotOneBitOrLie) {
    CSingleColorBitmapLib library;
    EXPECT_EQ(library.LoadFromFile("/nonexistent/a.bmp"), CSingleColorBitmapLib::kCannotOpen);
    auto notBmp = MakeBmp(BmpLayout{}, Hex("0F000000"));
    notBmp[0] = 'X';
    EXPECT_EQ(library.LoadFromBytes(notBmp), CSingleColorBitmapLib::kNotBitmap);
    EXPECT_EQ(library.LoadFromBytes(Hex("42 4D 00")), CSingleColorBitmapLib::kNotBitmap);
    // Header complete up to the bit count only.
    const auto whole = MakeBmp(BmpLayout{}, {});
    EXPECT_EQ(library.LoadFromBytes(std::vector<uint8_t>(whole.begin(), whole.begin() + 40)),
              CSingleColorBitmapLib::kNotBitmap);
    BmpLayout fourBit;
    fourBit.bits = 4;
    EXPECT_EQ(library.LoadFromBytes(MakeBmp(fourBit, Hex("00000000"))), CSingleColorBitmapLib::kNotMonochrome);

    const auto refused = [&library](BmpLayout layout, const std::string& rows) {
        return library.LoadFromBytes(MakeBmp(layout, Hex(rows)));
    };
    BmpLayout layout;
    layout.height = 0;
    EXPECT_EQ(refused(layout, "00000000"), CSingleColorBitmapLib::kNotBitmap);
    layout.height = -1; // top-down files are not taken
    EXPECT_EQ(refused(layout, "00000000"), CSingleColorBitmapLib::kNotBitmap);
    layout = BmpLayout{};
    layout.imageSize = 0; // rows taken as whole words: 4 bytes needed, 3 present
    EXPECT_EQ(refused(layout, "000000"), CSingleColorBitmapLib::kNotBitmap);
    layout = BmpLayout{};
    layout.width = 64; // 8 bytes a row do not fit a 4-byte image
    EXPECT_EQ(refused(layout, "00000000"), CSingleColorBitmapLib::kNotBitmap);
    layout = BmpLayout{};
    layout.height = 4; // 16 bytes announced, 4 present
    layout.imageSize = 16;
    EXPECT_EQ(refused(layout, "00000000"), CSingleColorBitmapLib::kNotBitmap);
    layout = BmpLayout{};
    layout.width = 70000; // wider than a bitmap record can say
    layout.imageSize = 8752;
    EXPECT_EQ(library.LoadFromBytes(MakeBmp(layout, std::vector<uint8_t>(8752, 0))), CSingleColorBitmapLib::kNotBitmap);
    layout = BmpLayout{};
    layout.height = 0x7FFFFFFF; // huge: the stride is 0
    EXPECT_EQ(refused(layout, "00000000"), CSingleColorBitmapLib::kNotBitmap);
    EXPECT_TRUE(library.Items().empty());
}

// Uncompressed files may leave the image size 0; the rows are then whole
// 32-bit words, as the key and lamp pictures are read.
TEST(BitmapLibrary, AnImageSizeOfZeroIsTakenFromTheRows) {
    CSingleColorBitmapLib library;
    BmpLayout layout;
    layout.width = 40; // 5 bytes a row, stored in 8
    layout.height = 2;
    layout.imageSize = 0;
    EXPECT_EQ(library.LoadFromBytes(MakeBmp(layout, Hex("0F00000000000000 FFFFFFFFFF000000"))), 1);
    const CSingleColorBitmapLibItem* item = library.FindItem(1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->width, 40);
    EXPECT_EQ(item->height, 2);
    // Top row first, bits reversed and inverted.
    EXPECT_EQ(item->data, Hex("0000000000 0FFFFFFFFF"));
}

TEST(BitmapLibrary, DrawsLitPixelsClippedToTheRectangle) {
    CSingleColorBitmapLib library;
    // 3 x 2: top row pixels 0 and 2 lit, bottom row pixel 1.
    const int32_t id = library.AddItem(Entry(3, 2, {0x05, 0x02}));
    PanelCanvas canvas(8, 4);
    library.DrawItem(id, canvas, PanelRect{1, 1, 3, 3}, true);
    EXPECT_EQ(canvas.Dump(PanelRect{0, 0, 5, 4}),
              ".....\n"
              ".#...\n"
              "..#..\n"
              ".....\n");
    canvas.Fill(PanelRect{0, 0, 8, 4}, true);
    library.DrawItem(id, canvas, PanelRect{0, 0, 8, 4}, false);
    EXPECT_EQ(canvas.Dump(PanelRect{0, 0, 4, 2}), ".#.#\n#.##\n");
    library.DrawItem(99, canvas, PanelRect{0, 0, 8, 4}, true); // unknown: nothing
    EXPECT_EQ(canvas.Dump(PanelRect{0, 0, 4, 2}), ".#.#\n#.##\n");
    // An entry whose data does not match its size (a damaged file) draws nothing.
    library.FindItem(id)->data.pop_back();
    library.DrawItem(id, canvas, PanelRect{0, 0, 8, 4}, true);
    EXPECT_EQ(canvas.Dump(PanelRect{0, 0, 4, 2}), ".#.#\n#.##\n");
}

TEST(BitmapLibrary, CompiledRecordIsWrittenOnce) {
    CompileFixture f;
    CSingleColorBitmapLib library;
    library.AddItem(Entry(8, 1, {0x0F}));
    const int32_t wide = library.AddItem(Entry(9, 2, {0x01, 0x01, 0x00, 0x00}));
    AppendBytes(f.image, 0xEE, 1);
    EXPECT_EQ(library.CompileBitmapLibItem(f.context, wide), 1u);
    EXPECT_EQ(library.CompileBitmapLibItem(f.context, wide), 1u);
    EXPECT_EQ(library.CompileBitmapLibItem(f.context, 1), 10u);
    EXPECT_EQ(f.image, Hex("EE  01 0900 0200 01010000  01 0800 0100 0F"));
    EXPECT_EQ(f.context.textTableDictionary.at("BITMAP_LIB_ITEM_2"), 1u);
    EXPECT_EQ(library.CompileBitmapLibItem(f.context, 7), 0u);
    EXPECT_EQ(f.image.size(), 16u);
}

} // namespace
} // namespace balsar
