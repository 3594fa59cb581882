#pragma once
// The element classes this build knows, with their kind codes. A new element
// kind is added here and nowhere else; screens, the XML loader and the
// archive find it through this list.
#include <cstdint>
#include <vector>

#include "base/Archivable.h"

namespace balsar {

struct ElementClass {
    int32_t kind;
    const ClassInfo* info;
};

const std::vector<ElementClass>& ElementClasses();

} // namespace balsar
