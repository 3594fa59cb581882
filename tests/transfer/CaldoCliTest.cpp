// The command line of caldo-cli.
#include <gtest/gtest.h>

#include "cli/CaldoCli.h"

namespace caldo {
namespace {

bool Parse(const std::vector<std::string>& args, CaldoCliCommand& c) {
    std::string error;
    return ParseCaldoCliArgs(args, c, error);
}

TEST(TransferCaldoCliArgs, Links) {
    CaldoCliCommand c;
    ASSERT_TRUE(Parse({"download", "p.qk", "--udp", "192.168.0.7:5000"}, c));
    EXPECT_EQ(c.options.packagePath, "p.qk");
    EXPECT_EQ(c.options.link.kind, kLinkUdp);
    EXPECT_EQ(c.options.link.addressText, "192.168.0.7");
    EXPECT_EQ(c.options.link.portText, "5000");
    EXPECT_FALSE(c.options.forceGuiUpdate);

    CaldoCliCommand s;
    ASSERT_TRUE(Parse({"download", "--serial", "com2", "p.qk", "--force-gui"}, s));
    EXPECT_EQ(s.options.link.kind, kLinkSerial);
    EXPECT_EQ(s.options.link.serialPortName, "com2");
    EXPECT_EQ(s.options.link.baudRate, 115200);
    EXPECT_TRUE(s.options.forceGuiUpdate);

    CaldoCliCommand u;
    ASSERT_TRUE(Parse({"download", "p.qk", "--usb"}, u));
    EXPECT_EQ(u.options.link.kind, kLinkUsb);
    EXPECT_EQ(u.options.link.usbVendorId, kDefaultUsbVendorId);
    CaldoCliCommand v;
    ASSERT_TRUE(Parse({"download", "p.qk", "--usb", "1234:abcd", "--force-gui"}, v));
    EXPECT_EQ(v.options.link.usbVendorId, 0x1234);
    EXPECT_EQ(v.options.link.usbProductId, 0xABCD);
    EXPECT_TRUE(v.options.forceGuiUpdate);
}

TEST(TransferCaldoCliArgs, UsageErrors) {
    const std::vector<std::vector<std::string>> bad{
        {},
        {"upload", "p.qk", "--usb"},
        {"download", "--usb"},
        {"download", "p.qk"},
        {"download", "p.qk", "--udp"},
        {"download", "p.qk", "--udp", "host"},
        {"download", "p.qk", "--udp", "host:"},
        {"download", "p.qk", "--usb", "--serial", "com1"},
        {"download", "p.qk", "--usb", "zz:1"},
        {"download", "p.qk", "q.qk", "--usb"},
        {"download", "p.qk", "--usb", "--fast"},
    };
    for (const auto& args : bad) {
        CaldoCliCommand c;
        std::string error;
        EXPECT_FALSE(ParseCaldoCliArgs(args, c, error)) << ::testing::PrintToString(args);
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(RunCaldoCli({"download"}), 2);
}

} // namespace
} // namespace caldo
