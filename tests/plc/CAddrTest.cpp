#include <gtest/gtest.h>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "plc/CAddr.h"
#include "plc/PortProtocols.h"
#include "plc/PlcTestSupport.h"
#include "project/CoreClasses.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::Hex;

Image CompileOne(const CAddr& address, const PortProtocols* protocols, MessageSink& sink) {
    Image image;
    address.Compile(image, protocols, sink);
    return image;
}

TEST(CAddrCompile, LocalRecords) {
    RecordingMessageSink sink;
    // LW.B word 12 bit A: linear address 12 * 16 + 10 = 202.
    CAddr bit(WIDTH_BIT);
    bit.address = 12;
    bit.sub = 0xA;
    EXPECT_EQ(CompileOne(bit, nullptr, sink), Hex("03 00 FF 00 F9 00 0100 CA000000"));

    // RW 300, BCD, two words.
    CAddr word(WIDTH_WORD);
    word.regType = "RW";
    word.address = 300;
    word.encoding = ENCODING_BCD;
    word.wordCount = 2;
    EXPECT_EQ(CompileOne(word, nullptr, sink), Hex("03 80 FF 00 FE 22 0200 2C010000"));

    CAddr rwBit(WIDTH_BIT);
    rwBit.regType = "RW.B";
    rwBit.address = 511;
    rwBit.sub = 15;
    EXPECT_EQ(CompileOne(rwBit, nullptr, sink), Hex("03 00 FF 00 F8 00 0100 FF1F0000"));
    EXPECT_TRUE(sink.Entries().empty());
}

TEST(CAddrCompile, DoubleWordCountIsHalfTheWordCount) {
    CAddr address(WIDTH_DWORD);
    EXPECT_EQ(address.Count(), 1);
    address.wordCount = 3;
    EXPECT_EQ(address.Count(), 1);
    address.wordCount = 4;
    EXPECT_EQ(address.Count(), 2);
    CAddr word(WIDTH_WORD);
    word.wordCount = 3;
    EXPECT_EQ(word.Count(), 3);
    CAddr bit(WIDTH_BIT);
    bit.wordCount = 7;
    EXPECT_EQ(bit.Count(), 1);
}

TEST(CAddrCompile, UnknownLocalNameReportsAndGivesZero) {
    RecordingMessageSink sink;
    CAddr address(WIDTH_WORD);
    address.regType = "XW";
    EXPECT_EQ(CompileOne(address, nullptr, sink), Hex("03 00 FF 00 00 20 0100 00000000"));
    EXPECT_TRUE(sink.Contains("[CAddr::GetRegIdForRegPrm]Not support this register type: XW"));
    EXPECT_TRUE(sink.Contains("[CAddr::GetRegTypeForRegPrm]Not support this register type: XW"));
}

TEST(CAddrCompile, PlcRegisterTypes) {
    PortProtocols protocols;
    test::LoadSample(protocols, {1});
    RecordingMessageSink sink;

    // Big-endian holding register 4X 100 on port 1, station 3.
    CAddr word(WIDTH_WORD);
    word.Reset(WIDTH_WORD, 1, 3);
    word.regType = "4X";
    word.address = 100;
    EXPECT_EQ(CompileOne(word, &protocols, sink), Hex("03 01 01 03 04 22 0100 64000000"));

    // Indexed word type without sub-address: address + 3 * 100000.
    CAddr indexed(WIDTH_WORD);
    indexed.Reset(WIDTH_WORD, 1, 3);
    indexed.regType = "N";
    indexed.address = 7;
    indexed.hasIndex = 1;
    indexed.index = 3;
    EXPECT_EQ(indexed.LinearAddress(&protocols), 300007u);

    // Indexed bit-in-word with a 4-bit sub-address: (address * 16 + bit) + 3 * 800000.
    CAddr indexedBit(WIDTH_BIT);
    indexedBit.Reset(WIDTH_BIT, 1, 3);
    indexedBit.regType = "NB";
    indexedBit.address = 5;
    indexedBit.sub = 9;
    indexedBit.hasIndex = 1;
    indexedBit.index = 3;
    EXPECT_EQ(indexedBit.LinearAddress(&protocols), 5u * 16 + 9 + 2400000);
    // ID 260 keeps its low 8 bits; bit value in word units.
    CAddr wordBit(WIDTH_BIT);
    wordBit.Reset(WIDTH_BIT, 1, 2);
    wordBit.regType = "4X.B";
    wordBit.address = 40;
    wordBit.sub = 0xF;
    EXPECT_EQ(CompileOne(wordBit, &protocols, sink), Hex("03 01 01 02 04 20 0100 8F020000"));

    // Double word: value size 4, unit WORD, count wordCount / 2.
    CAddr dword(WIDTH_DWORD);
    dword.Reset(WIDTH_DWORD, 1, 1);
    dword.regType = "4D";
    dword.address = 10;
    dword.encoding = ENCODING_BCD;
    EXPECT_EQ(CompileOne(dword, &protocols, sink), Hex("03 81 01 01 05 24 0100 0A000000"));
    EXPECT_EQ(dword.UnitsPerValue(&protocols), 2);
    EXPECT_TRUE(sink.Entries().empty());
}

TEST(CAddrCompile, UndefinedTypeFallsBackToLocalDefault) {
    PortProtocols protocols;
    test::LoadSample(protocols, {1});
    RecordingMessageSink sink;

    // A new bit address lands on the first enabled port with the protocol's
    // default station and type "LW.B", which that protocol does not define.
    CAddr address(WIDTH_BIT);
    address.ResetOnFirstEnabledPort(WIDTH_BIT, {0, 1, 1, 0}, &protocols);
    EXPECT_EQ(address.port, 1);
    EXPECT_EQ(address.station, 3);
    EXPECT_EQ(address.regType, "LW.B");
    address.address = 33;
    const CAddr before = address;
    // Compiling writes the LOCAL default and never changes the address: a
    // save after a compile keeps what the user set.
    EXPECT_EQ(CompileOne(address, &protocols, sink), Hex("03 00 FF 00 F9 00 0100 00000000"));
    EXPECT_EQ(address, before);
    EXPECT_EQ(address.port, 1);
    EXPECT_EQ(address.address, 33);

    // A known name looked up in the wrong table (word type on a bit address)
    // is not defined either; nor is anything on a port without a protocol.
    CAddr wrongWidth(WIDTH_BIT);
    wrongWidth.Reset(WIDTH_BIT, 1, 1);
    wrongWidth.regType = "4X";
    EXPECT_FALSE(wrongWidth.IsDefinedFor(&protocols));
    CAddr noProtocol(WIDTH_WORD);
    noProtocol.Reset(WIDTH_WORD, 2, 1);
    noProtocol.regType = "4X";
    EXPECT_FALSE(noProtocol.IsDefinedFor(&protocols));
    EXPECT_FALSE(noProtocol.IsDefinedFor(nullptr));
    CAddr damagedPort(WIDTH_WORD);
    damagedPort.port = 77;
    damagedPort.regType = "4X";
    EXPECT_EQ(CompileOne(damagedPort, &protocols, sink), Hex("03 00 FF 00 FF 22 0100 00000000"));
}

TEST(CAddrCompile, NoEnabledPortGivesLocal) {
    CAddr address(WIDTH_WORD);
    address.ResetOnFirstEnabledPort(WIDTH_DWORD, {0, 0, 0, 0}, nullptr);
    EXPECT_EQ(address.port, PORT_LOCAL);
    EXPECT_EQ(address.regType, "LW");
    EXPECT_EQ(address.wordCount, 2);
    address.ResetOnFirstEnabledPort(WIDTH_WORD, {0, 0, 0, 1}, nullptr);
    EXPECT_EQ(address.port, 3);
    EXPECT_EQ(address.station, 0);
}

TEST(CAddrCompile, DamagedValuesStayInsideTheRecord) {
    RecordingMessageSink sink;
    CAddr address(WIDTH_BIT);
    address.address = INT32_MAX;
    address.sub = -1;
    address.hasIndex = 1;
    address.index = INT32_MIN;
    address.width = 9;
    address.wordCount = -5;
    const Image image = CompileOne(address, nullptr, sink);
    EXPECT_EQ(image.size(), CAddr::kRecordSize);
}

TEST(CAddrUnits, LocalAndPlcUnits) {
    PortProtocols protocols;
    test::LoadSample(protocols, {0});
    CAddr local(WIDTH_WORD);
    EXPECT_EQ(local.UnitMode(&protocols), UNIT_WORD);
    EXPECT_EQ(local.UnitsPerValue(&protocols), 1);
    local.Reset(WIDTH_DWORD);
    EXPECT_EQ(local.UnitMode(&protocols), UNIT_DWORD);
    EXPECT_EQ(local.UnitsPerValue(&protocols), 1);
    CAddr bit(WIDTH_BIT);
    EXPECT_EQ(bit.SubShift(&protocols), 4);
    bit.hasSub = 0;
    EXPECT_EQ(bit.SubShift(&protocols), 0);

    // A coil addressed in bits: a word value would span 16 units.
    CAddr coil(WIDTH_BIT);
    coil.Reset(WIDTH_BIT, 0, 1);
    coil.regType = "0X";
    coil.hasSub = 0;
    EXPECT_EQ(coil.UnitMode(&protocols), UNIT_BIT);
    EXPECT_EQ(coil.UnitsPerValue(&protocols), 1);
    EXPECT_FALSE(coil.IsBigEndian(&protocols));
}

TEST(CAddrPorts, SwapMovesOnlyTheTwoPorts) {
    std::vector<CAddr> addresses(4, CAddr(WIDTH_WORD));
    addresses[0].port = 0;
    addresses[1].port = 1;
    addresses[2].port = 2;
    addresses[3].port = PORT_LOCAL;
    for (CAddr& a : addresses) {
        a.SwapPorts(1, 1);
    }
    EXPECT_EQ(addresses[1].port, 1);
    for (CAddr& a : addresses) {
        a.SwapPorts(0, 2);
    }
    EXPECT_EQ(addresses[0].port, 2);
    EXPECT_EQ(addresses[1].port, 1);
    EXPECT_EQ(addresses[2].port, 0);
    EXPECT_EQ(addresses[3].port, PORT_LOCAL);
}

TEST(CAddrPorts, ResetIfPortChanged) {
    CAddr onChanged(WIDTH_DWORD);
    onChanged.Reset(WIDTH_DWORD, 1, 5);
    onChanged.regType = "4D";
    onChanged.address = 99;
    CAddr onKept = onChanged;
    onKept.port = 0;
    const std::array<bool, 4> flags{false, true, false, false};
    onChanged.ResetIfPortChanged(flags);
    onKept.ResetIfPortChanged(flags);
    EXPECT_EQ(onChanged, CAddr(WIDTH_DWORD));
    EXPECT_EQ(onKept.port, 0);
    EXPECT_EQ(onKept.address, 99);

    // The marked form: mark, reset, unmark.
    CAddr a = onKept;
    CAddr b = onKept;
    b.port = 1;
    a.MarkIfPortChanged(flags);
    b.MarkIfPortChanged(flags);
    EXPECT_FALSE(a.IsResetPending());
    EXPECT_TRUE(b.IsResetPending());
    CAddr untouched = b;
    b.ResetIfPortChanged();
    a.ResetIfPortChanged();
    untouched.UnmarkPendingReset();
    EXPECT_EQ(b, CAddr(WIDTH_DWORD));
    EXPECT_EQ(a.port, 0);
    EXPECT_EQ(untouched.port, 1);
    EXPECT_EQ(untouched.address, 99);
    // Without a mark nothing happens.
    CAddr plain = onKept;
    plain.ResetIfPortChanged();
    EXPECT_EQ(plain, onKept);
}

TEST(CAddrArchive, VersionTwoRoundTripAndVersionOne) {
    CAddr address(WIDTH_WORD);
    address.Reset(WIDTH_WORD, 2, 4);
    address.regType = "N";
    address.text = "温度";
    address.address = 17;
    address.hasIndex = 1;
    address.index = 6;
    Archive out;
    address.Serialize(out);
    Archive in(out.Data(), CoreClassRegistry());
    CAddr loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded, address);

    // Version 1: no index fields.
    const std::vector<uint8_t> v1 = Hex("01000000 01000000 FFFFFFFF 00000000"
                                        "FF FEFF 02 5200 5700"  // "RW"
                                        "FF FEFF 00"            // ""
                                        "2C010000 00000000 00000000 01000000 02000000");
    Archive oldIn(v1, CoreClassRegistry());
    CAddr old;
    old.hasIndex = 1;
    old.index = 9;
    old.Serialize(oldIn);
    EXPECT_EQ(old.regType, "RW");
    EXPECT_EQ(old.address, 300);
    EXPECT_EQ(old.encoding, ENCODING_BCD);
    EXPECT_EQ(old.wordCount, 2);
    EXPECT_EQ(old.hasIndex, 0);
    EXPECT_EQ(old.index, 0);
    EXPECT_EQ(oldIn.Remaining(), 0u);
}

} // namespace
} // namespace balsar
