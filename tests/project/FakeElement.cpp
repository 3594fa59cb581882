#include "project/FakeElement.h"

namespace balsar::test {

BALSAR_IMPLEMENT_CLASS(FakeElement, 0, &CGraphElement::StaticClass())

const ClassRegistry& TestRegistry() {
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        RegisterCoreClasses(r);
        r.Add(FakeElement::StaticClass());
        return r;
    }();
    return registry;
}

} // namespace balsar::test
