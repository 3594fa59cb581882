#include "check/TextFit.h"

#include <algorithm>

#include "base/Utf.h"
#include "elements/GlyphSource.h"
#include "elements/TextAttributes.h"

namespace balsar {

namespace {

constexpr size_t kMaxCompiledCharacters = 255;

void AddOnce(std::u32string& list, char32_t ch) {
    if (list.find(ch) == std::u32string::npos) {
        list.push_back(ch);
    }
}

} // namespace

TextFit CheckTextFit(FontEngine* fonts, std::string_view text, const std::string& face, int32_t sizeIndex,
                     int32_t dotMatrix, bool doubleSize, int boxWidth, int boxHeight,
                     const std::vector<std::string>& fallbackFaces) {
    TextFit fit;
    const std::u32string chars = Utf8ToUtf32(text);
    fit.tooLong = chars.size() > kMaxCompiledCharacters;
    const int pixelSize = PixelSizeOfIndex(sizeIndex);
    const int fontMode = FontModeOf(UsesDotMatrix(sizeIndex, dotMatrix));
    const int scale = doubleSize ? 2 : 1;
    const size_t count = std::min(chars.size(), kMaxCompiledCharacters);
    for (size_t i = 0; i < count; ++i) {
        const ResolvedGlyph glyph = ResolveGlyph(fonts, chars[i], face, pixelSize, fontMode, fallbackFaces);
        fit.faceUsable = fit.faceUsable && !glyph.faceUnusable;
        if (glyph.origin == GlyphOrigin::Fallback) {
            AddOnce(fit.fromFallback, chars[i]);
        } else if (glyph.origin == GlyphOrigin::Substitute) {
            AddOnce(fit.missing, chars[i]);
        }
        fit.width += glyph.glyph.width * scale;
    }
    fit.height = pixelSize * scale;
    fit.fitsWidth = boxWidth < 0 || fit.width <= boxWidth;
    fit.fitsHeight = boxHeight < 0 || fit.height <= boxHeight;
    return fit;
}

} // namespace balsar
