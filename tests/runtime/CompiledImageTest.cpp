// Images compiled by the designer read back as the designer built them:
// the committed reference image against its project file, and a small
// project compiled here.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/FileIo.h"
#include "elements/CGraphElement.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/ElementKinds.h"
#include "runtime/DesignerFixture.h"
#include "runtime/PanelImage.h"

using namespace balsar;
using namespace balsar::runtime;

namespace {

const std::filesystem::path kReference = std::filesystem::path(BALSAR_SOURCE_DIR) / "tests/data/reference";

TEST(CompiledImage, TheReferenceImageHoldsTheReferenceProject) {
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(ReadFileBytes(kReference / "every-kind.bin", bytes, error)) << error;
    const PanelImage image = ReadPanelImage(bytes);

    test::DesignerFixture designer;
    ASSERT_TRUE(designer.Open((kReference / "every-kind.ZPJ").string()));
    CMirloProject& project = designer.Project();

    ASSERT_EQ(image.screens.size(), project.Screens().size());
    for (size_t s = 0; s < image.screens.size(); ++s) {
        const ScreenRecord& screen = image.screens[s];
        const CHMIFrame& frame = *project.Screens()[s];
        EXPECT_EQ(screen.number, frame.GetNumber());
        EXPECT_EQ(screen.upTarget, frame.GetUpKeyTarget());
        EXPECT_EQ(screen.downTarget, frame.GetDownKeyTarget());
        EXPECT_EQ(screen.width, 128);
        EXPECT_EQ(screen.height, 64);
        ASSERT_EQ(screen.elements.size(), frame.GetElements().size());
        for (size_t e = 0; e < screen.elements.size(); ++e) {
            const CGraphElement& element = *frame.GetElements()[e];
            const ElementRecord& record = screen.elements[e];
            EXPECT_EQ(static_cast<int32_t>(record.kind), element.GetKind()) << "screen " << screen.number << " #" << e;
            EXPECT_EQ(record.rect.left, element.GetLeft());
            EXPECT_EQ(record.rect.top, element.GetTop());
            // Text kinds compile the size their text takes (doubled with
            // double size), which the stored size need not hold.
            const bool sizedByText = record.kind == runtime::ElementKind::StaticText || record.kind == runtime::ElementKind::DynamicText ||
                                     record.kind == runtime::ElementKind::Register || record.kind == runtime::ElementKind::Ascii;
            if (!sizedByText) {
                EXPECT_EQ(record.rect.Width(), element.GetWidth()) << "screen " << screen.number << " #" << e;
                EXPECT_EQ(record.rect.Height(), element.GetHeight()) << "screen " << screen.number << " #" << e;
            }
        }
    }
    EXPECT_EQ(image.settings.initialScreen, project.settings.initialScreen);
    EXPECT_EQ(image.settings.passwordScreen, project.settings.passwordScreen);
    EXPECT_EQ(image.settings.saverScreen, project.settings.screenSaverScreen);
    EXPECT_EQ(image.settings.saverDelayMinutes, project.settings.screenSaverDelay);
    EXPECT_EQ(image.settings.passwords, project.settings.passwords);
    ASSERT_TRUE(image.settings.screenSelect);
    EXPECT_FALSE(image.settings.screenReport);
    EXPECT_EQ(image.settings.screenSelect->port, 0);
    EXPECT_EQ(image.settings.screenSelect->linear, 300u);
    EXPECT_EQ(image.ports.size(), 2u);
    EXPECT_EQ(image.events.items.size(), project.eventList.items.size());
    EXPECT_EQ(image.events.alarmScreen, 5);
    EXPECT_EQ(image.transfers.size(), project.dataTransfers.items.size());
    EXPECT_EQ(image.trendChannels.size(), 1u);
    EXPECT_EQ(image.events.digits.size(), 15u);
}

TEST(CompiledImage, TextsKeepOneGlyphPerCharacterAndShareThem) {
    test::DesignerFixture designer;
    auto project = designer.NewProject();
    auto screen = test::DesignerFixture::NewScreen(1);
    for (const char* text : {"ABBA", "AB"}) {
        auto label = std::make_unique<CStaticText>();
        label->SetSizeIndex(1, &designer.Fonts());
        label->ChangeDotMatrix(1, &designer.Fonts());
        label->SetText(text, &designer.Fonts());
        screen->AddElement(std::move(label));
    }
    auto reg = std::make_unique<CRegisterGE>();
    reg->Address() = test::LocalWord("LW", 3);
    screen->AddElement(std::move(reg));
    project->AddScreen(std::move(screen));
    const PanelImage image = ReadPanelImage(designer.Compile(std::move(project)));

    const auto& elements = image.screens.at(0).elements;
    const auto& abba = std::get<StaticTextRecord>(elements.at(0).data).text;
    const auto& ab = std::get<StaticTextRecord>(elements.at(1).data).text;
    ASSERT_EQ(abba.size(), 4u);
    EXPECT_EQ(abba[0], abba[3]);
    EXPECT_EQ(abba[1], abba[2]);
    EXPECT_EQ(ab, (GlyphRun{abba[0], abba[1]}));
    EXPECT_EQ(image.glyphs.At(abba[0]).width, 6);
    EXPECT_EQ(image.glyphs.At(abba[0]).height, 12);
    const auto& field = std::get<RegisterRecord>(elements.at(2).data);
    EXPECT_EQ(field.characters.size(), std::string("*-.0123456789").size());
    EXPECT_EQ(field.address.Text(), "LW3");
}

} // namespace
