#pragma once
// One JSON visitor that writes and reads, so that the text form of a class
// lists its fields once, in one function, the way Serialize(Archive&) does
// for the binary form. Writing fills an ordered object (keys stay in the
// order they were visited); reading is strict: every field must be present
// with the right type and range, and Finish() refuses members nobody asked
// for. Every refusal raises JsonImportError naming the member's path
// ("$.screens[2].elements[0].address.width").
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

namespace balsar {

using Json = nlohmann::ordered_json;

// A JSON text that does not describe what the reader expects.
class JsonImportError : public std::runtime_error {
public:
    JsonImportError(const std::string& path, const std::string& message)
        : std::runtime_error(path + ": " + message), m_path(path) {}
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// What a reader builds beside the model; derived by the callers that need
// it (the visitor only carries it to nested objects).
class JsonContext {
public:
    virtual ~JsonContext() = default;
};

class JsonIo {
public:
    // Writing: out becomes an object and receives the fields.
    explicit JsonIo(Json& out, JsonContext* context = nullptr);
    // Reading the object found at path ("$" for the document).
    JsonIo(const Json& in, std::string path, JsonContext* context = nullptr);

    bool IsWriting() const { return m_out != nullptr; }
    bool IsReading() const { return m_out == nullptr; }
    JsonContext* Context() const { return m_context; }
    const std::string& Path() const { return m_path; }

    // Integers (range-checked on reading), doubles and UTF-8 strings.
    template <class T> void Field(const char* name, T& value) {
        if (IsWriting()) {
            (*m_out)[name] = Written(value);
        } else {
            Parse(Member(name), MemberPath(name), value);
        }
    }
    // A field the model keeps behind accessors: writing emits current,
    // reading hands the value read to apply.
    template <class T, class Apply> void Property(const char* name, const T& current, Apply&& apply) {
        T value = current;
        Field(name, value);
        if (IsReading()) {
            apply(value);
        }
    }
    // A nested object: fields(JsonIo&) lists its members.
    template <class Fn> void Object(const char* name, Fn&& fields) {
        if (IsWriting()) {
            Json child = Json::object();
            JsonIo io(child, m_context);
            fields(io);
            (*m_out)[name] = std::move(child);
        } else {
            JsonIo io(Member(name), MemberPath(name), m_context);
            io.RequireObject();
            fields(io);
            io.Finish();
        }
    }
    // An array of objects. Writing visits count entries; reading visits
    // as many as the text holds and returns that number. each(JsonIo&,
    // index) lists an entry's members.
    template <class Fn> size_t Array(const char* name, size_t count, Fn&& each) {
        if (IsWriting()) {
            Json list = Json::array();
            for (size_t i = 0; i < count; ++i) {
                Json child = Json::object();
                JsonIo io(child, m_context);
                each(io, i);
                list.push_back(std::move(child));
            }
            (*m_out)[name] = std::move(list);
            return count;
        }
        const Json& list = ArrayMember(name);
        for (size_t i = 0; i < list.size(); ++i) {
            JsonIo io(list[i], ItemPath(name, i), m_context);
            io.RequireObject();
            each(io, i);
            io.Finish();
        }
        return list.size();
    }
    // The same over a vector of default-constructible items, resized to the
    // text's count on reading.
    template <class Item, class Fn> void Array(const char* name, std::vector<Item>& items, Fn&& each) {
        if (IsReading()) {
            items.assign(ArrayMember(name).size(), Item{});
        }
        Array(name, items.size(), [&](JsonIo& io, size_t i) { each(io, items[i]); });
    }
    // A fixed number of integers.
    template <class T, size_t N> void Values(const char* name, std::array<T, N>& values) {
        if (IsWriting()) {
            Json list = Json::array();
            for (const T& v : values) {
                list.push_back(v);
            }
            (*m_out)[name] = std::move(list);
            return;
        }
        const Json& list = ArrayMember(name);
        if (list.size() != N) {
            Fail(name, "expected " + std::to_string(N) + " values, found " + std::to_string(list.size()));
        }
        for (size_t i = 0; i < N; ++i) {
            Parse(list[i], ItemPath(name, i), values[i]);
        }
    }
    // Bytes as rows of hexadecimal digits, rowBytes bytes to a row. With
    // exactRows, reading wants rowCount rows of exactly rowBytes bytes;
    // otherwise any rows of whole bytes, joined.
    void HexRows(const char* name, std::vector<uint8_t>& bytes, size_t rowBytes, bool exactRows, size_t rowCount);
    // 32-bit values as eight hexadecimal digits each.
    void HexWords(const char* name, std::vector<uint32_t>& words);

    // Reading: whether the object has that member.
    bool Has(const char* name) const;
    // Reading: names of the members not visited so far.
    std::vector<std::string> Unvisited() const;
    // Reading: refuses the first member nobody visited.
    void Finish() const;
    // Raises the error for a member of this object.
    [[noreturn]] void Fail(const std::string& member, const std::string& message) const;
    // Path of a member of this object.
    std::string MemberPath(const std::string& member) const;

private:
    void RequireObject() const;
    const Json& Member(const char* name);
    const Json& ArrayMember(const char* name);
    std::string ItemPath(const char* name, size_t index) const;

    template <class T> static Json Written(const T& value) {
        if constexpr (std::is_floating_point_v<T>) {
            return WrittenDouble(value);
        } else {
            return value;
        }
    }
    static Json WrittenDouble(double value);

    static void Parse(const Json& node, const std::string& path, std::string& value);
    static void Parse(const Json& node, const std::string& path, double& value);
    template <class T> static void Parse(const Json& node, const std::string& path, T& value) {
        static_assert(std::is_integral_v<T> && !std::is_same_v<T, bool>);
        value = static_cast<T>(ParseInteger(node, path, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    }
    static int64_t ParseInteger(const Json& node, const std::string& path, int64_t lowest, uint64_t largest);

    Json* m_out = nullptr;
    const Json* m_in = nullptr;
    std::string m_path;
    JsonContext* m_context = nullptr;
    std::vector<std::string> m_visited;
};

// A short quote of a JSON value for messages.
std::string QuoteJson(const Json& node);

} // namespace balsar
