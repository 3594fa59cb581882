#include <algorithm>

#include "base/Text.h"
#include "runtime/ElementReader.h"
#include "runtime/ImageBytes.h"
#include "runtime/ImageError.h"
#include "runtime/PanelImage.h"

namespace balsar::runtime {

namespace {

constexpr size_t kHeaderSize = 24;
constexpr size_t kSectionCount = 7;
constexpr size_t kSectionsEnd = kHeaderSize + 4 * kSectionCount;
constexpr size_t kSettingsSize = 56;
constexpr size_t kPortSize = 36;
constexpr size_t kChannelSize = 24;
constexpr size_t kTransferSize = 48;

enum Section { SETTINGS = 0, PORTS = 1, UNUSED = 2, SCREENS = 3, TRENDS = 4, EVENTS = 5, TRANSFERS = 6 };

const char* const kSectionNames[kSectionCount] = {"panel settings",       "port block",        "section 2",
                                                  "screen block",         "trend channel table", "event list",
                                                  "data-transfer list"};

// Walks an offset table: `count` offsets of 4 bytes from `table`, the
// table checked to lie inside the image first; read(i, field, record) gets
// each entry's index, the offset of its field and the record it names.
template <class Read>
void ForEachTableEntry(const ImageBytes& bytes, size_t table, uint32_t count, const char* name, Read read) {
    bytes.Require(table, 4ull * count, name);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t field = table + 4 * static_cast<size_t>(i);
        read(i, field, bytes.U32(field, name));
    }
}

// Header, length and checksum; returns the image bytes the header covers.
std::span<const uint8_t> CheckHeader(std::span<const uint8_t> bytes) {
    const ImageBytes all(bytes);
    all.Require(0, kSectionsEnd, "header");
    static const uint8_t kMagic[6] = {'Z', 'e', 'm', 'B', 'r', 'a'};
    if (!std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin())) {
        ImageBytes::Fail(0, "header", "not a download image (the magic text is missing)");
    }
    all.Expect(8, 1, 4, "header format version");
    all.Expect(20, kHeaderSize, 4, "header length");
    const uint32_t length = all.U32(12, "header");
    if (length < kSectionsEnd) {
        ImageBytes::Fail(12, "header", Format("total length %u is shorter than the header", length));
    }
    if (length > bytes.size()) {
        ImageBytes::Fail(bytes.size(), "header",
                         Format("the image is truncated: the header announces %u bytes, only %zu are present",
                                length, bytes.size()));
    }
    uint32_t sum = 0;
    for (size_t i = kHeaderSize; i < length; ++i) {
        sum += bytes[i];
    }
    const uint32_t stored = all.U32(16, "header");
    if (sum != stored) {
        ImageBytes::Fail(16, "header", Format("checksum 0x%08X does not match the bytes (0x%08X)", stored, sum));
    }
    return bytes.first(length);
}

void ReadSettings(const ImageBytes& bytes, size_t at, PanelSettings& settings) {
    const char* name = "panel settings";
    bytes.Require(at, kSettingsSize, name);
    settings.flags = bytes.U32(at, name);
    settings.initialScreen = bytes.U16(at + 4, name);
    settings.saverScreen = bytes.U16(at + 6, name);
    settings.saverDelayMinutes = bytes.U16(at + 8, name);
    settings.wakeLevel = bytes.U8(at + 10, name);
    for (size_t i = 0; i < 8; ++i) {
        settings.passwords[i] = bytes.S32(at + 16 + 4 * i, name);
    }
    settings.passwordScreen = bytes.U16(at + 52, name);
    const uint32_t control = bytes.U32(at + 48, name);
    if (control == 0) {
        return;
    }
    bytes.CheckTarget(at + 48, control, name);
    const char* block = "PLC control block";
    const uint8_t count = bytes.U8(control, block);
    settings.controlFlags = bytes.U16(control + 2, block);
    const int wanted = ((settings.controlFlags & 1) != 0 ? 1 : 0) + ((settings.controlFlags & 2) != 0 ? 1 : 0);
    if (count != wanted || count == 0) {
        ImageBytes::Fail(control, block,
                         Format("names %u addresses for control flags 0x%X", static_cast<unsigned>(count),
                                static_cast<unsigned>(settings.controlFlags)));
    }
    size_t address = control + 4;
    if ((settings.controlFlags & 1) != 0) {
        settings.screenSelect = AddressRecord::Read(bytes, address, block);
        address += AddressRecord::kSize;
    }
    if ((settings.controlFlags & 2) != 0) {
        settings.screenReport = AddressRecord::Read(bytes, address, block);
    }
}

void ReadPorts(const ImageBytes& bytes, size_t at, std::vector<PortRecord>& ports) {
    const char* name = "port block";
    const uint32_t count = bytes.U32(at, name);
    if (count > 4) {
        ImageBytes::Fail(at, name, Format("counts %u ports, at most 4 exist", count));
    }
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t record = bytes.U32(at + 4 + 4 * i, name);
        if (record == 0) {
            continue; // a counted port that wrote no record (CAN)
        }
        const RecordName portName = RecordName::Numbered("port record", i);
        bytes.CheckTarget(at + 4 + 4 * i, record, name);
        bytes.Require(record, kPortSize, portName);
        PortRecord port;
        port.port = bytes.U8(record, portName);
        port.serialType = bytes.U8(record + 1, portName);
        port.dataBits = bytes.U8(record + 2, portName);
        port.parity = bytes.U8(record + 3, portName);
        port.baud = bytes.U32(record + 4, portName);
        port.stopBits = bytes.U8(record + 8, portName);
        port.hasStation = bytes.U8(record + 9, portName) != 0;
        port.protocolId = bytes.U16(record + 10, portName);
        port.commTimeout = bytes.U32(record + 12, portName);
        port.station = bytes.U16(record + 24, portName);
        port.maxWordsPerPacket = bytes.U16(record + 26, portName);
        port.maxBitsPerPacket = bytes.U16(record + 28, portName);
        port.commInterval = bytes.U8(record + 32, portName);
        port.errorShowTime = bytes.U8(record + 33, portName);
        port.retries = bytes.U8(record + 34, portName);
        port.cutOffAfterRetries = bytes.U8(record + 35, portName) != 0;
        ports.push_back(port);
    }
}

ScreenRecord ReadScreen(const ImageBytes& bytes, GlyphStore& glyphs, size_t at, size_t position) {
    const RecordName name = RecordName::Numbered("screen block entry", position);
    bytes.Expect(at, 4, 4, name);
    ScreenRecord screen;
    screen.offset = at;
    screen.width = bytes.U8(at + 6, name) + 1;
    screen.height = bytes.U8(at + 7, name) + 1;
    screen.number = bytes.U16(at + 8, name);
    screen.upTarget = bytes.U16(at + 12, name);
    screen.downTarget = bytes.U16(at + 14, name);
    const uint16_t count = bytes.U16(at + 18, name);
    const RecordName screenName = RecordName::Screen(screen.number);
    const RecordName orderName = RecordName::Screen(screen.number, "selection order");
    bytes.Require(at + 20, 6u * count, screenName);
    const size_t kinds = at + 20 + 4 * static_cast<size_t>(count);
    // The selection order: list positions up to the 0xFFFF end marker.
    for (size_t field = kinds + 2 * static_cast<size_t>(count);; field += 2) {
        const uint16_t entry = bytes.U16(field, orderName);
        if (entry == 0xFFFF) {
            break;
        }
        if (entry >= count || screen.selectionOrder.size() >= count) {
            ImageBytes::Fail(field, orderName,
                             Format("entry %u names no element of %u", static_cast<unsigned>(entry),
                                    static_cast<unsigned>(count)));
        }
        screen.selectionOrder.push_back(entry);
    }
    screen.elements.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint16_t kind = bytes.U16(kinds + 2 * i, screenName);
        if (kind > static_cast<uint16_t>(ElementKind::EventList)) {
            ImageBytes::Fail(kinds + 2 * i, screenName, Format("element %zu has unknown kind %u", i, kind));
        }
        const RecordName elementName =
            RecordName::Element(screen.number, i, KindName(static_cast<ElementKind>(kind)));
        const size_t field = at + 20 + 4 * i;
        const uint32_t offset = bytes.U32(field, screenName);
        bytes.CheckTarget(field, offset, elementName, true);
        screen.elements.push_back(ReadElement(bytes, glyphs, kind, offset, elementName));
    }
    return screen;
}

void ReadScreens(const ImageBytes& bytes, GlyphStore& glyphs, size_t at, std::vector<ScreenRecord>& screens) {
    const char* name = "screen block";
    const uint32_t count = bytes.U32(at, name);
    bytes.Require(at + 4, 4ull * count, name); // before anything is allocated for the count
    screens.reserve(count);
    ForEachTableEntry(bytes, at + 4, count, name, [&](uint32_t i, size_t field, uint32_t record) {
        bytes.CheckTarget(field, record, name);
        screens.push_back(ReadScreen(bytes, glyphs, record, i));
    });
}

void ReadTrendChannels(const ImageBytes& bytes, size_t at, std::vector<TrendChannel>& channels) {
    const char* name = "trend channel table";
    ForEachTableEntry(bytes, at + 4, bytes.U32(at, name), name, [&](uint32_t i, size_t field, uint32_t record) {
        const RecordName channelName = RecordName::Numbered("trend channel", i);
        bytes.CheckTarget(field, record, channelName);
        bytes.Require(record, kChannelSize, channelName);
        TrendChannel channel;
        channel.address = AddressRecord::Read(bytes, record + 4, channelName);
        channel.sampling = bytes.U32(record + 16, channelName);
        channel.points = bytes.U32(record + 20, channelName);
        channels.push_back(channel);
    });
}

void ReadEvents(const ImageBytes& bytes, GlyphStore& glyphs, size_t at, EventSection& events) {
    const char* name = "event list";
    const uint32_t count = bytes.U32(at, name);
    events.autoPopup = bytes.U16(at + 4, name) != 0;
    events.alarmScreen = bytes.U16(at + 6, name);
    const uint32_t digits = bytes.U32(at + 8, name);
    if (digits != 0) {
        bytes.CheckTarget(at + 8, digits, name);
        events.digits = glyphs.Text(bytes, digits, "the event list digits");
    }
    ForEachTableEntry(bytes, at + 12, count, name, [&](uint32_t i, size_t field, uint32_t record) {
        const RecordName itemName = RecordName::Numbered("event item", i);
        bytes.CheckTarget(field, record, itemName, true);
        EventItemRecord item;
        item.flags = bytes.U32(record, itemName);
        item.upper = bytes.S32(record + 4, itemName);
        item.lower = bytes.S32(record + 8, itemName);
        item.buzzerSeconds = bytes.U16(record + 12, itemName);
        item.address = AddressRecord::Read(bytes, record + 16, itemName);
        const uint32_t message = bytes.U32(record + 28, itemName);
        if (message != 0) {
            bytes.CheckTarget(record + 28, message, itemName);
        }
        item.message = glyphs.Text(bytes, message, itemName);
        events.items.push_back(std::move(item));
    });
}

void ReadTransfers(const ImageBytes& bytes, size_t at, std::vector<TransferRecord>& transfers) {
    const char* name = "data-transfer list";
    ForEachTableEntry(bytes, at + 4, bytes.U32(at, name), name, [&](uint32_t i, size_t field, uint32_t record) {
        const RecordName itemName = RecordName::Numbered("data-transfer item", i);
        bytes.CheckTarget(field, record, itemName, true);
        bytes.Require(record, kTransferSize, itemName);
        TransferRecord item;
        item.flags = bytes.U32(record, itemName);
        item.source = AddressRecord::Read(bytes, record + 4, itemName);
        item.destination = AddressRecord::Read(bytes, record + 16, itemName);
        item.trigger = AddressRecord::Read(bytes, record + 28, itemName);
        item.period = bytes.U32(record + 40, itemName);
        item.window = bytes.U16(record + 44, itemName);
        item.executions = bytes.U16(record + 46, itemName);
        transfers.push_back(item);
    });
}

} // namespace

int PanelImage::ScreenIndex(uint16_t number) const {
    for (size_t i = 0; i < screens.size(); ++i) {
        if (screens[i].number == number) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

PanelImage ReadPanelImage(std::span<const uint8_t> data) {
    const ImageBytes bytes(CheckHeader(data));
    size_t sections[kSectionCount] = {};
    for (size_t k = 0; k < kSectionCount; ++k) {
        const size_t field = kHeaderSize + 4 * k;
        sections[k] = bytes.U32(field, "section table");
        if (sections[k] != 0) {
            bytes.CheckTarget(field, static_cast<uint32_t>(sections[k]), kSectionNames[k], true);
            if (sections[k] < kSectionsEnd) {
                ImageBytes::Fail(field, kSectionNames[k], "section starts inside the header");
            }
        }
    }
    for (const size_t required : {SETTINGS, SCREENS}) {
        if (sections[required] == 0) {
            ImageBytes::Fail(kHeaderSize + 4 * required, kSectionNames[required], "section is missing");
        }
    }

    PanelImage image;
    ReadSettings(bytes, sections[SETTINGS], image.settings);
    if (sections[PORTS] != 0) {
        ReadPorts(bytes, sections[PORTS], image.ports);
    }
    ReadScreens(bytes, image.glyphs, sections[SCREENS], image.screens);
    if (sections[TRENDS] != 0) {
        ReadTrendChannels(bytes, sections[TRENDS], image.trendChannels);
    }
    if (sections[EVENTS] != 0) {
        ReadEvents(bytes, image.glyphs, sections[EVENTS], image.events);
    }
    if (sections[TRANSFERS] != 0) {
        ReadTransfers(bytes, sections[TRANSFERS], image.transfers);
    }
    if (!image.screens.empty()) {
        image.width = image.screens.front().width;
        image.height = image.screens.front().height;
    }
    // Trend records name their channel by index.
    for (const ScreenRecord& screen : image.screens) {
        for (const ElementRecord& element : screen.elements) {
            if (const auto* trend = std::get_if<TrendRecord>(&element.data);
                trend != nullptr && trend->channel >= image.trendChannels.size()) {
                ImageBytes::Fail(element.offset + 16, RecordName::Screen(screen.number, "trend graph"),
                                 Format("names trend channel %u of %zu", static_cast<unsigned>(trend->channel),
                                        image.trendChannels.size()));
            }
        }
    }
    return image;
}

} // namespace balsar::runtime
