#pragma once
// The check of translated texts: does each changed text still fit its box,
// and can its font show every character at that size. The measuring belongs
// to the project check (src/check); this step is where the strings import
// hands it the places it changed.
#include <string>
#include <vector>

#include "projecttext/ProjectStrings.h"

namespace balsar {

class CMirloProject;
class DesignerSession;

// One text that no longer fits or cannot be shown.
struct TranslationFinding {
    TextPlace place;
    std::string message;
};

// The findings for the places a strings import changed: each text that no
// longer fits its box, or shows characters from a fall-back font or not at
// all, measured as the compile draws it (CheckTextFit).
std::vector<TranslationFinding> CheckTranslatedTexts(const CMirloProject& project, const DesignerSession& session,
                                                     const std::vector<TextPlace>& changed);

} // namespace balsar
