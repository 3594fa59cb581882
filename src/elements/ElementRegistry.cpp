#include "elements/ElementRegistry.h"

#include "elements/CDynamicText.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/ElementKinds.h"

namespace balsar {

const std::vector<ElementClass>& ElementClasses() {
    static const std::vector<ElementClass> classes = {
        {KIND_STATIC_TEXT, &CStaticText::StaticClass()},
        {KIND_REGISTER, &CRegisterGE::StaticClass()},
        {KIND_LED, &CLedGE::StaticClass()},
        {KIND_FUNCKEY, &CFunckeyGE::StaticClass()},
        {KIND_DYNAMIC_TEXT, &CDynamicText::StaticClass()},
    };
    return classes;
}

} // namespace balsar
