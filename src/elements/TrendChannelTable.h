#pragma once
// The trend channel table: the panel samples each distinct (register,
// sampling, point count) combination of the project's trend graphs once, in
// one channel. Trend records name their channel by its index in this table;
// the table itself is written as section 4 of the download image.
#include <array>
#include <cstdint>
#include <vector>

#include "base/ByteWriter.h"
#include "elements/CGraphElement.h"

namespace balsar {

class CAddr;
class CTrendGE;
class MessageSink;
class PortProtocols;

// 32-bit 0, the address's 12-byte record as the address stands, sampling
// (32-bit), point count (32-bit).
struct TrendChannel {
    static constexpr size_t kSize = 24;
    std::array<uint8_t, kSize> bytes{};

    bool operator==(const TrendChannel& other) const = default;
};

// The address record of a channel: the address as it stands, without the
// reset to a LOCAL default that an element's own address compile applies to
// a register type the port's protocol does not define. sink may be null.
TrendChannel MakeTrendChannel(const CAddr& address, int32_t sampling, int32_t pointCount,
                              const PortProtocols* protocols, MessageSink* sink);

class TrendChannelTable {
public:
    void Clear() { m_channels.clear(); }
    // Empties the table, then adds the channel of every trend graph of every
    // screen, screens and elements in list order, each distinct channel
    // once. Screens are anything whose elements GetElements() lists.
    template <class ScreenList>
    void BuildChannels(const ScreenList& screens, const PortProtocols* protocols, MessageSink* sink = nullptr) {
        Clear();
        for (const auto& screen : screens) {
            for (const auto& element : screen->GetElements()) {
                AddElement(*element, protocols, sink);
            }
        }
    }
    // Adds the element's channel when it is a trend graph whose channel is
    // not listed yet.
    void AddElement(const CGraphElement& element, const PortProtocols* protocols, MessageSink* sink);
    // Adds the channel unless it is listed; returns its index.
    size_t Add(const TrendChannel& channel);
    // Index of the first channel with these address bytes, sampling and
    // point count; the number of channels when none matches.
    size_t ChannelIndex(const CAddr& address, int32_t sampling, int32_t pointCount,
                        const PortProtocols* protocols) const;
    // Section 4: the count n, n offsets (the first is the image length after
    // the offset table, each next one 24 more), then the n channels.
    void WriteChannels(Image& image) const;

    const std::vector<TrendChannel>& Channels() const { return m_channels; }

private:
    std::vector<TrendChannel> m_channels;
};

} // namespace balsar
