#include <gtest/gtest.h>

#include "ElementsTestSupport.h"
#include "elements/CGraphElement.h"
#include "elements/ImageRecords.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::CompileFixture;
using test::Hex;
using test::Slice;

TEST(GlyphCompile, BuiltInGlyphRecords) {
    CompileFixture f;
    f.image.assign(4, 0);
    EXPECT_EQ(CompileChar(f.context, 'A', "", 8, 1), 4u);
    EXPECT_EQ(Slice(f.image, 4, 100), Hex("07 06 08  04 0A 11 11 1F 11 11 00"));

    const size_t at12 = f.image.size();
    EXPECT_EQ(CompileChar(f.context, 'A', "", 12, 2), at12);
    EXPECT_EQ(Slice(f.image, at12, 100), Hex("07 06 0C  00 00 0C 08 14 14 14 3E 22 37 00 00"));

    const size_t at16 = f.image.size();
    EXPECT_EQ(CompileChar(f.context, 'A', "", 16, 2), at16);
    EXPECT_EQ(Slice(f.image, at16, 100), Hex("07 08 10  00 00 00 08 1C 36 63 63 7F 63 63 63 63 00 00 00"));
    EXPECT_TRUE(f.context.glyphDictionary.count("VISIBLE_ASCII_CHAR_A_8"));
    EXPECT_TRUE(f.context.glyphDictionary.count("VISIBLE_ASCII_CHAR_A_16"));
}

TEST(GlyphCompile, TextRecordAndCharacterTable) {
    CompileFixture f;
    f.image.assign(4, 0);
    // Text record at 4 -> table at 9 (count 2, both slots the one glyph at 18).
    EXPECT_EQ(CompileText(f.context, "AA", "Any", 8, 1), 4u);
    EXPECT_EQ(Slice(f.image, 4, 100), Hex("06 09 00 00 00"
                                          "02 12 00 00 00 12 00 00 00"
                                          "07 06 08 04 0A 11 11 1F 11 11 00"));
    EXPECT_EQ(f.context.glyphDictionary.at("VISIBLE_ASCII_TEXT_AA_8"), 4u);
    EXPECT_EQ(f.context.textTableDictionary.at("VISIBLE_ASCII_TEXT_AA_8"), 9u);
}

TEST(GlyphCompile, DictionariesWriteEachRecordOnce) {
    CompileFixture f;
    f.image.assign(4, 0);
    const uint32_t text = CompileText(f.context, "AA", "", 8, 1);
    const size_t length = f.image.size();
    // The same text, table and character again: the first offsets, nothing written.
    EXPECT_EQ(CompileText(f.context, "AA", "", 8, 1), text);
    EXPECT_EQ(CompileTextTable(f.context, "AA", "", 8, 1), 9u);
    EXPECT_EQ(CompileChar(f.context, 'A', "", 8, 1), 18u);
    EXPECT_EQ(f.image.size(), length);
    // A new text reuses the glyph already written.
    const uint32_t other = CompileText(f.context, "A", "", 8, 1);
    EXPECT_EQ(Slice(f.image, other, 100), Hex("06 22 00 00 00  01 12 00 00 00"));
}

TEST(GlyphCompile, FontModeDecidesTheBuiltInFont) {
    // No font engine at all (a test harness): only built-in glyphs can be
    // made, and a face glyph is left as its kind byte.
    CompileFixture f;
    f.image.assign(4, 0);
    EXPECT_NE(CompileChar(f.context, 'A', "", 12, 2), 0u);
    // Mode 1 at size 12 asks for the named face; without one the glyph
    // fails after its kind byte.
    const size_t before = f.image.size();
    EXPECT_EQ(CompileChar(f.context, 'A', "Nowhere", 12, 1), 0u);
    EXPECT_EQ(Slice(f.image, before, 100), Hex("07"));
    EXPECT_FALSE(f.context.glyphDictionary.count("FONT_CHAR_A_Nowhere_12"));
    // Any other mode never uses the built-in font, even at size 8.
    const size_t before3 = f.image.size();
    EXPECT_EQ(CompileChar(f.context, 'A', "Nowhere", 8, 3), 0u);
    EXPECT_EQ(f.image.size(), before3 + 1);
}

TEST(GlyphCompile, EmptyTextWritesNothing) {
    CompileFixture f;
    EXPECT_EQ(CompileText(f.context, "", "", 8, 1), 0u);
    EXPECT_EQ(CompileTextTable(f.context, "", "", 8, 1), 0u);
    EXPECT_TRUE(f.image.empty());
}

TEST(GlyphCompile, LongTextKeepsCountAndTableInAgreement) {
    CompileFixture f;
    FindingList findings;
    f.context.findings = &findings;
    f.context.place = FindingPlace::OfListItem("events", 3, "message");
    f.image.assign(4, 0);
    const std::string text(300, 'A');
    const uint32_t offset = CompileText(f.context, text, "", 8, 1);
    const uint32_t table = ReadAt(f.image, offset + 1, 4);
    ASSERT_EQ(f.image[table], 255);
    for (uint32_t i = 0; i < 255; ++i) {
        EXPECT_EQ(ReadAt(f.image, table + 1 + 4 * i, 4), table + 1 + 4 * 255) << i;
    }
    // The glyph follows the 255 slots directly.
    EXPECT_EQ(f.image[table + 1 + 4 * 255], 7);
    EXPECT_TRUE(f.sink.Entries().empty());
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].code, "text-too-long");
    EXPECT_EQ(findings[0].severity, Severity::Warning);
    EXPECT_EQ(PlaceText(findings[0].place), "events item 3 message");
    EXPECT_NE(findings[0].message.find("300"), std::string::npos);

    // 255 characters fit without a message.
    CompileFixture g;
    CompileTextTable(g.context, std::string(255, 'A'), "", 8, 1, "x");
    EXPECT_EQ(g.image[0], 255);
    EXPECT_TRUE(g.sink.Entries().empty());
}

TEST(GlyphCompile, PositionAndHeadRecords) {
    CompileFixture f;
    CGraphElement element;
    element.SetLeft(10);
    element.SetTop(20);
    element.SetWidth(40);
    element.SetHeight(16);
    element.CompilePosition(f.context);
    EXPECT_EQ(f.image, Hex("0A 14 31 23"));

    // Head: kind byte, then the link counter big-endian; the counter then
    // takes the image length.
    f.context.linkCounter = 0x01020304;
    CompileElementHead(f.context, element.GetKind());
    EXPECT_EQ(Slice(f.image, 4, 5), Hex("01 01 02 03 04"));
    EXPECT_EQ(f.context.linkCounter, 9u);
}

} // namespace
} // namespace balsar
