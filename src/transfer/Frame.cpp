#include "transfer/Frame.h"

#include "base/ByteWriter.h"

namespace caldo {

uint8_t Checksum8(std::span<const uint8_t> bytes) {
    uint8_t sum = 0;
    for (uint8_t b : bytes) {
        sum = static_cast<uint8_t>(sum + b);
    }
    return sum;
}

uint32_t Sum32(std::span<const uint8_t> bytes) {
    uint32_t sum = 0;
    for (uint8_t b : bytes) {
        sum += b;
    }
    return sum;
}

std::vector<uint8_t> BuildFrame(uint8_t code, std::span<const uint8_t> params) {
    const size_t total = params.size() + kFrameOverhead;
    if (total > 0xFFFF) {
        return {};
    }
    std::vector<uint8_t> frame;
    frame.reserve(total);
    frame.push_back(kFrameSync0);
    frame.push_back(kFrameSync1);
    balsar::AppendBytes(frame, static_cast<uint32_t>(total), 2);
    frame.push_back(code);
    balsar::AppendBytes(frame, params.data(), params.size());
    frame.push_back(Checksum8(frame));
    return frame;
}

size_t ReplyLengthField(const uint8_t* frame, LengthOrder order) {
    const size_t value =
        order == LengthOrder::LowFirst ? (frame[2] | (frame[3] << 8)) : ((frame[2] << 8) | frame[3]);
    return value == 0 ? 1 : value;
}

bool AcceptReply(const uint8_t* buffer, size_t arrived, LengthOrder order, size_t minArrived,
                 size_t& frameLength) {
    frameLength = 0;
    if (arrived < kFrameHeaderSize || arrived < minArrived) {
        return false;
    }
    const size_t length = ReplyLengthField(buffer, order);
    if (length > arrived) {
        return false;
    }
    if (Checksum8({buffer, length - 1}) != buffer[length - 1]) {
        return false;
    }
    frameLength = length;
    return true;
}

} // namespace caldo
