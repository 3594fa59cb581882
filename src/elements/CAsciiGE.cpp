#include "elements/CAsciiGE.h"

#include <algorithm>

#include "base/Archive.h"
#include "base/Text.h"
#include "elements/CompileContext.h"
#include "elements/DotMatrixFont.h"
#include "elements/ElementKinds.h"
#include "elements/ElementStrings.h"
#include "elements/GlyphSource.h"
#include "elements/ImageRecords.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CAsciiGE, 0, &CGraphElement::StaticClass())

namespace {

// The character table is compiled in this face; the sizes offered always
// take the built-in font.
const std::string kAsciiFace = strings::kDefaultFace;
constexpr int kAsciiFontMode = 2;

// Sizes 8, 12 and 16 only.
int32_t ClampSizeIndex(int32_t index) { return std::clamp(index, 0, 2); }

} // namespace

CAsciiGE::CAsciiGE() : CopyableElement(KIND_ASCII) {
    for (char ch = 0x20; ch <= 0x7E; ++ch) {
        m_characterSet.push_back(ch);
    }
    RecalcSize();
}

void CAsciiGE::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 1;
    ar.Value(version);
    ar.Value(m_charCount);
    ar.Value(m_sizeIndex);
    m_addr.Serialize(ar);
}

std::string CAsciiGE::Sample() const { return std::string(static_cast<size_t>(std::max(m_charCount, 0)), 'A'); }

void CAsciiGE::RecalcSize() {
    // Double size stays on through a new size or count: the new size is
    // doubled as ChangeDoubleSize would.
    const int factor = m_doubleSize != 0 ? 2 : 1;
    const int pixelSize = PixelSizeOfIndex(ClampSizeIndex(m_sizeIndex));
    m_height = pixelSize * factor;
    m_width = static_cast<int32_t>(Sample().size()) * dotmatrix::GlyphWidth(pixelSize) * factor;
}

void CAsciiGE::SetSizeIndex(int32_t index) {
    m_sizeIndex = index;
    RecalcSize();
}

void CAsciiGE::SetCharCount(int32_t count) {
    m_charCount = count;
    RecalcSize();
}

void CAsciiGE::Compile(CompileContext& context) const {
    Image& image = context.image;
    CompilePosition(context);
    AppendBytes(image, 1, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 1, 2);
    m_addr.Compile(image, context.portProtocols, context.sink);
    AppendBytes(image, 4, 4);
    const size_t tableField = image.size();
    AppendBytes(image, 0, 4);
    AppendBytes(image, 1, 1);
    AppendBytes(image, m_reverse != 0 ? 0x10 : 0, 1);
    AppendBytes(image, static_cast<uint32_t>(m_charCount) & 0xFF, 1);
    AppendBytes(image, 0, 1);

    const std::string keyFont = m_sizeIndex <= 2 ? std::string() : kAsciiFace;
    const std::string key =
        Format("ASCII_TEXT_%s_%d_%s", m_characterSet.c_str(), static_cast<int>(m_sizeIndex), keyFont.c_str());
    const uint32_t table = CompileTextList(context, key, m_characterSet, kAsciiFace,
                                           PixelSizeOfIndex(m_sizeIndex), kAsciiFontMode, GetName());
    WriteAt(image, tableField, table, 4);
}

void CAsciiGE::Draw(PanelCanvas& canvas, FontEngine* fonts) const {
    DrawTextGlyphs(canvas, Rect(), m_reverse != 0, fonts, Sample(), kAsciiFace,
                   PixelSizeOfIndex(ClampSizeIndex(m_sizeIndex)), kAsciiFontMode);
}

CharCountRange AsciiCharCountRange(int32_t sizeIndex, int screenWidth, int left, bool doubleSize) {
    const int glyphWidth =
        dotmatrix::GlyphWidth(PixelSizeOfIndex(ClampSizeIndex(sizeIndex))) * (doubleSize ? 2 : 1);
    const int room = screenWidth - std::max(left, 0);
    const int fitting = glyphWidth > 0 ? room / glyphWidth : 1;
    return CharCountRange{1, std::max(1, std::min(CAsciiGE::kMaxCharCount, fitting))};
}

} // namespace balsar
