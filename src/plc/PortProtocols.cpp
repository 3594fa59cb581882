#include "plc/PortProtocols.h"

#include "plc/ProtocolLibrary.h"

namespace balsar {

ProtocolDescription* PortProtocols::PortProtocol(int port) {
    return (port >= 0 && port < 4) ? &m_ports[static_cast<size_t>(port)] : nullptr;
}

const ProtocolDescription* PortProtocols::PortProtocol(int port) const {
    return (port >= 0 && port < 4) ? &m_ports[static_cast<size_t>(port)] : nullptr;
}

void PortProtocols::Reload(const std::array<int32_t, 4>& protocolIds, const ProtocolLibrary& library,
                           MessageSink& sink) {
    for (size_t i = 0; i < m_ports.size(); ++i) {
        library.LoadPortProtocol(m_ports[i], protocolIds[i], sink);
    }
}

void PortProtocols::Clear() { m_ports = {}; }

} // namespace balsar
