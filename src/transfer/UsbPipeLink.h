// USB link over the panel's two bulk pipes, through libusb-1.0. The panel is
// found by the identities of the discovery file (application and bootloader
// ids, interface class triple); "PIPE1" (write) is the first bulk OUT
// endpoint and "PIPE0" (read) the first bulk IN endpoint of the first
// matching interface that has both.
#pragma once

#include <optional>
#include <vector>

#include "transfer/TransferLink.h"
#include "transfer/UsbPanelIds.h"

struct libusb_context;
struct libusb_device;
struct libusb_device_handle;

namespace caldo {

struct UsbEndpointInfo {
    int interfaceNumber;
    uint8_t address;    // bit 7 set = IN
    uint8_t attributes; // low two bits: transfer type, 2 = bulk
};

struct UsbInterfaceInfo {
    int number;
    int interfaceClass;
    int interfaceSubClass;
    int interfaceProtocol;
    std::vector<UsbEndpointInfo> endpoints; // in descriptor order
};

struct UsbPipes {
    int interfaceNumber;
    uint8_t writeEndpoint; // PIPE1
    uint8_t readEndpoint;  // PIPE0
};

// Picks the pipes from the endpoints of a configuration, listed in descriptor order.
std::optional<UsbPipes> ChooseUsbPipes(const std::vector<UsbEndpointInfo>& endpoints);
// Picks the pipes of the first interface whose class triple the identity accepts.
std::optional<UsbPipes> ChooseUsbInterface(const std::vector<UsbInterfaceInfo>& interfaces, const UsbPanelId& id);
// The first identity with this vendor and product id, or nullptr.
const UsbPanelId* FindUsbPanelId(const std::vector<UsbPanelId>& ids, uint16_t vendorId, uint16_t productId);

class CUsbPipeLink : public CTransferLink {
public:
    static constexpr int kMaxPacket = 64;
    static constexpr unsigned kSendTimeoutMs = 2000;

    ~CUsbPipeLink() override { Close(); }
    int MaxPacketSize() override { return kMaxPacket; }
    bool Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) override;
    bool Close() override;
    bool Configure(const CLinkSettings& settings) override;
    bool Open() override;
    bool Send(const uint8_t* data, size_t length, int timeoutUnits) override;

private:
    // Opens the device if it is a panel and claims its pipes' interface.
    bool TryDevice(libusb_device* device);

    std::vector<UsbPanelId> m_ids;
    libusb_context* m_context = nullptr;
    libusb_device_handle* m_handle = nullptr;
    int m_claimedInterface = -1;
    UsbPipes m_pipes{};
};

} // namespace caldo
