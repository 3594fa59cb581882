#include "plc/CCommunication.h"

#include <string>

#include "base/Archive.h"
#include "base/ByteWriter.h"
#include "plc/CommuUtils.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CCommunication, 0, nullptr)

namespace {

const char* const kDataBitTexts[] = {"7", "8"};
const char* const kStopBitTexts[] = {"1", "2"};
const char* const kSerialTypeTexts[] = {"RS232", "RS485"};

template <size_t N> const char* TextAt(const char* const (&table)[N], int32_t index) {
    return (index >= 0 && static_cast<size_t>(index) < N) ? table[index] : "";
}

template <size_t N> void FindText(const char* const (&table)[N], const std::string& text, int32_t& field) {
    for (size_t i = 0; i < N; ++i) {
        if (text == table[i]) {
            field = static_cast<int32_t>(i);
            return;
        }
    }
}

} // namespace

void CCommunication::Serialize(Archive& ar) {
    ar.Value(configured);
    ar.Value(plcId);
    ar.Value(displayId);
    ar.Value(baud);
    ar.Value(dataBits);
    ar.Value(stopBits);
    ar.Value(parity);
    ar.Value(serialType);
    ar.Value(sendMaxLen);
    ar.Value(receiveMaxLen);
}

void CCommunication::XmlSave(CXmlNodeWrapper& parent, int pcComPort) const {
    CXmlNodeWrapper node = parent.InsertNode(parent.NumNodes(), "Communication");
    node.SetValue("DisplayID", static_cast<int32_t>(displayId));
    const bool baudValid = baud >= 0 && baud < 9;
    node.SetValue("BaudRate", baudValid ? std::to_string(CommuUtils::kBaudRates[baud]) : std::string());
    node.SetValue("DataBit", TextAt(kDataBitTexts, dataBits));
    node.SetValue("StopBit", TextAt(kStopBitTexts, stopBits));
    node.SetValue("VerifyBit", parity);
    node.SetValue("SerialType", TextAt(kSerialTypeTexts, serialType));
    node.SetValue("ComPort", static_cast<int32_t>(pcComPort));
    node.SetValue("SendMaxLen", static_cast<int32_t>(sendMaxLen));
    node.SetValue("RevMaxLen", static_cast<int32_t>(receiveMaxLen));
}

void CCommunication::XmlLoad(const CXmlNodeWrapper& node, std::optional<uint8_t> currentPlcId) {
    if (currentPlcId) {
        plcId = *currentPlcId;
    }
    displayId = static_cast<uint8_t>(IntAttribute(node, "DisplayID"));
    const std::string baudText = node.GetValue("BaudRate");
    for (int32_t i = 0; i < 9; ++i) {
        if (baudText == std::to_string(CommuUtils::kBaudRates[i])) {
            baud = i;
        }
    }
    FindText(kDataBitTexts, node.GetValue("DataBit"), dataBits);
    FindText(kStopBitTexts, node.GetValue("StopBit"), stopBits);
    const std::string verify = node.GetValue("VerifyBit");
    if (verify == "0" || verify == "1" || verify == "2") {
        parity = verify[0] - '0';
    }
    FindText(kSerialTypeTexts, node.GetValue("SerialType"), serialType);
    sendMaxLen = static_cast<uint8_t>(IntAttribute(node, "SendMaxLen"));
    receiveMaxLen = static_cast<uint8_t>(IntAttribute(node, "RevMaxLen"));
}

std::array<uint8_t, CCommunication::kBlockSize> CCommunication::Block() const {
    Image bytes;
    AppendBytes(bytes, plcId, 1);
    AppendBytes(bytes, displayId, 1);
    AppendBytes(bytes, 0, 2);
    for (int32_t v : {baud, dataBits, stopBits, parity, serialType}) {
        AppendBytes(bytes, static_cast<uint32_t>(v), 4);
    }
    AppendBytes(bytes, configured, 1);
    AppendBytes(bytes, sendMaxLen, 1);
    AppendBytes(bytes, receiveMaxLen, 1);
    AppendBytes(bytes, 0, 1);
    std::array<uint8_t, kBlockSize> block{};
    std::copy(bytes.begin(), bytes.end(), block.begin());
    return block;
}

} // namespace balsar
