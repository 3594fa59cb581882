#include "compiler/ToolCommandLines.h"

#include <unistd.h>

#include <string_view>

namespace balsar {

namespace {

ToolArgument Plain(std::string text) { return {std::move(text), false}; }
ToolArgument Path(std::string text) { return {std::move(text), true}; }

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

bool IsExecutableFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::vector<std::string> ToolCommand::ArgumentList() const {
    std::vector<std::string> list;
    list.reserve(arguments.size());
    for (const ToolArgument& argument : arguments) {
        list.push_back(argument.text);
    }
    return list;
}

std::string ToolCommand::Text() const {
    std::string text = program.find('/') != std::string::npos ? Quoted(program) : program;
    for (const ToolArgument& argument : arguments) {
        text += ' ';
        text += argument.quoted ? Quoted(argument.text) : argument.text;
    }
    return text;
}

ToolCommand DownloadToolCommand(const std::string& packagePath) {
    return {programs::kDownloadTool, {Plain("-D"), Plain("-f"), Path(packagePath)}, false};
}

ToolCommand OfflineSimulatorCommand(int32_t modelId, const std::string& compileOutputPath, bool encoder,
                                    const std::string& pictureName) {
    return {programs::kOfflineSimulator,
            {Plain(std::to_string(modelId)), Path(compileOutputPath), Plain(encoder ? "1" : "0"), Plain(pictureName)},
            false};
}

ToolCommand SimulatorCommand(const std::string& compileOutputPath) {
    return {programs::kSimulator, {Plain("-o"), Plain("-f"), Path(compileOutputPath)}, false};
}

ToolCommand BuilderCommand(const std::filesystem::path& programFolder) {
    return {(programFolder / programs::kBuilder).string(), {Plain("-s"), Plain("0")}, true};
}

ToolCommand SerialDownloadCommand(const std::string& targetFile, int portNumber) {
    return {programs::kSerialTool,
            {Plain("-D"), Plain("-f"), Path(targetFile), Plain("-s"), Plain("1"), Plain("-i"), Plain("6"), Plain("-v"),
             Plain("7"), Plain("-c"), Plain(std::to_string(portNumber))},
            true};
}

ToolCommand SerialUploadCommand(const std::string& targetFile, int portNumber) {
    return {programs::kSerialTool,
            {Plain("-U"), Plain("-f"), Path(targetFile), Plain("-c"), Plain(std::to_string(portNumber))},
            true};
}

std::string ResolveProgram(const std::string& name, const std::filesystem::path& programFolder,
                           const std::string& searchPath) {
    if (name.find('/') != std::string::npos) {
        return name;
    }
    if (!programFolder.empty() && IsExecutableFile(programFolder / name)) {
        return (programFolder / name).string();
    }
    std::string_view rest = searchPath;
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        if (!folder.empty() && IsExecutableFile(std::filesystem::path(folder) / name)) {
            return (std::filesystem::path(folder) / name).string();
        }
    }
    return name;
}

} // namespace balsar
