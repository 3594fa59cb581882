#include "projecttext/TranslationFit.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Utf.h"
#include "check/TextFit.h"
#include "compiler/ImageCompiler.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"

namespace balsar {

namespace {

// What is wrong with one text, in the words of the strings import; empty
// when it fits and every character is shown as typed.
std::string FitProblem(const TextFit& fit, const ProjectText& text) {
    std::string problem;
    const auto add = [&problem](const std::string& part) {
        problem += problem.empty() ? part : "; " + part;
    };
    if (!fit.fitsWidth || !fit.fitsHeight) {
        add(Format("needs %dx%d pixels, the box is %dx%d", fit.width, fit.height, text.boxWidth, text.boxHeight));
    }
    if (!fit.faceUsable) {
        add("font \"" + text.face + "\" is not installed");
    }
    if (!fit.missing.empty()) {
        add("no glyph for \"" + Utf32ToUtf8(fit.missing) + "\" at this size");
    }
    if (!fit.fromFallback.empty()) {
        add("\"" + Utf32ToUtf8(fit.fromFallback) + "\" comes from a fall-back font");
    }
    if (fit.tooLong) {
        add("longer than 255 characters");
    }
    return problem;
}

} // namespace

std::vector<TranslationFinding> CheckTranslatedTexts(const CMirloProject& project, const DesignerSession& session,
                                                     const std::vector<TextPlace>& changed) {
    std::vector<TranslationFinding> findings;
    if (changed.empty()) {
        return findings;
    }
    // The import stored each changed text at its place, so the stored text
    // is the one to measure, whatever language it is in.
    const ProjectTexts texts = CollectProjectTexts(project, 0, session.PanelWidth());
    const std::vector<std::string> fallbacks = FallbackFaces(project, session.Fonts());
    for (const ProjectText& text : texts.texts) {
        if (std::find(changed.begin(), changed.end(), text.place) == changed.end()) {
            continue;
        }
        const TextFit fit = CheckTextFit(session.Fonts(), text.source, text.face, text.sizeIndex,
                                         text.dotMatrixFlag, text.doubleSize, text.boxWidth, text.boxHeight,
                                         fallbacks);
        if (!fit.Clean()) {
            findings.push_back({text.place, FitProblem(fit, text)});
        }
    }
    return findings;
}

} // namespace balsar
