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

bool CSingleColorBitmapLibItem::IsConsistent() const {
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) {
        return false;
    }
    const size_t stride = (static_cast<size_t>(width) + 7) / 8;
    return data.size() == stride * static_cast<size_t>(height);
}

bool CSingleColorBitmapLibItem::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height || !IsConsistent()) {
        return false;
    }
    const size_t stride = (static_cast<size_t>(width) + 7) / 8;
    const uint8_t byte = data[static_cast<size_t>(y) * stride + static_cast<size_t>(x) / 8];
    return ((byte >> (x % 8)) & 1) != 0;
}

} // namespace balsar
