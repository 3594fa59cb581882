#pragma once
// The project's monochrome bitmap library. Pictures refer to entries by ID;
// each bitmap is kept once. A project file holds only the entries its
// pictures use; the others stay in memory until the project is closed, for
// the pictures the undo history may bring back.
#include <memory>
#include <string>
#include <vector>

#include "elements/CSingleColorBitmapLibItem.h"

namespace balsar {

class Archive;
class PanelCanvas;
struct CompileContext;
struct PanelRect;

class CSingleColorBitmapLib {
public:
    // LoadFromFile's refusals.
    static constexpr int32_t kCannotOpen = -1;
    static constexpr int32_t kNotBitmap = -2;
    static constexpr int32_t kNotMonochrome = -3;

    // Reads a 1-bit BMP file into the library: the entry's ID (>= 1), or
    // kCannotOpen, kNotBitmap (also for a file whose sizes do not fit its
    // bytes) or kNotMonochrome. Shows no message; callers choose it.
    int32_t LoadFromFile(const std::string& path);
    // The same from the bytes of a file.
    int32_t LoadFromBytes(const std::vector<uint8_t>& file);
    // Decodes a 1-bit BMP without touching the library: 0 with the entry's
    // size and rows filled in, or kNotBitmap / kNotMonochrome.
    static int32_t DecodeBitmap(const std::vector<uint8_t>& file, CSingleColorBitmapLibItem& item);

    // The ID of an equal entry when there is one (the new entry is dropped);
    // otherwise the smallest free ID >= 1, under which the entry is appended.
    int32_t AddItem(std::unique_ptr<CSingleColorBitmapLibItem> item);
    // Appends an entry exactly as given, ID included (readers of other
    // project forms; editing goes through AddItem).
    void AppendItem(std::unique_ptr<CSingleColorBitmapLibItem> item) {
        m_SingleColorBitmapList.push_back(std::move(item));
    }
    CSingleColorBitmapLibItem* FindItem(int32_t id) const;
    int32_t Width(int32_t id) const;
    int32_t Height(int32_t id) const;
    void ResetUseCounts();
    void MarkUsed(int32_t id);
    // Sets the entry's lit pixels to `lit`, its top-left corner at the
    // rectangle's, clipped to the rectangle. An unknown ID draws nothing.
    void DrawItem(int32_t id, PanelCanvas& canvas, const PanelRect& rect, bool lit) const;
    // Storing writes version 1 and the entries in use (the unused ones stay
    // in the library); loading replaces the entries.
    void Serialize(Archive& ar);
    // The entry's bitmap record (1, 16-bit width and height, rows), written
    // once per image under "BITMAP_LIB_ITEM_<ID>". 0 for an unknown ID.
    uint32_t CompileBitmapLibItem(CompileContext& context, int32_t id) const;

    const std::vector<std::unique_ptr<CSingleColorBitmapLibItem>>& Items() const { return m_SingleColorBitmapList; }
    void Clear() { m_SingleColorBitmapList.clear(); }

private:
    std::vector<std::unique_ptr<CSingleColorBitmapLibItem>> m_SingleColorBitmapList;
};

} // namespace balsar
