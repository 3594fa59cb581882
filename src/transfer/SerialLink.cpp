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

ssize_t CSerialLink::ReadAvailable(uint8_t* out, size_t max, std::chrono::milliseconds wait) {
    SteadyClock clock;
    const Deadline deadline(clock, wait);
    for (;;) {
        const int ready = WaitUntilReady(m_fd, POLLIN, deadline);
        if (ready <= 0) {
            return ready;
        }
        const ssize_t n = ::read(m_fd, out, max);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        return n;
    }
}

bool CSerialLink::Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) {
    received = 0;
    if (m_fd < 0) {
        return false;
    }
    FrameParser parser(buffer, capacity);
    const auto timeout = UnitsTimeout(timeoutUnits, m_unitMs);
    // Bytes are read in chunks of at most kReadChunk: the first byte of a
    // chunk may take the whole time-out, later ones must follow within
    // kInterByteGap. Every byte goes to the parser as it arrives, so a
    // complete frame ends the reply at once.
    size_t inChunk = 0;
    for (;;) {
        uint8_t bytes[kReadChunk];
        const ssize_t n = ReadAvailable(bytes, kReadChunk - inChunk, inChunk == 0 ? timeout : kInterByteGap);
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            if (inChunk == 0) {
                return false; // nothing arrived in time
            }
            // A short chunk. A pause in the middle of a frame may be a USB
            // serial adapter handing its bytes over in pieces a few
            // milliseconds apart: only a pause longer than kPieceGap ends the
            // reply, and the caller judges what arrived.
            SteadyClock clock;
            if (parser.Size() > 0 && WaitUntilReady(m_fd, POLLIN, Deadline(clock, kPieceGap)) > 0) {
                inChunk = 0;
                continue;
            }
            received = parser.Size();
            return true;
        }
        for (ssize_t i = 0; i < n; ++i) {
            parser.Feed(bytes[i]);
            if (parser.CurrentState() == FrameParser::State::Complete) {
                received = parser.Size();
                return true;
            }
            if (parser.Finished()) {
                return false;
            }
        }
        inChunk = (inChunk + static_cast<size_t>(n)) % kReadChunk; // a full chunk: another read
    }
}

} // namespace caldo
