#include <gtest/gtest.h>

#include "ElementsTestSupport.h"
#include "base/Archive.h"
#include "base/Prompt.h"
#include "elements/CDynamicText.h"
#include "elements/DynamicTextRules.h"
#include "elements/ElementFactory.h"
#include "elements/ElementStrings.h"
#include "elements/KeysLampsStrings.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"
#include "project/CoreClasses.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::AddressRecord;
using test::CompileFixture;
using test::Hex;
using test::SharedFonts;
using test::Slice;

Image Cat(std::initializer_list<Image> parts) {
    Image out;
    for (const Image& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

// A dynamic text in the built-in 8-pixel font.
CDynamicText Small() {
    CDynamicText text;
    text.SetSizeIndex(0, nullptr);
    return text;
}

void SetRow(CDynamicText& text, int row, const std::string& value, const std::string& shown) {
    text.Row(row)->SetValue(value);
    text.Row(row)->SetText(shown);
    text.RecalcSize(nullptr);
}

// The 8-pixel "A" as compiled: bit-reversed rows of the built-in font.
const char* const kGlyphA = "07 06 08 04 0A 11 11 1F 11 11 00";

TEST(DynamicText, StatesCompileInAscendingOrder) {
    CDynamicText text = Small();
    SetRow(text, 1, "10", "AAA");
    SetRow(text, 2, "2", "A");
    SetRow(text, 3, "7", "AA");
    CompileFixture f;
    text.Compile(f.context);
    const Image expected = Cat({Hex("00 00 11 07  01 00 0100"), AddressRecord(text.Address()),
                                Hex("04000000 28000000  01 00 0000  0300 0200 0700 0A00"
                                    "03 35000000 4A000000 58000000"                 // state text table at 40
                                    "06 3A000000 01 3F000000"),                     // "A" at 53
                                Hex(kGlyphA),                                       // its glyph at 63
                                Hex("06 4F000000 02 3F000000 3F000000"              // "AA" at 74
                                    "06 5D000000 03 3F000000 3F000000 3F000000")}); // "AAA" at 88
    EXPECT_EQ(f.image, expected);
    EXPECT_TRUE(f.sink.Entries().empty());
}

TEST(DynamicText, StateMapRules) {
    CDynamicText text = Small();
    SetRow(text, 5, "3", "five");
    SetRow(text, 1, "3", "one");
    SetRow(text, 4, "", "");
    text.Row(4)->SetText("no value"); // a text without value takes no part
    text.Row(9)->SetBase(BASE_HEX);
    SetRow(text, 9, "1F", "hex");
    text.Row(10)->SetBase(BASE_OCT);
    SetRow(text, 10, "17", "oct");
    SetRow(text, 11, "4294967298", "wraps"); // truncated to 32 bits
    text.BuildStateMap();
    const std::map<int32_t, std::string> expected{{3, "one"}, {31, "hex"}, {15, "oct"}, {2, "wraps"}};
    EXPECT_EQ(text.States(), expected);
    EXPECT_EQ(text.MaxStateValue(), 4294967298);

    // Emptying a value empties the text.
    text.Row(1)->SetValue("");
    EXPECT_EQ(text.Row(1)->GetText(), "");
    EXPECT_EQ(text.StateMap().at(3), "five");
}

TEST(DynamicText, NoUsedRowsCompileAnEmptyTable) {
    CDynamicText text = Small();
    text.Row(3)->SetText("shown only in the editor");
    text.SetReverse(1);
    text.SetAlignment(CDynamicText::ALIGN_CENTRE, nullptr);
    CompileFixture f;
    text.Compile(f.context);
    ASSERT_EQ(f.image.size(), 35u);
    EXPECT_EQ(Slice(f.image, 20, 15), Hex("04000000 22000000  01 30 0000  0000  00"));
    text.SetReverse(0);
    text.SetAlignment(CDynamicText::ALIGN_RIGHT, nullptr);
    CompileFixture g;
    text.Compile(g.context);
    EXPECT_EQ(g.image[29], 0x40);
}

TEST(DynamicText, AtMost255StatesAreCompiled) {
    CDynamicText text = Small();
    for (int row = 1; row <= CDynamicText::kRowCount; ++row) {
        SetRow(text, row, std::to_string(1000 - row), "");
    }
    text.SetName("DT0");
    CompileFixture f;
    FindingList findings;
    f.context.findings = &findings;
    f.context.place = FindingPlace::OfElement(1, text.GetKind(), 0);
    text.Compile(f.context);
    EXPECT_EQ(ReadAt(f.image, 32, 2), 255u);
    EXPECT_EQ(ReadAt(f.image, 34, 2), 744u); // lowest first; the highest, 999, is dropped
    const size_t table = ReadAt(f.image, 24, 4);
    EXPECT_EQ(table, 34u + 2 * 255);
    EXPECT_EQ(f.image[table], 255);
    const auto states = std::find_if(findings.begin(), findings.end(),
                                     [](const Finding& found) { return found.code == "too-many-states"; });
    ASSERT_NE(states, findings.end());
    EXPECT_NE(states->message.find("999"), std::string::npos);
    EXPECT_EQ(states->place.elementKind, text.GetKind());
}

// Rows as the archive holds them: texts read back in file order.
std::vector<int> RowOrderInArchive(const std::vector<uint8_t>& data, size_t rowsStart) {
    Archive in(std::span<const uint8_t>(data).subspan(rowsStart), CoreClassRegistry());
    std::vector<int> rows;
    for (int i = 0; i < CDynamicText::kRowCount; ++i) {
        EXPECT_EQ(in.Read<int32_t>(), 1);
        std::string text;
        in.String(text);
        in.Read<int32_t>();
        std::string value;
        in.String(value);
        rows.push_back(std::stoi(text));
    }
    return rows;
}

TEST(DynamicText, ArchiveRecordAndRowOrder) {
    CDynamicText text = Small();
    text.SetNumber(1);
    text.SetFont("F", nullptr);
    text.SetAlignment(CDynamicText::ALIGN_RIGHT, nullptr);
    text.ChangeDotMatrix(1, nullptr);
    Archive out;
    text.Serialize(out);
    const Image head = Hex("01000000 FF FEFF 03 4400 5400 3100 0100"
                           "00000000 00000000 00000000 00000000"
                           "08000000 00000000 03000000 00000000 00000000 FFFF0000"
                           "03000000 00000000 00000000 FF FEFF 01 4600 01000000 01000000");
    const Image emptyRow = Hex("01000000 FF FEFF 00 01000000 FF FEFF 00");
    EXPECT_EQ(Slice(out.Data(), 0, head.size()), head);
    EXPECT_EQ(Slice(out.Data(), head.size(), emptyRow.size()), emptyRow);
    Archive addressOut;
    text.Address().Serialize(addressOut);
    ASSERT_EQ(out.Data().size(), head.size() + 256 * emptyRow.size() + addressOut.Data().size());

    // Every row numbered by its text: 15 down to 1, then each block of
    // sixteen from its top, last 256.
    for (int row = 1; row <= CDynamicText::kRowCount; ++row) {
        text.Row(row)->SetText(std::to_string(row));
    }
    text.Row(7)->SetBase(BASE_HEX);
    text.Row(7)->SetValue("A");
    Archive full;
    text.Serialize(full);
    const std::vector<int> order = RowOrderInArchive(full.Data(), head.size());
    const std::vector<int> start{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 31, 30};
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 17), start);
    EXPECT_EQ(order[15 + 16], 47);
    EXPECT_EQ(order[253], 241);
    EXPECT_EQ(order[254], 240);
    EXPECT_EQ(order[255], 256);
    // Row 7, ninth in the file: text, base, value.
    // Eight rows come before it: 15 to 10 with two-digit texts, 9 and 8.
    const size_t row7 = head.size() + 8 * emptyRow.size() + 2 * (6 * 2 + 2 * 1);
    EXPECT_EQ(Slice(full.Data(), row7, 20), Hex("01000000 FF FEFF 01 3700 02000000 FF FEFF 01 4100"));

    Archive in(full.Data(), CoreClassRegistry());
    CDynamicText loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    for (int row = 1; row <= CDynamicText::kRowCount; ++row) {
        EXPECT_EQ(*loaded.Row(row), *text.Row(row)) << row;
    }
    EXPECT_EQ(loaded.GetAlignment(), CDynamicText::ALIGN_RIGHT);
    EXPECT_EQ(loaded.GetDotMatrix(), 1);
    EXPECT_EQ(loaded.GetFont(), "F");
}

TEST(DynamicText, OlderVersionsLoadWithDefaults) {
    CDynamicText text = Small();
    text.SetFont("F", nullptr);
    text.SetAlignment(CDynamicText::ALIGN_CENTRE, nullptr);
    text.ChangeDotMatrix(1, nullptr);
    SetRow(text, 2, "5", "X");
    Archive out;
    text.Serialize(out);
    const size_t versionAt = 50;                          // after the common prefix of an unnamed element
    const size_t alignmentAt = versionAt + 4 + 4 + 4 + 6; // version, size, language, "F"
    ASSERT_EQ(ReadAt(out.Data(), versionAt, 4), 3u);
    ASSERT_EQ(ReadAt(out.Data(), alignmentAt, 4), 2u);
    for (const int version : {1, 2}) {
        Image old = out.Data();
        old[versionAt] = static_cast<uint8_t>(version);
        const auto from = old.begin() + static_cast<std::ptrdiff_t>(alignmentAt + (version == 2 ? 4 : 0));
        old.erase(from, old.begin() + static_cast<std::ptrdiff_t>(alignmentAt + 8));
        Archive in(old, CoreClassRegistry());
        CDynamicText loaded;
        loaded.SetAlignment(CDynamicText::ALIGN_RIGHT, nullptr);
        loaded.ChangeDotMatrix(1, nullptr);
        loaded.Serialize(in);
        EXPECT_EQ(in.Remaining(), 0u) << version;
        EXPECT_EQ(loaded.GetAlignment(),
                  version == 2 ? CDynamicText::ALIGN_CENTRE : CDynamicText::ALIGN_LEFT);
        EXPECT_EQ(loaded.GetDotMatrix(), 0);
        EXPECT_EQ(loaded.StateMap().at(5), "X");
    }
}

TEST(DynamicText, SizeFollowsTheWidestRow) {
    CDynamicText text;
    text.ChangeDotMatrix(1, nullptr); // 16-pixel built-in font, 8 wide
    SetRow(text, 1, "0", "AB");
    SetRow(text, 200, "", "");
    text.Row(200)->SetText("ABCDE"); // counts for the size, not for the states
    text.RecalcSize(nullptr);
    EXPECT_EQ(text.GetWidth(), 40);
    EXPECT_EQ(text.GetHeight(), 16);
    EXPECT_EQ(text.GetFirstRowWidth(), 16);

    FontEngine* fonts = &SharedFonts();
    CDynamicText measured;
    measured.SetFont("宋体", fonts);
    SetRow(measured, 3, "1", "运行中");
    measured.RecalcSize(fonts);
    EXPECT_EQ(measured.GetWidth(), MeasureText(fonts, "宋体", 16, "运行中")->first);
    EXPECT_GT(measured.GetWidth(), 0);
}

TEST(DynamicText, DrawsTheFirstTextAligned) {
    CDynamicText text = Small();
    text.Row(2)->SetText("A"); // row 1 empty: row 2 is shown
    text.Row(3)->SetText("AAA");
    text.RecalcSize(nullptr);
    text.SetLeft(4);
    text.SetTop(2);
    const auto lit = [&text]() {
        PanelCanvas canvas(32, 16);
        text.Draw(canvas, nullptr);
        return canvas.Dump(PanelRect{4, 2, 22, 10});
    };
    // "A" at size 8 from the built-in table, at the left, the middle or the right.
    const std::string left = lit();
    EXPECT_EQ(left.substr(0, 19), "..#...............\n");
    text.SetAlignment(CDynamicText::ALIGN_CENTRE, nullptr);
    EXPECT_EQ(lit().substr(0, 19), "........#.........\n");
    text.SetAlignment(CDynamicText::ALIGN_RIGHT, nullptr);
    EXPECT_EQ(lit().substr(0, 19), "..............#...\n");
    text.SetReverse(1);
    EXPECT_EQ(lit().substr(0, 19), "##############.###\n");
}

TEST(DynamicTextGrid, ValuesAreCheckedAgainstTheAddressWidth) {
    CDynamicText text = Small();
    RecordingMessageSink sink;
    ASSERT_TRUE(text.IsBitAddress());
    EXPECT_TRUE(dyntext::EnterStateValue(text, 1, "1", sink));
    text.Row(1)->SetText("ON");
    EXPECT_FALSE(dyntext::EnterStateValue(text, 1, "2", sink));
    EXPECT_EQ(text.Row(1)->GetValue(), "1");
    ASSERT_EQ(sink.Entries().size(), 1u);
    EXPECT_EQ(sink.Entries()[0].text, "输入越界,可输入范围 ( 0-1 )");
    EXPECT_EQ(sink.Entries()[0].caption, "输入越界");

    text.Address().Reset(WIDTH_WORD);
    sink.Clear();
    EXPECT_TRUE(dyntext::EnterStateValue(text, 2, " 65535 ", sink));
    EXPECT_EQ(dyntext::GridValueText(text, 2), "65535");
    for (const char* refused : {"65536", "-1", "12a", "x"}) {
        EXPECT_FALSE(dyntext::EnterStateValue(text, 3, refused, sink)) << refused;
        EXPECT_FALSE(text.Row(3)->IsUsed());
    }
    EXPECT_EQ(sink.Entries().back().text, "输入越界,可输入范围 ( 0-65535 )");
    EXPECT_FALSE(dyntext::EnterStateValue(text, 257, "1", sink));

    // An emptied value empties the row's text too.
    EXPECT_TRUE(dyntext::EnterStateValue(text, 1, "", sink));
    EXPECT_EQ(text.Row(1)->GetText(), "");
    EXPECT_EQ(dyntext::GridValueText(text, 1), "");
}

TEST(DynamicTextGrid, WordToBitKeepsOnlyStatesZeroAndOne) {
    CDynamicText text = Small();
    text.Address().Reset(WIDTH_WORD);
    SetRow(text, 1, "0", "OFF");
    SetRow(text, 2, "1", "ON");
    SetRow(text, 3, "2", "FAULT");

    RecordingPrompt no;
    no.Script(Answer::No);
    EXPECT_FALSE(dyntext::SwitchDataType(text, WIDTH_BIT, no));
    ASSERT_EQ(no.Questions().size(), 1u);
    EXPECT_EQ(no.Questions()[0].text, "数值越界部分文本将丢失，是否继续？");
    EXPECT_FALSE(text.IsBitAddress());
    EXPECT_EQ(text.StateMap().size(), 3u);

    RecordingPrompt yes;
    yes.Script(Answer::Yes);
    EXPECT_TRUE(dyntext::SwitchDataType(text, WIDTH_BIT, yes));
    EXPECT_TRUE(text.IsBitAddress());
    EXPECT_EQ(text.StateMap(), (std::map<int32_t, std::string>{{0, "OFF"}, {1, "ON"}}));
    EXPECT_EQ(text.Row(3)->GetText(), "");
    CompileFixture f;
    text.Compile(f.context);
    EXPECT_EQ(Slice(f.image, 32, 6), Hex("0200 0000 0100"));

    // Nothing to lose: no question.
    RecordingPrompt silent;
    EXPECT_TRUE(dyntext::SwitchDataType(text, WIDTH_WORD, silent));
    EXPECT_TRUE(dyntext::SwitchDataType(text, WIDTH_BIT, silent));
    EXPECT_TRUE(silent.Questions().empty());
}

TEST(DynamicTextGrid, AttributeChangesAskBeforeLosingText) {
    FontEngine* fonts = &SharedFonts();
    CDynamicText text;
    text.SetFont("宋体", fonts);
    SetRow(text, 1, "0", "停止 OFF");
    SetRow(text, 2, "1", "RUN");
    text.RecalcSize(fonts);

    dyntext::Attributes dot = dyntext::AttributesOf(text);
    dot.dotMatrix = 1;
    RecordingPrompt no;
    no.Script(Answer::No);
    EXPECT_FALSE(dyntext::ApplyAttributes(text, dot, 128, no, fonts));
    EXPECT_EQ(no.Questions().at(0).text, strings::kNonAsciiLost);
    EXPECT_EQ(text.GetDotMatrix(), 0);
    EXPECT_EQ(text.Row(1)->GetText(), "停止 OFF");

    RecordingPrompt yes;
    yes.Script(Answer::Yes);
    EXPECT_TRUE(dyntext::ApplyAttributes(text, dot, 128, yes, fonts));
    EXPECT_EQ(text.Row(1)->GetText(), " OFF");
    EXPECT_EQ(text.GetWidth(), 32);

    // A row too wide for the screen: No restores the size, Yes cuts it.
    text.Row(2)->SetText("ABCDEFGHIJKLMNOP"); // 16 x 6 = 96 at size 12
    dyntext::Attributes small = dyntext::AttributesOf(text);
    small.sizeIndex = 1;
    RecordingPrompt fits;
    EXPECT_TRUE(dyntext::ApplyAttributes(text, small, 128, fits, fonts));
    EXPECT_TRUE(fits.Questions().empty());
    EXPECT_EQ(text.GetWidth(), 96);
    dyntext::Attributes wider = dyntext::AttributesOf(text);
    wider.sizeIndex = 2; // 16 x 8 = 128: too wide for a 120-pixel screen
    RecordingPrompt refuse;
    refuse.Script(Answer::No);
    EXPECT_FALSE(dyntext::ApplyAttributes(text, wider, 120, refuse, fonts));
    EXPECT_EQ(refuse.Questions().at(0).text, strings::kTrimQuestion);
    EXPECT_EQ(text.GetSizeIndex(), 1);
    EXPECT_EQ(text.GetWidth(), 96);
    RecordingPrompt accept;
    accept.Script(Answer::Yes);
    EXPECT_TRUE(dyntext::ApplyAttributes(text, wider, 120, accept, fonts));
    EXPECT_EQ(text.Row(2)->GetText(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(text.Row(1)->GetText(), " OFF");
    EXPECT_EQ(text.GetWidth(), 120);
}

TEST(DynamicText, CopiesAndRegistry) {
    CDynamicText text = Small();
    SetRow(text, 9, "4", "four");
    text.Address().address = 33;
    text.SetAlignment(CDynamicText::ALIGN_CENTRE, nullptr);
    const auto copy = text.Clone();
    const auto* cloned = dynamic_cast<const CDynamicText*>(copy.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(cloned->StateMap(), text.StateMap());
    EXPECT_EQ(cloned->Address().address, 33);
    EXPECT_EQ(cloned->GetAlignment(), CDynamicText::ALIGN_CENTRE);
    EXPECT_EQ(cloned->GetSizeIndex(), 0);

    const auto created = CreateElementForXmlType("DynamicText");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetKind(), 3);
    EXPECT_NE(CoreClassRegistry().Find("CDynamicText"), nullptr);
    created->SetNumber(4);
    EXPECT_EQ(created->GetName(), "DT4");
}

} // namespace
} // namespace balsar
