#include "simulator/SimulatorMain.h"

#include <QApplication>
#include <QMessageBox>
#include <iostream>

#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "base/Text.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "i18n/UiLanguage.h"
#include "i18n/UiText.h"
#include "plc/ProtocolLibrary.h"
#include "simulator/HeadlessRun.h"
#include "simulator/SimulatorOptions.h"
#include "simulator/SimulatorStrings.h"
#include "simulator/PanelFrontWidget.h"
#include "simulator/SimulatorWindow.h"

namespace balsar::simulator {

namespace {

// The model the window shows: by ID (offline), else the first model with
// the image's display size; a plain front with every standard key when
// none fits.
FrontLayout ChooseLayout(const SimulatorOptions& options, const runtime::PanelRuntime& panel,
                         MessageSink& sink) {
    HardwareModelList models = HardwareModelList::ForProgram();
    models.EnsureLoaded(sink);
    HardwareModel model;
    bool found = false;
    if (options.modelId >= 0) {
        found = models.LoadModelById(model, options.modelId, sink);
        if (!found) {
            sink.Message(Format(texts::kNoModel, options.modelId), MessageKind::Warning);
        }
    } else {
        for (int i = 0; i < static_cast<int>(models.Entries().size()) && !found; ++i) {
            HardwareModel candidate;
            if (models.LoadModelByIndex(candidate, i, sink) && candidate.resolutionX == panel.Width() &&
                candidate.resolutionY == panel.Height()) {
                model = candidate;
                found = true;
            }
        }
    }
    if (found) {
        FrontLayout layout = FrontLayout::ForModel(model);
        if (layout.displayWidth == panel.Width() && layout.displayHeight == panel.Height()) {
            return layout;
        }
    }
    std::vector<std::pair<int, std::string>> keys;
    for (int f = 1; f <= 8; ++f) {
        keys.emplace_back(f, "F" + std::to_string(f));
    }
    for (const auto& [code, name] : std::vector<std::pair<int, std::string>>{
             {16, "UP"}, {17, "DOWN"}, {18, "LEFT"}, {19, "RIGHT"}, {20, "ENT"}, {21, "ESC"}}) {
        keys.emplace_back(code, name);
    }
    for (int d = 0; d <= 9; ++d) {
        keys.emplace_back(48 + d, std::to_string(d));
    }
    return FrontLayout::For(found ? model.name : "Panel", panel.Width(), panel.Height(), keys);
}

int OpenWindow(const SimulatorOptions& options, int argc, char** argv) {
    QApplication app(argc, argv);
    i18n::SetUpLanguage();
    StderrMessageSink sink;
    auto panel = std::make_unique<runtime::PanelRuntime>();
    std::string error;
    if (!panel->LoadFile(options.image, error)) {
        std::cerr << options.image << ": " << error << '\n';
        QMessageBox::critical(nullptr, options.online ? "MirloSpy" : "VIRur", i18n::UiMessage(error));
        return 1;
    }
    FrontLayout layout = ChooseLayout(options, *panel, sink);
    if (layout.displayWidth == panel->Width()) {
        panel->SetDisplaySize(layout.displayWidth, layout.displayHeight);
    }
    // The front picture: named by the command line (offline) or after the
    // model; a plain front is drawn when it is missing or does not fit.
    const std::string pictureName = options.picture.empty() ? layout.modelName + ".bmp" : options.picture;
    const std::filesystem::path picturePath = LibraryFolder() / "hardware" / pictureName;
    QImage picture(QString::fromStdString(picturePath.string()));
    if (picture.isNull() || picture.width() != layout.width || picture.height() != layout.height) {
        if (!options.picture.empty()) {
            sink.Message(Format(texts::kNoPicture, picturePath.string().c_str()), MessageKind::Warning);
        }
        picture = QImage();
    }
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    library.EnsureLoaded(sink);
    PortRegisters names;
    names.Load(panel->Image().ports, library, sink);
    SimulatorWindow window(std::move(panel), std::move(names), std::move(layout), picture,
                           QString::fromStdString(options.image), options.online);
    window.Front().SetEncoder(options.encoder);
    window.show();
    return app.exec();
}

} // namespace

int SimulatorMain(int argc, char** argv, bool online) {
    std::vector<std::string> args(argv + 1, argv + argc);
    SimulatorOptions options;
    std::string error;
    const bool parsed = online ? SimulatorOptions::ParseMirloSpy(args, options, error)
                               : SimulatorOptions::ParseVirur(args, options, error);
    const char* usage = online ? texts::kMirloSpyUsage : texts::kVirurUsage;
    if (!parsed) {
        std::cerr << error << "\n\n" << usage;
        return 2;
    }
    switch (options.mode) {
    case SimulatorOptions::Mode::Help:
        std::cout << usage;
        return 0;
    case SimulatorOptions::Mode::Render:
        return RunRender(options, std::cout, std::cerr);
    case SimulatorOptions::Mode::PollOnce:
        return RunPollOnce(options, std::cout, std::cerr);
    case SimulatorOptions::Mode::Window:
        break;
    }
    return OpenWindow(options, argc, argv);
}

} // namespace balsar::simulator
