// Any bytes given as a BMP file: the library either refuses them with one of
// its codes or adds an entry whose rows match its size; the colour reader
// either refuses them or returns one colour per pixel.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "elements/BmpColours.h"
#include "elements/CSingleColorBitmapLib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    balsar::CSingleColorBitmapLib library;
    const int32_t id = library.LoadFromBytes(file);
    if (id > 0) {
        const auto* item = library.FindItem(id);
        if (item == nullptr || !item->IsConsistent()) {
            std::abort();
        }
    } else if (id != balsar::CSingleColorBitmapLib::kNotBitmap &&
               id != balsar::CSingleColorBitmapLib::kNotMonochrome) {
        std::abort();
    }
    balsar::BmpColours colours;
    if (balsar::ReadBmpColours(file, colours) &&
        colours.pixels.size() != static_cast<size_t>(colours.width) * static_cast<size_t>(colours.height)) {
        std::abort();
    }
    return 0;
}
