#pragma once
// The names behind an image's device registers. The image names a device
// register by port and register identifier only; the protocol bound to the
// port (the port record's protocol ID, looked up in the protocol library)
// gives the register type: its name ("4X", "0X", "4X.B", ...), number base
// and sub-address.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "plc/ProtocolDescription.h"
#include "plc/RegisterType.h"
#include "runtime/AddressRecord.h"
#include "runtime/PanelImage.h"

namespace balsar {
class MessageSink;
class ProtocolLibrary;
} // namespace balsar

namespace balsar::simulator {

class PortRegisters {
public:
    // Takes the image's port records and loads the protocol of each from
    // the library; a protocol ID the library does not know is reported
    // through the sink and leaves that port without register names.
    void Load(const std::vector<runtime::PortRecord>& ports, const ProtocolLibrary& library,
              MessageSink& sink);
    // A port with its protocol (tests).
    void Add(const runtime::PortRecord& port, const ProtocolDescription& protocol);

    const runtime::PortRecord* Port(uint8_t port) const;
    const ProtocolDescription* Protocol(uint8_t port) const;
    // The register type of a device address; null when unknown.
    const RegisterType* TypeOf(const runtime::AddressRecord& address) const;
    std::vector<runtime::PortRecord> Ports() const;

    // "COM0", or "LOCAL" for the panel's own registers.
    static std::string PortName(uint8_t port);
    // "4X 100", "4X.B 12.A" (address and sub-address in the type's bases),
    // "LW12" for the panel's own registers; a register the protocol does
    // not name reads "register 7 100".
    std::string RegisterText(const runtime::AddressRecord& address) const;
    // The port name and the register text: "COM0 4X 100", "LW12".
    std::string Text(const runtime::AddressRecord& address) const;

private:
    struct Entry {
        runtime::PortRecord record;
        ProtocolDescription protocol;
        bool named = false;
    };
    std::map<uint8_t, Entry> m_ports;
};

} // namespace balsar::simulator
