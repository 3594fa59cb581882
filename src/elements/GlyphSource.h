#pragma once
// Where the glyph of a character comes from: the built-in dot-matrix font
// when the pixel size and font mode allow it, else the named face fitted to
// the pixel size. The compiler and the panel canvas both draw from here, so
// the editor shows exactly what the panel shows.
#include <optional>
#include <string>

#include "elements/Glyph.h"

namespace balsar {

class FontEngine;

// Nothing when the built-in font lacks the character, or the face cannot be
// fitted or rendered (also without an engine).
std::optional<Glyph> MakeGlyph(FontEngine* fonts, char32_t ch, const std::string& face, int pixelSize,
                               int fontMode);

} // namespace balsar
