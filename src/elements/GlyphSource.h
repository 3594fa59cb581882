#pragma once
// Where the glyph of a character comes from: the built-in dot-matrix font
// when the pixel size and font mode allow it, else the named face fitted to
// the pixel size. The compiler and the panel canvas both draw from here, so
// the editor shows exactly what the panel shows.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "elements/Glyph.h"

namespace balsar {

class FontEngine;
class PanelCanvas;
struct PanelRect;

// Nothing when the built-in font lacks the character, or the face cannot be
// fitted or rendered (also without an engine).
std::optional<Glyph> MakeGlyph(FontEngine* fonts, char32_t ch, const std::string& face, int pixelSize,
                               int fontMode);

// How the compile got a character's glyph.
enum class GlyphOrigin {
    // From the built-in font or the named face.
    Own,
    // The named face cannot be used or lacks the character: from the first
    // fallback face that has it.
    Fallback,
    // Nobody has the character: "?" from the built-in font or a usable face,
    // else an unlit cell half as wide as high.
    Substitute,
};

struct ResolvedGlyph {
    Glyph glyph;
    GlyphOrigin origin = GlyphOrigin::Own;
    // The named face resolves to no installed font at this size.
    bool faceUnusable = false;
    // The face the glyph came from (empty for the built-in font and the
    // unlit cell).
    std::string face;
};

// Always a glyph no wider or higher than 255 pixels: the one MakeGlyph gives,
// else the character in the first fallback face that has it, else a
// substitute. The compile writes these and the project check reports from
// the same answer.
ResolvedGlyph ResolveGlyph(FontEngine* fonts, char32_t ch, const std::string& face, int pixelSize, int fontMode,
                           const std::vector<std::string>& fallbackFaces);

// Fills the rectangle with the background (lit when reverse), then draws
// the text's glyphs side by side from its top-left corner in the other
// colour, clipped to the rectangle: how text elements show on the panel.
// A double-size element passes scale 2: the panel enlarges every glyph
// pixel to a 2 x 2 block.
void DrawTextGlyphs(PanelCanvas& canvas, const PanelRect& rect, bool reverse, FontEngine* fonts,
                    std::string_view text, const std::string& face, int pixelSize, int fontMode, int scale = 1);

} // namespace balsar
