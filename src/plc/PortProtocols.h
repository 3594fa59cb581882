#pragma once
// The protocol description loaded for each of the four communication ports.
// Each starts empty and is replaced in place when its port is reloaded.
#include <array>
#include <cstdint>

#include "plc/ProtocolDescription.h"

namespace balsar {

class MessageSink;
class ProtocolLibrary;

class PortProtocols {
public:
    // The description of port 0..3; null for any other value.
    ProtocolDescription* PortProtocol(int port);
    const ProtocolDescription* PortProtocol(int port) const;
    // Reloads every port from its protocol ID. An ID the library does not
    // know leaves that port's description as it was.
    void Reload(const std::array<int32_t, 4>& protocolIds, const ProtocolLibrary& library, MessageSink& sink);
    // Back to four empty descriptions.
    void Clear();

private:
    std::array<ProtocolDescription, 4> m_ports;
};

} // namespace balsar
