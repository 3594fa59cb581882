#pragma once
// A fixed text on a screen, in the built-in dot-matrix font or in a face
// fitted to one of the five pixel sizes. Its size follows from its text.
#include <cstdint>
#include <string>

#include "elements/ElementCopy.h"

namespace balsar {

class Prompt;

// The text attributes a static text's page edits together.
struct StaticTextAttributes {
    std::string text;
    int32_t sizeIndex = 2;
    int32_t language = 0;
    std::string font;
    int32_t dotMatrix = 0;
};

class CStaticText : public CopyableElement<CStaticText> {
    BALSAR_DECLARE_CLASS(CStaticText)
public:
    CStaticText();

    // Common prefix, then version 2, text, size index, language, font and
    // the dot-matrix flag (version 1 records load with the flag off).
    void Serialize(Archive& ar) override;
    // Position, the fixed fields and the offset of the shared static-text
    // table (count 1, then the offset of the text record).
    void Compile(CompileContext& context) const override;
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;

    // Each setter stores its value and recomputes the size.
    void SetText(const std::string& text, FontEngine* fonts);
    void SetSizeIndex(int32_t index, FontEngine* fonts);
    void SetFont(const std::string& font, FontEngine* fonts);
    void SetLanguage(int32_t index, FontEngine* fonts);
    void ChangeDotMatrix(int32_t flag, FontEngine* fonts);
    // Height the pixel size, width from the text (doubled with double size).
    // Without a fitted face the size stays as it was.
    void RecalcSize(FontEngine* fonts);

    const std::string& GetText() const { return m_text; }
    int32_t GetSizeIndex() const { return m_sizeIndex; }
    int32_t GetLanguage() const { return m_language; }
    const std::string& GetFont() const { return m_font; }
    int32_t GetDotMatrix() const { return m_dotMatrix; }
    bool UsesDotMatrix() const;
    int FontMode() const;
    StaticTextAttributes Attributes() const;

    // Drops last characters of text until it fits the screen width with
    // this element's size and font; true when it dropped any.
    bool TrimToScreen(std::string& text, int screenWidth, FontEngine* fonts) const;

    // The page's change of text attributes. Switching to the built-in font
    // with non-English characters asks first (No: nothing changes). When
    // the new text no longer fits the screen the page asks whether to cut
    // it: Yes stores the shortened text, No restores the element exactly as
    // it was. True when the change was made.
    bool ApplyAttributes(const StaticTextAttributes& next, int screenWidth, Prompt& prompt, FontEngine* fonts);
    // Turning double size on from the common page: refused with a message
    // when twice the width exceeds the screen width.
    bool TurnDoubleSizeOn(int screenWidth, int screenHeight, MessageSink& sink);

private:
    // The rectangle as the text makes it now.
    PanelRect ComputedRect(FontEngine* fonts) const;

    std::string m_text;
    int32_t m_sizeIndex = 2;
    int32_t m_language = 0;
    std::string m_font;
    int32_t m_dotMatrix = 0;
};

} // namespace balsar
