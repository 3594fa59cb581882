#pragma once
// The rules of the project check that need no compile, each appending its
// findings in project order.
#include "elements/CompileFinding.h"

namespace balsar {

class CMirloProject;
class DesignerSession;
class PortProtocols;

// The project's panel model is not in the session's model list.
void CheckModel(const CMirloProject& project, const DesignerSession& session, FindingList& findings);
// Screen numbers that name no screen: the settings' initial, password and
// screen-saver screens, the alarm screen, every screen's up and down
// targets, function keys that jump to a screen and data transfers bound to
// a screen; also a project without screens and numbers used twice.
void CheckScreenNumbers(const CMirloProject& project, FindingList& findings);
// Addresses on a port that is not enabled, or whose register type the
// port's protocol does not define: the compile writes LW 0 for them.
void CheckAddresses(const CMirloProject& project, const PortProtocols* protocols, FindingList& findings);
// Data transfers with neither trigger mode chosen.
void CheckDataTransfers(const CMirloProject& project, FindingList& findings);

} // namespace balsar
