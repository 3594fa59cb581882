#include "cli/CliCheck.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "base/ProgramPaths.h"
#include "check/ProjectCheck.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"

namespace balsar {

namespace {

const char* PlaceKindName(FindingPlace::Kind kind) {
    switch (kind) {
    case FindingPlace::Kind::Screen:
        return "screen";
    case FindingPlace::Kind::Element:
        return "element";
    case FindingPlace::Kind::ListItem:
        return "item";
    case FindingPlace::Kind::Project:
        break;
    }
    return "project";
}

nlohmann::json PlaceJson(const FindingPlace& place) {
    nlohmann::json json{{"kind", PlaceKindName(place.kind)}};
    if (place.screen >= 0) {
        json["screen"] = place.screen;
    }
    if (place.kind == FindingPlace::Kind::Element) {
        json["elementKind"] = place.elementKind;
        json["elementId"] = place.elementId;
    }
    if (!place.list.empty()) {
        json["list"] = place.list;
        json["item"] = place.item;
    }
    if (!place.field.empty()) {
        json["field"] = place.field;
    }
    return json;
}

} // namespace

void PrintFindings(const FindingList& findings, std::ostream& out) {
    for (const Finding& finding : findings) {
        out << FindingLine(finding) << '\n';
    }
}

std::string FindingsJson(const FindingList& findings) {
    nlohmann::json list = nlohmann::json::array();
    size_t errors = 0;
    for (const Finding& finding : findings) {
        errors += finding.severity == Severity::Error ? 1 : 0;
        list.push_back({{"severity", SeverityName(finding.severity)},
                        {"code", finding.code},
                        {"place", PlaceJson(finding.place)},
                        {"placeText", PlaceText(finding.place)},
                        {"message", finding.message}});
    }
    const nlohmann::json document{
        {"errors", errors}, {"warnings", findings.size() - errors}, {"findings", std::move(list)}};
    return document.dump();
}

int RunCheckCommand(CMirloDoc& doc, const DesignerSession& session, bool json, std::ostream& out) {
    const CheckResult result = CheckProject(*doc.Project(), session, ProgramFolder());
    if (json) {
        out << FindingsJson(result.findings) << '\n';
    } else {
        PrintFindings(result.findings, out);
        out << result.Count(Severity::Error) << " errors, " << result.Count(Severity::Warning) << " warnings\n";
    }
    return result.HasErrors() ? 1 : 0;
}

bool AcceptFindings(const CheckResult& result, bool strict, std::ostream& err) {
    PrintFindings(result.findings, err);
    const size_t errors = result.Count(Severity::Error);
    const size_t warnings = result.Count(Severity::Warning);
    if (errors > 0 || (strict && warnings > 0)) {
        err << "compile failed: " << errors << " errors, " << warnings << " warnings"
            << (errors == 0 ? " (--strict)" : "") << '\n';
        return false;
    }
    return true;
}

} // namespace balsar
