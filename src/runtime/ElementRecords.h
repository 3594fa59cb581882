#pragma once
// The element records of a screen as the image holds them, decoded. Each
// kind keeps only what the panel needs to draw it and to act on it; glyphs
// and pictures are indexes into the image's GlyphStore.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "runtime/AddressRecord.h"
#include "runtime/GlyphStore.h"

namespace balsar::runtime {

// Element kind codes as the screen record lists them.
enum class ElementKind : uint16_t {
    Lamp = 0,
    Key = 1,
    StaticText = 2,
    DynamicText = 3,
    Register = 4,
    Bar = 5,
    Trend = 6,
    Picture = 7,
    TrendBuffer = 8,
    Ascii = 9,
    EventList = 10,
};

const char* KindName(ElementKind kind);

// Right and bottom exclusive, in panel pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect& other) const = default;
};

// Number interpretation shared by registers, bars and trends.
enum class DataType : uint8_t { Signed = 0, Unsigned = 1, HexBcd = 2, Float = 3, Double = 4 };

struct LampRecord {
    AddressRecord address;
    uint16_t flags = 1; // 0x100 flash, 0x200 negative logic, 0x400 flash while on
    uint16_t period = 1; // flash period, 100 ms units
    int offPicture = -1;
    int onPicture = -1;
    bool Flashes() const { return (flags & 0x100) != 0; }
    bool NegativeLogic() const { return (flags & 0x200) != 0; }
    bool FlashWhileOn() const { return (flags & 0x400) != 0; }
};

struct KeyRecord {
    std::optional<AddressRecord> address;
    std::vector<int> pictures; // glyphs: the hand first when there is one, then the key
    uint32_t head = 0; // first word of the function block
    std::vector<int32_t> values; // the words after it
    uint32_t levelWord = 1;

    int Code() const { return static_cast<int>((head >> 16) & 0x3F); }
    int Function() const { return static_cast<int>((head >> 8) & 0xFF); }
    bool Reverse() const { return (head & (1u << 22)) != 0; }
    bool Immediate() const { return (head & (1u << 23)) != 0; }
    bool KeepLevel() const { return (head & (1u << 24)) != 0; }
    int Level() const { return static_cast<int>(levelWord >> 10); }
    int32_t Value(size_t i) const { return i < values.size() ? values[i] : 0; }
};

struct StaticTextRecord {
    bool reverse = false;
    GlyphRun text;
};

struct DynamicTextRecord {
    AddressRecord address;
    uint8_t flags = 0; // 0x10 reverse, 0x20 centred, 0x40 right aligned
    std::vector<uint16_t> values;
    std::vector<GlyphRun> texts; // one per value
};

struct RegisterRecord {
    AddressRecord address;
    uint32_t attributes = 0;
    std::optional<double> inputUpper, inputLower; // with the input limits
    std::optional<double> scaleUpper, scaleLower; // with scaling
    uint32_t levelWord = 1;
    GlyphRun characters; // glyphs of the type's character set

    DataType Type() const { return static_cast<DataType>((attributes >> 8) & 0xF); }
    bool Scaling() const { return (attributes & (1u << 12)) != 0; }
    bool Password() const { return (attributes & (1u << 13)) != 0; }
    bool InputAllowed() const { return (attributes & (1u << 14)) != 0; }
    bool Reverse() const { return (attributes & (1u << 15)) != 0; }
    bool LeadingZeros() const { return (attributes & (1u << 16)) != 0; }
    bool TwoWords() const { return (attributes & (1u << 18)) != 0; }
    bool AlignCentre() const { return (attributes & (1u << 19)) != 0; }
    bool AlignRight() const { return (attributes & (1u << 20)) != 0; }
    bool KeepLevel() const { return (attributes & (1u << 21)) != 0; }
    int Characters() const { return static_cast<int>((attributes >> 24) & 0xF); }
    int Decimals() const { return static_cast<int>(attributes >> 28); }
    int Level() const { return static_cast<int>(levelWord >> 10); }
};

struct BarRecord {
    AddressRecord address;
    DataType type = DataType::Signed;
    uint8_t direction = 0; // 0 up, 1 down, 2 left, 3 right
    bool twoWords = false;
    double fullScale = 0;
    double zeroScale = 0;
};

struct TrendRecord {
    uint16_t channel = 0;
    uint16_t points = 0;
    DataType type = DataType::Signed;
    bool twoWords = false;
    double fullScale = 0;
    double zeroScale = 0;
};

struct PictureRecord {
    int bitmap = -1;
};

struct AsciiRecord {
    AddressRecord address;
    bool reverse = false;
    uint8_t count = 0;
    GlyphRun characters; // glyphs of 0x20..0x7E
};

struct EventListRecord {
    uint32_t layout = 0x2102;
    uint32_t separator = '-';
    bool ShowNumber() const { return (layout & 0x100) != 0; }
    // 0 none, 1 day-month-year, 2 month-day-year, 3 year-month-day, 4 month-day.
    int DateOrder() const { return static_cast<int>((layout >> 9) & 0x7); }
    // 0 none, 1 "HH:MM:SS", 2 "HH:MM".
    int TimeFormat() const { return static_cast<int>((layout >> 12) & 0x3); }
    bool FourDigitYear() const { return (layout & (1u << 16)) != 0; }
    bool NoLeadingZeros() const { return (layout & (1u << 17)) != 0; }
};

struct ElementRecord {
    ElementKind kind = ElementKind::StaticText;
    size_t offset = 0;
    PixelRect rect;
    std::variant<std::monostate, LampRecord, KeyRecord, StaticTextRecord, DynamicTextRecord, RegisterRecord,
                 BarRecord, TrendRecord, PictureRecord, AsciiRecord, EventListRecord>
        data;
};

} // namespace balsar::runtime
