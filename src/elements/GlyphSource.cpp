#include "elements/GlyphSource.h"

#include "base/Utf.h"
#include "elements/DotMatrixFont.h"
#include "elements/FontEngine.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"

namespace balsar {

std::optional<Glyph> MakeGlyph(FontEngine* fonts, char32_t ch, const std::string& face, int pixelSize,
                               int fontMode) {
    if (UsesBuiltInFont(pixelSize, fontMode)) {
        const auto rows = dotmatrix::Rows(ch, pixelSize);
        if (rows.empty()) {
            return std::nullopt;
        }
        Glyph glyph;
        glyph.Reset(dotmatrix::GlyphWidth(pixelSize), pixelSize);
        for (size_t r = 0; r < rows.size(); ++r) {
            glyph.data[r] = ReverseBits(rows[r]);
        }
        return glyph;
    }
    if (fonts == nullptr) {
        return std::nullopt;
    }
    const auto fitted = fonts->Fit(face, pixelSize);
    if (!fitted) {
        return std::nullopt;
    }
    Glyph glyph;
    if (!fonts->RenderGlyph(*fitted, ch, glyph)) {
        return std::nullopt;
    }
    return glyph;
}

void DrawTextGlyphs(PanelCanvas& canvas, const PanelRect& rect, bool reverse, FontEngine* fonts,
                    std::string_view text, const std::string& face, int pixelSize, int fontMode, int scale) {
    canvas.Fill(rect, reverse);
    int x = rect.left;
    for (const char32_t ch : Utf8ToUtf32(text)) {
        if (x >= rect.right) {
            break;
        }
        const auto glyph = MakeGlyph(fonts, ch, face, pixelSize, fontMode);
        if (!glyph) {
            continue;
        }
        canvas.DrawGlyph(*glyph, x, rect.top, !reverse, rect, scale);
        x += glyph->width * scale;
    }
}

} // namespace balsar
