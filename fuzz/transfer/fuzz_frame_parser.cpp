// Feeds outside bytes to everything that reads replies from the panel: the
// serial frame finder, the datagram and USB acceptance rules, and the panel
// connection judging a reply.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "transfer/Clock.h"
#include "transfer/Frame.h"
#include "transfer/FrameParser.h"
#include "transfer/PanelConnection.h"

namespace {

class NoWaitClock : public caldo::Clock {
public:
    std::chrono::milliseconds Now() override { return std::chrono::milliseconds(0); }
    void Sleep(std::chrono::milliseconds) override {}
};

// A link whose every reply is the fuzz input, stored the way each link stores it.
class ReplayLink : public caldo::CTransferLink {
public:
    ReplayLink(const uint8_t* data, size_t size, bool serial)
        : m_data(data), m_size(size), m_serial(serial) {}
    int MaxPacketSize() override { return 64; }
    bool Close() override { return true; }
    bool Configure(const caldo::CLinkSettings&) override { return true; }
    bool Open() override { return true; }
    bool Send(const uint8_t*, size_t, int) override { return true; }
    bool Receive(uint8_t* buffer, size_t capacity, int, size_t& received) override {
        received = 0;
        if (m_serial) {
            caldo::FrameParser parser(buffer, capacity);
            for (size_t i = 0; i < m_size; ++i) {
                if (parser.Feed(m_data[i]) == caldo::FrameParser::State::Complete) {
                    received = parser.Size();
                    return true;
                }
                if (parser.Finished()) {
                    return false;
                }
            }
            received = parser.Size();
            return true;
        }
        const size_t n = m_size < capacity ? m_size : capacity;
        std::memcpy(buffer, m_data, n);
        size_t length = 0;
        if (!caldo::AcceptReply(buffer, n, caldo::LengthOrder::LowFirst, 5, length)) {
            return false;
        }
        received = length;
        return true;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    bool m_serial;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The serial parser with a capacity taken from the input, into an exact-size heap
    // buffer so any write past it is caught.
    const size_t capacity = size > 0 ? data[0] : 0;
    std::vector<uint8_t> buffer(capacity);
    caldo::FrameParser parser(buffer.data(), capacity);
    for (size_t i = 1; i < size; ++i) {
        parser.Feed(data[i]);
    }

    size_t length = 0;
    caldo::AcceptReply(data, size, caldo::LengthOrder::HighFirst, 1, length);
    caldo::AcceptReply(data, size, caldo::LengthOrder::LowFirst, 5, length);

    NoWaitClock clock;
    for (bool serial : {true, false}) {
        caldo::CPanelConnection connection(clock, [&](const caldo::CLinkSettings&) {
            return std::make_unique<ReplayLink>(data, size, serial);
        });
        if (!connection.Connect({})) {
            continue;
        }
        caldo::PanelInfo info;
        connection.GetPanelInfo(info);
        connection.EnterDownloadMode();
        connection.EraseRegion(2, 1, 1, 1, 1);
        const uint8_t block[3] = {1, 2, 3};
        connection.WriteBlock(0, block);
        connection.VerifyRegion();
    }
    return 0;
}
