// The command line of caldo-cli, its targets file, and the download into
// several simulated panels at once.
#include <gtest/gtest.h>

#include <sstream>

#include "TransferTestSupport.h"
#include "cli/CaldoCli.h"
#include "cli/CaldoCliParallel.h"
#include "transfer/LinkOptions.h"
#include "transfer/TransferStrings.h"

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
    EXPECT_FALSE(c.options.allowPlaceholder);
    EXPECT_EQ(c.targets.size(), 1u);

    CaldoCliCommand s;
    ASSERT_TRUE(Parse({"download", "--serial", "com2", "p.qk", "--force-gui", "--allow-placeholder"}, s));
    EXPECT_EQ(s.options.link.kind, kLinkSerial);
    EXPECT_EQ(s.options.link.serialPortName, "com2");
    EXPECT_EQ(s.options.link.baudRate, 115200);
    EXPECT_TRUE(s.options.forceGuiUpdate);
    EXPECT_TRUE(s.options.allowPlaceholder);

    // Plain --usb leaves the identities to the discovery file.
    CaldoCliCommand u;
    ASSERT_TRUE(Parse({"download", "p.qk", "--usb"}, u));
    EXPECT_EQ(u.options.link.kind, kLinkUsb);
    EXPECT_TRUE(u.options.link.usbIds.empty());
    CaldoCliCommand v;
    ASSERT_TRUE(Parse({"download", "p.qk", "--usb", "1234:abcd", "--force-gui"}, v));
    ASSERT_EQ(v.options.link.usbIds.size(), 1u);
    EXPECT_EQ(v.options.link.usbIds[0].vendorId, 0x1234);
    EXPECT_EQ(v.options.link.usbIds[0].productId, 0xABCD);
    EXPECT_TRUE(v.options.forceGuiUpdate);

    CaldoCliCommand help;
    ASSERT_TRUE(Parse({"--help"}, help));
    EXPECT_TRUE(help.help);
}

TEST(TransferCaldoCliArgs, SeveralPanelsAndATargetsFile) {
    test::TempDir dir;
    const auto file = dir.Path() / "panels.txt";
    const std::string lines = "# line 3\n10.0.0.1:5000\n\n  udp 10.0.0.2:5001  # second\nserial /dev/ttyUSB3\nusb\n";
    test::WriteFile(file, test::Bytes(lines.begin(), lines.end()));
    CaldoCliCommand c;
    std::string error;
    ASSERT_TRUE(ParseCaldoCliArgs({"download", "p.qk", "--udp", "10.0.0.9:7", "--targets", file.string()}, c, error))
        << error;
    ASSERT_EQ(c.targets.size(), 5u);
    EXPECT_EQ(c.targets[0].addressText, "10.0.0.9");
    EXPECT_EQ(c.targets[1].addressText, "10.0.0.1");
    EXPECT_EQ(c.targets[2].portText, "5001");
    EXPECT_EQ(c.targets[3].kind, kLinkSerial);
    EXPECT_EQ(c.targets[4].kind, kLinkUsb);

    const std::string badLines = "10.0.0.1:5000\ntcp 10.0.0.2:1\n";
    test::WriteFile(file, test::Bytes(badLines.begin(), badLines.end()));
    CaldoCliCommand bad;
    EXPECT_FALSE(ParseCaldoCliArgs({"download", "p.qk", "--targets", file.string()}, bad, error));
    EXPECT_NE(error.find(file.string() + ":2:"), std::string::npos) << error;
    EXPECT_FALSE(ParseCaldoCliArgs({"download", "p.qk", "--targets", (dir.Path() / "none").string()}, bad, error));
    EXPECT_NE(error.find("none"), std::string::npos) << error;
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
        {"download", "p.qk", "--usb", "zz:1"},
        {"download", "p.qk", "q.qk", "--usb"},
        {"download", "p.qk", "--usb", "--fast"},
        {"download", "p.qk", "--targets"},
    };
    for (const auto& args : bad) {
        CaldoCliCommand c;
        std::string error;
        EXPECT_FALSE(ParseCaldoCliArgs(args, c, error)) << ::testing::PrintToString(args);
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(RunCaldoCli({"download"}), 2);
    EXPECT_EQ(RunCaldoCli({"--help"}), 0);
}

TEST(TransferCaldoCliArgs, TargetLines) {
    CLinkSettings link;
    std::string error;
    ASSERT_TRUE(ParseLinkTarget("usb 16c0:05dc", link, error));
    EXPECT_EQ(link.usbIds.size(), 1u);
    EXPECT_FALSE(ParseLinkTarget("udp", link, error));
    EXPECT_FALSE(ParseLinkTarget("serial /dev/a /dev/b", link, error));
    EXPECT_NE(error.find("/dev/b"), std::string::npos);
}

// Several simulated panels, one of them failing on its own.
TEST(TransferCaldoCliParallel, EachPanelOnItsOwnConnection) {
    test::TempDir dir;
    test::PackageContents pkg;
    pkg.user = test::PatternBytes(5000, 3);
    pkg.gui1 = test::PatternBytes(300, 4);
    pkg.gui2 = test::PatternBytes(200, 5);
    pkg.sections = {test::PatternBytes(100, 6)};
    DownloadOptions options;
    options.packagePath = dir.Path() / "p.qk";
    test::WriteFile(options.packagePath, test::BuildPackage(pkg));

    std::vector<std::unique_ptr<panelsim::PanelModel>> panels;
    std::vector<CLinkSettings> targets;
    for (int i = 0; i < 4; ++i) {
        panelsim::Config config = test::EmulatorConfig(1, false, 5);
        if (i == 2) {
            config.faults.failVerify = 1;
        }
        panels.push_back(std::make_unique<panelsim::PanelModel>(config));
        CLinkSettings link;
        link.kind = kLinkUdp;
        link.addressText = "10.0.0." + std::to_string(i + 1);
        link.portText = "5000";
        targets.push_back(link);
    }
    // The link of a target goes to its own panel.
    const LinkFactory factory = [&](const CLinkSettings& s) -> std::unique_ptr<CTransferLink> {
        const size_t index = static_cast<size_t>(s.addressText.back() - '1');
        return std::make_unique<test::EmulatorLink>(*panels[index], 1024, LengthOrder::HighFirst);
    };
    std::ostringstream out;
    std::vector<PanelResult> results;
    {
        PanelBoard board(out, false, {"a", "b", "c", "d"});
        test::ManualClock clock;
        results = DownloadToAll(options, targets, board, clock, factory);
    }
    ASSERT_EQ(results.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(results[i].panel, "UDP 10.0.0." + std::to_string(i + 1) + ":5000");
        EXPECT_EQ(results[i].ok, i != 2) << i;
        EXPECT_EQ(panels[i]->Regions().count("userdata.bin"), i != 2 ? 1u : 0u) << i;
    }
    EXPECT_EQ(results[0].bytes, 5100u);
    EXPECT_EQ(results[2].message.rfind("烧写用户数据失败！", 0), 0u) << results[2].message;
    // Every line of the log names its panel; the failure is on panel c's lines.
    const std::string log = out.str();
    EXPECT_NE(log.find("c: 烧写用户数据失败！"), std::string::npos) << log;
    EXPECT_NE(log.find("a: 下载成功！"), std::string::npos) << log;

    const std::string table = SummaryTable(results);
    EXPECT_NE(table.find("UDP 10.0.0.3:5000  FAILED"), std::string::npos) << table;
    EXPECT_NE(table.find("UDP 10.0.0.1:5000  ok"), std::string::npos) << table;
    EXPECT_NE(table.find("3 of 4 panels downloaded, 1 failed"), std::string::npos) << table;
}

TEST(TransferCaldoCliParallel, TerminalBoardKeepsOneLinePerPanel) {
    std::ostringstream out;
    PanelBoard board(out, true, {"UDP 10.0.0.1:5000", "UDP 10.0.0.2:5000"});
    board.SetCaption(1, "下载用户数据:");
    board.SetRange(1, 0, 4);
    board.StepIt(1);
    board.StepIt(1);
    board.ShowPanel(0, PanelInfo{1, 2, 7, false});
    EXPECT_EQ(board.RowText(1), "UDP 10.0.0.2:5000 [##########          ] 下载用户数据:50%");
    EXPECT_EQ(board.RowText(0), "UDP 10.0.0.1:5000 [                    ]   (型号 2，GUI 7)");
    // Redraws go back up over the board's two lines.
    EXPECT_NE(out.str().find("\x1b[2A"), std::string::npos);
}

} // namespace
} // namespace caldo
