#include "elements/CLangDefineItem.h"

#include "base/Archive.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CLangDefineItem, 0, nullptr)

void CLangDefineItem::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.Value(language);
    ar.String(font);
}

} // namespace balsar
