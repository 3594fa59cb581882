#include "elements/PanelCanvas.h"

#include <algorithm>

namespace balsar {

PanelCanvas::PanelCanvas(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0) {}

bool PanelCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return false;
    }
    return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] != 0;
}

void PanelCanvas::SetPixel(int x, int y, bool lit) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] = lit ? 1 : 0;
}

void PanelCanvas::Fill(const PanelRect& rect, bool lit) {
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, m_height); ++y) {
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, m_width); ++x) {
            SetPixel(x, y, lit);
        }
    }
}

void PanelCanvas::DrawGlyph(const Glyph& glyph, int x, int y, bool lit, const PanelRect& clip, int scale) {
    scale = scale < 1 ? 1 : scale;
    for (int py = std::max(y, clip.top); py < std::min(y + glyph.height * scale, clip.bottom); ++py) {
        for (int px = std::max(x, clip.left); px < std::min(x + glyph.width * scale, clip.right); ++px) {
            if (glyph.Pixel((px - x) / scale, (py - y) / scale)) {
                SetPixel(px, py, lit);
            }
        }
    }
}

std::string PanelCanvas::Dump(const PanelRect& rect) const {
    std::string out;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            out.push_back(Pixel(x, y) ? '#' : '.');
        }
        out.push_back('\n');
    }
    return out;
}

} // namespace balsar
