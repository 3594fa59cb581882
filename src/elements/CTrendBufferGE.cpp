#include "elements/CTrendBufferGE.h"

#include "base/Archive.h"
#include "elements/ElementKinds.h"
#include "elements/GraphKindStrings.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CTrendBufferGE, 0, &CGraphElement::StaticClass())

CTrendBufferGE::CTrendBufferGE() : CopyableElement(KIND_TREND_BUFFER) {}

void CTrendBufferGE::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 1;
    ar.Value(version);
    ar.Value(reserved);
    ar.Value(bufferId);
    ar.Value(plotCount);
    ar.Value(dataMode);
    ar.Value(samplingTime);
    ar.Value(lowerLimit);
    ar.Value(upperLimit);
    m_addr.Serialize(ar);
}

void CTrendBufferGE::XmlSave(CXmlNodeWrapper& parts) const {
    CGraphElement::XmlSave(parts);
    CXmlNodeWrapper part = parts.GetNode(parts.NumNodes() - 1);
    CXmlNodeWrapper trend = part.InsertNode(part.NumNodes(), "Trend");
    trend.SetValue("BufferID", static_cast<int32_t>(bufferId));
    if (dataMode >= MODE_OCT && dataMode <= MODE_DEC_SIGN) {
        trend.SetValue("DataMode", strings::kDataModeNames[dataMode]);
    }
    trend.SetValue("PlotNum", plotCount);
    trend.SetValue("SamplingTime", samplingTime);
    trend.SetValueV("UpperLimit", "%ld", static_cast<long>(static_cast<int32_t>(upperLimit)));
    trend.SetValueV("LowerLimit", "%ld", static_cast<long>(static_cast<int32_t>(lowerLimit)));
    CXmlNodeWrapper reg = trend.InsertNode(0, "Reg");
    m_addr.XmlSave(reg);
}

bool CTrendBufferGE::XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink) {
    if (!CGraphElement::XmlLoad(part, sink)) {
        return false;
    }
    const CXmlNodeWrapper child = part.FindNode("Trend");
    const CXmlNodeWrapper& node = child ? child : part;
    bufferId = static_cast<uint8_t>(IntAttribute(node, "BufferID"));
    plotCount = IntAttribute(node, "PlotNum");
    const std::string mode = node.GetValue("DataMode");
    for (int32_t i = MODE_OCT; i <= MODE_DEC_SIGN; ++i) {
        if (mode == strings::kDataModeNames[i]) {
            dataMode = i;
        }
    }
    samplingTime = IntAttribute(node, "SamplingTime");
    upperLimit = IntAttribute(node, "UpperLimit");
    lowerLimit = IntAttribute(node, "LowerLimit");
    const CXmlNodeWrapper reg = node.FindNode("Reg");
    if (!reg) {
        return false;
    }
    m_addr.XmlLoad(reg, m_description.Get());
    return true;
}

void CTrendBufferGE::ChangeDataMode(int32_t mode, int valueBytes) {
    const bool wasSigned = dataMode == MODE_DEC_SIGN;
    const bool toSigned = mode == MODE_DEC_SIGN;
    if (toSigned && (dataMode == MODE_DEC || dataMode == MODE_HEX)) {
        const BufferRange range = TrendBufferRange(valueBytes, MODE_DEC_SIGN);
        if (upperLimit > range.largest) {
            upperLimit = range.largest;
        }
    } else if (wasSigned && !toSigned && lowerLimit < 0) {
        lowerLimit = 0;
    }
    dataMode = mode;
}

BufferRange TrendBufferRange(int valueBytes, int32_t mode) {
    const bool isSigned = mode == CTrendBufferGE::MODE_DEC_SIGN;
    switch (valueBytes) {
    case 1:
        return isSigned ? BufferRange{-128, 127} : BufferRange{0, 255};
    case 2:
        return isSigned ? BufferRange{-32768, 32767} : BufferRange{0, 65535};
    default:
        return isSigned ? BufferRange{-2147483648LL, 2147483647LL} : BufferRange{0, 4294967295LL};
    }
}

} // namespace balsar
