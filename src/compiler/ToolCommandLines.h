#pragma once
// The command lines of the programs the designer starts: the download tool,
// the offline simulator, the simulator, the builder and the serial
// upload/download tool. Pure functions, so every command line is testable
// without starting anything.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace balsar {

// Program names on this platform (no ".exe").
namespace programs {
inline constexpr const char* kDownloadTool = "OskelLoader";
inline constexpr const char* kOfflineSimulator = "VIRur";
inline constexpr const char* kSimulator = "MirloSpy";
inline constexpr const char* kBuilder = "MirloBuilder";
inline constexpr const char* kSerialTool = "VoskyDownLoad";
} // namespace programs

struct ToolArgument {
    std::string text;
    // A path: enclosed in quotation marks in the command-line text.
    bool quoted = false;
    bool operator==(const ToolArgument& other) const = default;
};

struct ToolCommand {
    // A bare program name (looked up when started) or a full path.
    std::string program;
    std::vector<ToolArgument> arguments;
    // Whether the designer waits for the program to end.
    bool waits = false;

    // The arguments as handed to a process launcher.
    std::vector<std::string> ArgumentList() const;
    // The command line as one text: the arguments separated by one space,
    // path arguments in quotation marks. A program given as a path is quoted
    // too.
    std::string Text() const;
};

// OskelLoader -D -f "<package>"
ToolCommand DownloadToolCommand(const std::string& packagePath);
// VIRur <model ID> "<compile output>" <0|1> <picture name>
ToolCommand OfflineSimulatorCommand(int32_t modelId, const std::string& compileOutputPath, bool encoder,
                                    const std::string& pictureName);
// MirloSpy -o -f "<compile output>"
ToolCommand SimulatorCommand(const std::string& compileOutputPath);
// <program folder>/MirloBuilder -s 0, waited for.
ToolCommand BuilderCommand(const std::filesystem::path& programFolder);
// VoskyDownLoad -D -f "<target>" -s 1 -i 6 -v 7 -c <port>, waited for.
ToolCommand SerialDownloadCommand(const std::string& targetFile, int portNumber);
// VoskyDownLoad -U -f "<target>" -c <port>, waited for.
ToolCommand SerialUploadCommand(const std::string& targetFile, int portNumber);

// Where a program named without a folder is found: the program folder
// first, then the folders of PATH. The name as given when neither holds an
// executable file of that name.
std::string ResolveProgram(const std::string& name, const std::filesystem::path& programFolder,
                           const std::string& searchPath);

} // namespace balsar
