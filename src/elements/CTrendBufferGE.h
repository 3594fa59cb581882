#pragma once
// The trend data buffer of the older XML project form ("Cache"): a numbered
// buffer in which the panel keeps the samples of one register, with its plot
// count, number mode, sampling time and value limits. Its register is an
// older address record.
#include <cstdint>

#include "elements/ElementCopy.h"
#include "plc/CPLCAddr.h"

namespace balsar {

struct LegacyPlcDescription;

class CTrendBufferGE : public CopyableElement<CTrendBufferGE> {
    BALSAR_DECLARE_CLASS(CTrendBufferGE)
public:
    enum DataMode : int32_t { MODE_OCT = 0, MODE_DEC = 1, MODE_HEX = 2, MODE_DEC_SIGN = 3 };

    CTrendBufferGE();

    // Common prefix, version 1, the fields in declaration order, the address.
    void Serialize(Archive& ar) override;
    // A "Trend" child appended to the element's node with "BufferID",
    // "DataMode", "PlotNum", "SamplingTime", "UpperLimit", "LowerLimit"
    // (low 32 bits) and a "Reg" child first holding the address.
    void XmlSave(CXmlNodeWrapper& parts) const override;
    // Reads the same from the "Trend" child (or from the node itself when it
    // has none); false without "Reg".
    bool XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink) override;

    // The older catalogue description the address's type is looked up in
    // while loading; none keeps the address's numbers only.
    void SetLegacyDescription(const LegacyPlcDescription* description) { m_description.Set(description); }

    // A mode change keeps the limits inside the new mode's range: to
    // "DEC_SIGN" from "DEC" or "HEX" lowers an upper limit above the signed
    // maximum, from "DEC_SIGN" to another mode raises a negative lower limit
    // to 0. valueBytes: the address's value size (1, 2 or 4).
    void ChangeDataMode(int32_t mode, int valueBytes);

    CPLCAddr& Address() { return m_addr; }
    const CPLCAddr& Address() const { return m_addr; }

    int32_t reserved = 0;
    uint8_t bufferId = 1;
    int32_t plotCount = 0;
    int32_t dataMode = MODE_DEC;
    int32_t samplingTime = 0;
    int64_t lowerLimit = 0;
    int64_t upperLimit = 0;

private:
    CPLCAddr m_addr{1};
    ProjectLink<const LegacyPlcDescription> m_description;
};

// The limits a buffer's values may take for a value size (1, 2 or 4 bytes)
// and mode: signed for "DEC_SIGN", else from 0.
struct BufferRange {
    int64_t lowest = 0;
    int64_t largest = 0;
};
BufferRange TrendBufferRange(int valueBytes, int32_t mode);

} // namespace balsar
