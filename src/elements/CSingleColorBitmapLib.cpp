#include "elements/CSingleColorBitmapLib.h"

#include <cstdint>

#include <algorithm>
#include <set>

#include "base/Archive.h"
#include "base/FileIo.h"
#include "base/Text.h"
#include "elements/CompileContext.h"
#include "elements/DotMatrixFont.h"
#include "elements/ImageRecords.h"
#include "elements/PanelCanvas.h"

namespace balsar {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

uint32_t ReadU16(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8;
}

uint32_t ReadU32(const std::vector<uint8_t>& bytes, size_t at) {
    return ReadU16(bytes, at) | ReadU16(bytes, at + 2) << 16;
}

} // namespace

int32_t CSingleColorBitmapLib::LoadFromFile(const std::string& path) {
    std::vector<uint8_t> file;
    std::string error;
    if (!ReadFileBytes(path, file, error)) {
        return kCannotOpen;
    }
    return LoadFromBytes(file);
}

int32_t CSingleColorBitmapLib::LoadFromBytes(const std::vector<uint8_t>& file) {
    auto item = std::make_unique<CSingleColorBitmapLibItem>();
    if (const int32_t refused = DecodeBitmap(file, *item); refused != 0) {
        return refused;
    }
    return AddItem(std::move(item));
}

int32_t CSingleColorBitmapLib::DecodeBitmap(const std::vector<uint8_t>& file, CSingleColorBitmapLibItem& item) {
    if (file.size() < kFileHeaderSize || ReadU16(file, 0) != 19778) {
        return kNotBitmap;
    }
    if (file.size() < kFileHeaderSize + kInfoHeaderSize) {
        return kNotBitmap;
    }
    const size_t info = kFileHeaderSize;
    if (ReadU16(file, info + 14) != 1) {
        return kNotMonochrome;
    }
    const auto width = static_cast<int32_t>(ReadU32(file, info + 4));
    const auto height = static_cast<int32_t>(ReadU32(file, info + 8));
    auto imageSize = static_cast<int32_t>(ReadU32(file, info + 20));
    const uint32_t dataOffset = ReadU32(file, 10);
    // Sizes the bitmap record cannot hold, rows that do not fit the stated
    // image size and pixel data beyond the end of the file are refused.
    if (width <= 0 || height <= 0 || imageSize < 0 || width > 0xFFFF || height > 0xFFFF) {
        return kNotBitmap;
    }
    if (imageSize == 0) {
        // Uncompressed bitmaps may leave the image size 0: rows of whole
        // 32-bit words, as the key and lamp pictures are read.
        const int64_t size = (static_cast<int64_t>(width) + 31) / 32 * 4 * height;
        if (size > INT32_MAX) {
            return kNotBitmap;
        }
        imageSize = static_cast<int32_t>(size);
    }
    const size_t rowBytes = (static_cast<size_t>(width) + 7) / 8;
    const size_t stride = static_cast<size_t>(imageSize) / static_cast<size_t>(height);
    if (stride < rowBytes || dataOffset > file.size() ||
        static_cast<size_t>(imageSize) > file.size() - dataOffset) {
        return kNotBitmap;
    }
    item.width = width;
    item.height = height;
    item.data.assign(rowBytes * static_cast<size_t>(height), 0);
    for (size_t row = 0; row < static_cast<size_t>(height); ++row) {
        const size_t from = dataOffset + (static_cast<size_t>(height) - 1 - row) * stride;
        for (size_t i = 0; i < rowBytes; ++i) {
            item.data[row * rowBytes + i] = static_cast<uint8_t>(~ReverseBits(file[from + i]));
        }
    }
    return 0;
}

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

void CSingleColorBitmapLib::DrawItem(int32_t id, PanelCanvas& canvas, const PanelRect& rect, bool lit) const {
    const CSingleColorBitmapLibItem* item = FindItem(id);
    if (item == nullptr || !item->IsConsistent()) {
        return;
    }
    const int right = std::min(rect.right, rect.left + item->width);
    const int bottom = std::min(rect.bottom, rect.top + item->height);
    for (int y = rect.top; y < bottom; ++y) {
        for (int x = rect.left; x < right; ++x) {
            if (item->Pixel(x - rect.left, y - rect.top)) {
                canvas.SetPixel(x, y, lit);
            }
        }
    }
}

uint32_t CSingleColorBitmapLib::CompileBitmapLibItem(CompileContext& context, int32_t id) const {
    const std::string key = Format("BITMAP_LIB_ITEM_%d", static_cast<int>(id));
    return SharedRecord(context, RecordDictionary::TextTable, key, [&] {
        const CSingleColorBitmapLibItem* item = FindItem(id);
        if (item == nullptr || !item->IsConsistent()) {
            return false;
        }
        Image& image = context.image;
        AppendBytes(image, 1, 1);
        AppendBytes(image, static_cast<uint32_t>(item->width), 2);
        AppendBytes(image, static_cast<uint32_t>(item->height), 2);
        AppendBytes(image, item->data.data(), item->data.size());
        return true;
    });
}

void CSingleColorBitmapLib::Serialize(Archive& ar) {
    int32_t version = 1;
    if (ar.IsLoading()) {
        ar.Value(version);
        ar.ObjectList(m_SingleColorBitmapList);
        return;
    }
    // The file gets only the entries a picture of the project uses; the
    // others stay in memory, because a deleted, cut or undone picture on the
    // undo history still refers to its entry by ID.
    std::vector<std::unique_ptr<CSingleColorBitmapLibItem>> all = std::move(m_SingleColorBitmapList);
    m_SingleColorBitmapList.clear();
    for (auto& item : all) {
        if (item->useCount > 0) {
            m_SingleColorBitmapList.push_back(std::move(item));
        }
    }
    struct PutBack {
        std::vector<std::unique_ptr<CSingleColorBitmapLibItem>>& all;
        std::vector<std::unique_ptr<CSingleColorBitmapLibItem>>& list;
        ~PutBack() {
            size_t next = 0;
            for (auto& slot : all) {
                if (!slot) {
                    slot = std::move(list[next++]);
                }
            }
            list = std::move(all);
        }
    } putBack{all, m_SingleColorBitmapList};
    ar.Value(version);
    ar.ObjectList(m_SingleColorBitmapList);
}

} // namespace balsar
