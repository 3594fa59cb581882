// Screens: element numbering, stacking order, copies, XML form, compiled record.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "project/CHMIFrame.h"
#include "project/FakeElement.h"
#include "support/TestSupport.h"
#include "xml/CXmlDocumentWrapper.h"

using namespace balsar;
using balsar::test::FakeElement;
using balsar::test::Hex;

namespace {

FakeElement* Add(CHMIFrame& screen, int32_t kind, int32_t order = 0xFFFF) {
    auto element = std::make_unique<FakeElement>(kind);
    element->SetOrder(order);
    FakeElement* raw = element.get();
    EXPECT_EQ(screen.AddElement(std::move(element)), 1);
    return raw;
}

std::vector<std::string> Names(const CHMIFrame& screen) {
    std::vector<std::string> names;
    for (const auto& e : screen.GetElements()) {
        names.push_back(e->GetName());
    }
    return names;
}

} // namespace

TEST(Screen, ElementsGetTheSmallestFreeIdOfTheirKind) {
    CHMIFrame screen;
    FakeElement* reg0 = Add(screen, 4);
    Add(screen, 0);
    Add(screen, 4);
    EXPECT_EQ(Names(screen), (std::vector<std::string>{"REG0", "LED0", "REG1"}));
    EXPECT_EQ(screen.RemoveElement(reg0), 1);
    Add(screen, 4);
    EXPECT_EQ(Names(screen), (std::vector<std::string>{"LED0", "REG1", "REG0"}));
    // The event list numbers with its project-tree tag.
    Add(screen, 10);
    EXPECT_EQ(Names(screen).back(), "EV0");
    // An element that is not on the screen is not removed. (The removed
    // element's address may be reused by a later one, so it cannot serve.)
    FakeElement stranger(4);
    EXPECT_EQ(screen.RemoveElement(&stranger), 0);
    EXPECT_EQ(screen.GetElements().size(), 4u);
}

TEST(Screen, AddingAnElementAlreadyOnTheScreenIsRefused) {
    CHMIFrame screen;
    FakeElement* element = Add(screen, 2);
    EXPECT_EQ(screen.AddElement(std::unique_ptr<CGraphElement>(element)), 0);
    EXPECT_EQ(screen.GetElements().size(), 1u);
    EXPECT_EQ(screen.AddElement(nullptr), 0);
}

TEST(Screen, BringToFrontAndSendToBackKeepRelativeOrder) {
    CHMIFrame screen;
    FakeElement* a = Add(screen, 0);
    FakeElement* b = Add(screen, 1);
    FakeElement* c = Add(screen, 2);
    FakeElement* d = Add(screen, 3);
    EXPECT_EQ(screen.BringToFront({c, a}), 2);
    EXPECT_EQ(Names(screen), (std::vector<std::string>{"FK0", "DT0", "LED0", "ST0"}));
    EXPECT_EQ(screen.SendToBack({d, c}), 2);
    EXPECT_EQ(Names(screen), (std::vector<std::string>{"DT0", "ST0", "FK0", "LED0"}));
    (void)b;
    EXPECT_EQ(screen.BringToFront({}), 0);
    EXPECT_EQ(screen.CountTrends(), 0);
    Add(screen, 6);
    Add(screen, 6);
    EXPECT_EQ(screen.CountTrends(), 2);
}

TEST(Screen, CopyGivesFreshNamesAndTheTargetKeys) {
    CHMIFrame source;
    source.SetNumber(3);
    source.SetDescription("origin");
    source.SetUpKeyTarget(11);
    FakeElement* e = Add(source, 4);
    e->payload = 77;
    e->SetLeft(10);
    e->SetName("renamed");
    std::unique_ptr<CHMIFrame> copy = source.Clone();
    copy->SetNumber(7);
    copy->SetUpKeyTarget(6);
    copy->SetDownKeyTarget(8);
    EXPECT_EQ(copy->GetName(), "HMI7");
    EXPECT_EQ(copy->GetDescription(), "origin");
    ASSERT_EQ(copy->GetElements().size(), 1u);
    const auto& copied = static_cast<const FakeElement&>(*copy->GetElements()[0]);
    EXPECT_NE(&copied, e);
    EXPECT_EQ(copied.GetName(), "REG0"); // renumbered on the new screen
    EXPECT_EQ(copied.payload, 77);
    EXPECT_EQ(copied.GetLeft(), 10);
}

TEST(Screen, EmptyScreenCompilesTo22Bytes) {
    CHMIFrame screen;
    screen.SetNumber(0x0102);
    screen.SetUpKeyTarget(0x0101);
    screen.SetDownKeyTarget(0x0103);
    Image image;
    RecordingMessageSink sink;
    CompileContext context(image, sink, 128, 64);
    screen.Compile(context);
    EXPECT_EQ(image, Hex("04000000 00 00 7F 3F 0201 0000 0101 0301 0000 0000 FFFF"));
}

TEST(Screen, SelectionOrderSortsByOrderValueThenPosition) {
    CHMIFrame screen;
    screen.SetNumber(1);
    for (int32_t order : {5, 2, 0xFFFF, 2}) {
        Add(screen, 4, order)->SetWidth(1);
    }
    Image image;
    RecordingMessageSink sink;
    CompileContext context(image, sink, 192, 64);
    image.push_back(0xEE); // records start wherever the previous one ended
    screen.Compile(context);
    const size_t head = 1;
    EXPECT_EQ(ReadAt(image, head + 18, 2), 4u);
    // kind codes, then positions 1, 3, 0 and the end marker
    const std::vector<uint8_t> tail(image.begin() + head + 36, image.begin() + head + 52);
    EXPECT_EQ(tail, Hex("0400 0400 0400 0400 0100 0300 0000 FFFF"));
    // Elements start at multiples of 4 and the offset table points at them.
    for (int i = 0; i < 4; ++i) {
        const uint32_t offset = ReadAt(image, head + 20 + 4 * i, 4);
        EXPECT_EQ(offset % 4, 0u);
        EXPECT_EQ(offset, 56u + 8u * i) << i;
    }
    EXPECT_EQ(image.size(), 56u + 8u * 3 + 6);
}

TEST(Screen, ArchiveRoundTripAndBodyLayout) {
    CHMIFrame screen;
    screen.SetNumber(2);
    screen.SetDescription("d");
    screen.SetUpKeyTarget(1);
    screen.SetDownKeyTarget(3);
    Archive ar;
    screen.Serialize(ar);
    EXPECT_EQ(ar.Data(), Hex("01000000 FFFEFF04 48004D0049003200 FFFEFF01 6400 0200 0300 0100 0000"));

    Add(screen, 4)->payload = 9;
    Add(screen, 0)->payload = 10;
    Archive full;
    screen.Serialize(full);
    const std::vector<uint8_t> bytes = full.Data();
    Archive in(bytes, test::TestRegistry());
    CHMIFrame loaded;
    Add(loaded, 5); // destroyed by the load
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(Names(loaded), (std::vector<std::string>{"REG0", "LED0"}));
    EXPECT_EQ(static_cast<const FakeElement&>(*loaded.GetElements()[1]).payload, 10);
    Archive again;
    loaded.Serialize(again);
    EXPECT_EQ(again.Data(), bytes);
}

TEST(Screen, LegacyXmlForm) {
    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml(R"(<Frames>
        <Frame ID="4" Name="HMI4" Desc="alarm">
          <Parts>
            <Part Type="Register" ID="9" Name="X"><Position Left="1" Top="2" Width="30" Height="8"/></Part>
            <Part Type="Nonsense" ID="1"/>
            <Part Type="Register" ID="9" Name="Y"/>
          </Parts>
        </Frame>
        <Frame ID="5"/>
      </Frames>)"));
    const CXmlNodeWrapper frames = doc.AsNode().FindNode("Frames");
    RecordingMessageSink sink;
    const XmlElementFactory factory = [](std::string_view type) -> std::unique_ptr<CGraphElement> {
        return type == "Register" ? std::make_unique<FakeElement>(4) : nullptr;
    };
    CHMIFrame screen;
    ASSERT_TRUE(screen.XmlLoad(frames.GetNode(0), sink, factory));
    EXPECT_EQ(screen.GetNumber(), 4);
    EXPECT_EQ(screen.GetDescription(), "alarm");
    EXPECT_EQ(screen.GetUpKeyTarget(), 1);   // no "Prev"
    EXPECT_EQ(screen.GetDownKeyTarget(), 0); // no "Next"
    // Unknown kinds are skipped; every loaded element gets a fresh ID; a part
    // without "Position" reports it.
    EXPECT_EQ(Names(screen), (std::vector<std::string>{"REG0", "REG1"}));
    EXPECT_EQ(screen.GetElements()[0]->GetWidth(), 30);
    EXPECT_TRUE(sink.Contains("GE find 'Position' node failure!"));
    CHMIFrame noParts;
    EXPECT_FALSE(noParts.XmlLoad(frames.GetNode(1), sink, factory));

    // Save and load again.
    CXmlDocumentWrapper out;
    ASSERT_TRUE(out.LoadXml("<Frames/>"));
    CXmlNodeWrapper parent = out.AsNode().FindNode("Frames");
    screen.SetUpKeyTarget(3);
    screen.XmlSave(parent);
    CHMIFrame reloaded;
    ASSERT_TRUE(reloaded.XmlLoad(parent.FindNode("Frame"), sink, factory));
    EXPECT_EQ(reloaded.GetUpKeyTarget(), 3);
    EXPECT_EQ(Names(reloaded), Names(screen));
    EXPECT_EQ(parent.FindNode("Frame").GetNode(0).Name(), "Parts");
}
