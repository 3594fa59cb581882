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

// A link to the simulated panel that breaks for good after a number of sends
// (a cable pulled in the middle of a run).
class CuttingLink : public test::EmulatorLink {
public:
    CuttingLink(panelsim::PanelModel& panel, int& sendsLeft)
        : test::EmulatorLink(panel, 1024, LengthOrder::HighFirst), m_sendsLeft(sendsLeft) {}
    bool Send(const uint8_t* data, size_t length, int units) override {
        if (m_sendsLeft <= 0) {
            return false;
        }
        --m_sendsLeft;
        return test::EmulatorLink::Send(data, length, units);
    }
    bool Receive(uint8_t* buffer, size_t capacity, int units, size_t& received) override {
        if (m_sendsLeft <= 0) {
            received = 0;
            return false;
        }
        return test::EmulatorLink::Receive(buffer, capacity, units, received);
    }

private:
    int& m_sendsLeft;
};

struct Rig {
    explicit Rig(panelsim::Config config, int maxPacket = 1024)
        : panel(std::move(config)), m_maxPacket(maxPacket),
          m_order(maxPacket == 64 ? LengthOrder::LowFirst : LengthOrder::HighFirst) {}

    LinkFactory Factory() {
        return [this](const CLinkSettings&) -> std::unique_ptr<CTransferLink> {
            ++linksCreated;
            if (failOpensAfter >= 0 && linksCreated > failOpensAfter) {
                return std::make_unique<FailingLink>();
            }
            if (sendsBeforeCut >= 0) {
                return std::make_unique<CuttingLink>(panel, sendsBeforeCut);
            }
            return std::make_unique<test::EmulatorLink>(panel, m_maxPacket, m_order, &clock);
        };
    }

    std::filesystem::path Write(const test::PackageContents& pkg) {
        test::WriteFile(dir.Path() / "p.qk", test::BuildPackage(pkg));
        return dir.Path() / "p.qk";
    }

    bool Run(const test::PackageContents& pkg, bool force = false) { return RunFile(Write(pkg), force); }

    bool RunFile(const std::filesystem::path& path, bool force = false, bool allowPlaceholder = false) {
        DownloadOptions options;
        options.packagePath = path;
        options.forceGuiUpdate = force;
        options.allowPlaceholder = allowPlaceholder;
        options.link.kind = kLinkUdp;
        options.link.addressText = "192.168.1.20";
        options.link.portText = "5000";
        CDownloader d(options, progress, messages, clock, Factory());
        const bool ok = d.RunDownload();
        finalState = d.FinalState();
        bytesWritten = d.BytesWritten();
        return ok;
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

    // Whether the panel saw only requests for its information.
    bool OnlyAskedForInformation() const {
        return std::all_of(panel.Journal().begin(), panel.Journal().end(),
                           [](const std::string& line) { return line.rfind("GetPanelInfo ", 0) == 0; });
    }

    panelsim::PanelModel panel;
    int m_maxPacket;
    LengthOrder m_order;
    int linksCreated = 0;
    int failOpensAfter = -1;
    int sendsBeforeCut = -1;
    test::TempDir dir;
    test::RecordingProgress progress;
    balsar::RecordingMessageSink messages;
    test::ManualClock clock;
    PanelState finalState = PanelState::Untouched;
    uint64_t bytesWritten = 0;
};

test::PackageContents StandardContents() {
    test::PackageContents pkg;
    pkg.user = test::PatternBytes(3000, 11);
    pkg.gui1 = test::PatternBytes(2100, 12);
    pkg.gui2 = test::PatternBytes(1700, 13);
    pkg.sections = {test::PatternBytes(700, 14), test::PatternBytes(0, 0), test::PatternBytes(333, 15)};
    return pkg;
}

// The bytes of a placeholder program as the package carries them.
Bytes PlaceholderProgram() {
    const std::string text = "BALSAR-PLACEHOLDER GUI program gui_test: not a panel program\n";
    return Bytes(text.begin(), text.end());
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
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
    EXPECT_EQ(rig.bytesWritten, 3000u + 700u + 333u);
    EXPECT_EQ(rig.finalState, PanelState::Done);
    ASSERT_EQ(rig.progress.panels.size(), 1u);
    EXPECT_EQ(rig.progress.panels[0].model, 1);
    EXPECT_EQ(rig.progress.panels[0].guiVersion, 5);
    EXPECT_TRUE(rig.progress.panels[0].emulated);
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
    // Asked in the application, in the bootloader and in the new GUI program.
    const std::vector<std::string> modes{"GetPanelInfo ok app", "EnterBootMode ok boot", "GetPanelInfo ok boot",
                                         "EnterDownloadMode ok boot-download"};
    EXPECT_EQ(std::vector<std::string>(rig.panel.Journal().begin(), rig.panel.Journal().begin() + 4), modes);
    EXPECT_EQ(rig.Requests(0x04).size(), 1u); // EnterBootMode
    // Each restart waits 3000 ms; the panel answered the first attempt both times.
    EXPECT_EQ(std::count(rig.clock.sleeps.begin(), rig.clock.sleeps.end(), 3000ms), 2);
    EXPECT_EQ(std::count(rig.clock.sleeps.begin(), rig.clock.sleeps.end(), 100ms), 3);
    EXPECT_EQ(rig.panel.Regions().at("userdata.bin"), pkg.user);
    ASSERT_EQ(rig.progress.panels.size(), 3u);
    EXPECT_EQ(rig.progress.panels.back().guiVersion, 6);
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

TEST(TransferDownload, PackageGuiVersionByModelAndKind) {
    CPackageFile package;
    test::PackageContents pkg = StandardContents();
    package.Assign(test::BuildPackage(pkg));
    ASSERT_EQ(package.Parse(), CPackageFile::Status::Ok);
    EXPECT_EQ(PackageGuiVersion(package, 0xFFFF), 5); // model 0xFFFF is model 1
    EXPECT_EQ(PackageGuiVersion(package, 1), 5);
    EXPECT_EQ(PackageGuiVersion(package, 2), 6);
    EXPECT_EQ(PackageGuiVersion(package, 3), 0);
    pkg.kind = 1;
    package.Assign(test::BuildPackage(pkg));
    ASSERT_EQ(package.Parse(), CPackageFile::Status::Ok);
    EXPECT_EQ(PackageGuiVersion(package, 1), 5);
    EXPECT_EQ(PackageGuiVersion(package, 2), 0); // no model-2 GUI in a kind-1 package

    Rig rig(test::EmulatorConfig(0xFFFF, false, 1));
    ASSERT_TRUE(rig.Run(StandardContents()));
    EXPECT_EQ(rig.panel.Regions().at("gui.bin"), StandardContents().gui1);
}

// Every refusal is found before any command that changes the panel's mode,
// and is told once, naming the file or the model involved.
TEST(TransferDownload, RefusedPackagesLeaveThePanelUntouched) {
    struct Case {
        const char* what;
        panelsim::Config panel;
        std::function<Bytes()> package; // empty: no file at all
        std::string message;
        bool panelAsked; // the refusal needed the panel's information
    };
    const auto standard = [] { return test::BuildPackage(StandardContents()); };
    const auto truncated = [&] {
        Bytes b = standard();
        b.resize(b.size() - 10);
        return b;
    };
    const auto badLength = [&] {
        Bytes b = standard();
        b[24] ^= 0x40; // user-data length no longer matches
        return b;
    };
    const auto unknownKind = [&] {
        Bytes b = standard();
        b[16] = 7;
        return b;
    };
    const auto kindOne = [] {
        test::PackageContents pkg = StandardContents();
        pkg.kind = 1;
        return test::BuildPackage(pkg);
    };
    const auto tooLarge = [] {
        test::PackageContents pkg = StandardContents();
        pkg.user = test::PatternBytes(131072 - 15, 31);
        return test::BuildPackage(pkg);
    };
    const auto noGuiForModel2 = [] {
        test::PackageContents pkg = StandardContents();
        pkg.gui2.clear();
        return test::BuildPackage(pkg);
    };
    const auto placeholderGui = [] {
        test::PackageContents pkg = StandardContents();
        pkg.gui1 = PlaceholderProgram();
        return test::BuildPackage(pkg);
    };
    const auto placeholderDriver = [] {
        test::PackageContents pkg = StandardContents();
        pkg.sections[2] = PlaceholderProgram();
        return test::BuildPackage(pkg);
    };
    panelsim::Config real = test::EmulatorConfig(1, false, 1);
    real.announceEmulation = false;
    panelsim::Config realCurrent = test::EmulatorConfig(1, false, 5);
    realCurrent.announceEmulation = false;
    const std::string untouched = text::kStateUntouched;
    const std::vector<Case> cases{
        {"missing", test::EmulatorConfig(1, false, 1), nullptr, text::kOpenFileFailed, false},
        {"truncated", test::EmulatorConfig(1, true, 0), truncated, text::kPackageDamaged, false},
        {"bad length", test::EmulatorConfig(1, false, 1), badLength, text::kPackageDamaged, false},
        {"unknown kind", test::EmulatorConfig(1, false, 1), unknownKind, text::kPackageKindMismatch, false},
        {"kind 1 on model 2", test::EmulatorConfig(2, true, 1), kindOne, text::kPackageKindMismatch, true},
        {"unknown model", test::EmulatorConfig(3, false, 1), standard, text::kUnknownModel, true},
        {"too large", test::EmulatorConfig(2, false, 1), tooLarge, text::kProjectTooLarge, true},
        {"no GUI for model 2", test::EmulatorConfig(2, false, 1), noGuiForModel2, text::kNoGuiForModel, true},
        {"placeholder GUI", real, placeholderGui, "下载包中的GUI是占位文件", true},
        {"placeholder driver", realCurrent, placeholderDriver, "下载包中的驱动(1)是占位文件", true},
    };
    for (const Case& c : cases) {
        Rig rig(c.panel);
        const auto path = rig.dir.Path() / "p.qk";
        if (c.package) {
            test::WriteFile(path, c.package());
        }
        EXPECT_FALSE(rig.RunFile(path)) << c.what;
        ASSERT_EQ(rig.messages.Entries().size(), 1u) << c.what;
        const std::string message = rig.messages.Texts()[0];
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << c.what << ": " << message;
        EXPECT_EQ(rig.messages.Entries()[0].kind, balsar::MessageKind::Error) << c.what;
        if (c.panelAsked) {
            EXPECT_EQ(rig.linksCreated, 1) << c.what;
            EXPECT_NE(message.find(untouched), std::string::npos) << c.what << ": " << message;
        } else {
            // A file fault is told with the file's name, before any panel is asked.
            EXPECT_NE(message.find(path.string()), std::string::npos) << c.what << ": " << message;
            EXPECT_EQ(rig.linksCreated, 0) << c.what;
        }
        EXPECT_TRUE(rig.OnlyAskedForInformation()) << c.what;
        EXPECT_TRUE(rig.panel.ApplicationRunning() != c.panel.bootMode) << c.what;
        EXPECT_TRUE(rig.panel.Regions().empty()) << c.what;
        EXPECT_EQ(rig.finalState, PanelState::Untouched) << c.what;
    }
    // The unknown model's number is named.
    Rig unknown(test::EmulatorConfig(3, false, 1));
    EXPECT_FALSE(unknown.Run(StandardContents()));
    EXPECT_EQ(unknown.messages.Texts(),
              std::vector<std::string>{Lines({text::kUnknownModel, "型号：3", untouched})});
}

TEST(TransferDownload, PlaceholdersGoOnlyIntoEmulatedPanelsOrWhenAllowed) {
    test::PackageContents pkg = StandardContents();
    pkg.gui1 = PlaceholderProgram();
    pkg.sections[0] = PlaceholderProgram();
    // A simulated panel says so in its information.
    Rig emulated(test::EmulatorConfig(1, false, 1));
    ASSERT_TRUE(emulated.Run(pkg));
    EXPECT_EQ(emulated.panel.Regions().at("gui.bin"), pkg.gui1);
    // A real panel takes them only when the option allows it.
    panelsim::Config real = test::EmulatorConfig(1, false, 1);
    real.announceEmulation = false;
    Rig allowed(real);
    ASSERT_TRUE(allowed.RunFile(allowed.Write(pkg), false, true));
    EXPECT_EQ(allowed.panel.Regions().at("driver0.bin"), pkg.sections[0]);
    // A real panel whose GUI is up to date gets no GUI, so only the drivers count.
    panelsim::Config realCurrent = test::EmulatorConfig(1, false, 5);
    realCurrent.announceEmulation = false;
    Rig current(realCurrent);
    test::PackageContents realGuiOnly = StandardContents();
    realGuiOnly.gui1 = PlaceholderProgram();
    ASSERT_TRUE(current.Run(realGuiOnly));
}

TEST(TransferDownload, AFiveSecondRestartSucceeds) {
    panelsim::Config config = test::EmulatorConfig(1, false, 1);
    config.faults.slowRestartMs = 5000;
    Rig rig(config);
    ASSERT_TRUE(rig.Run(StandardContents()));
    EXPECT_TRUE(rig.messages.Entries().empty());
    EXPECT_EQ(rig.panel.Regions().at("gui.bin"), StandardContents().gui1);
    EXPECT_EQ(rig.panel.Regions().at("userdata.bin"), StandardContents().user);
    // The panel was asked while it was still restarting, after both restarts.
    const auto& journal = rig.panel.Journal();
    EXPECT_GE(std::count(journal.begin(), journal.end(), "GetPanelInfo silent boot"), 1);
    EXPECT_GE(std::count(journal.begin(), journal.end(), "GetPanelInfo silent app"), 1);
}

TEST(TransferDownload, ReconnectionGivesUpWithinTheDesignedTime) {
    {
        // The link never opens again after the bootloader was asked for: 99
        // attempts 100 ms apart.
        Rig rig(test::EmulatorConfig(1, false, 1));
        rig.failOpensAfter = 1;
        EXPECT_FALSE(rig.Run(StandardContents()));
        EXPECT_EQ(rig.linksCreated, 1 + 99);
        EXPECT_EQ(rig.messages.Texts(),
                  std::vector<std::string>{Lines({text::kReconnectFailed, "UDP 192.168.1.20:5000",
                                                  text::kStateBootIntact})});
        EXPECT_EQ(std::count(rig.clock.sleeps.begin(), rig.clock.sleeps.end(), 3000ms), 1);
        EXPECT_GE(rig.progress.repaints, 99);
        EXPECT_EQ(rig.progress.caption, text::kConnectingCaption);
        EXPECT_LE(rig.clock.Now(), 100ms + 3000ms + 99 * 100ms);
    }
    {
        // The link opens but the panel never answers: the time limit ends the
        // attempts, each of which waits for a reply.
        panelsim::Config config = test::EmulatorConfig(1, false, 1);
        config.faults.slowRestartMs = 3600000;
        Rig rig(config);
        EXPECT_FALSE(rig.Run(StandardContents()));
        EXPECT_LE(rig.clock.Now(), 100ms + 3000ms + 99 * 100ms + 200ms);
        EXPECT_LT(rig.linksCreated, 1 + 99);
        EXPECT_EQ(rig.finalState, PanelState::BootIntact);
    }
}

TEST(TransferDownload, ReconnectionSucceedsOnALaterAttempt) {
    Rig rig(test::EmulatorConfig(1, false, 1));
    int attempts = 0;
    DownloadOptions options;
    options.packagePath = rig.Write(StandardContents());
    options.link.kind = kLinkUdp;
    options.link.addressText = "10.0.0.1";
    options.link.portText = "1";
    auto inner = rig.Factory();
    CDownloader d(options, rig.progress, rig.messages, rig.clock,
                  [&](const CLinkSettings& s) -> std::unique_ptr<CTransferLink> {
                      ++attempts;
                      if (attempts >= 2 && attempts < 10) {
                          return std::make_unique<FailingLink>(); // panel restarting
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
    EXPECT_FALSE(ProjectFits(3, 0, 0, false));
}

// After a mode change, a failure ends the session where the link allows it,
// and the one message says where the panel was left.
TEST(TransferDownload, FailuresAfterAModeChangeSayWhereThePanelIs) {
    struct Case {
        const char* what;
        panelsim::Config panel;
        int sendsBeforeCut;
        std::string message;
        PanelState state;
        const char* lastJournalLine;
    };
    const auto withFaults = [](panelsim::Config c, auto setFault) {
        setFault(c.faults);
        return c;
    };
    const panelsim::Config current = test::EmulatorConfig(1, false, 5);
    const panelsim::Config outdated = test::EmulatorConfig(1, false, 1);
    const std::vector<Case> cases{
        {"user data not verified", withFaults(current, [](auto& f) { f.failVerify = 1; }), -1,
         "烧写用户数据失败！", PanelState::AppIncomplete, "FinishDownload ok app"},
        {"erase unanswered", withFaults(current, [](auto& f) { f.dropReply = 3; }), -1, text::kEraseFailed,
         PanelState::AppIncomplete, "FinishDownload ok app"},
        {"block unanswered", withFaults(current, [](auto& f) { f.corruptChecksum = 5; }), -1,
         "下载用户数据失败！", PanelState::AppIncomplete, "FinishDownload ok app"},
        // Noise in a datagram makes it unreadable.
        {"download mode unanswered", withFaults(current, [](auto& f) { f.noiseBefore = 2; }), -1,
         text::kEnterDownloadFailed, PanelState::AppIntact, "FinishDownload ok app"},
        {"cable pulled", current, 5, "下载用户数据失败！", PanelState::DownloadNoAnswer,
         "WriteBlock ok app-download"},
        {"GUI not verified", withFaults(outdated, [](auto& f) { f.failVerify = 1; }), -1, "烧写GUI失败！",
         PanelState::BootNoGui, "FinishDownload ok boot"},
        {"bootloader unanswered", withFaults(outdated, [](auto& f) { f.dropReply = 2; }), -1,
         text::kEnterBootFailed, PanelState::Unknown, "EnterBootMode ok boot"},
    };
    for (const Case& c : cases) {
        Rig rig(c.panel);
        rig.sendsBeforeCut = c.sendsBeforeCut;
        EXPECT_FALSE(rig.Run(StandardContents())) << c.what;
        ASSERT_EQ(rig.messages.Entries().size(), 1u) << c.what;
        EXPECT_EQ(rig.messages.Texts()[0], Lines({c.message, PanelStateText(c.state)})) << c.what;
        EXPECT_EQ(rig.finalState, c.state) << c.what;
        ASSERT_FALSE(rig.panel.Journal().empty()) << c.what;
        EXPECT_EQ(rig.panel.Journal().back(), c.lastJournalLine) << c.what;
        EXPECT_FALSE(rig.panel.InDownloadMode() && c.state != PanelState::DownloadNoAnswer) << c.what;
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

TEST(TransferDownload, StartFailuresNameTheLink) {
    {
        Rig rig(test::EmulatorConfig(1, false, 5));
        rig.failOpensAfter = 0;
        EXPECT_FALSE(rig.Run(StandardContents()));
        EXPECT_EQ(rig.messages.Texts(),
                  std::vector<std::string>{Lines({text::kStartFailure, "UDP 192.168.1.20:5000"})});
    }
    {
        panelsim::Config config = test::EmulatorConfig(1, false, 5);
        config.faults.dropReply = 1;
        Rig rig(config);
        EXPECT_FALSE(rig.Run(StandardContents()));
        EXPECT_EQ(rig.messages.Texts(),
                  std::vector<std::string>{Lines({text::kGetInfoFailed, "UDP 192.168.1.20:5000"})});
    }
    // Settings that name no panel are told before any link is made.
    struct Bad {
        CLinkSettings link;
        std::string message;
    };
    CLinkSettings address;
    address.kind = kLinkUdp;
    address.addressText = "300.1.1.1";
    address.portText = "5";
    CLinkSettings port = address;
    port.addressText = "10.0.0.1";
    port.portText = "70000";
    CLinkSettings serial;
    serial.kind = kLinkSerial;
    serial.serialPortName = "com999";
    CLinkSettings usb;
    usb.kind = kLinkUsb;
    usb.usbIdFile = "/nonexistent/panels.conf";
    CLinkSettings none;
    none.kind = 9;
    const std::vector<Bad> bad{{address, "IP地址无效：300.1.1.1"},
                               {port, "端口无效：70000"},
                               {serial, "找不到串口：com999"},
                               {usb, "读取USB设备列表失败：/nonexistent/panels.conf: "},
                               {none, text::kStartFailure}};
    for (const Bad& b : bad) {
        test::RecordingProgress progress;
        balsar::RecordingMessageSink messages;
        test::ManualClock clock;
        test::TempDir dir;
        DownloadOptions options;
        options.packagePath = dir.Path() / "p.qk";
        test::WriteFile(options.packagePath, test::BuildPackage(StandardContents()));
        options.link = b.link;
        int links = 0;
        CDownloader d(options, progress, messages, clock, [&](const CLinkSettings&) {
            ++links;
            return std::unique_ptr<CTransferLink>();
        });
        EXPECT_FALSE(d.RunDownload()) << b.message;
        ASSERT_EQ(messages.Entries().size(), 1u) << b.message;
        EXPECT_EQ(messages.Texts()[0].rfind(b.message, 0), 0u) << messages.Texts()[0];
        EXPECT_EQ(links, 0) << b.message;
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
        options.link.kind = kLinkUdp;
        options.link.addressText = "127.0.0.1";
        options.link.portText = "9";
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
        EXPECT_EQ(log.events, (std::vector<std::string>{"open 1", "close 1",
                                                        Lines({text::kGetInfoFailed, "UDP 127.0.0.1:9"})}));
    }
    {
        panelsim::PanelModel panel(test::EmulatorConfig(2, false, 6));
        test::PackageContents pkg = StandardContents();
        pkg.user = test::PatternBytes(131072 - 15, 31);
        ConnectionLog log;
        EXPECT_FALSE(log.Run(panel, pkg));
        EXPECT_EQ(log.events, (std::vector<std::string>{"open 1", "close 1",
                                                        Lines({text::kProjectTooLarge, text::kStateUntouched})}));
    }
    {
        panelsim::PanelModel panel(test::EmulatorConfig(1, false, 5));
        ConnectionLog log;
        EXPECT_TRUE(log.Run(panel, StandardContents()));
        EXPECT_EQ(log.events, (std::vector<std::string>{"open 1", "close 1"}));
    }
    {
        // The GUI update: a new link after each of the two restarts.
        panelsim::PanelModel panel(test::EmulatorConfig(2, false, 1));
        ConnectionLog log;
        EXPECT_TRUE(log.Run(panel, StandardContents()));
        const std::vector<std::string> expected{"open 1", "close 1", "open 2", "close 2", "open 3", "close 3"};
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
