#include "compiler/ExternalTools.h"

#include "base/MessageSink.h"
#include "compiler/ImageCompiler.h"
#include "compiler/PackageBuilder.h"
#include "compiler/ProcessLauncher.h"
#include "compiler/ToolCommandLines.h"
#include "compiler/ToolStrings.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"

namespace balsar {

namespace {

bool Start(ToolEnvironment& env, const ToolCommand& command) {
    std::string program = ResolveProgram(command.program, env.executableFolder, "");
    if (program.find('/') == std::string::npos) {
        program = ResolveProgram(command.program, env.programFolder, env.searchPath);
    }
    return env.launcher.StartDetached(program, command.ArgumentList());
}

bool StartAndWait(ToolEnvironment& env, const ToolCommand& command) {
    const std::string program = ResolveProgram(command.program, env.programFolder, env.searchPath);
    int exitCode = 0;
    return env.launcher.StartAndWait(program, command.ArgumentList(), exitCode);
}

void ReportStartFailure(ToolEnvironment& env, const char* program) {
    env.session.sink.Message(std::string(texts::kStartFailed) + program);
}

} // namespace

bool CompileToFile(CMirloDoc& doc, const DesignerSession& session, FindingList* findings) {
    CMirloProject* project = doc.Project();
    if (project == nullptr || project->GetProjectPath().empty()) {
        return false;
    }
    // A failed save is reported by the document; the image is compiled from
    // the project in memory all the same.
    doc.OnSaveDocument(project->GetProjectPath());
    const CompileInputs inputs{session.sink,           session.PanelWidth(), session.PanelHeight(),
                               &session.PortDescriptions(), session.Fonts(),   findings};
    const Image image = CompileProject(*project, inputs);
    return WriteCompileOutput(project->GetCompileOutputPath(), image, session.sink);
}

bool MakeDownloadPackage(const CMirloDoc& doc, const DesignerSession& session,
                         const std::filesystem::path& programFolder) {
    const CMirloProject* project = doc.Project();
    if (project == nullptr) {
        return false;
    }
    const std::string packagePath = PackagePath(*project);
    PackageSources sources;
    bool built = ResolvePackageSources(*project, session.Protocols(), session.Model(),
                                       programFolder / "lib" / "hardware", sources, session.sink);
    if (built) {
        built = BuildPackage(packagePath, sources, session.sink);
    } else {
        std::error_code ec;
        std::filesystem::remove(packagePath, ec);
    }
    if (!built) {
        session.sink.Message(texts::kMakePackageFailed);
    }
    return built;
}

bool DownloadCommand(ToolEnvironment& env) {
    if (!CompileToFile(env.doc, env.session, env.findings)) {
        return false;
    }
    if (!MakeDownloadPackage(env.doc, env.session, env.programFolder)) {
        return false;
    }
    if (!Start(env, DownloadToolCommand(PackagePath(*env.doc.Project())))) {
        ReportStartFailure(env, programs::kDownloadTool);
        return false;
    }
    return true;
}

bool OfflineSimulationCommand(ToolEnvironment& env) {
    const CMirloProject* project = env.doc.Project();
    if (project == nullptr) {
        return false;
    }
    HardwareModel model;
    env.session.Models().LoadModelById(model, project->panelModelId, env.session.sink);
    const std::string picture = model.name + ".bmp";
    CompileToFile(env.doc, env.session, env.findings);
    const ToolCommand command =
        OfflineSimulatorCommand(project->panelModelId, project->GetCompileOutputPath(), model.encoder, picture);
    if (!Start(env, command)) {
        ReportStartFailure(env, programs::kOfflineSimulator);
        return false;
    }
    return true;
}

bool SimulatorCommand(ToolEnvironment& env) {
    const bool compiled = CompileToFile(env.doc, env.session, env.findings);
    if (compiled && !Start(env, SimulatorCommand(env.doc.Project()->GetCompileOutputPath()))) {
        // Said, like the other simulator: a silent failure leaves the user
        // waiting for a window that never comes.
        ReportStartFailure(env, programs::kSimulator);
    }
    return compiled;
}

bool BuilderAvailable(const std::filesystem::path& programFolder) {
    std::error_code ec;
    return std::filesystem::exists(programFolder / programs::kBuilder, ec) ||
           std::filesystem::exists(programFolder / (std::string(programs::kBuilder) + ".exe"), ec);
}

bool BuilderCommand(ToolEnvironment& env) {
    const ToolCommand command = BuilderCommand(env.programFolder);
    int exitCode = 0;
    return env.launcher.StartAndWait(command.program, command.ArgumentList(), exitCode);
}

std::string DefaultSerialTaskTarget(const std::filesystem::path& currentFolder) {
    return (currentFolder / "upload.dat").string();
}

bool SerialTaskCommand(ToolEnvironment& env, const SerialTask& task) {
    const int port = task.portIndex + 1;
    const ToolCommand command =
        task.download ? SerialDownloadCommand(task.targetFile, port) : SerialUploadCommand(task.targetFile, port);
    // A tool that is not installed is said; the user's file stays where it
    // is after a download (it is theirs, not a scratch copy).
    if (!StartAndWait(env, command)) {
        ReportStartFailure(env, programs::kSerialTool);
        return false;
    }
    return true;
}

} // namespace balsar
