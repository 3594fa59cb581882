#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "project/CAlarmList.h"
#include "xml/CXmlDocumentWrapper.h"

namespace balsar {
namespace {

TEST(LegacyAlarmList, ReadsMessagesAndReportsMissingNodes) {
    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml("<AlarmList><Alarm/><Items><Item>Pump 1</Item><Item>过热</Item></Items></AlarmList>"));
    RecordingMessageSink sink;
    CAlarmList list;
    ASSERT_TRUE(list.XmlLoad(doc.AsNode().FindNode("AlarmList"), sink));
    EXPECT_EQ(list.messages, (std::vector<std::string>{"Pump 1", "过热"}));
    EXPECT_TRUE(sink.Entries().empty());

    ASSERT_TRUE(doc.LoadXml("<AlarmList><Items/></AlarmList>"));
    EXPECT_FALSE(list.XmlLoad(doc.AsNode().FindNode("AlarmList"), sink));
    EXPECT_TRUE(sink.Contains("AlarmList find 'Alarm' node failure!"));
    ASSERT_TRUE(doc.LoadXml("<AlarmList><Alarm/></AlarmList>"));
    EXPECT_FALSE(list.XmlLoad(doc.AsNode().FindNode("AlarmList"), sink));
    EXPECT_TRUE(sink.Contains("'AlarmList find Items' node failure!"));
}

TEST(LegacyAlarmList, SavedFormReadsBack) {
    CAlarmList list;
    list.messages = {"a", "b"};
    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml("<Root/>"));
    CXmlNodeWrapper root = doc.AsNode().FindNode("Root");
    list.XmlSave(root);
    const CXmlNodeWrapper node = root.FindNode("AlarmList");
    EXPECT_EQ(node.GetNode(0).Name(), "Alarm");
    EXPECT_EQ(node.GetNode(1).Name(), "Items");
    CAlarmList again;
    RecordingMessageSink sink;
    ASSERT_TRUE(again.XmlLoad(node, sink));
    EXPECT_EQ(again.messages, list.messages);
    EXPECT_EQ(again.GetRuntimeClass().name, "CAlarmList");
}

} // namespace
} // namespace balsar
