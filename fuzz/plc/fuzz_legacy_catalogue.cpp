// An older address catalogue of any content: loading it, selecting types
// and stepping through addresses.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/MessageSink.h"
#include "plc/CPLCAddr.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace balsar;
    RecordingMessageSink sink;
    LegacyPlcCatalog catalog;
    if (!catalog.LoadXmlText(std::string_view(reinterpret_cast<const char*>(data), size), sink)) {
        return 0;
    }
    for (int32_t id = 0; id < 256; ++id) {
        const LegacyPlcDescription* description = catalog.Find(id);
        if (description == nullptr) {
            continue;
        }
        for (int32_t kind = 0; kind < 3; ++kind) {
            for (const PLCAddrType* type : description->TypesFor(kind, OM_ANY)) {
                CPLCAddr address(kind);
                address.Select(kind, OM_ANY, description);
                address.SetType(type);
                address.addr = 0xFFFF;
                address.sub = 0xFF;
                address.shift = 0xFF;
                (void)address.Step(address.Available());
            }
        }
    }
    return 0;
}
