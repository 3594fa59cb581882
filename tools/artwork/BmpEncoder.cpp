#include "Bitmap1.h"

namespace artwork {

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

} // namespace

std::vector<uint8_t> EncodeBmp(const Bitmap1& picture) {
    constexpr uint32_t kHeaders = 14 + 40 + 8;
    const auto width = static_cast<uint32_t>(picture.Width());
    const auto height = static_cast<uint32_t>(picture.Height());
    const uint32_t stride = (width + 31) / 32 * 4;
    const uint32_t imageSize = stride * height;
    std::vector<uint8_t> out;
    out.reserve(kHeaders + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put(out, kHeaders + imageSize, 4);
    Put(out, 0, 4);
    Put(out, kHeaders, 4);
    Put(out, 40, 4);
    Put(out, width, 4);
    Put(out, height, 4);
    Put(out, 1, 2); // planes
    Put(out, 1, 2); // bits per pixel
    Put(out, 0, 4); // uncompressed
    Put(out, imageSize, 4);
    Put(out, 2835, 4); // 72 dpi
    Put(out, 2835, 4);
    Put(out, 2, 4);
    Put(out, 2, 4);
    Put(out, 0x00000000, 4); // black
    Put(out, 0x00FFFFFF, 4); // white
    for (int y = picture.Height() - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        // Bits past the width in the last used byte are white, so that the
        // picture read back has no lit pixels beyond its width.
        const int usedBits = (picture.Width() + 7) / 8 * 8;
        for (int x = 0; x < usedBits; ++x) {
            if (!picture.Lit(x, y)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<uint8_t>(0x80u >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace artwork
