#pragma once
// A download image decoded: the panel settings, ports, screens with their
// elements, trend channels, events and data transfers, and the glyph store
// they point into. Built by ReadPanelImage from the bytes alone.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "runtime/AddressRecord.h"
#include "runtime/ElementRecords.h"
#include "runtime/GlyphStore.h"

namespace balsar::runtime {

struct PanelSettings {
    uint32_t flags = 1;
    uint16_t initialScreen = 1;
    uint16_t saverScreen = 0;
    uint16_t saverDelayMinutes = 3;
    uint8_t wakeLevel = 1; // 1..8
    std::array<int32_t, 8> passwords{};
    uint16_t passwordScreen = 1;
    // PLC control block.
    uint16_t controlFlags = 0;
    std::optional<AddressRecord> screenSelect; // the panel reads its screen number here
    std::optional<AddressRecord> screenReport; // the panel writes its screen number here

    bool SaverOnlyBacklight() const { return (flags & 0x1) != 0; }
    bool WakePassword() const { return (flags & 0x2) != 0; }
    bool BuzzerMuted() const { return (flags & 0x4) != 0; }
    bool SwapWords() const { return (flags & 0x8) != 0; }
    bool FocusFlashes() const { return ((flags >> 4) & 0x3) == 1; }
    bool EnglishMessages() const { return (flags & 0x40) != 0; }
};

struct PortRecord {
    uint8_t port = 0;
    uint8_t serialType = 0;
    uint8_t dataBits = 8;
    uint8_t parity = 'N';
    uint32_t baud = 0;
    uint8_t stopBits = 1;
    bool hasStation = false;
    uint16_t protocolId = 0;
    uint32_t commTimeout = 0; // ms
    uint16_t station = 0;
    uint16_t maxWordsPerPacket = 0;
    uint16_t maxBitsPerPacket = 0;
    uint8_t commInterval = 0; // ms between requests
    uint8_t errorShowTime = 0; // seconds a communication error stays shown
    uint8_t retries = 0;
    bool cutOffAfterRetries = false;
};

struct ScreenRecord {
    size_t offset = 0;
    uint16_t number = 0;
    uint16_t upTarget = 0;
    uint16_t downTarget = 0;
    int width = 0;
    int height = 0;
    std::vector<ElementRecord> elements;
    // List positions of the settable elements in the panel's order.
    std::vector<uint16_t> selectionOrder;
};

struct TrendChannel {
    AddressRecord address;
    uint32_t sampling = 1;
    uint32_t points = 0;
};

struct EventItemRecord {
    uint32_t flags = 0; // bit 0 word address, bits 1-3 comparison, bit 4 on-trigger, bit 5 buzzer
    int32_t upper = 0;
    int32_t lower = 0;
    uint16_t buzzerSeconds = 0;
    AddressRecord address;
    GlyphRun message;

    bool WordAddress() const { return (flags & 0x1) != 0; }
    int Comparison() const { return static_cast<int>((flags >> 1) & 0x7); }
    bool TriggerOnSet() const { return (flags & 0x10) != 0; }
    bool Buzzer() const { return (flags & 0x20) != 0; }
};

struct EventSection {
    bool autoPopup = false;
    uint16_t alarmScreen = 0;
    GlyphRun digits; // "0123456789:.-/ "
    std::vector<EventItemRecord> items;
};

struct TransferRecord {
    uint32_t flags = 0; // bit 0 timed, bits 1-2 trigger, bit 4 window, bit 5 limited executions
    AddressRecord source;
    AddressRecord destination;
    AddressRecord trigger;
    uint32_t period = 1; // 100 ms units
    uint16_t window = 0;
    uint16_t executions = 0;

    bool Timed() const { return (flags & 0x1) != 0; }
    int TriggerType() const { return static_cast<int>((flags >> 1) & 0x3); }
    bool Windowed() const { return (flags & 0x10) != 0; }
    bool Limited() const { return (flags & 0x20) != 0; }
};

struct PanelImage {
    // Display size in pixels (from the screen records; 128 x 64 without screens).
    int width = 128;
    int height = 64;
    PanelSettings settings;
    std::vector<PortRecord> ports;
    std::vector<ScreenRecord> screens;
    std::vector<TrendChannel> trendChannels;
    EventSection events;
    std::vector<TransferRecord> transfers;
    GlyphStore glyphs;

    // Index of the screen with that number, or -1.
    int ScreenIndex(uint16_t number) const;
};

// Reads an image; throws ImageError naming the record and offset of the
// first fault (wrong magic, bad length or checksum, truncated records,
// offsets outside the image, wrong record kinds).
PanelImage ReadPanelImage(std::span<const uint8_t> bytes);

} // namespace balsar::runtime
