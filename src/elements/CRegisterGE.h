#pragma once
// A register element: shows a PLC register as a number and, when input is
// allowed, lets the operator enter a new value within optional limits.
#include <cstdint>

#include "elements/ElementCopy.h"
#include "elements/RegisterFormat.h"
#include "plc/CAddr.h"

namespace balsar {

class CRegisterGE : public CopyableElement<CRegisterGE> {
    BALSAR_DECLARE_CLASS(CRegisterGE)
public:
    enum Alignment : int32_t { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTRE = 2 };

    CRegisterGE();

    // Common prefix, version 3 and the attributes (alignment from version
    // 2, keep level from version 3), then the address.
    void Serialize(Archive& ar) override;
    // Position, address, the attribute word with the optional limit and
    // scaling values, the level word, and the shared character table of
    // the type's characters.
    void Compile(CompileContext& context) const override;
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;
    // Legacy XML: "Trait", "Reg" and "Limit" children.
    void XmlSave(CXmlNodeWrapper& parts) const override;
    bool XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink) override;

    void ResetAddress() override { m_addr.ResetIfPortChanged(); }
    void SwapPorts(int32_t a, int32_t b) override { m_addr.SwapPorts(a, b); }
    // Outside the ordered selection without input; 1 until an order is set.
    int32_t GetOrder() const override;

    // Width and height from the sample (doubled with double size).
    void RecalcSize(FontEngine* fonts);
    std::string Sample() const { return DisplaySample(m_format); }
    // The attribute word of the compiled record.
    uint32_t AttributeWord() const;

    // Changing the format or the size recomputes the size.
    void SetFormat(const RegisterFormat& format, FontEngine* fonts);
    void SetSizeIndex(int32_t index, FontEngine* fonts);
    const RegisterFormat& GetFormat() const { return m_format; }
    int32_t GetSizeIndex() const { return m_sizeIndex; }
    CAddr& Address() { return m_addr; }
    const CAddr& Address() const { return m_addr; }

    uint8_t passwordLevel = 0;
    double inputUpper = 9999.0;
    double inputLower = 0.0;
    double scaleUpper = 9999.0;
    double scaleLower = 0.0;
    int32_t alignment = ALIGN_RIGHT;
    int32_t keepLevel = 0;

private:
    PanelRect ComputedRect(FontEngine* fonts) const;
    void AppendLimitValue(Image& image, double value) const;

    CAddr m_addr{WIDTH_WORD};
    RegisterFormat m_format;
    int32_t m_sizeIndex = 2;
};

} // namespace balsar
