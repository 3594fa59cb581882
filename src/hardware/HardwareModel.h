#pragma once
// A panel hardware model: screen, keys, touch and encoder, communication
// ports with their electrical options, and the GUI program files the
// download package carries. The designer keeps one current model.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace balsar {

class CXmlNodeWrapper;
class MessageSink;

struct HardwarePort {
    int32_t number = 0;
    std::string type;
    std::string deviceName;
    bool rs232 = false;
    bool rs485 = false;
    bool rs422 = false;
    bool can = false;

    bool IsCan() const { return type == "can"; }
    bool operator==(const HardwarePort& other) const = default;
};

struct HardwareKey {
    int32_t code = 0;
    std::string name;
    bool operator==(const HardwareKey& other) const = default;
};

class HardwareModel {
public:
    // Reads a model file. False (with "Error Load XML: %s") when it cannot
    // be loaded; the model then keeps its previous content.
    bool Load(const std::filesystem::path& path, MessageSink& sink);
    // The same from XML text; path names the source in the message.
    bool LoadXml(std::string_view xml, const std::string& path, MessageSink& sink);

    // The device name of a port; empty when the model has no such port.
    std::string PortName(int32_t port) const;
    // The port with that device name; -1 when none has it.
    int32_t PortNumber(std::string_view deviceName) const;
    // The port entry of a number; null when the model has none.
    const HardwarePort* FindPort(int32_t port) const;

    const std::vector<HardwareKey>& Keys() const { return keys; }
    const std::vector<HardwarePort>& Ports() const { return ports; }

    int32_t version = 0;
    int32_t id = -1;
    std::string name;
    std::string description;
    std::string sizeText;
    int32_t resolutionX = 0;
    int32_t resolutionY = 0;
    int32_t palette = 0;
    int32_t keyCount = 0;
    bool touch = false;
    bool encoder = false;
    std::string hwFile;
    std::string hwFile2;
    std::vector<HardwarePort> ports;
    std::vector<HardwareKey> keys;

private:
    void Read(const CXmlNodeWrapper& root);
};

// The model description lines of the new-project wizard: name, resolution,
// size, colours, keys, touch, encoder, then up to four port lines.
std::vector<std::string> ModelDescriptionLines(const HardwareModel& model);
std::string ModelNameLine(const HardwareModel& model);
std::string ModelResolutionLine(const HardwareModel& model);
std::string ModelSizeLine(const HardwareModel& model);
std::string ModelColourLine(const HardwareModel& model);
std::string ModelKeysLine(const HardwareModel& model);
std::string ModelTouchLine(const HardwareModel& model);
std::string ModelEncoderLine(const HardwareModel& model);
// "COM0: RS232/RS485/RS422" for a serial port, "<name>: 支持" for a CAN port.
std::string ModelPortLine(const HardwarePort& port);

} // namespace balsar
