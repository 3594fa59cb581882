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

// The findings for the places a strings import changed. Until this is
// joined to the project check's text-fit function it finds nothing: it
// measures nothing itself.
std::vector<TranslationFinding> CheckTranslatedTexts(const CMirloProject& project, const DesignerSession& session,
                                                     const std::vector<TextPlace>& changed);

} // namespace balsar
