#pragma once
// Run-time class descriptions of persistent objects. A class description
// names the class and its schema and can create an empty object, so an
// archive can rebuild an object graph from the class names it finds.
#include <cstdint>
#include <memory>
#include <string_view>

namespace balsar {

class Archive;
class Archivable;

struct ClassInfo {
    std::string_view name;
    uint16_t schema = 0;
    // Creates an empty object of the class; null for abstract classes.
    std::unique_ptr<Archivable> (*create)() = nullptr;
    // Base class description; null at the root.
    const ClassInfo* base = nullptr;

    // True when this class is `other` or derives from it.
    bool IsDerivedFrom(const ClassInfo& other) const;
};

class Archivable {
public:
    virtual ~Archivable() = default;
    virtual const ClassInfo& GetRuntimeClass() const = 0;
    virtual void Serialize(Archive& ar) = 0;

    // The base part holds no state; this only lets archivable value classes
    // default their own memberwise comparison.
    bool operator==(const Archivable&) const = default;
};

} // namespace balsar

// Declares the static class description of an archivable class.
#define BALSAR_DECLARE_CLASS(Class)                                                                          \
public:                                                                                                      \
    static const ::balsar::ClassInfo& StaticClass();                                                         \
    const ::balsar::ClassInfo& GetRuntimeClass() const override { return StaticClass(); }                    \
                                                                                                             \
private:

// Defines it: name, schema and base description (nullptr at the root).
#define BALSAR_IMPLEMENT_CLASS(Class, Schema, BaseInfo)                                                      \
    const ::balsar::ClassInfo& Class::StaticClass() {                                                        \
        static const ::balsar::ClassInfo info{                                                               \
            #Class, Schema, []() -> std::unique_ptr<::balsar::Archivable> { return std::make_unique<Class>(); }, \
            BaseInfo};                                                                                       \
        return info;                                                                                         \
    }

// For abstract classes that cannot be created from an archive.
#define BALSAR_IMPLEMENT_ABSTRACT_CLASS(Class, Schema, BaseInfo)                                             \
    const ::balsar::ClassInfo& Class::StaticClass() {                                                        \
        static const ::balsar::ClassInfo info{#Class, Schema, nullptr, BaseInfo};                            \
        return info;                                                                                         \
    }
