#pragma once
// The set of classes a file may create by name. Built once by the module
// that knows all persistent classes and read-only afterwards.
#include <map>
#include <string>
#include <string_view>

#include "base/Archivable.h"

namespace balsar {

class ClassRegistry {
public:
    void Add(const ClassInfo& info);
    // Null when no class of that name is registered.
    const ClassInfo* Find(std::string_view name) const;

private:
    std::map<std::string, const ClassInfo*, std::less<>> m_classes;
};

} // namespace balsar
