// The serial port record: when it counts as enabled for the address editor,
// its compiled 36-byte form, and the advanced driver values it carries.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "plc/AdvancedPortSettings.h"
#include "plc/CPortCom.h"
#include "plc/PortProtocols.h"
#include "plc/PlcTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

TEST(PortEnabled, NeedsTheFlagAndRegisterTypes) {
    PortProtocols protocols;
    CPortCom port(2);
    port.enabled = 1;
    EXPECT_FALSE(port.IsEnabled(&protocols));  // empty description
    test::LoadSample(protocols, {2});
    EXPECT_TRUE(port.IsEnabled(&protocols));
    EXPECT_FALSE(port.IsEnabled(nullptr));
    port.enabled = 0;
    EXPECT_FALSE(port.IsEnabled(&protocols));
}

TEST(PortRecord, ConversionsInTheCompiledRecord) {
    RecordingMessageSink sink;
    CPortCom port(1);
    port.enabled = 1;
    port.protocolId = 0x10001;
    port.serialType = 2;  // RS422 compiles as 1
    port.baud = 8;
    port.dataBits = 0;
    port.parity = 2;  // 'E'
    port.stopBits = 1;
    port.hasStation = 1;
    port.station = 0x1234;
    port.commTimeout = 1000;
    port.protocolTimeout1 = 3;
    port.protocolTimeout2 = 4;
    port.maxWordsPerPacket = 64;
    port.maxBitsPerPacket = 256;
    port.wordGap = 8;
    port.bitGap = 16;
    port.commInterval = 300;  // one byte: 0x2C
    port.errorShowTime = 5;
    port.retries = 10;
    port.retryAfterLimit = 0;  // cut off compiles as 1
    Image image;
    EXPECT_EQ(port.Compile(image, sink), 36);
    EXPECT_EQ(image, test::Hex("01 01 07 45 6CDC0200 02 01 0100 E8030000 03000000 04000000"
                               "3412 4000 0001 08 10 2C 05 0A 01"));
    port.serialType = 1;
    port.parity = 1;
    port.retryAfterLimit = 1;
    port.baud = 9;
    image.clear();
    port.Compile(image, sink);
    EXPECT_EQ(image[1], 2);
    EXPECT_EQ(image[3], 'O');
    EXPECT_EQ(ReadAt(image, 4, 4), 0u);
    EXPECT_EQ(image[35], 0);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"[CommuUtils::BaudRateCompileValue]Not support: 9"});
    port.enabled = 0;
    image.clear();
    EXPECT_EQ(port.Compile(image, sink), 0);
    EXPECT_TRUE(image.empty());
}

// Eleven values that differ from each other and from the defaults.
AdvancedPortSettings DistinctSettings() {
    return {.commTimeout = 700,
            .protocolTimeout1 = 21,
            .protocolTimeout2 = 22,
            .maxWordsPerPacket = 40,
            .maxBitsPerPacket = 300,
            .wordGap = 5,
            .bitGap = 9,
            .commInterval = 30,
            .errorShowTime = 4,
            .retries = 2,
            .retryAfterLimit = 0};
}

TEST(AdvancedPortSettings, DefaultsTakeTheProtocolsDriverValues) {
    PortProtocols protocols;
    test::LoadSample(protocols, {0});
    const AdvancedPortSettings defaults = AdvancedPortSettings::Defaults(*protocols.PortProtocol(0));
    EXPECT_EQ(defaults, (AdvancedPortSettings{.commTimeout = 500,
                                              .protocolTimeout1 = 3,
                                              .protocolTimeout2 = 5,
                                              .maxWordsPerPacket = 64,
                                              .maxBitsPerPacket = 256,
                                              .wordGap = 8,
                                              .bitGap = 16,
                                              .commInterval = 10,
                                              .errorShowTime = 0,
                                              .retries = 10,
                                              .retryAfterLimit = 1}));
    // A new port starts with no driver values but 10 retries, retrying after them.
    EXPECT_EQ(CPortCom(1).Advanced(), (AdvancedPortSettings{.retries = 10, .retryAfterLimit = 1}));
}

TEST(AdvancedPortSettings, CopyAndExchangeCarryThemAndKeepThePortIndex) {
    CPortCom source(0);
    source.enabled = 1;
    source.Advanced() = DistinctSettings();
    CPortCom copy(1);
    copy.CopyFrom(source);
    EXPECT_EQ(copy.Advanced(), DistinctSettings());
    EXPECT_EQ(copy.port, 1);

    CPortCom unused(2);
    unused.Exchange(copy);
    EXPECT_EQ(unused.Advanced(), DistinctSettings());
    EXPECT_EQ(copy.Advanced(), AdvancedPortSettings{});
    EXPECT_EQ(unused.port, 2);
    EXPECT_EQ(copy.port, 1);
}

// The record reads each value from the port's advanced part.
TEST(AdvancedPortSettings, StoredAsOneValueCompiledFieldByField) {
    RecordingMessageSink sink;
    CPortCom port(0);
    port.enabled = 1;
    port.Advanced() = DistinctSettings();
    Image image;
    ASSERT_EQ(port.Compile(image, sink), CPortCom::kRecordSize);
    EXPECT_EQ(ReadAt(image, 12, 4), 700u);
    EXPECT_EQ(ReadAt(image, 16, 4), 21u);
    EXPECT_EQ(ReadAt(image, 20, 4), 22u);
    EXPECT_EQ(ReadAt(image, 26, 2), 40u);
    EXPECT_EQ(ReadAt(image, 28, 2), 300u);
    EXPECT_EQ(std::vector<uint8_t>(image.begin() + 30, image.end()), test::Hex("05 09 1E 04 02 01"));
}

} // namespace
} // namespace balsar
