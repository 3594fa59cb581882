// modbus-test-slave: the tests' Modbus slave as a program, to try the online
// simulator by hand or in a script. It serves for a bounded time and stops
// by itself.
//
//   modbus-test-slave (--tcp | --pty) [--station N] [--holding OFFSET=VALUE ...]
//                     [--coil OFFSET=0|1 ...] [--seconds N]
//
// --tcp listens on a free loopback port, --pty on a pseudo-terminal; the
// first line printed is the target to give MirloSpy ("127.0.0.1:PORT" or
// the device path). Offsets count from 0 ("4X 10" is holding offset 9).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "ModbusTestServer.h"

using balsar::simulator::test::ModbusTestServer;

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: modbus-test-slave (--tcp | --pty) [--station N] [--holding OFFSET=VALUE ...]\n"
                 "                         [--coil OFFSET=0|1 ...] [--seconds N]\n");
    return 2;
}

bool Pair(const std::string& text, int& offset, int& value) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
        return false;
    }
    char* end = nullptr;
    offset = static_cast<int>(std::strtol(text.c_str(), &end, 10));
    if (end != text.c_str() + equals || offset < 0 || offset >= 1000) {
        return false;
    }
    value = static_cast<int>(std::strtol(text.c_str() + equals + 1, &end, 0));
    return *end == '\0';
}

} // namespace

int main(int argc, char** argv) {
    ModbusTestServer::Transport transport = ModbusTestServer::Transport::Tcp;
    bool chosen = false;
    int station = 1;
    int seconds = 60;
    std::vector<std::pair<int, int>> holding;
    std::vector<std::pair<int, int>> coils;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        int offset = 0;
        int value = 0;
        if (arg == "--help") {
            Usage();
            return 0;
        } else if (arg == "--tcp" || arg == "--pty") {
            transport = arg == "--tcp" ? ModbusTestServer::Transport::Tcp
                                       : ModbusTestServer::Transport::PseudoTerminal;
            chosen = true;
        } else if (arg == "--station" && i + 1 < argc) {
            station = std::atoi(argv[++i]);
        } else if (arg == "--seconds" && i + 1 < argc) {
            seconds = std::atoi(argv[++i]);
        } else if ((arg == "--holding" || arg == "--coil") && i + 1 < argc &&
                   Pair(argv[++i], offset, value)) {
            (arg == "--holding" ? holding : coils).emplace_back(offset, value);
        } else {
            return Usage();
        }
    }
    if (!chosen || seconds < 1 || seconds > 3600) {
        return Usage();
    }
    ModbusTestServer server(transport, station);
    if (!server.Started()) {
        std::fprintf(stderr, "%s\n", server.Error().c_str());
        return 1;
    }
    server.With([&](modbus_mapping_t& m) {
        for (const auto& [offset, value] : holding) {
            m.tab_registers[offset] = static_cast<uint16_t>(value);
        }
        for (const auto& [offset, value] : coils) {
            m.tab_bits[offset] = value != 0 ? 1 : 0;
        }
    });
    std::printf("%s\n", server.Target().c_str());
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    return 0;
}
