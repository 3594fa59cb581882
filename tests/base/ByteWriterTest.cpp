#include <gtest/gtest.h>

#include "base/ByteWriter.h"
#include "base/Utf.h"
#include "support/TestSupport.h"

using namespace balsar;
using balsar::test::Hex;

TEST(ByteWriter, AppendRepeatWriteAtAndPad) {
    Image image;
    AppendBytes(image, 0x11223344, 4);
    AppendBytes(image, 0xAABB, 2);
    AppendBytes(image, 0x1FF, 1);
    EXPECT_EQ(image, Hex("44332211 BBAA FF"));
    PadTo4(image);
    EXPECT_EQ(image.size(), 8u);
    PadTo4(image);
    EXPECT_EQ(image.size(), 8u);
    AppendRepeated(image, 0x0102, 2, 3);
    EXPECT_EQ(image.size(), 14u);
    EXPECT_EQ(ReadAt(image, 8, 2), 0x0102u);
    WriteAt(image, 0, 0xCAFE, 2);
    EXPECT_EQ(ReadAt(image, 0, 4), 0x1122CAFEu);
    // Writing beyond the end grows the image with zeros.
    WriteAt(image, 20, 7, 4);
    EXPECT_EQ(image.size(), 24u);
    EXPECT_EQ(ReadAt(image, 14, 4), 0u);
    EXPECT_EQ(ReadAt(image, 20, 4), 7u);
}

TEST(Utf, RoundTripsAndCountsCodePoints) {
    const std::string text = "A画😀";
    EXPECT_EQ(CodePointCount(text), 3u);
    const std::u16string units = Utf8ToUtf16(text);
    EXPECT_EQ(units.size(), 4u); // the emoji takes a surrogate pair
    EXPECT_EQ(Utf16ToUtf8(units), text);
    EXPECT_EQ(Utf32ToUtf8(Utf8ToUtf32(text)), text);
    // Broken input never throws and never reads past the end.
    EXPECT_EQ(Utf8ToUtf32(std::string("\xE7\x94", 2)), std::u32string(1, U'\uFFFD') + U'\uFFFD');
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
    EXPECT_EQ(AsciiUpper("a:/b.zpj"), "A:/B.ZPJ");
}
