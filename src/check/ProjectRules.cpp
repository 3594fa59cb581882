#include "check/ProjectRules.h"

#include <map>

#include "base/Text.h"
#include "elements/CFunckeyGE.h"
#include "elements/FindingStrings.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"
#include "projecttext/AddressUses.h"

namespace balsar {

namespace {

void Add(FindingList& findings, Severity severity, const char* code, FindingPlace place, std::string message) {
    findings.push_back(Finding{severity, code, std::move(place), std::move(message)});
}

// Reports a screen number that names no screen.
void RequireScreen(const CMirloProject& project, uint16_t number, FindingPlace place, FindingList& findings,
                   Severity severity = Severity::Error) {
    if (project.FindScreen(number) == nullptr) {
        Add(findings, severity, strings::kCodeScreenMissing, std::move(place),
            Format(strings::kFindScreenMissing, static_cast<int>(number)));
    }
}

FindingPlace SettingsPlace(const char* field) {
    return FindingPlace::OfListItem(strings::kListSettings, 0, field);
}

FindingPlace PlaceOfUse(const AddressUse& use) {
    switch (use.place) {
    case AddressUse::Place::Element:
        return FindingPlace::OfElement(use.screen, -1, use.elementId, use.field);
    case AddressUse::Place::Event:
        return FindingPlace::OfListItem(strings::kListEvents, static_cast<int32_t>(use.item), use.field);
    case AddressUse::Place::DataTransfer:
        return FindingPlace::OfListItem(strings::kListTransfers, static_cast<int32_t>(use.item), use.field);
    case AddressUse::Place::Settings:
        break;
    }
    return FindingPlace::OfListItem(strings::kListSettings, 0, use.field);
}

// The element kind of a use, found by its screen and ID among elements of
// the class the use names.
int32_t KindOfUse(const CMirloProject& project, const AddressUse& use) {
    if (const CHMIFrame* screen = project.FindScreen(use.screen)) {
        for (const auto& element : screen->GetElements()) {
            if (element->GetID() == use.elementId && element->GetRuntimeClass().name == use.elementClass) {
                return element->GetKind();
            }
        }
    }
    return -1;
}

bool PortEnabled(const CMirloProject& project, int32_t port) {
    if (port >= 0 && port < 3) {
        return project.GetPort(port)->enabled != 0;
    }
    return port == 3 && project.GetCanPort().enabled != 0;
}

} // namespace

void CheckModel(const CMirloProject& project, const DesignerSession& session, FindingList& findings) {
    if (!session.HasModel() || session.Model().id != project.panelModelId) {
        Add(findings, Severity::Error, strings::kCodeModelUnknown, FindingPlace::OfProject(strings::kFieldModel),
            Format(strings::kFindModelUnknown, static_cast<int>(project.panelModelId)));
    }
}

void CheckScreenNumbers(const CMirloProject& project, FindingList& findings) {
    const auto& screens = project.Screens();
    if (screens.empty()) {
        Add(findings, Severity::Error, strings::kCodeNoScreens, FindingPlace::OfProject(),
            strings::kFindNoScreens);
        return;
    }
    std::map<uint16_t, int> uses;
    for (const auto& screen : screens) {
        if (++uses[screen->GetNumber()] == 2) {
            Add(findings, Severity::Error, strings::kCodeScreenDuplicate,
                FindingPlace::OfScreen(screen->GetNumber(), strings::kFieldNumber),
                Format(strings::kFindScreenDuplicate, static_cast<int>(screen->GetNumber())));
        }
    }
    const GlobalSettings& settings = project.settings;
    RequireScreen(project, settings.initialScreen, SettingsPlace("initial screen"), findings);
    RequireScreen(project, settings.passwordScreen, SettingsPlace("password screen"), findings);
    // Option bit 0 set: the screen saver only switches the backlight off.
    if ((settings.optionFlags & 1u) == 0) {
        RequireScreen(project, settings.screenSaverScreen, SettingsPlace("screen-saver screen"), findings);
    }
    const auto alarm = static_cast<uint16_t>(project.eventList.alarmScreen);
    if (project.FindScreen(alarm) == nullptr) {
        Add(findings, Severity::Warning, strings::kCodeScreenMissing,
            FindingPlace::OfListItem(strings::kListEvents, 0, "alarm screen"),
            Format(strings::kFindAlarmScreenMissing, static_cast<int>(alarm),
                   static_cast<int>(project.eventList.CompiledAlarmScreen(project))));
    }
    for (const auto& screen : screens) {
        const uint16_t number = screen->GetNumber();
        // 0 disables the key. A new screen leads on to the next number
        // whether or not that screen exists yet, so a missing one is a
        // warning: the key leads nowhere.
        if (screen->GetUpKeyTarget() != 0) {
            RequireScreen(project, screen->GetUpKeyTarget(), FindingPlace::OfScreen(number, strings::kFieldUpKey),
                          findings, Severity::Warning);
        }
        if (screen->GetDownKeyTarget() != 0) {
            RequireScreen(project, screen->GetDownKeyTarget(),
                          FindingPlace::OfScreen(number, strings::kFieldDownKey), findings, Severity::Warning);
        }
        for (const auto& element : screen->GetElements()) {
            const auto* key = dynamic_cast<const CFunckeyGE*>(element.get());
            if (key != nullptr && key->GetFunction() == CFunckeyGE::FUNCTION_JUMP && key->Jump().TargetEnabled()) {
                RequireScreen(project, key->Jump().targetScreen,
                              FindingPlace::OfElement(number, key->GetKind(), key->GetID(), strings::kFieldJump),
                              findings);
            }
        }
    }
    const auto& transfers = project.dataTransfers.items;
    for (size_t i = 0; i < transfers.size(); ++i) {
        // 0: the item runs on every screen.
        if (transfers[i].validWindow != 0) {
            RequireScreen(project, transfers[i].validWindow,
                          FindingPlace::OfListItem(strings::kListTransfers, static_cast<int32_t>(i + 1), "screen"),
                          findings);
        }
    }
}

void CheckAddresses(const CMirloProject& project, const PortProtocols* protocols, FindingList& findings) {
    for (const AddressUse& use : CollectAddressUses(project, protocols)) {
        const CAddr& address = use.address;
        if (address.port == PORT_LOCAL) {
            continue;
        }
        FindingPlace place = PlaceOfUse(use);
        if (use.place == AddressUse::Place::Element) {
            place.elementKind = KindOfUse(project, use);
        }
        const std::string shown = address.regType + ' ' + std::to_string(address.address);
        if (address.port >= 0 && address.port < 4 && !PortEnabled(project, address.port)) {
            Add(findings, Severity::Error, strings::kCodePortDisabled, std::move(place),
                Format(strings::kFindPortDisabled, shown.c_str(), static_cast<int>(address.port)));
        } else if (!address.IsDefinedFor(protocols)) {
            Add(findings, Severity::Error, strings::kCodeAddressUndefined, std::move(place),
                Format(strings::kFindAddressUndefined, shown.c_str(), address.regType.c_str(),
                       static_cast<int>(address.port)));
        }
    }
}

void CheckDataTransfers(const CMirloProject& project, FindingList& findings) {
    const auto& items = project.dataTransfers.items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].timed == 0 && items[i].triggerType == 0) {
            Add(findings, Severity::Error, strings::kCodeTransferNoTrigger,
                FindingPlace::OfListItem(strings::kListTransfers, static_cast<int32_t>(i + 1), strings::kFieldTrigger),
                strings::kFindTransferNoTrigger);
        }
    }
}

} // namespace balsar
