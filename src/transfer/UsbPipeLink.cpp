#include "transfer/UsbPipeLink.h"

#include <libusb-1.0/libusb.h>

#include "transfer/Frame.h"

namespace caldo {

namespace {

bool Accepts(int wanted, int value) {
    return wanted < 0 || wanted == value;
}

std::vector<UsbInterfaceInfo> InterfacesOf(const libusb_config_descriptor& config) {
    std::vector<UsbInterfaceInfo> interfaces;
    for (uint8_t i = 0; i < config.bNumInterfaces; ++i) {
        const libusb_interface& iface = config.interface[i];
        if (iface.num_altsetting < 1) {
            continue;
        }
        const libusb_interface_descriptor& alt = iface.altsetting[0];
        UsbInterfaceInfo info{alt.bInterfaceNumber, alt.bInterfaceClass, alt.bInterfaceSubClass,
                              alt.bInterfaceProtocol, {}};
        for (uint8_t e = 0; e < alt.bNumEndpoints; ++e) {
            info.endpoints.push_back(
                {alt.bInterfaceNumber, alt.endpoint[e].bEndpointAddress, alt.endpoint[e].bmAttributes});
        }
        interfaces.push_back(std::move(info));
    }
    return interfaces;
}

} // namespace

std::optional<UsbPipes> ChooseUsbPipes(const std::vector<UsbEndpointInfo>& endpoints) {
    // The interfaces in the order their endpoints appear.
    std::vector<int> interfaces;
    for (const auto& ep : endpoints) {
        if (interfaces.empty() || interfaces.back() != ep.interfaceNumber) {
            interfaces.push_back(ep.interfaceNumber);
        }
    }
    for (int number : interfaces) {
        std::optional<uint8_t> out, in;
        for (const auto& ep : endpoints) {
            if (ep.interfaceNumber != number || (ep.attributes & 0x03) != LIBUSB_TRANSFER_TYPE_BULK) {
                continue;
            }
            if (ep.address & LIBUSB_ENDPOINT_IN) {
                if (!in) {
                    in = ep.address;
                }
            } else if (!out) {
                out = ep.address;
            }
        }
        if (in && out) {
            return UsbPipes{number, *out, *in};
        }
    }
    return std::nullopt;
}

std::optional<UsbPipes> ChooseUsbInterface(const std::vector<UsbInterfaceInfo>& interfaces, const UsbPanelId& id) {
    for (const UsbInterfaceInfo& iface : interfaces) {
        if (!Accepts(id.interfaceClass, iface.interfaceClass) ||
            !Accepts(id.interfaceSubClass, iface.interfaceSubClass) ||
            !Accepts(id.interfaceProtocol, iface.interfaceProtocol)) {
            continue;
        }
        if (auto pipes = ChooseUsbPipes(iface.endpoints)) {
            return pipes;
        }
    }
    return std::nullopt;
}

const UsbPanelId* FindUsbPanelId(const std::vector<UsbPanelId>& ids, uint16_t vendorId, uint16_t productId) {
    for (const UsbPanelId& id : ids) {
        if (id.vendorId == vendorId && id.productId == productId) {
            return &id;
        }
    }
    return nullptr;
}

bool CUsbPipeLink::Configure(const CLinkSettings& settings) {
    m_ids = settings.usbIds;
    return true;
}

bool CUsbPipeLink::Open() {
    if (m_ids.empty() || libusb_init(&m_context) != 0) {
        m_context = nullptr;
        return false;
    }
    // A fresh list each time: after a restart the panel enumerates anew, in
    // its bootloader under another id.
    libusb_device** devices = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &devices);
    bool found = false;
    for (ssize_t i = 0; i < count && !found; ++i) {
        found = TryDevice(devices[i]);
    }
    if (count >= 0) {
        libusb_free_device_list(devices, 1);
    }
    return found;
}

bool CUsbPipeLink::TryDevice(libusb_device* device) {
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(device, &descriptor) != 0) {
        return false;
    }
    const UsbPanelId* id = FindUsbPanelId(m_ids, descriptor.idVendor, descriptor.idProduct);
    if (!id) {
        return false;
    }
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(device, &config) != 0 &&
        libusb_get_config_descriptor(device, 0, &config) != 0) {
        return false;
    }
    const auto pipes = ChooseUsbInterface(InterfacesOf(*config), *id);
    libusb_free_config_descriptor(config);
    if (!pipes || libusb_open(device, &m_handle) != 0) {
        m_handle = nullptr;
        return false;
    }
    libusb_set_auto_detach_kernel_driver(m_handle, 1);
    if (libusb_claim_interface(m_handle, pipes->interfaceNumber) != 0) {
        libusb_close(m_handle);
        m_handle = nullptr;
        return false;
    }
    m_claimedInterface = pipes->interfaceNumber;
    m_pipes = *pipes;
    return true;
}

bool CUsbPipeLink::Close() {
    if (m_handle) {
        if (m_claimedInterface >= 0) {
            libusb_release_interface(m_handle, m_claimedInterface);
        }
        libusb_close(m_handle);
        m_handle = nullptr;
    }
    m_claimedInterface = -1;
    if (m_context) {
        libusb_exit(m_context);
        m_context = nullptr;
    }
    return true;
}

bool CUsbPipeLink::Send(const uint8_t* data, size_t length, int /*timeoutUnits*/) {
    if (m_claimedInterface < 0) {
        return true; // shows up as a missing reply, like any failed write
    }
    int transferred = 0;
    // The synchronous transfer is cancelled by libusb before it returns on time-out,
    // so nothing can complete into this frame's memory later. A failed or short
    // write is not reported here: it shows up as a missing reply.
    libusb_bulk_transfer(m_handle, m_pipes.writeEndpoint, const_cast<uint8_t*>(data),
                         static_cast<int>(length), &transferred, kSendTimeoutMs);
    return true;
}

bool CUsbPipeLink::Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) {
    received = 0;
    if (m_claimedInterface < 0 || capacity < static_cast<size_t>(kMaxPacket)) {
        return false;
    }
    int transferred = 0;
    const unsigned timeoutMs = static_cast<unsigned>(timeoutUnits > 0 ? timeoutUnits : 1) * 2000u;
    if (libusb_bulk_transfer(m_handle, m_pipes.readEndpoint, buffer, kMaxPacket, &transferred, timeoutMs) !=
        0) {
        return false;
    }
    size_t frameLength = 0;
    if (!AcceptReply(buffer, static_cast<size_t>(transferred), LengthOrder::LowFirst, 5, frameLength)) {
        return false;
    }
    received = frameLength;
    return true;
}

} // namespace caldo
