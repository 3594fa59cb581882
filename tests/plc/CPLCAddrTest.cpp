// The older address record and its catalogue.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "plc/CPLCAddr.h"
#include "project/CoreClasses.h"
#include "support/TestSupport.h"
#include "xml/CXmlDocumentWrapper.h"

namespace balsar {
namespace {

const char* kCatalogue = R"(<PLCS>
 <PLC ID="0" Name="Local" Verison="1">
  <Commu BaudRate="7" VerifyBit="EVEN"/><Station Visible="no" DefaultValue="0"/><Display Visible="no"/>
  <Wires><Wire TypeName="LB" TypeValue="1" OptMode="OM_READWRITE"><Addr DataMode="DEC" MinValue="0" MaxValue="255"/>
   <SubAddr Visible="yes" DataMode="HEX" MinValue="0" MaxValue="F"/></Wire></Wires>
  <Regs><Reg TypeName="LW" TypeValue="2" OptMode="OM_READWRITE"><Addr DataMode="DEC" MinValue="0" MaxValue="255"/>
   <SubAddr Visible="no"/><RegNum><Num>2</Num><Num>4</Num></RegNum></Reg></Regs>
  <AlarmList/>
 </PLC>
 <PLC ID="261" Name="Dev">
  <Commu/><Station Visible="yes" DefaultValue="3"/><Display Visible="no" DefaultValue="9"/>
  <Wires>
   <Wire TypeName="X" OptMode="OM_READ"><Addr DataMode="OCT" MinValue="10" MaxValue="77"/><SubAddr Visible="no"/></Wire>
   <Wire TypeName="M" OptMode="OM_WRITE"><Addr DataMode="DEC" MinValue="0" MaxValue="9"/>
    <SubAddr Visible="yes" MinValue="0" MaxValue="3"/><ShiftAddr Visible="yes" MinValue="0" MaxValue="7"/></Wire>
  </Wires>
  <Regs><Reg TypeName="D" OptMode="OM_READWRITE"><Addr DataMode="DEC" MinValue="0" MaxValue="1000"/><SubAddr Visible="no"/></Reg></Regs>
  <AlarmList/>
 </PLC>
 <PLC ID="6" Name="NoWires"><Commu/><Station/><Display/><AlarmList/></PLC>
 <PLC ID="7" Name="NoSub"><Commu/><Station/><Display/><Wires><Wire TypeName="B"><Addr/></Wire></Wires><AlarmList/></PLC>
 <PLC ID="8" Name="NoStation"><Commu/></PLC>
</PLCS>)";

struct Catalogue {
    Catalogue() { EXPECT_TRUE(catalog.LoadXmlText(kCatalogue, sink)); }
    RecordingMessageSink sink;
    LegacyPlcCatalog catalog;
};

TEST(LegacyCatalogue, LoadsValidDescriptionsOnly) {
    Catalogue c;
    EXPECT_EQ(c.catalog.Size(), 2u);
    EXPECT_EQ(c.sink.Texts(), (std::vector<std::string>{"PLC find 'Wires' node failure!",
                                                       "PLCAddrType find 'SubAddr' node failure!",
                                                       "PLC 'Station' node can't find!"}));
    const LegacyPlcDescription* dev = c.catalog.Find(5);  // ID kept to 8 bits
    ASSERT_NE(dev, nullptr);
    ASSERT_EQ(dev->children.size(), 1u);
    EXPECT_EQ(dev->children[0]->name, "Local");
    EXPECT_TRUE(c.catalog.Find(0)->children.empty());
    EXPECT_EQ(c.catalog.Find(0)->verifyBit, 2);
    const PLCAddrType* x = dev->FindType(0, "X");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->addr.minValue, 8);  // "10" in octal
    EXPECT_EQ(x->addr.maxValue, 63);
    EXPECT_EQ(c.catalog.Find(0)->FindType(0, "LB")->subAddr.maxValue, 15);
}

TEST(LegacyCatalogue, SelectAndSetType) {
    Catalogue c;
    const LegacyPlcDescription* dev = c.catalog.Find(5);
    CPLCAddr bit;
    bit.Select(0, OM_READ, nullptr);
    EXPECT_EQ(bit.type, nullptr);
    bit.Select(0, OM_READ, dev);
    ASSERT_NE(bit.type, nullptr);
    EXPECT_EQ(bit.type->typeName, "LB");  // the child's types come first
    EXPECT_EQ(dev->TypesFor(0, OM_READ).size(), 2u);  // "M" is write-only
    EXPECT_EQ(dev->TypesFor(0, OM_ANY).size(), 3u);
    EXPECT_EQ(bit.station, 3);
    bit.addr = 100;
    bit.SetType(dev->FindType(0, "X"));
    EXPECT_EQ(bit.addr, 63);
    bit.addr = 2;
    bit.SetType(dev->FindType(0, "X"));
    EXPECT_EQ(bit.addr, 8);

    CPLCAddr word;
    word.Select(1, OM_WRITE, dev);
    EXPECT_EQ(word.type->typeName, "LW");
    EXPECT_EQ(word.num, 2);
}

TEST(LegacyCatalogue, AvailableAndStep) {
    Catalogue c;
    const LegacyPlcDescription* dev = c.catalog.Find(5);
    CPLCAddr m;
    m.type = dev->FindType(0, "M");
    m.addr = 9;
    m.sub = 2;
    m.shift = 5;
    // Shift 5..7 (3), then sub 3 with 8 shifts each (8), no further words.
    EXPECT_EQ(m.Available(), 11);
    EXPECT_EQ(m.Step(0), "M9 2 5");
    EXPECT_EQ(m.Step(3), "M9 3 0");
    EXPECT_EQ(m.Step(10), "M9 3 7");
    EXPECT_EQ(m.Step(11), "");  // carries past the last word
    EXPECT_EQ(m.Step(12), "");

    CPLCAddr x;
    x.type = dev->FindType(0, "X");
    x.addr = 62;
    EXPECT_EQ(x.Available(), 2);
    EXPECT_EQ(x.Step(1), "X77");

    CPLCAddr lb;
    lb.type = c.catalog.Find(0)->FindType(0, "LB");
    lb.addr = 0;
    lb.sub = 14;
    EXPECT_EQ(lb.Available(), 254);
    EXPECT_EQ(lb.Step(3), "LB1.1");
}

TEST(LegacyCatalogue, XmlAndArchiveForms) {
    Catalogue c;
    const LegacyPlcDescription* dev = c.catalog.Find(5);
    CXmlDocumentWrapper document;
    ASSERT_TRUE(document.LoadXml("<root><Reg/><Wire/></root>"));
    CXmlNodeWrapper root = document.AsNode().FindNode("root");
    CPLCAddr word(1);
    word.type = dev->FindType(1, "D");
    word.station = 4;
    word.addr = 700;
    word.num = 3;
    CXmlNodeWrapper regNode = root.FindNode("Reg");
    word.XmlSave(regNode);
    EXPECT_EQ(regNode.GetValue("Type"), "D");
    EXPECT_EQ(regNode.GetValue("Num"), "3");
    EXPECT_EQ(regNode.GetValue("Shift"), "");
    CPLCAddr loaded;
    loaded.XmlLoad(regNode, dev);
    EXPECT_EQ(loaded.kind, 1);
    EXPECT_EQ(loaded.type, word.type);
    EXPECT_EQ(loaded.addr, 700);
    EXPECT_EQ(loaded.num, 3);
    EXPECT_EQ(loaded.typeIndex, 1);  // after the child's "LW"
    regNode.SetValue("Num", "0");
    loaded.XmlLoad(regNode, dev);
    EXPECT_EQ(loaded.num, 1);

    CPLCAddr untyped;  // no description: numbers only, empty "Type"
    CXmlNodeWrapper wireNode = root.FindNode("Wire");
    untyped.shift = 6;
    untyped.XmlSave(wireNode);
    EXPECT_EQ(wireNode.GetValue("Type"), "");
    EXPECT_EQ(wireNode.GetValue("Shift"), "6");

    Archive out;
    word.Serialize(out);
    // kind, "D", typeIndex, access, station, addr, sub, shift, num.
    EXPECT_EQ(out.Data(), test::Hex("01000000 FF FEFF 01 4400 00000000 02000000 04 BC02 00 00 03"));
    LegacyPlcArchiveContext context(dev);
    Archive in(out.Data(), CoreClassRegistry());
    in.SetContext(&context);
    CPLCAddr back;
    back.Serialize(in);
    EXPECT_EQ(back.type, word.type);
    EXPECT_EQ(back.addr, 700);
    Archive bare(out.Data(), CoreClassRegistry());
    CPLCAddr noType;
    noType.Serialize(bare);
    EXPECT_EQ(noType.type, nullptr);
    EXPECT_EQ(noType.station, 4);
}

} // namespace
} // namespace balsar
