#pragma once
// The older address catalogue: address types ("Wire" bit types, "Reg" word
// types, alarm entries) grouped into PLC descriptions, as the key actions,
// the background trend buffer and the older XML project form refer to them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plc/PlcTypes.h"

namespace balsar {

class CXmlNodeWrapper;
class MessageSink;

// Access filter of an address type and of a CPLCAddr selection.
enum OptMode : int32_t { OM_READ = 0, OM_WRITE = 1, OM_READWRITE = 2, OM_ANY = 3 };

// One numeric field of an address type: shown or not, its base and range.
struct AddrField {
    bool visible = true;
    int32_t base = BASE_DEC;
    int64_t minValue = 0;
    int64_t maxValue = 0;
    std::string express;
};

struct PLCAddrType {
    // 0 bit ("Wire"), 1 word ("Reg"), 2 other.
    int32_t kind = 0;
    std::string typeName;
    uint8_t typeValue = 0;
    uint8_t bitWidth = 1;
    uint8_t addrInc = 0;
    int32_t optMode = OM_READ;
    AddrField addr{true, BASE_HEX, 0, 65535, {}};
    AddrField subAddr{false, BASE_DEC, 0, 255, {}};
    // Bit types only.
    AddrField shiftAddr{false, BASE_DEC, 0, 255, {}};
    // Word types: the register counts offered.
    std::vector<uint8_t> regNums;
    bool hasRegNum = false;

    bool ShowsSub() const { return subAddr.visible; }
    bool ShowsShift() const { return kind == 0 && shiftAddr.visible; }

    // Reads one child of "Wires", "Regs" or "AlarmList". False (with the
    // owner's message) when a required child is missing.
    bool LoadXml(const CXmlNodeWrapper& node, MessageSink& sink);
};

// A description of the older catalogue.
struct LegacyPlcDescription {
    struct Field {
        bool visible = false;
        int32_t dataMode = BASE_DEC;
        int32_t minValue = 0;
        int32_t maxValue = 0;
        int32_t defaultValue = 0;
    };

    int32_t id = 0;
    std::string name;
    int32_t version = 0;
    // Serial defaults of the "Commu" child.
    int32_t baudRate = 0;
    int32_t dataBit = 0;
    int32_t stopBit = 0;
    int32_t verifyBit = 0;
    int32_t serialType = 0;
    Field station;
    Field display;
    std::vector<PLCAddrType> wires;
    std::vector<PLCAddrType> regs;
    std::vector<PLCAddrType> alarms;
    // Descriptions listed with this one (the panel's own "Local" one).
    std::vector<const LegacyPlcDescription*> children;

    // Reads a "PLC" element. False (with the message naming the missing
    // child) when "Commu", "Station", "Display", "Wires" or "AlarmList" is
    // missing or an address type lacks a required child.
    bool LoadXml(const CXmlNodeWrapper& node, MessageSink& sink);

    // The types of a kind the access allows, child descriptions first: bit
    // and word types whose OptMode equals the access or is read/write (all
    // with access OM_ANY); every alarm entry for kind 2.
    std::vector<const PLCAddrType*> TypesFor(int32_t kind, int32_t access) const;
    // A type of a kind by name, child descriptions first; null when none.
    const PLCAddrType* FindType(int32_t kind, std::string_view typeName) const;
};

// The catalogue, keyed by the 8-bit ID. Empty unless something loads it.
class LegacyPlcCatalog {
public:
    // Reads the "PLC" children of a "PLCS" element; descriptions that fail
    // are left out. A non-zero, non-"Local" description lists the "Local"
    // description (ID 0) as its child.
    void LoadXml(const CXmlNodeWrapper& plcs, MessageSink& sink);
    bool LoadXmlText(std::string_view xml, MessageSink& sink);
    const LegacyPlcDescription* Find(int32_t id) const;
    size_t Size() const { return m_descriptions.size(); }

private:
    std::vector<std::unique_ptr<LegacyPlcDescription>> m_descriptions;
};

} // namespace balsar
