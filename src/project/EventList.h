#pragma once
// The event and alarm list: list-wide display settings and the watched
// conditions with their messages.
#include <cstdint>
#include <string>
#include <vector>

#include "plc/CAddr.h"

namespace balsar {

class Archive;
class CMirloProject;
class PortProtocols;
struct CompileContext;

namespace strings {
// Names the list in messages about its texts.
inline constexpr const char* kEventListName = "事件与报警列表";
} // namespace strings

// Comparisons of a word item (flags bits 1-3).
enum EventComparison : uint32_t {
    EVENT_LESS = 0,
    EVENT_GREATER = 1,
    EVENT_EQUAL = 2,
    EVENT_NOT_EQUAL = 3,
    EVENT_GREATER_EQUAL = 4,
    EVENT_LESS_EQUAL = 5,
};

struct EventItem {
    static constexpr uint32_t kWordAddress = 1u << 0;
    static constexpr uint32_t kTriggerOnSet = 1u << 4;
    static constexpr uint32_t kBuzzer = 1u << 5;

    void Serialize(Archive& ar);
    bool operator==(const EventItem& other) const = default;

    uint32_t Comparison() const { return (flags >> 1) & 7; }
    void SetComparison(uint32_t comparison) { flags = (flags & ~(7u << 1)) | (comparison & 7) << 1; }
    // The bounds the panel compares with: by comparison, the value, the
    // range limits or 0.
    int32_t UpperBound() const;
    int32_t LowerBound() const;
    // The same condition and message: equal compiled addresses (the address
    // fields when no protocols are given) and equal other fields.
    bool SameAs(const EventItem& other, const PortProtocols* protocols) const;

    uint32_t flags = 0;
    int32_t value = 0;
    int32_t range = 0;
    int32_t upperLimit = 0;
    int32_t lowerLimit = 0;
    int32_t buzzerSeconds = 0;
    CAddr address{WIDTH_BIT};
    std::string message;
};

class EventList {
public:
    // fontName: the default font of the project's first language.
    explicit EventList(std::string fontName = {}) : font(std::move(fontName)) {}

    // Version 2 with the list settings; a version-1 list has items only and
    // keeps the settings it had.
    void Serialize(Archive& ar);
    // Appends the item (1), or refuses it (0) when an equal item is there.
    int AddItem(const EventItem& item, const PortProtocols* protocols = nullptr);

    // Section 5 of the image: count, auto popup, alarm screen, the digit
    // text record and one record per item with its message text. A stored
    // alarm screen that no longer exists is compiled as the first screen
    // (the list keeps its number; the project check reports it).
    void Compile(CompileContext& context, const CMirloProject& project) const;
    // The screen number the image carries as alarm screen: the stored one
    // when the project has it, else the first screen's, else 0.
    uint16_t CompiledAlarmScreen(const CMirloProject& project) const;
    // Pixel height of the list's font size.
    int PixelSize() const;
    void ResetAddresses();
    void SwapPort(int32_t a, int32_t b);

    bool operator==(const EventList& other) const = default;

    std::vector<EventItem> items;
    int32_t fontSizeIndex = 1;
    int32_t language = 0;
    std::string font;
    int32_t alarmScreen = 1;
    int32_t autoPopup = 1;
};

} // namespace balsar
