#include "elements/ElementFactory.h"

#include "elements/ElementKinds.h"
#include "elements/ElementRegistry.h"

namespace balsar {

std::unique_ptr<CGraphElement> CreateElementForXmlType(std::string_view typeName) {
    const auto kind = KindFromXmlTypeName(typeName);
    if (!kind || *kind > KIND_PICTURE) {
        return nullptr;
    }
    for (const ElementClass& entry : ElementClasses()) {
        if (entry.kind == *kind && entry.info->create != nullptr) {
            std::unique_ptr<Archivable> object = entry.info->create();
            return std::unique_ptr<CGraphElement>(static_cast<CGraphElement*>(object.release()));
        }
    }
    return nullptr;
}

} // namespace balsar
