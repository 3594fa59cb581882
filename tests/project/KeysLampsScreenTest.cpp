// Lamps, function keys and dynamic texts on screens: the project file's
// object lists, the legacy XML form, and pictures shared across screens.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "elements/CDynamicText.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CompileContext.h"
#include "elements/ElementFactory.h"
#include "project/CHMIFrame.h"
#include "project/CoreClasses.h"
#include "support/TestSupport.h"
#include "xml/CXmlDocumentWrapper.h"

using namespace balsar;

namespace {

// Pictures come from the source tree's lib/component.
class SourceTreeArtwork {
public:
    SourceTreeArtwork() {
        if (const char* home = std::getenv("BALSAR_HOME")) {
            m_previous = home;
        }
        setenv("BALSAR_HOME", BALSAR_SOURCE_DIR, 1);
    }
    ~SourceTreeArtwork() {
        if (m_previous.empty()) {
            unsetenv("BALSAR_HOME");
        } else {
            setenv("BALSAR_HOME", m_previous.c_str(), 1);
        }
    }

private:
    std::string m_previous;
};

std::unique_ptr<CHMIFrame> ScreenWithAllThree(uint16_t number) {
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(number);
    auto lamp = std::make_unique<CLedGE>();
    lamp->shape = CLedGE::SHAPE_SQUARE;
    lamp->Address().Reset(WIDTH_BIT, 1, 3);
    screen->AddElement(std::move(lamp));
    auto key = std::make_unique<CFunckeyGE>();
    key->SetKeyCode(5);
    key->SetFunction(CFunckeyGE::FUNCTION_WORD);
    key->Word().mode = CWordSet::WORD_INCREMENT;
    key->Word().value = 2;
    key->Address().Reset(WIDTH_WORD, 1, 3);
    key->SetLeft(20);
    screen->AddElement(std::move(key));
    auto text = std::make_unique<CDynamicText>();
    text->SetSizeIndex(0, nullptr);
    text->Row(1)->SetValue("1");
    text->Row(1)->SetText("RUN");
    text->Address().Reset(WIDTH_BIT, 1, 3);
    text->SetLeft(40);
    screen->AddElement(std::move(text));
    return screen;
}

} // namespace

TEST(KeysLampsOnScreens, ScreenArchiveRoundTrip) {
    const auto screen = ScreenWithAllThree(2);
    Archive out;
    screen->Serialize(out);
    Archive in(out.Data(), CoreClassRegistry());
    CHMIFrame loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    ASSERT_EQ(loaded.GetElements().size(), 3u);
    const auto* lamp = dynamic_cast<const CLedGE*>(loaded.GetElements()[0].get());
    const auto* key = dynamic_cast<const CFunckeyGE*>(loaded.GetElements()[1].get());
    const auto* text = dynamic_cast<const CDynamicText*>(loaded.GetElements()[2].get());
    ASSERT_NE(lamp, nullptr);
    ASSERT_NE(key, nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(lamp->GetName(), "LED0");
    EXPECT_EQ(lamp->shape, CLedGE::SHAPE_SQUARE);
    EXPECT_EQ(key->GetName(), "FK0");
    EXPECT_EQ(key->FunctionBlock(), (std::vector<uint32_t>{0x00052305, 2, 0, 1, 1}));
    EXPECT_EQ(text->GetName(), "DT0");
    EXPECT_EQ(text->StateMap().at(1), "RUN");

    // Saving again gives the same bytes.
    Archive again;
    loaded.Serialize(again);
    EXPECT_EQ(again.Data(), out.Data());
}

TEST(KeysLampsOnScreens, PortOperationsReachEveryAddress) {
    auto screen = ScreenWithAllThree(1);
    screen->SwapPorts(1, 2);
    for (const auto& element : screen->GetElements()) {
        const CAddr* address = nullptr;
        if (const auto* lamp = dynamic_cast<const CLedGE*>(element.get())) {
            address = &lamp->Address();
        } else if (const auto* key = dynamic_cast<const CFunckeyGE*>(element.get())) {
            address = &key->Address();
        } else if (const auto* text = dynamic_cast<const CDynamicText*>(element.get())) {
            address = &text->Address();
        }
        ASSERT_NE(address, nullptr);
        EXPECT_EQ(address->port, 2) << element->GetName();
    }
}

TEST(KeysLampsOnScreens, LegacyXmlCreatesTheKinds) {
    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml(R"(<Frame ID="3"><Parts>
        <Part Type="Led" ID="0" Name="LED0"><Position Left="1" Top="2" Width="16" Height="16"/></Part>
        <Part Type="FunctionKey" ID="0" Name="FK0"><Position Left="20" Top="2" Width="16" Height="16"/></Part>
        <Part Type="DynamicText" ID="0" Name="DT0"><Position Left="40" Top="2" Width="30" Height="16"/></Part>
      </Parts></Frame>)"));
    RecordingMessageSink sink;
    CHMIFrame screen;
    ASSERT_TRUE(screen.XmlLoad(doc.AsNode().FindNode("Frame"), sink, CreateElementForXmlType));
    ASSERT_EQ(screen.GetElements().size(), 3u);
    EXPECT_EQ(screen.GetElements()[0]->GetKind(), 0);
    EXPECT_EQ(screen.GetElements()[1]->GetKind(), 1);
    EXPECT_EQ(screen.GetElements()[2]->GetKind(), 3);
    EXPECT_EQ(screen.GetElements()[2]->GetWidth(), 30);
    EXPECT_TRUE(sink.Entries().empty());

    // They write nothing beyond the common part node.
    CXmlDocumentWrapper out;
    ASSERT_TRUE(out.LoadXml("<Frames/>"));
    CXmlNodeWrapper frames = out.AsNode().FindNode("Frames");
    screen.XmlSave(frames);
    const CXmlNodeWrapper parts = frames.FindNode("Frame").FindNode("Parts");
    ASSERT_EQ(parts.NumNodes(), 3);
    EXPECT_EQ(parts.GetNode(1).GetValue("Type"), "FunctionKey");
    EXPECT_EQ(parts.GetNode(1).NumNodes(), 1);
}

TEST(KeysLampsOnScreens, PicturesAreWrittenOnceForAllScreens) {
    SourceTreeArtwork artwork;
    const auto first = ScreenWithAllThree(1);
    const auto second = ScreenWithAllThree(2);
    Image image;
    RecordingMessageSink sink;
    CompileContext context(image, sink, 128, 64);
    first->Compile(context);
    const size_t afterFirst = image.size();
    second->Compile(context);
    EXPECT_TRUE(sink.Entries().empty());

    const auto elementOffset = [&image](size_t screenAt, int index) {
        return ReadAt(image, screenAt + 20 + 4 * static_cast<size_t>(index), 4);
    };
    // The lamp's picture table and the key's picture table are shared.
    const uint32_t lamp1 = elementOffset(0, 0);
    const uint32_t lamp2 = elementOffset(afterFirst, 0);
    EXPECT_EQ(ReadAt(image, lamp1 + 24, 4), ReadAt(image, lamp2 + 24, 4));
    const uint32_t key1 = elementOffset(0, 1);
    const uint32_t key2 = elementOffset(afterFirst, 1);
    const size_t tableField = 4 + 4 + 12 + 4; // position, head, address, 4
    EXPECT_EQ(ReadAt(image, key1 + tableField, 4), ReadAt(image, key2 + tableField, 4));
    EXPECT_NE(ReadAt(image, key1 + tableField, 4), 0u);
    // The second screen adds no picture: the key is in the selection order
    // and its record and the dynamic text's table are all it writes.
    size_t glyphs = 0;
    for (const auto& entry : context.glyphDictionary) {
        glyphs += entry.first.rfind("BITMAP_FILE", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(glyphs, 3u); // two lamp pictures, one key picture
    EXPECT_EQ(ReadAt(image, afterFirst + 18, 2), 3u);
    // Selection order of the second screen: the key (position 1), then the end.
    EXPECT_EQ(ReadAt(image, afterFirst + 20 + 12 + 6, 2), 1u);
    EXPECT_EQ(ReadAt(image, afterFirst + 20 + 12 + 8, 2), 0xFFFFu);
}
