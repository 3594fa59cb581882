#include "elements/CBitSet.h"

#include "base/Archive.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CBitSet, 0, nullptr)

void CBitSet::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.Value(mode);
}

std::unique_ptr<CBitSet> CBitSet::Clone() const {
    auto copy = std::make_unique<CBitSet>();
    copy->CopyFrom(*this);
    return copy;
}

void CBitSet::CopyFrom(const CBitSet& other) {
    mode = other.mode;
}

} // namespace balsar
