#pragma once
// The texts of a project as XLIFF 1.2 for translation tools: one <file>
// whose source language is the project's first and whose target language
// is the chosen one, one <trans-unit> per text with its place in a note
// and its box in maxwidth/maxheight (size-unit "pixel"). Described in
// docs/strings.md.
#include <string>
#include <string_view>
#include <vector>

#include "projecttext/ProjectStrings.h"

namespace balsar {

// The document, UTF-8, indented.
std::string WriteStringsXliff(const ProjectTexts& texts, const std::string& original);

// Reads the trans-units of an XLIFF 1.2 document. A unit without <target>
// counts as untranslated (empty target). False, with the reason in error,
// when the text is not XML (with the line of the fault), not XLIFF 1.2,
// names another target language than languageTag (when both are known), or
// has a unit without id or with markup inside its target; translations is
// left as it was then.
bool ReadStringsXliff(std::string_view text, const std::string& languageTag, std::vector<Translation>& translations,
                      std::string& error);

} // namespace balsar
