// The XML node access layer and its four conversion rules.
#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "xml/CXmlDocumentWrapper.h"
#include "xml/CXmlNodeListWrapper.h"
#include "xml/XmlConvert.h"

using namespace balsar;

TEST(XmlNode, FindInsertAndReadBack) {
    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml("<HMI SoftVersion='1.0.0'><Frames><Frame ID='3'/><Frame ID='4'/><Other/></Frames></HMI>"));
    CXmlNodeWrapper root = doc.AsNode().FindNode("HMI");
    ASSERT_TRUE(root);
    EXPECT_EQ(doc.RootElement().Raw(), root.Raw());
    EXPECT_EQ(root.Name(), "HMI");
    EXPECT_EQ(root.GetValue("SoftVersion"), "1.0.0");
    EXPECT_EQ(root.GetValue("Missing"), "");
    CXmlNodeWrapper frames = root.FindNode("Frames");
    EXPECT_EQ(frames.NumNodes(), 3);
    const CXmlNodeListWrapper list = frames.FindNodes("Frame");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(IntAttribute(list.Node(1), "ID"), 4);
    EXPECT_FALSE(list.Node(2));
    EXPECT_FALSE(frames.GetNode(3));
    EXPECT_FALSE(frames.GetNode(-1));

    // Insert at a fixed position and at the end.
    CXmlNodeWrapper first = frames.InsertNode(0, "Head");
    CXmlNodeWrapper last = frames.InsertNode(frames.NumNodes(), "Tail");
    first.SetValue("Count", int32_t{-12});
    last.SetValue("Small", int16_t{7});
    last.SetValueV("Text", "%s-%02d", "x", 5);
    last.SetText("%d items", 3);
    EXPECT_EQ(frames.GetNode(0).Name(), "Head");
    EXPECT_EQ(frames.GetNode(4).Name(), "Tail");
    EXPECT_EQ(first.GetValue("Count"), "-12");
    EXPECT_EQ(last.GetValue("Text"), "x-05");
    EXPECT_EQ(last.GetText(), "3 items");
    last.SetText("%s", "replaced");
    EXPECT_EQ(last.GetText(), "replaced");
}

TEST(XmlNode, NullNodesAreHarmless) {
    CXmlNodeWrapper none;
    EXPECT_FALSE(none.FindNode("x"));
    EXPECT_EQ(none.FindNodes("x").Count(), 0);
    EXPECT_EQ(none.NumNodes(), 0);
    EXPECT_FALSE(none.InsertNode(0, "x"));
    none.SetValue("a", "b");
    none.SetText("%d", 1);
    EXPECT_EQ(none.GetValue("a"), "");
    EXPECT_EQ(none.GetText(), "");
    EXPECT_EQ(IntChild(none, "x"), 0);
}

TEST(XmlNode, SaveAndLoadFileRoundTrip) {
    test::TempFolder folder;
    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml("<Root/>"));
    CXmlNodeWrapper root = doc.AsNode().FindNode("Root");
    root.SetValue("Name", "画面 & <1>");
    root.InsertNode(0, "Child").SetText("%d", 42);
    ASSERT_TRUE(doc.Save(folder.File("a.xml")));

    CXmlDocumentWrapper again;
    ASSERT_TRUE(again.Load(folder.File("a.xml")));
    CXmlNodeWrapper loaded = again.AsNode().FindNode("Root");
    EXPECT_EQ(loaded.GetValue("Name"), "画面 & <1>");
    EXPECT_EQ(IntChild(loaded, "Child"), 42);

    EXPECT_FALSE(again.Load(folder.File("missing.xml")));
    EXPECT_FALSE(again.AsNode().FindNode("Root"));
    EXPECT_FALSE(again.RootElement());
    EXPECT_FALSE(again.LoadXml("<Root><Unclosed></Root>"));
    EXPECT_FALSE(doc.Save(folder.File("no/such/folder/a.xml")));
}

TEST(XmlConvert, IntegerAndFlagRules) {
    EXPECT_EQ(LeadingInt(""), 0);
    EXPECT_EQ(LeadingInt("12abc"), 12);
    EXPECT_EQ(LeadingInt("  -7"), -7);
    EXPECT_EQ(LeadingInt("x12"), 0);
    EXPECT_EQ(LeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(LeadingInt("-99999999999"), -2147483647 - 1);

    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml("<R A='yes' B='TRUE' C='no' N='15'><V> 33 </V></R>"));
    CXmlNodeWrapper r = doc.AsNode().FindNode("R");
    EXPECT_TRUE(FlagAttribute(r, "A", "yes"));
    EXPECT_TRUE(FlagAttribute(r, "B", "true"));
    EXPECT_FALSE(FlagAttribute(r, "C", "yes"));
    EXPECT_FALSE(FlagAttribute(r, "Missing", "yes"));
    EXPECT_EQ(IntAttribute(r, "N"), 15);
    EXPECT_EQ(IntAttribute(r, "Missing"), 0);
    EXPECT_EQ(IntChild(r, "V"), 33);
    EXPECT_EQ(IntChild(r, "W"), 0);
}
