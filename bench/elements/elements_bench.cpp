// Compile time of a large project: 200 screens, each with 15 static texts
// (English in the built-in font and in DejaVu Sans, Chinese in 宋体) and 15
// registers of mixed types and sizes. "First" compiles with cold font and
// glyph caches (a new font engine per run, its set-up not timed); "Second"
// compiles again with the caches warm. Peak resident memory is reported as
// a counter (MB).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>

#include "base/MessageSink.h"
#include "base/Text.h"
#include "compiler/ImageCompiler.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/FreeTypeFontEngine.h"
#include "project/CMirloProject.h"

namespace {

using namespace balsar;

const std::filesystem::path kAliases = std::filesystem::path(BALSAR_SOURCE_DIR) / "lib/fonts/fonts.conf";

std::unique_ptr<CMirloProject> MakeProject(FontEngine* fonts) {
    auto project = std::make_unique<CMirloProject>();
    project->languages.Clear();
    project->languages.Add(0x0409, "DejaVu Sans");
    project->languages.Add(0x0804, "宋体");
    static const char* const kChinese[] = {"温度", "压力", "流量", "液位", "报警", "运行", "停止", "设定"};
    for (int s = 0; s < 200; ++s) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(static_cast<uint16_t>(s + 1));
        for (int i = 0; i < 15; ++i) {
            auto text = std::make_unique<CStaticText>();
            switch (i % 3) {
            case 0: // English, built-in font
                text->ChangeDotMatrix(1, fonts);
                text->SetSizeIndex(i % 2 == 0 ? 2 : 1, fonts);
                text->SetText(Format("Value %d", (s * 15 + i) % 97), fonts);
                break;
            case 1: // English, operating-system font
                text->SetLanguage(0, fonts);
                text->SetFont("DejaVu Sans", fonts);
                text->SetSizeIndex(2 + i % 3, fonts);
                text->SetText(Format("Line %d", (s + i) % 61), fonts);
                break;
            default: // Chinese
                text->SetLanguage(1, fonts);
                text->SetFont("宋体", fonts);
                text->SetSizeIndex(1 + i % 4, fonts);
                text->SetText(Format("%s%d", kChinese[(s + i) % 8], (s * 7 + i) % 23), fonts);
                break;
            }
            text->SetLeft(i % 4 * 8);
            text->SetTop(i % 8 * 8);
            screen->AddElement(std::move(text));

            auto reg = std::make_unique<CRegisterGE>();
            RegisterFormat format = reg->GetFormat();
            ChangeDataType(format, i % 6);
            if (i % 4 == 0) {
                SetScaling(format, true);
            }
            reg->SetFormat(format, fonts);
            reg->SetSizeIndex(i % 5, fonts);
            reg->SetLeft(64);
            reg->SetTop(i % 4 * 16);
            screen->AddElement(std::move(reg));
        }
        project->AddScreen(std::move(screen));
    }
    return project;
}

void ReportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_FirstCompile(benchmark::State& state) {
    RecordingMessageSink sink;
    FreeTypeFontEngine sizing(kAliases);
    const auto project = MakeProject(&sizing);
    size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto fonts = std::make_unique<FreeTypeFontEngine>(kAliases);
        const CompileInputs inputs{sink, 128, 64, nullptr, fonts.get()};
        state.ResumeTiming();
        const Image image = CompileProject(*project, inputs);
        bytes = image.size();
        benchmark::DoNotOptimize(image.data());
    }
    state.counters["image_KB"] = static_cast<double>(bytes) / 1024.0;
    ReportPeakMemory(state);
}
BENCHMARK(BM_FirstCompile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SecondCompile(benchmark::State& state) {
    RecordingMessageSink sink;
    FreeTypeFontEngine fonts(kAliases);
    const auto project = MakeProject(&fonts);
    const CompileInputs inputs{sink, 128, 64, nullptr, &fonts};
    CompileProject(*project, inputs); // warms the caches
    for (auto _ : state) {
        const Image image = CompileProject(*project, inputs);
        benchmark::DoNotOptimize(image.data());
    }
    ReportPeakMemory(state);
}
BENCHMARK(BM_SecondCompile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
