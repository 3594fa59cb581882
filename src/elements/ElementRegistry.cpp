#include "elements/ElementRegistry.h"

#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CEventListGE.h"
#include "elements/CPictureGE.h"
#include "elements/CTrendBufferGE.h"
#include "elements/CTrendGE.h"
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
        {KIND_BAR, &CBarGE::StaticClass()},
        {KIND_TREND, &CTrendGE::StaticClass()},
        {KIND_TREND_BUFFER, &CTrendBufferGE::StaticClass()},
        {KIND_PICTURE, &CPictureGE::StaticClass()},
        {KIND_ASCII, &CAsciiGE::StaticClass()},
        {KIND_EVENT_LIST, &CEventListGE::StaticClass()},
        {KIND_LED, &CLedGE::StaticClass()},
        {KIND_FUNCKEY, &CFunckeyGE::StaticClass()},
        {KIND_DYNAMIC_TEXT, &CDynamicText::StaticClass()},
    };
    return classes;
}

} // namespace balsar
