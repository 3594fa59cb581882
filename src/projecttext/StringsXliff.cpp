#include "projecttext/StringsXliff.h"

#include <algorithm>
#include <sstream>

#include <pugixml.hpp>

namespace balsar {

namespace {

constexpr const char* kNamespace = "urn:oasis:names:tc:xliff:document:1.2";

std::string PlaceNote(const TextPlace& place) {
    switch (place.kind) {
    case TextKind::StaticText:
        return "screen " + std::to_string(place.screen) + ", static text " + place.element;
    case TextKind::DynamicState:
        return "screen " + std::to_string(place.screen) + ", dynamic text " + place.element + ", state row " +
               std::to_string(place.state);
    case TextKind::EventMessage:
        return "event " + std::to_string(place.item);
    }
    return {};
}

int LineOf(std::string_view text, ptrdiff_t offset) {
    const auto end = text.begin() + std::clamp<ptrdiff_t>(offset, 0, static_cast<ptrdiff_t>(text.size()));
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

bool SameLanguage(std::string a, std::string b) {
    const auto lower = [](std::string& s) {
        std::replace(s.begin(), s.end(), '_', '-');
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    };
    lower(a);
    lower(b);
    return a == b;
}

} // namespace

std::string WriteStringsXliff(const ProjectTexts& texts, const std::string& original) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node xliff = document.append_child("xliff");
    xliff.append_attribute("version") = "1.2";
    xliff.append_attribute("xmlns") = kNamespace;
    pugi::xml_node file = xliff.append_child("file");
    file.append_attribute("original") = original.c_str();
    file.append_attribute("datatype") = "plaintext";
    file.append_attribute("source-language") = texts.sourceLanguageTag.c_str();
    file.append_attribute("target-language") = texts.languageTag.c_str();
    pugi::xml_node header = file.append_child("header");
    std::ostringstream note;
    note << "language index " << texts.language << ", identifier 0x" << std::hex << texts.languageId;
    header.append_child("note").text() = note.str().c_str();
    pugi::xml_node body = file.append_child("body");
    for (const ProjectText& text : texts.texts) {
        pugi::xml_node unit = body.append_child("trans-unit");
        unit.append_attribute("id") = text.place.id.c_str();
        unit.append_attribute("resname") = TextKindName(text.place.kind);
        unit.append_attribute("xml:space") = "preserve";
        unit.append_attribute("size-unit") = "pixel";
        unit.append_attribute("maxwidth") = text.boxWidth;
        unit.append_attribute("maxheight") = text.boxHeight;
        unit.append_child("source").text() = text.source.c_str();
        pugi::xml_node target = unit.append_child("target");
        target.append_attribute("state") = text.current.empty() ? "needs-translation" : "translated";
        if (!text.current.empty()) {
            target.text() = text.current.c_str();
        }
        unit.append_child("note").text() = PlaceNote(text.place).c_str();
        std::string font = std::to_string(text.pixelSize) + " px" + (text.dotMatrix ? ", built-in dot-matrix font" : "");
        if (text.sourceLanguage != 0) {
            font += ", stored in language " + std::to_string(text.sourceLanguage);
        }
        unit.append_child("note").text() = font.c_str();
    }
    std::ostringstream out;
    document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    return out.str();
}

bool ReadStringsXliff(std::string_view text, const std::string& languageTag, std::vector<Translation>& translations,
                      std::string& error) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single,
                             pugi::encoding_utf8);
    if (!parsed) {
        error = "line " + std::to_string(LineOf(text, parsed.offset)) + ": not well-formed XML: " +
                parsed.description();
        return false;
    }
    const pugi::xml_node xliff = document.child("xliff");
    if (!xliff) {
        error = "not an XLIFF document (no <xliff> root element)";
        return false;
    }
    if (std::string_view(xliff.attribute("version").as_string()) != "1.2") {
        error = "XLIFF version \"" + std::string(xliff.attribute("version").as_string()) + "\" is not 1.2";
        return false;
    }
    std::vector<Translation> read;
    int units = 0;
    for (const pugi::xml_node file : xliff.children("file")) {
        const std::string target = file.attribute("target-language").as_string();
        if (!target.empty() && !languageTag.empty() && !SameLanguage(target, languageTag)) {
            error = "the file's target language is \"" + target + "\", not \"" + languageTag + "\"";
            return false;
        }
        for (const pugi::xml_node unit : file.child("body").children("trans-unit")) {
            const std::string where = "trans-unit " + std::to_string(++units) + " (line " +
                                      std::to_string(LineOf(text, unit.offset_debug())) + ")";
            Translation entry;
            entry.where = where;
            entry.id = unit.attribute("id").as_string();
            if (entry.id.empty()) {
                error = where + ": no id";
                return false;
            }
            for (const char* name : {"source", "target"}) {
                const pugi::xml_node node = unit.child(name);
                if (node.find_child([](pugi::xml_node child) { return child.type() == pugi::node_element; })) {
                    error = where + ": markup inside <" + name + "> (only plain text is allowed)";
                    return false;
                }
                (name[0] == 's' ? entry.source : entry.target) = node.text().get();
            }
            read.push_back(std::move(entry));
        }
    }
    if (units == 0 && !xliff.child("file")) {
        error = "the XLIFF document has no <file>";
        return false;
    }
    translations = std::move(read);
    return true;
}

} // namespace balsar
