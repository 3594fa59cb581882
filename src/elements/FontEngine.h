#pragma once
// Operating-system fonts as the designer uses them: a face fitted to a pixel
// height, its character advances and 1-bit glyphs, the families that serve a
// character set and the full names of a face.
//
// The fitting search and its cache live here, so every engine fits faces the
// same way; an engine only reports the cell height of a face at a point size.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "elements/Glyph.h"

namespace balsar {

// A face fitted to a pixel height.
struct FittedFont {
    std::string face;
    int pixelSize = 0;
    // Point size in tenths of a point (96 dots per inch).
    int pointTenths = 0;
    // Height of the laid-out face at that point size.
    int cellHeight = 0;
};

class FontEngine {
public:
    virtual ~FontEngine() = default;

    // Fits the face to the pixel height: from ten times the pixel size the
    // point size moves by tenths towards the height and stops on the last
    // size not taller than it. Results are kept under "<face>_<pixel size>".
    // Nothing when the face resolves to no installed font or the search
    // reaches point size 0.
    std::optional<FittedFont> Fit(const std::string& face, int pixelSize);

    // Width and height of a text laid out in a fitted font: the sum of the
    // advances and the cell height. Nothing when the font has no face.
    std::optional<std::pair<int, int>> MeasureText(const FittedFont& font, std::u32string_view text);

    // Horizontal advance of a character in whole pixels; -1 on failure.
    virtual int Advance(const FittedFont& font, char32_t ch) = 0;
    // The character drawn from the top-left corner of a cell as wide as its
    // advance and exactly the pixel size high. False when the font cannot
    // be used (the glyph is then left empty).
    virtual bool RenderGlyph(const FittedFont& font, char32_t ch, Glyph& out) = 0;
    // True when the font a face resolves to has a glyph of its own for the
    // character (not the face's "missing" glyph). An engine that cannot tell
    // answers true.
    virtual bool Covers(const std::string& /*face*/, char32_t /*ch*/) { return true; }
    // Families of outline fonts that serve a Windows character set (1: all
    // fonts), each name once, sorted; face names aliased to such a family
    // are listed as well.
    virtual std::vector<std::string> FontFamilies(int charset) = 0;
    // Full names (naming-table entry 4) of the font a face name resolves
    // to; empty when it resolves to nothing.
    virtual std::vector<std::string> FullNames(const std::string& face) = 0;

protected:
    // Cell height of the face at a point size in tenths; nothing when the
    // face resolves to no installed font.
    virtual std::optional<int> CellHeight(const std::string& face, int pointTenths) = 0;

private:
    std::map<std::string, int, std::less<>> m_fittedSizes;
};

} // namespace balsar
