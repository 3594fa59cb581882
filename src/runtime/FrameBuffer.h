#pragma once
// The panel's display: a 1-bit image of the model's size, one byte per pixel
// inside, with a packed form for pictures (rows of ceil(width / 8) bytes,
// the leftmost pixel in the most significant bit, as PBM and 1-bit image
// formats store them).
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/ElementRecords.h"

namespace balsar::runtime {

class FrameBuffer {
public:
    FrameBuffer() = default;
    // An unlit display.
    FrameBuffer(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Unlit outside the display.
    bool Pixel(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height &&
               m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] != 0;
    }
    // Ignored outside the display.
    void SetPixel(int x, int y, bool lit) {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height) {
            m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] = lit ? 1 : 0;
        }
    }
    // The rectangle, clipped to the display.
    void Fill(const PixelRect& rect, bool lit);
    void Clear() { m_pixels.assign(m_pixels.size(), 0); }
    // Number of lit pixels in the rectangle.
    int CountLit(const PixelRect& rect) const;

    std::vector<uint8_t> Packed() const;
    // A binary PBM file (P4): lit pixels are black.
    std::vector<uint8_t> Pbm() const;
    // Rows of '#' (lit) and '.' (unlit), for test messages.
    std::string Dump(const PixelRect& rect) const;
    std::string Dump() const { return Dump(PixelRect{0, 0, m_width, m_height}); }

    bool operator==(const FrameBuffer& other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_pixels;
};

} // namespace balsar::runtime
