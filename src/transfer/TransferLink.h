// The abstract link to the panel and its factory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "transfer/LinkSettings.h"

namespace caldo {

// Every link implements every operation; none of them succeeds by default.
class CTransferLink {
public:
    virtual ~CTransferLink() = default;
    // The largest frame the link carries.
    virtual int MaxPacketSize() = 0;
    // Waits for one reply frame and stores it from buffer[0]. On success received
    // holds the number of reply bytes stored; on failure it is 0.
    virtual bool Receive(uint8_t* buffer, size_t capacity, int timeoutUnits, size_t& received) = 0;
    // Releases the link's resources; safe in every state, also after a failed Open.
    virtual bool Close() = 0;
    // Takes the link's part of the settings.
    virtual bool Configure(const CLinkSettings& settings) = 0;
    virtual bool Open() = 0;
    // Sends one whole frame.
    virtual bool Send(const uint8_t* data, size_t length, int timeoutUnits) = 0;
};

// Returns a configured link of the settings' kind, or nullptr for an unknown kind.
std::unique_ptr<CTransferLink> CreateLink(const CLinkSettings& settings);

using LinkFactory = std::function<std::unique_ptr<CTransferLink>(const CLinkSettings&)>;

} // namespace caldo
