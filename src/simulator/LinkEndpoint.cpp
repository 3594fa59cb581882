#include "simulator/LinkEndpoint.h"

#include <charconv>

namespace balsar::simulator {

bool LinkEndpoint::ParseTcp(std::string_view text, LinkEndpoint& out) {
    LinkEndpoint endpoint;
    endpoint.kind = Kind::Tcp;
    const size_t colon = text.rfind(':');
    std::string_view host = text;
    if (colon != std::string_view::npos) {
        host = text.substr(0, colon);
        const std::string_view port = text.substr(colon + 1);
        int value = 0;
        const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (ec != std::errc() || end != port.data() + port.size() || value < 1 || value > 65535) {
            return false;
        }
        endpoint.tcpPort = value;
    }
    if (host.empty()) {
        return false;
    }
    endpoint.host = std::string(host);
    out = endpoint;
    return true;
}

LinkEndpoint LinkEndpoint::Serial(std::string device) {
    LinkEndpoint endpoint;
    endpoint.kind = Kind::Serial;
    endpoint.device = std::move(device);
    return endpoint;
}

std::string LinkEndpoint::Text() const {
    if (kind == Kind::Serial) {
        return "Modbus RTU " + device;
    }
    return "Modbus TCP " + host + ":" + std::to_string(tcpPort);
}

std::string LinkEndpoint::Saved() const {
    return kind == Kind::Serial ? "serial:" + device : "tcp:" + host + ":" + std::to_string(tcpPort);
}

bool LinkEndpoint::FromSaved(std::string_view text, LinkEndpoint& out) {
    if (text.starts_with("serial:") && text.size() > 7) {
        out = Serial(std::string(text.substr(7)));
        return true;
    }
    if (text.starts_with("tcp:")) {
        return ParseTcp(text.substr(4), out);
    }
    return false;
}

} // namespace balsar::simulator
