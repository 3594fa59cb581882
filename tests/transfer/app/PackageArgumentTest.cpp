// A package opened from the file manager: the single argument becomes a
// download of that package, as the designer's own command line asks for one.
#include <gtest/gtest.h>

#include "PackageArgument.h"
#include "transfer/TransferCommandLine.h"

namespace {

caldo::TransferCommandLine Parsed(const QStringList& arguments) {
    std::vector<std::string> args;
    for (const QString& a : caldo::WithPackageOptions(arguments)) {
        args.push_back(a.toStdString());
    }
    return caldo::ParseTransferCommandLine(args);
}

} // namespace

TEST(PackageArgument, ALonePackageIsDownloaded) {
    const auto line = Parsed({QStringLiteral("CaldoLoader"), QStringLiteral("/home/u/项目 1/demo.qk")});
    EXPECT_EQ(line.packagePath, "/home/u/项目 1/demo.qk");
    EXPECT_EQ(line.direction, caldo::TransferDirection::Download);
}

TEST(PackageArgument, OtherCommandLinesAreLeftAlone) {
    const QStringList full{QStringLiteral("CaldoLoader"), QStringLiteral("-D"), QStringLiteral("-f"),
                           QStringLiteral("a.qk")};
    EXPECT_EQ(caldo::WithPackageOptions(full), full);
    const QStringList bare{QStringLiteral("CaldoLoader")};
    EXPECT_EQ(caldo::WithPackageOptions(bare), bare);
    const QStringList option{QStringLiteral("CaldoLoader"), QStringLiteral("--help")};
    EXPECT_EQ(caldo::WithPackageOptions(option), option);
    const QStringList empty{QStringLiteral("CaldoLoader"), QString()};
    EXPECT_EQ(caldo::WithPackageOptions(empty), empty);
    EXPECT_TRUE(Parsed(bare).packagePath.empty());
}
