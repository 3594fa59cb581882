#include <ostream>

#include "base/ProgramPaths.h"
#include "cli/CliCommands.h"
#include "compiler/ExternalTools.h"
#include "compiler/PackageBuilder.h"
#include "project/CMirloDoc.h"
#include "project/DesignerContext.h"

namespace balsar {

int RunPackageCommand(CMirloDoc& doc, const DesignerContext& context, std::ostream& out) {
    if (!CompileToFile(doc, context) || !MakeDownloadPackage(doc, context, ProgramFolder())) {
        return 1;
    }
    out << PackagePath(*doc.Project()) << '\n';
    return 0;
}

} // namespace balsar
