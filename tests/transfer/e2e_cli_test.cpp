// caldo-cli downloads packages into panel-emulator, both run as programs, over
// UDP on loopback, a pseudo-terminal and an emulated USB device; injected
// faults end the run with their message and exit status 1, and refused
// packages leave the panel as it was.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "TransferTestSupport.h"
#include "transfer/TransferStrings.h"

extern char** environ;

namespace caldo {
namespace {

using test::Bytes;

pid_t Spawn(const std::vector<std::string>& args, int stdoutFd, int stderrFd,
            const std::vector<std::string>& extraEnv = {}) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    }
    if (stderrFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stderrFd, STDERR_FILENO);
    }
    std::vector<char*> argv;
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    // The extra variables replace those of the same name.
    std::vector<char*> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const bool replaced = std::any_of(extraEnv.begin(), extraEnv.end(), [&](const std::string& x) {
            return entry.compare(0, x.find('=') + 1, x, 0, x.find('=') + 1) == 0;
        });
        if (!replaced) {
            env.push_back(*e);
        }
    }
    for (const auto& e : extraEnv) {
        env.push_back(const_cast<char*>(e.c_str()));
    }
    env.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

// A running panel-emulator with a journal; stopped by its process id on destruction.
class Emulator {
public:
    Emulator(std::vector<std::string> args, const std::filesystem::path& journal) : m_journal(journal) {
        args.insert(args.begin(), PANEL_EMULATOR_PATH);
        args.insert(args.end(), {"--journal", journal.string()});
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            return;
        }
        m_pid = Spawn(args, fds[1], -1);
        ::close(fds[1]);
        // The first line says where the panel listens.
        std::string line;
        char c;
        pollfd pfd{fds[0], POLLIN, 0};
        while (::poll(&pfd, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') {
            line += c;
        }
        ::close(fds[0]);
        std::istringstream in(line);
        in >> m_transport;
        if (m_transport == "udp") {
            in >> m_host >> m_port;
        } else {
            in >> m_device;
        }
    }
    ~Emulator() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    std::vector<std::string> LinkArgs() const {
        if (m_transport == "udp") {
            return {"--udp", m_host + ":" + m_port};
        }
        if (m_transport == "usb") {
            return {"--usb"};
        }
        return {"--serial", m_device};
    }
    // What a client of the emulated USB device needs in its environment.
    std::vector<std::string> ClientEnvironment() const {
        if (m_transport != "usb") {
            return {};
        }
        // In a sanitizer build the preloaded library comes before the
        // sanitizer's runtime, and what it keeps until exit is not ours.
        const char* asan = std::getenv("ASAN_OPTIONS");
        return {"LD_PRELOAD=libumockdev-preload.so.0", "UMOCKDEV_DIR=" + m_device,
                "ASAN_OPTIONS=" + std::string(asan ? asan : "") + (asan && *asan ? ":" : "") +
                    "verify_asan_link_order=0:detect_leaks=0"};
    }
    bool Ready() const { return m_pid > 0 && (!m_port.empty() || !m_device.empty()); }
    std::vector<std::string> Journal() const {
        std::ifstream in(m_journal);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

private:
    std::filesystem::path m_journal;
    pid_t m_pid = -1;
    std::string m_transport, m_host, m_port, m_device;
};

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::filesystem::path& folder, const std::vector<std::string>& env = {}) {
    std::vector<std::string> full{program};
    full.insert(full.end(), args.begin(), args.end());
    const auto outFile = folder / "stdout.txt";
    const auto errFile = folder / "stderr.txt";
    const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    CliResult r;
    const pid_t pid = Spawn(full, out, err, env);
    ::close(out);
    ::close(err);
    if (pid < 0) {
        return r;
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const Bytes o = test::ReadFile(outFile);
    const Bytes e = test::ReadFile(errFile);
    r.out.assign(o.begin(), o.end());
    r.err.assign(e.begin(), e.end());
    return r;
}

test::PackageContents E2eContents() {
    test::PackageContents pkg;
    pkg.user = test::PatternBytes(5000, 101);
    pkg.gui1 = test::PatternBytes(1900, 102);
    pkg.gui2 = test::PatternBytes(1300, 103);
    pkg.sections = {test::PatternBytes(900, 104), test::PatternBytes(450, 105)};
    return pkg;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

class TransferE2e : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(OutDir());
        test::WriteFile(PackagePath(), test::BuildPackage(pkg));
    }
    std::filesystem::path OutDir() const { return dir.Path() / "out"; }
    std::filesystem::path PackagePath() const { return dir.Path() / "p.qk"; }
    std::filesystem::path JournalPath() const { return dir.Path() / "journal.txt"; }

    // A panel on a transport ("udp", "pty", "usb") writing into OutDir().
    std::unique_ptr<Emulator> Start(const std::string& transport, std::vector<std::string> args) {
        if (transport == "udp") {
            args.insert(args.begin(), {"--udp", "0"});
        } else {
            args.insert(args.begin(), "--" + transport);
        }
        args.insert(args.end(), {"--out", OutDir().string()});
        return std::make_unique<Emulator>(args, JournalPath());
    }

    CliResult Download(const Emulator& emu, std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"download", PackagePath().string()};
        const auto link = emu.LinkArgs();
        args.insert(args.end(), link.begin(), link.end());
        args.insert(args.end(), extra.begin(), extra.end());
        return RunProgram(CALDO_CLI_PATH, args, dir.Path(), emu.ClientEnvironment());
    }

    void ExpectRegions(bool withGui, const Bytes& gui) {
        EXPECT_EQ(test::ReadFile(OutDir() / "userdata.bin"), pkg.user);
        EXPECT_EQ(test::ReadFile(OutDir() / "driver0.bin"), pkg.sections[0]);
        EXPECT_EQ(test::ReadFile(OutDir() / "driver1_0.bin"), pkg.sections[1]);
        EXPECT_EQ(std::filesystem::exists(OutDir() / "gui.bin"), withGui);
        if (withGui) {
            EXPECT_EQ(test::ReadFile(OutDir() / "gui.bin"), gui);
        }
    }

    test::TempDir dir;
    test::PackageContents pkg = E2eContents();
};

// Skips a USB test only where this build has no emulated USB device.
#define REQUIRE_USB_EMULATION()                                                                                \
    do {                                                                                                       \
        if (!PANEL_EMULATOR_HAS_USB) {                                                                         \
            GTEST_SKIP() << "panel-emulator was built without umockdev: install umockdev, libumockdev-dev "    \
                            "and gir1.2-umockdev-1.0 (scripts/setup.sh) to run the USB tests";                  \
        }                                                                                                      \
    } while (false)

TEST_F(TransferE2e, UdpWithoutGuiUpdate) {
    auto emu = Start("udp", {"--gui-version", "5"});
    ASSERT_TRUE(emu->Ready());
    const CliResult r = Download(*emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(false, {});
    EXPECT_NE(r.err.find(text::kDownloadDone), std::string::npos) << r.err;
}

TEST_F(TransferE2e, UdpWithGuiUpdateOnModel2) {
    auto emu = Start("udp", {"--model", "2", "--gui-version", "1"});
    ASSERT_TRUE(emu->Ready());
    const CliResult r = Download(*emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(true, pkg.gui2);
    EXPECT_NE(r.err.find("烧写GUI成功！"), std::string::npos) << r.err;
    // The panel's model and GUI version are shown before and after the update.
    EXPECT_NE(r.err.find("型号 2，GUI 1"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("型号 2，GUI 6"), std::string::npos) << r.err;
}

TEST_F(TransferE2e, PtyWithoutGuiUpdate) {
    auto emu = Start("pty", {"--gui-version", "7"});
    ASSERT_TRUE(emu->Ready());
    const CliResult r = Download(*emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(false, {});
}

TEST_F(TransferE2e, PtyForcedGuiUpdateFromBootloader) {
    auto emu = Start("pty", {"--mode", "boot", "--gui-version", "9"});
    ASSERT_TRUE(emu->Ready());
    const CliResult r = Download(*emu, {"--force-gui"});
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(true, pkg.gui1);
}

TEST_F(TransferE2e, PtyNoiseBeforeAReplyIsSkipped) {
    auto emu = Start("pty", {"--gui-version", "5", "--noise", "1"});
    ASSERT_TRUE(emu->Ready());
    const CliResult r = Download(*emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(false, {});
}

// A line at 115200 baud whose adapter hands each reply over in two pieces
// 16 ms apart (its latency timer), with a GUI update on the way.
TEST_F(TransferE2e, PtyThrottledLineWithSplitReplies) {
    auto emu = Start("pty", {"--gui-version", "1", "--baud", "115200", "--split-reply", "16"});
    ASSERT_TRUE(emu->Ready());
    const CliResult r = Download(*emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(true, pkg.gui1);
}

// The panel restarts for 5 s, into its bootloader and into its new GUI.
class TransferE2eSlowRestart : public TransferE2e, public ::testing::WithParamInterface<const char*> {};

TEST_P(TransferE2eSlowRestart, FiveSecondsSucceed) {
    auto emu = Start(GetParam(), {"--gui-version", "1", "--slow-restart", "5000"});
    ASSERT_TRUE(emu->Ready());
    const CliResult r = Download(*emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(true, pkg.gui1);
    const auto journal = emu->Journal();
    EXPECT_NE(std::find(journal.begin(), journal.end(), "GetPanelInfo silent boot"), journal.end());
}

INSTANTIATE_TEST_SUITE_P(Links, TransferE2eSlowRestart, ::testing::Values("udp", "pty"));

struct FaultCase {
    const char* name;
    const char* transport; // "udp" or "pty"
    std::vector<std::string> emulatorArgs;
    std::string message;
    std::string state; // the line that says where the panel was left
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class TransferE2eFault : public TransferE2e, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(TransferE2eFault, EndsWithOneMessageAndStatus1) {
    const FaultCase& c = GetParam();
    std::vector<std::string> args{"--gui-version", "5"};
    args.insert(args.end(), c.emulatorArgs.begin(), c.emulatorArgs.end());
    auto emu = Start(c.transport, args);
    ASSERT_TRUE(emu->Ready());
    const CliResult r = Download(*emu);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(Count(r.err, c.message), 1u) << r.err;
    EXPECT_NE(r.err.find(c.state), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(OutDir() / "driver1_0.bin"));
}

// Replies are counted from 1: panel information, download mode, erase, blocks, verify, ...
INSTANTIATE_TEST_SUITE_P(
    Faults, TransferE2eFault,
    ::testing::Values(
        FaultCase{"UdpDropInfo", "udp", {"--drop-reply", "1"}, text::kGetInfoFailed, "UDP 127.0.0.1:"},
        FaultCase{"UdpCorruptEnter", "udp", {"--corrupt-checksum", "2"}, text::kEnterDownloadFailed,
                  text::kStateAppIntact},
        FaultCase{"UdpNoise", "udp", {"--noise", "3"}, text::kEraseFailed, text::kStateAppIncomplete},
        FaultCase{"UdpShortInfo", "udp", {"--short-reply", "1"}, text::kGetInfoFailed, "UDP 127.0.0.1:"},
        FaultCase{"UdpVerify", "udp", {"--fail-verify", "1"}, "烧写用户数据失败！", text::kStateAppIncomplete},
        FaultCase{"PtyShortInfo", "pty", {"--short-reply", "1"}, text::kGetInfoFailed, "串口 /dev/pts/"},
        FaultCase{"PtyCorruptErase", "pty", {"--corrupt-checksum", "3"}, text::kEraseFailed,
                  text::kStateAppIncomplete},
        FaultCase{"PtyDropBlock", "pty", {"--drop-reply", "5"}, "下载用户数据失败！", text::kStateAppIncomplete},
        FaultCase{"PtyVerifyDriver", "pty", {"--fail-verify", "2"}, "烧写驱动(0)失败！", text::kStateAppIncomplete},
        FaultCase{"UdpGuiNotVerified", "udp", {"--gui-version", "1", "--fail-verify", "1"}, "烧写GUI失败！",
                  text::kStateBootNoGui}),
    [](const ::testing::TestParamInfo<FaultCase>& p) { return std::string(p.param.name); });

// Refused packages, on every link: one message, and the panel's journal shows
// that nothing but its information was asked for; it still runs its application.
struct RefusalCase {
    const char* name;
    std::vector<std::string> emulatorArgs;
    std::function<void(test::PackageContents&, Bytes&)> damage; // null: no package file at all
    std::string message;
    std::vector<std::string> cliArgs = {};
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class TransferE2eRefusal
    : public TransferE2e,
      public ::testing::WithParamInterface<std::tuple<const char*, RefusalCase>> {};

TEST_P(TransferE2eRefusal, LeavesThePanelInItsApplication) {
    const auto& [transport, c] = GetParam();
    if (std::string(transport) == "usb") {
        REQUIRE_USB_EMULATION();
    }
    if (c.damage) {
        test::PackageContents contents = pkg;
        Bytes bytes;
        c.damage(contents, bytes);
        test::WriteFile(PackagePath(), bytes.empty() ? test::BuildPackage(contents) : bytes);
    } else {
        std::filesystem::remove(PackagePath());
    }
    auto emu = Start(transport, c.emulatorArgs);
    ASSERT_TRUE(emu->Ready());
    const CliResult r = Download(*emu, c.cliArgs);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(Count(r.err, c.message), 1u) << r.err;
    const auto journal = emu->Journal();
    for (const std::string& line : journal) {
        EXPECT_EQ(line, "GetPanelInfo ok app") << "a command beyond the panel information";
    }
    EXPECT_TRUE(std::filesystem::is_empty(OutDir()));
}

std::vector<RefusalCase> RefusalCases() {
    return {
        {"Damaged", {"--gui-version", "1"},
         [](test::PackageContents& p, Bytes& b) {
             b = test::BuildPackage(p);
             b.back() ^= 0x01;
         },
         text::kPackageDamaged},
        {"WrongKind", {"--gui-version", "1"},
         [](test::PackageContents& p, Bytes& b) {
             b = test::BuildPackage(p);
             b[16] = 3;
         },
         text::kPackageKindMismatch},
        // A package with only the model-1 GUI, for a model-2 panel that is to get a new GUI.
        {"WrongModel", {"--model", "2", "--gui-version", "1"}, [](test::PackageContents& p, Bytes&) { p.kind = 1; },
         text::kPackageKindMismatch, {"--force-gui"}},
        {"TooLarge", {"--gui-version", "1"},
         [](test::PackageContents& p, Bytes&) { p.user = test::PatternBytes(106496, 7); }, "工程过大"},
        {"Missing", {"--gui-version", "1"}, nullptr, text::kOpenFileFailed},
    };
}

INSTANTIATE_TEST_SUITE_P(Links, TransferE2eRefusal,
                         ::testing::Combine(::testing::Values("udp", "pty", "usb"), ::testing::ValuesIn(RefusalCases())),
                         [](const auto& p) {
                             return std::string(std::get<0>(p.param)) + "_" + std::get<1>(p.param).name;
                         });

TEST_F(TransferE2e, UsbDownloadFollowsThePanelIntoItsBootloader) {
    REQUIRE_USB_EMULATION();
    auto emu = Start("usb", {"--gui-version", "1"});
    ASSERT_TRUE(emu->Ready()) << "panel-emulator --usb did not name its testbed";
    const CliResult r = Download(*emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(true, pkg.gui1);
    // The bootloader was reached under its own id, through the discovery file.
    const auto journal = emu->Journal();
    EXPECT_NE(std::find(journal.begin(), journal.end(), "GetPanelInfo ok boot"), journal.end());
}

TEST_F(TransferE2e, PlaceholdersOnlyIntoEmulatedPanelsOrWhenAllowed) {
    const std::string text = "BALSAR-PLACEHOLDER PLC driver test: not a panel program\n";
    pkg.sections[0] = Bytes(text.begin(), text.end());
    test::WriteFile(PackagePath(), test::BuildPackage(pkg));
    {
        auto emu = Start("udp", {"--gui-version", "5", "--as-real-panel"});
        ASSERT_TRUE(emu->Ready());
        const CliResult r = Download(*emu);
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find("下载包中的驱动(0)是占位文件"), std::string::npos) << r.err;
        EXPECT_EQ(emu->Journal(), std::vector<std::string>{"GetPanelInfo ok app"});
        const CliResult allowed = Download(*emu, {"--allow-placeholder"});
        EXPECT_EQ(allowed.status, 0) << allowed.err;
    }
    std::filesystem::remove_all(OutDir());
    std::filesystem::create_directories(OutDir());
    auto emulated = Start("udp", {"--gui-version", "5"});
    ASSERT_TRUE(emulated->Ready());
    EXPECT_EQ(Download(*emulated).status, 0);
    ExpectRegions(false, {});
}

TEST_F(TransferE2e, SeveralPanelsAtOnce) {
    std::vector<std::unique_ptr<Emulator>> panels;
    std::vector<std::string> args{"download", PackagePath().string()};
    for (int i = 0; i < 3; ++i) {
        std::vector<std::string> emulatorArgs{"--udp", "0", "--gui-version", "5"};
        if (i == 1) {
            emulatorArgs.insert(emulatorArgs.end(), {"--fail-verify", "1"});
        }
        panels.push_back(std::make_unique<Emulator>(emulatorArgs, dir.Path() / ("j" + std::to_string(i))));
        ASSERT_TRUE(panels.back()->Ready());
        const auto link = panels.back()->LinkArgs();
        args.insert(args.end(), link.begin(), link.end());
    }
    const CliResult r = RunProgram(CALDO_CLI_PATH, args, dir.Path());
    EXPECT_EQ(r.status, 1) << r.err;
    // One summary row per panel, and the count of failures.
    EXPECT_EQ(Count(r.out, "  ok  "), 2u) << r.out;
    EXPECT_EQ(Count(r.out, "  FAILED  "), 1u) << r.out;
    EXPECT_NE(r.out.find("2 of 3 panels downloaded, 1 failed"), std::string::npos) << r.out;
    // The failure is told on the failing panel's lines only.
    EXPECT_EQ(Count(r.err, "烧写用户数据失败！"), 1u) << r.err;
}

TEST_F(TransferE2e, NoPanelBadSettingsAndUsage) {
    CliResult r = RunProgram(CALDO_CLI_PATH, {"download", PackagePath().string(), "--serial", "/nonexistent/ttyNONE"},
                             dir.Path());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("通信启动失败！"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("/nonexistent/ttyNONE"), std::string::npos) << r.err;

    r = RunProgram(CALDO_CLI_PATH, {"download", PackagePath().string(), "--udp", "300.1.1.1:5"}, dir.Path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Count(r.err, "IP地址无效：300.1.1.1"), 1u) << r.err;
    EXPECT_EQ(r.err.find(text::kGetInfoFailed), std::string::npos) << r.err;

    r = RunProgram(CALDO_CLI_PATH, {"download", (dir.Path() / "none.qk").string(), "--udp", "127.0.0.1:9"},
                   dir.Path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Count(r.err, text::kOpenFileFailed), 1u) << r.err;
    EXPECT_NE(r.err.find("none.qk"), std::string::npos) << r.err;

    EXPECT_EQ(RunProgram(CALDO_CLI_PATH, {"download", PackagePath().string()}, dir.Path()).status, 2);
    for (const char* program : {CALDO_CLI_PATH, PANEL_EMULATOR_PATH}) {
        r = RunProgram(program, {"--help"}, dir.Path());
        EXPECT_EQ(r.status, 0) << program;
        EXPECT_EQ(r.out.rfind("usage: ", 0), 0u) << program << ": " << r.out;
    }
}

} // namespace
} // namespace caldo
