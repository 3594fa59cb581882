// The ASCII string element: size, compiled record, the shared character
// table and drawing.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CAsciiGE.h"
#include "elements/PanelCanvas.h"
#include "project/CoreClasses.h"
#include "ElementsTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::AddressRecord;
using test::CompileFixture;
using test::Hex;
using test::Slice;

TEST(AsciiElement, DefaultIsThreeCharactersOfSixteen) {
    CAsciiGE ascii;
    EXPECT_EQ(ascii.Sample(), "AAA");
    EXPECT_EQ(ascii.GetWidth(), 24);
    EXPECT_EQ(ascii.GetHeight(), 16);
    EXPECT_EQ(ascii.CharacterSet().size(), 95u);
    EXPECT_EQ(ascii.CharacterSet().front(), ' ');
    EXPECT_EQ(ascii.CharacterSet().back(), '~');
    ascii.SetSizeIndex(0);
    EXPECT_EQ(ascii.GetWidth(), 18);
    EXPECT_EQ(ascii.GetHeight(), 8);
    ascii.SetCharCount(10);
    EXPECT_EQ(ascii.GetWidth(), 60);
    ascii.SetSizeIndex(1);
    EXPECT_EQ(ascii.GetHeight(), 12);
    EXPECT_EQ(ascii.GetWidth(), 60);
}

TEST(AsciiElement, CompiledRecordAndCharacterTable) {
    CompileFixture f;
    CAsciiGE ascii;
    ascii.SetLeft(8);
    ascii.SetTop(16);
    ascii.Compile(f.context);
    Image expected = Hex("08 10 1F 1F  01 00 0100");
    const Image address = AddressRecord(ascii.Address());
    ASSERT_EQ(address.size(), 12u);
    expected.insert(expected.end(), address.begin(), address.end());
    // The table follows the 32-byte record: a count 1 and the text record's
    // offset; the text record (6 and its character table) follows.
    const Image tail = Hex("04000000 20000000  01 00 03 00  01 25000000  06 2A000000  5F");
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(Slice(f.image, 0, expected.size()), expected);
    EXPECT_EQ(f.context.textTableDictionary.at("ASCII_TEXT_" + ascii.CharacterSet() + "_2_"), 32u);
    // The first glyph is the space of the built-in 8x16 font.
    const uint32_t space = ReadAt(f.image, 0x2B, 4);
    EXPECT_EQ(Slice(f.image, space, 3), Hex("07 08 10"));
}

TEST(AsciiElement, ReverseCountAndSharedTable) {
    CompileFixture f;
    CAsciiGE a;
    CAsciiGE b;
    b.SetLeft(40);
    b.SetReverse(1);
    b.SetCharCount(300); // the record keeps the low 8 bits
    a.Compile(f.context);
    PadTo4(f.image);
    const size_t second = f.image.size();
    b.Compile(f.context);
    EXPECT_EQ(f.image.size(), second + 32); // no second table
    EXPECT_EQ(ReadAt(f.image, second + 24, 4), ReadAt(f.image, 24, 4));
    EXPECT_EQ(Slice(f.image, second + 28, 4), Hex("01 10 2C 00"));

    // Another size has its own table.
    CAsciiGE small;
    small.SetSizeIndex(0);
    PadTo4(f.image);
    const size_t third = f.image.size();
    small.Compile(f.context);
    EXPECT_NE(ReadAt(f.image, third + 24, 4), ReadAt(f.image, 24, 4));
    EXPECT_EQ(ReadAt(f.image, third + 24, 4), third + 32);
}

TEST(AsciiElement, DrawsARowOfA) {
    CAsciiGE ascii;
    ascii.SetLeft(1);
    ascii.SetTop(2);
    PanelCanvas canvas(32, 20);
    ascii.Draw(canvas, nullptr);
    // "A" at size 16, leftmost pixel in bit 7, three cells 8 pixels apart.
    const Image rows = Hex("00 00 00 10 38 6C C6 C6 FE C6 C6 C6 C6 00 00 00");
    for (int cell = 0; cell < 3; ++cell) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 8; ++x) {
                const bool lit = ((rows[static_cast<size_t>(y)] >> (7 - x)) & 1) != 0;
                ASSERT_EQ(canvas.Pixel(1 + 8 * cell + x, 2 + y), lit) << "cell " << cell << " at " << x << "," << y;
            }
        }
    }
    ascii.SetReverse(1);
    ascii.Draw(canvas, nullptr);
    EXPECT_TRUE(canvas.Pixel(1, 2));
    EXPECT_FALSE(canvas.Pixel(4, 5));
}

TEST(AsciiElement, ArchiveAndPageRange) {
    CAsciiGE ascii;
    ascii.SetCharCount(7);
    ascii.SetSizeIndex(1);
    ascii.Address().address = 40;
    Archive out;
    ascii.Serialize(out);
    Archive in(out.Data(), CoreClassRegistry());
    CAsciiGE back;
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.GetCharCount(), 7);
    EXPECT_EQ(back.GetSizeIndex(), 1);
    EXPECT_EQ(back.Address(), ascii.Address());
    const auto copy = ascii.Clone();
    EXPECT_EQ(static_cast<const CAsciiGE&>(*copy).Address().address, 40);

    const CharCountRange wide = AsciiCharCountRange(2, 128);
    EXPECT_EQ(wide.lowest, 1);
    EXPECT_EQ(wide.largest, 16);
    EXPECT_EQ(AsciiCharCountRange(0, 2000).largest, 255);
}

// A new size or count keeps double size; the count limit counts from the
// element's left edge, so the string never runs past the screen.
TEST(AsciiElement, DoubleSizeSurvivesNewSizeAndCountAndTheLimitStartsAtX) {
    CAsciiGE ascii; // 3 characters at 16 pixels: 24 x 16
    ascii.ChangeDoubleSize(true, 128, 64);
    ASSERT_EQ(ascii.GetWidth(), 48);
    ascii.SetCharCount(5);
    EXPECT_EQ(ascii.GetDoubleSize(), 1);
    EXPECT_EQ(ascii.GetWidth(), 80);
    EXPECT_EQ(ascii.GetHeight(), 32);
    ascii.SetSizeIndex(0); // 8 pixels, glyphs 6 wide
    EXPECT_EQ(ascii.GetWidth(), 60);
    EXPECT_EQ(ascii.GetHeight(), 16);
    ascii.ChangeDoubleSize(false, 128, 64);
    EXPECT_EQ(ascii.GetWidth(), 30);
    EXPECT_EQ(ascii.GetHeight(), 8);

    // 8-pixel glyphs at x 100 on 128 pixels: 28 pixels left, 3 characters.
    EXPECT_EQ(AsciiCharCountRange(2, 128, 100).largest, 3);
    EXPECT_EQ(AsciiCharCountRange(2, 128, 100, true).largest, 1);
    EXPECT_EQ(AsciiCharCountRange(0, 128, 10, true).largest, 9);
    EXPECT_EQ(AsciiCharCountRange(2, 128, 127).largest, 1); // never below 1
}

} // namespace
} // namespace balsar
