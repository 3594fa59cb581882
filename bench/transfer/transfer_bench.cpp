// Download of a 100 KB user-data region into panel-emulator with the real
// clock: over UDP loopback and a pseudo-terminal (the whole run and the tool's
// own time per block: (run - the 100 ms pause before the panel information
// reply) / blocks), over a pseudo-terminal paced at 115200 baud (the frame
// bytes sent per second against the line's limit), and into 16 emulated UDP
// panels at once against one (caldo-cli's parallel download).
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

#include <fstream>
#include <memory>

#include "base/ByteWriter.h"
#include "base/FileIo.h"
#include "cli/CaldoCliParallel.h"
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

// A link that counts the bytes the tool sends through it.
class CountingLink : public caldo::CTransferLink {
public:
    CountingLink(std::unique_ptr<caldo::CTransferLink> inner, size_t& sent) : m_inner(std::move(inner)), m_sent(sent) {}
    int MaxPacketSize() override { return m_inner->MaxPacketSize(); }
    bool Receive(uint8_t* buffer, size_t capacity, int units, size_t& received) override {
        return m_inner->Receive(buffer, capacity, units, received);
    }
    bool Close() override { return m_inner->Close(); }
    bool Configure(const caldo::CLinkSettings& settings) override { return m_inner->Configure(settings); }
    bool Open() override { return m_inner->Open(); }
    bool Send(const uint8_t* data, size_t length, int units) override {
        m_sent += length;
        return m_inner->Send(data, length, units);
    }

private:
    std::unique_ptr<caldo::CTransferLink> m_inner;
    size_t& m_sent;
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

// The pseudo-terminal paced like a 115200 baud line: the bytes sent per second
// against the 11520 bytes per second the line carries (8N1).
void BM_Download100KB_Pty115200(benchmark::State& state) {
    const auto package = WritePackage();
    Emulator emulator({"--pty", "--gui-version", "65535", "--baud", "115200"});
    double totalSeconds = 0;
    size_t totalSent = 0;
    for (auto _ : state) {
        Quiet quiet;
        caldo::SteadyClock clock;
        caldo::DownloadOptions options;
        options.packagePath = package;
        options.link = emulator.link;
        size_t sent = 0;
        caldo::CDownloader downloader(options, quiet, quiet, clock, [&sent](const caldo::CLinkSettings& s) {
            return std::make_unique<CountingLink>(caldo::CreateLink(s), sent);
        });
        const auto start = std::chrono::steady_clock::now();
        const bool ok = downloader.RunDownload();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!ok) {
            state.SkipWithError(quiet.error.c_str());
            break;
        }
        state.SetIterationTime(seconds);
        totalSeconds += seconds;
        totalSent += sent;
    }
    std::filesystem::remove(package);
    if (state.iterations() == 0 || totalSeconds == 0) {
        return;
    }
    const double bytesPerSecond = static_cast<double>(totalSent) / totalSeconds;
    state.counters["run_ms"] = totalSeconds * 1000.0 / static_cast<double>(state.iterations());
    state.counters["bytes_sent"] = static_cast<double>(totalSent) / static_cast<double>(state.iterations());
    state.counters["wire_percent"] = bytesPerSecond / (115200.0 / 10.0) * 100.0;
}

// caldo-cli's download into several panels at once: 16 emulated UDP panels
// against one, each on its own connection and thread.
void BM_Udp16PanelsAgainstOne(benchmark::State& state) {
    const auto package = WritePackage();
    std::vector<std::unique_ptr<Emulator>> panels;
    std::vector<caldo::CLinkSettings> targets;
    for (int i = 0; i < 16; ++i) {
        panels.push_back(std::make_unique<Emulator>(std::vector<std::string>{"--udp", "0", "--gui-version", "65535"}));
        targets.push_back(panels.back()->link);
    }
    caldo::DownloadOptions options;
    options.packagePath = package;
    std::ofstream discard;
    auto run = [&](const std::vector<caldo::CLinkSettings>& some) {
        caldo::PanelBoard board(discard, false, std::vector<std::string>(some.size(), "panel"));
        caldo::SteadyClock clock;
        const auto start = std::chrono::steady_clock::now();
        const auto results = caldo::DownloadToAll(options, some, board, clock);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        for (const auto& r : results) {
            if (!r.ok) {
                return -1.0;
            }
        }
        return seconds;
    };
    const std::vector<caldo::CLinkSettings> one(targets.begin(), targets.begin() + 1);
    double oneTotal = 0, allTotal = 0;
    for (auto _ : state) {
        const double single = run(one);
        const double sixteen = run(targets);
        if (single < 0 || sixteen < 0) {
            state.SkipWithError("a panel failed");
            break;
        }
        state.SetIterationTime(sixteen);
        oneTotal += single;
        allTotal += sixteen;
    }
    std::filesystem::remove(package);
    if (state.iterations() == 0 || oneTotal == 0) {
        return;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["one_ms"] = oneTotal * 1000.0 / n;
    state.counters["sixteen_ms"] = allTotal * 1000.0 / n;
    state.counters["ratio_to_one"] = allTotal / oneTotal;
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
BENCHMARK(BM_Download100KB_Pty115200)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Udp16PanelsAgainstOne)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_MAIN();
