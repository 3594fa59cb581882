#include "elements/CLangDefine.h"

#include "base/Archive.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CLangDefine, 0, nullptr)

CLangDefine::CLangDefine(const LanguageDefaults& defaults) : m_defaults(defaults) {
    Add(defaults.languageId, defaults.fontName);
}

void CLangDefine::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.ObjectList(m_items);
}

std::string CLangDefine::GetFontName(int index) const {
    if (index >= 0 && index < Count()) {
        return m_items[static_cast<size_t>(index)]->font;
    }
    return m_defaults.fontName;
}

uint16_t CLangDefine::GetLangID(int index) const {
    if (index >= 0 && index < Count()) {
        return m_items[static_cast<size_t>(index)]->language;
    }
    return m_defaults.languageId;
}

void CLangDefine::Add(uint16_t language, const std::string& font) {
    m_items.push_back(std::make_unique<CLangDefineItem>(language, font));
}

bool CLangDefine::operator==(const CLangDefine& other) const {
    if (m_items.size() != other.m_items.size()) {
        return false;
    }
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (!(*m_items[i] == *other.m_items[i])) {
            return false;
        }
    }
    return true;
}

} // namespace balsar
