#pragma once
// A 1-bit glyph as the panel stores it: rows from top to bottom, each row
// ceil(width / 8) bytes, the leftmost pixel of each byte in bit 0, a set bit
// is a lit pixel.
#include <cstdint>
#include <vector>

namespace balsar {

struct Glyph {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> data;

    static int StrideOf(int width) { return (width + 7) / 8; }
    int Stride() const { return StrideOf(width); }
    // An unlit glyph of that size.
    void Reset(int w, int h) {
        width = w;
        height = h;
        data.assign(static_cast<size_t>(Stride()) * static_cast<size_t>(h < 0 ? 0 : h), 0);
    }
    bool Pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return false;
        }
        return (data[static_cast<size_t>(y * Stride() + x / 8)] >> (x % 8)) & 1;
    }
    void SetPixel(int x, int y) {
        if (x >= 0 && y >= 0 && x < width && y < height) {
            data[static_cast<size_t>(y * Stride() + x / 8)] |= static_cast<uint8_t>(1u << (x % 8));
        }
    }
    bool operator==(const Glyph& other) const = default;
};

} // namespace balsar
