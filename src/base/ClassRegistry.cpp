#include "base/ClassRegistry.h"

namespace balsar {

bool ClassInfo::IsDerivedFrom(const ClassInfo& other) const {
    for (const ClassInfo* c = this; c != nullptr; c = c->base) {
        if (c == &other) {
            return true;
        }
    }
    return false;
}

void ClassRegistry::Add(const ClassInfo& info) { m_classes[std::string(info.name)] = &info; }

const ClassInfo* ClassRegistry::Find(std::string_view name) const {
    const auto it = m_classes.find(name);
    return it == m_classes.end() ? nullptr : it->second;
}

} // namespace balsar
