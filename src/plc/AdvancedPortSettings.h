#pragma once
// The eleven driver values of a serial port that the "通讯高级设置" dialog
// edits: timeouts, request packing, the pause between requests and what the
// panel does after a communication error.
#include <cstdint>

namespace balsar {

class ProtocolDescription;

struct AdvancedPortSettings {
    int32_t commTimeout = 0;
    int32_t protocolTimeout1 = 0;
    int32_t protocolTimeout2 = 0;
    int32_t maxWordsPerPacket = 0;
    int32_t maxBitsPerPacket = 0;
    int32_t wordGap = 0;
    int32_t bitGap = 0;
    int32_t commInterval = 0;
    int32_t errorShowTime = 0;
    int32_t retries = 10;
    int32_t retryAfterLimit = 1;

    // What choosing a protocol brings: its eight driver values, the error
    // message shown 0 s, 10 retries, retrying after they are used up.
    static AdvancedPortSettings Defaults(const ProtocolDescription& protocol);

    bool operator==(const AdvancedPortSettings& other) const = default;
};

} // namespace balsar
