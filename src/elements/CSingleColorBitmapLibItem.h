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
    // Version 1, ID, use count, width, height, then the data as a byte array.
    void Serialize(Archive& ar) override;
    // Same picture: width, height and data equal.
    bool SamePicture(const CSingleColorBitmapLibItem& other) const {
        return width == other.width && height == other.height && data == other.data;
    }
    // A drawable, compilable entry: both sizes 1..65535 (the bitmap record
    // holds them in 16 bits) and exactly the rows they need.
    bool IsConsistent() const;
    // The pixel at (x, y) is lit; false outside the bitmap.
    bool Pixel(int x, int y) const;

    int32_t id = 0;
    int32_t useCount = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> data;
};

} // namespace balsar
