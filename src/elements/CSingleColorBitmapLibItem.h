#pragma once
// One monochrome bitmap of the project's library: rows top to bottom,
// ceil(width / 8) bytes per row, leftmost pixel in bit 0, set bit = lit.
#include <cstdint>
#include <vector>

#include "base/Archivable.h"

namespace balsar {

class CSingleColorBitmapLibItem : public Archivable {
    BALSAR_DECLARE_CLASS(CSingleColorBitmapLibItem)
public:
    void Serialize(Archive& ar) override;
    // Same picture: width, height and data equal.
    bool SamePicture(const CSingleColorBitmapLibItem& other) const {
        return width == other.width && height == other.height && data == other.data;
    }

    int32_t id = 0;
    int32_t useCount = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> data;
};

} // namespace balsar
