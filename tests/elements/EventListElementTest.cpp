// The event list element: compiled layout flags, sample lines, drawing and
// its resize handles.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CEventListGE.h"
#include "elements/PanelCanvas.h"
#include "project/CoreClasses.h"
#include "ElementsTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::CompileFixture;
using test::Hex;

std::tm Moment(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(EventListElement, DefaultRecordCoversTheScreen) {
    CompileFixture f;
    CEventListGE list;
    list.CoverScreen(128, 64);
    list.Compile(f.context);
    // Number shown and time "HH:MM": flags 0x2102, separator "-" (45).
    EXPECT_EQ(f.image, Hex("00 00 7F 3F  00 00 0000 00000000  02210000 2D000000"));
}

TEST(EventListElement, DateFlagsAndSeparators) {
    CompileFixture f;
    CEventListGE list;
    list.CoverScreen(128, 64);
    list.showDate = 1;
    list.dateOrder = CEventListGE::DATE_YMD;
    list.fourDigitYear = 1;
    list.dateSeparator = CEventListGE::SEPARATOR_SLASH;
    list.Compile(f.context);
    EXPECT_EQ(test::Slice(f.image, 12, 8), Hex("02270100 2F000000"));

    // Each date order only while the date is shown; seconds, no number,
    // no leading zeros.
    list.showNumber = 0;
    list.timeFormat = CEventListGE::TIME_HMS;
    list.fourDigitYear = 0;
    list.noLeadingZeros = 1;
    list.dateSeparator = CEventListGE::SEPARATOR_DOT;
    list.dateOrder = CEventListGE::DATE_DMY;
    EXPECT_EQ(list.LayoutFlags(), 0x20000u | 0x1000u | 0x200u | 0x2u);
    list.dateOrder = CEventListGE::DATE_MD;
    EXPECT_EQ(list.LayoutFlags(), 0x20000u | 0x1000u | 0x800u | 0x2u);
    list.showDate = 0;
    list.showTime = 0;
    EXPECT_EQ(list.LayoutFlags(), 0x20002u);
    EXPECT_EQ(list.SeparatorCode(), 46u);
}

TEST(EventListElement, SampleLinesFollowTheLayout) {
    CEventListGE list;
    const std::tm when = Moment(2024, 3, 7, 9, 5, 4);
    EXPECT_EQ(list.SampleLine(1, when), "1 09:05");
    list.showDate = 1;
    EXPECT_EQ(list.SampleLine(12, when), "12 24-03-07 09:05");
    list.fourDigitYear = 1;
    list.dateOrder = CEventListGE::DATE_DMY;
    list.dateSeparator = CEventListGE::SEPARATOR_DOT;
    list.timeFormat = CEventListGE::TIME_HMS;
    EXPECT_EQ(list.SampleLine(2, when), "2 07.03.2024 09:05:04");
    list.noLeadingZeros = 1;
    list.dateOrder = CEventListGE::DATE_MD;
    list.showNumber = 0;
    list.showTime = 0;
    EXPECT_EQ(list.SampleLine(3, when), "3.7 ");
    list.dateOrder = CEventListGE::DATE_MDY;
    list.fourDigitYear = 0;
    EXPECT_EQ(list.SampleLine(3, Moment(2005, 11, 30, 0, 0, 0)), "11.30.05 ");
}

TEST(EventListElement, DrawsNumberedLinesFilledWithHashes) {
    CEventListGE list;
    list.SetListFont("", 0); // size 8 from the built-in font, 6 pixels a character
    list.SetLeft(2);
    list.SetTop(1);
    list.SetWidth(40);
    list.SetHeight(20); // two whole lines of 8
    PanelCanvas canvas(64, 32);
    canvas.Fill(PanelRect{0, 0, 64, 32}, true);
    list.DrawAt(canvas, nullptr, Moment(2024, 1, 2, 3, 4, 5));
    // "1 03:04" is 7 characters (42 pixels): wider than the element, so no
    // "#" fits; the rest of the rectangle stays unlit below line two.
    EXPECT_FALSE(canvas.Pixel(2, 20));
    EXPECT_FALSE(canvas.Pixel(41, 20));
    EXPECT_TRUE(canvas.Pixel(1, 1));   // outside: untouched
    EXPECT_TRUE(canvas.Pixel(42, 1));  // outside: untouched
    // "1" at size 8 lights something in the first cell of each line, and
    // line two starts with "2" (a different glyph).
    bool firstCell = false;
    bool differ = false;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 6; ++x) {
            firstCell = firstCell || canvas.Pixel(2 + x, 1 + y);
            differ = differ || canvas.Pixel(2 + x, 1 + y) != canvas.Pixel(2 + x, 9 + y);
        }
    }
    EXPECT_TRUE(firstCell);
    EXPECT_TRUE(differ);

    // A wide list fills each line with whole "#" cells up to its width.
    CEventListGE wide;
    wide.SetListFont("", 0);
    wide.SetWidth(63);
    wide.SetHeight(8);
    wide.showTime = 0;
    PanelCanvas plain(64, 8);
    wide.DrawAt(plain, nullptr, Moment(2024, 1, 2, 3, 4, 5));
    PanelCanvas hashes(64, 8);
    CEventListGE reference;
    reference.SetListFont("", 0);
    reference.SetWidth(6);
    reference.SetHeight(8);
    reference.showNumber = 0;
    reference.showTime = 0;
    reference.SetLeft(54); // the last whole cell of 63 pixels is 54..59 ("1 " then 8 "#")
    reference.DrawAt(hashes, nullptr, Moment(2024, 1, 2, 3, 4, 5));
    EXPECT_NE(hashes.Dump(PanelRect{54, 0, 60, 8}).find('#'), std::string::npos);
    EXPECT_EQ(plain.Dump(PanelRect{54, 0, 60, 8}), hashes.Dump(PanelRect{54, 0, 60, 8}));
    std::string blank;
    for (int row = 0; row < 8; ++row) {
        blank += "...\n";
    }
    EXPECT_EQ(plain.Dump(PanelRect{60, 0, 63, 8}), blank); // no partial "#"
}

TEST(EventListElement, HandlesFollowTheBaseRules) {
    CEventListGE list;
    list.CoverScreen(128, 64);
    EXPECT_EQ(list.HitHandle(65, 1), 1); // one pixel from the middle of the top edge
    EXPECT_EQ(list.GetHandle(), 1);
    EXPECT_EQ(list.HitHandle(128, 32), 2);
    EXPECT_EQ(list.HitHandle(64, 64), 3);
    EXPECT_EQ(list.HitHandle(0, 31), 4);
    EXPECT_EQ(list.HitHandle(20, 20), 0);
    EXPECT_EQ(list.GetHandle(), 0);

    list.DragHandle(1, 0, 10, 128, 64);
    EXPECT_EQ(list.GetTop(), 10);
    EXPECT_EQ(list.GetHeight(), 54);
    list.DragHandle(2, 5, 0, 128, 64); // beyond the screen: ignored
    EXPECT_EQ(list.GetWidth(), 128);
    list.DragHandle(4, 125, 0, 128, 64); // 3 wide: ignored
    EXPECT_EQ(list.GetWidth(), 128);
    list.DragHandle(4, 124, 0, 128, 64); // 4 wide: taken
    EXPECT_EQ(list.GetLeft(), 124);
    EXPECT_EQ(list.GetWidth(), 4);
    list.DragHandle(3, 0, -47, 128, 64); // 7 high: ignored
    EXPECT_EQ(list.GetHeight(), 54);
}

TEST(EventListElement, ArchiveRoundTripAndNumbering) {
    CEventListGE list;
    list.CoverScreen(240, 128);
    list.SetNumber(0);
    EXPECT_EQ(list.GetName(), "EV0");
    list.showDate = 1;
    list.dateOrder = 1;
    list.dateSeparator = 0;
    list.fourDigitYear = 1;
    list.noLeadingZeros = 1;
    list.timeFormat = 0;
    list.HitHandle(120, 0);

    Archive out;
    list.Serialize(out);
    const auto& bytes = out.Data();
    // The eight fields follow the common prefix and version 1.
    ASSERT_GE(bytes.size(), 36u);
    EXPECT_EQ(test::Slice(bytes, bytes.size() - 36, 36),
              Hex("01000000 01000000 01000000 01000000 00000000 01000000 01000000 01000000 00000000"));

    const ClassRegistry& registry = CoreClassRegistry();
    Archive in(bytes, registry);
    CEventListGE back;
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.LayoutFlags(), list.LayoutFlags());
    EXPECT_EQ(back.SeparatorCode(), 46u);
    EXPECT_EQ(back.GetWidth(), 240);
    EXPECT_EQ(back.GetHandle(), 0); // not stored
    auto copy = list.Clone();
    EXPECT_EQ(static_cast<CEventListGE&>(*copy).LayoutFlags(), list.LayoutFlags());
    EXPECT_EQ(copy->GetName(), "EV0");
}

} // namespace
} // namespace balsar
