#pragma once
// BMP files for the bitmap tests, built byte by byte: a 14-byte file header,
// a 40-byte information header, a palette and the rows as given (bottom row
// first, each row padded by the caller).
#include <cstdint>
#include <string>
#include <vector>

namespace balsar::test {

struct BmpLayout {
    int32_t width = 8;
    int32_t height = 1;
    uint16_t bits = 1;
    int32_t imageSize = -1; // -1: the size of the rows given
    std::vector<uint32_t> palette{0x00000000, 0x00FFFFFF};
};

inline std::vector<uint8_t> MakeBmp(const BmpLayout& layout, const std::vector<uint8_t>& rowsBottomUp) {
    std::vector<uint8_t> f;
    const auto put = [&f](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) {
            f.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    };
    const auto dataOffset = static_cast<uint32_t>(54 + 4 * layout.palette.size());
    f.push_back('B');
    f.push_back('M');
    put(dataOffset + static_cast<uint32_t>(rowsBottomUp.size()), 4);
    put(0, 4);
    put(dataOffset, 4);
    put(40, 4);
    put(static_cast<uint32_t>(layout.width), 4);
    put(static_cast<uint32_t>(layout.height), 4);
    put(1, 2);
    put(layout.bits, 2);
    put(0, 4);
    put(static_cast<uint32_t>(layout.imageSize < 0 ? static_cast<int32_t>(rowsBottomUp.size()) : layout.imageSize), 4);
    put(0, 4);
    put(0, 4);
    put(static_cast<uint32_t>(layout.palette.size()), 4);
    put(0, 4);
    for (uint32_t colour : layout.palette) {
        put(colour, 4);
    }
    f.insert(f.end(), rowsBottomUp.begin(), rowsBottomUp.end());
    return f;
}

} // namespace balsar::test
