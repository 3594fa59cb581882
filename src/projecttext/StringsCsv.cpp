#include "projecttext/StringsCsv.h"

#include <algorithm>
#include <map>

namespace balsar {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
const std::vector<std::string> kColumns = {"id",     "kind",      "screen", "element", "state", "item",
                                           "width",  "height",    "size",   "dotmatrix", "language",
                                           "source_language", "source", "target"};

std::string Field(std::string_view value) {
    const bool quote = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (!quote) {
        return std::string(value);
    }
    std::string out = "\"";
    for (char c : value) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

void Row(std::string& out, const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        out += (i == 0 ? "" : ",") + Field(fields[i]);
    }
    out += "\r\n";
}

std::string NumberOrEmpty(int value) { return value == 0 ? std::string() : std::to_string(value); }

// A record with the line it starts on.
struct Record {
    int line = 0;
    std::vector<std::string> fields;
};

bool SplitRecords(std::string_view text, std::vector<Record>& records, std::string& error) {
    size_t at = 0;
    int line = 1;
    while (at < text.size()) {
        Record record;
        record.line = line;
        std::string field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (at < text.size() && text[at] == '"') {
                const int opened = line;
                ++at;
                while (true) {
                    if (at >= text.size()) {
                        error = "line " + std::to_string(opened) + ": quoted field not closed (file truncated?)";
                        return false;
                    }
                    const char c = text[at++];
                    if (c == '"') {
                        if (at < text.size() && text[at] == '"') {
                            field += '"';
                            ++at;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n') {
                        ++line;
                    }
                    field += c;
                }
                if (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
                    error = "line " + std::to_string(line) + ": character after a closing quote";
                    return false;
                }
            } else {
                while (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
                    if (text[at] == '"') {
                        error = "line " + std::to_string(line) + ": quote inside an unquoted field";
                        return false;
                    }
                    field += text[at++];
                }
            }
            record.fields.push_back(std::move(field));
            field.clear();
            if (at >= text.size()) {
                endOfRecord = true;
            } else if (text[at] == ',') {
                ++at;
            } else {
                if (text[at] == '\r') {
                    ++at;
                }
                if (at < text.size() && text[at] == '\n') {
                    ++at;
                }
                ++line;
                endOfRecord = true;
            }
        }
        // A line with nothing on it is no record.
        if (!(record.fields.size() == 1 && record.fields[0].empty())) {
            records.push_back(std::move(record));
        }
    }
    return true;
}

} // namespace

std::string WriteStringsCsv(const ProjectTexts& texts) {
    std::string out(kBom);
    Row(out, kColumns);
    for (const ProjectText& text : texts.texts) {
        const TextPlace& place = text.place;
        Row(out, {place.id, TextKindName(place.kind), NumberOrEmpty(place.screen), place.element,
                  NumberOrEmpty(place.state), NumberOrEmpty(place.item), std::to_string(text.boxWidth),
                  std::to_string(text.boxHeight), std::to_string(text.pixelSize), text.dotMatrix ? "1" : "0",
                  std::to_string(texts.language), std::to_string(text.sourceLanguage), text.source, text.current});
    }
    return out;
}

bool ReadStringsCsv(std::string_view text, int language, std::vector<Translation>& translations,
                    std::string& error) {
    if (text.substr(0, kBom.size()) == kBom) {
        text.remove_prefix(kBom.size());
    }
    std::vector<Record> records;
    if (!SplitRecords(text, records, error)) {
        return false;
    }
    if (records.empty()) {
        error = "line 1: no header row (empty file)";
        return false;
    }
    std::map<std::string, size_t> columns;
    for (size_t i = 0; i < records[0].fields.size(); ++i) {
        columns.emplace(records[0].fields[i], i);
    }
    for (const char* required : {"id", "target"}) {
        if (!columns.count(required)) {
            error = "line 1: the header has no \"" + std::string(required) + "\" column";
            return false;
        }
    }
    const auto column = [&](const Record& record, const char* name) -> std::string {
        const auto found = columns.find(name);
        return found == columns.end() ? std::string() : record.fields[found->second];
    };
    const size_t width = records[0].fields.size();
    std::vector<Translation> read;
    for (size_t r = 1; r < records.size(); ++r) {
        const Record& record = records[r];
        const std::string where = "line " + std::to_string(record.line);
        if (record.fields.size() != width) {
            error = where + ": " + std::to_string(record.fields.size()) + " fields, the header has " +
                    std::to_string(width);
            return false;
        }
        const std::string rowLanguage = column(record, "language");
        if (!rowLanguage.empty() && rowLanguage != std::to_string(language)) {
            error = where + ": the row is for language " + rowLanguage + ", not " + std::to_string(language);
            return false;
        }
        Translation entry{column(record, "id"), column(record, "source"), column(record, "target"), where};
        if (entry.id.empty()) {
            error = where + ": empty id";
            return false;
        }
        read.push_back(std::move(entry));
    }
    translations = std::move(read);
    return true;
}

} // namespace balsar
