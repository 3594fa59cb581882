// Serial link over a termios device.
#pragma once

#include <termios.h>

#include <chrono>
#include <string>

#include "transfer/TransferLink.h"

namespace caldo {

// The termios speed constant of a supported baud rate, or 0 when the rate is not
// one of 115200, 57600, 38400, 19200, 9600, 4800, 2400, 1200, 300, 150, 134, 110, 75.
speed_t BaudRateConstant(int32_t baudRate);

// Writes data bits (5..8), parity (0 none, 1 odd, 2 even, 3 mark, 4 space) and
// stop bits (0 one, 1 or 2 two) into tio, and sets a raw binary line without
// flow control or modem-control handshakes. Returns false for an out-of-range code.
bool ApplyLineSettings(termios& tio, int dataBits, int parity, int stopBits);

class CSerialLink : public CTransferLink {
public:
    static constexpr int kMaxPacket = 512;
    static constexpr size_t kReadChunk = 10;
    static constexpr std::chrono::milliseconds kInterByteGap{1};
    // The longest pause inside one reply: USB serial adapters deliver bytes
    // after their latency timer (16 ms by default).
    static constexpr std::chrono::milliseconds kPieceGap{50};

    ~CSerialLink() override { Close(); }
    int MaxPacketSize() override { return kMaxPacket; }
    bool Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) override;
    bool Close() override;
    bool Configure(const CLinkSettings& settings) override;
    bool Open() override;
    bool Send(const uint8_t* data, size_t length, int timeoutUnits) override;

    // Milliseconds per time-out unit (500 ms; tests shorten it).
    void SetUnitMilliseconds(int ms) { m_unitMs = ms; }

private:
    // Reads what is there, up to max bytes, waiting up to wait for the first.
    // 0 when nothing came in time (or the line closed), -1 on an error.
    ssize_t ReadAvailable(uint8_t* out, size_t max, std::chrono::milliseconds wait);

    std::string m_portName;
    int32_t m_baudRate = 115200;
    int m_fd = -1;
    int m_unitMs = 500;
};

} // namespace caldo
