#include "PtyServer.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "LinePacer.h"

namespace panelsim {

namespace {

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t w = ::write(fd, data + done, size - done);
        if (w < 0 && errno == EINTR) {
            continue;
        }
        if (w <= 0) {
            return false;
        }
        done += static_cast<size_t>(w);
    }
    return true;
}

// Writes bytes as a paced line delivers them: each one when its last bit has
// crossed the line.
void WritePaced(int fd, const uint8_t* data, size_t size, LinePacer& pacer) {
    if (pacer.ByteTime().count() == 0) {
        WriteAll(fd, data, size);
        return;
    }
    for (size_t i = 0; i < size; ++i) {
        std::this_thread::sleep_until(pacer.Outbound(1, std::chrono::steady_clock::now()));
        WriteAll(fd, data + i, 1);
    }
}

void SendReply(int fd, const Bytes& reply, const PtyLine& line, LinePacer& pacer) {
    if (line.splitReplyMs <= 0 || reply.size() < 2) {
        WritePaced(fd, reply.data(), reply.size(), pacer);
        return;
    }
    // The adapter hands over what it holds when its latency timer runs out.
    const size_t first = reply.size() / 2;
    WritePaced(fd, reply.data(), first, pacer);
    std::this_thread::sleep_for(std::chrono::milliseconds(line.splitReplyMs));
    WritePaced(fd, reply.data() + first, reply.size() - first, pacer);
}

} // namespace

int ServePty(const PtyLine& line, const Responder& respond) {
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
    LinePacer pacer(line.baudRate);
    RequestSplitter splitter;
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
        // The bytes are the panel's only when the line has carried them.
        std::this_thread::sleep_until(pacer.Inbound(static_cast<size_t>(n), std::chrono::steady_clock::now()));
        for (const auto& frame : splitter.Feed(buffer, static_cast<size_t>(n))) {
            SendReply(master, respond(frame), line, pacer);
        }
    }
}

} // namespace panelsim
