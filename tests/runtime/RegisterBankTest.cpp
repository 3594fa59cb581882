// The register memory and the values read from and written to it: the
// panel's bits inside its words, device registers by their own place,
// word order, BCD, floats, and the link to a device.
#include <gtest/gtest.h>

#include <map>

#include "runtime/CivilTime.h"
#include "runtime/PlcLink.h"
#include "runtime/RegisterBank.h"
#include "runtime/TrendRecorder.h"

using namespace balsar::runtime;

namespace {

AddressRecord Local(uint8_t id, uint32_t linear, uint8_t format = 0x22, uint16_t count = 1, uint8_t flags = 0) {
    AddressRecord a;
    a.port = kLocalPort;
    a.registerId = id;
    a.format = format;
    a.count = count;
    a.linear = linear;
    a.flags = flags;
    return a;
}

AddressRecord Device(uint8_t port, uint8_t station, uint8_t id, uint32_t linear, uint8_t format = 0x22) {
    AddressRecord a;
    a.port = port;
    a.station = station;
    a.registerId = id;
    a.format = format;
    a.linear = linear;
    return a;
}

TEST(RegisterMemory, PanelBitsAreBitsOfThePanelWords) {
    RegisterMemory memory;
    memory.SetBit(Local(kLocalLWBit, 12 * 16 + 10, 0x00), 0, true);
    EXPECT_EQ(memory.Word(Local(kLocalLW, 12)), 0x0400);
    memory.SetWord(Local(kLocalRW, 3), 0, 0x8001);
    EXPECT_TRUE(memory.Bit(Local(kLocalRWBit, 3 * 16 + 15, 0x00)));
    EXPECT_TRUE(memory.Bit(Local(kLocalRWBit, 3 * 16, 0x00)));
    EXPECT_FALSE(memory.Bit(Local(kLocalRWBit, 3 * 16 + 1, 0x00)));
    // LW and RW are separate; an untouched register reads 0.
    EXPECT_EQ(memory.Word(Local(kLocalLW, 3)), 0);
    // Consecutive bits run over into the next word.
    memory.SetBit(Local(kLocalLWBit, 12 * 16 + 15, 0x00), 1, true);
    EXPECT_EQ(memory.Word(Local(kLocalLW, 13)), 0x0001);
}

TEST(RegisterMemory, DeviceRegistersAreKeptByPortStationAndRegister) {
    RegisterMemory memory;
    memory.SetWord(Device(0, 1, 3, 100), 0, 11);
    memory.SetWord(Device(0, 2, 3, 100), 0, 22);
    memory.SetWord(Device(1, 1, 3, 100), 0, 33);
    memory.SetWord(Device(0, 1, 4, 100), 0, 44);
    EXPECT_EQ(memory.Word(Device(0, 1, 3, 100)), 11);
    EXPECT_EQ(memory.Word(Device(0, 2, 3, 100)), 22);
    EXPECT_EQ(memory.Word(Device(1, 1, 3, 100)), 33);
    EXPECT_EQ(memory.Word(Device(0, 1, 4, 100)), 44);
    // A two-word value at 100 takes 100 and 101 of a word-addressed register.
    memory.SetWord(Device(0, 1, 3, 100), 1, 55);
    EXPECT_EQ(memory.Word(Device(0, 1, 3, 101)), 55);
    // Byte-addressed registers step two addresses per word.
    memory.SetWord(Device(0, 1, 5, 10, 0x12), 1, 66);
    EXPECT_EQ(memory.Word(Device(0, 1, 5, 12, 0x12)), 66);
    // Device bits are their own registers.
    memory.SetBit(Device(0, 1, 0, 7, 0x00), 0, true);
    EXPECT_TRUE(memory.Bit(Device(0, 1, 0, 7, 0x00)));
    EXPECT_EQ(memory.Word(Device(0, 1, 0, 7, 0x22)), 0);
}

TEST(RegisterBank, NumbersOfOneTwoAndFourWords) {
    RegisterBank bank;
    const AddressRecord word = Local(kLocalLW, 0);
    bank.Write(word, DataType::Signed, 1, -2);
    EXPECT_EQ(bank.Memory().Word(word), 0xFFFE);
    EXPECT_EQ(bank.Read(word, DataType::Signed, 1), -2);
    EXPECT_EQ(bank.Read(word, DataType::Unsigned, 1), 65534);
    bank.Write(word, DataType::Signed, 1, 40000); // limited to the word
    EXPECT_EQ(bank.Read(word, DataType::Signed, 1), 32767);

    const AddressRecord pair = Local(kLocalRW, 10, 0x22, 2);
    bank.Write(pair, DataType::Unsigned, 2, 0x12345678);
    EXPECT_EQ(bank.Memory().Word(Local(kLocalRW, 10)), 0x5678);
    EXPECT_EQ(bank.Memory().Word(Local(kLocalRW, 11)), 0x1234);
    bank.SetSwapWords(true);
    EXPECT_EQ(bank.Read(pair, DataType::Unsigned, 2), 0x56781234);
    bank.Write(pair, DataType::Float, 2, 1.5);
    EXPECT_EQ(bank.Memory().Word(Local(kLocalRW, 10)), 0x3FC0); // high word first
    EXPECT_EQ(bank.Read(pair, DataType::Float, 2), 1.5);
    bank.SetSwapWords(false);

    const AddressRecord quad = Local(kLocalRW, 20, 0x22, 4);
    bank.Write(quad, DataType::Double, 4, -0.125);
    EXPECT_EQ(bank.Read(quad, DataType::Double, 4), -0.125);
    EXPECT_EQ(bank.Memory().Word(Local(kLocalRW, 23)), 0xBFC0);
}

TEST(RegisterBank, BcdRegistersHoldDecimalDigits) {
    RegisterBank bank;
    const AddressRecord bcd = Local(kLocalLW, 5, 0x22, 1, 0x80);
    bank.Write(bcd, DataType::Unsigned, 1, 1234);
    EXPECT_EQ(bank.Memory().Word(bcd), 0x1234);
    EXPECT_EQ(bank.Read(bcd, DataType::Unsigned, 1), 1234);
    // The hexadecimal type shows the raw digits.
    EXPECT_EQ(bank.Read(bcd, DataType::HexBcd, 1), 0x1234);
    bank.Write(bcd, DataType::Unsigned, 1, 123456);
    EXPECT_EQ(bank.Memory().Word(bcd), 0x9999);
}

class RecordingLink : public PlcLink {
public:
    bool Read(const AddressRecord& address, std::span<uint16_t> values) override {
        if (!answers) {
            return false;
        }
        for (size_t i = 0; i < values.size(); ++i) {
            values[i] = static_cast<uint16_t>(address.linear + i);
        }
        ++reads;
        return true;
    }
    bool Write(const AddressRecord& address, std::span<const uint16_t> values) override {
        writes[address.linear] = std::vector<uint16_t>(values.begin(), values.end());
        return answers;
    }
    bool answers = true;
    int reads = 0;
    std::map<uint32_t, std::vector<uint16_t>> writes;
};

TEST(RegisterBank, DeviceRegistersGoThroughTheLink) {
    RegisterBank bank;
    RecordingLink link;
    bank.SetLink(&link);
    const AddressRecord device = Device(0, 1, 3, 300);
    ASSERT_TRUE(bank.Refresh(device, 2));
    EXPECT_EQ(bank.Memory().Word(device, 1), 301);
    bank.Write(device, DataType::Signed, 1, 7);
    EXPECT_EQ(link.writes[300], std::vector<uint16_t>{7});
    // The panel's own registers never reach the device.
    bank.Write(Local(kLocalLW, 300), DataType::Signed, 1, 8);
    EXPECT_EQ(link.writes.size(), 1u);
    EXPECT_TRUE(bank.Refresh(Local(kLocalLW, 300), 1));
    EXPECT_EQ(link.reads, 1);
    EXPECT_FALSE(bank.LinkFailed());
    link.answers = false;
    EXPECT_FALSE(bank.Refresh(device, 1));
    EXPECT_EQ(bank.Memory().Word(device), 7); // the copy stays
    EXPECT_TRUE(bank.LinkFailed());
}

TEST(TrendRecorder, EachChannelSamplesOnItsIntervalAndKeepsItsPoints) {
    TrendChannel fast{Local(kLocalLW, 1), 2, 3};
    TrendChannel pair{Local(kLocalLW, 2, 0x22, 2), 5, 10};
    TrendRecorder trends;
    trends.Reset({fast, pair});
    RegisterBank bank;
    bank.Memory().SetWord(Local(kLocalLW, 2), 0, 0x22);
    bank.Memory().SetWord(Local(kLocalLW, 3), 0, 0x33);
    for (uint16_t v = 1; v <= 5; ++v) {
        bank.Memory().SetWord(fast.address, 0, v);
        trends.Step(200, bank);
    }
    EXPECT_EQ(trends.Samples(0), (std::deque<uint64_t>{3, 4, 5}));
    ASSERT_EQ(trends.Samples(1).size(), 2u);
    EXPECT_EQ(trends.Words(1), 2);
    EXPECT_EQ(trends.Samples(1)[0], 0x00330022u);
    EXPECT_TRUE(trends.Samples(7).empty());
}

TEST(TrendRecorder, IntervalsOfYearsNeverComeDueWithinSeconds) {
    // 100 ms times 2^30 wrapped to an interval of 0 (a division by zero),
    // 42949673 to one of 4 ms.
    TrendRecorder trends;
    trends.Reset({TrendChannel{Local(kLocalLW, 1), 1u << 30, 3}, TrendChannel{Local(kLocalLW, 1), 42949673, 3}});
    RegisterBank bank;
    trends.Step(10000, bank);
    EXPECT_TRUE(trends.Samples(0).empty());
    EXPECT_TRUE(trends.Samples(1).empty());
}

TEST(CivilTime, SecondsAndDatesConvertBothWays) {
    const CivilTime leap{2024, 2, 29, 23, 59, 58};
    EXPECT_EQ(CivilTime::FromSeconds(leap.ToSeconds()), leap);
    EXPECT_EQ(CivilTime::FromSeconds(0), (CivilTime{1970, 1, 1, 0, 0, 0}));
    EXPECT_EQ(CivilTime::FromSeconds(951782400), (CivilTime{2000, 2, 29, 0, 0, 0}));
    EXPECT_EQ((CivilTime{2000, 3, 1, 0, 0, 1}).ToSeconds(), 951868801);
}

} // namespace

namespace {

TEST(AddressRecord, TextFormsReadBack) {
    AddressRecord a;
    ASSERT_TRUE(AddressRecord::FromText("LW12.A", a));
    EXPECT_EQ(a.registerId, kLocalLWBit);
    EXPECT_EQ(a.linear, 202u);
    EXPECT_TRUE(a.IsBit());
    EXPECT_EQ(a.Text(), "LW12.A");
    ASSERT_TRUE(AddressRecord::FromText("RW300", a));
    EXPECT_EQ(a.Text(), "RW300");
    ASSERT_TRUE(AddressRecord::FromText("1:7:3:120:dword", a));
    EXPECT_EQ(a.port, 1);
    EXPECT_EQ(a.station, 7);
    EXPECT_EQ(a.registerId, 3);
    EXPECT_TRUE(a.IsDoubleWord());
    EXPECT_EQ(a.linear, 120u);
    for (const char* bad : {"", "LW", "LW1.G", "LW1.2.3", "XW4", "4:1:3:1", "0:1:3", "0:1:3:9:long", "LW-1"}) {
        EXPECT_FALSE(AddressRecord::FromText(bad, a)) << bad;
    }
}

} // namespace
