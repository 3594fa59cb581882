// caldo-cli downloads packages into panel-emulator, both run as programs, over
// UDP on loopback and over a pseudo-terminal; injected faults end the run with
// their message and exit status 1.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "TransferTestSupport.h"
#include "transfer/TransferStrings.h"

extern char** environ;

namespace caldo {
namespace {

using test::Bytes;

pid_t Spawn(const std::vector<std::string>& args, int stdoutFd, int stderrFd) {
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
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

// A running panel-emulator; stopped by its process id on destruction.
class Emulator {
public:
    explicit Emulator(std::vector<std::string> args) {
        args.insert(args.begin(), PANEL_EMULATOR_PATH);
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
        return {"--serial", m_device};
    }
    bool Ready() const { return m_pid > 0 && (!m_port.empty() || !m_device.empty()); }

private:
    pid_t m_pid = -1;
    std::string m_transport, m_host, m_port, m_device;
};

struct CliResult {
    int status = -1;
    std::string err;
};

CliResult RunCli(const std::vector<std::string>& args, const std::filesystem::path& errFile) {
    std::vector<std::string> full{CALDO_CLI_PATH};
    full.insert(full.end(), args.begin(), args.end());
    const int fd = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    CliResult r;
    const pid_t pid = Spawn(full, -1, fd);
    ::close(fd);
    if (pid < 0) {
        return r;
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const Bytes err = test::ReadFile(errFile);
    r.err.assign(err.begin(), err.end());
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

class TransferE2e : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(OutDir());
        test::WriteFile(PackagePath(), test::BuildPackage(pkg));
    }
    std::filesystem::path OutDir() const { return dir.Path() / "out"; }
    std::filesystem::path PackagePath() const { return dir.Path() / "p.qk"; }

    CliResult Download(const Emulator& emu, bool force = false) {
        std::vector<std::string> args{"download", PackagePath().string()};
        const auto link = emu.LinkArgs();
        args.insert(args.end(), link.begin(), link.end());
        if (force) {
            args.push_back("--force-gui");
        }
        return RunCli(args, dir.Path() / "stderr.txt");
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

TEST_F(TransferE2e, UdpWithoutGuiUpdate) {
    Emulator emu({"--udp", "0", "--gui-version", "5", "--out", OutDir().string()});
    ASSERT_TRUE(emu.Ready());
    const CliResult r = Download(emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(false, {});
}

TEST_F(TransferE2e, UdpWithGuiUpdateOnModel2) {
    Emulator emu({"--udp", "0", "--model", "2", "--gui-version", "1", "--out", OutDir().string()});
    ASSERT_TRUE(emu.Ready());
    const CliResult r = Download(emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(true, pkg.gui2);
    EXPECT_NE(r.err.find("烧写GUI成功！"), std::string::npos) << r.err;
}

TEST_F(TransferE2e, PtyWithoutGuiUpdate) {
    Emulator emu({"--pty", "--gui-version", "7", "--out", OutDir().string()});
    ASSERT_TRUE(emu.Ready());
    const CliResult r = Download(emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(false, {});
}

TEST_F(TransferE2e, PtyForcedGuiUpdateFromBootloader) {
    Emulator emu({"--pty", "--mode", "boot", "--gui-version", "9", "--out", OutDir().string()});
    ASSERT_TRUE(emu.Ready());
    const CliResult r = Download(emu, true);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(true, pkg.gui1);
}

TEST_F(TransferE2e, PtyNoiseBeforeAReplyIsSkipped) {
    Emulator emu({"--pty", "--gui-version", "5", "--noise", "1", "--out", OutDir().string()});
    ASSERT_TRUE(emu.Ready());
    const CliResult r = Download(emu);
    EXPECT_EQ(r.status, 0) << r.err;
    ExpectRegions(false, {});
}

struct FaultCase {
    const char* name;
    const char* transport; // "udp" or "pty"
    std::vector<std::string> emulatorArgs;
    std::string message;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class TransferE2eFault : public TransferE2e, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(TransferE2eFault, EndsWithMessageAndStatus1) {
    const FaultCase& c = GetParam();
    std::vector<std::string> args;
    if (std::string(c.transport) == "udp") {
        args = {"--udp", "0"};
    } else {
        args = {"--pty"};
    }
    args.insert(args.end(), {"--gui-version", "5", "--out", OutDir().string()});
    args.insert(args.end(), c.emulatorArgs.begin(), c.emulatorArgs.end());
    Emulator emu(args);
    ASSERT_TRUE(emu.Ready());
    const CliResult r = Download(emu);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(OutDir() / "driver1_0.bin"));
}

// Replies are counted from 1: panel information, download mode, erase, blocks, verify, ...
INSTANTIATE_TEST_SUITE_P(
    Faults, TransferE2eFault,
    ::testing::Values(
        FaultCase{"UdpDropInfo", "udp", {"--drop-reply", "1"}, text::kGetInfoFailed},
        FaultCase{"UdpCorruptEnter", "udp", {"--corrupt-checksum", "2"}, text::kEnterDownloadFailed},
        FaultCase{"UdpNoise", "udp", {"--noise", "3"}, text::kEraseFailed},
        FaultCase{"UdpShortInfo", "udp", {"--short-reply", "1"}, text::kGetInfoFailed},
        FaultCase{"UdpVerify", "udp", {"--fail-verify", "1"}, "烧写用户数据失败！"},
        FaultCase{"PtyShortInfo", "pty", {"--short-reply", "1"}, text::kGetInfoFailed},
        FaultCase{"PtyCorruptErase", "pty", {"--corrupt-checksum", "3"}, text::kEraseFailed},
        FaultCase{"PtyDropBlock", "pty", {"--drop-reply", "5"}, "下载用户数据失败！"},
        FaultCase{"PtyVerifyDriver", "pty", {"--fail-verify", "2"}, "烧写驱动(0)失败！"},
        FaultCase{
            "UdpSlowRestart", "udp", {"--gui-version", "1", "--slow-restart", "5000"}, text::kGetInfoFailed}),
    [](const ::testing::TestParamInfo<FaultCase>& p) { return std::string(p.param.name); });

TEST_F(TransferE2e, NoPanelAndBadPackage) {
    CliResult r =
        RunCli({"download", PackagePath().string(), "--serial", "/nonexistent/ttyNONE"}, dir.Path() / "e");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("通信启动失败！"), std::string::npos) << r.err;

    Emulator emu({"--udp", "0", "--gui-version", "5", "--out", OutDir().string()});
    ASSERT_TRUE(emu.Ready());
    Bytes bytes = test::BuildPackage(pkg);
    bytes.resize(bytes.size() - 1);
    test::WriteFile(PackagePath(), bytes);
    r = Download(emu);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(text::kPackageDamaged), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::is_empty(OutDir()));

    r = RunCli({"download", PackagePath().string()}, dir.Path() / "e");
    EXPECT_EQ(r.status, 2);
}

} // namespace
} // namespace caldo
