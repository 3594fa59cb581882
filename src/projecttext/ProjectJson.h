#pragma once
// A project as JSON text and back: every field the project file stores, in
// a fixed order, pretty-printed one member to a line, so that a change of
// one field is a change of one line. Importing the export of a project
// saves a file byte-identical to saving the project itself. The layout is
// described in docs/project-json.md.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "elements/LanguageDefaults.h"
#include "plc/PLCAddrType.h"
#include "projecttext/JsonIo.h"

namespace balsar {

class CMirloProject;


inline constexpr const char* kProjectJsonFormat = "balsar-project";
inline constexpr int32_t kProjectJsonVersion = 1;

// The text: an object of two spaces' indent, UTF-8, ending in a newline.
std::string ExportProjectJson(const CMirloProject& project);

// A project read from its text, with what it points at.
struct ImportedProject {
    // The older address types its trend buffers point at (declared first:
    // they outlive the project).
    std::vector<std::unique_ptr<PLCAddrType>> legacyTypes;
    std::unique_ptr<CMirloProject> project;
};

// Reads a project. False, with the reason in error ("$.screens[0].number:
// ..." for a member that is missing, unknown, of the wrong type or out of
// range, "line L, column C: ..." for text that is not JSON), when the text
// does not hold a project; result is then left as it was. defaults: the
// system language defaults a new project starts from.
bool ImportProjectJson(std::string_view text, const LanguageDefaults& defaults, ImportedProject& result,
                       std::string& error);
// The same from a document already parsed.
bool ImportProjectDocument(const Json& document, const LanguageDefaults& defaults, ImportedProject& result,
                           std::string& error);

} // namespace balsar
