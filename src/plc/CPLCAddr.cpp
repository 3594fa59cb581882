#include "plc/CPLCAddr.h"

#include <algorithm>

#include "plc/AddressText.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CPLCAddr, 0, nullptr)

namespace {

template <class T> T ClampInto(T value, const AddrField& field) {
    int64_t v = value;
    v = std::min(v, field.maxValue);
    v = std::max(v, field.minValue);
    return static_cast<T>(v);
}

int PositionOf(const std::vector<const PLCAddrType*>& list, const PLCAddrType* type) {
    const auto it = std::find(list.begin(), list.end(), type);
    return it == list.end() ? 0 : static_cast<int>(it - list.begin());
}

} // namespace

void CPLCAddr::Select(int32_t kindValue, int32_t accessValue, const LegacyPlcDescription* description) {
    if (description == nullptr) {
        return;
    }
    kind = kindValue;
    access = accessValue;
    const std::vector<const PLCAddrType*> types = description->TypesFor(kind, access);
    typeIndex = 0;
    type = types.empty() ? nullptr : types.front();
    station = static_cast<uint8_t>(description->display.visible ? description->display.defaultValue
                                                                : description->station.defaultValue);
    if (type == nullptr) {
        return;
    }
    addr = static_cast<uint16_t>(type->addr.minValue);
    if (type->ShowsSub()) {
        sub = static_cast<uint8_t>(type->subAddr.minValue);
    }
    if (type->ShowsShift()) {
        shift = static_cast<uint8_t>(type->shiftAddr.minValue);
    }
    if (type->hasRegNum) {
        num = type->regNums.front();
    }
}

void CPLCAddr::SetType(const PLCAddrType* newType) {
    type = newType;
    if (type == nullptr) {
        return;
    }
    addr = ClampInto(addr, type->addr);
    sub = ClampInto(sub, type->subAddr);
    shift = ClampInto(shift, type->shiftAddr);
}

void CPLCAddr::CopyFrom(const CPLCAddr& other) {
    station = other.station;
    addr = other.addr;
    sub = other.sub;
    shift = other.shift;
    num = other.num;
    typeIndex = other.typeIndex;
    access = other.access;
    type = other.type;
}

void CPLCAddr::XmlSave(CXmlNodeWrapper& node) const {
    node.SetValue("Station", static_cast<int32_t>(station));
    node.SetValue("Type", type ? type->typeName : std::string());
    node.SetValue("Addr", static_cast<int32_t>(addr));
    node.SetValue("Sub", static_cast<int32_t>(sub));
    if ((type ? type->kind : kind) == 1) {
        node.SetValue("Num", static_cast<int32_t>(num));
    } else {
        node.SetValue("Shift", static_cast<int32_t>(shift));
    }
}

void CPLCAddr::XmlLoad(const CXmlNodeWrapper& node, const LegacyPlcDescription* description) {
    const std::string name = node.Name();
    kind = name == "Wire" ? 0 : name == "Reg" ? 1 : 2;
    station = static_cast<uint8_t>(IntAttribute(node, "Station"));
    type = description ? description->FindType(kind, node.GetValue("Type")) : nullptr;
    typeIndex = description ? PositionOf(description->TypesFor(kind, access), type) : 0;
    addr = static_cast<uint16_t>(IntAttribute(node, "Addr"));
    sub = static_cast<uint8_t>(IntAttribute(node, "Sub"));
    if (kind == 1) {
        const int32_t count = IntAttribute(node, "Num");
        num = static_cast<uint8_t>(count == 0 ? 1 : count);
    } else {
        shift = static_cast<uint8_t>(IntAttribute(node, "Shift"));
    }
}

void CPLCAddr::Serialize(Archive& ar) {
    std::string typeName = type ? type->typeName : std::string();
    ar.Value(kind);
    ar.String(typeName);
    ar.Value(typeIndex);
    ar.Value(access);
    ar.Value(station);
    ar.Value(addr);
    ar.Value(sub);
    ar.Value(shift);
    ar.Value(num);
    if (ar.IsLoading()) {
        const auto* context = dynamic_cast<const LegacyPlcArchiveContext*>(ar.Context());
        type = (context && context->description) ? context->description->FindType(kind, typeName) : nullptr;
    }
}

int CPLCAddr::Available() const {
    if (type == nullptr) {
        return 1;
    }
    const bool showsShift = type->ShowsShift();
    const bool showsSub = type->ShowsSub();
    int64_t count = 0;
    int64_t shiftSize = 1;
    int64_t subSize = 1;
    if (showsShift) {
        shiftSize = type->shiftAddr.maxValue + 1;
        count = type->shiftAddr.maxValue - shift + 1;
    }
    if (showsSub) {
        subSize = type->subAddr.maxValue + 1;
        count += shiftSize * (type->subAddr.maxValue - sub + (showsShift ? 0 : 1));
    }
    count += subSize * (type->addr.maxValue - addr + (!showsSub && !showsShift ? 1 : 0));
    return static_cast<int>(std::clamp<int64_t>(count, 1, 254));
}

std::string CPLCAddr::Step(int n) const {
    if (type == nullptr || n < 0 || n > Available()) {
        return {};
    }
    const bool showsShift = type->ShowsShift();
    const bool showsSub = type->ShowsSub();
    int64_t carry = n;
    int64_t newShift = shift;
    int64_t newSub = sub;
    if (showsShift) {
        const int64_t size = type->shiftAddr.maxValue + 1;
        newShift += carry;
        carry = newShift / size;
        newShift %= size;
    }
    if (showsSub) {
        const int64_t size = type->subAddr.maxValue + 1;
        newSub += carry;
        carry = newSub / size;
        newSub %= size;
    }
    const int64_t newAddr = addr + carry;
    if (newAddr > type->addr.maxValue) {
        return {};
    }
    const std::string separator = showsShift ? " " : ".";
    std::string text = type->typeName + NumberText(newAddr, type->addr.base);
    if (showsSub) {
        text += separator + NumberText(newSub, type->subAddr.base);
    }
    if (showsShift) {
        text += separator + NumberText(newShift, type->shiftAddr.base);
    }
    return text;
}

} // namespace balsar
