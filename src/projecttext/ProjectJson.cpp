#include "projecttext/ProjectJson.h"

#include <set>

#include "plc/PLCAddrType.h"
#include "project/CMirloProject.h"
#include "projecttext/ElementFields.h"
#include "projecttext/JsonIo.h"
#include "projecttext/ProjectFields.h"

namespace balsar {

namespace {

// Where the parser is, to name a member that appears twice in an object
// (the JSON library would silently keep one of them).
class DuplicateKeyCheck {
public:
    bool operator()(int /*depth*/, Json::parse_event_t event, Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start:
            m_frames.emplace_back(true);
            break;
        case Json::parse_event_t::array_start:
            m_frames.emplace_back(false);
            break;
        case Json::parse_event_t::key: {
            Frame& frame = m_frames.back();
            frame.key = parsed.get<std::string>();
            if (!frame.keys.insert(frame.key).second) {
                throw JsonImportError(PathOfCurrent(), "field listed twice");
            }
            break;
        }
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end:
            m_frames.pop_back();
            ValueDone();
            break;
        case Json::parse_event_t::value:
            ValueDone();
            break;
        }
        return true;
    }

private:
    struct Frame {
        explicit Frame(bool object) : isObject(object) {}
        bool isObject;
        std::set<std::string> keys;
        std::string key;
        size_t index = 0;
    };

    void ValueDone() {
        if (!m_frames.empty() && !m_frames.back().isObject) {
            ++m_frames.back().index;
        }
    }

    std::string PathOfCurrent() const {
        std::string path = "$";
        for (const Frame& frame : m_frames) {
            path += frame.isObject ? "." + frame.key : "[" + std::to_string(frame.index) + "]";
        }
        return path;
    }

    std::vector<Frame> m_frames;
};

// The library's message without its exception tag: "line 3, column 7:
// syntax error ..." for text that is not JSON, "number overflow parsing
// '9E999'" for a number no double holds.
std::string SyntaxMessage(const Json::exception& error) {
    std::string text = error.what();
    if (const size_t at = text.find("parse error at "); at != std::string::npos) {
        return text.substr(at + 15);
    }
    if (const size_t tag = text.find("] "); text.rfind("[json.exception.", 0) == 0 && tag != std::string::npos) {
        return text.substr(tag + 2);
    }
    return text;
}

void FormatFields(JsonIo& io) {
    std::string format = kProjectJsonFormat;
    io.Field("format", format);
    if (format != kProjectJsonFormat) {
        io.Fail("format", std::string("expected \"") + kProjectJsonFormat + "\"");
    }
    int32_t version = kProjectJsonVersion;
    io.Field("formatVersion", version);
    if (version > kProjectJsonVersion) {
        io.Fail("formatVersion", "made by a newer version of this program (reads " +
                                     std::to_string(kProjectJsonVersion) + ")");
    }
    if (version < 1) {
        io.Fail("formatVersion", "expected 1");
    }
}

} // namespace

std::string ExportProjectJson(const CMirloProject& project) {
    Json document = Json::object();
    JsonIo io(document);
    FormatFields(io);
    // The writing direction only reads the project.
    ProjectFields(io, const_cast<CMirloProject&>(project));
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool ImportProjectDocument(const Json& document, const LanguageDefaults& defaults, ImportedProject& result,
                           std::string& error) {
    try {
        if (!document.is_object()) {
            throw JsonImportError("$", "expected an object, found " + QuoteJson(document));
        }
        auto project = std::make_unique<CMirloProject>(defaults);
        ElementReadContext context(&project->bitmapLibrary);
        JsonIo io(document, "$", &context);
        FormatFields(io);
        ProjectFields(io, *project);
        io.Finish();
        result.project = std::move(project);
        result.legacyTypes = context.legacyTypes.Take();
        return true;
    } catch (const JsonImportError& e) {
        error = e.what();
    }
    return false;
}

bool ImportProjectJson(std::string_view text, const LanguageDefaults& defaults, ImportedProject& result,
                       std::string& error) {
    Json document;
    try {
        document = Json::parse(text.begin(), text.end(), DuplicateKeyCheck());
    } catch (const JsonImportError& e) {
        error = e.what();
        return false;
    } catch (const Json::exception& e) {
        error = SyntaxMessage(e);
        return false;
    }
    return ImportProjectDocument(document, defaults, result, error);
}

} // namespace balsar
