#pragma once
// An ASCII string element: shows the printable ASCII characters held in
// consecutive PLC registers from its address, a fixed number of characters
// in one of the built-in font's three sizes. The editor shows a row of "A".
#include <cstdint>
#include <string>

#include "elements/ElementCopy.h"
#include "plc/CAddr.h"

namespace balsar {

class CAsciiGE : public CopyableElement<CAsciiGE> {
    BALSAR_DECLARE_CLASS(CAsciiGE)
public:
    // The compiled record holds the count in one byte.
    static constexpr int32_t kMaxCharCount = 255;

    CAsciiGE();

    // Common prefix, version 1, character count, size index, address.
    void Serialize(Archive& ar) override;
    // Position, 1, 0, 1 (16-bit), the address, 4, the offset of the shared
    // ASCII character table, 1, the reverse flag 0x10, the count, 0.
    void Compile(CompileContext& context) const override;
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;

    void ResetAddress() override { m_addr.ResetIfPortChanged(); }
    void SwapPorts(int32_t a, int32_t b) override { m_addr.SwapPorts(a, b); }

    // Each stores and recomputes the size (doubled while double size is on).
    void SetSizeIndex(int32_t index);
    void SetCharCount(int32_t count);
    int32_t GetSizeIndex() const { return m_sizeIndex; }
    int32_t GetCharCount() const { return m_charCount; }
    const std::string& CharacterSet() const { return m_characterSet; }
    // "A" repeated character-count times.
    std::string Sample() const;
    CAddr& Address() { return m_addr; }
    const CAddr& Address() const { return m_addr; }

private:
    void RecalcSize();

    CAddr m_addr{WIDTH_WORD};
    int32_t m_sizeIndex = 2;
    int32_t m_charCount = 3;
    std::string m_characterSet;
};

// The character counts the page offers for a size on a screen: at least 1,
// at most what the record holds and what fits between the element's left
// edge and the screen's right edge (glyphs twice as wide in double size).
struct CharCountRange {
    int32_t lowest = 1;
    int32_t largest = 1;
};
CharCountRange AsciiCharCountRange(int32_t sizeIndex, int screenWidth, int left = 0, bool doubleSize = false);

} // namespace balsar
