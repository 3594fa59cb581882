#include "projecttext/ProjectJson.h"

#include <cstddef>
#include <utility>

#include "plc/PLCAddrType.h"
#include "project/CMirloProject.h"
#include "projecttext/ElementFields.h"
#include "projecttext/JsonIo.h"
#include "projecttext/ProjectFields.h"

namespace balsar {

namespace {

// Builds the document from the parser's events and refuses a member that
// appears twice in an object (the library's own parse would silently keep
// one of them), naming its path. The ordered object itself tells whether a
// name is new, so no set of names is kept; and no value is made and
// destroyed per member name, as the library's parse callback does.
class CheckedDocumentBuilder {
public:
    explicit CheckedDocumentBuilder(Json& root) : m_root(root) {}

    bool null() { return Add(nullptr); }
    bool boolean(bool value) { return Add(value); }
    bool number_integer(Json::number_integer_t value) { return Add(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return Add(value); }
    bool number_float(Json::number_float_t value, const Json::string_t& /*text*/) { return Add(value); }
    bool string(Json::string_t& value) { return Add(value); }
    bool binary(Json::binary_t& value) { return Add(Json::binary(std::move(value))); }
    bool start_object(std::size_t /*count*/) { return Open(Json::object()); }
    bool start_array(std::size_t /*count*/) { return Open(Json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(Json::string_t& name) {
        Frame& frame = m_frames.back();
        const auto [entry, added] = frame.value->get_ref<Json::object_t&>().emplace(name, Json());
        frame.key = &entry->first;
        if (!added) {
            throw JsonImportError(PathOfCurrent(), "field listed twice");
        }
        m_member = &entry->second;
        return true;
    }

    template <class Exception>
    bool parse_error(std::size_t /*position*/, const std::string& /*token*/, const Exception& error) {
        throw error;
    }

private:
    struct Frame {
        Json* value;
        // The member being read (objects); it stays in place while the
        // parser is inside it, as nothing is added to its object meanwhile.
        const std::string* key = nullptr;
    };

    // Places a value where the parser is: the document, the end of the
    // open array, or the member just named.
    template <class Value> Json* Place(Value&& value) {
        if (m_frames.empty()) {
            m_root = Json(std::forward<Value>(value));
            return &m_root;
        }
        Json& parent = *m_frames.back().value;
        if (parent.is_array()) {
            auto& items = parent.get_ref<Json::array_t&>();
            items.emplace_back(std::forward<Value>(value));
            return &items.back();
        }
        *m_member = Json(std::forward<Value>(value));
        return m_member;
    }
    template <class Value> bool Add(Value&& value) {
        Place(std::forward<Value>(value));
        return true;
    }
    bool Open(Json&& container) {
        m_frames.push_back(Frame{Place(std::move(container))});
        return true;
    }
    bool Close() {
        m_frames.pop_back();
        return true;
    }

    std::string PathOfCurrent() const {
        std::string path = "$";
        for (const Frame& frame : m_frames) {
            if (frame.value->is_object()) {
                path += "." + *frame.key;
            } else {
                // The item being read is the last one added.
                path += "[" + std::to_string(frame.value->size() - 1) + "]";
            }
        }
        return path;
    }

    Json& m_root;
    std::vector<Frame> m_frames;
    Json* m_member = nullptr;
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
        CheckedDocumentBuilder builder(document);
        Json::sax_parse(text.begin(), text.end(), &builder);
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
