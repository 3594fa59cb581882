#include "base/Archive.h"

#include "base/Utf.h"

namespace balsar {

namespace {

constexpr uint16_t kNullTag = 0;
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint16_t kBigObjectTag = 0x7FFF;
constexpr uint32_t kBigClassTag = 0x80000000u;
constexpr uint32_t kMaxMapCount = 0x3FFFFFFEu;
constexpr uint16_t kUnicodeMarker = 0xFFFE;
constexpr size_t kMaxClassNameLength = 64;

} // namespace

Archive::Archive() : m_storing(true) { m_buffer.reserve(4096); }

Archive::Archive(std::span<const uint8_t> data, const ClassRegistry& registry)
    : m_storing(false), m_input(data), m_registry(&registry) {
    m_loadArray.resize(1); // index 0 is the null reference
}

void Archive::Need(size_t n) const {
    if (n > Remaining()) {
        throw ArchiveError("unexpected end of file");
    }
}

void Archive::Bytes(uint8_t* data, size_t n) {
    if (m_storing) {
        m_buffer.insert(m_buffer.end(), data, data + n);
    } else {
        Need(n);
        if (n != 0) {
            std::memcpy(data, m_input.data() + m_pos, n);
        }
        m_pos += n;
    }
}

void Archive::String(std::string& text) {
    if (m_storing) {
        const std::u16string units = Utf8ToUtf16(text);
        const size_t n = units.size();
        Write<uint8_t>(0xFF);
        Write<uint16_t>(kUnicodeMarker);
        if (n < 0xFF) {
            Write<uint8_t>(static_cast<uint8_t>(n));
        } else if (n < 0xFFFE) {
            // A 16-bit length of 0xFFFE would read back as the UTF-16 marker,
            // so lengths from 0xFFFE up take the 32-bit form.
            Write<uint8_t>(0xFF);
            Write<uint16_t>(static_cast<uint16_t>(n));
        } else {
            Write<uint8_t>(0xFF);
            Write<uint16_t>(0xFFFF);
            Write<uint32_t>(static_cast<uint32_t>(n));
        }
        for (char16_t u : units) {
            Write<uint16_t>(static_cast<uint16_t>(u));
        }
        return;
    }

    size_t charSize = 1;
    uint64_t length = 0;
    uint8_t b = Read<uint8_t>();
    if (b < 0xFF) {
        length = b;
    } else {
        uint16_t w = Read<uint16_t>();
        if (w == kUnicodeMarker) {
            charSize = 2;
            b = Read<uint8_t>();
            if (b < 0xFF) {
                length = b;
            } else {
                w = Read<uint16_t>();
            }
        }
        if (b == 0xFF) {
            if (w < 0xFFFF) {
                length = w;
            } else {
                const uint32_t d = Read<uint32_t>();
                if (d == 0xFFFFFFFFu) {
                    throw ArchiveError("string too long");
                }
                length = d;
            }
        }
    }
    if (length > Remaining() / charSize) {
        throw ArchiveError("string length beyond end of file");
    }
    if (charSize == 2) {
        std::u16string units(static_cast<size_t>(length), u'\0');
        for (auto& u : units) {
            u = static_cast<char16_t>(Read<uint16_t>());
        }
        text = Utf16ToUtf8(units);
    } else {
        std::string bytes(static_cast<size_t>(length), '\0');
        Bytes(reinterpret_cast<uint8_t*>(bytes.data()), bytes.size());
        text = LegacyBytesToUtf8(bytes);
    }
}

void Archive::WriteCount(uint32_t count) {
    if (count < 0xFFFF) {
        Write<uint16_t>(static_cast<uint16_t>(count));
    } else {
        Write<uint16_t>(0xFFFF);
        Write<uint32_t>(count);
    }
}

uint32_t Archive::ReadCount(size_t minBytesEach) {
    uint32_t count = Read<uint16_t>();
    if (count == 0xFFFF) {
        count = Read<uint32_t>();
    }
    if (minBytesEach != 0 && count > Remaining() / minBytesEach) {
        throw ArchiveError("count beyond end of file");
    }
    return count;
}

void Archive::ByteArray(std::vector<uint8_t>& bytes) {
    if (m_storing) {
        WriteCount(static_cast<uint32_t>(bytes.size()));
        Bytes(bytes.data(), bytes.size());
    } else {
        const uint32_t n = ReadCount(1);
        bytes.assign(n, 0);
        Bytes(bytes.data(), n);
    }
}

uint32_t Archive::NextIndex() {
    if (m_mapCount >= kMaxMapCount) {
        throw ArchiveError("too many objects");
    }
    return m_mapCount++;
}

void Archive::WriteIndexTag(uint32_t index, bool isClass) {
    if (index < kBigObjectTag) {
        Write<uint16_t>(static_cast<uint16_t>(isClass ? (kClassTag | index) : index));
    } else {
        Write<uint16_t>(kBigObjectTag);
        Write<uint32_t>(isClass ? (kBigClassTag | index) : index);
    }
}

void Archive::WriteObject(const Archivable* object) {
    if (object == nullptr) {
        Write<uint16_t>(kNullTag);
        return;
    }
    if (const auto seen = m_storeMap.find(object); seen != m_storeMap.end()) {
        WriteIndexTag(seen->second, false);
        return;
    }
    const ClassInfo& info = object->GetRuntimeClass();
    if (const auto known = m_storeMap.find(&info); known != m_storeMap.end()) {
        WriteIndexTag(known->second, true);
    } else {
        Write<uint16_t>(kNewClassTag);
        Write<uint16_t>(info.schema);
        Write<uint16_t>(static_cast<uint16_t>(info.name.size()));
        Bytes(reinterpret_cast<uint8_t*>(const_cast<char*>(info.name.data())), info.name.size());
        m_storeMap[&info] = NextIndex();
    }
    m_storeMap[object] = NextIndex();
    const_cast<Archivable*>(object)->Serialize(*this);
}

const ClassInfo* Archive::ReadClassTag(uint32_t& objectIndex) {
    objectIndex = 0;
    const uint16_t tag = Read<uint16_t>();
    uint32_t obTag = 0;
    if (tag == kBigObjectTag) {
        obTag = Read<uint32_t>();
    } else if (tag == kNewClassTag) {
        const uint16_t schema = Read<uint16_t>();
        const uint16_t length = Read<uint16_t>();
        if (length == 0 || length > kMaxClassNameLength) {
            throw ArchiveError("bad class name");
        }
        std::string name(length, '\0');
        Bytes(reinterpret_cast<uint8_t*>(name.data()), length);
        const ClassInfo* info = m_registry->Find(name);
        if (info == nullptr || info->create == nullptr) {
            throw ArchiveError("unknown class " + name);
        }
        if (info->schema != schema) {
            throw ArchiveError("unsupported schema of class " + name);
        }
        NextIndex();
        m_loadArray.push_back({info, false});
        return info;
    } else {
        obTag = (static_cast<uint32_t>(tag & kClassTag) << 16) | (tag & ~kClassTag);
    }

    if ((obTag & kBigClassTag) != 0) {
        const uint32_t index = obTag & ~kBigClassTag;
        if (index == 0 || index >= m_loadArray.size() || m_loadArray[index].isObject) {
            throw ArchiveError("bad class reference");
        }
        return m_loadArray[index].cls;
    }
    objectIndex = obTag;
    return nullptr;
}

std::unique_ptr<Archivable> Archive::ReadObject(const ClassInfo& expected) {
    uint32_t objectIndex = 0;
    const ClassInfo* info = ReadClassTag(objectIndex);
    if (info == nullptr) {
        if (objectIndex == 0) {
            return nullptr;
        }
        // Every object the model writes is owned by exactly one parent, so a
        // back-reference to an object already read cannot come from a sound file.
        throw ArchiveError("unexpected shared object reference");
    }
    if (!info->IsDerivedFrom(expected)) {
        throw ArchiveError("object of class " + std::string(info->name) + " where " +
                           std::string(expected.name) + " was expected");
    }
    std::unique_ptr<Archivable> object = info->create();
    NextIndex();
    m_loadArray.push_back({info, true});
    object->Serialize(*this);
    return object;
}

} // namespace balsar
