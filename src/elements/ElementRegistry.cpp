#include "elements/ElementRegistry.h"

#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/ElementKinds.h"

namespace balsar {

const std::vector<ElementClass>& ElementClasses() {
    static const std::vector<ElementClass> classes = {
        {KIND_STATIC_TEXT, &CStaticText::StaticClass()},
        {KIND_REGISTER, &CRegisterGE::StaticClass()},
    };
    return classes;
}

} // namespace balsar
