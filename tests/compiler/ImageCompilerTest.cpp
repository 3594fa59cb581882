// The download image container: header, section table, port block, screen
// block, checksum and length.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "compiler/ImageCompiler.h"
#include "plc/CommuUtils.h"
#include "project/CMirloProject.h"
#include "CompileTestSupport.h"
#include "support/TestSupport.h"

using namespace balsar;
using balsar::test::Hex;

namespace {

CPortCom SamplePort() {
    CPortCom port(1);
    port.enabled = 1;
    port.protocolId = 0x10003;
    port.serialType = 2; // RS422
    port.baud = 7;       // 115200
    port.dataBits = 1;   // 8
    port.parity = 2;     // even
    port.stopBits = 0;   // 1
    port.hasStation = 1;
    port.station = 5;
    port.commTimeout = 1000;
    port.protocolTimeout1 = 20;
    port.protocolTimeout2 = 30;
    port.maxWordsPerPacket = 64;
    port.maxBitsPerPacket = 256;
    port.wordGap = 4;
    port.bitGap = 8;
    port.commInterval = 300; // only the low byte is compiled
    port.errorShowTime = 3;
    port.retries = 10;
    port.retryAfterLimit = 0;
    return port;
}

} // namespace

TEST(ImageHeader, HeaderSectionTableLengthAndChecksum) {
    test::CompileFixture f;
    CMirloProject project;
    const Image image = CompileProject(project, f.inputs);
    EXPECT_EQ(test::Slice(image, 0, 12), Hex("5A656D427261 00 00 01000000"));
    EXPECT_EQ(ReadAt(image, 12, 4), image.size());
    EXPECT_EQ(ReadAt(image, 20, 4), 24u);
    // Section 2 is never written; the port block of an unused project is
    // only its count.
    EXPECT_EQ(test::SectionOffset(image, 2), 0u);
    const uint32_t ports = test::SectionOffset(image, 1);
    ASSERT_NE(ports, 0u);
    EXPECT_EQ(ports % 4, 0u);
    EXPECT_EQ(ReadAt(image, ports, 4), 0u);
    const uint32_t screens = test::SectionOffset(image, 3);
    EXPECT_EQ(screens, ports + 4);
    EXPECT_EQ(ReadAt(image, screens, 4), 0u);
    // Every section starts at a multiple of 4.
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(test::SectionOffset(image, k) % 4, 0u) << k;
    }
    // The checksum covers everything from the section table on.
    uint32_t sum = 0;
    for (size_t i = 24; i < image.size(); ++i) {
        sum += image[i];
    }
    EXPECT_EQ(ReadAt(image, 16, 4), sum);
    EXPECT_TRUE(f.sink.Entries().empty());
}

TEST(ImageHeader, TwoCompilesOfAnUnchangedProjectAreIdentical) {
    test::CompileFixture f;
    CMirloProject project;
    project.GetPort(0)->enabled = 1;
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(3);
    project.AddScreen(std::move(screen));
    EXPECT_EQ(CompileProject(project, f.inputs), CompileProject(project, f.inputs));
}

TEST(PortRecord, ThirtySixBytesFromTheTable) {
    RecordingMessageSink sink;
    Image image;
    EXPECT_EQ(SamplePort().Compile(image, sink), 36);
    EXPECT_EQ(image, Hex("01 01 08 45 00C20100 01 01 0300 E8030000 14000000 1E000000"
                         "0500 4000 0001 04 08 2C 03 0A 01"));
    EXPECT_TRUE(sink.Entries().empty());

    // Not in use: nothing.
    CPortCom unused(0);
    Image none;
    EXPECT_EQ(unused.Compile(none, sink), 0);
    EXPECT_TRUE(none.empty());
}

TEST(PortRecord, ConversionsAndOutOfRangeIndexes) {
    RecordingMessageSink sink;
    EXPECT_EQ(CommuUtils::SerialTypeCompileValue(1, sink), 2u); // RS485
    EXPECT_EQ(CommuUtils::SerialTypeCompileValue(2, sink), 1u); // RS422
    EXPECT_EQ(CommuUtils::VerifyBitCompileValue(0, sink), 'N');
    EXPECT_EQ(CommuUtils::VerifyBitCompileValue(1, sink), 'O');
    EXPECT_EQ(CommuUtils::BaudRateCompileValue(8, sink), 187500u);
    EXPECT_EQ(CommuUtils::StopBitCompileValue(1, sink), 2u);
    EXPECT_TRUE(sink.Entries().empty());

    CPortCom port = SamplePort();
    port.baud = 9;
    port.parity = -1;
    port.retryAfterLimit = 1;
    Image image;
    EXPECT_EQ(port.Compile(image, sink), 36);
    EXPECT_EQ(ReadAt(image, 4, 4), 0u);
    EXPECT_EQ(image[3], 0);
    EXPECT_EQ(image[35], 0);
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"[CommuUtils::VerifyBitCompileValue]Not support: -1",
                                                      "[CommuUtils::BaudRateCompileValue]Not support: 9"}));
}

TEST(PortBlock, CountsPortsInUseAndSkipsTheOthers) {
    test::CompileFixture f;
    CMirloProject project;
    *project.GetPort(1) = SamplePort();
    *project.GetPort(2) = SamplePort();
    project.GetPort(2)->port = 2;
    project.GetCanPort().enabled = 1; // counted, but writes no record
    const Image image = CompileProject(project, f.inputs);
    const uint32_t block = test::SectionOffset(image, 1);
    EXPECT_EQ(ReadAt(image, block, 4), 3u);
    const uint32_t first = ReadAt(image, block + 4, 4);
    const uint32_t second = ReadAt(image, block + 8, 4);
    EXPECT_EQ(first, block + 16);
    EXPECT_EQ(second, block + 16 + 36);
    EXPECT_EQ(ReadAt(image, block + 12, 4), 0u);
    EXPECT_EQ(image[first], 1);
    EXPECT_EQ(image[second], 2);
    // The screen block follows at the next multiple of 4.
    EXPECT_EQ(test::SectionOffset(image, 3), block + 16 + 72);
}

TEST(ScreenBlock, ScreensInAscendingNumberWithoutPadding) {
    test::CompileFixture f;
    f.inputs.panelWidth = 240;
    f.inputs.panelHeight = 128;
    CMirloProject project;
    for (uint16_t n : {5, 2, 9}) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(n);
        project.AddScreen(std::move(screen));
    }
    const Image image = CompileProject(project, f.inputs);
    const uint32_t block = test::SectionOffset(image, 3);
    EXPECT_EQ(ReadAt(image, block, 4), 3u);
    const uint32_t records = block + 4 + 12;
    for (uint32_t i = 0; i < 3; ++i) {
        const uint32_t offset = ReadAt(image, block + 4 + 4 * i, 4);
        EXPECT_EQ(offset, records + 22 * i); // 22-byte empty screens, back to back
        EXPECT_EQ(image[offset + 6], 239);
        EXPECT_EQ(image[offset + 7], 127);
    }
    EXPECT_EQ(ReadAt(image, records + 8, 2), 2u);
    EXPECT_EQ(ReadAt(image, records + 22 + 8, 2), 5u);
    EXPECT_EQ(ReadAt(image, records + 44 + 8, 2), 9u);
}
