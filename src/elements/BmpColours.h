#pragma once
// Reads the colours of an uncompressed BMP file (1, 4, 8, 24 or 32 bits per
// pixel) row by row from the top, each as a 32-bit colour 0x00BBGGRR. The
// picture element keeps them as the record of its source image.
#include <cstdint>
#include <vector>

namespace balsar {

struct BmpColours {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// False for anything else, a damaged header or pixel data beyond the end.
bool ReadBmpColours(const std::vector<uint8_t>& file, BmpColours& out);

} // namespace balsar
