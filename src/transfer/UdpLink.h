// UDP link: one datagram per frame to the panel's IPv4 address and port.
#pragma once

#include <netinet/in.h>

#include <string>

#include "transfer/TransferLink.h"

namespace caldo {

// Parses dotted IPv4 text: four decimal numbers 0..255. Fails on missing or
// empty parts, parts above 255, or characters other than digits and dots.
bool ParseIpv4Text(const std::string& text, uint32_t& hostOrderAddress);
// Parses a decimal UDP port 1..65535.
bool ParsePortText(const std::string& text, uint16_t& port);

class CUdpLink : public CTransferLink {
public:
    static constexpr int kMaxPacket = 1024;
    ~CUdpLink() override { Close(); }
    int MaxPacketSize() override { return kMaxPacket; }
    bool Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) override;
    bool Close() override;
    bool Configure(const CLinkSettings& settings) override;
    bool Open() override;
    bool Send(const uint8_t* data, size_t length, int timeoutUnits) override;

    // Milliseconds per time-out unit (500 ms; tests shorten it).
    void SetUnitMilliseconds(int ms) { m_unitMs = ms; }

private:
    std::string m_addressText;
    std::string m_portText;
    sockaddr_in m_panel{};
    int m_socket = -1;
    int m_unitMs = 500;
};

} // namespace caldo
