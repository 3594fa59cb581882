#include "editing/ClipboardBlock.h"

#include "base/Archive.h"
#include "elements/ElementArchiveContext.h"

namespace balsar {

std::vector<uint8_t> WriteClipboardBlock(const std::string& projectPath, uint16_t screenNumber,
                                         const std::vector<const CGraphElement*>& elements,
                                         CSingleColorBitmapLib* library) {
    ElementArchiveContext context(library, false);
    Archive ar;
    ar.SetContext(&context);
    ar.Write<uint16_t>(kClipboardMarker);
    std::string path = projectPath;
    ar.String(path);
    ar.Write<uint16_t>(screenNumber);
    ar.WriteCount(static_cast<uint32_t>(elements.size()));
    for (const CGraphElement* element : elements) {
        ar.WriteObject(element);
    }
    return ar.TakeData();
}

std::optional<ClipboardBlock> ReadClipboardBlock(std::span<const uint8_t> bytes, const ClassRegistry& registry,
                                                 CSingleColorBitmapLib* library) {
    ElementArchiveContext context(library, false);
    Archive ar(bytes, registry);
    ar.SetContext(&context);
    try {
        if (ar.Read<uint16_t>() != kClipboardMarker) {
            return std::nullopt;
        }
        ClipboardBlock block;
        ar.String(block.projectPath);
        block.screenNumber = ar.Read<uint16_t>();
        ar.ObjectList(block.elements);
        return block;
    } catch (const ArchiveError&) {
        return std::nullopt;
    }
}

} // namespace balsar
