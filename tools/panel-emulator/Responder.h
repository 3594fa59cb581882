// What the transports of panel-emulator hand each request frame to: it
// returns the reply bytes (empty: the panel says nothing).
#pragma once

#include <functional>

#include "PanelModel.h"

namespace panelsim {

using Responder = std::function<Bytes(const Bytes& request)>;

} // namespace panelsim
