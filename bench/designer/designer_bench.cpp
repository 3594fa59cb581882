// Canvas repaint of a 200-element screen and opening the demo project to
// the first paint. Run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>

#include "DemoProject.h"
#include "app/MainWindow.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "editor/CanvasWidget.h"
#include "editor/ScreenEditor.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"

using namespace balsar;

namespace {

std::unique_ptr<CMirloProject> ProjectWith200Elements(const DesignerSession& session) {
    auto project = demo::BuildDemoProject(session.NewProjectLanguage());
    CHMIFrame& screen = *project->Screens().front();
    for (int i = 0; i < 200; ++i) {
        const int left = (i % 5) * 24;
        const int top = (i / 5 % 4) * 16;
        if (i % 2 == 0) {
            auto reg = std::make_unique<CRegisterGE>();
            reg->SetTopLeft(left, top);
            screen.AddElement(std::move(reg));
        } else {
            auto text = std::make_unique<CStaticText>();
            text->SetText("AB", session.Fonts());
            text->SetTopLeft(left, top);
            screen.AddElement(std::move(text));
        }
    }
    return project;
}

void BM_RepaintScreenOf200Elements(benchmark::State& state) {
    StderrMessageSink sink;
    FixedPrompt prompt(Answer::No);
    app::DesignerServices services(sink, prompt);
    services.doc.SetProject(ProjectWith200Elements(services.session));
    editor::ScreenEditor ed(services.doc, services.session, CoreClassRegistry());
    editor::CanvasWidget canvas(ed);
    ed.SelectAll();
    QImage target(canvas.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_RepaintScreenOf200Elements)->Unit(benchmark::kMillisecond);

void BM_OpenDemoProjectToFirstPaint(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() / "bench-designer-demo.ZPJ").string();
    {
        StderrMessageSink sink;
        FixedPrompt prompt(Answer::No);
        DesignerSession session(sink, prompt);
        CMirloDoc doc(session, CoreClassRegistry());
        doc.SetProject(demo::BuildDemoProject(session.NewProjectLanguage()));
        doc.OnSaveDocument(path);
    }
    for (auto _ : state) {
        StderrMessageSink sink;
        FixedPrompt prompt(Answer::No);
        app::DesignerServices services(sink, prompt);
        app::MainWindow window(services);
        window.OpenProjectPath(QString::fromStdString(path));
        QImage first(window.size(), QImage::Format_RGB32);
        window.render(&first);
        benchmark::DoNotOptimize(first.constBits());
        window.CloseProject();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenDemoProjectToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
