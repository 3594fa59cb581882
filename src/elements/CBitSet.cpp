#include "elements/CBitSet.h"

#include "base/Archive.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CBitSet, 0, nullptr)

void CBitSet::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.Value(mode);
}

} // namespace balsar
