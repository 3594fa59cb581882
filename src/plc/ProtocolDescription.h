#pragma once
// The in-memory form of one protocol description file: identity, station
// range, default serial parameters, driver timing values and register types.
// One per communication port; an empty description has no register types.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "plc/RegisterType.h"

namespace balsar {

class CXmlNodeWrapper;
class MessageSink;

class ProtocolDescription {
public:
    // Reads a ".CFG" file. False (with "Error Load XML: %s") when the file
    // cannot be loaded; the description is then unchanged.
    bool Load(const std::filesystem::path& path, MessageSink& sink);
    // Reads a description from XML text (same rules); path names the source
    // in the message.
    bool LoadXml(std::string_view xml, const std::string& path, MessageSink& sink);

    // Bit type names, or the word type names followed by the double-word ones.
    std::vector<std::string> RegisterNames(bool bitTypes) const;
    // Looks a name up in the bit index or the word index; null when missing.
    const RegisterType* FindRegisterType(bool bitTypes, const std::string& name) const;
    // True when any register list is non-empty.
    bool HasRegisterTypes() const;

    const std::vector<RegisterType>& BitTypes() const { return m_bitTypes; }
    const std::vector<RegisterType>& WordTypes() const { return m_wordTypes; }
    const std::vector<RegisterType>& DwordTypes() const { return m_dwordTypes; }
    // Appends a register type as the loader does (tests, tools).
    void AddRegisterType(const RegisterType& type);
    void ClearRegisterTypes();

    int32_t id = 0;
    std::string plcName;
    std::vector<std::string> supportedModels;
    int32_t stationMax = 0;
    int32_t stationMin = 0;
    int32_t stationDefault = 0;
    int32_t isSlave = 0;
    int32_t defaultSerialType = 0;
    int32_t defaultBaud = 0;
    int32_t defaultDataBits = 0;
    int32_t defaultParity = 0;
    int32_t defaultStopBits = 0;
    int32_t commTimeout = 0;
    int32_t protocolTimeout1 = 0;
    int32_t protocolTimeout2 = 0;
    int32_t maxWordsPerPacket = 0;
    int32_t maxBitsPerPacket = 0;
    int32_t wordGap = 0;
    int32_t bitGap = 0;
    int32_t commInterval = 0;

private:
    void Read(const CXmlNodeWrapper& root, MessageSink& sink);

    std::vector<RegisterType> m_bitTypes;
    std::vector<RegisterType> m_wordTypes;
    std::vector<RegisterType> m_dwordTypes;
    // Name -> (list, position); a later record of the same name wins.
    std::map<std::string, size_t> m_bitIndex;
    std::map<std::string, std::pair<int32_t, size_t>> m_wordIndex;
};

} // namespace balsar
