// The link frame: 0x5A, 0xA5, 16-bit total length, command code, parameters,
// 8-bit sum of all earlier bytes. Requests carry the length low byte first;
// replies are read low byte first on USB and high byte first on serial and UDP.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace caldo {

inline constexpr uint8_t kFrameSync0 = 0x5A;
inline constexpr uint8_t kFrameSync1 = 0xA5;
inline constexpr size_t kFrameHeaderSize = 4; // sync bytes and length
inline constexpr size_t kFrameOverhead = 6;   // header, command code, checksum

enum class LengthOrder { LowFirst, HighFirst };

// Low 8 bits of the sum of the bytes, starting from 0.
uint8_t Checksum8(std::span<const uint8_t> bytes);

// 32-bit sum of the bytes (the package region checksum).
uint32_t Sum32(std::span<const uint8_t> bytes);

// Builds a request frame. Returns an empty vector when the frame would not fit
// the 16-bit length field.
std::vector<uint8_t> BuildFrame(uint8_t code, std::span<const uint8_t> params);

// The length field of a frame whose first 4 bytes are present. A field of 0 counts as 1.
size_t ReplyLengthField(const uint8_t* frame, LengthOrder order);

// Acceptance rule of the datagram and USB links: at least minArrived bytes
// arrived (never fewer than the 4 header bytes), the length field is not larger
// than what arrived, and the last byte of the frame is the checksum of the bytes
// before it. On success frameLength receives the accepted frame length.
bool AcceptReply(const uint8_t* buffer, size_t arrived, LengthOrder order, size_t minArrived,
                 size_t& frameLength);

} // namespace caldo
