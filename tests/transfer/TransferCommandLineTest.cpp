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

} // namespace
} // namespace caldo
