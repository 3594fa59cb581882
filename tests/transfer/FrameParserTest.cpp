// The serial frame finder: noise, checksums, capacity and malformed lengths.
#include <gtest/gtest.h>

#include "transfer/FrameParser.h"

namespace caldo {
namespace {

using State = FrameParser::State;
using Bytes = std::vector<uint8_t>;

const Bytes kStatusReply{0x5A, 0xA5, 0x00, 0x07, 0x02, 0x01, 0x09};

State FeedAll(FrameParser& p, const Bytes& bytes) {
    for (uint8_t b : bytes) {
        p.Feed(b);
    }
    return p.CurrentState();
}

TEST(TransferFrameParser, FindsFrameAfterNoise) {
    Bytes buffer(64, 0xEE);
    FrameParser p(buffer.data(), buffer.size());
    // Plain noise, then 0x5A followed by something other than 0xA5.
    Bytes input{0x00, 0x13, 0x5A, 0x00, 0xA5, 0x5A, 0x42};
    input.insert(input.end(), kStatusReply.begin(), kStatusReply.end());
    EXPECT_EQ(FeedAll(p, input), State::Complete);
    EXPECT_EQ(p.Size(), kStatusReply.size());
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 7), kStatusReply);
}

TEST(TransferFrameParser, DoubledSyncByteLosesTheFrame) {
    // 0x5A in the Sync state resets to Hunt and is dropped, so "5A 5A A5" never syncs.
    Bytes buffer(64);
    FrameParser p(buffer.data(), buffer.size());
    Bytes input{0x5A};
    input.insert(input.end(), kStatusReply.begin(), kStatusReply.end());
    EXPECT_NE(FeedAll(p, input), State::Complete);
}

TEST(TransferFrameParser, ChecksumAndTrailingBytes) {
    Bytes buffer(64);
    FrameParser p(buffer.data(), buffer.size());
    const Bytes bad{0x5A, 0xA5, 0x00, 0x07, 0x02, 0x01, 0xF6}; // checksum should be 0x09
    EXPECT_EQ(FeedAll(p, bad), State::BadChecksum);
    EXPECT_EQ(p.Feed(0x00), State::Error);

    FrameParser q(buffer.data(), buffer.size());
    EXPECT_EQ(FeedAll(q, kStatusReply), State::Complete);
    EXPECT_EQ(q.Feed(0x5A), State::Error);
}

TEST(TransferFrameParser, NeverWritesPastCapacity) {
    // A length field larger than the buffer is an error at once.
    Bytes buffer(8, 0);
    FrameParser p(buffer.data(), 7);
    EXPECT_EQ(FeedAll(p, {0x5A, 0xA5, 0x00, 0x08}), State::Error);
    EXPECT_EQ(buffer[7], 0);
    // A frame of exactly the capacity fits.
    FrameParser q(buffer.data(), 7);
    EXPECT_EQ(FeedAll(q, kStatusReply), State::Complete);
    // A buffer too small for the header cannot overflow either.
    Bytes tiny(2, 0);
    FrameParser r(tiny.data(), 2);
    EXPECT_EQ(FeedAll(r, {0x5A, 0xA5, 0x00}), State::Error);
}

TEST(TransferFrameParser, LengthsBelowTheHeaderAreErrors) {
    // Lengths 0..4 could never be reached by the byte count and would run on.
    for (uint8_t len = 0; len <= 4; ++len) {
        Bytes buffer(16);
        FrameParser p(buffer.data(), buffer.size());
        EXPECT_EQ(FeedAll(p, {0x5A, 0xA5, 0x00, len}), State::Error) << int(len);
    }
}

} // namespace
} // namespace caldo
