#pragma once
// The binary object archive of project files and of the editor's clipboard.
//
// One Archive type reads and writes; every persistent class has one
// Serialize(Archive&) that branches on IsStoring() only where the two
// directions differ. Layout rules kept here, nowhere else:
//  - integers and doubles little-endian;
//  - strings: 0xFF, 0xFFFE (UTF-16 marker), then the length in characters
//    (byte < 0xFF; else 0xFF + 16-bit < 0xFFFE; else 0xFF, 0xFFFF + 32-bit),
//    then UTF-16LE units;
//  - counts: 16-bit, or 0xFFFF followed by a 32-bit count;
//  - objects: a class tag (0xFFFF, schema, name length, ASCII name for a new
//    class; 0x8000 + index for a known one), then the body. Classes and
//    objects share one index space starting at 1; indexes from 0x7FFF up are
//    written as 0x7FFF followed by a 32-bit value.
// A truncated or damaged input raises ArchiveError; every count is checked
// against the bytes that remain before anything is allocated.
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "base/Archivable.h"
#include "base/ClassRegistry.h"

namespace balsar {

class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Extra information a Serialize may need (for example the project being
// loaded); derived by the modules that need it.
class ArchiveContext {
public:
    virtual ~ArchiveContext() = default;
};

namespace detail {
template <class T, bool IsEnum = std::is_enum_v<T>> struct UnsignedOfImpl {
    using type = std::make_unsigned_t<std::conditional_t<std::is_same_v<T, bool>, uint8_t, T>>;
};
template <class T> struct UnsignedOfImpl<T, true> {
    using type = std::make_unsigned_t<std::underlying_type_t<T>>;
};
} // namespace detail

class Archive {
    template <class T> using UnsignedOf = detail::UnsignedOfImpl<T>;

public:
    // An archive that stores into its own buffer.
    Archive();
    // An archive that loads from data; classes are created through registry.
    Archive(std::span<const uint8_t> data, const ClassRegistry& registry);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    // Integers (any width), enums and doubles, little-endian.
    template <class T> void Value(T& v) {
        static_assert(std::is_arithmetic_v<T> || std::is_enum_v<T>);
        if constexpr (std::is_floating_point_v<T>) {
            static_assert(sizeof(T) == 8, "only 64-bit doubles are archived");
            uint64_t bits = 0;
            if (m_storing) {
                std::memcpy(&bits, &v, 8);
            }
            Raw(bits);
            if (!m_storing) {
                std::memcpy(&v, &bits, 8);
            }
        } else {
            using U = typename UnsignedOf<T>::type;
            U bits = 0;
            if (m_storing) {
                bits = static_cast<U>(v);
            }
            Raw(bits);
            if (!m_storing) {
                v = static_cast<T>(bits);
            }
        }
    }
    // Writes a value (storing only).
    template <class T> void Write(T v) { Value(v); }
    // Reads a value (loading only).
    template <class T> T Read() {
        T v{};
        Value(v);
        return v;
    }

    // A string in the archive form; the model keeps UTF-8.
    void String(std::string& text);
    // 16-bit count with the 32-bit escape.
    void WriteCount(uint32_t count);
    // Reads a count and checks that at least count * minBytesEach bytes remain.
    uint32_t ReadCount(size_t minBytesEach);
    // A byte array: count, then the bytes.
    void ByteArray(std::vector<uint8_t>& bytes);
    // n raw bytes.
    void Bytes(uint8_t* data, size_t n);

    // Writes an object with its class tag (null writes the null tag).
    void WriteObject(const Archivable* object);
    // Reads an object that must be of class `expected` or derived from it.
    // Null for the null tag.
    std::unique_ptr<Archivable> ReadObject(const ClassInfo& expected);
    template <class T> std::unique_ptr<T> ReadObjectAs() {
        std::unique_ptr<Archivable> object = ReadObject(T::StaticClass());
        return std::unique_ptr<T>(static_cast<T*>(object.release()));
    }
    // A list of owned objects in the object-list form. Loading replaces the
    // list's contents; null entries in a file are dropped.
    template <class T> void ObjectList(std::vector<std::unique_ptr<T>>& list) {
        if (m_storing) {
            WriteCount(static_cast<uint32_t>(list.size()));
            for (const auto& object : list) {
                WriteObject(object.get());
            }
        } else {
            list.clear();
            const uint32_t count = ReadCount(2);
            list.reserve(count);
            for (uint32_t i = 0; i < count; ++i) {
                if (auto object = ReadObjectAs<T>()) {
                    list.push_back(std::move(object));
                }
            }
        }
    }

    // Everything stored so far.
    const std::vector<uint8_t>& Data() const { return m_buffer; }
    std::vector<uint8_t> TakeData() { return std::move(m_buffer); }
    // Bytes not yet read.
    size_t Remaining() const { return m_input.size() - m_pos; }
    size_t Position() const { return m_storing ? m_buffer.size() : m_pos; }

    void SetContext(ArchiveContext* context) { m_context = context; }
    ArchiveContext* Context() const { return m_context; }

private:
    template <class U> void Raw(U& bits) {
        if (m_storing) {
            for (size_t i = 0; i < sizeof(U); ++i) {
                m_buffer.push_back(static_cast<uint8_t>(static_cast<uint64_t>(bits) >> (8 * i)));
            }
        } else {
            Need(sizeof(U));
            uint64_t v = 0;
            for (size_t i = 0; i < sizeof(U); ++i) {
                v |= static_cast<uint64_t>(m_input[m_pos + i]) << (8 * i);
            }
            m_pos += sizeof(U);
            bits = static_cast<U>(v);
        }
    }
    void Need(size_t n) const;
    void WriteIndexTag(uint32_t index, bool isClass);
    const ClassInfo* ReadClassTag(uint32_t& objectIndex);
    uint32_t NextIndex();

    bool m_storing;
    std::vector<uint8_t> m_buffer;
    std::span<const uint8_t> m_input;
    size_t m_pos = 0;
    const ClassRegistry* m_registry = nullptr;
    ArchiveContext* m_context = nullptr;
    uint32_t m_mapCount = 1;
    // Storing: index of each class and object already written.
    std::unordered_map<const void*, uint32_t> m_storeMap;
    // Loading: what each index stands for (a class, or an object seen).
    struct LoadEntry {
        const ClassInfo* cls = nullptr;
        bool isObject = false;
    };
    std::vector<LoadEntry> m_loadArray;
};

} // namespace balsar
