#include "projecttext/AddressXref.h"

#include <map>

#include "hardware/HardwareModel.h"
#include "plc/AddressText.h"
#include "projecttext/XrefConflicts.h"

namespace balsar {

AddressKey AddressKey::Of(const CAddr& address) {
    AddressKey key;
    key.port = address.port;
    key.station = address.port == PORT_LOCAL ? 0 : address.station;
    key.regType = address.regType;
    key.index = address.hasIndex != 0 ? address.index : -1;
    key.address = address.address;
    key.sub = address.hasSub != 0 ? address.sub : -1;
    key.width = address.width;
    return key;
}

std::string XrefPortName(int32_t port, const HardwareModel* model) {
    if (port == PORT_LOCAL) {
        return "LOCAL";
    }
    if (port < 0 || port >= kPortCount) {
        return "port " + std::to_string(port);
    }
    const std::string name = model != nullptr ? model->PortName(port) : std::string();
    if (!name.empty()) {
        return name;
    }
    return port == kCanPortIndex ? "CAN" : "COM" + std::to_string(port);
}

const char* WidthName(int32_t width) {
    switch (width) {
    case WIDTH_BIT:
        return "BIT";
    case WIDTH_WORD:
        return "WORD";
    case WIDTH_DWORD:
        return "DWORD";
    default:
        return "?";
    }
}

const char* ConflictName(ConflictKind kind) {
    switch (kind) {
    case ConflictKind::WrittenByKeys:
        return "written-by-keys";
    case ConflictKind::BitAsWord:
        return "bit-as-word";
    default:
        return "width-overlap";
    }
}

namespace {

XrefEntry MakeEntry(const CAddr& address, const PortProtocols* protocols, const HardwareModel* model) {
    XrefEntry entry;
    entry.key = AddressKey::Of(address);
    entry.portName = XrefPortName(address.port, model);
    // The text form may take the register type's width; the key keeps the
    // address's own.
    CAddr copy = address;
    entry.valueText = AddressValueText(copy, protocols);
    entry.label = entry.portName;
    if (address.port != PORT_LOCAL) {
        entry.label += " station " + std::to_string(address.station);
    }
    entry.label += " " + address.regType + " " + entry.valueText;
    if (address.hasIndex != 0) {
        entry.label += " index " + std::to_string(address.index);
    }
    entry.label += std::string(" ") + WidthName(address.width);
    return entry;
}

} // namespace

AddressXref BuildAddressXref(const CMirloProject& project, const PortProtocols* protocols,
                             const HardwareModel* model) {
    AddressXref xref;
    xref.uses = CollectAddressUses(project, protocols);
    std::map<AddressKey, XrefEntry> entries;
    for (size_t i = 0; i < xref.uses.size(); ++i) {
        const CAddr& address = xref.uses[i].address;
        auto [it, added] = entries.try_emplace(AddressKey::Of(address));
        if (added) {
            it->second = MakeEntry(address, protocols, model);
        }
        it->second.uses.push_back(i);
    }
    xref.entryOfUse.assign(xref.uses.size(), 0);
    for (auto& [key, entry] : entries) {
        for (const size_t use : entry.uses) {
            xref.entryOfUse[use] = xref.entries.size();
        }
        xref.entries.push_back(std::move(entry));
    }
    xref.conflicts = FindConflicts(xref, protocols);
    return xref;
}

} // namespace balsar
