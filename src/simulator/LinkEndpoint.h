#pragma once
// Where the online simulator reaches the PLC: Modbus TCP at host:port or
// Modbus RTU on a serial device (the line settings come from the image's
// port record).
#include <string>
#include <string_view>

namespace balsar::simulator {

struct LinkEndpoint {
    enum class Kind { Tcp, Serial };
    Kind kind = Kind::Tcp;
    std::string host = "127.0.0.1";
    int tcpPort = 502;
    std::string device;

    // "HOST:PORT" (the port may be left out: 502); false for an empty host
    // or a port outside 1..65535.
    static bool ParseTcp(std::string_view text, LinkEndpoint& out);
    static LinkEndpoint Serial(std::string device);
    // "Modbus TCP 127.0.0.1:502" or "Modbus RTU /dev/ttyUSB0".
    std::string Text() const;
    // What the window remembers: "tcp:HOST:PORT" or "serial:DEVICE".
    std::string Saved() const;
    static bool FromSaved(std::string_view text, LinkEndpoint& out);
};

} // namespace balsar::simulator
