#pragma once
// The older alarm list of legacy XML projects: a start coil address and one
// message per alarm. Only read by the legacy import; the project file and
// the image do not carry it.
#include <string>
#include <vector>

#include "base/Archivable.h"
#include "plc/CAddr.h"

namespace balsar {

class CXmlNodeWrapper;
class MessageSink;

namespace strings {
inline constexpr const char* kAlarmListNoAlarm = "AlarmList find 'Alarm' node failure!";
inline constexpr const char* kAlarmListNoItems = "'AlarmList find Items' node failure!";
} // namespace strings

class CAlarmList : public Archivable {
    BALSAR_DECLARE_CLASS(CAlarmList)
public:
    // Not part of the project file: nothing is written or read.
    void Serialize(Archive&) override {}

    // Appends an "AlarmList" node to parent: "Alarm" first, then "Items"
    // with one "Item" per message.
    void XmlSave(CXmlNodeWrapper& parent) const;
    // Reads an "AlarmList" node. False with a message when "Alarm" or
    // "Items" is missing; the messages read so far are kept.
    bool XmlLoad(const CXmlNodeWrapper& node, MessageSink& sink);

    CAddr startCoil{WIDTH_BIT};
    std::vector<std::string> messages;
};

} // namespace balsar
