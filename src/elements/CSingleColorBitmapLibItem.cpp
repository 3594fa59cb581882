#include "elements/CSingleColorBitmapLibItem.h"

#include "base/Archive.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CSingleColorBitmapLibItem, 0, nullptr)

void CSingleColorBitmapLibItem::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.Value(id);
    ar.Value(useCount);
    ar.Value(width);
    ar.Value(height);
    ar.ByteArray(data);
}

} // namespace balsar
