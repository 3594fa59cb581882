// The download routines against the simulated panel in-process, with a manual
// clock so the restart and reconnection waits cost nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "TransferTestSupport.h"
#include "transfer/Downloader.h"
#include "transfer/TransferStrings.h"

namespace caldo {
namespace {

using namespace std::chrono_literals;
using test::Bytes;

struct Rig {
    explicit Rig(panelsim::Config config, int maxPacket = 1024)
        : panel(std::move(config)), m_maxPacket(maxPacket),
          m_order(UsesUsbOrder(maxPacket) ? LengthOrder::LowFirst : LengthOrder::HighFirst) {}

    static bool UsesUsbOrder(int maxPacket) { return maxPacket == 64; }

    LinkFactory Factory() {
        return [this](const CLinkSettings&) -> std::unique_ptr<CTransferLink> {
            ++linksCreated;
            if (failOpensAfter >= 0 && linksCreated > failOpensAfter) {
                return std::make_unique<FailingLink>();
            }
            return std::make_unique<test::EmulatorLink>(panel, m_maxPacket, m_order);
        };
    }

    bool Run(const test::PackageContents& pkg, bool force = false) {
        test::WriteFile(dir.Path() / "p.qk", test::BuildPackage(pkg));
        return RunFile(dir.Path() / "p.qk", force);
    }

    bool RunFile(const std::filesystem::path& path, bool force = false) {
        DownloadOptions options;
        options.packagePath = path;
        options.forceGuiUpdate = force;
        options.link.kind = kLinkUdp;
        CDownloader d(options, progress, messages, clock, Factory());
        return d.RunDownload();
    }

    CDownloader Downloader(const std::filesystem::path& path) {
        DownloadOptions options;
        options.packagePath = path;
        return CDownloader(options, progress, messages, clock, Factory());
    }

    // Request frames of one command code, in order.
    std::vector<Bytes> Requests(uint8_t code) const {
        std::vector<Bytes> out;
        for (const Bytes& r : panel.Requests()) {
            if (r[4] == code) {
                out.push_back(r);
            }
        }
        return out;
    }

    // A panel that cannot be reached: the link never opens.
    struct FailingLink : CTransferLink {
        int MaxPacketSize() override { return 1024; }
        bool Receive(uint8_t*, size_t, int, size_t& received) override {
            received = 0;
            return false;
        }
        bool Close() override { return true; }
        bool Configure(const CLinkSettings&) override { return true; }
        bool Open() override { return false; }
        bool Send(const uint8_t*, size_t, int) override { return false; }
    };

    panelsim::PanelModel panel;
    int m_maxPacket;
    LengthOrder m_order;
    int linksCreated = 0;
    int failOpensAfter = -1;
    test::TempDir dir;
    test::RecordingProgress progress;
    balsar::RecordingMessageSink messages;
    test::ManualClock clock;
};

test::PackageContents StandardContents() {
    test::PackageContents pkg;
    pkg.user = test::PatternBytes(3000, 11);
    pkg.gui1 = test::PatternBytes(2100, 12);
    pkg.gui2 = test::PatternBytes(1700, 13);
    pkg.sections = {test::PatternBytes(700, 14), test::PatternBytes(0, 0), test::PatternBytes(333, 15)};
    return pkg;
}

TEST(TransferDownload, WritesUserDataAndDriversWithoutGuiUpdate) {
    Rig rig(test::EmulatorConfig(1, false, 5));
    const test::PackageContents pkg = StandardContents();
    ASSERT_TRUE(rig.Run(pkg));
    EXPECT_TRUE(rig.messages.Entries().empty());
    const auto& regions = rig.panel.Regions();
    EXPECT_EQ(regions.count("gui.bin"), 0u);
    EXPECT_EQ(regions.at("userdata.bin"), pkg.user);
    EXPECT_EQ(regions.at("driver0.bin"), pkg.sections[0]);
    EXPECT_EQ(regions.at("driver1_0.bin"), pkg.sections[2]);
    // The empty middle section got no erase: user data, driver 0, driver 1.
    const auto erases = rig.Requests(0x10);
    ASSERT_EQ(erases.size(), 3u);
    EXPECT_EQ(erases[0][5], 2);
    EXPECT_EQ(erases[1][5], 3);
    EXPECT_EQ(erases[2][5], 4);
    // 3000 bytes in 1016-byte blocks: 3 blocks declared in the erase command.
    EXPECT_EQ(erases[0][16] | erases[0][17] << 8, 3);
    EXPECT_EQ(rig.Requests(0x05).size(), 1u); // FinishDownload
    // The only wait is the pause before each panel information reply.
    EXPECT_EQ(rig.clock.sleeps, std::vector<std::chrono::milliseconds>{100ms});
    EXPECT_EQ(rig.progress.caption, "烧写驱动(1)成功！");
}

TEST(TransferDownload, UsbBlocksOf56Bytes) {
    for (const size_t length : {size_t{3 * 56}, size_t{3 * 56 + 1}}) {
        Rig rig(test::EmulatorConfig(2, false, 6, true), 64);
        test::PackageContents pkg;
        pkg.user = test::PatternBytes(length, 21);
        pkg.gui2 = test::PatternBytes(10, 22);
        ASSERT_TRUE(rig.Run(pkg)) << length;
        const auto writes = rig.Requests(0x11);
        const size_t blocks = length == 3 * 56 ? 3 : 4;
        ASSERT_EQ(writes.size(), blocks);
        for (size_t i = 0; i < blocks; ++i) {
            EXPECT_EQ(writes[i][5] | writes[i][6] << 8, static_cast<int>(i));
            EXPECT_EQ(writes[i].size(), i < 3 ? 64u : 9u);
            EXPECT_EQ(static_cast<size_t>(writes[i][2] | writes[i][3] << 8), writes[i].size());
        }
        EXPECT_EQ(rig.panel.Regions().at("userdata.bin"), pkg.user);
    }
}

TEST(TransferDownload, GuiUpdateThroughTheBootloader) {
    Rig rig(test::EmulatorConfig(2, false, 1)); // panel GUI 1, package GUI 6 for model 2
    const test::PackageContents pkg = StandardContents();
    ASSERT_TRUE(rig.Run(pkg));
    EXPECT_TRUE(rig.messages.Entries().empty());
    EXPECT_EQ(rig.panel.Regions().at("gui.bin"), pkg.gui2);
    EXPECT_EQ(rig.panel.GuiVersion(), 6);
    EXPECT_EQ(rig.Requests(0x04).size(), 1u); // EnterBootMode
    // Each restart waits 3000 ms; the panel answered the first attempt both times.
    EXPECT_EQ(std::count(rig.clock.sleeps.begin(), rig.clock.sleeps.end(), 3000ms), 2);
    EXPECT_EQ(std::count(rig.clock.sleeps.begin(), rig.clock.sleeps.end(), 100ms), 4);
    EXPECT_EQ(rig.panel.Regions().at("userdata.bin"), pkg.user);
}

TEST(TransferDownload, GuiUpdateDecision) {
    EXPECT_FALSE(NeedsGuiUpdate(false, 1, 5, 5)); // same version: straight to download
    EXPECT_FALSE(NeedsGuiUpdate(false, 1, 6, 5));
    EXPECT_TRUE(NeedsGuiUpdate(false, 1, 4, 5));
    EXPECT_TRUE(NeedsGuiUpdate(false, 0, 9, 5));            // bootloader running: always
    EXPECT_TRUE(NeedsGuiUpdate(true, 1, 9, 5));             // forced
    EXPECT_FALSE(NeedsGuiUpdate(false, 2, 0xFFFF, 0x8000)); // 16-bit unsigned comparison
    EXPECT_TRUE(NeedsGuiUpdate(false, 2, 0x7FFF, 0x8000));

    // At run level: a bootloader panel with a newer GUI still gets the update.
    Rig rig(test::EmulatorConfig(1, true, 99));
    ASSERT_TRUE(rig.Run(StandardContents()));
    EXPECT_EQ(rig.panel.Regions().count("gui.bin"), 1u);
    EXPECT_EQ(rig.Requests(0x04).size(), 0u); // already in the bootloader
    // The check box forces it on an up-to-date panel.
    Rig forced(test::EmulatorConfig(1, false, 99));
    ASSERT_TRUE(forced.Run(StandardContents(), true));
    EXPECT_EQ(forced.panel.Regions().at("gui.bin"), StandardContents().gui1);
}

TEST(TransferDownload, Model0xFFFFIsModel1) {
    Rig rig(test::EmulatorConfig(0xFFFF, false, 1));
    const test::PackageContents pkg = StandardContents();
    ASSERT_TRUE(rig.Run(pkg));
    EXPECT_EQ(rig.panel.Regions().at("gui.bin"), pkg.gui1);
    CDownloader d = rig.Downloader(rig.dir.Path() / "p.qk");
    EXPECT_EQ(d.PackageGuiVersion(0xFFFF), 5);
    EXPECT_EQ(d.PackageGuiVersion(1), 5);
    EXPECT_EQ(d.PackageGuiVersion(2), 6);
    EXPECT_TRUE(rig.messages.Entries().empty());
    EXPECT_EQ(d.PackageGuiVersion(3), 0);
    EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{text::kUnknownModel});
}

TEST(TransferDownload, KindOnePackageOnModelTwoPanel) {
    test::PackageContents pkg = StandardContents();
    pkg.kind = 1;
    // A GUI update is needed (bootloader running): the package kind is refused.
    Rig boot(test::EmulatorConfig(2, true, 1));
    EXPECT_FALSE(boot.Run(pkg));
    EXPECT_EQ(boot.messages.Texts(), std::vector<std::string>{text::kPackageKindMismatch});
    EXPECT_EQ(boot.Requests(0x10).size(), 0u);
    // No GUI version for model 2 in a kind-1 package, and no message.
    CDownloader d = boot.Downloader(boot.dir.Path() / "p.qk");
    boot.messages.Clear();
    EXPECT_EQ(d.PackageGuiVersion(2), 0);
    EXPECT_TRUE(boot.messages.Entries().empty());
}

TEST(TransferDownload, NinetyNineReconnectionAttempts) {
    Rig rig(test::EmulatorConfig(1, false, 1)); // needs the GUI update
    rig.failOpensAfter =
        2; // the run and the GUI update connect; after the restart the panel never comes back
    EXPECT_FALSE(rig.Run(StandardContents()));
    EXPECT_EQ(rig.linksCreated, 2 + 99);
    EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{text::kReconnectFailed});
    EXPECT_EQ(std::count(rig.clock.sleeps.begin(), rig.clock.sleeps.end(), 3000ms), 1);
    // 99 pauses after failed attempts plus the pauses before the two panel information replies.
    EXPECT_EQ(std::count(rig.clock.sleeps.begin(), rig.clock.sleeps.end(), 100ms), 99 + 2);
    EXPECT_GE(rig.progress.repaints, 100);
    EXPECT_EQ(rig.progress.caption, text::kConnectingCaption);
}

TEST(TransferDownload, ReconnectionSucceedsOnALaterAttempt) {
    Rig rig(test::EmulatorConfig(1, false, 1));
    int attempts = 0;
    DownloadOptions options;
    options.packagePath = rig.dir.Path() / "p.qk";
    test::WriteFile(options.packagePath, test::BuildPackage(StandardContents()));
    auto inner = rig.Factory();
    CDownloader d(options, rig.progress, rig.messages, rig.clock,
                  [&](const CLinkSettings& s) -> std::unique_ptr<CTransferLink> {
                      ++attempts;
                      if (attempts >= 3 && attempts < 10) {
                          return std::make_unique<Rig::FailingLink>(); // panel restarting
                      }
                      return inner(s);
                  });
    ASSERT_TRUE(d.RunDownload());
    EXPECT_EQ(rig.panel.Regions().at("gui.bin"), StandardContents().gui1);
}

TEST(TransferDownload, ProjectSizeExamples) {
    // Model 1: 106496 without a second driver when there is no GUI.
    EXPECT_TRUE(ProjectFits(1, 0, 106496 - 16, false));
    EXPECT_FALSE(ProjectFits(1, 0, 106496 - 15, false));
    // 30000 bytes of GUI reserve 30720.
    EXPECT_TRUE(ProjectFits(1, 30000, 100352 - 30720 + 6144 - 16, false));
    EXPECT_FALSE(ProjectFits(1, 30000, 100352 - 30720 + 6144 - 15, false));
    // g = 1024: up to 105456 bytes of user data.
    EXPECT_TRUE(ProjectFits(1, 1024, 105456, false));
    EXPECT_FALSE(ProjectFits(1, 1024, 105457, false));
    // A second driver takes the 6144 bytes away.
    EXPECT_TRUE(ProjectFits(0xFFFF, 1024, 105456 - 6144, true));
    EXPECT_FALSE(ProjectFits(0xFFFF, 1024, 105457 - 6144, true));
    // Model 2: 128 KiB whatever the GUI.
    EXPECT_TRUE(ProjectFits(2, 0xFFFFFFFFu, 131072 - 16, true));
    EXPECT_FALSE(ProjectFits(2, 0, 131072 - 15, false));
    // No wrap-around: enormous lengths never fit.
    EXPECT_FALSE(ProjectFits(1, 0, 0xFFFFFFF0u, false));
    EXPECT_FALSE(ProjectFits(2, 0, 0xFFFFFFFFu, false));
    EXPECT_FALSE(ProjectFits(1, 200000, 0, false));

    test::RecordingProgress progress;
    balsar::RecordingMessageSink messages;
    test::ManualClock clock;
    CDownloader d({}, progress, messages, clock);
    EXPECT_FALSE(d.CheckProjectSize(3, 0, 0, false));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{text::kUnknownModel});
}

TEST(TransferDownload, ProjectTooLargeStopsBeforeErasing) {
    Rig rig(test::EmulatorConfig(2, false, 6));
    test::PackageContents pkg = StandardContents();
    pkg.user = test::PatternBytes(131072 - 15, 31);
    EXPECT_FALSE(rig.Run(pkg));
    EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{text::kProjectTooLarge});
    EXPECT_EQ(rig.Requests(0x10).size(), 0u);
}

TEST(TransferDownload, RegionFailuresCarryTheirMessages) {
    struct Case {
        const char* what;
        panelsim::Faults faults;
        std::string message;
    };
    panelsim::Faults verify;
    verify.failVerify = 1;
    panelsim::Faults erase;
    erase.dropReply = 3; // info, enter download mode, erase
    panelsim::Faults block;
    block.corruptChecksum = 5; // the second write block
    panelsim::Faults info;
    info.shortReply = 1;
    panelsim::Faults enter;
    enter.noiseBefore = 2; // noise in a datagram makes it unreadable
    const std::vector<Case> cases{
        {"verify", verify, "烧写用户数据失败！"},
        {"erase", erase, text::kEraseFailed},
        {"write block", block, "下载用户数据失败！"},
        {"short info", info, text::kGetInfoFailed},
        {"enter download", enter, text::kEnterDownloadFailed},
    };
    for (const Case& c : cases) {
        panelsim::Config config = test::EmulatorConfig(1, false, 5);
        config.faults = c.faults;
        Rig rig(config);
        EXPECT_FALSE(rig.Run(StandardContents())) << c.what;
        EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{c.message}) << c.what;
        // Shown as errors, in a box with the error icon.
        for (const auto& entry : rig.messages.Entries()) {
            EXPECT_EQ(entry.kind, balsar::MessageKind::Error) << c.what;
        }
        EXPECT_EQ(rig.panel.Regions().count("userdata.bin"), 0u) << c.what;
    }
}

TEST(TransferDownload, VerifyFailureShowsCheckCaption) {
    panelsim::Config config = test::EmulatorConfig(1, false, 5);
    config.faults.failVerify = 1;
    Rig rig(config);
    EXPECT_FALSE(rig.Run(StandardContents()));
    EXPECT_EQ(rig.progress.caption, text::kVerifyErrorCaption);
}

TEST(TransferDownload, BadPackagesNeverReachTheFlash) {
    {
        Rig rig(test::EmulatorConfig(1, false, 5));
        EXPECT_FALSE(rig.RunFile(rig.dir.Path() / "missing.qk"));
        // Once from the GUI version look-up, once when the run opens the package.
        EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>(2, text::kOpenFileFailed));
    }
    {
        Rig rig(test::EmulatorConfig(1, false, 0)); // version 0: no GUI update for a damaged file
        Bytes bytes = test::BuildPackage(StandardContents());
        bytes.resize(bytes.size() - 10);
        test::WriteFile(rig.dir.Path() / "p.qk", bytes);
        EXPECT_FALSE(rig.RunFile(rig.dir.Path() / "p.qk"));
        EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{text::kPackageDamaged});
        EXPECT_EQ(rig.Requests(0x10).size(), 0u);
    }
    {
        // Damage found before the GUI program is erased.
        Rig rig(test::EmulatorConfig(1, true, 0));
        Bytes bytes = test::BuildPackage(StandardContents());
        bytes[24] ^= 0x40; // user-data length no longer matches
        test::WriteFile(rig.dir.Path() / "p.qk", bytes);
        EXPECT_FALSE(rig.RunFile(rig.dir.Path() / "p.qk"));
        EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{text::kPackageDamaged});
        EXPECT_EQ(rig.Requests(0x10).size(), 0u);
    }
    {
        Rig rig(test::EmulatorConfig(1, false, 5));
        Bytes bytes = test::BuildPackage(StandardContents());
        bytes[16] = 7; // unknown kind
        test::WriteFile(rig.dir.Path() / "p.qk", bytes);
        EXPECT_FALSE(rig.RunFile(rig.dir.Path() / "p.qk"));
        EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{text::kPackageKindMismatch});
    }
}

TEST(TransferDownload, StartFailuresAndUnknownModel) {
    {
        Rig rig(test::EmulatorConfig(1, false, 5));
        rig.failOpensAfter = 0;
        EXPECT_FALSE(rig.Run(StandardContents()));
        EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{text::kStartFailure});
    }
    {
        Rig rig(test::EmulatorConfig(3, false, 5));
        EXPECT_FALSE(rig.Run(StandardContents()));
        EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{text::kUnknownModel});
    }
    {
        test::RecordingProgress progress;
        balsar::RecordingMessageSink messages;
        test::ManualClock clock;
        DownloadOptions options;
        options.link.kind = 9; // no such link
        CDownloader d(options, progress, messages, clock);
        EXPECT_FALSE(d.RunDownload());
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{text::kStartFailure});
    }
}

// The opening and closing of every link and the messages of a run, in one sequence.
struct ConnectionLog {
    std::vector<std::string> events;

    class Link : public test::EmulatorLink {
    public:
        Link(ConnectionLog& log, int id, panelsim::PanelModel& panel)
            : test::EmulatorLink(panel, 1024, LengthOrder::HighFirst), m_log(log), m_id(id) {}
        bool Open() override {
            m_log.events.push_back("open " + std::to_string(m_id));
            return test::EmulatorLink::Open();
        }
        bool Close() override {
            m_log.events.push_back("close " + std::to_string(m_id));
            return test::EmulatorLink::Close();
        }

    private:
        ConnectionLog& m_log;
        int m_id;
    };

    class Messages : public balsar::MessageSink {
    public:
        explicit Messages(ConnectionLog& log) : m_log(log) {}
        void Message(const std::string& text, balsar::MessageKind, const std::string&) override {
            m_log.events.push_back(text);
        }

    private:
        ConnectionLog& m_log;
    };

    bool Run(panelsim::PanelModel& panel, const test::PackageContents& pkg) {
        test::TempDir dir;
        test::WriteFile(dir.Path() / "p.qk", test::BuildPackage(pkg));
        DownloadOptions options;
        options.packagePath = dir.Path() / "p.qk";
        test::RecordingProgress progress;
        Messages messages(*this);
        test::ManualClock clock;
        int links = 0;
        CDownloader downloader(options, progress, messages, clock, [&](const CLinkSettings&) {
            return std::make_unique<Link>(*this, ++links, panel);
        });
        return downloader.RunDownload();
    }
};

TEST(TransferDownload, EveryLinkIsClosedOnceBeforeTheRunsMessage) {
    {
        panelsim::Config config = test::EmulatorConfig(1, false, 5);
        config.faults.dropReply = 1; // no panel information
        panelsim::PanelModel panel(config);
        ConnectionLog log;
        EXPECT_FALSE(log.Run(panel, StandardContents()));
        EXPECT_EQ(log.events, (std::vector<std::string>{"open 1", "close 1", text::kGetInfoFailed}));
    }
    {
        panelsim::PanelModel panel(test::EmulatorConfig(2, false, 6));
        test::PackageContents pkg = StandardContents();
        pkg.user = test::PatternBytes(131072 - 15, 31);
        ConnectionLog log;
        EXPECT_FALSE(log.Run(panel, pkg));
        EXPECT_EQ(log.events, (std::vector<std::string>{"open 1", "close 1", text::kProjectTooLarge}));
    }
    {
        panelsim::PanelModel panel(test::EmulatorConfig(1, false, 5));
        ConnectionLog log;
        EXPECT_TRUE(log.Run(panel, StandardContents()));
        EXPECT_EQ(log.events, (std::vector<std::string>{"open 1", "close 1"}));
    }
    {
        // The GUI update: the run hands its link over, the update connects twice
        // (before and after the bootloader starts), the run connects again.
        panelsim::PanelModel panel(test::EmulatorConfig(2, false, 1));
        ConnectionLog log;
        EXPECT_TRUE(log.Run(panel, StandardContents()));
        const std::vector<std::string> expected{"open 1", "close 1", "open 2", "close 2",
                                                "open 3", "close 3", "open 4", "close 4"};
        EXPECT_EQ(log.events, expected);
    }
}

TEST(TransferDownload, ProgressOfOneRegion) {
    Rig rig(test::EmulatorConfig(1, false, 5));
    test::PackageContents pkg;
    pkg.user = test::PatternBytes(1016 * 4 + 1, 41);
    ASSERT_TRUE(rig.Run(pkg));
    const std::vector<std::string> expected{"擦除FLASH", "下载用户数据:", "烧写用户数据成功！"};
    EXPECT_EQ(rig.progress.captions, expected);
    EXPECT_EQ(rig.progress.steps, 5);
    EXPECT_EQ(rig.progress.upper, 5);
    EXPECT_EQ(rig.progress.position, 0); // reset after the region
}

TEST(TransferDownload, BlockCounts) {
    EXPECT_EQ(BlockCount(0, 56), 0u);
    EXPECT_EQ(BlockCount(168, 56), 3u);
    EXPECT_EQ(BlockCount(169, 56), 4u);
    EXPECT_EQ(BlockCount(1016, 1016), 1u);
    EXPECT_EQ(BlockCount(100 * 1024, 1016), 101u);
}

} // namespace
} // namespace caldo
