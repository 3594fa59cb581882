// Feeds outside text to the parsers of the link choice: the USB discovery file
// and the lines of a targets file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "transfer/LinkOptions.h"
#include "transfer/UsbPanelIds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<caldo::UsbPanelId> ids;
    std::string error;
    caldo::ParseUsbPanelIds(text, ids, error);
    caldo::FormatUsbIds(ids);
    caldo::CLinkSettings link;
    caldo::ParseLinkTarget(text, link, error);
    return 0;
}
