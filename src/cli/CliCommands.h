#pragma once
// The balsar-cli commands that live outside BalsarCli.cpp.
#include <iosfwd>
#include <string>
#include <vector>

namespace balsar {

class CMirloDoc;
class DesignerSession;

// new NAME --folder DIR --model ID [--port N=PROTOCOL_ID ...]: creates
// DIR/NAME/NAME.ZPJ as the new-project wizard does (from the model's
// template when there is one) and prints its path. args start after "new".
int RunNewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// package: compiles the open, activated project (saving it first) and
// builds <folder>/<name>.qk; prints the package path.
int RunPackageCommand(CMirloDoc& doc, const DesignerSession& session, std::ostream& out);

} // namespace balsar
