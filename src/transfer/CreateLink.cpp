#include "transfer/SerialLink.h"
#include "transfer/TransferLink.h"
#include "transfer/UdpLink.h"
#include "transfer/UsbPipeLink.h"

namespace caldo {

std::unique_ptr<CTransferLink> CreateLink(const CLinkSettings& settings) {
    std::unique_ptr<CTransferLink> link;
    switch (settings.kind) {
    case kLinkUdp:
        link = std::make_unique<CUdpLink>();
        break;
    case kLinkUsb:
        link = std::make_unique<CUsbPipeLink>();
        break;
    case kLinkSerial:
        link = std::make_unique<CSerialLink>();
        break;
    default:
        return nullptr;
    }
    link->Configure(settings);
    return link;
}

} // namespace caldo
