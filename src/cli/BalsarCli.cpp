#include "cli/BalsarCli.h"

#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>

#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "base/Prompt.h"
#include "check/ProjectCheck.h"
#include "cli/CliCheck.h"
#include "cli/CliCommands.h"
#include "cli/CliProjectText.h"
#include "cli/CliStreamSink.h"
#include "cli/CliLegacyImport.h"
#include "cli/CliStrings.h"
#include "compiler/ImageCompiler.h"
#include "elements/ElementKinds.h"
#include "hardware/HardwareModel.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"

namespace balsar {

namespace {

// An absolute, normalised path; the text as given when the current folder
// cannot be determined.
std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

constexpr const char* kUsage =
    "usage: balsar-cli <command> ...\n"
    "  new NAME --folder DIR --model ID [--port N=PROTOCOL_ID ...]\n"
    "                                   create DIR/NAME/NAME.ZPJ and print its path\n"
    "  check PROJECT.ZPJ [--json]       list the project's problems (exit 1 with errors)\n"
    "  compile PROJECT.ZPJ [--strict]   write <folder>/<name>.bin~ and print its path; problems on\n"
    "                                   stderr, errors fail (with --strict warnings too)\n"
    "  package PROJECT.ZPJ [--strict]   compile and write <folder>/<name>.qk; print its path\n"
    "  info PROJECT.ZPJ [--json]        model, ports, languages, screens and element counts\n"
    "  save PROJECT.ZPJ [--as NEW.ZPJ]  load and save again in the current file version\n"
    "  export PROJECT.ZPJ OUT.json      the project as JSON text (\"-\" for standard output)\n"
    "  import IN.json OUT.ZPJ           a project file from its JSON text\n"
    "  xref PROJECT.ZPJ [--json]        every address with its uses, and the conflicts\n"
    BALSAR_CLI_STRINGS_USAGE;

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string KindLabel(int32_t kind) {
    const std::string_view name = ShortName(kind);
    return name.empty() ? "KIND" + std::to_string(kind) : std::string(name);
}

// The name the panel model gives a port ("COM<n>" when it has none).
std::string PortLabel(const HardwareModel& model, int port) {
    const std::string name = model.PortName(port);
    return name.empty() ? "COM" + std::to_string(port) : name;
}

// The library name of a protocol ID; empty when the library lacks it.
std::string ProtocolName(const ProtocolLibrary& library, int32_t id) {
    int m = -1;
    int p = -1;
    if (!library.FindProtocol(id, m, p)) {
        return {};
    }
    return library.Manufacturers()[static_cast<size_t>(m)].protocols[static_cast<size_t>(p)].name;
}

int Info(CMirloDoc& doc, const DesignerSession& session, bool json, std::ostream& out) {
    const CMirloProject& project = *doc.Project();
    // The session's model is the project's when activation found it.
    const bool haveModel = session.HasModel();
    const HardwareModel& model = session.Model();
    if (!json) {
        out << "project: " << project.GetProjectName() << '\n';
        out << "model: " << project.panelModelId;
        if (haveModel) {
            out << ' ' << model.name << " (" << model.resolutionX << 'x' << model.resolutionY << ')';
        }
        out << '\n';
        for (int i = 0; i < 3; ++i) {
            const CPortCom& port = *project.GetPort(i);
            out << PortLabel(model, i) << ": ";
            if (port.enabled) {
                const std::string name = ProtocolName(session.Protocols(), port.protocolId);
                out << "protocol " << port.protocolId << (name.empty() ? "" : " " + name);
            } else {
                out << "not used";
            }
            out << '\n';
        }
        out << "languages: " << project.languages.Count() << '\n';
        for (int i = 0; i < project.languages.Count(); ++i) {
            out << "  " << i << ": 0x" << std::hex << project.languages.GetLangID(i) << std::dec << ' '
                << project.languages.GetFontName(i) << '\n';
        }
        out << "screens: " << project.Screens().size() << '\n';
        for (const auto& screen : project.Screens()) {
            std::map<std::string, int> counts;
            for (const auto& element : screen->GetElements()) {
                ++counts[KindLabel(element->GetKind())];
            }
            out << "  " << screen->GetNumber() << ' ' << screen->GetName() << ": " << screen->GetElements().size()
                << " elements";
            for (const auto& [kind, n] : counts) {
                out << ' ' << kind << '=' << n;
            }
            out << '\n';
        }
        out << "events: " << project.eventList.items.size() << '\n';
        out << "data transfers: " << project.dataTransfers.items.size() << '\n';
        out << "bitmaps: " << project.bitmapLibrary.Items().size() << '\n';
        out << MemoryMeterText(doc, session);
        return 0;
    }
    out << "{\"name\":" << JsonString(project.GetProjectName()) << ",\"model\":" << project.panelModelId
        << ",\"modelName\":" << JsonString(model.name) << ",\"resolution\":[" << model.resolutionX << ','
        << model.resolutionY << "],\"ports\":[";
    for (int i = 0; i < 3; ++i) {
        const CPortCom& port = *project.GetPort(i);
        out << (i ? "," : "") << "{\"port\":" << i << ",\"name\":" << JsonString(PortLabel(model, i))
            << ",\"enabled\":" << (port.enabled ? "true" : "false") << ",\"protocol\":" << port.protocolId
            << ",\"protocolName\":" << JsonString(ProtocolName(session.Protocols(), port.protocolId))
            << ",\"station\":" << port.station << '}';
    }
    out << "],\"languages\":[";
    for (int i = 0; i < project.languages.Count(); ++i) {
        out << (i ? "," : "") << "{\"id\":" << project.languages.GetLangID(i)
            << ",\"font\":" << JsonString(project.languages.GetFontName(i)) << '}';
    }
    out << "],\"screens\":[";
    bool first = true;
    for (const auto& screen : project.Screens()) {
        std::map<std::string, int> counts;
        for (const auto& element : screen->GetElements()) {
            ++counts[KindLabel(element->GetKind())];
        }
        out << (first ? "" : ",") << "{\"number\":" << screen->GetNumber()
            << ",\"name\":" << JsonString(screen->GetName())
            << ",\"description\":" << JsonString(screen->GetDescription())
            << ",\"elements\":" << screen->GetElements().size() << ",\"kinds\":{";
        bool firstKind = true;
        for (const auto& [kind, n] : counts) {
            out << (firstKind ? "" : ",") << JsonString(kind) << ':' << n;
            firstKind = false;
        }
        out << "}}";
        first = false;
    }
    out << "],\"events\":" << project.eventList.items.size()
        << ",\"dataTransfers\":" << project.dataTransfers.items.size()
        << ",\"bitmaps\":" << project.bitmapLibrary.Items().size()
        << ",\"memory\":" << MemoryMeterJson(doc, session) << "}\n";
    return 0;
}

} // namespace

int RunBalsarCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::string& command = args[0];
    if (command == "new") {
        return RunNewCommand({args.begin() + 1, args.end()}, out, err);
    }
    if (command == "import") {
        return RunImportCommand({args.begin() + 1, args.end()}, out, err);
    }
    if (command == "strings" || command == "import-legacy") {
        return (command == "strings" ? RunStringsCommand : RunImportLegacyCommand)({args.begin() + 1, args.end()}, out, err);
    }
    if (command != "compile" && command != "package" && command != "info" && command != "save" &&
        command != "export" && command != "xref" && command != "check") {
        err << "unknown command: " << command << '\n' << kUsage;
        return 2;
    }
    if (args.size() < 2) {
        err << kUsage;
        return 2;
    }
    const std::string projectPath = AbsolutePath(args[1]);
    bool json = false;
    bool strict = false;
    std::string saveAs;
    std::string exportPath;
    for (size_t i = 2; i < args.size(); ++i) {
        if ((command == "info" || command == "xref" || command == "check") && args[i] == "--json") {
            json = true;
        } else if ((command == "compile" || command == "package") && args[i] == "--strict") {
            strict = true;
        } else if (command == "save" && args[i] == "--as" && i + 1 < args.size()) {
            saveAs = AbsolutePath(args[++i]);
        } else if (command == "export" && exportPath.empty()) {
            exportPath = args[i] == "-" ? args[i] : AbsolutePath(args[i]);
        } else {
            err << "unexpected argument: " << args[i] << '\n' << kUsage;
            return 2;
        }
    }

    StreamSink sink(err);
    FixedPrompt prompt(Answer::No);
    DesignerSession session = DesignerSession::ForProgram(sink, prompt);
    CMirloDoc doc(session, CoreClassRegistry());
    if (!doc.OnOpenDocument(projectPath)) {
        return 1;
    }
    // The model sizes the panel and the ports' protocols resolve addresses.
    session.Activate(*doc.Project());
    if (command == "info") {
        return Info(doc, session, json, out);
    }
    if (command == "export") {
        return RunExportCommand(*doc.Project(), exportPath, out, err);
    }
    if (command == "xref") {
        return RunXrefCommand(doc, session, json, out);
    }
    if (command == "save") {
        const std::string target = saveAs.empty() ? projectPath : saveAs;
        if (!doc.SaveToFile(target, true)) {
            return 1;
        }
        out << target << '\n';
        return 0;
    }
    if (command == "check") {
        return RunCheckCommand(doc, session, json, out);
    }
    // Compile and package tell every problem the project has; an image
    // with errors is not written.
    const CheckResult checked = CheckProject(*doc.Project(), session, ProgramFolder());
    if (!AcceptFindings(checked, strict, err)) {
        return 1;
    }
    if (command == "package") {
        return RunPackageCommand(doc, session, out);
    }
    const CMirloProject& project = *doc.Project();
    if (!WriteCompileOutput(project.GetCompileOutputPath(), checked.image, sink)) {
        return 1;
    }
    out << project.GetCompileOutputPath() << '\n';
    return 0;
}

} // namespace balsar
