#pragma once
// Changing the communication settings of the open project, and exchanging
// two of its serial ports, with everything that follows: which ports count
// as changed, the user's confirmation, the reload of the port protocols and
// the reset of every address on a changed port.
#include <array>
#include <cstdint>

#include "plc/CPortCan.h"
#include "plc/CPortCom.h"

namespace balsar {

class CMirloDoc;
class CMirloProject;
class DesignerSession;

// Each port's enabled flag and protocol ID, noted before the dialog opens.
struct PortSnapshot {
    std::array<int32_t, 4> enabled{};
    std::array<int32_t, 4> protocolId{};
};

PortSnapshot NotePorts(const CMirloProject& project);
PortSnapshot NotePorts(const std::array<CPortCom, 3>& ports, const CPortCan& can);

// A port changed when its enabled flag changed, or when it was enabled
// before and its protocol ID changed (also when other ports' enabled flags
// changed in the same step).
std::array<bool, 4> ChangedPorts(const PortSnapshot& before, const PortSnapshot& after);

// The new settings the dialog produced.
struct PortSettings {
    std::array<CPortCom, 3> ports{CPortCom(0), CPortCom(1), CPortCom(2)};
    CPortCan can;
};

PortSettings CurrentPortSettings(const CMirloProject& project);

// After OK: with no changed port the settings are applied; otherwise the
// user is asked "已更改端口的所有关联组态信息都将被复位，是否确认？" and on Yes the
// settings are applied and every address on a changed port is reset to the
// panel's own registers. Applying reloads the session's port descriptions
// and marks the document modified. False when nothing was applied (No, or
// no project).
bool ApplyPortSettings(CMirloDoc& doc, const PortSettings& settings, DesignerSession& session);

// Resets every address of the project (settings, events, data transfers and
// the elements of every screen) that lies on a flagged port.
void ResetAddressesOnPorts(CMirloProject& project, const std::array<bool, 4>& portChanged);

// Exchanges two serial ports of the open project (see CMirloDoc::SwapPorts)
// and reloads the session's port descriptions.
bool SwapOpenProjectPorts(CMirloDoc& doc, int a, int b, DesignerSession& session);

} // namespace balsar
