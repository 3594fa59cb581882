#pragma once
// Font lists of the text settings: the families that serve a language.
#include <QComboBox>
#include <cstdint>
#include <string>

namespace balsar {
class FontEngine;
}

namespace balsar::dialogs {

// Fills the box with the font families of the language's character set and
// selects the face by name (see SelectFontByName); without a font engine the
// face is the only entry.
void FillFonts(QComboBox* box, FontEngine* fonts, uint16_t languageId, const std::string& face);

} // namespace balsar::dialogs
