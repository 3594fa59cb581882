#include "elements/TrendChannelTable.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "elements/CTrendGE.h"
#include "plc/CAddr.h"
#include "plc/PlcTypes.h"

namespace balsar {

namespace {

// Messages about the address go nowhere when nobody listens.
class QuietSink : public MessageSink {
public:
    void Message(const std::string&, MessageKind, const std::string&) override {}
};

} // namespace

TrendChannel MakeTrendChannel(const CAddr& address, int32_t sampling, int32_t pointCount,
                              const PortProtocols* protocols, MessageSink* sink) {
    QuietSink quiet;
    MessageSink& messages = sink != nullptr ? *sink : quiet;
    // The address record's layout, field by field, from the address as it
    // stands (CAddr::Compile would reset an undefined register type first).
    Image record;
    AppendBytes(record, 0, 4);
    uint32_t flags = 0;
    if (address.encoding == ENCODING_BCD) {
        flags |= 0x80;
    }
    if (address.IsBigEndian(protocols)) {
        flags |= 0x01;
    }
    const bool local = address.port == PORT_LOCAL;
    AppendBytes(record, 0x03, 1);
    AppendBytes(record, flags, 1);
    AppendBytes(record, local ? 0xFFu : static_cast<uint32_t>(address.port), 1);
    AppendBytes(record, local ? 0u : static_cast<uint32_t>(address.station), 1);
    AppendBytes(record, address.RegisterId(protocols, messages), 1);
    AppendBytes(record, address.RegisterFormat(protocols, messages), 1);
    AppendBytes(record, address.Count(), 2);
    AppendBytes(record, address.LinearAddress(protocols), 4);
    AppendBytes(record, static_cast<uint32_t>(sampling), 4);
    AppendBytes(record, static_cast<uint32_t>(pointCount), 4);
    TrendChannel channel;
    std::copy(record.begin(), record.end(), channel.bytes.begin());
    return channel;
}

void TrendChannelTable::AddElement(const CGraphElement& element, const PortProtocols* protocols,
                                   MessageSink* sink) {
    const auto* trend = dynamic_cast<const CTrendGE*>(&element);
    if (trend == nullptr) {
        return;
    }
    Add(MakeTrendChannel(trend->Address(), trend->sampling, trend->pointCount, protocols, sink));
}

size_t TrendChannelTable::Add(const TrendChannel& channel) {
    const auto it = std::find(m_channels.begin(), m_channels.end(), channel);
    if (it != m_channels.end()) {
        return static_cast<size_t>(it - m_channels.begin());
    }
    m_channels.push_back(channel);
    return m_channels.size() - 1;
}

size_t TrendChannelTable::ChannelIndex(const CAddr& address, int32_t sampling, int32_t pointCount,
                                       const PortProtocols* protocols) const {
    const TrendChannel wanted = MakeTrendChannel(address, sampling, pointCount, protocols, nullptr);
    const auto it = std::find(m_channels.begin(), m_channels.end(), wanted);
    return static_cast<size_t>(it - m_channels.begin());
}

void TrendChannelTable::WriteChannels(Image& image) const {
    const auto count = static_cast<uint32_t>(m_channels.size());
    AppendBytes(image, count, 4);
    const size_t first = image.size() + 4 * static_cast<size_t>(count);
    for (uint32_t i = 0; i < count; ++i) {
        AppendBytes(image, static_cast<uint32_t>(first + TrendChannel::kSize * i), 4);
    }
    for (const TrendChannel& channel : m_channels) {
        AppendBytes(image, channel.bytes.data(), channel.bytes.size());
    }
}

} // namespace balsar
