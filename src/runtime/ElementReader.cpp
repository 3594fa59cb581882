#include "runtime/ElementReader.h"

#include <cstring>
#include <iterator>

#include "base/Text.h"
#include "runtime/ImageBytes.h"

namespace balsar::runtime {

namespace {

// The common head of the addressed kinds: 1, 0, 1 (16-bit), the address.
AddressRecord AddressedHead(const ImageBytes& bytes, size_t offset, const RecordName& name) {
    bytes.Expect(offset + 4, 1, 1, name);
    bytes.Expect(offset + 6, 1, 2, name);
    return AddressRecord::Read(bytes, offset + 8, name);
}

// A table of one text: count byte 1 and the offset of a text record.
GlyphRun SingleTextTable(const ImageBytes& bytes, GlyphStore& glyphs, size_t field, const RecordName& name) {
    const uint32_t table = bytes.U32(field, name);
    if (table == 0) {
        return {};
    }
    bytes.CheckTarget(field, table, name);
    const RecordName tableName("text table", name);
    const uint8_t count = bytes.U8(table, tableName);
    if (count == 0) {
        return {};
    }
    const uint32_t text = bytes.U32(table + 1, tableName);
    if (text != 0) {
        bytes.CheckTarget(table + 1, text, tableName);
    }
    return glyphs.Text(bytes, text, name);
}

DataType TypeOf(uint32_t code, size_t offset, const ImageBytes&, const RecordName& name) {
    if (code > 4) {
        ImageBytes::Fail(offset, name, Format("data type %u is unknown", code));
    }
    return static_cast<DataType>(code);
}

// A scale or limit value: a single float for the float types, a signed or
// unsigned 32-bit integer otherwise.
double ScaleValue(uint32_t raw, DataType type) {
    switch (type) {
    case DataType::Float:
    case DataType::Double: {
        float value = 0;
        std::memcpy(&value, &raw, sizeof value);
        return static_cast<double>(value);
    }
    case DataType::Signed:
        return static_cast<double>(static_cast<int32_t>(raw));
    default:
        return static_cast<double>(raw);
    }
}

LampRecord ReadLamp(const ImageBytes& bytes, GlyphStore& glyphs, size_t offset, const RecordName& name) {
    LampRecord lamp;
    lamp.address = AddressedHead(bytes, offset, name);
    bytes.Expect(offset + 20, 1, 4, name);
    const uint32_t table = bytes.U32(offset + 24, name);
    lamp.flags = bytes.U16(offset + 28, name);
    lamp.period = bytes.U16(offset + 30, name);
    if (table != 0) {
        bytes.CheckTarget(offset + 24, table, name);
        const RecordName tableName("picture table", name);
        const uint8_t count = bytes.U8(table, tableName);
        int* slots[2] = {&lamp.offPicture, &lamp.onPicture};
        for (size_t i = 0; i < 2 && i < count; ++i) {
            const uint32_t picture = bytes.U32(table + 1 + 4 * i, tableName);
            if (picture != 0) {
                bytes.CheckTarget(table + 1 + 4 * i, picture, tableName);
                *slots[i] = glyphs.BitmapRecord(bytes, picture, name);
            }
        }
    }
    return lamp;
}

KeyRecord ReadKey(const ImageBytes& bytes, GlyphStore& glyphs, size_t offset, const RecordName& name) {
    KeyRecord key;
    const uint8_t writes = bytes.U8(offset + 4, name);
    size_t at = offset + 8;
    if (writes == 1) {
        bytes.Expect(offset + 6, 2, 2, name);
        key.address = AddressRecord::Read(bytes, at, name);
        at += AddressRecord::kSize;
    } else if (writes != 0) {
        ImageBytes::Fail(offset + 4, name, Format("address flag is %u, not 0 or 1", writes));
    }
    const uint32_t active = bytes.U32(at, name);
    at += 4;
    if (active == 4) {
        const uint32_t table = bytes.U32(at, name);
        if (table != 0) {
            bytes.CheckTarget(at, table, name);
            const RecordName tableName("picture table", name);
            if (bytes.U8(table, tableName) != 0) {
                const uint32_t text = bytes.U32(table + 1, tableName);
                if (text != 0) {
                    bytes.CheckTarget(table + 1, text, tableName);
                    key.pictures = glyphs.Text(bytes, text, name);
                }
            }
        }
        at += 4;
    } else if (active != 0) {
        ImageBytes::Fail(at - 4, name, Format("picture marker is %u, not 0 or 4", active));
    }
    key.head = bytes.U32(at, name);
    const uint32_t words = key.head & 0xFF;
    if (words == 0) {
        ImageBytes::Fail(at, name, "function block length is 0");
    }
    bytes.Require(at, 4u * words + 4u, name);
    for (uint32_t i = 1; i < words; ++i) {
        key.values.push_back(bytes.S32(at + 4 * i, name));
    }
    key.levelWord = bytes.U32(at + 4 * words, name);
    return key;
}

StaticTextRecord ReadStaticText(const ImageBytes& bytes, GlyphStore& glyphs, size_t offset,
                                const RecordName& name) {
    StaticTextRecord text;
    bytes.Expect(offset + 8, 4, 4, name);
    text.reverse = (bytes.U8(offset + 17, name) & 0x10) != 0;
    text.text = SingleTextTable(bytes, glyphs, offset + 12, name);
    return text;
}

DynamicTextRecord ReadDynamicText(const ImageBytes& bytes, GlyphStore& glyphs, size_t offset,
                                  const RecordName& name) {
    DynamicTextRecord text;
    text.address = AddressedHead(bytes, offset, name);
    bytes.Expect(offset + 20, 4, 4, name);
    const uint32_t table = bytes.U32(offset + 24, name);
    text.flags = bytes.U8(offset + 29, name);
    const uint16_t states = bytes.U16(offset + 32, name);
    bytes.Require(offset + 34, 2u * states, name);
    for (size_t i = 0; i < states; ++i) {
        text.values.push_back(bytes.U16(offset + 34 + 2 * i, name));
    }
    if (table != 0) {
        bytes.CheckTarget(offset + 24, table, name);
        const RecordName tableName("state table", name);
        const uint8_t count = bytes.U8(table, tableName);
        bytes.Require(table + 1, 4u * count, tableName);
        for (size_t i = 0; i < count && i < states; ++i) {
            const uint32_t record = bytes.U32(table + 1 + 4 * i, tableName);
            if (record != 0) {
                bytes.CheckTarget(table + 1 + 4 * i, record, tableName);
            }
            text.texts.push_back(glyphs.Text(bytes, record, name));
        }
    }
    // States without a text show nothing.
    text.texts.resize(text.values.size());
    return text;
}

RegisterRecord ReadRegister(const ImageBytes& bytes, GlyphStore& glyphs, size_t offset, const RecordName& name) {
    RegisterRecord reg;
    reg.address = AddressedHead(bytes, offset, name);
    bytes.Expect(offset + 20, 4, 4, name);
    reg.attributes = bytes.U32(offset + 28, name);
    const uint32_t typeCode = (reg.attributes >> 8) & 0xF;
    const DataType type = TypeOf(typeCode, offset + 28, bytes, name);
    const uint32_t following = reg.attributes & 0xFF;
    const bool limits = (reg.attributes & (1u << 17)) != 0;
    const uint32_t expected = 1 + (limits ? 2 : 0) + (reg.Scaling() ? 2 : 0);
    if (following != expected) {
        ImageBytes::Fail(offset + 28, name,
                         Format("attribute word announces %u following words where its flags need %u", following,
                                expected));
    }
    size_t at = offset + 32;
    if (limits) {
        reg.inputUpper = ScaleValue(bytes.U32(at, name), type);
        reg.inputLower = ScaleValue(bytes.U32(at + 4, name), type);
        at += 8;
    }
    if (reg.Scaling()) {
        reg.scaleUpper = ScaleValue(bytes.U32(at, name), type);
        reg.scaleLower = ScaleValue(bytes.U32(at + 4, name), type);
        at += 8;
    }
    reg.levelWord = bytes.U32(at, name);
    reg.characters = SingleTextTable(bytes, glyphs, offset + 24, name);
    return reg;
}

// The tail shared by bars and trends: 3, type (+ 16 x direction), width
// byte, 0, full scale, zero scale.
template <typename Graph>
void ReadScale(const ImageBytes& bytes, size_t at, const RecordName& name, Graph& graph, uint8_t* direction) {
    bytes.Expect(at, 3, 1, name);
    const uint8_t typeByte = bytes.U8(at + 1, name);
    graph.type = TypeOf(typeByte & 0xF, at + 1, bytes, name);
    if (direction != nullptr) {
        *direction = static_cast<uint8_t>(typeByte >> 4);
        if (*direction > 3) {
            ImageBytes::Fail(at + 1, name, Format("direction %u is unknown", *direction));
        }
    }
    graph.twoWords = bytes.U8(at + 2, name) == 4;
    graph.fullScale = ScaleValue(bytes.U32(at + 4, name), graph.type);
    graph.zeroScale = ScaleValue(bytes.U32(at + 8, name), graph.type);
}

BarRecord ReadBar(const ImageBytes& bytes, size_t offset, const RecordName& name) {
    BarRecord bar;
    bar.address = AddressedHead(bytes, offset, name);
    bytes.Expect(offset + 20, 0, 4, name);
    ReadScale(bytes, offset + 24, name, bar, &bar.direction);
    return bar;
}

TrendRecord ReadTrend(const ImageBytes& bytes, size_t offset, const RecordName& name) {
    TrendRecord trend;
    bytes.Expect(offset + 12, 4, 4, name);
    trend.channel = bytes.U16(offset + 16, name);
    trend.points = bytes.U16(offset + 18, name);
    bytes.Expect(offset + 22, 1, 2, name);
    bytes.Expect(offset + 24, static_cast<uint32_t>(offset + 28), 4, name);
    ReadScale(bytes, offset + 28, name, trend, nullptr);
    return trend;
}

PictureRecord ReadPicture(const ImageBytes& bytes, GlyphStore& glyphs, size_t offset, const RecordName& name) {
    PictureRecord picture;
    bytes.Expect(offset + 8, 1, 4, name);
    const uint32_t object = bytes.U32(offset + 12, name);
    if (object == 0) {
        return picture;
    }
    bytes.CheckTarget(offset + 12, object, name);
    const RecordName objectName("picture object", name);
    bytes.Expect(object, 1, 1, objectName);
    const uint32_t bitmap = bytes.U32(object + 1, objectName);
    if (bitmap != 0) {
        bytes.CheckTarget(object + 1, bitmap, objectName);
        picture.bitmap = glyphs.BitmapRecord(bytes, bitmap, name);
    }
    return picture;
}

AsciiRecord ReadAscii(const ImageBytes& bytes, GlyphStore& glyphs, size_t offset, const RecordName& name) {
    AsciiRecord ascii;
    ascii.address = AddressedHead(bytes, offset, name);
    bytes.Expect(offset + 20, 4, 4, name);
    ascii.reverse = (bytes.U8(offset + 29, name) & 0x10) != 0;
    ascii.count = bytes.U8(offset + 30, name);
    ascii.characters = SingleTextTable(bytes, glyphs, offset + 24, name);
    return ascii;
}

EventListRecord ReadEventList(const ImageBytes& bytes, size_t offset, const RecordName& name) {
    EventListRecord list;
    list.layout = bytes.U32(offset + 12, name);
    list.separator = bytes.U32(offset + 16, name);
    return list;
}

} // namespace

const char* KindName(ElementKind kind) {
    static const char* const kNames[] = {"lamp",          "function key",  "static text", "dynamic text",
                                         "register",      "bar graph",     "trend graph", "picture",
                                         "trend buffer",  "ASCII string",  "event list"};
    const auto index = static_cast<size_t>(kind);
    return index < std::size(kNames) ? kNames[index] : "element";
}

ElementRecord ReadElement(const ImageBytes& bytes, GlyphStore& glyphs, uint16_t kind, size_t offset,
                          const RecordName& name) {
    ElementRecord element;
    element.kind = static_cast<ElementKind>(kind);
    element.offset = offset;
    const uint8_t left = bytes.U8(offset, name);
    const uint8_t top = bytes.U8(offset + 1, name);
    const uint8_t right = bytes.U8(offset + 2, name);
    const uint8_t bottom = bytes.U8(offset + 3, name);
    // An empty element (zero width) compiles right = left - 1.
    element.rect = PixelRect{left, top, static_cast<int>(right) + 1, static_cast<int>(bottom) + 1};
    if (element.rect.right < left) {
        element.rect.right = left;
    }
    if (element.rect.bottom < top) {
        element.rect.bottom = top;
    }
    switch (element.kind) {
    case ElementKind::Lamp:
        element.data = ReadLamp(bytes, glyphs, offset, name);
        break;
    case ElementKind::Key:
        element.data = ReadKey(bytes, glyphs, offset, name);
        break;
    case ElementKind::StaticText:
        element.data = ReadStaticText(bytes, glyphs, offset, name);
        break;
    case ElementKind::DynamicText:
        element.data = ReadDynamicText(bytes, glyphs, offset, name);
        break;
    case ElementKind::Register:
        element.data = ReadRegister(bytes, glyphs, offset, name);
        break;
    case ElementKind::Bar:
        element.data = ReadBar(bytes, offset, name);
        break;
    case ElementKind::Trend:
        element.data = ReadTrend(bytes, offset, name);
        break;
    case ElementKind::Picture:
        element.data = ReadPicture(bytes, glyphs, offset, name);
        break;
    case ElementKind::Ascii:
        element.data = ReadAscii(bytes, glyphs, offset, name);
        break;
    case ElementKind::EventList:
        element.data = ReadEventList(bytes, offset, name);
        break;
    default:
        // The trend buffer has no record of its own.
        break;
    }
    return element;
}

} // namespace balsar::runtime
