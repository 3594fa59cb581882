#include "project/CAlarmList.h"

#include "base/MessageSink.h"
#include "xml/CXmlNodeListWrapper.h"
#include "xml/CXmlNodeWrapper.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CAlarmList, 0, nullptr)

void CAlarmList::XmlSave(CXmlNodeWrapper& parent) const {
    CXmlNodeWrapper node = parent.InsertNode(parent.NumNodes(), "AlarmList");
    node.InsertNode(0, "Alarm");
    CXmlNodeWrapper list = node.InsertNode(1, "Items");
    for (const std::string& message : messages) {
        CXmlNodeWrapper item = list.InsertNode(list.NumNodes(), "Item");
        item.SetText("%s", message.c_str());
    }
}

bool CAlarmList::XmlLoad(const CXmlNodeWrapper& node, MessageSink& sink) {
    if (!node.FindNode("Alarm")) {
        sink.Message(strings::kAlarmListNoAlarm);
        return false;
    }
    const CXmlNodeWrapper list = node.FindNode("Items");
    if (!list) {
        sink.Message(strings::kAlarmListNoItems);
        return false;
    }
    messages.clear();
    const CXmlNodeListWrapper items = list.FindNodes("Item");
    for (int i = 0; i < items.Count(); ++i) {
        messages.push_back(items.Node(i).GetText());
    }
    return true;
}

} // namespace balsar
