// Feeds arbitrary text to the JSON import of projects: it must either build
// a project or refuse the text with a message, never crash. A project it
// builds must save, and its export must import again to the same bytes.
//   cmake --preset fuzz && cmake --build --preset fuzz --target fuzz_project_json
//   build/fuzz/bin/fuzz_project_json -max_total_time=60 fuzz/projecttext/corpus
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Archive.h"
#include "project/CMirloProject.h"
#include "projecttext/ProjectJson.h"

namespace {

std::vector<uint8_t> Saved(balsar::CMirloProject& project) {
    balsar::Archive archive;
    archive.WriteObject(&project);
    return archive.TakeData();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    balsar::ImportedProject imported;
    std::string error;
    if (!balsar::ImportProjectJson(text, balsar::LanguageDefaults{}, imported, error)) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }
    const std::vector<uint8_t> saved = Saved(*imported.project);
    balsar::ImportedProject again;
    if (!balsar::ImportProjectJson(balsar::ExportProjectJson(*imported.project), balsar::LanguageDefaults{}, again,
                                   error) ||
        Saved(*again.project) != saved) {
        std::abort();
    }
    return 0;
}
