#include "elements/CSingleColorBitmapLib.h"

#include <algorithm>
#include <set>

#include "base/Archive.h"

namespace balsar {

int32_t CSingleColorBitmapLib::AddItem(std::unique_ptr<CSingleColorBitmapLibItem> item) {
    for (const auto& existing : m_SingleColorBitmapList) {
        if (existing->SamePicture(*item)) {
            return existing->id;
        }
    }
    std::set<int32_t> used;
    for (const auto& existing : m_SingleColorBitmapList) {
        used.insert(existing->id);
    }
    int32_t id = 1;
    while (used.count(id) != 0) {
        ++id;
    }
    item->id = id;
    m_SingleColorBitmapList.push_back(std::move(item));
    return id;
}

CSingleColorBitmapLibItem* CSingleColorBitmapLib::FindItem(int32_t id) const {
    for (const auto& item : m_SingleColorBitmapList) {
        if (item->id == id) {
            return item.get();
        }
    }
    return nullptr;
}

int32_t CSingleColorBitmapLib::Width(int32_t id) const {
    const auto* item = FindItem(id);
    return item ? item->width : 0;
}

int32_t CSingleColorBitmapLib::Height(int32_t id) const {
    const auto* item = FindItem(id);
    return item ? item->height : 0;
}

void CSingleColorBitmapLib::ResetUseCounts() {
    for (auto& item : m_SingleColorBitmapList) {
        item->useCount = 0;
    }
}

void CSingleColorBitmapLib::MarkUsed(int32_t id) {
    if (auto* item = FindItem(id)) {
        ++item->useCount;
    }
}

void CSingleColorBitmapLib::Serialize(Archive& ar) {
    if (ar.IsStoring()) {
        std::erase_if(m_SingleColorBitmapList, [](const auto& item) { return item->useCount == 0; });
    }
    int32_t version = 1;
    ar.Value(version);
    ar.ObjectList(m_SingleColorBitmapList);
}

} // namespace balsar
