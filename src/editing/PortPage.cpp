#include "editing/PortPage.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "base/Text.h"
#include "plc/CommuUtils.h"
#include "plc/PlcStrings.h"
#include "plc/ProtocolKeywords.h"
#include "plc/ProtocolLibrary.h"
#include "xml/XmlConvert.h"

namespace balsar {

std::vector<std::string> PcComPortChoices() {
    std::vector<std::string> choices;
    for (int i = 1; i <= 9; ++i) {
        choices.push_back("com" + std::to_string(i));
    }
    return choices;
}

int PcComPortChoiceIndex(int storedPort) { return (storedPort >= 1 && storedPort <= 9) ? storedPort - 1 : 0; }

int PcComPortFromChoice(int index) { return std::clamp(index, 0, 8) + 1; }

PortPage::PortPage(const ProtocolLibrary& library, SerialOptions options) : m_library(library), m_options(options) {}

std::vector<std::string> PortPage::ManufacturerChoices() const {
    std::vector<std::string> choices{texts::kPortNotUsed};
    m_library.ManufacturerNames(choices);
    return choices;
}

std::vector<std::string> PortPage::SerialTypeChoices() const {
    std::vector<std::string> choices;
    if (m_options.rs232) {
        choices.push_back("RS232");
    }
    if (m_options.rs485) {
        choices.push_back("RS485");
    }
    if (m_options.rs422) {
        choices.push_back("RS422");
    }
    return choices;
}

std::vector<std::string> PortPage::BaudChoices() {
    std::vector<std::string> choices;
    for (uint32_t rate : CommuUtils::kBaudRates) {
        choices.push_back(std::to_string(rate));
    }
    return choices;
}

std::vector<std::string> PortPage::DataBitChoices() { return {"7", "8"}; }
std::vector<std::string> PortPage::ParityChoices() { return {texts::kParityNone, texts::kParityOdd, texts::kParityEven}; }
std::vector<std::string> PortPage::StopBitChoices() { return {"1", "2"}; }

void PortPage::Open(const CPortCom& stored, MessageSink& sink) {
    int manufacturer = -1;
    int device = -1;
    if (stored.enabled == 0 || !m_library.FindProtocol(stored.protocolId, manufacturer, device)) {
        ChooseManufacturer(0, sink);
        return;
    }
    SelectManufacturer(manufacturer);
    m_device = device;
    m_protocol.Load(m_library.ProtocolPath(manufacturer, device), sink);
    serialTypeText = ProtocolKeywords::SerialTypeName(stored.serialType);
    baud = stored.baud;
    dataBits = stored.dataBits;
    parity = stored.parity;
    stopBits = stored.stopBits;
    m_stationText = std::to_string(stored.station);
    advanced = stored.Advanced();
}

void PortPage::ChooseManufacturer(int choice, MessageSink& sink) {
    if (choice <= 0 || static_cast<size_t>(choice) > m_library.Manufacturers().size()) {
        m_used = false;
        m_manufacturer = -1;
        m_devices.clear();
        m_device = -1;
        return;
    }
    SelectManufacturer(choice - 1);
    if (!m_devices.empty()) {
        ChooseDevice(0, sink);
    }
}

void PortPage::SelectManufacturer(int manufacturer) {
    m_used = true;
    m_manufacturer = manufacturer;
    m_devices.clear();
    m_library.ProtocolNames(manufacturer, m_devices);
    m_device = -1;
}

bool PortPage::ChooseDevice(int device, MessageSink& sink) {
    ProtocolDescription loaded;
    if (!m_used || !loaded.Load(m_library.ProtocolPath(m_manufacturer, device), sink)) {
        return false;
    }
    m_device = device;
    m_protocol = std::move(loaded);
    ApplyLineDefaults();
    advanced = AdvancedPortSettings::Defaults(m_protocol);
    return true;
}

void PortPage::ApplyLineDefaults() {
    serialTypeText = ProtocolKeywords::SerialTypeName(m_protocol.defaultSerialType);
    const std::vector<std::string> offered = SerialTypeChoices();
    if (std::find(offered.begin(), offered.end(), serialTypeText) == offered.end() && !offered.empty()) {
        // The port cannot do the protocol's default: take what it offers.
        serialTypeText = offered.front();
    }
    baud = m_protocol.defaultBaud;
    dataBits = m_protocol.defaultDataBits;
    parity = m_protocol.defaultParity;
    stopBits = m_protocol.defaultStopBits;
    m_stationText.assign(1, '1');
}

void PortPage::RestoreDefaults() {
    if (m_used && m_device >= 0) {
        ApplyLineDefaults();
    }
}

void PortPage::StationFocusLost() {
    if (m_stationText.empty()) {
        m_stationText.assign(1, '1');
    }
}

bool PortPage::CheckStation(MessageSink& sink) {
    if (!StationEnabled() || m_protocol.stationMax < m_protocol.stationMin) {
        return true;
    }
    const int64_t value = m_stationText.empty() ? 1 : LeadingInt(m_stationText);
    if (value >= m_protocol.stationMin && value <= m_protocol.stationMax) {
        return true;
    }
    sink.Message(Format("%s ( %d-%d )", texts::kInputOutOfRangeAllowed, m_protocol.stationMin, m_protocol.stationMax),
                 MessageKind::Warning, texts::kInputOutOfRangeCaption);
    m_stationText = std::to_string(std::clamp<int64_t>(value, m_protocol.stationMin, m_protocol.stationMax));
    return false;
}

std::array<std::string, 7> PortPage::CompatibleModelLines() const {
    std::array<std::string, 7> lines;
    for (size_t i = 0; i < lines.size() && i < m_protocol.supportedModels.size(); ++i) {
        lines[i] = m_protocol.supportedModels[i];
    }
    return lines;
}

void PortPage::Store(CPortCom& port, MessageSink& sink) const {
    if (!m_used || m_device < 0) {
        port.enabled = 0;
        return;
    }
    port.enabled = 1;
    port.protocolId = m_library.Manufacturers()[static_cast<size_t>(m_manufacturer)]
                          .protocols[static_cast<size_t>(m_device)]
                          .id;
    port.serialType = ProtocolKeywords::SerialType(serialTypeText, sink);
    port.baud = baud;
    port.dataBits = dataBits;
    port.parity = parity;
    port.stopBits = stopBits;
    port.hasStation = m_protocol.isSlave;
    if (port.hasStation != 0) {
        port.station = m_stationText.empty() ? 1 : LeadingInt(m_stationText);
    }
    port.Advanced() = advanced;
}

} // namespace balsar
