// The panel runtime on a large image: 200 screens, each with 30 elements of
// every kind (texts in the built-in font, in DejaVu Sans and in 宋体,
// registers of every type, dynamic texts, ASCII strings, lamps, keys, bars,
// a trend, a picture and an event list), compiled by the designer once.
//   RenderScreen       one screen of the running image into the frame buffer
//                      (cycling through all 200, values changing)
//   LoadToFirstFrame   reading the image from its bytes up to the first frame
// Run: build/release/bin/bench_runtime (BALSAR_HOME=build/release/bin).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "base/Text.h"
#include "compiler/ImageCompiler.h"
#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CDynamicText.h"
#include "elements/CEventListGE.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CPictureGE.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/CTrendGE.h"
#include "elements/FreeTypeFontEngine.h"
#include "project/CMirloProject.h"
#include "runtime/PanelRuntime.h"

namespace {

using namespace balsar;

CAddr Word(int32_t address) {
    CAddr addr(WIDTH_WORD);
    addr.Reset(WIDTH_WORD);
    addr.regType = address % 2 == 0 ? "LW" : "RW";
    addr.address = address % 250;
    return addr;
}

CAddr Bit(int32_t address) {
    CAddr addr(WIDTH_BIT);
    addr.Reset(WIDTH_BIT);
    addr.regType = "LW.B";
    addr.address = address % 250;
    addr.sub = address % 16;
    return addr;
}

void AddTexts(CHMIFrame& screen, int s, FontEngine* fonts) {
    static const char* const kChinese[] = {"温度", "压力", "流量", "液位", "报警", "运行", "停止", "设定"};
    for (int i = 0; i < 6; ++i) {
        auto text = std::make_unique<CStaticText>();
        switch (i % 3) {
        case 0:
            text->ChangeDotMatrix(1, fonts);
            text->SetSizeIndex(i % 2 == 0 ? 2 : 1, fonts);
            text->SetText(Format("Value %d", (s * 6 + i) % 97), fonts);
            break;
        case 1:
            text->SetLanguage(1, fonts);
            text->SetFont("DejaVu Sans", fonts);
            text->SetSizeIndex(1 + i % 3, fonts);
            text->SetText(Format("Line %d", (s + i) % 61), fonts);
            break;
        default:
            text->SetLanguage(0, fonts);
            text->SetFont("宋体", fonts);
            text->SetSizeIndex(1 + i % 4, fonts);
            text->SetText(Format("%s%d", kChinese[(s + i) % 8], (s * 7 + i) % 23), fonts);
            break;
        }
        text->SetTopLeft(i % 3 * 40, i / 3 * 16);
        screen.AddElement(std::move(text));
    }
}

void AddValues(CHMIFrame& screen, int s, FontEngine* fonts) {
    for (int i = 0; i < 8; ++i) {
        auto reg = std::make_unique<CRegisterGE>();
        RegisterFormat format = reg->GetFormat();
        ChangeDataType(format, i % 6);
        if (i % 4 == 0) {
            SetScaling(format, true);
        }
        format.inputAllowed = 1;
        reg->SetFormat(format, fonts);
        reg->SetSizeIndex(i % 3, fonts);
        reg->Address() = Word(s + 3 * i);
        reg->SetTopLeft(i % 2 * 64, 32 + i / 2 * 8);
        screen.AddElement(std::move(reg));
    }
    for (int i = 0; i < 3; ++i) {
        auto state = std::make_unique<CDynamicText>();
        state->ChangeDotMatrix(i == 0 ? 1 : 0, fonts);
        state->SetFont("宋体", fonts);
        state->SetSizeIndex(1, fonts);
        state->Row(1)->SetValue("0");
        state->Row(1)->SetText(i == 0 ? "OFF" : "停止");
        state->Row(2)->SetValue("1");
        state->Row(2)->SetText(i == 0 ? "ON" : "运行");
        state->Address() = Word(s + 40 + i);
        state->SetTopLeft(80, 16 + 12 * i);
        state->RecalcSize(fonts);
        screen.AddElement(std::move(state));
    }
    for (int i = 0; i < 2; ++i) {
        auto ascii = std::make_unique<CAsciiGE>();
        ascii->Address() = Word(s + 50 + 8 * i);
        ascii->SetSizeIndex(i);
        ascii->SetCharCount(8);
        ascii->SetTopLeft(0, 48 + 8 * i);
        screen.AddElement(std::move(ascii));
    }
}

void AddControls(CHMIFrame& screen, int s, CSingleColorBitmapLib& bitmaps) {
    for (int i = 0; i < 3; ++i) {
        auto lamp = std::make_unique<CLedGE>();
        lamp->shape = i % 2;
        lamp->SetSizeIndex(i);
        lamp->flash = i == 2 ? 1 : 0;
        lamp->Address() = Bit(s + i);
        lamp->SetTopLeft(100, 8 * i);
        screen.AddElement(std::move(lamp));
        auto key = std::make_unique<CFunckeyGE>();
        key->SetKeyCode(1 + i);
        key->SetSizeIndex(i);
        key->SetHand(i == 1 ? 1 : 0);
        key->SetFunction(CFunckeyGE::FUNCTION_JUMP);
        key->Jump().targetScreen = static_cast<uint16_t>(1 + (s + i + 1) % 200);
        key->SetTopLeft(8 + 20 * i, 40);
        key->RecalcSize();
        screen.AddElement(std::move(key));
    }
    for (int i = 0; i < 2; ++i) {
        auto bar = std::make_unique<CBarGE>();
        bar->ChangeDirection(i == 0 ? CBarGE::DIR_UP : CBarGE::DIR_RIGHT);
        bar->SetWidth(i == 0 ? 10 : 40);
        bar->SetHeight(i == 0 ? 40 : 10);
        bar->SetTopLeft(i == 0 ? 110 : 60, i == 0 ? 20 : 54);
        bar->Address() = Word(s + 60 + i);
        screen.AddElement(std::move(bar));
    }
    auto trend = std::make_unique<CTrendGE>();
    trend->SetTopLeft(64, 0);
    trend->SetWidth(60);
    trend->SetHeight(30);
    trend->pointCount = 30;
    trend->sampling = 1 + s % 3;
    trend->Address() = Word(s % 5);
    screen.AddElement(std::move(trend));
    const auto art = LibraryFolder() / "component" / "led" / "LED1_1_16.dat";
    PicturePlacement placed = PlacePictureFromFile(art.string(), bitmaps, 128, 64);
    if (placed.picture) {
        placed.picture->SetTopLeft(20, 20);
        screen.AddElement(std::move(placed.picture));
    }
    auto events = std::make_unique<CEventListGE>();
    events->SetTopLeft(0, 40);
    events->SetWidth(128);
    events->SetHeight(24);
    screen.AddElement(std::move(events));
}

struct LargeImage {
    LargeImage() {
        auto project = std::make_unique<CMirloProject>();
        project->languages.Clear();
        project->languages.Add(0x0804, "宋体");
        project->languages.Add(0x0409, "DejaVu Sans");
        project->eventList.font = "宋体";
        for (int s = 0; s < 200; ++s) {
            auto screen = std::make_unique<CHMIFrame>();
            screen->SetNumber(static_cast<uint16_t>(s + 1));
            screen->SetUpKeyTarget(static_cast<uint16_t>(s == 0 ? 200 : s));
            screen->SetDownKeyTarget(static_cast<uint16_t>(s + 2 > 200 ? 1 : s + 2));
            AddTexts(*screen, s, &fonts);
            AddValues(*screen, s, &fonts);
            AddControls(*screen, s, project->bitmapLibrary);
            elements += screen->GetElements().size();
            project->AddScreen(std::move(screen));
        }
        for (int i = 0; i < 16; ++i) {
            EventItem item;
            item.flags = EventItem::kTriggerOnSet;
            item.address = Bit(300 + i);
            item.message = Format("报警 %d", i);
            project->eventList.items.push_back(item);
        }
        bytes = CompileProject(*project, CompileInputs{sink, 128, 64, nullptr, &fonts});
    }
    RecordingMessageSink sink;
    FreeTypeFontEngine fonts;
    std::vector<uint8_t> bytes;
    size_t elements = 0;
};

const LargeImage& Image() {
    static const LargeImage image;
    return image;
}

void RenderScreen(benchmark::State& state) {
    const LargeImage& large = Image();
    runtime::PanelRuntime panel;
    std::string error;
    if (!panel.Load(large.bytes, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    runtime::AddressRecord events;
    runtime::AddressRecord::FromText("LW18", events);
    panel.Registers().Write(events, runtime::DataType::Unsigned, 1, 0xFFFF);
    panel.Step(3000); // events raised, trends sampled
    uint16_t number = 1;
    for (auto _ : state) {
        panel.ShowScreen(number);
        benchmark::DoNotOptimize(panel.Render());
        number = static_cast<uint16_t>(number % 200 + 1);
    }
    state.counters["screens"] = static_cast<double>(panel.Image().screens.size());
    state.counters["elements/screen"] = static_cast<double>(large.elements) / 200.0;
    state.counters["image KB"] = static_cast<double>(large.bytes.size()) / 1024.0;
}
BENCHMARK(RenderScreen)->Unit(benchmark::kMicrosecond);

void LoadToFirstFrame(benchmark::State& state) {
    const LargeImage& large = Image();
    for (auto _ : state) {
        runtime::PanelRuntime panel;
        std::string error;
        if (!panel.Load(large.bytes, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(panel.Render());
    }
}
BENCHMARK(LoadToFirstFrame)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
