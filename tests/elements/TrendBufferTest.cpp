// The trend data buffer of the older XML form: its "Trend" child, the mode
// rules for its limits, and its archive.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "elements/CTrendBufferGE.h"
#include "project/CoreClasses.h"
#include "xml/CXmlDocumentWrapper.h"

namespace balsar {
namespace {

TEST(TrendBuffer, LegacyXmlRoundTrip) {
    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml("<Parts/>"));
    CXmlNodeWrapper parts = doc.AsNode().FindNode("Parts");
    CTrendBufferGE buffer;
    buffer.bufferId = 3;
    buffer.plotCount = 40;
    buffer.dataMode = CTrendBufferGE::MODE_DEC_SIGN;
    buffer.samplingTime = 5;
    buffer.upperLimit = 1000;
    buffer.lowerLimit = -20;
    buffer.Address().station = 2;
    buffer.Address().addr = 300;
    buffer.XmlSave(parts);
    const CXmlNodeWrapper part = parts.GetNode(0);
    EXPECT_EQ(part.GetValue("Type"), "Cache");
    const CXmlNodeWrapper trend = part.GetNode(part.NumNodes() - 1);
    ASSERT_EQ(trend.Name(), "Trend");
    EXPECT_EQ(trend.GetNode(0).Name(), "Reg");
    EXPECT_EQ(trend.GetValue("BufferID"), "3");
    EXPECT_EQ(trend.GetValue("DataMode"), "DEC_SIGN");
    EXPECT_EQ(trend.GetValue("PlotNum"), "40");
    EXPECT_EQ(trend.GetValue("SamplingTime"), "5");
    EXPECT_EQ(trend.GetValue("UpperLimit"), "1000");
    EXPECT_EQ(trend.GetValue("LowerLimit"), "-20");
    EXPECT_EQ(trend.FindNode("Reg").GetValue("Addr"), "300");

    RecordingMessageSink sink;
    CTrendBufferGE back;
    ASSERT_TRUE(back.XmlLoad(part, sink));
    EXPECT_EQ(back.bufferId, 3);
    EXPECT_EQ(back.plotCount, 40);
    EXPECT_EQ(back.dataMode, CTrendBufferGE::MODE_DEC_SIGN);
    EXPECT_EQ(back.lowerLimit, -20);
    EXPECT_EQ(back.upperLimit, 1000);
    EXPECT_EQ(back.Address().addr, 300);
    EXPECT_EQ(back.Address().station, 2);

    CXmlNodeWrapper mode = part.FindNode("Trend");
    mode.SetValue("DataMode", "BIN"); // no match: the mode stays
    ASSERT_TRUE(back.XmlLoad(part, sink));
    EXPECT_EQ(back.dataMode, CTrendBufferGE::MODE_DEC_SIGN);
    mode.Raw().remove_child("Reg");
    EXPECT_FALSE(back.XmlLoad(part, sink));
}

TEST(TrendBuffer, ModeChangesKeepTheLimitsInRange) {
    CTrendBufferGE buffer;
    buffer.upperLimit = 65535;
    buffer.ChangeDataMode(CTrendBufferGE::MODE_DEC_SIGN, 2);
    EXPECT_EQ(buffer.upperLimit, 32767);
    buffer.lowerLimit = -5;
    buffer.ChangeDataMode(CTrendBufferGE::MODE_HEX, 2);
    EXPECT_EQ(buffer.lowerLimit, 0);
    buffer.upperLimit = 300;
    buffer.ChangeDataMode(CTrendBufferGE::MODE_OCT, 1); // neither rule applies
    EXPECT_EQ(buffer.upperLimit, 300);
    EXPECT_EQ(TrendBufferRange(1, CTrendBufferGE::MODE_DEC_SIGN).lowest, -128);
    EXPECT_EQ(TrendBufferRange(1, CTrendBufferGE::MODE_DEC).largest, 255);
    EXPECT_EQ(TrendBufferRange(4, CTrendBufferGE::MODE_DEC).largest, 4294967295LL);
    EXPECT_EQ(TrendBufferRange(4, CTrendBufferGE::MODE_DEC_SIGN).lowest, -2147483648LL);
}

TEST(TrendBuffer, ArchiveRoundTrip) {
    CTrendBufferGE buffer;
    buffer.bufferId = 9;
    buffer.upperLimit = 5000000000LL;
    buffer.Address().addr = 17;
    Archive out;
    buffer.Serialize(out);
    Archive in(out.Data(), CoreClassRegistry());
    CTrendBufferGE back;
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.bufferId, 9);
    EXPECT_EQ(back.upperLimit, 5000000000LL);
    EXPECT_EQ(back.Address().addr, 17);
    EXPECT_EQ(back.GetKind(), 8);
}

} // namespace
} // namespace balsar
