#include "projecttext/TranslationFit.h"

namespace balsar {

std::vector<TranslationFinding> CheckTranslatedTexts(const CMirloProject& /*project*/,
                                                     const DesignerSession& /*session*/,
                                                     const std::vector<TextPlace>& /*changed*/) {
    // The project check's "does this text fit its box / can the font show
    // it" function is called here once both are in one tree.
    return {};
}

} // namespace balsar
