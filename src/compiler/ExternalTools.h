#pragma once
// The main-window commands that hand the project to outside programs:
// compile to file, Download, Offline simulation, Simulator, Builder and the
// serial Upload/download task. No windows: the designer's commands and
// dialogs call these, with messages through the session's MessageSink and
// processes through a ProcessLauncher.
#include <filesystem>
#include <string>

#include "elements/CompileFinding.h"

namespace balsar {

class CMirloDoc;
class DesignerSession;
class ProcessLauncher;

// What the commands work with. The current panel model, the model list, the
// protocol library and the compile's port descriptions and fonts come from
// the session.
struct ToolEnvironment {
    CMirloDoc& doc;
    DesignerSession& session;
    ProcessLauncher& launcher;
    // The designer's own folder: lib/ lies below it and the outside programs
    // are looked for there before PATH.
    std::filesystem::path programFolder;
    // The folders searched after the program folder (normally $PATH).
    std::string searchPath;
    // The folder of the running designer: the suite's own programs (the
    // download tool) are looked for there first, even when the program
    // folder points elsewhere (BALSAR_HOME). Empty: not searched.
    std::filesystem::path executableFolder = {};
    // Where the compile lists what it found (the designer's check pane);
    // null: its warnings go to the session's sink.
    FindingList* findings = nullptr;
};

// Saves the project to its own path, compiles it and writes the compile
// output file (<folder>/<name>.bin~) with the session's panel size, port
// descriptions and fonts. False, with "Create Compile File Failed!", when
// that file cannot be written; false without a project. What the compile
// finds goes to findings (when given), else to the sink.
bool CompileToFile(CMirloDoc& doc, const DesignerSession& session, FindingList* findings = nullptr);

// Builds the project's package (<folder>/<name>.qk) from the compile output
// already on disk. On failure "制作下载文件包失败！" follows the reason and no
// package is left at that path.
bool MakeDownloadPackage(const CMirloDoc& doc, const DesignerSession& session,
                         const std::filesystem::path& programFolder);

// Download: compile to file, build the package, start the download tool
// with "-D -f <package>" and return without waiting. Stops after a failed
// compile or package (nothing stale is handed to the tool). A tool that
// cannot be started gives "未能正常启动" followed by its name.
bool DownloadCommand(ToolEnvironment& env);

// Offline simulation: compile to file (its outcome does not stop the
// simulator, which shows whatever image is on disk), then start the offline
// simulator with the project's model ID, the compile output, the encoder
// flag and "<model name>.bmp".
bool OfflineSimulationCommand(ToolEnvironment& env);

// Simulator: compile to file; on success start the simulator with
// "-o -f <compile output>". A failed start gives "未能正常启动" followed by
// its name. Returns the compile result, which the main window remembers.
bool SimulatorCommand(ToolEnvironment& env);

// Whether the Builder command is enabled: the program folder holds
// "MirloBuilder" or "MirloBuilder.exe".
bool BuilderAvailable(const std::filesystem::path& programFolder);
// Builder: start "<program folder>/MirloBuilder -s 0" and wait; the exit
// code is not used. A failed start shows nothing.
bool BuilderCommand(ToolEnvironment& env);

// The Upload/download task dialog's result.
struct SerialTask {
    std::string targetFile;
    bool download = false;
    // The port list's index (0 for com1).
    int portIndex = 0;
};
// The dialog's initial target file: "<current folder>/upload.dat".
std::string DefaultSerialTaskTarget(const std::filesystem::path& currentFolder);
// Starts the serial tool for the task and waits for it. A failed start
// shows "未能正常启动" with the tool's name; the target file is kept.
bool SerialTaskCommand(ToolEnvironment& env, const SerialTask& task);

} // namespace balsar
