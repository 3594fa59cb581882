#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "project/CSarvo.h"
#include "xml/CXmlDocumentWrapper.h"

namespace balsar {
namespace {

const char* kSarvo = R"(<Sarvo StartNum="3" ProtectNum="9" WaitTime="5" CloseLight="yes" ReportFrame="YES"
  AutoChange="no" UseClock="yes" UseBkTrend="no" UseLed="yes">
  <Reg Station="2" Type="" Addr="40" Sub="0" Num="2"/>
  <GlobalFunckey><Funckey ID="4"/><Funckey ID="7"/></GlobalFunckey>
  <BackTrend><Trend ID="1"/></BackTrend>
  <UserGroup><User Grade="3" Password="111"/><User Grade="5" Password="222"/><User Grade="3" Password="333"/></UserGroup>
</Sarvo>)";

TEST(Sarvo, LoadAndSave) {
    CXmlDocumentWrapper document;
    ASSERT_TRUE(document.LoadXml(kSarvo));
    RecordingMessageSink sink;
    std::vector<uint8_t> levels{0, 5};
    CSarvo sarvo;
    ASSERT_TRUE(sarvo.XmlLoad(document.AsNode().FindNode("Sarvo"), nullptr, levels, sink));
    EXPECT_EQ(sarvo.startNum, 3);
    EXPECT_EQ(sarvo.protectNum, 9);
    EXPECT_EQ(sarvo.waitTime, 5);
    EXPECT_TRUE(sarvo.closeLight);
    EXPECT_FALSE(sarvo.reportFrame);  // only "yes" is on
    EXPECT_TRUE(sarvo.useClock);
    EXPECT_EQ(sarvo.reg.addr, 40);
    EXPECT_EQ(sarvo.reg.num, 2);
    EXPECT_EQ(sarvo.globalFunckeys, (std::vector<int32_t>{4, 7}));
    EXPECT_EQ(sarvo.backTrends, std::vector<int32_t>{1});
    ASSERT_EQ(sarvo.users.size(), 3u);
    EXPECT_TRUE(sarvo.multiUser);
    EXPECT_EQ(levels, (std::vector<uint8_t>{0, 5, 3}));

    sarvo.users[1].inUse = false;
    CXmlDocumentWrapper out;
    ASSERT_TRUE(out.LoadXml("<Sarvo/>"));
    CXmlNodeWrapper node = out.AsNode().FindNode("Sarvo");
    sarvo.XmlSave(node);
    EXPECT_EQ(node.GetValue("CloseLight"), "yes");
    EXPECT_EQ(node.GetValue("ReportFrame"), "no");
    CSarvo again;
    std::vector<uint8_t> none;
    ASSERT_TRUE(again.XmlLoad(node, nullptr, none, sink));
    EXPECT_EQ(again.users.size(), 2u);
    EXPECT_EQ(again.globalFunckeys, sarvo.globalFunckeys);
    EXPECT_EQ(again.reg.addr, 40);
    EXPECT_TRUE(sink.Entries().empty());
}

TEST(Sarvo, MissingChildrenStopTheLoad) {
    RecordingMessageSink sink;
    std::vector<uint8_t> levels;
    for (const auto& [xml, message] : std::vector<std::pair<std::string, std::string>>{
             {"<Sarvo/>", "Sarvo find 'Reg' node failure!"},
             {"<Sarvo><Reg/></Sarvo>", "Sarvo find 'GlobalFunckey' node failure!"},
             {"<Sarvo><Reg/><GlobalFunckey/></Sarvo>", "Sarvo find 'BackTrend' node failure!"},
             {"<Sarvo><Reg/><GlobalFunckey/><BackTrend/></Sarvo>", "Sarvo find 'UserGroup' node failure!"}}) {
        CXmlDocumentWrapper document;
        ASSERT_TRUE(document.LoadXml(xml));
        CSarvo sarvo;
        EXPECT_FALSE(sarvo.XmlLoad(document.AsNode().FindNode("Sarvo"), nullptr, levels, sink));
        EXPECT_EQ(sink.Texts().back(), message);
    }
    CXmlDocumentWrapper empty;
    ASSERT_TRUE(empty.LoadXml("<Sarvo><Reg/><GlobalFunckey/><BackTrend/><UserGroup/></Sarvo>"));
    CSarvo single;
    ASSERT_TRUE(single.XmlLoad(empty.AsNode().FindNode("Sarvo"), nullptr, levels, sink));
    EXPECT_FALSE(single.multiUser);
}

} // namespace
} // namespace balsar
