#include <gtest/gtest.h>

#include "ElementsTestSupport.h"
#include "base/FileIo.h"
#include "base/Utf.h"
#include "elements/ElementStrings.h"
#include "elements/ImageRecords.h"
#include "elements/SingleColorBitmap.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::CompileFixture;
using test::Hex;

// A BMP file: 14-byte header, 40-byte information header, two palette
// entries, rows bottom-up padded to 4 bytes.
std::vector<uint8_t> BmpFile(int width, int height, int bits, const std::vector<uint8_t>& rowsBottomUp,
                             uint32_t imageSize) {
    std::vector<uint8_t> f;
    const auto put = [&f](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) {
            f.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    };
    f.push_back('B');
    f.push_back('M');
    put(62 + static_cast<uint32_t>(rowsBottomUp.size()), 4);
    put(0, 4);
    put(62, 4);
    put(40, 4);
    put(static_cast<uint32_t>(width), 4);
    put(static_cast<uint32_t>(height), 4);
    put(1, 2);
    put(static_cast<uint32_t>(bits), 2);
    put(0, 4);
    put(imageSize, 4);
    for (int i = 0; i < 4; ++i) {
        put(0, 4); // resolution and palette counts
    }
    put(0x00000000, 4);
    put(0x00FFFFFF, 4);
    f.insert(f.end(), rowsBottomUp.begin(), rowsBottomUp.end());
    return f;
}

TEST(Bitmap, NinePixelsWideGiveTwoBytesPerRow) {
    // Top row: leftmost pixel and the ninth dark (0 bits), the rest light.
    // Bottom row all light.
    const auto file = BmpFile(9, 2, 1, Hex("FFFFFFFF 7F7FFFFF"), 8);
    RecordingMessageSink sink;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rows;
    ASSERT_TRUE(ParseSingleColorBitmap(file, "a.bmp", sink, width, height, rows));
    EXPECT_EQ(width, 9);
    EXPECT_EQ(height, 2);
    // Bit-reversed and inverted: dark pixels lit, leftmost pixel in bit 0.
    EXPECT_EQ(rows, Hex("01 01  00 00"));
}

TEST(Bitmap, RefusalsNameTheFile) {
    RecordingMessageSink sink;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rows;
    const auto fourBit = BmpFile(2, 1, 4, Hex("00000000"), 4);
    EXPECT_FALSE(ParseSingleColorBitmap(fourBit, "x.bmp", sink, width, height, rows));
    EXPECT_TRUE(sink.Contains("[CGraphElement::LoadSingleColorBitmap]Not single color bmp file: x.bmp"));
    auto notBmp = BmpFile(2, 1, 1, Hex("00000000"), 4);
    notBmp[0] = 'X';
    EXPECT_FALSE(ParseSingleColorBitmap(notBmp, "y.bmp", sink, width, height, rows));
    EXPECT_TRUE(sink.Contains("[CGraphElement::LoadSingleColorBitmap]Not bmp file: y.bmp"));
    // Pixel data announced beyond the end of the file.
    const auto truncated = BmpFile(8, 4, 1, Hex("00000000"), 16);
    EXPECT_FALSE(ParseSingleColorBitmap(truncated, "z.bmp", sink, width, height, rows));
    EXPECT_FALSE(LoadSingleColorBitmap("/nonexistent/q.bmp", sink, width, height, rows));
    EXPECT_TRUE(sink.Contains("[CGraphElement::LoadSingleColorBitmap]Can not open file: /nonexistent/q.bmp"));
}

TEST(Bitmap, RecordsAreWrittenOncePerFile) {
    test::TempFolder folder;
    const std::string path = folder.File("pic.bmp");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, BmpFile(9, 2, 1, Hex("FFFFFFFF 7F7FFFFF"), 0), error));
    CompileFixture f;
    f.image.assign(4, 0);
    EXPECT_EQ(CompileBitmapFile(f.context, path), 4u);
    EXPECT_EQ(test::Slice(f.image, 4, 100), Hex("01 0900 0200  01 01 00 00"));
    EXPECT_EQ(CompileBitmapFile(f.context, path), 4u);
    const uint32_t glyph = CompileBitmapFileAsChar(f.context, path);
    EXPECT_EQ(test::Slice(f.image, glyph, 100), Hex("07 09 02  01 01 00 00"));
    EXPECT_EQ(f.context.glyphDictionary.count("BITMAP_FILE_" + AsciiUpper(path)), 1u);
    EXPECT_EQ(CompileBitmapFile(f.context, folder.File("missing.bmp")), 0u);
}

} // namespace
} // namespace balsar
