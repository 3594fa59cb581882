#pragma once
// The balsar-cli commands of the project's text forms: export and import of
// the JSON form, the address cross-reference and the memory meter of info.
#include <iosfwd>
#include <string>
#include <vector>

namespace balsar {

class CMirloDoc;
class CMirloProject;
class DesignerSession;

// export PROJECT.ZPJ OUT.json: writes the JSON form ("-" writes it to out)
// and prints the path.
int RunExportCommand(const CMirloProject& project, const std::string& jsonPath, std::ostream& out,
                     std::ostream& err);
// import IN.json OUT.ZPJ: reads the JSON form and saves the project file;
// nothing is written unless the whole text is a project. args start after
// "import".
int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// xref PROJECT.ZPJ [--json]: every address with its uses, then the
// conflicts. The open, activated project names its ports and types.
int RunXrefCommand(const CMirloDoc& doc, const DesignerSession& context, bool json, std::ostream& out);
// The memory meter of info: lines of text, or a JSON object.
std::string MemoryMeterText(CMirloDoc& doc, const DesignerSession& context);
std::string MemoryMeterJson(CMirloDoc& doc, const DesignerSession& context);

} // namespace balsar
