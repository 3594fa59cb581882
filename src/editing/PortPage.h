#pragma once
// The logic of one serial port page of the communication dialog, without
// its window: the lists it offers, the defaults a chosen protocol brings,
// "恢复默认" and what storing the page writes into the port.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "plc/AdvancedPortSettings.h"
#include "plc/CPortCom.h"
#include "plc/ProtocolDescription.h"

namespace balsar {

class MessageSink;
class ProtocolLibrary;

// The electrical options a panel port supports.
struct SerialOptions {
    bool rs232 = true;
    bool rs485 = true;
    bool rs422 = true;
};

// The PC serial port selection: entries "com1" to "com9"; a stored number
// of 10 or more (or below 1) shows the first entry. The chosen entry's
// position + 1 is stored.
std::vector<std::string> PcComPortChoices();
int PcComPortChoiceIndex(int storedPort);
int PcComPortFromChoice(int index);

class PortPage {
public:
    PortPage(const ProtocolLibrary& library, SerialOptions options);

    // "(未使用)" followed by the manufacturer names.
    std::vector<std::string> ManufacturerChoices() const;
    // "RS232", "RS485", "RS422", each only when the port supports it.
    std::vector<std::string> SerialTypeChoices() const;
    static std::vector<std::string> BaudChoices();
    static std::vector<std::string> DataBitChoices();
    static std::vector<std::string> ParityChoices();
    static std::vector<std::string> StopBitChoices();

    // Shows a stored port: selects its manufacturer and device by protocol
    // ID ("(未使用)" when the port is not enabled or the ID is unknown).
    void Open(const CPortCom& stored, MessageSink& sink);
    // Position in ManufacturerChoices(); 0 marks the port not used.
    void ChooseManufacturer(int choice, MessageSink& sink);
    // The position in ManufacturerChoices() of the chosen manufacturer; 0
    // when the port is not used.
    int ManufacturerChoice() const { return m_used && m_manufacturer >= 0 ? m_manufacturer + 1 : 0; }
    // Loads the chosen protocol and applies its defaults. False (page
    // unchanged) when the file fails.
    bool ChooseDevice(int device, MessageSink& sink);
    // "恢复默认": the protocol's line defaults and station "1"; the advanced
    // values stay.
    void RestoreDefaults();
    // The station field: enabled only for slave protocols; an empty field
    // becomes "1" when it loses the focus.
    bool StationEnabled() const { return m_used && m_protocol.isSlave != 0; }
    void SetStationText(const std::string& text) { m_stationText = text; }
    void StationFocusLost();
    // A station outside the protocol's range shows "输入越界,可输入范围
    // ( min-max )" and the field takes the nearest allowed number. True
    // when the field was within the range (or is not used).
    bool CheckStation(MessageSink& sink);
    const std::string& StationText() const { return m_stationText; }
    // The first seven compatible models, empty lines after the last.
    std::array<std::string, 7> CompatibleModelLines() const;
    // Writes the page into a port (its index is kept).
    void Store(CPortCom& port, MessageSink& sink) const;

    bool Used() const { return m_used; }
    int Manufacturer() const { return m_manufacturer; }
    int Device() const { return m_device; }
    const ProtocolDescription& Protocol() const { return m_protocol; }
    const std::vector<std::string>& Devices() const { return m_devices; }

    // The page's current list selections and values.
    std::string serialTypeText;
    int32_t baud = 0;
    int32_t dataBits = 0;
    int32_t parity = 0;
    int32_t stopBits = 0;
    AdvancedPortSettings advanced;

private:
    // Marks the port used and lists the manufacturer's devices, none chosen.
    void SelectManufacturer(int manufacturer);
    void ApplyLineDefaults();

    const ProtocolLibrary& m_library;
    SerialOptions m_options;
    bool m_used = false;
    int m_manufacturer = -1;
    int m_device = -1;
    std::vector<std::string> m_devices;
    ProtocolDescription m_protocol;
    std::string m_stationText = "1";
};

} // namespace balsar
