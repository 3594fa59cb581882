#pragma once
// A problem found in a project, by the compile or by the project check: how
// grave it is, a stable code, where it is and what is wrong. The compile
// reports what only it can see (glyphs it could not make, positions it had
// to keep inside the panel, texts it had to cut); the project check adds
// the rules that need no compile.
#include <cstdint>
#include <string>
#include <vector>

namespace balsar {

enum class Severity { Error, Warning };

// Where a finding lies. An element: its screen, kind and ID; a list item:
// the list's name and the item's place in it (from 1); a screen alone; or
// the project as a whole. The field names the member that is wrong.
struct FindingPlace {
    enum class Kind { Project, Screen, Element, ListItem };

    Kind kind = Kind::Project;
    int32_t screen = -1;
    int32_t elementKind = -1;
    int32_t elementId = -1;
    std::string list;
    int32_t item = 0;
    std::string field;

    static FindingPlace OfProject(std::string field = {});
    static FindingPlace OfScreen(int32_t screen, std::string field = {});
    static FindingPlace OfElement(int32_t screen, int32_t kind, int32_t id, std::string field = {});
    static FindingPlace OfListItem(std::string list, int32_t item, std::string field = {});
    bool operator==(const FindingPlace& other) const = default;
};

struct Finding {
    Severity severity = Severity::Error;
    std::string code;
    FindingPlace place;
    std::string message;
};

using FindingList = std::vector<Finding>;

// "screen 3 TEXT2 text", "screen 3 up key", "事件与报警列表 item 2 message",
// "settings initial screen", "project model": the place as one line shows it.
std::string PlaceText(const FindingPlace& place);
// "error" or "warning".
const char* SeverityName(Severity severity);
// One line: severity, code, place and message separated by blanks.
std::string FindingLine(const Finding& finding);
bool HasErrors(const FindingList& findings);

} // namespace balsar
