#include "projecttext/JsonIo.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace balsar {

namespace {

constexpr size_t kQuoteLimit = 40;

std::string TypeName(const Json& node) {
    if (node.is_number_integer()) {
        return "an integer";
    }
    if (node.is_number_float()) {
        return "a number";
    }
    if (node.is_string()) {
        return "a string";
    }
    if (node.is_boolean()) {
        return "a boolean";
    }
    if (node.is_null()) {
        return "null";
    }
    return node.is_array() ? "an array" : "an object";
}

// "found <type> <value>" for a refusal.
std::string Found(const Json& node) {
    if (node.is_array() || node.is_object() || node.is_null()) {
        return "found " + TypeName(node);
    }
    return "found " + TypeName(node) + " " + QuoteJson(node);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string HexText(const uint8_t* bytes, size_t n) {
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * n);
    for (size_t i = 0; i < n; ++i) {
        text.push_back(digits[bytes[i] >> 4]);
        text.push_back(digits[bytes[i] & 0xF]);
    }
    return text;
}

// Appends the bytes of a hexadecimal text; false when it is not whole bytes
// of hexadecimal digits.
bool AppendHex(const std::string& text, std::vector<uint8_t>& bytes) {
    if (text.size() % 2 != 0) {
        return false;
    }
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return true;
}

} // namespace

std::string QuoteJson(const Json& node) {
    std::string text = node.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (text.size() > kQuoteLimit) {
        text = text.substr(0, kQuoteLimit) + "...";
    }
    return text;
}

JsonIo::JsonIo(Json& out, JsonContext* context) : m_out(&out), m_path("$"), m_context(context) {
    if (!out.is_object()) {
        out = Json::object();
    }
}

JsonIo::JsonIo(const Json& in, std::string path, JsonContext* context)
    : m_in(&in), m_path(std::move(path)), m_context(context) {}

std::string JsonIo::MemberPath(const std::string& member) const { return m_path + "." + member; }

std::string JsonIo::ItemPath(const char* name, size_t index) const {
    return MemberPath(name) + "[" + std::to_string(index) + "]";
}

void JsonIo::Fail(const std::string& member, const std::string& message) const {
    throw JsonImportError(member.empty() ? m_path : MemberPath(member), message);
}

void JsonIo::RequireObject() const {
    if (!m_in->is_object()) {
        throw JsonImportError(m_path, "expected an object, " + Found(*m_in));
    }
}

bool JsonIo::Has(const char* name) const { return m_in != nullptr && m_in->is_object() && m_in->contains(name); }

const Json& JsonIo::Member(const char* name) {
    const auto it = m_in->find(name);
    if (it == m_in->end()) {
        Fail(name, "missing field");
    }
    m_visited.emplace_back(name);
    return *it;
}

const Json& JsonIo::ArrayMember(const char* name) {
    const Json& node = Member(name);
    if (!node.is_array()) {
        Fail(name, "expected an array, " + Found(node));
    }
    return node;
}

std::vector<std::string> JsonIo::Unvisited() const {
    std::vector<std::string> names;
    if (m_in == nullptr || !m_in->is_object()) {
        return names;
    }
    for (auto it = m_in->begin(); it != m_in->end(); ++it) {
        if (std::find(m_visited.begin(), m_visited.end(), it.key()) == m_visited.end()) {
            names.push_back(it.key());
        }
    }
    return names;
}

void JsonIo::Finish() const {
    const std::vector<std::string> extra = Unvisited();
    if (!extra.empty()) {
        Fail(extra.front(), "unknown field");
    }
}

Json JsonIo::WrittenDouble(double value) {
    if (std::isfinite(value)) {
        return value;
    }
    // JSON has no infinities or NaN: keep the exact bits as text.
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char text[24];
    std::snprintf(text, sizeof text, "0x%016" PRIX64, bits);
    return std::string(text);
}

void JsonIo::Parse(const Json& node, const std::string& path, std::string& value) {
    if (!node.is_string()) {
        throw JsonImportError(path, "expected a string, " + Found(node));
    }
    value = node.get<std::string>();
}

void JsonIo::Parse(const Json& node, const std::string& path, double& value) {
    if (node.is_number()) {
        value = node.get<double>();
        return;
    }
    if (node.is_string()) {
        const std::string text = node.get<std::string>();
        if (text.size() == 18 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
            uint64_t bits = 0;
            bool digits = true;
            for (size_t i = 2; i < text.size(); ++i) {
                const int d = HexDigit(text[i]);
                digits = digits && d >= 0;
                bits = bits << 4 | static_cast<uint64_t>(d < 0 ? 0 : d);
            }
            if (digits) {
                std::memcpy(&value, &bits, sizeof value);
                return;
            }
        }
    }
    throw JsonImportError(path, "expected a number (or \"0x\" and 16 hexadecimal digits), " + Found(node));
}

int64_t JsonIo::ParseInteger(const Json& node, const std::string& path, int64_t lowest, uint64_t largest) {
    const std::string range = "expected an integer from " + std::to_string(lowest) + " to " + std::to_string(largest);
    if (!node.is_number_integer()) {
        throw JsonImportError(path, range + ", " + Found(node));
    }
    if (node.is_number_unsigned()) {
        const uint64_t v = node.get<uint64_t>();
        if (v > largest) {
            throw JsonImportError(path, range + ", " + Found(node));
        }
        return static_cast<int64_t>(v);
    }
    const int64_t v = node.get<int64_t>();
    if (v < lowest || (v >= 0 && static_cast<uint64_t>(v) > largest)) {
        throw JsonImportError(path, range + ", " + Found(node));
    }
    return v;
}

void JsonIo::HexRows(const char* name, std::vector<uint8_t>& bytes, size_t rowBytes, bool exactRows,
                     size_t rowCount) {
    if (IsWriting()) {
        Json rows = Json::array();
        for (size_t at = 0; at < bytes.size(); at += rowBytes) {
            rows.push_back(HexText(bytes.data() + at, std::min(rowBytes, bytes.size() - at)));
        }
        (*m_out)[name] = std::move(rows);
        return;
    }
    const Json& rows = ArrayMember(name);
    if (exactRows && rows.size() != rowCount) {
        Fail(name, "expected " + std::to_string(rowCount) + " rows, found " + std::to_string(rows.size()));
    }
    bytes.clear();
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string path = ItemPath(name, i);
        std::string text;
        Parse(rows[i], path, text);
        const size_t before = bytes.size();
        if (!AppendHex(text, bytes)) {
            throw JsonImportError(path, "expected pairs of hexadecimal digits, " + Found(rows[i]));
        }
        if (exactRows && bytes.size() - before != rowBytes) {
            throw JsonImportError(path, "expected " + std::to_string(2 * rowBytes) + " hexadecimal digits, found " +
                                            std::to_string(text.size()));
        }
    }
}

void JsonIo::HexWords(const char* name, std::vector<uint32_t>& words) {
    if (IsWriting()) {
        Json list = Json::array();
        for (const uint32_t word : words) {
            char text[12];
            std::snprintf(text, sizeof text, "%08" PRIX32, word);
            list.push_back(std::string(text));
        }
        (*m_out)[name] = std::move(list);
        return;
    }
    const Json& list = ArrayMember(name);
    words.clear();
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string path = ItemPath(name, i);
        std::string text;
        Parse(list[i], path, text);
        std::vector<uint8_t> bytes;
        if (text.size() != 8 || !AppendHex(text, bytes)) {
            throw JsonImportError(path, "expected 8 hexadecimal digits, " + Found(list[i]));
        }
        words.push_back(static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
                        static_cast<uint32_t>(bytes[2]) << 8 | bytes[3]);
    }
}

} // namespace balsar
