#pragma once
// The glyphs, texts and bitmaps of one image, decoded once. Records are
// shared in the image (one glyph serves every text that uses it), so they
// are kept by offset and handed out as indexes.
//
// Layouts read here:
//   glyph record      7, width (1 byte), height (1 byte), rows
//   bitmap record     1, width (16-bit), height (16-bit), rows
//   text record       6, offset of a character table (32-bit)
//   character table   count n (1 byte), n glyph-record offsets (0: no glyph)
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/RecordName.h"
#include <unordered_map>
#include <vector>

#include "runtime/Bitmap.h"

namespace balsar::runtime {

class ImageBytes;

// Glyph indexes of a text in character order; -1 where the image has no
// glyph for a character.
using GlyphRun = std::vector<int>;

class GlyphStore {
public:
    // Index of the glyph record at offset (kind 7).
    int Glyph(const ImageBytes& bytes, uint32_t offset, const RecordName& record);
    // Index of the bitmap record at offset (kind 1), kept with the glyphs.
    int BitmapRecord(const ImageBytes& bytes, uint32_t offset, const RecordName& record);
    // The glyphs of the text record at offset; offset 0 is the empty text.
    GlyphRun Text(const ImageBytes& bytes, uint32_t offset, const RecordName& record);
    // The glyphs of a character table (no text record in front).
    GlyphRun Table(const ImageBytes& bytes, uint32_t offset, const RecordName& record);

    const Bitmap& At(int index) const { return m_bitmaps[static_cast<size_t>(index)]; }
    // Null for -1 or an index out of range.
    const Bitmap* Find(int index) const {
        return index >= 0 && static_cast<size_t>(index) < m_bitmaps.size() ? &m_bitmaps[static_cast<size_t>(index)]
                                                                            : nullptr;
    }
    size_t Count() const { return m_bitmaps.size(); }

private:
    int Decode(const ImageBytes& bytes, uint32_t offset, const RecordName& record, bool wide);

    std::vector<Bitmap> m_bitmaps;
    std::unordered_map<uint32_t, int> m_byOffset;
    std::unordered_map<uint32_t, GlyphRun> m_tables;
};

} // namespace balsar::runtime
