#include <gtest/gtest.h>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "elements/CompileContext.h"
#include "plc/PortProtocols.h"
#include "project/CoreClasses.h"
#include "project/DataTransferList.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::Hex;

Image CompileList(DataTransferList& list, const PortProtocols* protocols = nullptr, size_t prefix = 0) {
    Image image(prefix, 0);
    RecordingMessageSink sink;
    CompileContext context(image, sink, 128, 64);
    context.portProtocols = protocols;
    list.Compile(context);
    return image;
}

TEST(DataTransferCompile, EmptyListIsACountOfZero) {
    DataTransferList list;
    EXPECT_EQ(CompileList(list), Hex("00000000"));
}

TEST(DataTransferCompile, TimedWordItem) {
    DataTransferItem item;
    item.timed = 1;
    item.period = 10;
    item.validWindow = 0;
    item.executions = 0;
    item.count = 5;
    item.sourceAddress.Reset(WIDTH_WORD);
    item.sourceAddress.address = 7;
    item.destinationAddress.Reset(WIDTH_WORD);
    item.destinationAddress.regType = "RW";
    item.destinationAddress.address = 300;
    item.triggerAddress.address = 2;
    item.triggerAddress.sub = 3;
    DataTransferList list;
    list.items.push_back(item);
    // Count, one offset (4 bytes into a section that starts at 4), the record.
    EXPECT_EQ(CompileList(list, nullptr, 4), Hex("00000000 01000000 0C000000"
                                                 "01000000"
                                                 "03 00 FF 00 FF 22 0500 07000000"
                                                 "03 00 FF 00 FE 22 0500 2C010000"
                                                 "03 00 FF 00 F9 00 0100 23000000"
                                                 "0A000000 0000 0000"));
}

TEST(DataTransferCompile, TriggeredItemFlagsAndDoubleWordCount) {
    DataTransferItem item;
    item.timed = 0;
    item.triggerType = 3;
    item.validWindow = 3;
    item.executions = 5;
    item.count = 5;
    item.period = 1;
    item.sourceAddress.Reset(WIDTH_DWORD);
    item.destinationAddress.Reset(WIDTH_DWORD);
    item.destinationAddress.address = 40;
    DataTransferList list;
    list.items.push_back(item);
    list.items.push_back(item);
    list.items[1].triggerType = 1;
    list.items[1].validWindow = 0;
    const Image image = CompileList(list);
    ASSERT_EQ(image.size(), 12u + 2 * DataTransferItem::kRecordSize);
    EXPECT_EQ(Image(image.begin(), image.begin() + 12), Hex("02000000 0C000000 3C000000"));
    // 0x36 = trigger type 3 in bits 1-2, window and executions set; a
    // double-word block of 5 words moves (5 + 1) / 2 = 3 double words. A
    // LOCAL "LW" keeps value code 2 by its name; the unit of a LOCAL double
    // word is DWORD (code 4).
    EXPECT_EQ(Image(image.begin() + 12, image.begin() + 40), Hex("36000000"
                                                                 "03 00 FF 00 FF 42 0300 00000000"
                                                                 "03 00 FF 00 FF 42 0300 28000000"));
    EXPECT_EQ(ReadAt(image, 60, 4), 0x22u);
}

TEST(DataTransferCompile, UndefinedPlcAddressesCompileAsLocalAndStayInTheModel) {
    PortProtocols protocols;
    RegisterType holding;
    holding.id = 4;
    holding.name = "4X";
    holding.width = WIDTH_WORD;
    holding.unit = UNIT_WORD;
    protocols.PortProtocol(0)->AddRegisterType(holding);

    DataTransferItem item;
    item.sourceAddress.Reset(WIDTH_WORD, 0, 1);
    item.sourceAddress.regType = "4X";
    item.sourceAddress.address = 9;
    item.destinationAddress.Reset(WIDTH_WORD, 1, 1);
    item.destinationAddress.regType = "4X";
    item.destinationAddress.address = 9;
    DataTransferList list;
    list.items.push_back(item);
    const Image image = CompileList(list, &protocols);
    EXPECT_EQ(Image(image.begin() + 12, image.begin() + 36), Hex("03 00 00 01 04 22 0100 09000000"
                                                                 "03 00 FF 00 FF 22 0100 00000000"));
    // Compiling never changes the list: the next save keeps the address.
    EXPECT_EQ(list.items[0].destinationAddress, item.destinationAddress);
    EXPECT_EQ(list.items[0].sourceAddress.port, 0);
}

TEST(DataTransferList, AddItemRefusesEqualItems) {
    DataTransferList list;
    DataTransferItem item;
    item.timed = 1;
    EXPECT_EQ(list.AddItem(item, nullptr), 1);
    EXPECT_EQ(list.AddItem(item, nullptr), 0);
    DataTransferItem other = item;
    other.count = 2;
    EXPECT_EQ(list.AddItem(other, nullptr), 1);
    // Free text is not compiled, so it does not make an item different.
    DataTransferItem textOnly = item;
    textOnly.sourceAddress.text = "note";
    EXPECT_EQ(list.AddItem(textOnly, nullptr), 0);
    // Two addresses that both fall back to the same LOCAL default are equal.
    DataTransferItem onPort = item;
    onPort.sourceAddress.Reset(WIDTH_BIT, 2, 1);
    EXPECT_EQ(list.AddItem(onPort, nullptr), 0);
    DataTransferItem moved = item;
    moved.triggerAddress.address = 1;
    EXPECT_EQ(list.AddItem(moved, nullptr), 1);
    EXPECT_EQ(list.items.size(), 3u);
}

TEST(DataTransferList, ListViewTexts) {
    DataTransferItem item;
    EXPECT_EQ(TriggerColumnText(item), "");
    item.triggerType = 2;
    EXPECT_EQ(TriggerColumnText(item), "寄存器触发");
    item.timed = 1;
    EXPECT_EQ(TriggerColumnText(item), "定时触发");
    item.sourceAddress.address = 12;
    item.sourceAddress.sub = 10;
    EXPECT_EQ(AddressColumnText(item.sourceAddress, nullptr), "LW.B12.A");
}

TEST(DataTransferList, ArchiveRoundTrip) {
    DataTransferList list;
    DataTransferItem item;
    item.timed = 0;
    item.triggerType = 2;
    item.period = 77;
    item.validWindow = 4;
    item.executions = 0;
    item.count = 128;
    item.sourceAddress.Reset(WIDTH_WORD, 1, 3);
    item.sourceAddress.regType = "4X";
    list.items.push_back(item);
    Archive out;
    list.Serialize(out);
    // Header and the item's fixed fields in file order.
    EXPECT_EQ(Image(out.Data().begin(), out.Data().begin() + 30),
              Hex("02000000 01000000 01000000 00000000 02000000 4D000000 0400 0000 8000"));
    Archive in(out.Data(), CoreClassRegistry());
    DataTransferList loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded, list);
}

} // namespace
} // namespace balsar
