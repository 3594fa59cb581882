// The command line of CaldoLoader and CaldoTransfer.
#include <gtest/gtest.h>

#include "transfer/TransferCommandLine.h"

namespace caldo {
namespace {

TEST(TransferCommandLine, OptionsNeedMoreThanThreeArguments) {
    // Program name, "-f" and a path: the options are not read.
    EXPECT_EQ(ParseTransferCommandLine({"CaldoLoader", "-f", "/p/a.qk"}).packagePath, "");
    // With "-D" in front the path counts.
    const auto c = ParseTransferCommandLine({"CaldoLoader", "-D", "-f", "/p/a.qk"});
    EXPECT_EQ(c.packagePath, "/p/a.qk");
    EXPECT_EQ(c.direction, TransferDirection::Download);
}

TEST(TransferCommandLine, DirectionsAndLastF) {
    auto c = ParseTransferCommandLine({"CaldoTransfer", "-u", "-F", "x.qk", "extra"});
    EXPECT_EQ(c.direction, TransferDirection::Upload);
    EXPECT_EQ(c.packagePath, "x.qk");
    c = ParseTransferCommandLine({"CaldoTransfer", "-U", "-d", "-f", "y.qk"});
    EXPECT_EQ(c.direction, TransferDirection::Download);
    // "-f" as the last argument leaves the path empty.
    c = ParseTransferCommandLine({"CaldoTransfer", "-D", "ignored", "-f"});
    EXPECT_EQ(c.packagePath, "");
    // The path after "-f" is consumed even when it looks like an option.
    c = ParseTransferCommandLine({"CaldoTransfer", "-D", "-f", "-U"});
    EXPECT_EQ(c.packagePath, "-U");
    EXPECT_EQ(c.direction, TransferDirection::Download);
}

TEST(TransferCommandLine, LinkChoiceAndPlaceholderOption) {
    auto c = ParseTransferCommandLine({"CaldoLoader", "-D", "-f", "a.qk", "--udp", "10.0.0.7:5000"});
    ASSERT_TRUE(c.link.has_value());
    EXPECT_EQ(c.link->kind, kLinkUdp);
    EXPECT_EQ(c.link->addressText, "10.0.0.7");
    EXPECT_EQ(c.link->portText, "5000");
    EXPECT_FALSE(c.allowPlaceholder);
    c = ParseTransferCommandLine({"CaldoLoader", "--serial", "/dev/ttyUSB1", "--allow-placeholder", "-D"});
    ASSERT_TRUE(c.link.has_value());
    EXPECT_EQ(c.link->serialPortName, "/dev/ttyUSB1");
    EXPECT_TRUE(c.allowPlaceholder);
    c = ParseTransferCommandLine({"CaldoLoader", "-D", "--usb", "1234:abcd", "-f", "a.qk"});
    ASSERT_TRUE(c.link.has_value());
    ASSERT_EQ(c.link->usbIds.size(), 1u);
    EXPECT_EQ(c.link->usbIds[0].productId, 0xABCD);
    EXPECT_EQ(c.packagePath, "a.qk");
    // A malformed link option is ignored like any unknown argument.
    c = ParseTransferCommandLine({"CaldoLoader", "-D", "-f", "a.qk", "--udp", "nohost"});
    EXPECT_FALSE(c.link.has_value());
    EXPECT_EQ(c.packagePath, "a.qk");
}

} // namespace
} // namespace caldo
