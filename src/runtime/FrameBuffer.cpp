#include "runtime/FrameBuffer.h"

#include <algorithm>

namespace balsar::runtime {

FrameBuffer::FrameBuffer(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0) {}

void FrameBuffer::Fill(const PixelRect& rect, bool lit) {
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.right, m_width);
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, m_height); ++y) {
        if (left < right) {
            auto* row = &m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width)];
            std::fill(row + left, row + right, lit ? 1 : 0);
        }
    }
}

int FrameBuffer::CountLit(const PixelRect& rect) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += Pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

std::vector<uint8_t> FrameBuffer::Packed() const {
    const size_t stride = (static_cast<size_t>(m_width) + 7) / 8;
    std::vector<uint8_t> packed(stride * static_cast<size_t>(m_height), 0);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (Pixel(x, y)) {
                packed[static_cast<size_t>(y) * stride + static_cast<size_t>(x / 8)] |=
                    static_cast<uint8_t>(0x80u >> (x % 8));
            }
        }
    }
    return packed;
}

std::vector<uint8_t> FrameBuffer::Pbm() const {
    const std::string head = "P4\n" + std::to_string(m_width) + " " + std::to_string(m_height) + "\n";
    std::vector<uint8_t> file(head.begin(), head.end());
    const std::vector<uint8_t> rows = Packed();
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

std::string FrameBuffer::Dump(const PixelRect& rect) const {
    std::string out;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            out.push_back(Pixel(x, y) ? '#' : '.');
        }
        out.push_back('\n');
    }
    return out;
}

} // namespace balsar::runtime
