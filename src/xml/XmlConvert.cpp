#include "xml/XmlConvert.h"

#include <climits>

#include "base/Utf.h"

namespace balsar {

int32_t LeadingInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1) {
            value = static_cast<int64_t>(INT32_MAX) + 1;
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    if (value > INT32_MAX) {
        value = INT32_MAX;
    }
    return static_cast<int32_t>(value);
}

int32_t IntAttribute(const CXmlNodeWrapper& node, std::string_view name) { return LeadingInt(node.GetValue(name)); }

int32_t IntText(const CXmlNodeWrapper& node) { return LeadingInt(node.GetText()); }

int32_t IntChild(const CXmlNodeWrapper& node, std::string_view child) {
    const CXmlNodeWrapper found = node.FindNode(child);
    return found ? IntText(found) : 0;
}

bool FlagAttribute(const CXmlNodeWrapper& node, std::string_view name, std::string_view word) {
    return AsciiLower(node.GetValue(name)) == AsciiLower(word);
}

} // namespace balsar
