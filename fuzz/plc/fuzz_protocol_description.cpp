// A protocol description file of any content: loading it and using its
// register types for addresses must stay inside every buffer.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/ByteWriter.h"
#include "base/MessageSink.h"
#include "editing/AddressPanel.h"
#include "plc/CAddr.h"
#include "plc/PortProtocols.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace balsar;
    RecordingMessageSink sink;
    PortProtocols protocols;
    ProtocolDescription& description = *protocols.PortProtocol(0);
    if (!description.LoadXml(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.CFG", sink)) {
        return 0;
    }
    for (bool bits : {true, false}) {
        for (const std::string& name : description.RegisterNames(bits)) {
            CAddr address(bits ? WIDTH_BIT : WIDTH_WORD);
            address.Reset(address.width, 0, description.stationDefault);
            address.regType = name;
            AddressPanel panel(address, &protocols);
            panel.ChooseRegisterType(name);
            panel.SetAddress(INT64_MAX);
            panel.SetSub(INT64_MAX);
            panel.SetIndex(INT64_MAX);
            (void)panel.FormatText();
            (void)AddressValueText(address, &protocols);
            Image image;
            address.Compile(image, &protocols, sink);
            (void)address.UnitsPerValue(&protocols);
        }
    }
    return 0;
}
