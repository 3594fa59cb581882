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
struct CompileContext;

struct EventItem {
    void Serialize(Archive& ar);
    bool operator==(const EventItem& other) const = default;

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

    // Version 2 with the list settings; a version-1 list has items only.
    void Serialize(Archive& ar);
    // Section 5 of the image. Not written yet: the section stays empty until
    // the record lands.
    void Compile(CompileContext& context, CMirloProject& project);
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
