#include "cli/CliProjectText.h"

#include <ostream>

#include "base/Archive.h"
#include "base/FileIo.h"
#include "base/ProgramPaths.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "projecttext/AddressXref.h"
#include "projecttext/MemoryMeter.h"
#include "projecttext/ProjectJson.h"
#include "projecttext/XrefReport.h"

namespace balsar {

namespace {

constexpr const char* kExportUsage = "usage: balsar-cli export PROJECT.ZPJ OUT.json\n";
constexpr const char* kImportUsage = "usage: balsar-cli import IN.json OUT.ZPJ\n";

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

} // namespace

int RunExportCommand(const CMirloProject& project, const std::string& jsonPath, std::ostream& out,
                     std::ostream& err) {
    if (jsonPath.empty()) {
        err << kExportUsage;
        return 2;
    }
    const std::string text = ExportProjectJson(project);
    if (jsonPath == "-") {
        out << text;
        return 0;
    }
    std::string error;
    if (!WriteFileAtomically(jsonPath, Bytes(text), error)) {
        err << jsonPath << ": " << error << '\n';
        return 1;
    }
    out << jsonPath << '\n';
    return 0;
}

int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << kImportUsage;
        return 2;
    }
    const std::string& jsonPath = args[0];
    const std::string& projectPath = args[1];
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(jsonPath, bytes, error)) {
        err << jsonPath << ": " << error << '\n';
        return 1;
    }
    ImportedProject imported;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!ImportProjectJson(text, LanguageDefaults{}, imported, error)) {
        err << jsonPath << ": " << error << '\n';
        return 1;
    }
    // What saving the project writes, written whole or not at all.
    Archive archive;
    archive.WriteObject(imported.project.get());
    if (!WriteFileAtomically(projectPath, archive.Data(), error)) {
        err << projectPath << ": " << error << '\n';
        return 1;
    }
    out << projectPath << '\n';
    return 0;
}

int RunXrefCommand(const CMirloDoc& doc, const DesignerSession& context, bool json, std::ostream& out) {
    const AddressXref xref = BuildAddressXref(*doc.Project(), &context.PortDescriptions(), context.HasModel() ? &context.Model() : nullptr);
    out << (json ? XrefJson(xref) : XrefText(xref));
    return 0;
}

std::string MemoryMeterText(CMirloDoc& doc, const DesignerSession& context) {
    return MemoryText(MeasureProjectMemory(*doc.Project(), context, ProgramFolder()));
}

std::string MemoryMeterJson(CMirloDoc& doc, const DesignerSession& context) {
    return MemoryJson(MeasureProjectMemory(*doc.Project(), context, ProgramFolder()));
}

} // namespace balsar
