#include "runtime/RecordName.h"

#include "base/Text.h"

namespace balsar::runtime {

RecordName RecordName::Numbered(const char* what, size_t index) {
    RecordName name(what);
    name.m_index = static_cast<long>(index);
    return name;
}

RecordName RecordName::Element(uint16_t screen, size_t index, const char* kindName) {
    RecordName name("");
    name.m_screen = screen;
    name.m_index = static_cast<long>(index);
    name.m_kind = kindName;
    return name;
}

RecordName RecordName::Screen(uint16_t screen, const char* what) {
    RecordName name(what != nullptr ? what : "");
    name.m_screen = screen;
    return name;
}

std::string RecordName::Text() const {
    std::string text;
    if (m_screen >= 0 && m_kind != nullptr) {
        text = Format("screen %ld element %ld (%s)", m_screen, m_index, m_kind);
    } else if (m_screen >= 0) {
        text = Format("screen %ld", m_screen);
        if (*m_what != '\0') {
            text += std::string(" ") + m_what;
        }
    } else if (m_index >= 0) {
        text = Format("%s %ld", m_what, m_index);
    } else {
        text = m_what;
    }
    if (m_owner != nullptr) {
        text += " of " + m_owner->Text();
    }
    return text;
}

} // namespace balsar::runtime
