#include "plc/AdvancedPortSettings.h"

#include "plc/ProtocolDescription.h"

namespace balsar {

AdvancedPortSettings AdvancedPortSettings::Defaults(const ProtocolDescription& protocol) {
    AdvancedPortSettings settings;
    settings.commTimeout = protocol.commTimeout;
    settings.protocolTimeout1 = protocol.protocolTimeout1;
    settings.protocolTimeout2 = protocol.protocolTimeout2;
    settings.maxWordsPerPacket = protocol.maxWordsPerPacket;
    settings.maxBitsPerPacket = protocol.maxBitsPerPacket;
    settings.wordGap = protocol.wordGap;
    settings.bitGap = protocol.bitGap;
    settings.commInterval = protocol.commInterval;
    return settings;
}

} // namespace balsar
