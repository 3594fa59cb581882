#include "ElementsTestSupport.h"

#include <algorithm>

#include "plc/CAddr.h"

namespace balsar::test {

FreeTypeFontEngine& SharedFonts() {
    static FreeTypeFontEngine engine(std::filesystem::path(BALSAR_SOURCE_DIR) / "lib" / "fonts" / "fonts.conf");
    return engine;
}

Image AddressRecord(const CAddr& address) {
    Image image;
    RecordingMessageSink sink;
    address.Compile(image, nullptr, sink);
    return image;
}

std::vector<uint8_t> Slice(const Image& image, size_t from, size_t n) {
    if (from >= image.size()) {
        return {};
    }
    const size_t end = std::min(image.size(), from + n);
    return std::vector<uint8_t>(image.begin() + static_cast<std::ptrdiff_t>(from),
                                image.begin() + static_cast<std::ptrdiff_t>(end));
}

} // namespace balsar::test
