#pragma once
// The block the editor puts on the clipboard under its private format
// "GraphElement": a 16-bit marker 5, the project file path, the 16-bit
// number of the screen copied from, then the elements as an object list in
// the project file's archive form. Any designer process can read it.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "project/CHMIFrame.h"

namespace balsar {

class ClassRegistry;
class CSingleColorBitmapLib;

inline constexpr const char* kClipboardFormatName = "GraphElement";
inline constexpr uint16_t kClipboardMarker = 5;

struct ClipboardBlock {
    std::string projectPath;
    uint16_t screenNumber = 0;
    ElementList elements;
};

// library: the bitmap library picture elements take their bitmaps from.
std::vector<uint8_t> WriteClipboardBlock(const std::string& projectPath, uint16_t screenNumber,
                                         const std::vector<const CGraphElement*>& elements,
                                         CSingleColorBitmapLib* library);
// Nothing when the marker is not 5 or the bytes are damaged; picture
// elements bring their bitmaps into library.
std::optional<ClipboardBlock> ReadClipboardBlock(std::span<const uint8_t> bytes, const ClassRegistry& registry,
                                                 CSingleColorBitmapLib* library);

} // namespace balsar
