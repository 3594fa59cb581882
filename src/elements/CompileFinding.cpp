#include "elements/CompileFinding.h"

#include <algorithm>

#include "elements/ElementKinds.h"

namespace balsar {

FindingPlace FindingPlace::OfProject(std::string field) {
    FindingPlace place;
    place.field = std::move(field);
    return place;
}

FindingPlace FindingPlace::OfScreen(int32_t screen, std::string field) {
    FindingPlace place;
    place.kind = Kind::Screen;
    place.screen = screen;
    place.field = std::move(field);
    return place;
}

FindingPlace FindingPlace::OfElement(int32_t screen, int32_t kind, int32_t id, std::string field) {
    FindingPlace place;
    place.kind = Kind::Element;
    place.screen = screen;
    place.elementKind = kind;
    place.elementId = id;
    place.field = std::move(field);
    return place;
}

FindingPlace FindingPlace::OfListItem(std::string list, int32_t item, std::string field) {
    FindingPlace place;
    place.kind = Kind::ListItem;
    place.list = std::move(list);
    place.item = item;
    place.field = std::move(field);
    return place;
}

std::string PlaceText(const FindingPlace& place) {
    std::string text;
    switch (place.kind) {
    case FindingPlace::Kind::Project:
        text = "project";
        break;
    case FindingPlace::Kind::Screen:
        text = "screen " + std::to_string(place.screen);
        break;
    case FindingPlace::Kind::Element: {
        const std::string_view name = ShortName(place.elementKind);
        text = "screen " + std::to_string(place.screen) + ' ' +
               (name.empty() ? "KIND" + std::to_string(place.elementKind) : std::string(name)) +
               std::to_string(place.elementId);
        break;
    }
    case FindingPlace::Kind::ListItem:
        text = place.list;
        if (place.item > 0) {
            text += " item " + std::to_string(place.item);
        }
        break;
    }
    if (!place.field.empty()) {
        text += ' ' + place.field;
    }
    return text;
}

const char* SeverityName(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

std::string FindingLine(const Finding& finding) {
    return std::string(SeverityName(finding.severity)) + ' ' + finding.code + ' ' + PlaceText(finding.place) +
           ": " + finding.message;
}

bool HasErrors(const FindingList& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

} // namespace balsar
