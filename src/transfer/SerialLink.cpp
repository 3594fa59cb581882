#include "transfer/SerialLink.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "transfer/Clock.h"
#include "transfer/FdWait.h"
#include "transfer/FrameParser.h"
#include "transfer/SerialPorts.h"

namespace caldo {

speed_t BaudRateConstant(int32_t baudRate) {
    switch (baudRate) {
    case 115200:
        return B115200;
    case 57600:
        return B57600;
    case 38400:
        return B38400;
    case 19200:
        return B19200;
    case 9600:
        return B9600;
    case 4800:
        return B4800;
    case 2400:
        return B2400;
    case 1200:
        return B1200;
    case 300:
        return B300;
    case 150:
        return B150;
    case 134:
        return B134;
    case 110:
        return B110;
    case 75:
        return B75;
    default:
        return 0;
    }
}

bool ApplyLineSettings(termios& tio, int dataBits, int parity, int stopBits) {
    tcflag_t size;
    switch (dataBits) {
    case 5:
        size = CS5;
        break;
    case 6:
        size = CS6;
        break;
    case 7:
        size = CS7;
        break;
    case 8:
        size = CS8;
        break;
    default:
        return false;
    }
    if (parity < 0 || parity > 4 || stopBits < 0 || stopBits > 2) {
        return false;
    }
    // Binary mode: no input or output processing, no XON/XOFF, no echo, no signals.
    tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                                          IXOFF | IXANY | INPCK);
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    // No hardware flow control; modem lines are ignored.
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= size | CREAD | CLOCAL;
    switch (parity) {
    case 1:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case 2:
        tio.c_cflag |= PARENB;
        break;
    case 3:
        tio.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case 4:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    if (parity != 0) {
        tio.c_iflag |= INPCK;
    }
    if (stopBits != 0) {
        tio.c_cflag |= CSTOPB;
    }
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return true;
}

bool CSerialLink::Configure(const CLinkSettings& settings) {
    m_portName = settings.serialPortName;
    m_baudRate = settings.baudRate;
    return true;
}

bool CSerialLink::Open() {
    const std::string device = ResolveSerialPortName(m_portName);
    if (device.empty()) {
        return false;
    }
    m_fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        return false;
    }
    termios tio{};
    bool ok = ::tcgetattr(m_fd, &tio) == 0;
    if (ok) {
        // A rate outside the table leaves the port's current rate.
        if (const speed_t speed = BaudRateConstant(m_baudRate); speed != 0) {
            ok = ::cfsetispeed(&tio, speed) == 0 && ::cfsetospeed(&tio, speed) == 0;
        }
    }
    ok = ok && ApplyLineSettings(tio, 8, 0, 0) && ::tcsetattr(m_fd, TCSANOW, &tio) == 0;
    if (!ok) {
        Close();
        return false;
    }
    // DTR and RTS are not used: opening the port raised them, so they go low
    // again. A line without modem-control lines (a pseudo-terminal) refuses
    // the request, which does no harm.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(m_fd, TIOCMBIC, &lines);
    // Bytes left from an earlier connection (a late reply) are not this
    // connection's replies.
    ::tcflush(m_fd, TCIOFLUSH);
    return true;
}

bool CSerialLink::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    return true;
}

bool CSerialLink::Send(const uint8_t* data, size_t length, int timeoutUnits) {
    if (m_fd < 0) {
        return false;
    }
    SteadyClock clock;
    const Deadline deadline(clock, UnitsTimeout(timeoutUnits, m_unitMs));
    size_t done = 0;
    while (done < length) {
        const ssize_t n = RetryOnInterrupt([&] { return ::write(m_fd, data + done, length - done); });
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            return false;
        }
        const int ready = WaitUntilReady(m_fd, POLLOUT, deadline);
        if (ready == 0) {
            break; // write time-out: the frame goes out short and shows up as a missing reply
        }
        if (ready < 0) {
            return false;
        }
    }
    return true;
}

ssize_t CSerialLink::ReadChunk(uint8_t* out, size_t max, std::chrono::milliseconds timeout) {
    SteadyClock clock;
    const Deadline deadline(clock, timeout);
    size_t got = 0;
    while (got < max) {
        // The first byte may take the whole time; later ones must follow within 1 ms.
        const auto wait = got == 0 ? deadline.Remaining() : std::min(kInterByteGap, deadline.Remaining());
        const int ready = WaitUntilReady(m_fd, POLLIN, Deadline(clock, wait));
        if (ready < 0) {
            return -1;
        }
        if (ready == 0) {
            break;
        }
        const ssize_t n = ::read(m_fd, out + got, max - got);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

bool CSerialLink::Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) {
    received = 0;
    if (m_fd < 0) {
        return false;
    }
    FrameParser parser(buffer, capacity);
    const auto timeout = UnitsTimeout(timeoutUnits, m_unitMs);
    SteadyClock clock;
    for (;;) {
        uint8_t chunk[kReadChunk];
        const ssize_t n = ReadChunk(chunk, kReadChunk, timeout);
        if (n <= 0) {
            return false;
        }
        for (ssize_t i = 0; i < n; ++i) {
            parser.Feed(chunk[i]);
            if (parser.CurrentState() == FrameParser::State::Complete) {
                received = parser.Size();
                return true;
            }
            if (parser.Finished()) {
                return false;
            }
        }
        if (static_cast<size_t>(n) < kReadChunk) {
            // A pause in the middle of a frame: a USB serial adapter hands its
            // bytes over in pieces a few milliseconds apart. Only a pause
            // longer than kPieceGap ends the reply; the caller judges what
            // arrived.
            if (parser.Size() > 0 && WaitUntilReady(m_fd, POLLIN, Deadline(clock, kPieceGap)) > 0) {
                continue;
            }
            received = parser.Size();
            return true;
        }
    }
}

} // namespace caldo
