#include "elements/CJumpFrame.h"

#include "base/Archive.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CJumpFrame, 0, nullptr)

void CJumpFrame::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.Value(targetScreen);
    ar.Value(kind);
}

std::unique_ptr<CJumpFrame> CJumpFrame::Clone() const {
    auto copy = std::make_unique<CJumpFrame>();
    copy->CopyFrom(*this);
    return copy;
}

void CJumpFrame::CopyFrom(const CJumpFrame& other) {
    kind = other.kind;
    targetScreen = other.targetScreen;
}

} // namespace balsar
