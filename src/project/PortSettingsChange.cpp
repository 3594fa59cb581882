#include "project/PortSettingsChange.h"

#include "base/Prompt.h"
#include "project/CMirloDoc.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"
#include "project/SettingsStrings.h"

namespace balsar {

namespace {

// Exchanges ports a and b in the addresses of every element.
void SwapElements(CMirloProject& project, int32_t a, int32_t b) {
    for (const auto& screen : project.Screens()) {
        screen->SwapPorts(a, b);
    }
}

} // namespace

PortSnapshot NotePorts(const std::array<CPortCom, 3>& ports, const CPortCan& can) {
    PortSnapshot snapshot;
    for (size_t i = 0; i < ports.size(); ++i) {
        snapshot.enabled[i] = ports[i].enabled;
        snapshot.protocolId[i] = ports[i].protocolId;
    }
    snapshot.enabled[3] = can.enabled;
    snapshot.protocolId[3] = can.protocolId;
    return snapshot;
}

PortSnapshot NotePorts(const CMirloProject& project) { return NotePorts(CurrentPortSettings(project).ports, project.GetCanPort()); }

PortSettings CurrentPortSettings(const CMirloProject& project) {
    PortSettings settings;
    for (int i = 0; i < 3; ++i) {
        settings.ports[static_cast<size_t>(i)] = *project.GetPort(i);
    }
    settings.can = project.GetCanPort();
    return settings;
}

std::array<bool, 4> ChangedPorts(const PortSnapshot& before, const PortSnapshot& after) {
    // Every port whose enabled state changed, and every port that was in use
    // and got another protocol, whatever else changed in the same OK: its
    // addresses may name registers the new protocol does not have.
    std::array<bool, 4> changed{};
    for (size_t i = 0; i < changed.size(); ++i) {
        const bool enabledChanged = (before.enabled[i] != 0) != (after.enabled[i] != 0);
        const bool protocolChanged = before.enabled[i] != 0 && before.protocolId[i] != after.protocolId[i];
        changed[i] = enabledChanged || protocolChanged;
    }
    return changed;
}

void ResetAddressesOnPorts(CMirloProject& project, const std::array<bool, 4>& portChanged) {
    project.settings.controlAddress.ResetIfPortChanged(portChanged);
    for (EventItem& item : project.eventList.items) {
        item.address.ResetIfPortChanged(portChanged);
    }
    project.dataTransfers.ResetAddressesOnPorts(portChanged);
    // Elements reach their addresses only through their own operations:
    // addresses on a changed port are first moved onto that port's
    // pending-reset number through the elements' port swap, so each
    // element's ResetAddress finds exactly them; whatever an element did
    // not reset goes back to its port afterwards.
    for (int32_t p = 0; p < 4; ++p) {
        if (portChanged[static_cast<size_t>(p)]) {
            SwapElements(project, p, CAddr::PendingResetPort(p));
        }
    }
    for (const auto& screen : project.Screens()) {
        screen->ResetAddresses();
    }
    for (int32_t p = 0; p < 4; ++p) {
        if (portChanged[static_cast<size_t>(p)]) {
            SwapElements(project, CAddr::PendingResetPort(p), p);
        }
    }
}

bool ApplyPortSettings(CMirloDoc& doc, const PortSettings& settings, DesignerSession& session) {
    CMirloProject* project = doc.Project();
    if (project == nullptr) {
        return false;
    }
    const std::array<bool, 4> changed = ChangedPorts(NotePorts(*project), NotePorts(settings.ports, settings.can));
    const bool anyChanged = changed[0] || changed[1] || changed[2] || changed[3];
    if (anyChanged &&
        session.prompt.Ask(texts::kResetChangedPorts, Buttons::YesNo, texts::kConfirmCaption) != Answer::Yes) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        project->GetPort(i)->CopyFrom(settings.ports[static_cast<size_t>(i)]);
    }
    project->GetCanPort() = settings.can;
    session.ReloadPortProtocols(*project);
    if (anyChanged) {
        ResetAddressesOnPorts(*project, changed);
    }
    doc.SetModifiedFlag(true);
    return true;
}

bool SwapOpenProjectPorts(CMirloDoc& doc, int a, int b, DesignerSession& session) {
    if (!doc.SwapPorts(a, b)) {
        return false;
    }
    if (a != b) {
        session.ReloadPortProtocols(*doc.Project());
    }
    return true;
}

} // namespace balsar
