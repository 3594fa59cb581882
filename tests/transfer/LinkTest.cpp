// The serial link over a pseudo-terminal, the UDP link over loopback, and the
// pure parts of the USB link.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>
#include <type_traits>

#include "TransferTestSupport.h"
#include "transfer/SerialLink.h"
#include "transfer/SerialPorts.h"
#include "transfer/UdpLink.h"
#include "transfer/UsbPipeLink.h"

namespace caldo {
namespace {

using Bytes = std::vector<uint8_t>;

// A pseudo-terminal whose slave end the link opens.
class PtyPair {
public:
    PtyPair() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(m_master, 0);
        EXPECT_EQ(::grantpt(m_master), 0);
        EXPECT_EQ(::unlockpt(m_master), 0);
        m_slave = ::ptsname(m_master);
    }
    ~PtyPair() { ::close(m_master); }
    const std::string& SlavePath() const { return m_slave; }
    void Write(const Bytes& b) {
        ASSERT_EQ(::write(m_master, b.data(), b.size()), static_cast<ssize_t>(b.size()));
    }
    Bytes ReadAvailable() {
        Bytes out(256);
        ::usleep(20000);
        const int flags = ::fcntl(m_master, F_GETFL);
        ::fcntl(m_master, F_SETFL, flags | O_NONBLOCK);
        const ssize_t n = ::read(m_master, out.data(), out.size());
        ::fcntl(m_master, F_SETFL, flags);
        out.resize(n > 0 ? static_cast<size_t>(n) : 0);
        return out;
    }

private:
    int m_master = -1;
    std::string m_slave;
};

std::unique_ptr<CSerialLink> OpenSerial(const std::string& device, int baud = 115200) {
    auto link = std::make_unique<CSerialLink>();
    CLinkSettings s;
    s.kind = kLinkSerial;
    s.serialPortName = device;
    s.baudRate = baud;
    link->Configure(s);
    link->SetUnitMilliseconds(100);
    EXPECT_TRUE(link->Open());
    return link;
}

Bytes StatusReply() {
    return {0x5A, 0xA5, 0x00, 0x07, 0x02, 0x01, 0x09};
}

// A reply of the given total length (high byte first) with a valid checksum.
Bytes ReplyOfLength(size_t total) {
    Bytes r{0x5A, 0xA5, static_cast<uint8_t>(total >> 8), static_cast<uint8_t>(total), 0x01, 0x01};
    while (r.size() < total - 1) {
        r.push_back(static_cast<uint8_t>(r.size()));
    }
    uint8_t s = 0;
    for (uint8_t b : r) {
        s = static_cast<uint8_t>(s + b);
    }
    r.push_back(s);
    return r;
}

TEST(TransferSerialLink, SendsWholeFrameAndFindsReplyAfterNoise) {
    PtyPair pty;
    auto link = OpenSerial(pty.SlavePath());
    const Bytes request{0x5A, 0xA5, 0x06, 0x00, 0x01, 0x06};
    ASSERT_TRUE(link->Send(request.data(), request.size(), 1));
    EXPECT_EQ(pty.ReadAvailable(), request); // raw line: nothing translated

    Bytes input{0x00, 0x13, 0x5A, 0x00};
    const Bytes reply = ReplyOfLength(17);
    input.insert(input.end(), reply.begin(), reply.end());
    pty.Write(input);
    Bytes buffer(5020);
    size_t received = 0;
    ASSERT_TRUE(link->Receive(buffer.data(), buffer.size(), 1, received));
    EXPECT_EQ(received, 17u);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 17), reply);
}

TEST(TransferSerialLink, BadChecksumFailsOnFullAndOnShortChunk) {
    PtyPair pty;
    auto link = OpenSerial(pty.SlavePath());
    Bytes buffer(5020);
    size_t received = 0;
    // 20 bytes arrive as two full chunks of 10.
    Bytes full = ReplyOfLength(20);
    full.back() ^= 0x01;
    pty.Write(full);
    EXPECT_FALSE(link->Receive(buffer.data(), buffer.size(), 1, received));
    EXPECT_EQ(received, 0u);
    // 7 bytes arrive as one short chunk.
    Bytes shortFrame = StatusReply();
    shortFrame.back() ^= 0x01;
    pty.Write(shortFrame);
    EXPECT_FALSE(link->Receive(buffer.data(), buffer.size(), 1, received));
}

TEST(TransferSerialLink, ReplyCutShortEndsReceiveWithWhatArrived) {
    PtyPair pty;
    auto link = OpenSerial(pty.SlavePath());
    const Bytes declared16 = ReplyOfLength(16);
    pty.Write(Bytes(declared16.begin(), declared16.begin() + 7));
    Bytes buffer(5020);
    size_t received = 0;
    ASSERT_TRUE(link->Receive(buffer.data(), buffer.size(), 1, received));
    EXPECT_EQ(received, 7u);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 7), Bytes(declared16.begin(), declared16.begin() + 7));
}

TEST(TransferSerialLink, AReplyInTwoPiecesIsOneReply) {
    // A USB serial adapter hands bytes over when its latency timer (16 ms) runs out.
    PtyPair pty;
    auto link = OpenSerial(pty.SlavePath());
    const Bytes reply = ReplyOfLength(25);
    std::thread adapter([&] {
        pty.Write(Bytes(reply.begin(), reply.begin() + 3));
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
        pty.Write(Bytes(reply.begin() + 3, reply.end()));
    });
    Bytes buffer(5020);
    size_t received = 0;
    const bool ok = link->Receive(buffer.data(), buffer.size(), 1, received);
    adapter.join();
    ASSERT_TRUE(ok);
    EXPECT_EQ(received, reply.size());
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + static_cast<long>(received)), reply);
}

TEST(TransferSerialLink, TimeOutAndCapacity) {
    PtyPair pty;
    auto link = OpenSerial(pty.SlavePath());
    Bytes buffer(5020);
    size_t received = 0;
    EXPECT_FALSE(link->Receive(buffer.data(), buffer.size(), 1, received)); // nothing arrives
    // A frame longer than the caller's buffer is refused, not written past it.
    pty.Write(ReplyOfLength(40));
    Bytes small(32, 0xCD);
    EXPECT_FALSE(link->Receive(small.data(), 16, 1, received));
    EXPECT_EQ(small[16], 0xCD);
}

TEST(TransferSerialLink, UnlistedBaudRateKeepsCurrentRate) {
    EXPECT_EQ(BaudRateConstant(14400), 0u);
    EXPECT_EQ(BaudRateConstant(115200), static_cast<speed_t>(B115200));
    EXPECT_EQ(BaudRateConstant(134), static_cast<speed_t>(B134));
    PtyPair pty;
    auto link = OpenSerial(pty.SlavePath(), 14400); // Open still succeeds
    link->Close();
    link->Close(); // safe twice
}

TEST(TransferSerialLink, LineSettingCodes) {
    termios tio{};
    ASSERT_TRUE(ApplyLineSettings(tio, 8, 0, 0));
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS));
    EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF));
    ASSERT_TRUE(ApplyLineSettings(tio, 7, 2, 1));
    EXPECT_TRUE(tio.c_cflag & PARENB);
    EXPECT_FALSE(tio.c_cflag & PARODD);
    EXPECT_TRUE(tio.c_cflag & CSTOPB);
    ASSERT_TRUE(ApplyLineSettings(tio, 8, 3, 2));
    EXPECT_TRUE((tio.c_cflag & (PARENB | CMSPAR | PARODD)) == (PARENB | CMSPAR | PARODD));
    EXPECT_FALSE(ApplyLineSettings(tio, 8, 5, 0));
    EXPECT_FALSE(ApplyLineSettings(tio, 8, 0, 3));
    EXPECT_FALSE(ApplyLineSettings(tio, 9, 0, 0));
}

TEST(TransferSerialLink, OpenFailsForUnknownPort) {
    CSerialLink link;
    CLinkSettings s;
    s.serialPortName = "/nonexistent/ttyX";
    link.Configure(s);
    EXPECT_FALSE(link.Open());
    s.serialPortName = "com0";
    link.Configure(s);
    EXPECT_FALSE(link.Open());
    link.Close();
}

TEST(TransferSerialPorts, StableComNumbering) {
    test::TempDir root;
    const auto dev = root.Path() / "dev";
    std::filesystem::create_directories(dev / "serial/by-id");
    for (const char* name :
         {"ttyS10", "ttyS2", "ttyS3", "ttyUSB1", "ttyUSB0", "ttyACM0", "ttyUSBx", "tty0"}) {
        test::WriteFile(dev / name, {});
    }
    // Only ttyS2 and ttyS10 have hardware behind them.
    std::filesystem::create_directories(root.Path() / "sys/class/tty/ttyS2/device");
    std::filesystem::create_directories(root.Path() / "sys/class/tty/ttyS10/device");
    std::filesystem::create_symlink("../../ttyUSB0", dev / "serial/by-id/usb-Maker_Panel-if00");
    test::WriteFile(dev / "serial/by-id/usb-Other-if00", {}); // a device not listed elsewhere

    const std::vector<std::string> expected{"/dev/ttyS2",   "/dev/ttyS10",
                                            "/dev/ttyUSB0", "/dev/ttyUSB1",
                                            "/dev/ttyACM0", "/dev/serial/by-id/usb-Other-if00"};
    EXPECT_EQ(EnumerateSerialDevices(root.Path()), expected);
    EXPECT_EQ(ResolveSerialPortName("com1", root.Path()), "/dev/ttyS2");
    EXPECT_EQ(ResolveSerialPortName("COM3", root.Path()), "/dev/ttyUSB0");
    EXPECT_EQ(ResolveSerialPortName("com6", root.Path()), "/dev/serial/by-id/usb-Other-if00");
    EXPECT_EQ(ResolveSerialPortName("com7", root.Path()), "");
    EXPECT_EQ(ResolveSerialPortName("com0", root.Path()), "");
    EXPECT_EQ(ResolveSerialPortName("comx", root.Path()), "");
    EXPECT_EQ(ResolveSerialPortName("/dev/ttyUSB9", root.Path()), "/dev/ttyUSB9");
}

// A UDP peer on loopback standing in for the panel.
class UdpPeer {
public:
    UdpPeer() {
        m_fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len);
        m_port = ntohs(a.sin_port);
    }
    ~UdpPeer() { ::close(m_fd); }
    uint16_t Port() const { return m_port; }
    // Receives one datagram and answers it with each of the replies in turn.
    Bytes Answer(const std::vector<Bytes>& replies) {
        Bytes in(2048);
        sockaddr_in from{};
        socklen_t len = sizeof from;
        const ssize_t n = ::recvfrom(m_fd, in.data(), in.size(), 0, reinterpret_cast<sockaddr*>(&from), &len);
        in.resize(n > 0 ? static_cast<size_t>(n) : 0);
        for (const Bytes& r : replies) {
            ::sendto(m_fd, r.data(), r.size(), 0, reinterpret_cast<sockaddr*>(&from), len);
        }
        return in;
    }

private:
    int m_fd = -1;
    uint16_t m_port = 0;
};

std::unique_ptr<CUdpLink> OpenUdp(uint16_t port) {
    auto link = std::make_unique<CUdpLink>();
    CLinkSettings s;
    s.kind = kLinkUdp;
    s.addressText = "127.0.0.1";
    s.portText = std::to_string(port);
    link->Configure(s);
    link->SetUnitMilliseconds(200);
    EXPECT_TRUE(link->Open());
    return link;
}

TEST(TransferUdpLink, ExchangesOneDatagramEachWay) {
    UdpPeer peer;
    auto link = OpenUdp(peer.Port());
    const Bytes request{0x5A, 0xA5, 0x06, 0x00, 0x01, 0x06};
    ASSERT_TRUE(link->Send(request.data(), request.size(), 1));
    EXPECT_EQ(peer.Answer({StatusReply()}), request);
    Bytes buffer(5020);
    size_t received = 0;
    ASSERT_TRUE(link->Receive(buffer.data(), buffer.size(), 1, received));
    EXPECT_EQ(received, 7u);
}

TEST(TransferUdpLink, RejectsBadDatagramsAndTimesOut) {
    UdpPeer peer;
    auto link = OpenUdp(peer.Port());
    Bytes buffer(5020);
    size_t received = 0;
    const Bytes request{0x5A, 0xA5, 0x06, 0x00, 0x01, 0x06};
    Bytes claimsMore = StatusReply();
    claimsMore[3] = 0x09; // length field larger than the datagram
    Bytes badSum = StatusReply();
    badSum[6] ^= 0x10;
    for (const Bytes& reply : {claimsMore, badSum, Bytes{0x5A, 0xA5}}) {
        ASSERT_TRUE(link->Send(request.data(), request.size(), 1));
        peer.Answer({reply});
        EXPECT_FALSE(link->Receive(buffer.data(), buffer.size(), 1, received));
        EXPECT_EQ(received, 0u);
    }
    EXPECT_FALSE(link->Receive(buffer.data(), buffer.size(), 1, received)); // nothing sent: time-out
}

TEST(TransferUdpLink, AddressAndPortText) {
    uint32_t a = 0;
    ASSERT_TRUE(ParseIpv4Text("192.168.1.20", a));
    EXPECT_EQ(a, 0xC0A80114u);
    ASSERT_TRUE(ParseIpv4Text("255.0.0.255", a));
    EXPECT_EQ(a, 0xFF0000FFu);
    EXPECT_FALSE(ParseIpv4Text("300.1.2.3", a)); // names no address; never another host
    EXPECT_FALSE(ParseIpv4Text("192.168.1", a));
    EXPECT_FALSE(ParseIpv4Text("192.168.1.2.5", a));
    EXPECT_FALSE(ParseIpv4Text("192.168..2", a));
    EXPECT_FALSE(ParseIpv4Text("panel.local", a));
    EXPECT_FALSE(ParseIpv4Text("", a));
    uint16_t p = 0;
    ASSERT_TRUE(ParsePortText("5000", p));
    EXPECT_EQ(p, 5000);
    EXPECT_FALSE(ParsePortText("0", p));
    EXPECT_FALSE(ParsePortText("65536", p));
    EXPECT_FALSE(ParsePortText("50a", p));
    EXPECT_FALSE(ParsePortText("", p));

    CUdpLink link;
    CLinkSettings s;
    s.addressText = "10.0.0";
    s.portText = "5000";
    link.Configure(s);
    EXPECT_FALSE(link.Open());
}

TEST(TransferUsbLink, PipeChoiceAndIds) {
    // Interface 0 has only an interrupt endpoint; interface 1 has the bulk pair.
    const std::vector<UsbEndpointInfo> endpoints{
        {0, 0x81, 0x03}, {1, 0x82, 0x02}, {1, 0x83, 0x02}, {1, 0x01, 0x02}, {1, 0x02, 0x02}};
    const auto pipes = ChooseUsbPipes(endpoints);
    ASSERT_TRUE(pipes.has_value());
    EXPECT_EQ(pipes->interfaceNumber, 1);
    EXPECT_EQ(pipes->writeEndpoint, 0x01); // PIPE1: first bulk OUT
    EXPECT_EQ(pipes->readEndpoint, 0x82);  // PIPE0: first bulk IN
    EXPECT_FALSE(ChooseUsbPipes({{0, 0x81, 0x02}}).has_value());

    // The identity's class triple picks the interface; -1 takes any.
    const std::vector<UsbInterfaceInfo> interfaces{
        {0, 0x02, 0x02, 0x01, {{0, 0x81, 0x02}, {0, 0x01, 0x02}}},
        {1, 0xFF, 0x00, 0x00, {{1, 0x83, 0x02}, {1, 0x03, 0x02}}},
    };
    UsbPanelId vendorClass{0x16C0, 0x05DC, false, 0xFF, 0x00, 0x00};
    ASSERT_TRUE(ChooseUsbInterface(interfaces, vendorClass).has_value());
    EXPECT_EQ(ChooseUsbInterface(interfaces, vendorClass)->interfaceNumber, 1);
    EXPECT_EQ(ChooseUsbInterface(interfaces, vendorClass)->readEndpoint, 0x83);
    UsbPanelId any{0x16C0, 0x05DC, false, -1, -1, -1};
    EXPECT_EQ(ChooseUsbInterface(interfaces, any)->interfaceNumber, 0);
    UsbPanelId otherProtocol{0x16C0, 0x05DC, false, 0xFF, 0x00, 0x01};
    EXPECT_FALSE(ChooseUsbInterface(interfaces, otherProtocol).has_value());

    const std::vector<UsbPanelId> ids{{0x16C0, 0x05DC, false}, {0x16C0, 0x05DD, true}};
    ASSERT_NE(FindUsbPanelId(ids, 0x16C0, 0x05DD), nullptr);
    EXPECT_TRUE(FindUsbPanelId(ids, 0x16C0, 0x05DD)->bootloader);
    EXPECT_EQ(FindUsbPanelId(ids, 0x16C0, 0x05DE), nullptr);

    uint16_t v = 0, p = 0;
    ASSERT_TRUE(ParseUsbId("16c0:05DC", v, p));
    EXPECT_EQ(v, 0x16C0);
    EXPECT_EQ(p, 0x05DC);
    ASSERT_TRUE(ParseUsbId("0x1234:0xabcd", v, p));
    EXPECT_EQ(p, 0xABCD);
    EXPECT_FALSE(ParseUsbId("12345:1", v, p));
    EXPECT_FALSE(ParseUsbId("1234", v, p));
    EXPECT_FALSE(ParseUsbId("12g4:1", v, p));
}

TEST(TransferUsbLink, OperationsOnALinkThatDidNotOpen) {
    CUsbPipeLink link;
    CLinkSettings s;
    EXPECT_FALSE(link.Open()); // no identity to look for
    s.usbIds.push_back({0xFFFE, 0xFFFE}); // no such device on a test machine
    link.Configure(s);
    EXPECT_FALSE(link.Open());
    Bytes buffer(5020);
    size_t received = 7;
    EXPECT_FALSE(link.Receive(buffer.data(), buffer.size(), 1, received));
    EXPECT_EQ(received, 0u);
    EXPECT_TRUE(link.Close());
    EXPECT_TRUE(link.Close());
}

TEST(TransferCreateLink, KindsAndPacketSizes) {
    // No link operation has a default that reports success.
    static_assert(std::is_abstract_v<CTransferLink>);
    CLinkSettings s;
    s.kind = kLinkUdp;
    EXPECT_EQ(CreateLink(s)->MaxPacketSize(), 1024);
    s.kind = kLinkUsb;
    EXPECT_EQ(CreateLink(s)->MaxPacketSize(), 64);
    s.kind = kLinkSerial;
    EXPECT_EQ(CreateLink(s)->MaxPacketSize(), 512);
    s.kind = 0;
    EXPECT_EQ(CreateLink(s), nullptr);
    s.kind = 4;
    EXPECT_EQ(CreateLink(s), nullptr);
}

} // namespace
} // namespace caldo
