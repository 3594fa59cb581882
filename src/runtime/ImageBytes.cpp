#include "runtime/ImageBytes.h"

#include "base/Text.h"
#include "runtime/ImageError.h"

namespace balsar::runtime {

void ImageBytes::Fail(size_t offset, const RecordName& record, const std::string& problem) {
    throw ImageError(offset, record.Text(), problem);
}

void ImageBytes::Require(size_t offset, size_t n, const RecordName& record) const {
    if (offset > m_bytes.size() || n > m_bytes.size() - offset) {
        Fail(offset, record,
             Format("needs %zu bytes but the image ends at %zu (truncated or a bad offset)", n, m_bytes.size()));
    }
}

uint8_t ImageBytes::U8(size_t offset, const RecordName& record) const {
    Require(offset, 1, record);
    return m_bytes[offset];
}

uint16_t ImageBytes::U16(size_t offset, const RecordName& record) const {
    Require(offset, 2, record);
    return static_cast<uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
}

uint32_t ImageBytes::U32(size_t offset, const RecordName& record) const {
    Require(offset, 4, record);
    return static_cast<uint32_t>(m_bytes[offset]) | (static_cast<uint32_t>(m_bytes[offset + 1]) << 8) |
           (static_cast<uint32_t>(m_bytes[offset + 2]) << 16) | (static_cast<uint32_t>(m_bytes[offset + 3]) << 24);
}

std::span<const uint8_t> ImageBytes::Slice(size_t offset, size_t n, const RecordName& record) const {
    Require(offset, n, record);
    return m_bytes.subspan(offset, n);
}

void ImageBytes::Expect(size_t offset, uint32_t expected, int width, const RecordName& record) const {
    const uint32_t value = width == 1 ? U8(offset, record) : width == 2 ? U16(offset, record) : U32(offset, record);
    if (value != expected) {
        Fail(offset, record, Format("holds %u where %u belongs", value, expected));
    }
}

void ImageBytes::CheckTarget(size_t fieldOffset, uint32_t target, const RecordName& record, bool aligned) const {
    if (target >= m_bytes.size()) {
        Fail(fieldOffset, record,
             Format("points at offset %u, beyond the end of the image (%zu bytes)", target, m_bytes.size()));
    }
    if (aligned && target % 4 != 0) {
        Fail(fieldOffset, record, Format("points at offset %u, which is not a multiple of 4", target));
    }
}

} // namespace balsar::runtime
