// panel-emulator: a simulated text panel on UDP (loopback) or a pseudo-terminal.
//   panel-emulator (--udp PORT | --pty) [--model N] [--mode app|boot] [--gui-version N]
//                  [--out DIR] [--drop-reply N] [--corrupt-checksum N] [--noise N]
//                  [--short-reply N] [--fail-verify N] [--slow-restart MS] [--log]
// The first line on stdout says where the panel listens: "udp 127.0.0.1 PORT" or
// "pty /dev/pts/N". Replies are counted from 1 over the emulator's lifetime.
#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>

#include "PanelModel.h"

namespace {

constexpr char kUsage[] =
    "usage: panel-emulator (--udp PORT | --pty) [--model N] [--mode app|boot] [--gui-version N] [--out DIR]\n"
    "       [--drop-reply N] [--corrupt-checksum N] [--noise N] [--short-reply N] [--fail-verify N]\n"
    "       [--slow-restart MS] [--log]\n";

bool g_log = false;

void Log(const char* direction, const panelsim::Bytes& bytes) {
    if (!g_log) {
        return;
    }
    std::fprintf(stderr, "%s", direction);
    for (size_t i = 0; i < bytes.size() && i < 24; ++i) {
        std::fprintf(stderr, " %02X", bytes[i]);
    }
    std::fprintf(stderr, bytes.size() > 24 ? " ... (%zu bytes)\n" : " (%zu bytes)\n", bytes.size());
}

bool ParseInt(const char* text, long min, long max, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 0);
    return errno == 0 && end != text && *end == '\0' && value >= min && value <= max;
}

int RunUdp(panelsim::PanelModel& panel, uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        std::perror("socket");
        return 1;
    }
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        std::perror("bind");
        return 1;
    }
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    std::printf("udp 127.0.0.1 %u\n", ntohs(addr.sin_port));
    std::fflush(stdout);
    panelsim::Bytes buffer(65536);
    for (;;) {
        sockaddr_in from{};
        socklen_t fromLen = sizeof from;
        const ssize_t n =
            ::recvfrom(fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::perror("recvfrom");
            return 1;
        }
        panelsim::Bytes frame(buffer.begin(), buffer.begin() + n);
        Log("<-", frame);
        if (!panelsim::PanelModel::FrameIsValid(frame)) {
            continue;
        }
        const panelsim::Bytes reply = panel.Handle(frame, std::chrono::steady_clock::now());
        Log("->", reply);
        if (!reply.empty()) {
            ::sendto(fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), fromLen);
        }
    }
}

int RunPty(panelsim::PanelModel& panel) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("posix_openpt");
        return 1;
    }
    const char* slaveName = ::ptsname(master);
    if (!slaveName) {
        std::perror("ptsname");
        return 1;
    }
    const std::string slavePath = slaveName;
    // Holding the slave open keeps the master readable while no client is
    // connected, and a raw line keeps the terminal from echoing or translating.
    const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        std::perror("open pty");
        return 1;
    }
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave, TCSANOW, &tio);
    std::printf("pty %s\n", slavePath.c_str());
    std::fflush(stdout);
    panelsim::RequestSplitter splitter;
    uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            std::perror("read pty");
            return 1;
        }
        for (const auto& frame : splitter.Feed(buffer, static_cast<size_t>(n))) {
            Log("<-", frame);
            const panelsim::Bytes reply = panel.Handle(frame, std::chrono::steady_clock::now());
            Log("->", reply);
            size_t done = 0;
            while (done < reply.size()) {
                const ssize_t w = ::write(master, reply.data() + done, reply.size() - done);
                if (w < 0 && errno == EINTR) {
                    continue;
                }
                if (w <= 0) {
                    break;
                }
                done += static_cast<size_t>(w);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    panelsim::Config config;
    bool udp = false, pty = false;
    long port = 0;
    // The options that take a number: its range and where it goes.
    struct NumberOption {
        const char* name;
        long min, max;
        std::function<void(long)> set;
    };
    const auto count = [](int& target) { return [&target](long v) { target = static_cast<int>(v); }; };
    const NumberOption numberOptions[] = {
        {"--udp", 0, 65535,
         [&](long v) {
             udp = true;
             port = v;
         }},
        {"--model", 0, 65535, [&](long v) { config.model = static_cast<uint16_t>(v); }},
        {"--gui-version", 0, 65535, [&](long v) { config.guiVersion = static_cast<uint16_t>(v); }},
        {"--drop-reply", 1, 1000000, count(config.faults.dropReply)},
        {"--corrupt-checksum", 1, 1000000, count(config.faults.corruptChecksum)},
        {"--noise", 1, 1000000, count(config.faults.noiseBefore)},
        {"--short-reply", 1, 1000000, count(config.faults.shortReply)},
        {"--fail-verify", 1, 1000000, count(config.faults.failVerify)},
        {"--slow-restart", 0, 3600000, count(config.faults.slowRestartMs)},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto number = std::find_if(std::begin(numberOptions), std::end(numberOptions),
                                         [&](const NumberOption& o) { return a == o.name; });
        if (number != std::end(numberOptions)) {
            long value = 0;
            if (i + 1 >= argc || !ParseInt(argv[i + 1], number->min, number->max, value)) {
                std::fprintf(stderr, "panel-emulator: %s needs a number\n%s", a.c_str(), kUsage);
                return 2;
            }
            ++i;
            number->set(value);
        } else if (a == "--pty") {
            pty = true;
        } else if (a == "--mode" && i + 1 < argc) {
            const std::string mode = argv[++i];
            if (mode != "app" && mode != "boot") {
                std::fprintf(stderr, "panel-emulator: --mode is app or boot\n%s", kUsage);
                return 2;
            }
            config.bootMode = mode == "boot";
        } else if (a == "--out" && i + 1 < argc) {
            config.outDir = argv[++i];
        } else if (a == "--log") {
            g_log = true;
        } else {
            std::fprintf(stderr, "panel-emulator: unknown argument %s\n%s", a.c_str(), kUsage);
            return 2;
        }
    }
    if (udp == pty) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    panelsim::PanelModel panel(config);
    return udp ? RunUdp(panel, static_cast<uint16_t>(port)) : RunPty(panel);
}
