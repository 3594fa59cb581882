#pragma once
// Where the parts of a download image lie, read from the image's own
// tables: the header, the section table and the screen block's offset
// table.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/ByteWriter.h"

namespace balsar {

struct ImageLayout {
    static constexpr uint32_t kHeaderBytes = 24 + 28;
    static constexpr size_t kSections = 7;

    uint32_t totalLength = 0;
    // 0 for a section that wrote nothing.
    std::array<uint32_t, kSections> sectionOffsets{};
    // The screen records, in the block's order.
    std::vector<uint32_t> screenOffsets;

    // Bytes from a section's start to the next section's (or the end),
    // the padding before the next included; 0 for an empty section.
    uint32_t SectionBytes(size_t section) const;
    // Bytes of each screen record, the shared glyphs, texts and bitmaps it
    // was the first to use included.
    std::vector<uint32_t> ScreenBytes() const;
};

// False, with the reason, when the bytes are not a download image whose
// tables point inside it.
bool ReadImageLayout(const Image& image, ImageLayout& layout, std::string& error);

} // namespace balsar
