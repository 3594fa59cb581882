#include "projecttext/AddressUses.h"

#include <tuple>

#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CDynamicText.h"
#include "elements/CEventListGE.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CPictureGE.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/CTrendBufferGE.h"
#include "elements/CTrendGE.h"
#include "project/CMirloProject.h"

namespace balsar {

namespace {

struct ElementAddress {
    const CAddr* address = nullptr;
    UseAccess access = UseAccess::Read;
    bool byFunctionKey = false;
};

using AddressOf = ElementAddress (*)(const CGraphElement&);

template <class Kind> ElementAddress ReadAddress(const CGraphElement& element) {
    return {&static_cast<const Kind&>(element).Address(), UseAccess::Read, false};
}

ElementAddress RegisterAddress(const CGraphElement& element) {
    const auto& reg = static_cast<const CRegisterGE&>(element);
    return {&reg.Address(), reg.GetFormat().inputAllowed != 0 ? UseAccess::ReadWrite : UseAccess::Read, false};
}

// A key writes its address only with a bit or word action.
ElementAddress KeyAddress(const CGraphElement& element) {
    const auto& key = static_cast<const CFunckeyGE&>(element);
    if (!key.WritesAddress()) {
        return {};
    }
    return {&key.Address(), UseAccess::Write, true};
}

struct KindAddress {
    const ClassInfo* info;
    // Null for kinds without a register address (the trend buffer's older
    // record names no port).
    AddressOf address;
};

const KindAddress kKindAddresses[] = {
    {&CLedGE::StaticClass(), ReadAddress<CLedGE>},
    {&CFunckeyGE::StaticClass(), KeyAddress},
    {&CDynamicText::StaticClass(), ReadAddress<CDynamicText>},
    {&CRegisterGE::StaticClass(), RegisterAddress},
    {&CBarGE::StaticClass(), ReadAddress<CBarGE>},
    {&CTrendGE::StaticClass(), ReadAddress<CTrendGE>},
    {&CAsciiGE::StaticClass(), ReadAddress<CAsciiGE>},
    {&CStaticText::StaticClass(), nullptr},
    {&CPictureGE::StaticClass(), nullptr},
    {&CEventListGE::StaticClass(), nullptr},
    {&CTrendBufferGE::StaticClass(), nullptr},
};

const KindAddress* FindKindAddress(std::string_view className) {
    for (const KindAddress& kind : kKindAddresses) {
        if (kind.info->name == className) {
            return &kind;
        }
    }
    return nullptr;
}

void AddElementUses(const CHMIFrame& screen, std::vector<AddressUse>& uses) {
    for (const auto& element : screen.GetElements()) {
        const KindAddress* kind = FindKindAddress(element->GetRuntimeClass().name);
        if (kind == nullptr || kind->address == nullptr) {
            continue;
        }
        const ElementAddress found = kind->address(*element);
        if (found.address == nullptr) {
            continue;
        }
        AddressUse use;
        use.place = AddressUse::Place::Element;
        use.screen = screen.GetNumber();
        use.element = element->GetName();
        use.elementId = element->GetID();
        use.elementClass = std::string(element->GetRuntimeClass().name);
        use.field = "address";
        use.access = found.access;
        use.byFunctionKey = found.byFunctionKey;
        use.address = *found.address;
        uses.push_back(std::move(use));
    }
}

AddressUse ListUse(AddressUse::Place place, size_t item, const char* field, UseAccess access, const CAddr& address) {
    AddressUse use;
    use.place = place;
    use.item = item;
    use.field = field;
    use.access = access;
    use.address = address;
    return use;
}

void AddTransferUses(const DataTransferList& transfers, std::vector<AddressUse>& uses) {
    for (size_t i = 0; i < transfers.items.size(); ++i) {
        const DataTransferItem& item = transfers.items[i];
        const auto place = AddressUse::Place::DataTransfer;
        if (item.timed == 0 && item.triggerType != 0) {
            uses.push_back(ListUse(place, i + 1, "trigger", UseAccess::Read, item.triggerAddress));
        }
        for (auto [field, access, address] : {std::tuple{"source", UseAccess::Read, &item.sourceAddress},
                                               std::tuple{"destination", UseAccess::Write, &item.destinationAddress}}) {
            AddressUse use = ListUse(place, i + 1, field, access, *address);
            use.values = item.count;
            uses.push_back(std::move(use));
        }
    }
}

// The screen-select word is the control address; the report word follows
// it when both functions are on.
void AddControlUses(const GlobalSettings& settings, const PortProtocols* protocols, std::vector<AddressUse>& uses) {
    const bool selects = (settings.plcControlFlags & GlobalSettings::kPlcSelectsScreen) != 0;
    const bool reports = (settings.plcControlFlags & GlobalSettings::kReportCurrentScreen) != 0;
    CAddr address = settings.controlAddress;
    const auto place = AddressUse::Place::Settings;
    if (selects) {
        uses.push_back(ListUse(place, 0, "screen select", UseAccess::Read, address));
        address.address += address.UnitsPerValue(protocols);
    }
    if (reports) {
        uses.push_back(ListUse(place, 0, "screen report", UseAccess::Write, address));
    }
}

} // namespace

bool KnowsElementAddresses(std::string_view className) { return FindKindAddress(className) != nullptr; }

const char* AccessName(UseAccess access) {
    switch (access) {
    case UseAccess::Write:
        return "write";
    case UseAccess::ReadWrite:
        return "read-write";
    default:
        return "read";
    }
}

std::vector<AddressUse> CollectAddressUses(const CMirloProject& project, const PortProtocols* protocols) {
    std::vector<AddressUse> uses;
    for (const auto& screen : project.Screens()) {
        AddElementUses(*screen, uses);
    }
    const auto& events = project.eventList.items;
    for (size_t i = 0; i < events.size(); ++i) {
        AddressUse use = ListUse(AddressUse::Place::Event, i + 1, "address", UseAccess::Read, events[i].address);
        use.message = events[i].message;
        uses.push_back(std::move(use));
    }
    AddTransferUses(project.dataTransfers, uses);
    AddControlUses(project.settings, protocols, uses);
    return uses;
}

} // namespace balsar
