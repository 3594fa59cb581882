// Request frames against the byte layout the panel firmware expects, and the
// reply acceptance rules of the datagram and USB links.
#include <gtest/gtest.h>

#include "transfer/Frame.h"
#include "transfer/PanelConnection.h"

namespace caldo {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(TransferFrameGolden, CommandFramesMatchTheFirmwareLayout) {
    EXPECT_EQ(BuildGetPanelInfo(), (Bytes{0x5A, 0xA5, 0x06, 0x00, 0x01, 0x06}));
    EXPECT_EQ(BuildKeyedCommand(kCmdEnterDownloadMode),
              (Bytes{0x5A, 0xA5, 0x0C, 0x00, 0x02, 0x5A, 0x65, 0x6D, 0x42, 0x72, 0x61, 0x4E}));
    EXPECT_EQ(BuildKeyedCommand(kCmdEnterBootMode),
              (Bytes{0x5A, 0xA5, 0x0C, 0x00, 0x04, 0x5A, 0x65, 0x6D, 0x42, 0x72, 0x61, 0x50}));
    EXPECT_EQ(BuildKeyedCommand(kCmdFinishDownload),
              (Bytes{0x5A, 0xA5, 0x0C, 0x00, 0x05, 0x5A, 0x65, 0x6D, 0x42, 0x72, 0x61, 0x51}));
    // type 2, version 0x0304, length 0x12345, checksum 0xAABBCCDD, 0x0102 blocks
    EXPECT_EQ(BuildEraseRegion(2, 0x0102, 0x00012345, 0xAABBCCDD, 0x0304),
              (Bytes{0x5A, 0xA5, 0x13, 0x00, 0x10, 0x02, 0x04, 0x03, 0x45, 0x23, 0x01, 0x00, 0xDD, 0xCC, 0xBB,
                     0xAA, 0x02, 0x01, 0xA5}));
    const Bytes data{0x11, 0x22, 0x33};
    EXPECT_EQ(BuildWriteBlock(0x0201, data),
              (Bytes{0x5A, 0xA5, 0x0B, 0x00, 0x11, 0x01, 0x02, 0x11, 0x22, 0x33, 0x84}));
    EXPECT_EQ(BuildVerifyRegion(), (Bytes{0x5A, 0xA5, 0x06, 0x00, 0x12, 0x17}));
}

TEST(TransferFrameGolden, LengthFieldIsLowByteFirstAndFrameTooBigIsRefused) {
    const Bytes params(300, 0);
    const Bytes frame = BuildFrame(0x11, params);
    ASSERT_EQ(frame.size(), 306u);
    EXPECT_EQ(frame[2], 0x32); // 306 = 0x0132
    EXPECT_EQ(frame[3], 0x01);
    EXPECT_TRUE(BuildFrame(0x11, Bytes(0xFFFF - 6, 0)).size() == 0xFFFF);
    EXPECT_TRUE(BuildFrame(0x11, Bytes(0xFFFF - 5, 0)).empty());
}

TEST(TransferReplyAcceptance, DatagramRules) {
    // A status reply as serial and UDP panels send it: length high byte first.
    const Bytes good{0x5A, 0xA5, 0x00, 0x07, 0x02, 0x01, 0x09};
    size_t length = 0;
    EXPECT_TRUE(AcceptReply(good.data(), good.size(), LengthOrder::HighFirst, 1, length));
    EXPECT_EQ(length, 7u);
    // Extra bytes after the frame are not part of it.
    Bytes longer = good;
    longer.push_back(0xEE);
    EXPECT_TRUE(AcceptReply(longer.data(), longer.size(), LengthOrder::HighFirst, 1, length));
    EXPECT_EQ(length, 7u);
    // The length field says more than the datagram holds.
    Bytes claimsMore = good;
    claimsMore[3] = 0x08;
    EXPECT_FALSE(AcceptReply(claimsMore.data(), claimsMore.size(), LengthOrder::HighFirst, 1, length));
    Bytes badSum = good;
    badSum[6] ^= 1;
    EXPECT_FALSE(AcceptReply(badSum.data(), badSum.size(), LengthOrder::HighFirst, 1, length));
    // Too short to hold a length field.
    EXPECT_FALSE(AcceptReply(good.data(), 3, LengthOrder::HighFirst, 1, length));
    // Length 0 counts as 1: the checksum of nothing (0) against 0x5A fails.
    const Bytes zero{0x5A, 0xA5, 0x00, 0x00, 0x00};
    EXPECT_FALSE(AcceptReply(zero.data(), zero.size(), LengthOrder::HighFirst, 1, length));
}

TEST(TransferReplyAcceptance, UsbRules) {
    // USB replies carry the length low byte first.
    const Bytes good{0x5A, 0xA5, 0x07, 0x00, 0x02, 0x01, 0x09};
    size_t length = 0;
    EXPECT_TRUE(AcceptReply(good.data(), good.size(), LengthOrder::LowFirst, 5, length));
    EXPECT_EQ(length, 7u);
    // Exactly 4 bytes are rejected even though they hold a length field.
    EXPECT_FALSE(AcceptReply(good.data(), 4, LengthOrder::LowFirst, 5, length));
    // A length field of 20 with 16 bytes arrived.
    Bytes cut(16, 0);
    cut[0] = 0x5A;
    cut[1] = 0xA5;
    cut[2] = 20;
    EXPECT_FALSE(AcceptReply(cut.data(), cut.size(), LengthOrder::LowFirst, 5, length));
    // The same bytes read with the serial byte order claim 0x0700 bytes.
    EXPECT_FALSE(AcceptReply(good.data(), good.size(), LengthOrder::HighFirst, 5, length));
}

} // namespace
} // namespace caldo
