#pragma once
// Bounds-checked little-endian reads from the bytes of a download image.
// Every read names the record it belongs to, so that a value beyond the end
// of the image becomes an ImageError naming that record and offset.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/RecordName.h"

namespace balsar::runtime {

class ImageBytes {
public:
    explicit ImageBytes(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    size_t Size() const { return m_bytes.size(); }
    // Throws ImageError when the n bytes from offset are not all inside.
    void Require(size_t offset, size_t n, const RecordName& record) const;
    uint8_t U8(size_t offset, const RecordName& record) const;
    uint16_t U16(size_t offset, const RecordName& record) const;
    uint32_t U32(size_t offset, const RecordName& record) const;
    int32_t S32(size_t offset, const RecordName& record) const { return static_cast<int32_t>(U32(offset, record)); }
    // n bytes from offset, checked.
    std::span<const uint8_t> Slice(size_t offset, size_t n, const RecordName& record) const;
    // A 32-bit field that must hold one fixed value.
    void Expect(size_t offset, uint32_t expected, int width, const RecordName& record) const;
    // An offset field that must point inside the image and, when aligned,
    // at a multiple of 4.
    void CheckTarget(size_t fieldOffset, uint32_t target, const RecordName& record, bool aligned = false) const;

    [[noreturn]] static void Fail(size_t offset, const RecordName& record, const std::string& problem);

private:
    std::span<const uint8_t> m_bytes;
};

} // namespace balsar::runtime
