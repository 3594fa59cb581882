#pragma once
// The 12-byte address record through which every image record names a
// register: tag 3, flags (0x80 BCD, 0x01 big-endian device), port (0..3 or
// 0xFF for the panel's own registers), station, register identifier, format
// (low nibble value size 0 bit / 2 word / 4 double word, high nibble the
// addressing unit 0 bit / 1 byte / 2 word / 4 double word), count and the
// linear address.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/RecordName.h"

namespace balsar::runtime {

class ImageBytes;

// The panel's own registers.
inline constexpr uint8_t kLocalPort = 0xFF;
inline constexpr uint8_t kLocalLW = 0xFF;
inline constexpr uint8_t kLocalRW = 0xFE;
inline constexpr uint8_t kLocalLWBit = 0xF9;
inline constexpr uint8_t kLocalRWBit = 0xF8;

struct AddressRecord {
    uint8_t flags = 0;
    uint8_t port = kLocalPort;
    uint8_t station = 0;
    uint8_t registerId = kLocalLW;
    uint8_t format = 0x22;
    uint16_t count = 1;
    uint32_t linear = 0;

    static constexpr size_t kSize = 12;

    // Reads and checks the record at offset (tag 3, port 0..3 or 0xFF).
    static AddressRecord Read(const ImageBytes& bytes, size_t offset, const RecordName& record);

    bool IsLocal() const { return port == kLocalPort; }
    bool IsBcd() const { return (flags & 0x80) != 0; }
    bool IsBigEndian() const { return (flags & 0x01) != 0; }
    // 0 bit, 2 word, 4 double word.
    int ValueSize() const { return format & 0x0F; }
    // 0 bit, 1 byte, 2 word, 4 double word.
    int UnitSize() const { return format >> 4; }
    bool IsBit() const { return ValueSize() == 0; }
    bool IsDoubleWord() const { return ValueSize() == 4; }
    // Words of one value at the address: two for a double word and for a
    // word address that counts two or more words, else one.
    int ValueWords() const { return IsDoubleWord() || (!IsBit() && count >= 2) ? 2 : 1; }
    // "LW12", "RW3.A", or "COM0 st1 reg 3 @100" for a device register.
    std::string Text() const;
    // Parses "LW12", "RW300", "LW12.A" (bit in hexadecimal) or a device
    // register "<port>:<station>:<register id>:<address>[:bit|:word|:dword]".
    // False for anything else.
    static bool FromText(std::string_view text, AddressRecord& out);

    // The same register, count aside.
    bool SameRegister(const AddressRecord& other) const {
        return port == other.port && station == other.station && registerId == other.registerId &&
               format == other.format && linear == other.linear && flags == other.flags;
    }
    bool operator==(const AddressRecord& other) const = default;
};

} // namespace balsar::runtime
