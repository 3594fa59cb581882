// The abstract link to the panel and its factory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "transfer/LinkSettings.h"

namespace caldo {

class CTransferLink {
public:
    virtual ~CTransferLink() = default;
    // The largest frame the link carries; 0 for the base link.
    virtual int MaxPacketSize() { return 0; }
    // Waits for one reply frame and stores it from buffer[0]. On success received
    // holds the number of reply bytes stored; on failure it is 0.
    virtual bool Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) {
        (void)buffer, (void)capacity, (void)timeoutUnits;
        received = 0;
        return true;
    }
    // Releases the link's resources; safe in every state.
    virtual bool Close() { return true; }
    virtual bool Configure(const CLinkSettings&) { return true; }
    virtual bool Open() { return true; }
    // Sends one whole frame.
    virtual bool Send(const uint8_t* data, size_t length, int timeoutUnits) {
        (void)data, (void)length, (void)timeoutUnits;
        return true;
    }
};

// Returns a configured link of the settings' kind, or nullptr for an unknown kind.
std::unique_ptr<CTransferLink> CreateLink(const CLinkSettings& settings);

using LinkFactory = std::function<std::unique_ptr<CTransferLink>(const CLinkSettings&)>;

} // namespace caldo
