#pragma once
// A 1-bit picture as the image stores glyphs and bitmaps: rows from top to
// bottom, ceil(width / 8) bytes each, the leftmost pixel of a byte in bit 0,
// a set bit is a lit pixel.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace balsar::runtime {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> data;

    int Stride() const { return (width + 7) / 8; }
    bool Pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return false;
        }
        return ((data[static_cast<size_t>(y) * static_cast<size_t>(Stride()) + static_cast<size_t>(x / 8)] >>
                 (x % 8)) &
                1) != 0;
    }
};

} // namespace balsar::runtime
