#pragma once
// The panel's display as a 1-bit image in panel pixels. Elements draw
// themselves onto it with the same glyphs the compiler writes, so the
// editor, a simulator and the tests see exactly what the panel shows.
#include <cstdint>
#include <string>
#include <vector>

#include "elements/Glyph.h"

namespace balsar {

struct PanelRect {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0; // exclusive
};

class PanelCanvas {
public:
    // An unlit canvas.
    PanelCanvas(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Unlit outside the canvas.
    bool Pixel(int x, int y) const;
    // Ignored outside the canvas.
    void SetPixel(int x, int y, bool lit);
    // Fills the rectangle (clipped to the canvas).
    void Fill(const PanelRect& rect, bool lit);
    // Sets the glyph's lit pixels to `lit` with its top-left corner at (x, y),
    // each glyph pixel as a scale x scale block (double-size texts);
    // unset glyph pixels leave the canvas alone. Pixels outside clip are not
    // touched.
    void DrawGlyph(const Glyph& glyph, int x, int y, bool lit, const PanelRect& clip, int scale = 1);
    // Rows of '#' (lit) and '.' (unlit) for a rectangle; for test messages.
    std::string Dump(const PanelRect& rect) const;

private:
    int m_width;
    int m_height;
    std::vector<uint8_t> m_pixels;
};

} // namespace balsar
