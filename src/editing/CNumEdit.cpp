#include "editing/CNumEdit.h"

#include <algorithm>
#include <string_view>

#include "base/MessageSink.h"
#include "base/Text.h"
#include "plc/AddressText.h"
#include "plc/PlcStrings.h"

namespace balsar {

CNumEdit::CNumEdit(int32_t base, int64_t minimum, int64_t maximum) : m_base(base), m_min(minimum), m_max(maximum) {
    SetValue(minimum);
}

void CNumEdit::SetRange(int64_t minimum, int64_t maximum) {
    m_min = minimum;
    m_max = maximum;
}

bool CNumEdit::AcceptsKey(int32_t base, char key) {
    if (key == '\b') {
        return true;
    }
    std::string_view digits;
    switch (base) {
    case BASE_OCT:
        digits = "01234567";
        break;
    case BASE_HEX:
        digits = "0123456789abcdefABCDEF";
        break;
    case BASE_DEC_SIGN:
        digits = "-0123456789";
        break;
    default:
        digits = "0123456789";
        break;
    }
    return digits.find(key) != std::string_view::npos;
}

bool CNumEdit::Validate(const std::string& text, MessageSink& sink) const {
    const std::string_view t(text);
    if (t.size() >= 2 && t[0] == '0') {
        const bool refused = m_base == BASE_OCT ? (t.substr(0, 2) == "00" && t.size() > 2) : t != "0H";
        if (refused) {
            return false;
        }
    }
    if (t.substr(0, 2) == "-0") {
        return false;
    }
    if (t.find('-', 1) != std::string_view::npos) {
        return false;
    }
    if (const size_t h = t.find('H'); h != std::string_view::npos && h + 1 != t.size()) {
        return false;
    }
    if (t.empty() || t == "-") {
        return true;
    }
    int64_t value = 0;
    const bool parsed = ParseFieldText(t, m_base, value);
    if (parsed && value >= m_min && value <= m_max) {
        return true;
    }
    sink.Message(Format("%s ( %s-%s )", texts::kInputOutOfRangeAllowed, NumberText(m_min, m_base).c_str(),
                        NumberText(m_max, m_base).c_str()),
                 MessageKind::Warning, texts::kInputOutOfRangeCaption);
    return false;
}

bool CNumEdit::ApplyKeystrokeText(const std::string& text, MessageSink& sink) {
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c; });
    if (!Validate(upper, sink)) {
        return false;
    }
    m_text = upper;
    return true;
}

void CNumEdit::SetValue(int64_t value) { m_text = NumberText(std::clamp(value, m_min, std::max(m_min, m_max)), m_base); }

int64_t CNumEdit::Value() const {
    int64_t value = m_min;
    if (m_text.empty() || !ParseFieldText(m_text, m_base, value)) {
        return m_min;
    }
    return value;
}

bool CNumEdit::Step(int64_t amount) {
    int64_t next = 0;
    if (__builtin_add_overflow(Value(), amount, &next) || next < m_min || next > m_max) {
        return false;
    }
    m_text = NumberText(next, m_base);
    return true;
}

} // namespace balsar
