#pragma once
// A 1-bit picture being drawn: lit and unlit pixels, row by row from the top.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace artwork {

class Bitmap1 {
public:
    Bitmap1(int width, int height)
        : m_width(width), m_height(height), m_lit(static_cast<std::size_t>(width * height)) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Lit(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height && m_lit[Index(x, y)] != 0;
    }
    // Ignored outside the picture.
    void Set(int x, int y, bool lit) {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height) {
            m_lit[Index(x, y)] = lit ? 1 : 0;
        }
    }
    void Invert() {
        for (auto& p : m_lit) {
            p = p != 0 ? 0 : 1;
        }
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * m_width + x); }

    int m_width;
    int m_height;
    std::vector<uint8_t> m_lit;
};

// A Windows bitmap file of one bit per pixel: bottom-up rows padded to four
// bytes, palette black (index 0) and white (index 1); a lit pixel is black.
// No field depends on time or place, so equal pictures give equal files.
std::vector<uint8_t> EncodeBmp(const Bitmap1& picture);

} // namespace artwork
