#include "elements/GlyphSource.h"

#include <algorithm>

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

namespace {

constexpr int kMaxGlyphSide = 255;

bool Fits(const Glyph& glyph) {
    return glyph.width > 0 && glyph.width <= kMaxGlyphSide && glyph.height > 0 && glyph.height <= kMaxGlyphSide;
}

// The character from a face only when the face has it: a face without the
// character would give its empty "missing" glyph.
std::optional<Glyph> FromFace(FontEngine& fonts, char32_t ch, const std::string& face, int pixelSize) {
    const auto fitted = fonts.Fit(face, pixelSize);
    if (!fitted || !fonts.Covers(face, ch)) {
        return std::nullopt;
    }
    Glyph glyph;
    if (!fonts.RenderGlyph(*fitted, ch, glyph) || !Fits(glyph)) {
        return std::nullopt;
    }
    return glyph;
}

} // namespace

ResolvedGlyph ResolveGlyph(FontEngine* fonts, char32_t ch, const std::string& face, int pixelSize, int fontMode,
                           const std::vector<std::string>& fallbackFaces) {
    ResolvedGlyph result;
    if (UsesBuiltInFont(pixelSize, fontMode)) {
        if (auto own = MakeGlyph(fonts, ch, face, pixelSize, fontMode)) {
            result.glyph = std::move(*own);
            return result;
        }
        result.origin = GlyphOrigin::Substitute;
        result.glyph = *MakeGlyph(fonts, U'?', face, pixelSize, fontMode);
        return result;
    }
    const int side = std::clamp(pixelSize, 1, kMaxGlyphSide);
    if (fonts == nullptr) {
        result.faceUnusable = true;
    } else {
        result.faceUnusable = !fonts->Fit(face, pixelSize).has_value();
        if (!result.faceUnusable) {
            if (auto own = FromFace(*fonts, ch, face, pixelSize)) {
                result.glyph = std::move(*own);
                result.face = face;
                return result;
            }
        }
        for (const std::string& fallback : fallbackFaces) {
            if (fallback == face) {
                continue;
            }
            if (auto other = FromFace(*fonts, ch, fallback, pixelSize)) {
                result.origin = GlyphOrigin::Fallback;
                result.glyph = std::move(*other);
                result.face = fallback;
                return result;
            }
        }
    }
    result.origin = GlyphOrigin::Substitute;
    if (fonts != nullptr) {
        std::vector<std::string> faces{face};
        faces.insert(faces.end(), fallbackFaces.begin(), fallbackFaces.end());
        for (const std::string& candidate : faces) {
            if (auto mark = FromFace(*fonts, U'?', candidate, pixelSize)) {
                result.glyph = std::move(*mark);
                result.face = candidate;
                return result;
            }
        }
    }
    result.glyph.Reset(std::max(1, side / 2), side);
    return result;
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
