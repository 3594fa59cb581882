#include "simulator/PortRegisters.h"

#include "plc/AddressText.h"
#include "plc/ProtocolLibrary.h"

namespace balsar::simulator {

namespace {

const RegisterType* FindById(const std::vector<RegisterType>& types, int32_t id) {
    for (const RegisterType& type : types) {
        if ((type.id & 0xFF) == id) {
            return &type;
        }
    }
    return nullptr;
}

} // namespace

void PortRegisters::Load(const std::vector<runtime::PortRecord>& ports, const ProtocolLibrary& library,
                         MessageSink& sink) {
    m_ports.clear();
    for (const runtime::PortRecord& port : ports) {
        Entry entry;
        entry.record = port;
        entry.named = library.LoadPortProtocol(entry.protocol, port.protocolId, sink);
        m_ports[port.port] = std::move(entry);
    }
}

void PortRegisters::Add(const runtime::PortRecord& port, const ProtocolDescription& protocol) {
    m_ports[port.port] = Entry{port, protocol, true};
}

const runtime::PortRecord* PortRegisters::Port(uint8_t port) const {
    const auto it = m_ports.find(port);
    return it != m_ports.end() ? &it->second.record : nullptr;
}

const ProtocolDescription* PortRegisters::Protocol(uint8_t port) const {
    const auto it = m_ports.find(port);
    return it != m_ports.end() && it->second.named ? &it->second.protocol : nullptr;
}

std::vector<runtime::PortRecord> PortRegisters::Ports() const {
    std::vector<runtime::PortRecord> ports;
    for (const auto& [number, entry] : m_ports) {
        ports.push_back(entry.record);
    }
    return ports;
}

const RegisterType* PortRegisters::TypeOf(const runtime::AddressRecord& address) const {
    const ProtocolDescription* protocol = address.IsLocal() ? nullptr : Protocol(address.port);
    if (protocol == nullptr) {
        return nullptr;
    }
    // The same identifier in the list of the address's value size first.
    const int32_t id = address.registerId;
    const std::vector<RegisterType>* first = address.IsBit()          ? &protocol->BitTypes()
                                             : address.IsDoubleWord() ? &protocol->DwordTypes()
                                                                      : &protocol->WordTypes();
    if (const RegisterType* type = FindById(*first, id)) {
        return type;
    }
    for (const auto* list : {&protocol->BitTypes(), &protocol->WordTypes(), &protocol->DwordTypes()}) {
        if (const RegisterType* type = FindById(*list, id)) {
            return type;
        }
    }
    return nullptr;
}

std::string PortRegisters::PortName(uint8_t port) {
    return port == runtime::kLocalPort ? "LOCAL" : "COM" + std::to_string(port);
}

std::string PortRegisters::RegisterText(const runtime::AddressRecord& address) const {
    if (address.IsLocal()) {
        return address.Text();
    }
    const RegisterType* type = TypeOf(address);
    if (type == nullptr) {
        return "register " + std::to_string(address.registerId) + " " + std::to_string(address.linear);
    }
    if (type->hasSub && type->subLength > 0 && type->subLength < 32) {
        const uint32_t word = address.linear >> type->subLength;
        const uint32_t sub = address.linear & ((1u << type->subLength) - 1);
        return type->name + " " + NumberText(word, type->addressBase) + "." + NumberText(sub, type->subBase);
    }
    return type->name + " " + NumberText(address.linear, type->addressBase);
}

std::string PortRegisters::Text(const runtime::AddressRecord& address) const {
    if (address.IsLocal()) {
        return address.Text();
    }
    return PortName(address.port) + " " + RegisterText(address);
}

} // namespace balsar::simulator
