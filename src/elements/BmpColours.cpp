#include "elements/BmpColours.h"

#include <cstdlib>

namespace balsar {

namespace {

uint32_t U16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8;
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

// 0x00BBGGRR from blue, green and red bytes.
uint32_t Colour(uint8_t blue, uint8_t green, uint8_t red) {
    return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 | static_cast<uint32_t>(blue) << 16;
}

} // namespace

bool ReadBmpColours(const std::vector<uint8_t>& file, BmpColours& out) {
    constexpr size_t kInfo = 14;
    if (file.size() < kInfo + 40 || file[0] != 'B' || file[1] != 'M') {
        return false;
    }
    const uint32_t headerSize = U32(file, kInfo);
    const auto width = static_cast<int32_t>(U32(file, kInfo + 4));
    const auto rawHeight = static_cast<int32_t>(U32(file, kInfo + 8));
    const uint32_t bits = U16(file, kInfo + 14);
    const uint32_t compression = U32(file, kInfo + 16);
    const uint32_t dataOffset = U32(file, 10);
    if (headerSize < 40 || width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || width > 0xFFFF ||
        std::abs(rawHeight) > 0xFFFF) {
        return false;
    }
    // Uncompressed only (32-bit files may name their channel masks).
    if (!(compression == 0 || (compression == 3 && bits == 32))) {
        return false;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return false;
    }
    const bool bottomUp = rawHeight > 0;
    const size_t height = static_cast<size_t>(std::abs(rawHeight));
    const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    if (dataOffset > file.size() || stride * height > file.size() - dataOffset) {
        return false;
    }
    std::vector<uint32_t> palette;
    if (bits <= 8) {
        size_t entries = U32(file, kInfo + 32);
        if (entries == 0 || entries > (1u << bits)) {
            entries = 1u << bits;
        }
        const size_t paletteAt = kInfo + headerSize;
        if (paletteAt > file.size() || entries * 4 > file.size() - paletteAt) {
            return false;
        }
        for (size_t i = 0; i < entries; ++i) {
            const size_t at = paletteAt + 4 * i;
            palette.push_back(Colour(file[at], file[at + 1], file[at + 2]));
        }
    }
    out.width = width;
    out.height = static_cast<int>(height);
    out.pixels.assign(static_cast<size_t>(width) * height, 0);
    for (size_t row = 0; row < height; ++row) {
        const size_t stored = bottomUp ? height - 1 - row : row;
        const size_t from = dataOffset + stored * stride;
        for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
            uint32_t colour = 0;
            if (bits <= 8) {
                const size_t bit = x * bits;
                const uint8_t byte = file[from + bit / 8];
                const uint32_t index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                colour = index < palette.size() ? palette[index] : 0;
            } else {
                const size_t at = from + x * (bits / 8);
                colour = Colour(file[at], file[at + 1], file[at + 2]);
            }
            out.pixels[row * static_cast<size_t>(width) + x] = colour;
        }
    }
    return true;
}

} // namespace balsar
