// Archive forms of the members a project file carries.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CLangDefine.h"
#include "elements/CSingleColorBitmapLib.h"
#include "plc/CAddr.h"
#include "plc/CPortCan.h"
#include "plc/CPortCom.h"
#include "project/DataTransferList.h"
#include "project/EventList.h"
#include "project/FakeElement.h"
#include "project/GlobalSettings.h"
#include "support/TestSupport.h"

using namespace balsar;
using balsar::test::Hex;

namespace {

template <class T> std::vector<uint8_t> Store(T& object) {
    Archive ar;
    object.Serialize(ar);
    return ar.TakeData();
}

template <class T> void Load(T& object, const std::vector<uint8_t>& bytes) {
    Archive ar(bytes, test::TestRegistry());
    object.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
}

// Stores, loads into a fresh object, stores again: same bytes.
template <class T> T RoundTrip(T& object) {
    const std::vector<uint8_t> bytes = Store(object);
    T loaded;
    Load(loaded, bytes);
    EXPECT_EQ(Store(loaded), bytes);
    return loaded;
}

} // namespace

TEST(AddressArchive, BodyOfVersion2) {
    CAddr address(WIDTH_BIT);
    EXPECT_EQ(Store(address), Hex("02000000 00000000 FFFFFFFF 00000000"
                                  "FFFEFF04 4C0057002E004200 FFFEFF00"
                                  "00000000 01000000 00000000 00000000 01000000"
                                  "00000000 00000000"));
    address.Reset(WIDTH_DWORD, 2, 7);
    address.regType = "D";
    address.text = "t";
    address.address = 1000;
    address.hasIndex = 1;
    address.index = 3;
    address.encoding = ENCODING_BCD;
    const CAddr loaded = RoundTrip(address);
    EXPECT_EQ(loaded, address);
    EXPECT_EQ(loaded.wordCount, 2);
    EXPECT_EQ(loaded.station, 7);
}

TEST(AddressArchive, Version1HasNoIndex) {
    CAddr address;
    address.hasIndex = 1;
    address.index = 9;
    Load(address, Hex("01000000 01000000 00000000 05000000 FFFEFF01 4400 FFFEFF00"
                      "0A000000 00000000 00000000 01000000 01000000"));
    EXPECT_EQ(address.width, WIDTH_WORD);
    EXPECT_EQ(address.port, 0);
    EXPECT_EQ(address.station, 5);
    EXPECT_EQ(address.regType, "D");
    EXPECT_EQ(address.address, 10);
    EXPECT_EQ(address.encoding, ENCODING_BCD);
    EXPECT_EQ(address.hasIndex, 0);
    EXPECT_EQ(address.index, 0);
}

TEST(PortArchive, DisabledPortStoresVersionAndFlagOnly) {
    CPortCom port(1);
    port.protocolId = 12; // not stored while unused
    EXPECT_EQ(Store(port), Hex("01000000 00000000"));
    CPortCom loaded(1);
    Load(loaded, Hex("01000000 00000000"));
    EXPECT_EQ(loaded.enabled, 0);
    EXPECT_EQ(loaded.port, 1);
}

TEST(PortArchive, EnabledPortStoresAllTwentyFields) {
    CPortCom port(2);
    port.enabled = 1;
    port.protocolId = 1;
    port.serialType = 1;
    port.baud = 3;
    port.dataBits = 1;
    port.parity = 2;
    port.stopBits = 0;
    port.hasStation = 1;
    port.station = 1;
    port.commTimeout = 500;
    port.protocolTimeout1 = 2;
    port.protocolTimeout2 = 3;
    port.maxWordsPerPacket = 32;
    port.maxBitsPerPacket = 256;
    port.wordGap = 4;
    port.bitGap = 16;
    port.commInterval = 10;
    port.errorShowTime = 0;
    port.retries = 10;
    port.retryAfterLimit = 1;
    EXPECT_EQ(Store(port), Hex("01000000 01000000 02000000 01000000 01000000 03000000 01000000"
                               "02000000 00000000 01000000 01000000 F4010000 02000000 03000000"
                               "20000000 00010000 04000000 10000000 0A000000 00000000 0A000000 01000000"));
    CPortCom loaded(0);
    Load(loaded, Store(port));
    EXPECT_EQ(loaded, port);
}

TEST(PortArchive, CanPortAndExchange) {
    CPortCan can;
    EXPECT_EQ(Store(can), Hex("01000000 00000000"));
    can.enabled = 1;
    can.second = 5;
    can.protocolId = 6;
    EXPECT_EQ(Store(can), Hex("01000000 01000000 05000000 06000000"));
    EXPECT_EQ(RoundTrip(can), can);

    // Exchanging ports 0 and 1 when only port 0 is used leaves port 1 used
    // with port 0's former settings and its own index.
    CPortCom a(0), b(1);
    a.enabled = 1;
    a.protocolId = 4;
    a.station = 9;
    a.Exchange(b);
    EXPECT_EQ(a.enabled, 0);
    EXPECT_EQ(a.port, 0);
    EXPECT_EQ(b.enabled, 1);
    EXPECT_EQ(b.protocolId, 4);
    EXPECT_EQ(b.station, 9);
    EXPECT_EQ(b.port, 1);
    CPortCom c(2);
    c.CopyFrom(b);
    EXPECT_EQ(c.port, 2);
    EXPECT_EQ(c.protocolId, 4);
}

TEST(LanguageArchive, TableOfItemsAsObjectList) {
    CLangDefine table(LanguageDefaults{0x0804, "宋体"});
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(Store(table), Hex("01000000 0100 FFFF 0000 0F00 434C616E67446566696E654974656D"
                                "01000000 0408 FFFEFF02 8B5B534F"));
}

TEST(LanguageArchive, LoadingReplacesTheTableAndLookupsFallBack) {
    CLangDefine table(LanguageDefaults{0x0409, "Microsoft Sans Serif"});
    table.Add(0x0404, "細明體");
    CLangDefine loaded(LanguageDefaults{0x0411, "MS Gothic"});
    Load(loaded, Store(table));
    EXPECT_EQ(loaded, table);
    EXPECT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.GetLangID(1), 0x0404);
    EXPECT_EQ(loaded.GetFontName(1), "細明體");
    // Beyond the table: the system defaults of the loading designer.
    EXPECT_EQ(loaded.GetLangID(3), 0x0411);
    EXPECT_EQ(loaded.GetFontName(3), "MS Gothic");
}

TEST(SettingsArchive, DefaultsAndVersion1) {
    GlobalSettings settings;
    std::vector<uint8_t> expected = Hex("02000000 01000000 0100 0300 0000 00 FF00");
    for (int i = 0; i < 8; ++i) {
        const auto password = Hex("CB180000"); // 6347
        expected.insert(expected.end(), password.begin(), password.end());
    }
    const auto tail = Hex("00000000 0100");
    expected.insert(expected.end(), tail.begin(), tail.end());
    const std::vector<uint8_t> bytes = Store(settings);
    ASSERT_GT(bytes.size(), expected.size());
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(expected.size())), expected);
    // The control address is a word address.
    EXPECT_EQ(settings.controlAddress.width, WIDTH_WORD);
    EXPECT_EQ(settings.controlAddress.regType, "LW");

    settings.initialScreen = 4;
    settings.screenSaverScreen = 5;
    settings.passwordScreen = 9;
    settings.plcControlFlags = 3;
    EXPECT_EQ(RoundTrip(settings), settings);

    // A version-1 block has no password screen: it reads as 1.
    std::vector<uint8_t> v1 = Store(settings);
    v1[0] = 1;
    const size_t passwordScreenAt = 4 + 4 + 2 + 2 + 2 + 1 + 2 + 32 + 4;
    v1.erase(v1.begin() + static_cast<long>(passwordScreenAt), v1.begin() + static_cast<long>(passwordScreenAt) + 2);
    GlobalSettings old;
    old.passwordScreen = 77;
    Load(old, v1);
    EXPECT_EQ(old.passwordScreen, 1);
    EXPECT_EQ(old.initialScreen, 4);
    EXPECT_EQ(old.plcControlFlags, 3u);
}

TEST(EventListArchive, ItemsAndSettingsRoundTrip) {
    EventList list("宋体");
    EventItem item;
    item.flags = 0x25;
    item.value = -5;
    item.range = 1;
    item.upperLimit = 9;
    item.lowerLimit = 1;
    item.buzzerSeconds = 3;
    item.message = "温度过高";
    item.address.Reset(WIDTH_WORD, 1, 2);
    list.items.push_back(item);
    list.items.push_back(EventItem{});
    list.fontSizeIndex = 3;
    list.alarmScreen = 4;
    list.autoPopup = 0;
    const std::vector<uint8_t> bytes = Store(list);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 32),
              Hex("02000000 02000000 01000000 25000000 FBFFFFFF 01000000 09000000 01000000"));
    EventList loaded;
    Load(loaded, bytes);
    EXPECT_EQ(loaded, list);

    // A version-1 list ends after its items; its settings keep the defaults.
    EventList v1Source;
    v1Source.items.push_back(item);
    std::vector<uint8_t> v1 = Store(v1Source);
    v1[0] = 1;
    const std::vector<uint8_t> settingsPart = Hex("01000000 00000000 FFFEFF00 01000000 01000000");
    v1.resize(v1.size() - settingsPart.size());
    EventList old("Fallback");
    Load(old, v1);
    ASSERT_EQ(old.items.size(), 1u);
    EXPECT_EQ(old.items[0], item);
    EXPECT_EQ(old.fontSizeIndex, 1);
    EXPECT_EQ(old.font, "Fallback");
    EXPECT_EQ(old.alarmScreen, 1);
}

TEST(DataTransferArchive, ItemLayoutAndRoundTrip) {
    DataTransferList list;
    DataTransferItem item;
    item.timed = 1;
    item.period = 25;
    item.validWindow = 3;
    item.executions = 0;
    item.count = 5;
    item.sourceAddress.Reset(WIDTH_DWORD);
    list.items.push_back(item);
    const std::vector<uint8_t> bytes = Store(list);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 34),
              Hex("02000000 01000000 01000000 01000000 00000000 19000000 0300 0000 0500 02000000"));
    DataTransferList loaded;
    Load(loaded, bytes);
    EXPECT_EQ(loaded, list);
}

TEST(BitmapLibraryArchive, UnusedEntriesAreLeftOutOfTheStoredForm) {
    CSingleColorBitmapLib library;
    for (uint8_t pattern : {0x0F, 0xF0, 0x3C}) {
        auto item = std::make_unique<CSingleColorBitmapLibItem>();
        item->width = 8;
        item->height = 1;
        item->data = {pattern};
        library.AddItem(std::move(item));
    }
    // An equal picture keeps its first ID.
    auto again = std::make_unique<CSingleColorBitmapLibItem>();
    again->width = 8;
    again->height = 1;
    again->data = {0xF0};
    EXPECT_EQ(library.AddItem(std::move(again)), 2);
    library.ResetUseCounts();
    library.MarkUsed(1);
    library.MarkUsed(3);
    library.MarkUsed(3);
    const std::vector<uint8_t> bytes = Store(library);
    EXPECT_EQ(bytes, Hex("01000000 0200"
                         "FFFF 0000 1900 4353696E676C65436F6C6F724269746D61704C69624974656D"
                         "01000000 01000000 01000000 08000000 01000000 0100 0F"
                         "0180 01000000 03000000 02000000 08000000 01000000 0100 3C"));
    // The unused entry stays in memory (a picture on the undo history may
    // still need it); only the stored form leaves it out.
    ASSERT_EQ(library.Items().size(), 3u);
    EXPECT_NE(library.FindItem(2), nullptr);
    CSingleColorBitmapLib loaded;
    Load(loaded, bytes);
    ASSERT_EQ(loaded.Items().size(), 2u);
    EXPECT_EQ(loaded.FindItem(3)->useCount, 2);
    EXPECT_EQ(loaded.FindItem(3)->data, std::vector<uint8_t>{0x3C});
    EXPECT_EQ(loaded.Width(2), 0);
    // The freed ID 2 is the next one given.
    auto next = std::make_unique<CSingleColorBitmapLibItem>();
    next->width = 1;
    next->height = 1;
    next->data = {1};
    EXPECT_EQ(loaded.AddItem(std::move(next)), 2);
}
