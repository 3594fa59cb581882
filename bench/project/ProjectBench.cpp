// Save, load and compile of a generated project of 1000 screens.
//   cmake --preset release && cmake --build --preset release --target bench_project
//   build/release/bin/bench_project
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "compiler/ImageCompiler.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"

using namespace balsar;

namespace {

constexpr int kScreens = 1000;

std::unique_ptr<CMirloProject> Generate() {
    auto project = std::make_unique<CMirloProject>();
    project->panelModelId = 1;
    project->GetPort(0)->enabled = 1;
    project->GetPort(0)->protocolId = 1;
    for (int n = 1; n <= kScreens; ++n) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(static_cast<uint16_t>(n));
        screen->SetDescription("画面说明 " + std::to_string(n));
        screen->SetUpKeyTarget(static_cast<uint16_t>(n - 1));
        screen->SetDownKeyTarget(static_cast<uint16_t>(n + 1));
        project->AddScreen(std::move(screen));
    }
    for (int i = 0; i < 200; ++i) {
        EventItem item;
        item.value = i;
        item.message = "报警信息 " + std::to_string(i);
        project->eventList.items.push_back(item);
        DataTransferItem transfer;
        transfer.count = static_cast<uint16_t>(1 + i % 128);
        project->dataTransfers.items.push_back(transfer);
    }
    return project;
}

struct Setup {
    Setup() : session(sink, prompt), doc(session, CoreClassRegistry()) {
        folder = std::filesystem::temp_directory_path() / "balsar-bench";
        std::filesystem::create_directories(folder);
        path = (folder / "bench.ZPJ").string();
        doc.SetProject(Generate());
        doc.SaveToFile(path, true);
    }
    ~Setup() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    RecordingMessageSink sink;
    FixedPrompt prompt{Answer::No};
    DesignerSession session;
    CMirloDoc doc;
    std::filesystem::path folder;
    std::string path;
};

Setup& Shared() {
    static Setup setup;
    return setup;
}

void ReportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_SerializeToMemory(benchmark::State& state) {
    Setup& s = Shared();
    for (auto _ : state) {
        Archive ar;
        s.doc.Serialize(ar);
        benchmark::DoNotOptimize(ar.Data().data());
    }
    ReportPeakMemory(state);
}

void BM_SaveToFile(benchmark::State& state) {
    Setup& s = Shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.doc.SaveToFile(s.path, false));
    }
    ReportPeakMemory(state);
}

void BM_Load(benchmark::State& state) {
    Setup& s = Shared();
    CMirloDoc reader(s.session, CoreClassRegistry());
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.OnOpenDocument(s.path));
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(s.path));
    ReportPeakMemory(state);
}

void BM_Compile(benchmark::State& state) {
    Setup& s = Shared();
    for (auto _ : state) {
        Image image = CompileProject(*s.doc.Project(), CompileInputs{s.sink});
        benchmark::DoNotOptimize(image.data());
    }
    ReportPeakMemory(state);
}

} // namespace

BENCHMARK(BM_SerializeToMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compile)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
