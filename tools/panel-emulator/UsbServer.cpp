#include "UsbServer.h"

#ifdef PANEL_EMULATOR_USB

#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>
#include <umockdev.h>

#include <pthread.h>
#include <signal.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace panelsim {

namespace {

// Device, configuration, interface (vendor class ff/00/00) and the two bulk
// endpoints: EP1 OUT (PIPE1) and EP1 IN (PIPE0), 64 bytes each.
Bytes Descriptors(uint16_t vendor, uint16_t product) {
    return {0x12, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x40,
            static_cast<uint8_t>(vendor), static_cast<uint8_t>(vendor >> 8),
            static_cast<uint8_t>(product), static_cast<uint8_t>(product >> 8),
            0x00, 0x01, 0x00, 0x00, 0x00, 0x01,
            0x09, 0x02, 0x20, 0x00, 0x01, 0x01, 0x00, 0x80, 0x32,
            0x09, 0x04, 0x00, 0x00, 0x02, 0xFF, 0x00, 0x00, 0x00,
            0x07, 0x05, 0x01, 0x02, 0x40, 0x00, 0x00,
            0x07, 0x05, 0x81, 0x02, 0x40, 0x00, 0x00};
}

std::string Hex(const Bytes& bytes) {
    std::string text;
    char two[3];
    for (uint8_t b : bytes) {
        std::snprintf(two, sizeof two, "%02X", b); // the node line takes capitals only
        text += two;
    }
    return text;
}

// One URB submitted by the client and not reaped yet.
struct Urb {
    UMockdevIoctlData* data; // the usbdevfs_urb, with its buffer resolved as a child
    UMockdevIoctlData* buffer;
    bool in;
    bool done = false;
    bool discarded = false;
};

class UsbPanelDevice {
public:
    UsbPanelDevice(UsbIdentity identity, Responder respond, std::function<bool()> applicationRunning)
        : m_identity(identity), m_respond(std::move(respond)), m_applicationRunning(std::move(applicationRunning)) {}

    ~UsbPanelDevice() {
        if (m_handler) {
            g_object_unref(m_handler);
        }
        if (m_testbed) {
            g_object_unref(m_testbed);
        }
    }

    int Run() {
        // SIGTERM and SIGINT are taken by this thread alone (the testbed's
        // threads inherit the block), so that the testbed's folder is removed
        // before the program ends.
        sigset_t stop;
        sigemptyset(&stop);
        sigaddset(&stop, SIGTERM);
        sigaddset(&stop, SIGINT);
        pthread_sigmask(SIG_BLOCK, &stop, nullptr);
        m_testbed = umockdev_testbed_new();
        m_handler = umockdev_ioctl_base_new();
        g_signal_connect(m_handler, "handle-ioctl", G_CALLBACK(&UsbPanelDevice::OnIoctl), this);
        bool application = m_applicationRunning();
        if (!Enumerate(application)) {
            return 1;
        }
        gchar* root = umockdev_testbed_get_root_dir(m_testbed);
        std::printf("usb %s %04x:%04x\n", root, application ? m_identity.applicationVendor : m_identity.bootloaderVendor,
                    application ? m_identity.applicationProduct : m_identity.bootloaderProduct);
        std::fflush(stdout);
        g_free(root);
        // The ioctls are answered on the testbed's own thread; this one only
        // lets the device enumerate anew after the panel restarted.
        const timespec tick{0, 10'000'000};
        while (sigtimedwait(&stop, nullptr, &tick) < 0) {
            std::lock_guard lock(m_mutex);
            const bool now = m_applicationRunning();
            // The panel restarts once its last reply has gone out.
            if (now != m_enumeratedAsApplication && m_replies.empty()) {
                Unplug();
                if (!Enumerate(now)) {
                    return 1;
                }
            }
        }
        return 0;
    }

private:
    // Adds the device with the id of the mode the panel runs in, under a new
    // device number, as a real re-enumeration gives.
    bool Enumerate(bool application) {
        const uint16_t vendor = application ? m_identity.applicationVendor : m_identity.bootloaderVendor;
        const uint16_t product = application ? m_identity.applicationProduct : m_identity.bootloaderProduct;
        ++m_deviceNumber;
        char node[64], sysPath[64];
        std::snprintf(node, sizeof node, "bus/usb/001/%03d", m_deviceNumber);
        std::snprintf(sysPath, sizeof sysPath, "/devices/usb1/1-%d", m_deviceNumber);
        m_node = std::string("/dev/") + node;
        m_sysPath = std::string("/sys") + sysPath;
        const std::string hex = Hex(Descriptors(vendor, product));
        char ids[96];
        std::snprintf(ids, sizeof ids, "A: idVendor=%04x\\n\nA: idProduct=%04x\\n\n", vendor, product);
        const std::string description = std::string("P: ") + sysPath + "\n" + "N: " + node + "=" + hex + "\n" +
                                        "E: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DRIVER=usb\n" +
                                        "E: DEVNAME=" + m_node + "\nE: BUSNUM=001\nE: DEVNUM=" +
                                        std::string(node + 12) + "\n" + "A: busnum=1\\n\nA: devnum=" +
                                        std::to_string(m_deviceNumber) + "\\n\n" + ids +
                                        "A: speed=480\\n\nA: bConfigurationValue=1\\n\nA: bNumConfigurations=1\\n\n" +
                                        "H: descriptors=" + hex + "\n";
        GError* error = nullptr;
        // The handler is in place before the device appears, so that a client
        // that sees it can open it at once.
        if (!umockdev_testbed_attach_ioctl(m_testbed, m_node.c_str(), m_handler, &error) ||
            !umockdev_testbed_add_from_string(m_testbed, description.c_str(), &error)) {
            std::fprintf(stderr, "panel-emulator: USB device: %s\n", error ? error->message : "failed");
            g_clear_error(&error);
            return false;
        }
        m_enumeratedAsApplication = application;
        return true;
    }

    void Unplug() {
        GError* error = nullptr;
        umockdev_testbed_detach_ioctl(m_testbed, m_node.c_str(), &error);
        g_clear_error(&error);
        umockdev_testbed_remove_device(m_testbed, m_sysPath.c_str());
        for (Urb& urb : m_urbs) {
            g_object_unref(urb.data);
        }
        m_urbs.clear();
        m_pendingOut.clear();
    }

    static gboolean OnIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        return static_cast<UsbPanelDevice*>(self)->Handle(client);
    }

    gboolean Handle(UMockdevIoctlClient* client) {
        std::lock_guard lock(m_mutex);
        const gulong request = umockdev_ioctl_client_get_request(client);
        UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
        // A client of a device that went away with the restart.
        if (m_node != umockdev_ioctl_client_get_devnode(client)) {
            umockdev_ioctl_client_complete(client, -1, ENODEV);
            return TRUE;
        }
        switch (request) {
        case USBDEVFS_GET_CAPABILITIES: {
            // No packet-size limit: one URB carries a whole transfer.
            UMockdevIoctlData* caps = umockdev_ioctl_data_resolve(arg, 0, sizeof(uint32_t), nullptr);
            if (caps) {
                *reinterpret_cast<uint32_t*>(caps->data) = USBDEVFS_CAP_NO_PACKET_SIZE_LIM;
                g_object_unref(caps);
            }
            umockdev_ioctl_client_complete(client, 0, 0);
            return TRUE;
        }
        case USBDEVFS_GETDRIVER:
        case USBDEVFS_IOCTL:
            umockdev_ioctl_client_complete(client, -1, ENODATA); // no kernel driver is bound
            return TRUE;
        case USBDEVFS_DISCONNECT_CLAIM:
        case USBDEVFS_CLAIMINTERFACE:
        case USBDEVFS_RELEASEINTERFACE:
        case USBDEVFS_SETCONFIGURATION:
        case USBDEVFS_CLEAR_HALT:
        case USBDEVFS_RESET:
        case USBDEVFS_RESETEP:
            umockdev_ioctl_client_complete(client, 0, 0);
            return TRUE;
        case USBDEVFS_SUBMITURB:
            return Submit(client, arg);
        case USBDEVFS_REAPURB:
        case USBDEVFS_REAPURBNDELAY:
            return Reap(client, arg);
        case USBDEVFS_DISCARDURB:
            return Discard(client, arg);
        default:
            return FALSE;
        }
    }

    gboolean Submit(UMockdevIoctlClient* client, UMockdevIoctlData* arg) {
        UMockdevIoctlData* data = umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_urb), nullptr);
        if (!data) {
            umockdev_ioctl_client_complete(client, -1, EFAULT);
            return TRUE;
        }
        auto* urb = reinterpret_cast<usbdevfs_urb*>(data->data);
        if (urb->type != USBDEVFS_URB_TYPE_BULK || urb->buffer_length < 0) {
            g_object_unref(data);
            umockdev_ioctl_client_complete(client, -1, EINVAL);
            return TRUE;
        }
        UMockdevIoctlData* buffer =
            urb->buffer_length > 0
                ? umockdev_ioctl_data_resolve(data, offsetof(usbdevfs_urb, buffer), static_cast<gsize>(urb->buffer_length), nullptr)
                : nullptr;
        // The entry keeps the URB; the URB keeps its resolved buffer.
        Urb entry{data, buffer, (urb->endpoint & 0x80) != 0};
        if (buffer) {
            g_object_unref(buffer);
        }
        if (!entry.in) {
            // A write: the panel takes the bytes at once.
            if (buffer) {
                m_pendingOut.insert(m_pendingOut.end(), buffer->data, buffer->data + urb->buffer_length);
            }
            for (const Bytes& frame : m_splitter.Feed(m_pendingOut.data(), m_pendingOut.size())) {
                Bytes reply = m_respond(frame);
                if (!reply.empty()) {
                    m_replies.push_back(std::move(reply));
                }
            }
            m_pendingOut.clear();
            urb->actual_length = urb->buffer_length;
            urb->status = 0;
            entry.done = true;
        }
        m_urbs.push_back(entry);
        umockdev_ioctl_client_complete(client, 0, 0);
        return TRUE;
    }

    gboolean Reap(UMockdevIoctlClient* client, UMockdevIoctlData* arg) {
        for (auto it = m_urbs.begin(); it != m_urbs.end(); ++it) {
            auto* urb = reinterpret_cast<usbdevfs_urb*>(it->data->data);
            if (it->discarded) {
                urb->status = -ENOENT;
                urb->actual_length = 0;
            } else if (it->in && !it->done) {
                if (m_replies.empty()) {
                    continue; // the panel has nothing to say yet
                }
                Bytes& reply = m_replies.front();
                const size_t n = std::min<size_t>(reply.size(), static_cast<size_t>(urb->buffer_length));
                if (it->buffer && n > 0) {
                    std::memcpy(it->buffer->data, reply.data(), n);
                }
                reply.erase(reply.begin(), reply.begin() + static_cast<long>(n));
                if (reply.empty()) {
                    m_replies.pop_front();
                }
                urb->actual_length = static_cast<int>(n);
                urb->status = 0;
            } else if (!it->done) {
                continue;
            }
            UMockdevIoctlData* pointer = umockdev_ioctl_data_resolve(arg, 0, sizeof(void*), nullptr);
            if (!pointer) {
                umockdev_ioctl_client_complete(client, -1, EFAULT);
                return TRUE;
            }
            // The reaped URB goes back to the client, with what changed in it.
            umockdev_ioctl_data_set_ptr(pointer, 0, it->data);
            g_object_unref(pointer);
            g_object_unref(it->data);
            m_urbs.erase(it);
            umockdev_ioctl_client_complete(client, 0, 0);
            return TRUE;
        }
        umockdev_ioctl_client_complete(client, -1, EAGAIN);
        return TRUE;
    }

    gboolean Discard(UMockdevIoctlClient* client, UMockdevIoctlData* arg) {
        const gulong address = *reinterpret_cast<gulong*>(arg->data);
        for (Urb& urb : m_urbs) {
            if (urb.data->client_addr == address && !urb.done) {
                urb.discarded = true;
                umockdev_ioctl_client_complete(client, 0, 0);
                return TRUE;
            }
        }
        umockdev_ioctl_client_complete(client, -1, EINVAL);
        return TRUE;
    }

    UsbIdentity m_identity;
    Responder m_respond;
    std::function<bool()> m_applicationRunning;
    UMockdevTestbed* m_testbed = nullptr;
    UMockdevIoctlBase* m_handler = nullptr;
    std::mutex m_mutex;
    int m_deviceNumber = 1;
    std::string m_node, m_sysPath;
    bool m_enumeratedAsApplication = true;
    std::deque<Urb> m_urbs;
    Bytes m_pendingOut;
    RequestSplitter m_splitter;
    std::deque<Bytes> m_replies;
};

} // namespace

bool UsbEmulationAvailable() {
    return true;
}

int ServeUsb(const UsbIdentity& identity, const Responder& respond, const std::function<bool()>& applicationRunning) {
    UsbPanelDevice device(identity, respond, applicationRunning);
    return device.Run();
}

} // namespace panelsim

#else

#include <cstdio>

namespace panelsim {

bool UsbEmulationAvailable() {
    return false;
}

int ServeUsb(const UsbIdentity&, const Responder&, const std::function<bool()>&) {
    std::fputs("panel-emulator: built without umockdev, no USB emulation\n", stderr);
    return 1;
}

} // namespace panelsim

#endif
