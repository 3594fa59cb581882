#include "elements/ElementRegistry.h"

namespace balsar {

const std::vector<ElementClass>& ElementClasses() {
    static const std::vector<ElementClass> classes = {};
    return classes;
}

} // namespace balsar
