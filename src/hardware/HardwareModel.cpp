#include "hardware/HardwareModel.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "hardware/HardwareStrings.h"
#include "xml/CXmlDocumentWrapper.h"
#include "xml/CXmlNodeListWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

namespace {

bool IsTrue(const CXmlNodeWrapper& node, std::string_view name) { return FlagAttribute(node, name, "true"); }
bool IsEnabled(const CXmlNodeWrapper& node, std::string_view name) { return FlagAttribute(node, name, "Enable"); }

} // namespace

bool HardwareModel::Load(const std::filesystem::path& path, MessageSink& sink) {
    CXmlDocumentWrapper document;
    if (!document.Load(path)) {
        sink.Message(Format(texts::kHardwareErrorLoadXml, path.string().c_str()));
        return false;
    }
    Read(document.RootElement());
    return true;
}

bool HardwareModel::LoadXml(std::string_view xml, const std::string& path, MessageSink& sink) {
    CXmlDocumentWrapper document;
    if (!document.LoadXml(xml)) {
        sink.Message(Format(texts::kHardwareErrorLoadXml, path.c_str()));
        return false;
    }
    Read(document.RootElement());
    return true;
}

void HardwareModel::Read(const CXmlNodeWrapper& root) {
    version = IntAttribute(root, "version");
    id = IntAttribute(root, "id");
    name = root.GetValue("name");
    description = root.GetValue("discription");
    const CXmlNodeWrapper screen = root.FindNode("screen");
    sizeText = screen.GetValue("size");
    resolutionX = IntAttribute(screen, "resolution_x");
    resolutionY = IntAttribute(screen, "resolution_y");
    palette = IntAttribute(screen, "palette");
    const CXmlNodeWrapper hardware = root.FindNode("hardware");
    keyCount = IntAttribute(hardware, "key");
    touch = IsTrue(hardware, "touch");
    encoder = IsTrue(hardware, "encoder");
    hwFile = root.FindNode("HWFile").GetText();
    hwFile2 = root.FindNode("HWFile_2").GetText();

    keys.clear();
    const CXmlNodeListWrapper keyNodes = root.FindNode("keys").FindNodes("key");
    for (int i = 0; i < keyNodes.Count(); ++i) {
        const CXmlNodeWrapper key = keyNodes.Node(i);
        keys.push_back({IntAttribute(key, "id"), key.GetValue("text")});
    }

    ports.clear();
    const CXmlNodeListWrapper portNodes = root.FindNodes("port");
    for (int i = 0; i < portNodes.Count(); ++i) {
        const CXmlNodeWrapper node = portNodes.Node(i);
        HardwarePort port;
        port.number = IntAttribute(node, "id");
        port.type = AsciiLower(node.GetValue("type"));
        port.deviceName = node.GetValue("devicename");
        bool keep = false;
        if (port.type == "serial") {
            port.rs232 = IsEnabled(node, "rs232");
            port.rs485 = IsEnabled(node, "rs485-2");
            port.rs422 = IsEnabled(node, "rs485-4");
            keep = port.rs232 || port.rs485 || port.rs422;
        } else if (port.type == "can") {
            port.can = IsEnabled(node, "can");
            keep = port.can;
        }
        if (keep && port.number >= 0 && port.number <= 3) {
            ports.push_back(std::move(port));
        }
    }
    std::stable_sort(ports.begin(), ports.end(),
                     [](const HardwarePort& a, const HardwarePort& b) { return a.number < b.number; });
}

const HardwarePort* HardwareModel::FindPort(int32_t port) const {
    for (const HardwarePort& entry : ports) {
        if (entry.number == port) {
            return &entry;
        }
    }
    return nullptr;
}

std::string HardwareModel::PortName(int32_t port) const {
    const HardwarePort* entry = FindPort(port);
    return entry ? entry->deviceName : std::string();
}

int32_t HardwareModel::PortNumber(std::string_view deviceName) const {
    for (const HardwarePort& entry : ports) {
        if (entry.deviceName == deviceName) {
            return entry.number;
        }
    }
    return -1;
}

std::string ModelNameLine(const HardwareModel& model) { return Format(texts::kModelName, model.name.c_str()); }

std::string ModelResolutionLine(const HardwareModel& model) {
    return Format(texts::kModelResolution, model.resolutionX, model.resolutionY);
}

std::string ModelSizeLine(const HardwareModel& model) { return Format(texts::kModelSize, model.sizeText.c_str()); }

std::string ModelColourLine(const HardwareModel& model) {
    if (model.palette == 1) {
        return texts::kModelMonochrome;
    }
    // 2^palette colours; a palette no int can count shows 0.
    const int colours = (model.palette >= 0 && model.palette <= 30) ? (1 << model.palette) : 0;
    return Format(texts::kModelColours, colours);
}

std::string ModelKeysLine(const HardwareModel& model) { return Format(texts::kModelKeys, model.keyCount); }

std::string ModelTouchLine(const HardwareModel& model) {
    return model.touch ? texts::kModelTouchYes : texts::kModelTouchNo;
}

std::string ModelEncoderLine(const HardwareModel& model) {
    return model.encoder ? texts::kModelEncoderYes : texts::kModelEncoderNo;
}

std::string ModelPortLine(const HardwarePort& port) {
    if (port.IsCan()) {
        return Format(port.can ? texts::kModelPortSupported : texts::kModelPortNotSupported, port.deviceName.c_str());
    }
    std::string options;
    for (const auto& [supported, label] : {std::pair{port.rs232, "RS232"}, std::pair{port.rs485, "RS485"},
                                           std::pair{port.rs422, "RS422"}}) {
        if (supported) {
            if (!options.empty()) {
                options.push_back('/');
            }
            options.append(label);
        }
    }
    return port.deviceName + ": " + options;
}

std::vector<std::string> ModelDescriptionLines(const HardwareModel& model) {
    std::vector<std::string> lines{ModelNameLine(model),  ModelResolutionLine(model), ModelSizeLine(model),
                                   ModelColourLine(model), ModelKeysLine(model),      ModelTouchLine(model),
                                   ModelEncoderLine(model)};
    for (size_t i = 0; i < model.ports.size() && i < 4; ++i) {
        lines.push_back(ModelPortLine(model.ports[i]));
    }
    return lines;
}

} // namespace balsar
