#include <gtest/gtest.h>

#include "ArtworkTestSupport.h"
#include "ElementsTestSupport.h"
#include "base/Archive.h"
#include "elements/CLedGE.h"
#include "elements/ElementFactory.h"
#include "elements/PanelCanvas.h"
#include "project/CoreClasses.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::AddressRecord;
using test::CompileFixture;
using test::Hex;
using test::PictureRows;
using test::ShippedArtwork;
using test::Slice;

Image Cat(std::initializer_list<Image> parts) {
    Image out;
    for (const Image& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

TEST(Lamp, SquareFlashingLampRecord) {
    ShippedArtwork artwork;
    CLedGE lamp;
    lamp.shape = CLedGE::SHAPE_SQUARE;
    lamp.SetSizeIndex(3);
    lamp.flash = 1;
    lamp.flashState = 1;
    lamp.period = 5;
    lamp.SetLeft(2);
    lamp.SetTop(4);
    lamp.Address().address = 7;
    EXPECT_EQ(lamp.Flags(), 0x0501);

    CompileFixture f;
    lamp.Compile(f.context);
    int w = 0;
    int h = 0;
    const Image off = PictureRows("led", "LED1_0_24.dat", w, h);
    ASSERT_EQ(w, 24);
    const Image on = PictureRows("led", "LED1_1_24.dat", w, h);
    ASSERT_EQ(on.size(), 72u);
    const Image expected = Cat({Hex("02 04 19 1B  01 00 0100"), AddressRecord(lamp.Address()),
                                Hex("01000000 20000000 0105 0500"
                                    "02 29000000 76000000"      // picture table at 32
                                    "01 1800 1800"),            // off picture at 41
                                off, Hex("01 1800 1800"), on}); // on picture at 118
    EXPECT_EQ(f.image, expected);
    EXPECT_TRUE(f.sink.Entries().empty());

    // Negative logic is bit 9.
    lamp.negativeLogic = 1;
    lamp.flash = 0;
    lamp.flashState = 0;
    EXPECT_EQ(lamp.Flags(), 0x0201);
}

TEST(Lamp, LampsOfOneShapeAndSizeShareTheirTable) {
    ShippedArtwork artwork;
    CompileFixture f;
    CLedGE a;
    CLedGE b;
    b.negativeLogic = 1;
    a.Compile(f.context);
    const size_t second = f.image.size();
    b.Compile(f.context);
    EXPECT_EQ(f.image.size(), second + 32);
    EXPECT_EQ(ReadAt(f.image, 24, 4), ReadAt(f.image, second + 24, 4));
    EXPECT_EQ(f.context.textTableDictionary.count("LED_0_2"), 1u);

    // Another shape: another table.
    CLedGE square;
    square.shape = CLedGE::SHAPE_SQUARE;
    const size_t third = f.image.size();
    square.Compile(f.context);
    EXPECT_NE(ReadAt(f.image, third + 24, 4), ReadAt(f.image, 24, 4));
}

TEST(Lamp, DefaultsAndDrawing) {
    ShippedArtwork artwork;
    CLedGE lamp;
    EXPECT_EQ(lamp.GetWidth(), 16);
    EXPECT_EQ(lamp.GetHeight(), 16);
    EXPECT_EQ(lamp.shape, 0);
    EXPECT_EQ(lamp.period, 1);
    EXPECT_EQ(lamp.Flags(), 0x0001);
    EXPECT_NE(lamp.PictureFile(0).find("LED0_0_16.dat"), std::string::npos);

    const auto drawn = [&lamp]() {
        PanelCanvas canvas(40, 40);
        lamp.Draw(canvas, nullptr);
        Glyph g;
        g.Reset(16, 16);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (canvas.Pixel(lamp.GetLeft() + x, lamp.GetTop() + y)) {
                    g.SetPixel(x, y);
                }
            }
        }
        return g.data;
    };
    int w = 0;
    int h = 0;
    lamp.SetLeft(3);
    lamp.SetTop(5);
    EXPECT_EQ(drawn(), PictureRows("led", "LED0_0_16.dat", w, h));
    lamp.negativeLogic = 1; // shows the on picture
    EXPECT_EQ(drawn(), PictureRows("led", "LED0_1_16.dat", w, h));

    // Double size stays in step with the size index.
    lamp.ChangeDoubleSize(true, 128, 64);
    lamp.SetSizeIndex(1);
    EXPECT_EQ(lamp.GetWidth(), 24);
    lamp.ChangeDoubleSize(false, 128, 64);
    EXPECT_EQ(lamp.GetWidth(), 12);
}

TEST(Lamp, MissingPictures) {
    test::TempFolder empty;
    test::ProgramFolderOverride nowhere(empty.Path());
    CLedGE lamp;
    CompileFixture f;
    lamp.Compile(f.context);
    EXPECT_EQ(f.sink.Entries().size(), 2u);
    EXPECT_EQ(Slice(f.image, 32, 9), Hex("02 00000000 00000000"));
    PanelCanvas canvas(20, 20);
    lamp.Draw(canvas, nullptr);
    EXPECT_EQ(canvas.Dump(PanelRect{0, 0, 20, 20}).find('#'), std::string::npos);
}

TEST(Lamp, ArchiveAndCopies) {
    CLedGE lamp;
    lamp.SetNumber(1);
    lamp.shape = 1;
    lamp.SetSizeIndex(4);
    lamp.negativeLogic = 1;
    lamp.flash = 1;
    lamp.flashState = 1;
    lamp.period = 9;
    Archive out;
    lamp.Serialize(out);
    Archive addressOut;
    lamp.Address().Serialize(addressOut);
    const Image expected = Cat({Hex("01000000 FF FEFF 04 4C00 4500 4400 3100 0100"
                                    "00000000 00000000 00000000 00000000"
                                    "20000000 20000000 00000000 00000000 00000000 FFFF0000"
                                    "01000000 01000000 04000000 01000000 01000000 01000000 09000000"),
                                addressOut.Data()});
    EXPECT_EQ(out.Data(), expected);

    Archive in(out.Data(), CoreClassRegistry());
    CLedGE loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.Flags(), 0x0701);
    EXPECT_EQ(loaded.GetSizeIndex(), 4);
    EXPECT_EQ(loaded.period, 9);

    const auto copy = lamp.Clone();
    const auto* cloned = dynamic_cast<const CLedGE*>(copy.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(cloned->Flags(), 0x0701);
    EXPECT_EQ(cloned->shape, 1);
    EXPECT_EQ(cloned->period, 9);
    EXPECT_EQ(cloned->GetWidth(), 32);

    const auto created = CreateElementForXmlType("Led");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetKind(), 0);
    EXPECT_NE(CoreClassRegistry().Find("CLedGE"), nullptr);
}

} // namespace
} // namespace balsar
