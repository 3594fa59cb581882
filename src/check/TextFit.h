#pragma once
// Whether a text fits its box in a face and size, and whether the face can
// show every character: the question the project check and the strings
// import ask of one text. The answer is the compile's own (the same glyph
// resolution, fall-back faces included), so a text that fits here fits on
// the panel.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace balsar {

class FontEngine;

struct TextFit {
    // Width and height as the panel draws the text (glyphs from fall-back
    // faces and substitutes counted as drawn; doubled with double size).
    int width = 0;
    int height = 0;
    bool fitsWidth = true;
    bool fitsHeight = true;
    // The face resolves to an installed font at the size (always true for
    // the built-in font).
    bool faceUsable = true;
    // Characters shown from a fall-back face, and characters nobody has
    // (shown as "?" or blank), each once in text order.
    std::u32string fromFallback;
    std::u32string missing;
    // More than the 255 characters a compiled text holds.
    bool tooLong = false;

    // Fits and every character is shown as typed.
    bool Clean() const { return fitsWidth && fitsHeight && faceUsable && fromFallback.empty() && missing.empty() && !tooLong; }
};

// boxWidth / boxHeight: the room the text has in pixels (a negative value
// is not checked). fallbackFaces: the faces the compile falls back to
// (FallbackFaces of the project); fonts may be null (built-in font only).
TextFit CheckTextFit(FontEngine* fonts, std::string_view text, const std::string& face, int32_t sizeIndex,
                     int32_t dotMatrix, bool doubleSize, int boxWidth, int boxHeight,
                     const std::vector<std::string>& fallbackFaces);

} // namespace balsar
