#pragma once
// Copying elements and their parts through the class's own memberwise copy,
// so that a field added to a kind is carried by every property edit, undo
// and screen copy without anyone having to remember it.
//
// State that must not travel with a copy says so in its type:
// ProjectLink (a pointer into the element's own project) and ActiveHandle
// (editor state, in ResizeHandles.h).
#include <cstdint>
#include <memory>

#include "elements/CGraphElement.h"

namespace balsar {

// Base of every element kind: Clone and CopyFrom for Kind.
template <class Kind> class CopyableElement : public CGraphElement {
public:
    // A default Kind filled by CopyFrom: everything but the ID and the
    // order, which stay unset until the copy is placed.
    std::unique_ptr<CGraphElement> Clone() const override {
        auto copy = std::make_unique<Kind>();
        copy->CopyFrom(*this);
        return copy;
    }

    // From an element of the same kind: every field of Kind but the ID and
    // the order. From another kind: the common attributes only.
    void CopyFrom(const CGraphElement& other) override {
        const auto* same = dynamic_cast<const Kind*>(&other);
        if (same == nullptr) {
            CGraphElement::CopyFrom(other);
            return;
        }
        const uint16_t id = m_id;
        const int32_t order = m_order;
        static_cast<Kind&>(*this) = *same;
        m_id = id;
        m_order = order;
    }

protected:
    explicit CopyableElement(int32_t kind) : CGraphElement(kind) {}
};

// Clone and CopyFrom of a value class (the key actions) through its copy.
template <class Self> class CopyableValue {
public:
    std::unique_ptr<Self> Clone() const { return std::make_unique<Self>(static_cast<const Self&>(*this)); }
    void CopyFrom(const Self& other) { static_cast<Self&>(*this) = other; }

    bool operator==(const CopyableValue&) const = default;
};

// A pointer to something the element's project owns (its bitmap library,
// the PLC description of a legacy import). It belongs to where the element
// lives, not to its contents: copying another element's contents keeps the
// link already held and takes the other's only while none is held (a fresh
// clone), so an element never ends up pointing into another project.
template <class T> class ProjectLink {
public:
    ProjectLink() = default;
    ProjectLink(const ProjectLink&) = default;
    ProjectLink& operator=(const ProjectLink& other) {
        if (m_target == nullptr) {
            m_target = other.m_target;
        }
        return *this;
    }

    void Set(T* target) { m_target = target; }
    T* Get() const { return m_target; }

private:
    T* m_target = nullptr;
};

} // namespace balsar
