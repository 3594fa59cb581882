#include "elements/CTextItem.h"

#include <cstdlib>

#include "base/Archive.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CTextItem, 0, nullptr)

void CTextItem::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.String(m_text);
    ar.Value(m_base);
    ar.String(m_value);
}

void CTextItem::SetValue(const std::string& value) {
    m_value = value;
    if (m_value.empty()) {
        m_text.clear();
    }
}

void CTextItem::Clear() {
    m_value.clear();
    m_text.clear();
}

int64_t CTextItem::NumericValue() const {
    switch (m_base) {
    case BASE_OCT:
        return static_cast<int64_t>(std::strtoull(m_value.c_str(), nullptr, 8));
    case BASE_DEC:
        return std::strtoll(m_value.c_str(), nullptr, 10);
    case BASE_HEX:
        return static_cast<int64_t>(std::strtoull(m_value.c_str(), nullptr, 16));
    default:
        return 0;
    }
}

} // namespace balsar
