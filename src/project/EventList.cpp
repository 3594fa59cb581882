#include "project/EventList.h"

#include "base/Archive.h"

namespace balsar {

void EventItem::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.Value(flags);
    ar.Value(value);
    ar.Value(range);
    ar.Value(upperLimit);
    ar.Value(lowerLimit);
    ar.Value(buzzerSeconds);
    ar.String(message);
    address.Serialize(ar);
}

void EventList::Serialize(Archive& ar) {
    int32_t version = 2;
    ar.Value(version);
    int32_t count = static_cast<int32_t>(items.size());
    ar.Value(count);
    if (ar.IsLoading()) {
        // Each item takes well over 40 bytes; a larger count cannot be real.
        if (count < 0 || static_cast<size_t>(count) > ar.Remaining() / 40) {
            throw ArchiveError("event count beyond end of file");
        }
        items.assign(static_cast<size_t>(count), EventItem{});
    }
    for (EventItem& item : items) {
        item.Serialize(ar);
    }
    if (version < 2) {
        return;
    }
    ar.Value(fontSizeIndex);
    ar.Value(language);
    ar.String(font);
    ar.Value(alarmScreen);
    ar.Value(autoPopup);
}

void EventList::Compile(CompileContext&, CMirloProject&) {}

void EventList::ResetAddresses() {
    for (EventItem& item : items) {
        item.address.Reset(item.address.width);
    }
}

void EventList::SwapPort(int32_t a, int32_t b) {
    for (EventItem& item : items) {
        item.address.SwapPorts(a, b);
    }
}

} // namespace balsar
