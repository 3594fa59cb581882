#pragma once
// An element kind for testing screens and project files before (and apart
// from) the real kinds: any kind code, an order value, a body of one extra
// value, a 6-byte compiled record and a port field for address operations.
#include <memory>

#include "base/Archive.h"
#include "base/ByteWriter.h"
#include "base/ClassRegistry.h"
#include "elements/CGraphElement.h"
#include "elements/CompileContext.h"
#include "project/CoreClasses.h"

namespace balsar::test {

class FakeElement : public CGraphElement {
    BALSAR_DECLARE_CLASS(FakeElement)
public:
    explicit FakeElement(int32_t kind = 4) : CGraphElement(kind) {}

    std::unique_ptr<CGraphElement> Clone() const override {
        auto copy = std::make_unique<FakeElement>(m_kind);
        copy->CopyFrom(*this);
        return copy;
    }
    void CopyFrom(const CGraphElement& other) override {
        CGraphElement::CopyFrom(other);
        if (const auto* fake = dynamic_cast<const FakeElement*>(&other)) {
            payload = fake->payload;
            port = fake->port;
        }
    }
    void Serialize(Archive& ar) override {
        CGraphElement::Serialize(ar);
        ar.Value(payload);
        ar.Value(port);
    }
    void Compile(CompileContext& context) const override {
        CompilePosition(context);
        AppendBytes(context.image, payload, 2);
    }
    void ResetAddress() override { port = -1; }
    void SwapPorts(int32_t a, int32_t b) override {
        if (port == a) {
            port = b;
        } else if (port == b) {
            port = a;
        }
    }

    uint16_t payload = 0;
    int32_t port = -1;
};

// The core classes plus FakeElement.
const ClassRegistry& TestRegistry();

} // namespace balsar::test
