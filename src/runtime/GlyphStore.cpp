#include "runtime/GlyphStore.h"

#include "base/Text.h"
#include "runtime/ImageBytes.h"

namespace balsar::runtime {

namespace {

constexpr uint8_t kBitmapKind = 1;
constexpr uint8_t kTextKind = 6;
constexpr uint8_t kGlyphKind = 7;



} // namespace

int GlyphStore::Decode(const ImageBytes& bytes, uint32_t offset, const RecordName& record, bool wide) {
    const RecordName name(wide ? "bitmap record" : "glyph record", record);
    const uint8_t expected = wide ? kBitmapKind : kGlyphKind;
    const uint8_t kind = bytes.U8(offset, name);
    if (kind != expected) {
        ImageBytes::Fail(offset, name, Format("record kind is %u, not %u", kind, expected));
    }
    Bitmap bitmap;
    size_t dataOffset = 0;
    if (wide) {
        bitmap.width = bytes.U16(offset + 1, name);
        bitmap.height = bytes.U16(offset + 3, name);
        dataOffset = offset + 5;
    } else {
        bitmap.width = bytes.U8(offset + 1, name);
        bitmap.height = bytes.U8(offset + 2, name);
        dataOffset = offset + 3;
    }
    const size_t length = static_cast<size_t>(bitmap.Stride()) * static_cast<size_t>(bitmap.height);
    const auto rows = bytes.Slice(dataOffset, length, name);
    bitmap.data.assign(rows.begin(), rows.end());
    m_bitmaps.push_back(std::move(bitmap));
    const int index = static_cast<int>(m_bitmaps.size() - 1);
    m_byOffset.emplace(offset, index);
    return index;
}

int GlyphStore::Glyph(const ImageBytes& bytes, uint32_t offset, const RecordName& record) {
    if (const auto it = m_byOffset.find(offset); it != m_byOffset.end()) {
        // A record may be shared, but only between users of the same kind.
        const uint8_t kind = bytes.U8(offset, record);
        if (kind != kGlyphKind) {
            ImageBytes::Fail(offset, RecordName("glyph record", record), Format("record kind is %u, not 7", kind));
        }
        return it->second;
    }
    return Decode(bytes, offset, record, false);
}

int GlyphStore::BitmapRecord(const ImageBytes& bytes, uint32_t offset, const RecordName& record) {
    if (const auto it = m_byOffset.find(offset); it != m_byOffset.end()) {
        const uint8_t kind = bytes.U8(offset, record);
        if (kind != kBitmapKind) {
            ImageBytes::Fail(offset, RecordName("bitmap record", record), Format("record kind is %u, not 1", kind));
        }
        return it->second;
    }
    return Decode(bytes, offset, record, true);
}

GlyphRun GlyphStore::Table(const ImageBytes& bytes, uint32_t offset, const RecordName& record) {
    if (const auto it = m_tables.find(offset); it != m_tables.end()) {
        return it->second;
    }
    const RecordName name("character table", record);
    const uint8_t count = bytes.U8(offset, name);
    bytes.Require(offset + 1, 4u * count, name);
    GlyphRun run;
    run.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const size_t field = offset + 1 + 4 * i;
        const uint32_t glyph = bytes.U32(field, name);
        if (glyph == 0) {
            run.push_back(-1);
            continue;
        }
        bytes.CheckTarget(field, glyph, name);
        run.push_back(Glyph(bytes, glyph, record));
    }
    m_tables.emplace(offset, run);
    return run;
}

GlyphRun GlyphStore::Text(const ImageBytes& bytes, uint32_t offset, const RecordName& record) {
    if (offset == 0) {
        return {};
    }
    const RecordName name("text record", record);
    const uint8_t kind = bytes.U8(offset, name);
    if (kind != kTextKind) {
        ImageBytes::Fail(offset, name, Format("record kind is %u, not 6", kind));
    }
    const uint32_t table = bytes.U32(offset + 1, name);
    if (table == 0) {
        return {};
    }
    bytes.CheckTarget(offset + 1, table, name);
    return Table(bytes, table, record);
}

} // namespace balsar::runtime
