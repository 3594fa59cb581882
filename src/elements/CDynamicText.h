#pragma once
// A dynamic text: shows one of up to 256 texts according to the value of a
// PLC bit or word. Each row of its table pairs a value with a text; the
// panel receives the sorted values and one text per value.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "elements/CTextItem.h"
#include "elements/ElementCopy.h"
#include "plc/CAddr.h"

namespace balsar {

class CDynamicText : public CopyableElement<CDynamicText> {
    BALSAR_DECLARE_CLASS(CDynamicText)
public:
    enum Alignment : int32_t { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTRE = 2 };
    static constexpr int kRowCount = 256;
    // A state text table's count is one byte.
    static constexpr size_t kMaxCompiledStates = 255;

    CDynamicText();

    // Common prefix, version 3, size index, language, font, alignment (from
    // version 2), dot-matrix (from version 3), the 256 rows in the file's
    // block order (RowArchiveOrder), then the address.
    void Serialize(Archive& ar) override;
    // Position, address, the state values in ascending order and the state
    // text table with its text records.
    void Compile(CompileContext& context) const override;
    // The first non-empty row text, aligned within the element as the panel
    // aligns it.
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;

    void ResetAddress() override { m_addr.ResetIfPortChanged(); }
    void SwapPorts(int32_t a, int32_t b) override { m_addr.SwapPorts(a, b); }

    // Row 1..256; null outside.
    CTextItem* Row(int row);
    const CTextItem* Row(int row) const;
    // Row numbers in the order the archive holds them: 15 down to 1, then
    // each block of sixteen from its highest row down (31..16, ..., 255..240),
    // last 256.
    static const std::array<int, kRowCount>& RowArchiveOrder();

    // Value to text of the used rows, the lowest row winning for a value
    // given twice.
    std::map<int32_t, std::string> StateMap() const;
    // Rebuilds the state map kept with the element.
    void BuildStateMap() { m_states = StateMap(); }
    const std::map<int32_t, std::string>& States() const { return m_states; }
    // The largest value among used rows; 0 when none.
    int64_t MaxStateValue() const;
    // Empties value and text of every used row above the limit.
    void DropStatesAbove(int64_t limit);
    // Any row text holds a character of code 128 or more.
    bool HasNonAscii() const;
    // With the built-in font, every row text keeps only its visible ASCII
    // characters; the size follows.
    void KeepAsciiTexts(FontEngine* fonts);
    // Drops last characters of text until it fits the screen width with this
    // element's size and font; true when it dropped any.
    bool TrimToScreen(std::string& text, int screenWidth, FontEngine* fonts) const;

    // Each setter stores its value and recomputes the size.
    void SetSizeIndex(int32_t index, FontEngine* fonts);
    void SetFont(const std::string& font, FontEngine* fonts);
    void SetLanguage(int32_t index, FontEngine* fonts);
    void SetAlignment(int32_t alignment, FontEngine* fonts);
    void ChangeDotMatrix(int32_t flag, FontEngine* fonts);
    // Height the pixel size; width the widest row text (doubled with double
    // size). Without a fitted face the size stays as it was.
    void RecalcSize(FontEngine* fonts);

    int32_t GetSizeIndex() const { return m_sizeIndex; }
    int32_t GetLanguage() const { return m_language; }
    const std::string& GetFont() const { return m_font; }
    int32_t GetDotMatrix() const { return m_dotMatrix; }
    int32_t GetAlignment() const { return m_alignment; }
    int32_t GetFirstRowWidth() const { return m_firstRowWidth; }
    bool UsesDotMatrix() const;
    int FontMode() const;
    // The bit or word that selects the state; "位地址" or "字地址" on the page.
    bool IsBitAddress() const { return m_addr.width == WIDTH_BIT; }

    CAddr& Address() { return m_addr; }
    const CAddr& Address() const { return m_addr; }

private:
    // The rectangle as the row texts make it now (the stored one when a
    // face cannot be fitted); also the width of row 1's text.
    PanelRect ComputedRect(FontEngine* fonts, int* firstRowWidth) const;
    // Width of one text as the element shows it; nothing without a face.
    std::optional<int> TextWidth(std::string_view text, FontEngine* fonts) const;

    std::map<int32_t, std::string> m_states;
    int32_t m_sizeIndex = 2;
    int32_t m_language = 0;
    std::string m_font;
    int32_t m_dotMatrix = 0;
    int32_t m_alignment = ALIGN_LEFT;
    int32_t m_firstRowWidth = 0;
    CAddr m_addr{WIDTH_BIT};
    std::array<CTextItem, kRowCount> m_rows;
};

} // namespace balsar
