#pragma once
// Where the glyph of a character comes from: the built-in dot-matrix font
// when the pixel size and font mode allow it, else the named face fitted to
// the pixel size. The compiler and the panel canvas both draw from here, so
// the editor shows exactly what the panel shows.
#include <optional>
#include <string>
#include <string_view>

#include "elements/Glyph.h"

namespace balsar {

class FontEngine;
class PanelCanvas;
struct PanelRect;

// Nothing when the built-in font lacks the character, or the face cannot be
// fitted or rendered (also without an engine).
std::optional<Glyph> MakeGlyph(FontEngine* fonts, char32_t ch, const std::string& face, int pixelSize,
                               int fontMode);

// Fills the rectangle with the background (lit when reverse), then draws
// the text's glyphs side by side from its top-left corner in the other
// colour, clipped to the rectangle: how text elements show on the panel.
// A double-size element passes scale 2: the panel enlarges every glyph
// pixel to a 2 x 2 block.
void DrawTextGlyphs(PanelCanvas& canvas, const PanelRect& rect, bool reverse, FontEngine* fonts,
                    std::string_view text, const std::string& face, int pixelSize, int fontMode, int scale = 1);

} // namespace balsar
