// Download of a 100 KB user-data region into panel-emulator over UDP loopback
// and over a pseudo-terminal, with the real clock. Reports the whole run and the
// tool's own time per block: (run - the 100 ms pause before the panel
// information reply) / blocks.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/ByteWriter.h"
#include "base/FileIo.h"
#include "transfer/Downloader.h"

extern char** environ;

namespace {

using Bytes = std::vector<uint8_t>;
constexpr size_t kUserDataSize = 100 * 1024;

// A kind-2 package holding only a user-data region.
std::filesystem::path WritePackage() {
    Bytes user(kUserDataSize);
    for (size_t i = 0; i < user.size(); ++i) {
        user[i] = static_cast<uint8_t>(i * 131 + 7);
    }
    Bytes file(108, 0);
    std::memcpy(file.data(), "zembra-qk", 9);
    balsar::WriteAt(file, 16, 2, 4);
    balsar::WriteAt(file, 20, 108, 4);
    balsar::WriteAt(file, 24, static_cast<uint32_t>(user.size()), 4);
    uint32_t sum = 0;
    for (uint8_t b : user) {
        sum += b;
    }
    balsar::WriteAt(file, 32, sum, 4);
    balsar::WriteAt(file, 104, 108, 4);
    file.insert(file.end(), user.begin(), user.end());
    const auto path =
        std::filesystem::temp_directory_path() / ("caldo-bench-" + std::to_string(::getpid()) + ".qk");
    std::string error;
    balsar::WriteFileAtomically(path, file, error);
    return path;
}

class Emulator {
public:
    explicit Emulator(const std::vector<std::string>& extra) {
        std::vector<std::string> args{PANEL_EMULATOR_PATH};
        args.insert(args.end(), extra.begin(), extra.end());
        int fds[2];
        if (::pipe(fds) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        std::vector<char*> argv;
        for (auto& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        std::string line;
        char c;
        pollfd pfd{fds[0], POLLIN, 0};
        while (::poll(&pfd, 1, 5000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') {
            line += c;
        }
        ::close(fds[0]);
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        if (kind == "udp") {
            link.kind = caldo::kLinkUdp;
            in >> link.addressText >> link.portText;
        } else {
            link.kind = caldo::kLinkSerial;
            in >> link.serialPortName;
        }
    }
    ~Emulator() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    caldo::CLinkSettings link;

private:
    pid_t m_pid = -1;
};

class Quiet : public caldo::ProgressView, public balsar::MessageSink {
public:
    void SetCaption(const std::string&) override {}
    void SetRange(int, int) override {}
    void SetPos(int) override {}
    void StepIt() override {}
    void Repaint() override {}
    void ShowPanel(const caldo::PanelInfo&) override {}
    void Message(const std::string& text, balsar::MessageKind, const std::string&) override { error = text; }
    std::string error;
};

void RunDownload(benchmark::State& state, const std::vector<std::string>& emulatorArgs, int payload) {
    const auto package = WritePackage();
    Emulator emulator(emulatorArgs);
    const double blocks =
        static_cast<double>(caldo::BlockCount(kUserDataSize, static_cast<uint32_t>(payload)));
    double totalSeconds = 0;
    for (auto _ : state) {
        Quiet quiet;
        caldo::SteadyClock clock;
        caldo::DownloadOptions options;
        options.packagePath = package;
        options.link = emulator.link;
        caldo::CDownloader downloader(options, quiet, quiet, clock);
        const auto start = std::chrono::steady_clock::now();
        const bool ok = downloader.RunDownload();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!ok) {
            state.SkipWithError(quiet.error.c_str());
            break;
        }
        state.SetIterationTime(seconds);
        totalSeconds += seconds;
    }
    std::filesystem::remove(package);
    if (state.iterations() == 0) {
        return;
    }
    const double run = totalSeconds / static_cast<double>(state.iterations());
    state.counters["run_ms"] = run * 1000.0;
    state.counters["blocks"] = blocks;
    state.counters["tool_ms_per_block"] = (run - 0.100) * 1000.0 / blocks;
}

void BM_Download100KB_Udp(benchmark::State& state) {
    RunDownload(state, {"--udp", "0", "--gui-version", "65535"}, 1016);
}

void BM_Download100KB_Pty(benchmark::State& state) {
    RunDownload(state, {"--pty", "--gui-version", "65535"}, 504);
}

} // namespace

BENCHMARK(BM_Download100KB_Udp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Download100KB_Pty)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
