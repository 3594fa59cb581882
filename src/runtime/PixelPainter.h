#pragma once
// Drawing on the frame buffer with the image's own glyphs and bitmaps:
// glyph runs side by side (optionally enlarged by a whole factor), pictures
// stretched into a rectangle, and the two-pixel lines of trend graphs.
#include <cstdint>

#include "runtime/Bitmap.h"
#include "runtime/FrameBuffer.h"
#include "runtime/GlyphStore.h"

namespace balsar::runtime {

class PixelPainter {
public:
    PixelPainter(FrameBuffer& frame, const GlyphStore& glyphs) : m_frame(frame), m_glyphs(glyphs) {}

    FrameBuffer& Frame() { return m_frame; }
    const GlyphStore& Glyphs() const { return m_glyphs; }

    // Sets the bitmap's lit pixels to `lit` with its top-left corner at
    // (x, y), each pixel scale x scale; unlit bitmap pixels and pixels
    // outside clip stay as they are.
    void Glyph(const Bitmap& glyph, int x, int y, bool lit, const PixelRect& clip, int scale = 1);
    // The glyphs of a run side by side from (x, y); returns the x after the
    // last one. Glyphs missing from the image take no room.
    int Run(const GlyphRun& run, int x, int y, bool lit, const PixelRect& clip, int scale = 1);
    // Width of a run in pixels (unscaled).
    int RunWidth(const GlyphRun& run) const;
    // Height of the tallest glyph of a run.
    int RunHeight(const GlyphRun& run) const;
    // The bitmap stretched over the rectangle, lit and unlit pixels both
    // (swapped when inverted).
    void Stretch(const Bitmap& bitmap, const PixelRect& rect, bool invert = false);
    // A line two pixels wide from (x0, y0) to (x1, y1), clipped.
    void ThickLine(int x0, int y0, int x1, int y1, const PixelRect& clip);
    // Two nested one-pixel outlines: the rectangle and the one inside it.
    void DoubleOutline(const PixelRect& rect);

private:
    FrameBuffer& m_frame;
    const GlyphStore& m_glyphs;
};

// Whole enlargement of glyphs of height `base` shown in a rectangle of
// height `height`: 2 for a double-size element, otherwise 1.
int WholeScale(int height, int base);

} // namespace balsar::runtime
