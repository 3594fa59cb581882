#pragma once
// The older address record, used by key actions, the background trend
// buffer and the older XML project form. Its type comes from the current
// description of the older catalogue; without one it keeps its numbers only.
#include <cstdint>
#include <string>

#include "base/Archivable.h"
#include "base/Archive.h"
#include "plc/PLCAddrType.h"

namespace balsar {

class CXmlNodeWrapper;

// Gives CPLCAddr::Serialize the current older description while loading.
class LegacyPlcArchiveContext : public ArchiveContext {
public:
    explicit LegacyPlcArchiveContext(const LegacyPlcDescription* current) : description(current) {}
    const LegacyPlcDescription* description;
};

class CPLCAddr : public Archivable {
    BALSAR_DECLARE_CLASS(CPLCAddr)
public:
    explicit CPLCAddr(int32_t kindValue = 0) : kind(kindValue) {}

    // Lists the description's types of the kind for the access and takes
    // the first with its minimums; nothing happens without a description.
    void Select(int32_t kind, int32_t access, const LegacyPlcDescription* description);
    // Takes another type and clamps addr, sub and shift into its ranges.
    void SetType(const PLCAddrType* type);
    void CopyFrom(const CPLCAddr& other);

    // Attributes "Station", "Type", "Addr", "Sub", then "Num" for a word
    // type or "Shift" otherwise.
    void XmlSave(CXmlNodeWrapper& node) const;
    void XmlLoad(const CXmlNodeWrapper& node, const LegacyPlcDescription* description);
    // kind, type name, typeIndex, access, station, addr, sub, shift, num;
    // the type is looked up through a LegacyPlcArchiveContext when loading.
    void Serialize(Archive& ar) override;

    // How many consecutive addresses from this one the type allows (1..254).
    int Available() const;
    // The text of the address n places on; empty beyond Available() or the
    // type's address range.
    std::string Step(int n) const;

    int32_t kind = 0;
    int32_t access = OM_READWRITE;
    uint8_t station = 0;
    uint16_t addr = 0;
    uint8_t sub = 0;
    uint8_t shift = 0;
    uint8_t num = 1;
    int32_t typeIndex = 0;
    const PLCAddrType* type = nullptr;
};

} // namespace balsar
