#include "transfer/UdpLink.h"

#include <arpa/inet.h>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "transfer/Clock.h"
#include "transfer/FdWait.h"
#include "transfer/Frame.h"

namespace caldo {

namespace {

bool ParseDecimal(const std::string& text, size_t& pos, unsigned long& value) {
    const size_t start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (value < 1000000) {
            value = value * 10 + static_cast<unsigned long>(text[pos] - '0');
        }
        ++pos;
    }
    return pos > start;
}

} // namespace

bool ParseIpv4Text(const std::string& text, uint32_t& hostOrderAddress) {
    size_t pos = 0;
    uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.') {
                return false;
            }
            ++pos;
        }
        unsigned long value = 0;
        // A part above 255 names no address; taking its low bits would send
        // the frames to some other host.
        if (!ParseDecimal(text, pos, value) || value > 255) {
            return false;
        }
        address = (address << 8) | static_cast<uint32_t>(value);
    }
    if (pos != text.size()) {
        return false;
    }
    hostOrderAddress = address;
    return true;
}

bool ParsePortText(const std::string& text, uint16_t& port) {
    size_t pos = 0;
    unsigned long value = 0;
    if (!ParseDecimal(text, pos, value) || pos != text.size() || value == 0 || value > 0xFFFF) {
        return false;
    }
    port = static_cast<uint16_t>(value);
    return true;
}

bool CUdpLink::Configure(const CLinkSettings& settings) {
    m_addressText = settings.addressText;
    m_portText = settings.portText;
    return true;
}

bool CUdpLink::Open() {
    uint32_t address = 0;
    uint16_t port = 0;
    if (!ParseIpv4Text(m_addressText, address) || !ParsePortText(m_portText, port)) {
        return false;
    }
    m_panel = {};
    m_panel.sin_family = AF_INET;
    m_panel.sin_addr.s_addr = htonl(address);
    m_panel.sin_port = htons(port);
    m_socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    return m_socket >= 0;
}

bool CUdpLink::Close() {
    if (m_socket >= 0) {
        ::close(m_socket);
        m_socket = -1;
    }
    return true;
}

bool CUdpLink::Send(const uint8_t* data, size_t length, int /*timeoutUnits*/) {
    if (m_socket < 0) {
        return false;
    }
    const ssize_t sent = RetryOnInterrupt([&] {
        return ::sendto(m_socket, data, length, 0, reinterpret_cast<const sockaddr*>(&m_panel),
                        sizeof m_panel);
    });
    return sent >= 0;
}

bool CUdpLink::Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) {
    received = 0;
    if (m_socket < 0) {
        return false;
    }
    SteadyClock clock;
    if (WaitUntilReady(m_socket, POLLIN, Deadline(clock, UnitsTimeout(timeoutUnits, m_unitMs))) <= 0) {
        return false;
    }
    const ssize_t got =
        RetryOnInterrupt([&] { return ::recvfrom(m_socket, buffer, capacity, 0, nullptr, nullptr); });
    if (got <= 0) {
        return false;
    }
    size_t frameLength = 0;
    if (!AcceptReply(buffer, static_cast<size_t>(got), LengthOrder::HighFirst, 1, frameLength)) {
        return false;
    }
    received = frameLength;
    return true;
}

} // namespace caldo
