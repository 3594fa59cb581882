#pragma once
// The project's monochrome bitmap library. Pictures refer to entries by ID;
// each bitmap is kept once. Entries no picture used during the last save are
// dropped when the library is written.
#include <memory>
#include <vector>

#include "elements/CSingleColorBitmapLibItem.h"

namespace balsar {

class Archive;

class CSingleColorBitmapLib {
public:
    // The ID of an equal entry when there is one (the new entry is dropped);
    // otherwise the smallest free ID >= 1, under which the entry is appended.
    int32_t AddItem(std::unique_ptr<CSingleColorBitmapLibItem> item);
    CSingleColorBitmapLibItem* FindItem(int32_t id) const;
    int32_t Width(int32_t id) const;
    int32_t Height(int32_t id) const;
    void ResetUseCounts();
    void MarkUsed(int32_t id);
    // Storing drops unused entries first, then writes version 1 and the list;
    // loading replaces the entries.
    void Serialize(Archive& ar);

    const std::vector<std::unique_ptr<CSingleColorBitmapLibItem>>& Items() const { return m_SingleColorBitmapList; }
    void Clear() { m_SingleColorBitmapList.clear(); }

private:
    std::vector<std::unique_ptr<CSingleColorBitmapLibItem>> m_SingleColorBitmapList;
};

} // namespace balsar
