#pragma once
// balsar-cli check, and the findings compile and package print.
#include <iosfwd>

#include "elements/CompileFinding.h"

namespace balsar {

class CMirloDoc;
class DesignerSession;
struct CheckResult;

// One line per finding: severity, code, place, message.
void PrintFindings(const FindingList& findings, std::ostream& out);
// {"errors":N,"warnings":N,"findings":[{"severity","code","place":{...},
// "placeText","message"}...]}
std::string FindingsJson(const FindingList& findings);
// The project check of the open, activated project. Exit status 0 without
// errors, 1 with errors.
int RunCheckCommand(CMirloDoc& doc, const DesignerSession& session, bool json, std::ostream& out);
// Whether a compile with these findings may write its output: no errors,
// and with strict no warnings either. Prints the findings and, when it
// refuses, the reason on err.
bool AcceptFindings(const CheckResult& result, bool strict, std::ostream& err);

} // namespace balsar
