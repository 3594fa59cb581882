#include "runtime/PixelPainter.h"

#include <algorithm>
#include <cstdlib>

namespace balsar::runtime {

int WholeScale(int height, int base) {
    if (base <= 0 || height < 2 * base || height % base != 0) {
        return 1;
    }
    return height / base;
}

void PixelPainter::Glyph(const Bitmap& glyph, int x, int y, bool lit, const PixelRect& clip, int scale) {
    for (int gy = 0; gy < glyph.height; ++gy) {
        for (int gx = 0; gx < glyph.width; ++gx) {
            if (!glyph.Pixel(gx, gy)) {
                continue;
            }
            for (int sy = 0; sy < scale; ++sy) {
                const int py = y + gy * scale + sy;
                if (py < clip.top || py >= clip.bottom) {
                    continue;
                }
                for (int sx = 0; sx < scale; ++sx) {
                    const int px = x + gx * scale + sx;
                    if (px >= clip.left && px < clip.right) {
                        m_frame.SetPixel(px, py, lit);
                    }
                }
            }
        }
    }
}

int PixelPainter::Run(const GlyphRun& run, int x, int y, bool lit, const PixelRect& clip, int scale) {
    for (const int index : run) {
        if (x >= clip.right) {
            break;
        }
        if (const Bitmap* glyph = m_glyphs.Find(index)) {
            Glyph(*glyph, x, y, lit, clip, scale);
            x += glyph->width * scale;
        }
    }
    return x;
}

int PixelPainter::RunWidth(const GlyphRun& run) const {
    int width = 0;
    for (const int index : run) {
        if (const Bitmap* glyph = m_glyphs.Find(index)) {
            width += glyph->width;
        }
    }
    return width;
}

int PixelPainter::RunHeight(const GlyphRun& run) const {
    int height = 0;
    for (const int index : run) {
        if (const Bitmap* glyph = m_glyphs.Find(index)) {
            height = std::max(height, glyph->height);
        }
    }
    return height;
}

void PixelPainter::Stretch(const Bitmap& bitmap, const PixelRect& rect, bool invert) {
    const int width = rect.Width();
    const int height = rect.Height();
    if (width <= 0 || height <= 0 || bitmap.width <= 0 || bitmap.height <= 0) {
        return;
    }
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>(static_cast<int64_t>(y) * bitmap.height / height);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>(static_cast<int64_t>(x) * bitmap.width / width);
            m_frame.SetPixel(rect.left + x, rect.top + y, bitmap.Pixel(sx, sy) != invert);
        }
    }
}

void PixelPainter::ThickLine(int x0, int y0, int x1, int y1, const PixelRect& clip) {
    // Bresenham over all octants, a 2 x 2 pen at every step.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        for (int py = y0; py < y0 + 2; ++py) {
            for (int px = x0; px < x0 + 2; ++px) {
                if (px >= clip.left && px < clip.right && py >= clip.top && py < clip.bottom) {
                    m_frame.SetPixel(px, py, true);
                }
            }
        }
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void PixelPainter::DoubleOutline(const PixelRect& rect) {
    for (int inset = 0; inset < 2; ++inset) {
        const PixelRect r{rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset};
        if (r.right <= r.left || r.bottom <= r.top) {
            return;
        }
        m_frame.Fill(PixelRect{r.left, r.top, r.right, r.top + 1}, true);
        m_frame.Fill(PixelRect{r.left, r.bottom - 1, r.right, r.bottom}, true);
        m_frame.Fill(PixelRect{r.left, r.top, r.left + 1, r.bottom}, true);
        m_frame.Fill(PixelRect{r.right - 1, r.top, r.right, r.bottom}, true);
    }
}

} // namespace balsar::runtime
