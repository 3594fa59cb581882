#include "project/EventList.h"

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "elements/CompileContext.h"
#include "elements/FindingStrings.h"
#include "elements/ImageRecords.h"
#include "elements/TextAttributes.h"
#include "project/CMirloProject.h"

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

namespace {

// The characters the panel draws event dates, times and numbers with.
constexpr const char* kDigitText = "0123456789:.-/ ";
// Event texts use the built-in font only at size 8.
constexpr int kEventFontMode = 1;

Image CompiledAddress(const CAddr& address, const PortProtocols* protocols) {
    Image image;
    RecordingMessageSink quiet;
    address.Compile(image, protocols, quiet);
    return image;
}

} // namespace

int32_t EventItem::UpperBound() const {
    switch (Comparison()) {
    case EVENT_LESS:
    case EVENT_LESS_EQUAL:
        return value;
    case EVENT_EQUAL:
    case EVENT_NOT_EQUAL:
        return range != 0 ? upperLimit : value;
    default:
        return 0;
    }
}

int32_t EventItem::LowerBound() const {
    switch (Comparison()) {
    case EVENT_GREATER:
    case EVENT_GREATER_EQUAL:
        return value;
    case EVENT_EQUAL:
    case EVENT_NOT_EQUAL:
        return range != 0 ? lowerLimit : value;
    default:
        return 0;
    }
}

bool EventItem::SameAs(const EventItem& other, const PortProtocols* protocols) const {
    if (flags != other.flags || value != other.value || range != other.range || upperLimit != other.upperLimit ||
        lowerLimit != other.lowerLimit || buzzerSeconds != other.buzzerSeconds || message != other.message) {
        return false;
    }
    if (protocols == nullptr) {
        return address == other.address;
    }
    return CompiledAddress(address, protocols) == CompiledAddress(other.address, protocols);
}

int EventList::AddItem(const EventItem& item, const PortProtocols* protocols) {
    for (const EventItem& existing : items) {
        if (existing.SameAs(item, protocols)) {
            return 0;
        }
    }
    items.push_back(item);
    return 1;
}

int EventList::PixelSize() const { return PixelSizeOfIndex(fontSizeIndex); }

uint16_t EventList::CompiledAlarmScreen(const CMirloProject& project) const {
    if (project.FindScreen(static_cast<uint16_t>(alarmScreen)) != nullptr) {
        return static_cast<uint16_t>(alarmScreen);
    }
    return project.Screens().empty() ? 0 : project.Screens().front()->GetNumber();
}

void EventList::Compile(CompileContext& context, const CMirloProject& project) const {
    Image& image = context.image;
    const size_t head = image.size();
    const auto count = static_cast<uint32_t>(items.size());
    AppendBytes(image, count, 4);
    AppendBytes(image, autoPopup != 0 ? 1 : 0, 2);
    AppendBytes(image, CompiledAlarmScreen(project), 2);
    AppendBytes(image, 0, 4);
    const size_t slots = image.size();
    AppendRepeated(image, 0, 4, count);

    const int size = PixelSize();
    context.place = FindingPlace::OfListItem(strings::kListEvents, 0, strings::kFieldDigits);
    const uint32_t digits = CompileText(context, kDigitText, font, size, kEventFontMode);
    WriteAt(image, head + 8, digits, 4);

    for (size_t i = 0; i < items.size(); ++i) {
        const EventItem& item = items[i];
        PadTo4(image);
        const size_t record = image.size();
        WriteAt(image, slots + 4 * i, static_cast<uint32_t>(record), 4);
        AppendBytes(image, item.flags, 4);
        AppendBytes(image, static_cast<uint32_t>(item.UpperBound()), 4);
        AppendBytes(image, static_cast<uint32_t>(item.LowerBound()), 4);
        AppendBytes(image, static_cast<uint32_t>(item.buzzerSeconds), 2);
        AppendBytes(image, 0, 2);
        item.address.Compile(image, context.portProtocols, context.sink);
        AppendBytes(image, 0, 4);
        context.place =
            FindingPlace::OfListItem(strings::kListEvents, static_cast<int32_t>(i + 1), strings::kFieldMessage);
        const uint32_t text = CompileText(context, item.message, font, size, kEventFontMode);
        WriteAt(image, record + 28, text, 4);
    }
}

void EventList::ResetAddresses() {
    for (EventItem& item : items) {
        item.address.ResetIfPortChanged();
    }
}

void EventList::SwapPort(int32_t a, int32_t b) {
    for (EventItem& item : items) {
        item.address.SwapPorts(a, b);
    }
}

} // namespace balsar
