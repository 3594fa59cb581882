#include "PtyServer.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
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

// Writes bytes as a paced line delivers them to the reader: in pieces of about
// a millisecond of the line, each when its last byte has crossed the line.
// The line may start sending at start (the end of the request it answers).
void WritePaced(int fd, const uint8_t* data, size_t size, LinePacer& pacer, LinePacer::TimePoint start) {
    if (pacer.ByteTime().count() == 0) {
        WriteAll(fd, data, size);
        return;
    }
    const size_t piece = std::max<size_t>(1, std::chrono::nanoseconds(std::chrono::milliseconds(1)) / pacer.ByteTime());
    for (size_t done = 0; done < size;) {
        const size_t n = std::min(piece, size - done);
        std::this_thread::sleep_until(pacer.Outbound(n, start));
        WriteAll(fd, data + done, n);
        done += n;
    }
}

void SendReply(int fd, const Bytes& reply, const PtyLine& line, LinePacer& pacer, LinePacer::TimePoint start) {
    if (line.splitReplyMs <= 0 || reply.size() < 2) {
        WritePaced(fd, reply.data(), reply.size(), pacer, start);
        return;
    }
    // The adapter hands over what it holds when its latency timer runs out.
    const size_t first = reply.size() / 2;
    WritePaced(fd, reply.data(), first, pacer, start);
    std::this_thread::sleep_for(std::chrono::milliseconds(line.splitReplyMs));
    WritePaced(fd, reply.data() + first, reply.size() - first, pacer, std::chrono::steady_clock::now());
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
    if (line.baudRate > 0) {
        ::prctl(PR_SET_TIMERSLACK, 1UL); // the line's timing to the microsecond
    }
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
        // The bytes are the panel's only when the line has carried them: its
        // reply starts then, and the wait for the request and for the reply is
        // one sleep.
        const auto arrived = pacer.Inbound(static_cast<size_t>(n), std::chrono::steady_clock::now());
        for (const auto& frame : splitter.Feed(buffer, static_cast<size_t>(n))) {
            SendReply(master, respond(frame), line, pacer, arrived);
        }
    }
}

} // namespace panelsim
