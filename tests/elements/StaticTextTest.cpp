#include <gtest/gtest.h>

#include "base/Archive.h"
#include "base/Prompt.h"
#include "elements/CStaticText.h"
#include "elements/ElementStrings.h"
#include "elements/TextAttributes.h"
#include "project/CoreClasses.h"
#include "ElementsTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::CompileFixture;
using test::Hex;
using test::SharedFonts;
using test::Slice;

CStaticText MakeText(const std::string& text, int32_t sizeIndex, int32_t dotMatrix, const std::string& font,
                     FontEngine* fonts) {
    CStaticText element;
    element.SetFont(font, fonts);
    element.ChangeDotMatrix(dotMatrix, fonts);
    element.SetSizeIndex(sizeIndex, fonts);
    element.SetText(text, fonts);
    return element;
}

TEST(StaticText, SizeFollowsTextAndFont) {
    FontEngine* fonts = &SharedFonts();
    // Size 8 always uses the built-in font: 10 characters, 60 x 8.
    for (const int32_t flag : {0, 1}) {
        const CStaticText t = MakeText("ABCDEFGHIJ", 0, flag, "宋体", fonts);
        EXPECT_EQ(t.GetWidth(), 60);
        EXPECT_EQ(t.GetHeight(), 8);
    }
    const CStaticText dot16 = MakeText("ABCDEFGHIJ", 2, 1, "宋体", fonts);
    EXPECT_EQ(dot16.GetWidth(), 80);
    EXPECT_EQ(dot16.GetHeight(), 16);
    // Size 24 never uses the built-in font, whatever the flag says.
    const CStaticText big = MakeText("ABCDEFGHIJ", 3, 1, "宋体", fonts);
    EXPECT_FALSE(big.UsesDotMatrix());
    EXPECT_EQ(big.GetHeight(), 24);
    EXPECT_EQ(big.GetWidth(), MeasureText(fonts, "宋体", 24, "ABCDEFGHIJ")->first);
    EXPECT_NE(big.GetWidth(), 60);
}

TEST(StaticText, CompiledRecordAndTable) {
    CompileFixture f;
    CStaticText t = MakeText("AA", 0, 0, "Any", nullptr);
    t.SetLeft(10);
    t.SetTop(20);
    t.Compile(f.context);
    EXPECT_EQ(f.image, Hex("0A 14 15 1B  00 00 0000  04000000  14000000  01 00 0000"
                           "01 19000000"                        // static-text table at 20
                           "06 1E000000"                        // text record at 25
                           "02 27000000 27000000"               // character table at 30
                           "07 06 08 04 0A 11 11 1F 11 11 00")); // glyph at 39
    EXPECT_EQ(f.context.textTableDictionary.at("STATIC_TEXT_AA_0_"), 20u);

    CompileFixture g;
    t.SetReverse(1);
    t.Compile(g.context);
    EXPECT_EQ(g.image[17], 0x10);
}

TEST(StaticText, EqualTextsShareOneTable) {
    FontEngine* fonts = &SharedFonts();
    CompileFixture f(fonts);
    const CStaticText a = MakeText("OK", 2, 0, "宋体", fonts);
    const CStaticText b = MakeText("OK", 2, 0, "宋体", fonts);
    a.Compile(f.context);
    const size_t second = f.image.size();
    b.Compile(f.context);
    EXPECT_EQ(f.image.size(), second + 20); // only the fixed record
    EXPECT_EQ(ReadAt(f.image, 12, 4), ReadAt(f.image, second + 12, 4));
    EXPECT_EQ(f.context.textTableDictionary.count("STATIC_TEXT_OK_2_宋体"), 1u);
    // Another face makes another table.
    const CStaticText c = MakeText("OK", 2, 0, "DejaVu Sans", fonts);
    const size_t third = f.image.size();
    c.Compile(f.context);
    EXPECT_NE(ReadAt(f.image, third + 12, 4), ReadAt(f.image, 12, 4));
}

TEST(StaticText, EmptyTextTableHoldsZero) {
    CompileFixture f;
    const CStaticText t = MakeText("", 0, 0, "", nullptr);
    t.Compile(f.context);
    ASSERT_EQ(f.image.size(), 25u);
    EXPECT_EQ(ReadAt(f.image, 12, 4), 20u);
    EXPECT_EQ(Slice(f.image, 20, 5), Hex("01 00000000"));
}

TEST(StaticText, TrimmingToTheScreenAsksFirst) {
    CStaticText t = MakeText("ABCD", 2, 1, "", nullptr);
    StaticTextAttributes wanted = t.Attributes();
    wanted.text = "ABCDEFGHIJKLMNOPQRST"; // 20 x 8 = 160 pixels

    RecordingPrompt refuse;
    refuse.Script(Answer::No);
    EXPECT_FALSE(t.ApplyAttributes(wanted, 128, refuse, nullptr));
    EXPECT_EQ(t.GetText(), "ABCD");
    EXPECT_EQ(t.GetWidth(), 32);
    ASSERT_EQ(refuse.Questions().size(), 1u);
    EXPECT_EQ(refuse.Questions()[0].text, strings::kTrimQuestion);

    RecordingPrompt accept;
    accept.Script(Answer::Yes);
    EXPECT_TRUE(t.ApplyAttributes(wanted, 128, accept, nullptr));
    EXPECT_EQ(t.GetText(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(t.GetWidth(), 128);

    // A change of size that no longer fits, refused, restores the size.
    StaticTextAttributes smaller = t.Attributes();
    smaller.sizeIndex = 1;
    EXPECT_TRUE(t.ApplyAttributes(smaller, 128, accept, nullptr)); // 16 x 6 fits
    StaticTextAttributes back = t.Attributes();
    back.text = "ABCDEFGHIJKLMNOPQRS";
    back.sizeIndex = 2;
    RecordingPrompt no;
    no.Script(Answer::No);
    EXPECT_FALSE(t.ApplyAttributes(back, 128, no, nullptr));
    EXPECT_EQ(t.GetSizeIndex(), 1);
    EXPECT_EQ(t.GetText(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(t.GetWidth(), 96);
}

TEST(StaticText, SwitchingToTheBuiltInFontDropsNonEnglishCharacters) {
    FontEngine* fonts = &SharedFonts();
    CStaticText t = MakeText("温度 OK", 2, 0, "宋体", fonts);
    StaticTextAttributes size8 = t.Attributes();
    size8.sizeIndex = 0;

    RecordingPrompt no;
    no.Script(Answer::No);
    EXPECT_FALSE(t.ApplyAttributes(size8, 128, no, fonts));
    EXPECT_EQ(t.GetText(), "温度 OK");
    ASSERT_EQ(no.Questions().size(), 1u);
    EXPECT_EQ(no.Questions()[0].text, strings::kNonAsciiLost);

    RecordingPrompt yes;
    yes.Script(Answer::Yes);
    EXPECT_TRUE(t.ApplyAttributes(size8, 128, yes, fonts));
    EXPECT_EQ(t.GetText(), " OK");
    EXPECT_EQ(t.GetWidth(), 18);
}

TEST(StaticText, DoubleSizeRefusedWhenTwiceTheWidthLeavesTheScreen) {
    CStaticText wide = MakeText("ABCDEFGHIJ", 2, 1, "", nullptr); // 80 wide
    RecordingMessageSink sink;
    EXPECT_FALSE(wide.TurnDoubleSizeOn(128, 64, sink));
    EXPECT_EQ(wide.GetDoubleSize(), 0);
    EXPECT_TRUE(sink.Contains(strings::kDoubleSizeOutOfScreen));

    CStaticText narrow = MakeText("ABCDE", 2, 1, "", nullptr);
    narrow.SetLeft(100);
    EXPECT_TRUE(narrow.TurnDoubleSizeOn(128, 64, sink));
    EXPECT_EQ(narrow.GetWidth(), 80);
    EXPECT_EQ(narrow.GetHeight(), 32);
    EXPECT_EQ(narrow.GetLeft(), 48);
    narrow.RecalcSize(nullptr); // stays doubled
    EXPECT_EQ(narrow.GetWidth(), 80);
}

TEST(StaticText, ArchiveRecord) {
    CStaticText t = MakeText("A", 0, 1, "F", nullptr);
    t.SetNumber(3);
    Archive out;
    t.Serialize(out);
    EXPECT_EQ(out.Data(), Hex("01000000 FF FEFF 03 5300 5400 3300 0300"    // version, "ST3", ID
                              "00000000 00000000 00000000 00000000"         // extra B, extra A, double, reverse
                              "08000000 06000000 02000000 00000000 00000000" // height, width, kind, left, top
                              "FFFF0000"                                     // order
                              "02000000 FF FEFF 01 4100 00000000 00000000"   // version 2, "A", size, language
                              "FF FEFF 01 4600 01000000"));                  // "F", dot-matrix

    // Version 1 ends after the font; the dot-matrix flag loads as 0.
    std::vector<uint8_t> v1 = out.Data();
    v1.resize(v1.size() - 4);
    v1[56] = 1;
    Archive in(v1, CoreClassRegistry());
    CStaticText loaded;
    loaded.ChangeDotMatrix(1, nullptr);
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetText(), "A");
    EXPECT_EQ(loaded.GetFont(), "F");
    EXPECT_EQ(loaded.GetDotMatrix(), 0);
    EXPECT_EQ(loaded.GetName(), "ST3");
    EXPECT_EQ(loaded.GetWidth(), 6);
}

TEST(StaticText, CloneCopiesTextAttributes) {
    CStaticText t = MakeText("Hi", 1, 1, "F", nullptr);
    t.SetLeft(7);
    t.SetID(4);
    const auto copy = t.Clone();
    const auto* text = dynamic_cast<const CStaticText*>(copy.get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Attributes().text, "Hi");
    EXPECT_EQ(text->GetSizeIndex(), 1);
    EXPECT_EQ(text->GetDotMatrix(), 1);
    EXPECT_EQ(text->GetFont(), "F");
    EXPECT_EQ(text->GetLeft(), 7);
    EXPECT_EQ(text->GetID(), 0xFFFF); // the ID is not copied
}

} // namespace
} // namespace balsar
