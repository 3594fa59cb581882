#pragma once
// The texts a project's panel shows, listed for translation, and the
// translations written back. Each text has a stable id made from its place
// (screen number and element name, state row, event number), the text the
// project stores with the language it is in, and the box it must fit.
//
// A project keeps one text per place, in the language its element names.
// Translating into language L means: each place given a translation gets
// that text and language L (and L's default font when the element used the
// default font of its old language). The format is described in
// docs/strings.md.
#include <cstdint>
#include <string>
#include <vector>

namespace balsar {

class CLangDefine;
class CMirloProject;
class FontEngine;

enum class TextKind { StaticText, DynamicState, EventMessage };

// The name of a kind in the exchange files ("static", "state", "event").
const char* TextKindName(TextKind kind);

// Where a text sits.
struct TextPlace {
    std::string id;
    TextKind kind = TextKind::StaticText;
    // Screen number and element name; 0 and empty for an event message.
    int screen = 0;
    std::string element;
    // Row 1..256 of a dynamic text's state table; 0 otherwise.
    int state = 0;
    // Event number 1.. in the event list; 0 otherwise.
    int item = 0;

    bool operator==(const TextPlace& other) const = default;
};

// One text as exported.
struct ProjectText {
    TextPlace place;
    // The stored text and the language index it is in.
    std::string source;
    int sourceLanguage = 0;
    // The stored text when it already is in the target language; else empty.
    std::string current;
    // The pixel box the text must fit: for static and dynamic texts the room
    // from the element's left edge to the screen's right edge by the
    // element's height (texts grow to the right); for event messages the
    // narrowest event list element (the whole screen without one) by the
    // list's font size.
    int boxWidth = 0;
    int boxHeight = 0;
    // Pixel height of the text's font and whether the built-in dot-matrix
    // font draws it.
    int pixelSize = 0;
    bool dotMatrix = false;
    // What the compile draws the text with: face, size index, the element's
    // dot-matrix flag and double size.
    std::string face;
    int32_t sizeIndex = 0;
    int32_t dotMatrixFlag = 0;
    bool doubleSize = false;
};

struct ProjectTexts {
    // Index into the language table and its Windows language identifier and
    // tag ("en", "zh-CN"; empty when unknown).
    int language = 0;
    uint16_t languageId = 0;
    std::string languageTag;
    uint16_t sourceLanguageId = 0;
    std::string sourceLanguageTag;
    std::vector<ProjectText> texts;
};

// The language index an argument names: an index of the table (0..count-1)
// or a language identifier the table holds (decimal or 0x hex). False with
// the reason in error otherwise.
bool ResolveTextLanguage(const CLangDefine& languages, const std::string& argument, int& index,
                         std::string& error);

// Every text the panel shows, screens in order, elements in drawing order,
// then the event messages. Empty texts are listed too (a translation may
// fill them) except unused state rows. panelWidth sizes the boxes.
ProjectTexts CollectProjectTexts(const CMirloProject& project, int language, int panelWidth);

// One entry of a translation file.
struct Translation {
    std::string id;
    // The source text the file carries (empty when it carries none).
    std::string source;
    std::string target;
    // Where the entry sits in its file, for messages ("line 4", "trans-unit 3").
    std::string where;
};

// What applying translations did.
struct TranslationResult {
    // The places whose text changed, in file order.
    std::vector<TextPlace> changed;
    // Entries applied although their source differs from the project's
    // text (the project changed after the export).
    std::vector<std::string> warnings;
};

// Writes the translations into the project: each entry with a non-empty
// target gives its place that text in language `language`; an empty target
// leaves the place alone. Refused (false, the project untouched, the reason
// in error) when an id is not a place of the project or is given twice
// with different targets. fonts resizes the changed elements (null: their
// size stays).
bool ApplyTranslations(CMirloProject& project, int language, const std::vector<Translation>& translations,
                       FontEngine* fonts, TranslationResult& result, std::string& error);

} // namespace balsar
