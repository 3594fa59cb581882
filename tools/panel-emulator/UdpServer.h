// The UDP transport of panel-emulator.
#pragma once

#include <cstdint>

#include "Responder.h"

namespace panelsim {

// Serves datagrams on 127.0.0.1:port (0 picks a free port); prints
// "udp 127.0.0.1 PORT" first. Returns only on an error.
int ServeUdp(uint16_t port, const Responder& respond);

} // namespace panelsim
