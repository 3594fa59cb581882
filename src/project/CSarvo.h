#pragma once
// The settings record of an older panel series, read by the legacy XML
// import (node "Sarvo"). Nothing of it reaches the project file or the
// image.
#include <cstdint>
#include <string>
#include <vector>

#include "plc/CPLCAddr.h"

namespace balsar {

class CXmlNodeWrapper;
class MessageSink;
struct LegacyPlcDescription;

class CSarvo {
public:
    struct User {
        int32_t grade = 0;
        std::string password;
        bool inUse = true;
    };

    // Reads the attributes and the four children. False (with "Sarvo find
    // '<child>' node failure!") when a child is missing. Each user's level
    // is added to passwordLevels when not yet there.
    bool XmlLoad(const CXmlNodeWrapper& node, const LegacyPlcDescription* description,
                 std::vector<uint8_t>& passwordLevels, MessageSink& sink);
    // Writes the attributes and the children; users not in use are left out.
    void XmlSave(CXmlNodeWrapper& node) const;

    int32_t startNum = 1;
    int32_t protectNum = 0;
    int32_t waitTime = 0;
    bool closeLight = false;
    bool reportFrame = false;
    bool autoChange = false;
    bool useClock = false;
    bool useBkTrend = false;
    bool useLed = false;
    CPLCAddr reg{1};
    // The "ID" of each global function key and background trend buffer.
    std::vector<int32_t> globalFunckeys;
    std::vector<int32_t> backTrends;
    std::vector<User> users;
    bool multiUser = false;
};

} // namespace balsar
