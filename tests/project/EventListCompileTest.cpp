#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "elements/CompileContext.h"
#include "project/CMirloProject.h"
#include "project/EventList.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::Hex;

struct EventFixture {
    EventFixture() : context(image, sink, 128, 64) {
        project.eventList.fontSizeIndex = 0; // 8 pixels: the built-in font, no font engine needed
    }
    void AddScreen(uint16_t number) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(number);
        project.AddScreen(std::move(screen));
    }
    Image image;
    RecordingMessageSink sink;
    CompileContext context;
    CMirloProject project;
};

EventItem WordItem(uint32_t comparison, int32_t value) {
    EventItem item;
    item.flags = EventItem::kWordAddress;
    item.SetComparison(comparison);
    item.value = value;
    item.address.Reset(WIDTH_WORD);
    item.message = "A";
    return item;
}

std::vector<uint8_t> Bytes(const Image& image, size_t from, size_t n) {
    return std::vector<uint8_t>(image.begin() + static_cast<std::ptrdiff_t>(from),
                                image.begin() + static_cast<std::ptrdiff_t>(from + n));
}

TEST(EventListCompile, EmptyListIsHeadAndDigitText) {
    EventFixture f;
    f.image.assign(8, 0); // the section starts past other data
    f.project.eventList.Compile(f.context, f.project);
    // Count 0, auto popup 1, no screens: alarm screen 0, digit text at 8 + 12.
    EXPECT_EQ(Bytes(f.image, 8, 12), Hex("00000000 0100 0000 14000000"));
    EXPECT_EQ(Bytes(f.image, 20, 6), Hex("06 19000000 0F"));
    // 15 characters "0123456789:.-/ ", each a built-in glyph of 6 x 8.
    const uint32_t first = ReadAt(f.image, 26, 4);
    EXPECT_EQ(Bytes(f.image, first, 3), Hex("07 06 08"));
    EXPECT_EQ(f.image.size(), 26u + 15 * 4 + 15 * 11);
}

TEST(EventListCompile, ItemRecordsAndBounds) {
    EventFixture f;
    f.AddScreen(5);
    EventList& list = f.project.eventList;
    list.alarmScreen = 5;
    list.autoPopup = 0;
    EventItem equal = WordItem(EVENT_EQUAL, 5);
    equal.flags |= EventItem::kBuzzer;
    equal.buzzerSeconds = 3;
    EventItem ranged = WordItem(EVENT_NOT_EQUAL, 5);
    ranged.range = 1;
    ranged.lowerLimit = 1;
    ranged.upperLimit = 9;
    ASSERT_EQ(list.AddItem(equal), 1);
    ASSERT_EQ(list.AddItem(ranged), 1);
    list.Compile(f.context, f.project);

    EXPECT_EQ(Bytes(f.image, 0, 8), Hex("02000000 0000 0500"));
    const uint32_t first = ReadAt(f.image, 12, 4);
    const uint32_t second = ReadAt(f.image, 16, 4);
    EXPECT_EQ(first % 4, 0u);
    EXPECT_EQ(second % 4, 0u);
    Image address;
    RecordingMessageSink quiet;
    equal.address.Compile(address, nullptr, quiet);
    Image expected = Hex("25000000 05000000 05000000 0300 0000");
    expected.insert(expected.end(), address.begin(), address.end());
    EXPECT_EQ(Bytes(f.image, first, 28), expected);
    EXPECT_EQ(Bytes(f.image, second, 12), Hex("07000000 09000000 01000000"));
    // Both messages are "A": one text record, written after the first item.
    const uint32_t text = ReadAt(f.image, first + 28, 4);
    EXPECT_EQ(text, first + 32);
    EXPECT_EQ(f.image[text], 6);
    EXPECT_EQ(ReadAt(f.image, second + 28, 4), text);
}

TEST(EventListCompile, BoundsByComparison) {
    EXPECT_EQ(WordItem(EVENT_LESS, 7).UpperBound(), 7);
    EXPECT_EQ(WordItem(EVENT_LESS, 7).LowerBound(), 0);
    EXPECT_EQ(WordItem(EVENT_LESS_EQUAL, 7).UpperBound(), 7);
    EXPECT_EQ(WordItem(EVENT_GREATER, 7).UpperBound(), 0);
    EXPECT_EQ(WordItem(EVENT_GREATER_EQUAL, 7).LowerBound(), 7);
    EventItem eq = WordItem(EVENT_EQUAL, 5);
    EXPECT_EQ(eq.UpperBound(), 5);
    EXPECT_EQ(eq.LowerBound(), 5);
    eq.range = 1;
    eq.upperLimit = 9;
    eq.lowerLimit = 1;
    EXPECT_EQ(eq.UpperBound(), 9);
    EXPECT_EQ(eq.LowerBound(), 1);
    // A range only counts with == and <>.
    EventItem less = WordItem(EVENT_LESS, 5);
    less.range = 1;
    less.upperLimit = 9;
    EXPECT_EQ(less.UpperBound(), 5);
    EXPECT_EQ(WordItem(6, 5).UpperBound(), 0);
    EXPECT_EQ(WordItem(7, 5).LowerBound(), 0);
    // A bit item compares with 0: its value is the upper bound.
    EventItem bit;
    bit.value = 1;
    EXPECT_EQ(bit.UpperBound(), 1);
    EXPECT_EQ(bit.LowerBound(), 0);
}

TEST(EventListCompile, MissingAlarmScreenFallsBackToTheFirst) {
    EventFixture f;
    f.AddScreen(3);
    f.AddScreen(7);
    f.project.eventList.alarmScreen = 12;
    f.project.eventList.Compile(f.context, f.project);
    EXPECT_EQ(ReadAt(f.image, 6, 2), 3u);
    // The list keeps what the user chose; the project check reports it.
    EXPECT_EQ(f.project.eventList.alarmScreen, 12);
}

TEST(EventListCompile, LongMessageIsCutTo255CharactersAndReported) {
    EventFixture f;
    EventItem item = WordItem(EVENT_EQUAL, 1);
    item.message = std::string(1024, 'A');
    f.project.eventList.AddItem(item);
    f.project.eventList.Compile(f.context, f.project);
    const uint32_t record = ReadAt(f.image, 12, 4);
    const uint32_t text = ReadAt(f.image, record + 28, 4);
    const uint32_t table = ReadAt(f.image, text + 1, 4);
    EXPECT_EQ(f.image[table], 255);
    ASSERT_EQ(f.sink.Entries().size(), 1u);
    EXPECT_NE(f.sink.Entries()[0].text.find("events item 1 message"), std::string::npos);
}

TEST(EventListItems, AddItemRefusesAnEqualItem) {
    EventList list;
    const EventItem item = WordItem(EVENT_EQUAL, 5);
    EXPECT_EQ(list.AddItem(item), 1);
    EXPECT_EQ(list.AddItem(item), 0);
    EventItem other = item;
    other.message = "B";
    EXPECT_EQ(list.AddItem(other), 1);
    EventItem moved = item;
    moved.address.address = 10;
    EXPECT_EQ(list.AddItem(moved), 1);
    EventItem buzz = item;
    buzz.buzzerSeconds = 2;
    EXPECT_EQ(list.AddItem(buzz), 1);
    EXPECT_EQ(list.items.size(), 4u);
}

} // namespace
} // namespace balsar
