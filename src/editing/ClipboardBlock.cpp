#include "editing/ClipboardBlock.h"

#include "editing/ElementArchiveBytes.h"

namespace balsar {

std::vector<uint8_t> WriteClipboardBlock(const std::string& projectPath, uint16_t screenNumber,
                                         const std::vector<const CGraphElement*>& elements,
                                         CSingleColorBitmapLib* library) {
    return editor::WriteElementBytes(library, false, [&](Archive& ar) {
        ar.Write<uint16_t>(kClipboardMarker);
        std::string path = projectPath;
        ar.String(path);
        ar.Write<uint16_t>(screenNumber);
        ar.WriteCount(static_cast<uint32_t>(elements.size()));
        for (const CGraphElement* element : elements) {
            ar.WriteObject(element);
        }
    });
}

std::optional<ClipboardBlock> ReadClipboardBlock(std::span<const uint8_t> bytes, const ClassRegistry& registry,
                                                 CSingleColorBitmapLib* library) {
    return editor::ReadElementBytes<std::optional<ClipboardBlock>>(
        bytes, registry, library, false, [](Archive& ar) -> std::optional<ClipboardBlock> {
            if (ar.Read<uint16_t>() != kClipboardMarker) {
                return std::nullopt;
            }
            ClipboardBlock block;
            ar.String(block.projectPath);
            block.screenNumber = ar.Read<uint16_t>();
            ar.ObjectList(block.elements);
            return block;
        });
}

} // namespace balsar
