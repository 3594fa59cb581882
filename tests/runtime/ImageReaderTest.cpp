// The image reader against images assembled byte by byte from the record
// tables of the download image: every field of every record lands where the
// runtime looks for it.
#include <gtest/gtest.h>

#include "runtime/ImageBuilder.h"
#include "runtime/ImageError.h"
#include "runtime/PanelImage.h"

using namespace balsar::runtime;
using balsar::runtime::test::ImageBuilder;

namespace {

// A 6 x 2 glyph: a lit left column.
const std::vector<uint8_t> kBar6x2 = {0x01, 0x01};

struct EveryRecordImage {
    std::vector<uint8_t> bytes;
    uint32_t glyphA = 0;
    uint32_t glyphB = 0;
};

// Screen 1 holds one element of every kind with a record, in kind order 0..10
// without the trend buffer.
EveryRecordImage BuildEveryRecord() {
    EveryRecordImage out;
    ImageBuilder image;

    image.StartSection(0);
    const size_t settings = image.Size();
    image.U32(0x4D);
    image.U16(2);  // initial screen
    image.U16(3);  // screen-saver screen
    image.U16(5);  // delay
    image.U8(2);   // wake level
    image.U8(0);
    image.U16(255);
    image.U16(0);
    for (uint32_t i = 1; i <= 8; ++i) {
        image.U32(111 * i);
    }
    image.U32(0); // control block offset, patched below
    image.U16(3); // password screen
    image.U16(0);
    image.Patch(settings + 48, static_cast<uint32_t>(image.Size()));
    image.U8(2);
    image.U8(0);
    image.U16(3);
    image.Address(0xFF, 0, 0xFE, 0x22, 1, 10);
    image.Address(0xFF, 0, 0xFE, 0x22, 1, 11);

    image.StartSection(1);
    image.U32(1);
    image.U32(static_cast<uint32_t>(image.Size() + 4));
    image.U8(1);        // port index
    image.U8(2);        // RS485
    image.U8(8);
    image.U8('E');
    image.U32(19200);
    image.U8(1);
    image.U8(1);        // station used
    image.U16(7);       // protocol
    image.U32(500);     // timeout
    image.U32(0);
    image.U32(0);
    image.U16(3);       // station
    image.U16(32);
    image.U16(64);
    image.U8(4);
    image.U8(8);
    image.U8(10);
    image.U8(0);
    image.U8(10);       // retries
    image.U8(1);        // cut off

    // Shared records of the screens: two glyphs, texts and a bitmap.
    image.StartSection(3);
    const size_t block = image.Size();
    image.U32(2);
    image.U32(0);
    image.U32(0);
    out.glyphA = image.Glyph(6, 2, kBar6x2);
    out.glyphB = image.Glyph(9, 1, {0xFF, 0x01});
    const uint32_t textAB = image.Text({out.glyphA, out.glyphB});
    const uint32_t textB = image.Text({out.glyphB});
    const uint32_t bitmap = image.BitmapRecord(3, 2, {0x05, 0x02});

    // Screen 1.
    const size_t screen1 = image.Size();
    image.Patch(block + 4, static_cast<uint32_t>(screen1));
    const int kinds[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10};
    const size_t count = std::size(kinds);
    image.U32(4);
    image.U8(0);
    image.U8(0);
    image.U8(127);
    image.U8(63);
    image.U16(1);
    image.U16(0);
    image.U16(9);  // up
    image.U16(2);  // down
    image.U16(0);
    image.U16(static_cast<uint32_t>(count));
    const size_t slots = image.Size();
    for (size_t i = 0; i < count; ++i) {
        image.U32(0);
    }
    for (const int kind : kinds) {
        image.U16(static_cast<uint32_t>(kind));
    }
    image.U16(4);  // selection order: the register, then the key
    image.U16(1);
    image.U16(0xFFFF);
    auto element = [&](size_t i) {
        image.Pad4();
        image.Patch(slots + 4 * i, static_cast<uint32_t>(image.Size()));
    };
    auto position = [&](int l, int t, int r, int b) {
        image.U8(static_cast<uint32_t>(l));
        image.U8(static_cast<uint32_t>(t));
        image.U8(static_cast<uint32_t>(r));
        image.U8(static_cast<uint32_t>(b));
    };
    auto addressedHead = [&](int l, int t, int r, int b) {
        position(l, t, r, b);
        image.U8(1);
        image.U8(0);
        image.U16(1);
    };

    element(0); // lamp
    addressedHead(1, 2, 16, 17);
    image.Address(0, 1, 0, 0x00, 1, 33);
    image.U32(1);
    const size_t lampTable = image.Size();
    image.U32(0);
    image.U16(0x0701);
    image.U16(5);
    image.Patch(lampTable, static_cast<uint32_t>(image.Size()));
    image.U8(2);
    image.U32(bitmap);
    image.U32(0);

    element(1); // key: word set, add with limit, on key 3, with a hand
    position(20, 0, 51, 15);
    image.U8(1);
    image.U8(0);
    image.U16(2);
    image.Address(0, 1, 3, 0x22, 1, 120);
    image.U32(4);
    const size_t keyTable = image.Size();
    image.U32(0);
    image.U32(0x01C32103); // n 3, code 0x21, key 3, reverse, immediate, keep level
    image.U32(5);
    image.U32(static_cast<uint32_t>(-7));
    image.U32(2 * 1024 + 1);
    image.Patch(keyTable, static_cast<uint32_t>(image.Size()));
    image.U8(1);
    image.U32(textAB);

    element(2); // static text, reverse
    position(0, 20, 14, 21);
    image.U8(0);
    image.U8(0);
    image.U16(0);
    image.U32(4);
    const size_t staticTable = image.Size();
    image.U32(0);
    image.U8(1);
    image.U8(0x10);
    image.U16(0);
    image.Patch(staticTable, static_cast<uint32_t>(image.Size()));
    image.U8(1);
    image.U32(textAB);

    element(3); // dynamic text, right aligned, states 2 and 0xFFFF
    addressedHead(30, 20, 50, 21);
    image.LocalWord(7);
    image.U32(4);
    const size_t dynamicTable = image.Size();
    image.U32(0);
    image.U8(1);
    image.U8(0x40);
    image.U16(0);
    image.U16(2);
    image.U16(2);
    image.U16(0xFFFF);
    image.Patch(dynamicTable, static_cast<uint32_t>(image.Size()));
    image.U8(2);
    image.U32(textB);
    image.U32(0);

    element(4); // register with limits and scaling, unsigned two words
    addressedHead(60, 20, 95, 35);
    image.Address(0xFF, 0, 0xFE, 0x22, 2, 300, 0x80);
    image.U32(4);
    const size_t registerTable = image.Size();
    image.U32(0);
    image.U32(0x26165105); // 5 words follow, type 1, scaling, input, limits, two words, right, 6 chars, 2 decimals
    image.U32(4000000000u);
    image.U32(10);
    image.U32(3000);
    image.U32(0);
    image.U32(3 * 1024 + 1);
    image.Patch(registerTable, static_cast<uint32_t>(image.Size()));
    image.U8(1);
    image.U32(textAB);

    element(5); // bar, float, left, two words
    addressedHead(100, 0, 111, 39);
    image.LocalWord(40);
    image.U32(0);
    image.U8(3);
    image.U8(3 + 16 * 2);
    image.U8(4);
    image.U8(0);
    image.Float(1.5f);
    image.Float(-0.25f);

    element(6); // trend, signed one word, channel 0
    position(0, 40, 45, 63);
    image.U8(0);
    image.U8(0);
    image.U16(0);
    image.U32(0);
    image.U32(4);
    image.U16(0);
    image.U16(30);
    image.U16(0);
    image.U16(1);
    image.U32(static_cast<uint32_t>(image.Size() + 4));
    image.U8(3);
    image.U8(0);
    image.U8(0);
    image.U8(0);
    image.U32(static_cast<uint32_t>(-100));
    image.U32(static_cast<uint32_t>(-200));

    element(7); // picture
    position(50, 40, 52, 41);
    image.U8(0);
    image.U8(0);
    image.U16(0);
    image.U32(1);
    const size_t pictureField = image.Size();
    image.U32(0);
    image.Patch(pictureField, static_cast<uint32_t>(image.Size()));
    image.U8(1);
    image.U32(bitmap);

    element(8); // ASCII
    addressedHead(60, 40, 119, 47);
    image.LocalWord(50);
    image.U32(4);
    const size_t asciiTable = image.Size();
    image.U32(0);
    image.U8(1);
    image.U8(0x10);
    image.U8(10);
    image.U8(0);
    image.Patch(asciiTable, static_cast<uint32_t>(image.Size()));
    image.U8(1);
    image.U32(textB);

    element(9); // event list
    position(0, 48, 127, 63);
    image.U8(0);
    image.U8(0);
    image.U16(0);
    image.U32(0);
    image.U32(0x10702 | 0x1000);
    image.U32('/');

    // Screen 2: no elements.
    image.Patch(block + 8, static_cast<uint32_t>(image.Size()));
    image.U32(4);
    image.U8(0);
    image.U8(0);
    image.U8(127);
    image.U8(63);
    image.U16(2);
    image.U16(0);
    image.U16(1);
    image.U16(0);
    image.U16(0);
    image.U16(0);
    image.U16(0xFFFF);

    image.StartSection(4);
    image.U32(1);
    image.U32(static_cast<uint32_t>(image.Size() + 4));
    image.U32(0);
    image.LocalWord(41);
    image.U32(5);
    image.U32(30);

    image.StartSection(5);
    const size_t events = image.Size();
    image.U32(1);
    image.U16(1);
    image.U16(2);
    image.U32(0);
    image.U32(0);
    image.Patch(events + 8, image.Text({out.glyphA}));
    image.Pad4();
    image.Patch(events + 12, static_cast<uint32_t>(image.Size()));
    image.U32(0x25); // word, comparison 2, buzzer
    image.U32(9);
    image.U32(static_cast<uint32_t>(-1));
    image.U16(3);
    image.U16(0);
    image.LocalWord(60);
    const size_t message = image.Size();
    image.U32(0);
    image.Patch(message, image.Text({out.glyphB, out.glyphA}));

    image.StartSection(6);
    image.U32(1);
    image.U32(static_cast<uint32_t>(image.Size() + 4));
    image.U32(0x36);
    image.Address(0, 1, 3, 0x22, 5, 20);
    image.LocalWord(100);
    image.LocalBit(2, 5);
    image.U32(20);
    image.U16(3);
    image.U16(5);

    out.bytes = image.Finish();
    return out;
}

TEST(ImageReader, SettingsPortsTrendsEventsAndTransfers) {
    const EveryRecordImage built = BuildEveryRecord();
    const PanelImage image = ReadPanelImage(built.bytes);

    const PanelSettings& s = image.settings;
    EXPECT_EQ(s.flags, 0x4Du);
    EXPECT_TRUE(s.SaverOnlyBacklight());
    EXPECT_FALSE(s.WakePassword());
    EXPECT_TRUE(s.BuzzerMuted());
    EXPECT_TRUE(s.SwapWords());
    EXPECT_TRUE(s.EnglishMessages());
    EXPECT_EQ(s.initialScreen, 2);
    EXPECT_EQ(s.saverScreen, 3);
    EXPECT_EQ(s.saverDelayMinutes, 5);
    EXPECT_EQ(s.wakeLevel, 2);
    EXPECT_EQ(s.passwords[0], 111);
    EXPECT_EQ(s.passwords[7], 888);
    EXPECT_EQ(s.passwordScreen, 3);
    EXPECT_EQ(s.controlFlags, 3);
    ASSERT_TRUE(s.screenSelect && s.screenReport);
    EXPECT_EQ(s.screenSelect->Text(), "RW10");
    EXPECT_EQ(s.screenReport->Text(), "RW11");

    ASSERT_EQ(image.ports.size(), 1u);
    EXPECT_EQ(image.ports[0].port, 1);
    EXPECT_EQ(image.ports[0].parity, 'E');
    EXPECT_EQ(image.ports[0].baud, 19200u);
    EXPECT_EQ(image.ports[0].protocolId, 7);
    EXPECT_EQ(image.ports[0].station, 3);
    EXPECT_EQ(image.ports[0].commTimeout, 500u);
    EXPECT_EQ(image.ports[0].maxWordsPerPacket, 32);
    EXPECT_EQ(image.ports[0].maxBitsPerPacket, 64);
    EXPECT_EQ(image.ports[0].commInterval, 10);
    EXPECT_EQ(image.ports[0].errorShowTime, 0);
    EXPECT_EQ(image.ports[0].retries, 10);
    EXPECT_TRUE(image.ports[0].cutOffAfterRetries);

    ASSERT_EQ(image.trendChannels.size(), 1u);
    EXPECT_EQ(image.trendChannels[0].address.Text(), "LW41");
    EXPECT_EQ(image.trendChannels[0].sampling, 5u);
    EXPECT_EQ(image.trendChannels[0].points, 30u);

    EXPECT_TRUE(image.events.autoPopup);
    EXPECT_EQ(image.events.alarmScreen, 2);
    EXPECT_EQ(image.events.digits.size(), 1u);
    ASSERT_EQ(image.events.items.size(), 1u);
    const EventItemRecord& item = image.events.items[0];
    EXPECT_TRUE(item.WordAddress());
    EXPECT_EQ(item.Comparison(), 2);
    EXPECT_TRUE(item.Buzzer());
    EXPECT_EQ(item.upper, 9);
    EXPECT_EQ(item.lower, -1);
    EXPECT_EQ(item.buzzerSeconds, 3);
    EXPECT_EQ(item.address.Text(), "LW60");
    EXPECT_EQ(item.message.size(), 2u);

    ASSERT_EQ(image.transfers.size(), 1u);
    const TransferRecord& t = image.transfers[0];
    EXPECT_FALSE(t.Timed());
    EXPECT_EQ(t.TriggerType(), 3);
    EXPECT_TRUE(t.Windowed());
    EXPECT_TRUE(t.Limited());
    EXPECT_EQ(t.source.port, 0);
    EXPECT_EQ(t.source.count, 5);
    EXPECT_EQ(t.destination.Text(), "LW100");
    EXPECT_EQ(t.trigger.Text(), "LW2.5");
    EXPECT_EQ(t.period, 20u);
    EXPECT_EQ(t.window, 3);
    EXPECT_EQ(t.executions, 5);
}

TEST(ImageReader, ScreensAndEveryElementRecord) {
    const EveryRecordImage built = BuildEveryRecord();
    const PanelImage image = ReadPanelImage(built.bytes);
    EXPECT_EQ(image.width, 128);
    EXPECT_EQ(image.height, 64);
    ASSERT_EQ(image.screens.size(), 2u);
    const ScreenRecord& screen = image.screens[0];
    EXPECT_EQ(screen.number, 1);
    EXPECT_EQ(screen.upTarget, 9);
    EXPECT_EQ(screen.downTarget, 2);
    EXPECT_EQ(screen.selectionOrder, (std::vector<uint16_t>{4, 1}));
    EXPECT_EQ(image.ScreenIndex(2), 1);
    EXPECT_EQ(image.ScreenIndex(7), -1);
    ASSERT_EQ(screen.elements.size(), 10u);

    const auto& lampElement = screen.elements[0];
    EXPECT_EQ(lampElement.kind, balsar::runtime::ElementKind::Lamp);
    EXPECT_EQ(lampElement.rect, (PixelRect{1, 2, 17, 18}));
    const auto& lamp = std::get<LampRecord>(lampElement.data);
    EXPECT_EQ(lamp.address.port, 0);
    EXPECT_EQ(lamp.address.linear, 33u);
    EXPECT_TRUE(lamp.address.IsBit());
    EXPECT_TRUE(lamp.Flashes());
    EXPECT_TRUE(lamp.NegativeLogic());
    EXPECT_TRUE(lamp.FlashWhileOn());
    EXPECT_EQ(lamp.period, 5);
    ASSERT_GE(lamp.offPicture, 0);
    EXPECT_EQ(lamp.onPicture, -1);
    const Bitmap& picture = image.glyphs.At(lamp.offPicture);
    EXPECT_EQ(picture.width, 3);
    EXPECT_TRUE(picture.Pixel(0, 0));
    EXPECT_FALSE(picture.Pixel(1, 0));
    EXPECT_TRUE(picture.Pixel(2, 0));
    EXPECT_TRUE(picture.Pixel(1, 1));

    const auto& key = std::get<KeyRecord>(screen.elements[1].data);
    ASSERT_TRUE(key.address);
    EXPECT_EQ(key.address->linear, 120u);
    EXPECT_EQ(key.Code(), 3);
    EXPECT_EQ(key.Function(), 0x21);
    EXPECT_TRUE(key.Reverse());
    EXPECT_TRUE(key.Immediate());
    EXPECT_TRUE(key.KeepLevel());
    EXPECT_EQ(key.values, (std::vector<int32_t>{5, -7}));
    EXPECT_EQ(key.Level(), 2);
    EXPECT_EQ(key.pictures.size(), 2u);

    const auto& label = std::get<StaticTextRecord>(screen.elements[2].data);
    EXPECT_TRUE(label.reverse);
    ASSERT_EQ(label.text.size(), 2u);
    EXPECT_EQ(image.glyphs.At(label.text[0]).width, 6);
    EXPECT_EQ(image.glyphs.At(label.text[1]).width, 9);
    // Shared glyph records decode once.
    EXPECT_EQ(label.text, key.pictures);

    const auto& state = std::get<DynamicTextRecord>(screen.elements[3].data);
    EXPECT_EQ(state.address.Text(), "LW7");
    EXPECT_EQ(state.flags, 0x40);
    EXPECT_EQ(state.values, (std::vector<uint16_t>{2, 0xFFFF}));
    ASSERT_EQ(state.texts.size(), 2u);
    EXPECT_EQ(state.texts[0].size(), 1u);
    EXPECT_TRUE(state.texts[1].empty());

    const auto& reg = std::get<RegisterRecord>(screen.elements[4].data);
    EXPECT_TRUE(reg.address.IsBcd());
    EXPECT_EQ(reg.address.count, 2);
    EXPECT_EQ(reg.Type(), DataType::Unsigned);
    EXPECT_TRUE(reg.Scaling());
    EXPECT_TRUE(reg.InputAllowed());
    EXPECT_TRUE(reg.TwoWords());
    EXPECT_TRUE(reg.AlignRight());
    EXPECT_EQ(reg.Characters(), 6);
    EXPECT_EQ(reg.Decimals(), 2);
    EXPECT_EQ(*reg.inputUpper, 4000000000.0);
    EXPECT_EQ(*reg.inputLower, 10.0);
    EXPECT_EQ(*reg.scaleUpper, 3000.0);
    EXPECT_EQ(*reg.scaleLower, 0.0);
    EXPECT_EQ(reg.Level(), 3);
    EXPECT_EQ(reg.characters.size(), 2u);

    const auto& bar = std::get<BarRecord>(screen.elements[5].data);
    EXPECT_EQ(bar.type, DataType::Float);
    EXPECT_EQ(bar.direction, 2);
    EXPECT_TRUE(bar.twoWords);
    EXPECT_EQ(bar.fullScale, 1.5);
    EXPECT_EQ(bar.zeroScale, -0.25);

    const auto& trend = std::get<TrendRecord>(screen.elements[6].data);
    EXPECT_EQ(trend.channel, 0);
    EXPECT_EQ(trend.points, 30);
    EXPECT_EQ(trend.fullScale, -100.0);
    EXPECT_EQ(trend.zeroScale, -200.0);

    const auto& pictureElement = std::get<PictureRecord>(screen.elements[7].data);
    EXPECT_EQ(pictureElement.bitmap, lamp.offPicture);

    const auto& ascii = std::get<AsciiRecord>(screen.elements[8].data);
    EXPECT_TRUE(ascii.reverse);
    EXPECT_EQ(ascii.count, 10);
    EXPECT_EQ(ascii.address.Text(), "LW50");

    const auto& list = std::get<EventListRecord>(screen.elements[9].data);
    EXPECT_TRUE(list.ShowNumber());
    EXPECT_EQ(list.DateOrder(), 3);
    EXPECT_EQ(list.TimeFormat(), 1);
    EXPECT_TRUE(list.FourDigitYear());
    EXPECT_FALSE(list.NoLeadingZeros());
    EXPECT_EQ(list.separator, static_cast<uint32_t>('/'));

    EXPECT_TRUE(image.screens[1].elements.empty());
    EXPECT_EQ(image.screens[1].upTarget, 1);
}

TEST(ImageReader, AnImageWithoutScreensKeepsTheDefaultSize) {
    const PanelImage image = ReadPanelImage(test::EmptyScreensImage({}));
    EXPECT_TRUE(image.screens.empty());
    EXPECT_EQ(image.width, 128);
    EXPECT_EQ(image.height, 64);
}

} // namespace
