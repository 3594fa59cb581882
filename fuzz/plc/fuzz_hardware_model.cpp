// A panel model file of any content: loading it and describing it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/MessageSink.h"
#include "hardware/HardwareModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace balsar;
    RecordingMessageSink sink;
    HardwareModel model;
    if (model.LoadXml(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.CFG", sink)) {
        (void)ModelDescriptionLines(model);
        for (const HardwarePort& port : model.Ports()) {
            (void)model.PortNumber(port.deviceName);
        }
    }
    return 0;
}
