#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "elements/DotMatrixFont.h"
#include "elements/GlyphSource.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::Hex;

std::vector<uint8_t> GlyphBytes(char32_t ch, int size) {
    const auto glyph = MakeGlyph(nullptr, ch, "", size, 2);
    return glyph ? glyph->data : std::vector<uint8_t>{};
}

TEST(DotMatrixFont, TellingRowsOfAAfterBitReversal) {
    // Table rows 20 50 88 88 F8 88 88 00 with the leftmost pixel moved to bit 0.
    EXPECT_EQ(GlyphBytes('A', 8), Hex("04 0A 11 11 1F 11 11 00"));
    // 00 00 30 10 28 28 28 7C 44 EC 00 00
    EXPECT_EQ(GlyphBytes('A', 12), Hex("00 00 0C 08 14 14 14 3E 22 37 00 00"));
    // 00 00 00 10 38 6C C6 C6 FE C6 C6 C6 C6 00 00 00
    EXPECT_EQ(GlyphBytes('A', 16), Hex("00 00 00 08 1C 36 63 63 7F 63 63 63 63 00 00 00"));
}

TEST(DotMatrixFont, TablesAreStoredLeftmostPixelInBit7) {
    const auto rows = dotmatrix::Rows('A', 8);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(std::vector<uint8_t>(rows.begin(), rows.end()), Hex("20 50 88 88 F8 88 88 00"));
    EXPECT_EQ(dotmatrix::Table(8).size(), 96u * 8);
    EXPECT_EQ(dotmatrix::Table(12).size(), 96u * 12);
    EXPECT_EQ(dotmatrix::Table(16).size(), 96u * 16);
    EXPECT_TRUE(dotmatrix::Table(24).empty());
}

TEST(DotMatrixFont, CellSizes) {
    for (const auto& [size, width] : {std::pair{8, 6}, {12, 6}, {16, 8}}) {
        const auto glyph = MakeGlyph(nullptr, 'W', "", size, 2);
        ASSERT_TRUE(glyph);
        EXPECT_EQ(glyph->width, width);
        EXPECT_EQ(glyph->height, size);
        EXPECT_EQ(glyph->data.size(), static_cast<size_t>(size));
    }
}

// Every visible character is drawn, inside its cell, and no two characters
// of a size look the same.
TEST(DotMatrixFont, EveryCellDrawnDistinctAndInsideItsWidth) {
    for (const int size : {8, 12, 16}) {
        std::set<std::vector<uint8_t>> seen;
        const int width = dotmatrix::GlyphWidth(size);
        for (char32_t ch = 0x21; ch <= 0x7E; ++ch) {
            const auto rows = dotmatrix::Rows(ch, size);
            ASSERT_EQ(rows.size(), static_cast<size_t>(size));
            std::vector<uint8_t> cell(rows.begin(), rows.end());
            bool lit = false;
            for (const uint8_t row : cell) {
                lit = lit || row != 0;
                EXPECT_EQ(row & (0xFF >> width), 0) << "size " << size << " char " << static_cast<char>(ch);
            }
            EXPECT_TRUE(lit) << "size " << size << " char " << static_cast<char>(ch);
            EXPECT_TRUE(seen.insert(cell).second) << "size " << size << " char " << static_cast<char>(ch);
        }
        const auto space = dotmatrix::Rows(' ', size);
        for (const uint8_t row : space) {
            EXPECT_EQ(row, 0);
        }
    }
}

TEST(DotMatrixFont, CharactersOutsideVisibleAsciiHaveNoGlyph) {
    EXPECT_FALSE(MakeGlyph(nullptr, 0x1F, "", 8, 2));
    EXPECT_FALSE(MakeGlyph(nullptr, 0x7F, "", 8, 2));
    EXPECT_FALSE(MakeGlyph(nullptr, U'中', "", 16, 2));
}

} // namespace
} // namespace balsar
