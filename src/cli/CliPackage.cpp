#include <ostream>

#include "base/ProgramPaths.h"
#include "cli/CliCommands.h"
#include "compiler/ExternalTools.h"
#include "compiler/PackageBuilder.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"

namespace balsar {

int RunPackageCommand(CMirloDoc& doc, const DesignerSession& session, std::ostream& out) {
    if (!CompileToFile(doc, session) || !MakeDownloadPackage(doc, session, ProgramFolder())) {
        return 1;
    }
    out << PackagePath(*doc.Project()) << '\n';
    return 0;
}

} // namespace balsar
