#include "elements/CStaticText.h"

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "elements/CompileContext.h"
#include "elements/ElementKinds.h"
#include "elements/ElementStrings.h"
#include "elements/GlyphSource.h"
#include "elements/ImageRecords.h"
#include "elements/LanguageDefaults.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CStaticText, 0, &CGraphElement::StaticClass())

CStaticText::CStaticText() : CopyableElement(KIND_STATIC_TEXT), m_font(LanguageDefaults{}.fontName) {
    m_height = PixelSizeOfIndex(m_sizeIndex);
}

void CStaticText::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 2;
    ar.Value(version);
    ar.String(m_text);
    ar.Value(m_sizeIndex);
    ar.Value(m_language);
    ar.String(m_font);
    if (ar.IsStoring() || version >= 2) {
        ar.Value(m_dotMatrix);
    } else {
        m_dotMatrix = 0;
    }
}

bool CStaticText::UsesDotMatrix() const { return balsar::UsesDotMatrix(m_sizeIndex, m_dotMatrix); }

int CStaticText::FontMode() const { return FontModeOf(UsesDotMatrix()); }

StaticTextAttributes CStaticText::Attributes() const {
    return StaticTextAttributes{m_text, m_sizeIndex, m_language, m_font, m_dotMatrix};
}

PanelRect CStaticText::ComputedRect(FontEngine* fonts) const {
    return TextSizedRect(TextElementSize(fonts, m_text, m_sizeIndex, m_dotMatrix, m_font));
}

void CStaticText::RecalcSize(FontEngine* fonts) { SetSizeFrom(ComputedRect(fonts)); }

void CStaticText::SetText(const std::string& text, FontEngine* fonts) {
    m_text = text;
    RecalcSize(fonts);
}

void CStaticText::SetSizeIndex(int32_t index, FontEngine* fonts) {
    m_sizeIndex = index;
    RecalcSize(fonts);
}

void CStaticText::SetFont(const std::string& font, FontEngine* fonts) {
    m_font = font;
    RecalcSize(fonts);
}

void CStaticText::SetLanguage(int32_t index, FontEngine* fonts) {
    m_language = index;
    RecalcSize(fonts);
}

void CStaticText::ChangeDotMatrix(int32_t flag, FontEngine* fonts) {
    m_dotMatrix = flag;
    RecalcSize(fonts);
}

bool CStaticText::TrimToScreen(std::string& text, int screenWidth, FontEngine* fonts) const {
    std::u32string chars = Utf8ToUtf32(text);
    if (!TrimToWidth(chars, screenWidth, fonts, m_sizeIndex, m_dotMatrix, m_font)) {
        return false;
    }
    text = Utf32ToUtf8(chars);
    return true;
}

bool CStaticText::ApplyAttributes(const StaticTextAttributes& next, int screenWidth, Prompt& prompt,
                                  FontEngine* fonts) {
    // The text is decoded once for the whole chain: the font switch, the cut
    // to the screen and the new size all work on the same code points.
    std::u32string chars = Utf8ToUtf32(next.text);
    const size_t decoded = chars.size();
    const bool switching = balsar::UsesDotMatrix(next.sizeIndex, next.dotMatrix) && !UsesDotMatrix();
    if (switching && !ConfirmDotMatrixSwitch(chars, next.sizeIndex, next.dotMatrix, prompt)) {
        return false;
    }
    std::optional<TextSize> size;
    if (TrimToWidth(chars, screenWidth, fonts, next.sizeIndex, next.dotMatrix, next.font, &size) &&
        prompt.Ask(strings::kTrimQuestion, Buttons::YesNo) != Answer::Yes) {
        return false;
    }
    m_text = chars.size() == decoded ? next.text : Utf32ToUtf8(chars);
    m_sizeIndex = next.sizeIndex;
    m_language = next.language;
    m_font = next.font;
    m_dotMatrix = next.dotMatrix;
    SetSizeFrom(TextSizedRect(size));
    return true;
}

bool CStaticText::TurnDoubleSizeOn(int screenWidth, int screenHeight, MessageSink& sink) {
    if (m_doubleSize != 0) {
        return true;
    }
    if (2 * m_width > screenWidth) {
        sink.Message(strings::kDoubleSizeOutOfScreen, MessageKind::Warning);
        return false;
    }
    ChangeDoubleSize(true, screenWidth, screenHeight);
    return true;
}

void CStaticText::Draw(PanelCanvas& canvas, FontEngine* fonts) const {
    DrawTextGlyphs(canvas, ComputedRect(fonts), m_reverse != 0, fonts, m_text, m_font,
                   PixelSizeOfIndex(m_sizeIndex), FontMode(), m_doubleSize != 0 ? 2 : 1);
}

void CStaticText::Compile(CompileContext& context) const {
    Image& image = context.image;
    CompilePositionRecord(context, ComputedRect(context.fontEngine));
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 2);
    AppendBytes(image, 4, 4);
    const size_t tableField = image.size();
    AppendBytes(image, 0, 4);
    AppendBytes(image, 1, 1);
    AppendBytes(image, m_reverse != 0 ? 0x10 : 0, 1);
    AppendBytes(image, 0, 2);

    const bool dotMatrix = UsesDotMatrix();
    const std::string key =
        Format("STATIC_TEXT_%s_%d_%s", m_text.c_str(), m_sizeIndex, dotMatrix ? "" : m_font.c_str());
    const uint32_t table =
        CompileTextList(context, key, m_text, m_font, PixelSizeOfIndex(m_sizeIndex), FontMode(), GetName());
    WriteAt(image, tableField, table, 4);
}

} // namespace balsar
