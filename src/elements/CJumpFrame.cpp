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

} // namespace balsar
