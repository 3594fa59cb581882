#include "plc/PLCAddrType.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "base/Utf.h"
#include "plc/AddressText.h"
#include "plc/PlcStrings.h"
#include "xml/CXmlDocumentWrapper.h"
#include "xml/CXmlNodeListWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

namespace {

int32_t BaseOf(const std::string& text, int32_t fallback) {
    const std::string upper = AsciiUpper(text);
    if (upper == "OCT") {
        return BASE_OCT;
    }
    if (upper == "DEC") {
        return BASE_DEC;
    }
    if (upper == "HEX") {
        return BASE_HEX;
    }
    if (upper == "DEC_SIGN") {
        return BASE_DEC_SIGN;
    }
    return fallback;
}

bool IsYes(const std::string& text) {
    const std::string lower = AsciiLower(text);
    return lower == "yes" || lower == "true" || lower == "1";
}

// A field's value parsed in its base and held inside the field's type.
int64_t FieldValue(const CXmlNodeWrapper& node, std::string_view name, int32_t base, int64_t fallback,
                   int64_t limit) {
    const std::string text = node.GetValue(name);
    int64_t value = 0;
    if (text.empty() || !ParseFieldText(text, base, value)) {
        return fallback;
    }
    return std::clamp<int64_t>(value, 0, limit);
}

void ReadField(const CXmlNodeWrapper& node, AddrField& field, int64_t limit) {
    if (!node.GetValue("Visible").empty()) {
        field.visible = IsYes(node.GetValue("Visible"));
    }
    field.base = BaseOf(node.GetValue("DataMode"), field.base);
    field.minValue = FieldValue(node, "MinValue", field.base, field.minValue, limit);
    field.maxValue = FieldValue(node, "MaxValue", field.base, field.maxValue, limit);
    field.express = node.GetValue("Express");
}

LegacyPlcDescription::Field ReadDescriptionField(const CXmlNodeWrapper& node) {
    return {IsYes(node.GetValue("Visible")), BaseOf(node.GetValue("DataMode"), BASE_DEC),
            IntAttribute(node, "MinValue"), IntAttribute(node, "MaxValue"), IntAttribute(node, "DefaultValue")};
}

bool ReadTypes(const CXmlNodeWrapper& list, std::vector<PLCAddrType>& types, MessageSink& sink) {
    for (int i = 0; i < list.NumNodes(); ++i) {
        const CXmlNodeWrapper child = list.GetNode(i);
        if (child.Name().empty()) {
            continue;
        }
        PLCAddrType type;
        if (!type.LoadXml(child, sink)) {
            return false;
        }
        types.push_back(std::move(type));
    }
    return true;
}

} // namespace

bool PLCAddrType::LoadXml(const CXmlNodeWrapper& node, MessageSink& sink) {
    const std::string nodeName = node.Name();
    kind = nodeName == "Wire" ? 0 : 1;
    typeName = node.GetValue("TypeName");
    typeValue = static_cast<uint8_t>(IntAttribute(node, "TypeValue"));
    if (!node.GetValue("BitWidth").empty()) {
        bitWidth = static_cast<uint8_t>(IntAttribute(node, "BitWidth"));
    }
    addrInc = static_cast<uint8_t>(IntAttribute(node, "AddrInc"));
    const std::string mode = AsciiUpper(node.GetValue("OptMode"));
    optMode = mode == "OM_WRITE" ? OM_WRITE : mode == "OM_READWRITE" ? OM_READWRITE : OM_READ;

    const CXmlNodeWrapper addrNode = node.FindNode("Addr");
    if (!addrNode) {
        sink.Message(texts::kAddrTypeFindAddr);
        return false;
    }
    ReadField(addrNode, addr, 0xFFFF);
    addr.visible = true;
    const CXmlNodeWrapper subNode = node.FindNode("SubAddr");
    if (!subNode) {
        sink.Message(texts::kAddrTypeFindSubAddr);
        return false;
    }
    ReadField(subNode, subAddr, 0xFF);
    if (kind == 0) {
        ReadField(node.FindNode("ShiftAddr"), shiftAddr, 0xFF);
        if (!node.FindNode("ShiftAddr")) {
            shiftAddr.visible = false;
        }
    } else {
        const CXmlNodeListWrapper nums = node.FindNode("RegNum").FindNodes("Num");
        for (int i = 0; i < nums.Count(); ++i) {
            regNums.push_back(static_cast<uint8_t>(IntText(nums.Node(i))));
        }
        hasRegNum = !regNums.empty();
    }
    return true;
}

bool LegacyPlcDescription::LoadXml(const CXmlNodeWrapper& node, MessageSink& sink) {
    id = IntAttribute(node, "ID");
    name = node.GetValue("Name");
    version = IntAttribute(node, "Verison");
    const CXmlNodeWrapper commu = node.FindNode("Commu");
    if (!commu) {
        sink.Message(texts::kPlcFindCommu);
        return false;
    }
    baudRate = IntAttribute(commu, "BaudRate");
    dataBit = IntAttribute(commu, "DataBit");
    stopBit = IntAttribute(commu, "StopBit");
    const std::string verify = AsciiUpper(commu.GetValue("VerifyBit"));
    verifyBit = verify == "ODD" ? 1 : verify == "EVEN" ? 2 : 0;
    serialType = IntAttribute(commu, "SerialType");
    const CXmlNodeWrapper stationNode = node.FindNode("Station");
    if (!stationNode) {
        sink.Message(texts::kPlcStationMissing);
        return false;
    }
    station = ReadDescriptionField(stationNode);
    const CXmlNodeWrapper displayNode = node.FindNode("Display");
    if (!displayNode) {
        sink.Message(texts::kPlcFindDisplay);
        return false;
    }
    display = ReadDescriptionField(displayNode);
    const CXmlNodeWrapper wiresNode = node.FindNode("Wires");
    if (!wiresNode) {
        sink.Message(texts::kPlcFindWires);
        return false;
    }
    const CXmlNodeWrapper alarmNode = node.FindNode("AlarmList");
    if (!alarmNode) {
        sink.Message(texts::kPlcFindAlarmList);
        return false;
    }
    return ReadTypes(wiresNode, wires, sink) && ReadTypes(node.FindNode("Regs"), regs, sink) &&
           ReadTypes(alarmNode, alarms, sink);
}

std::vector<const PLCAddrType*> LegacyPlcDescription::TypesFor(int32_t kind, int32_t access) const {
    std::vector<const PLCAddrType*> result;
    auto collect = [&](const LegacyPlcDescription& description) {
        const std::vector<PLCAddrType>& list =
            kind == 0 ? description.wires : kind == 1 ? description.regs : description.alarms;
        for (const PLCAddrType& type : list) {
            if (kind == 2 || access == OM_ANY || type.optMode == access || type.optMode == OM_READWRITE) {
                result.push_back(&type);
            }
        }
    };
    for (const LegacyPlcDescription* child : children) {
        collect(*child);
    }
    collect(*this);
    return result;
}

const PLCAddrType* LegacyPlcDescription::FindType(int32_t kind, std::string_view typeName) const {
    for (const PLCAddrType* type : TypesFor(kind, OM_ANY)) {
        if (type->typeName == typeName) {
            return type;
        }
    }
    return nullptr;
}

void LegacyPlcCatalog::LoadXml(const CXmlNodeWrapper& plcs, MessageSink& sink) {
    const CXmlNodeListWrapper list = plcs.FindNodes("PLC");
    for (int i = 0; i < list.Count(); ++i) {
        auto description = std::make_unique<LegacyPlcDescription>();
        if (description->LoadXml(list.Node(i), sink)) {
            description->id &= 0xFF;
            m_descriptions.push_back(std::move(description));
        }
    }
    const LegacyPlcDescription* local = Find(0);
    for (auto& description : m_descriptions) {
        if (local != nullptr && description->id != 0 && description->name != "Local") {
            description->children.push_back(local);
        }
    }
}

bool LegacyPlcCatalog::LoadXmlText(std::string_view xml, MessageSink& sink) {
    CXmlDocumentWrapper document;
    if (!document.LoadXml(xml)) {
        return false;
    }
    LoadXml(document.AsNode().FindNode("PLCS"), sink);
    return true;
}

const LegacyPlcDescription* LegacyPlcCatalog::Find(int32_t id) const {
    for (const auto& description : m_descriptions) {
        if (description->id == id) {
            return description.get();
        }
    }
    return nullptr;
}

} // namespace balsar
