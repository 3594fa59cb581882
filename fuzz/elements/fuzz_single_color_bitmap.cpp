// Any bytes given as a BMP file: the loader either refuses them with a
// message or returns rows that match the size it reports.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/MessageSink.h"
#include "elements/SingleColorBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    balsar::RecordingMessageSink sink;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rows;
    if (balsar::ParseSingleColorBitmap(file, "fuzz.bmp", sink, width, height, rows)) {
        if (width <= 0 || height <= 0 || rows.size() != static_cast<size_t>((width + 7) / 8) * height) {
            std::abort();
        }
    } else if (sink.Entries().empty()) {
        std::abort();
    }
    return 0;
}
