#pragma once
// The project check: every problem of a project that would make its
// download image differ from what the engineer designed, found before the
// panel shows it. Each finding has a severity, a stable code, its place and
// a message in the designer's language.
//
// The check compiles the project (the compile reports the glyphs it could
// not make, the positions it had to keep on the panel and the texts it cut)
// and adds the rules that need no compile: the panel model, screen numbers
// that name no screen, addresses the ports cannot serve, data transfers
// that never run and the image against the panel's capacity. It never
// changes the project.
#include <filesystem>

#include "base/ByteWriter.h"
#include "elements/CompileFinding.h"

namespace balsar {

class CMirloProject;
class DesignerSession;

struct CheckResult {
    FindingList findings;
    // The image the compile made (also when there are errors).
    Image image;

    bool HasErrors() const { return balsar::HasErrors(findings); }
    size_t Count(Severity severity) const;
};

// Checks a project with the session activated for it (its model and port
// descriptions). The panel's capacity comes from the GUI program under
// <programFolder>/lib/hardware; an empty folder skips the capacity rule.
CheckResult CheckProject(const CMirloProject& project, const DesignerSession& session,
                         const std::filesystem::path& programFolder);

} // namespace balsar
