// The picture element: compiled record and shared object records, its
// archive forms (with a project, on its own, version 1), drawing, the legacy
// XML form and placement from a BMP file.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/Archive.h"
#include "base/FileIo.h"
#include "elements/CPictureGE.h"
#include "elements/CSingleColorBitmapLib.h"
#include "elements/ElementArchiveContext.h"
#include "elements/PanelCanvas.h"
#include "project/CoreClasses.h"
#include "xml/CXmlDocumentWrapper.h"
#include "BmpTestFiles.h"
#include "ElementsTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::BmpLayout;
using test::CompileFixture;
using test::Hex;
using test::MakeBmp;
using test::Slice;

std::unique_ptr<CSingleColorBitmapLibItem> Entry(int width, int height, const std::vector<uint8_t>& data) {
    auto item = std::make_unique<CSingleColorBitmapLibItem>();
    item->width = width;
    item->height = height;
    item->data = data;
    return item;
}

// A library whose entry 5 is an 8 x 1 bitmap with byte 0x0F.
CSingleColorBitmapLib LibraryWithEntryFive() {
    CSingleColorBitmapLib library;
    for (uint8_t i = 1; i <= 4; ++i) {
        library.AddItem(Entry(8, 1, {static_cast<uint8_t>(0x80 + i)}));
    }
    EXPECT_EQ(library.AddItem(Entry(8, 1, {0x0F})), 5);
    return library;
}

CPictureGE PictureOf(int32_t id, int left, int top) {
    CPictureGE picture;
    picture.bitmapId = id;
    picture.SetLeft(left);
    picture.SetTop(top);
    picture.SetWidth(8);
    picture.SetHeight(1);
    return picture;
}

TEST(Picture, TwoPicturesOfOneEntryShareObjectAndBitmap) {
    CompileFixture f;
    const CSingleColorBitmapLib library = LibraryWithEntryFive();
    f.context.bitmapLibrary = &library;
    const CPictureGE a = PictureOf(5, 0, 0);
    const CPictureGE b = PictureOf(5, 16, 8);
    a.Compile(f.context);
    PadTo4(f.image);
    const size_t second = f.image.size();
    b.Compile(f.context);
    // The object record (1, bitmap offset) follows the first picture, the
    // bitmap record follows the object.
    EXPECT_EQ(f.image, Hex("00 00 07 00  00 00 0000 01000000 10000000  01 15000000  01 0800 0100 0F"
                           "00  10 08 17 08  00 00 0000 01000000 10000000"));
    EXPECT_EQ(second, 28u);
    EXPECT_EQ(f.context.glyphDictionary.at("PICTURE_5"), 16u);
    EXPECT_EQ(f.context.textTableDictionary.at("BITMAP_LIB_ITEM_5"), 21u);
}

TEST(Picture, UnknownEntryPointsAtOffsetZero) {
    CompileFixture f;
    CSingleColorBitmapLib library;
    f.context.bitmapLibrary = &library;
    PictureOf(3, 0, 0).Compile(f.context);
    EXPECT_EQ(f.image, Hex("00 00 07 00  00 00 0000 01000000 10000000  01 00000000"));
    // Without any library the same.
    CompileFixture g;
    PictureOf(3, 0, 0).Compile(g.context);
    EXPECT_EQ(g.image, f.image);
}

TEST(Picture, DrawsItsEntryAndNothingWithoutOne) {
    CSingleColorBitmapLib library = LibraryWithEntryFive();
    CPictureGE picture = PictureOf(5, 2, 1);
    picture.SetWidth(10);
    picture.SetLibrary(&library);
    PanelCanvas canvas(16, 4);
    canvas.Fill(PanelRect{0, 0, 16, 4}, true);
    picture.Draw(canvas, nullptr);
    EXPECT_EQ(canvas.Dump(PanelRect{0, 1, 14, 2}), "######......##\n");
    // The compiled record has no reverse flag, so the canvas shows a
    // reversed picture as the panel does: as it is. The flag stays stored.
    picture.SetReverse(1);
    picture.Draw(canvas, nullptr);
    EXPECT_EQ(canvas.Dump(PanelRect{0, 1, 14, 2}), "######......##\n");
    EXPECT_EQ(picture.GetReverse(), 1);
    picture.bitmapId = 0; // as a failed version-1 load leaves it
    picture.SetReverse(0);
    picture.Draw(canvas, nullptr);
    EXPECT_EQ(canvas.Dump(PanelRect{0, 1, 14, 2}), "##..........##\n");
}

TEST(Picture, ProjectArchiveMarksItsEntry) {
    CSingleColorBitmapLib library = LibraryWithEntryFive();
    library.ResetUseCounts();
    CPictureGE picture = PictureOf(5, 0, 0);
    picture.threshold = 99;
    picture.compress = 0;
    picture.sourcePixels = {0x00FFFFFF, 0x00000000};
    picture.SetSourceFile("/nowhere/p.bmp"); // name and path; no colours to read
    picture.sourcePixels = {0x00FFFFFF, 0x00000010};
    ElementArchiveContext whole(&library, true);
    Archive out;
    out.SetContext(&whole);
    picture.Serialize(out);
    EXPECT_EQ(library.FindItem(5)->useCount, 1);
    // Version 2, compress, threshold, maximum, minimum, left fill, file
    // name, source path, 8 colour bytes, the ID, nothing after it.
    const auto& bytes = out.Data();
    const Image tail = Hex("08000000 FFFFFF00 10000000 05000000");
    EXPECT_EQ(Slice(bytes, bytes.size() - tail.size(), tail.size()), tail);
    const Image head = Hex("02000000 00000000 63000000 FF000000 00000000 00000000 FF FEFF 05 70002E0062006D007000");
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), head.begin(), head.end()), bytes.end());

    CSingleColorBitmapLib other;
    ElementArchiveContext loading(&other, true);
    Archive in(bytes, CoreClassRegistry());
    in.SetContext(&loading);
    CPictureGE back;
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.bitmapId, 5);
    EXPECT_EQ(back.threshold, 99);
    EXPECT_EQ(back.compress, 0);
    EXPECT_EQ(back.FileName(), "p.bmp");
    EXPECT_EQ(back.SourcePath(), "/nowhere/p.bmp");
    EXPECT_EQ(back.sourcePixels, picture.sourcePixels);
    EXPECT_EQ(back.Library(), &other);
    EXPECT_TRUE(other.Items().empty()); // a project load reads the ID only
}

TEST(Picture, CopiedOnItsOwnItBringsItsBitmap) {
    CSingleColorBitmapLib source = LibraryWithEntryFive();
    CPictureGE picture = PictureOf(5, 3, 4);
    ElementArchiveContext copying(&source, false);
    Archive out;
    out.SetContext(&copying);
    picture.Serialize(out);
    // The entry's body follows the ID: 1, ID 5, use count, 8, 1, then the
    // data as a byte array (16-bit count, one byte).
    const auto& bytes = out.Data();
    const Image tail = Hex("05000000  01000000 05000000 00000000 08000000 01000000 0100 0F");
    EXPECT_EQ(Slice(bytes, bytes.size() - tail.size(), tail.size()), tail);

    // Pasted into another project whose library already has entry 1: the
    // bitmap arrives as entry 2 and the picture shows it.
    CSingleColorBitmapLib target;
    target.AddItem(Entry(8, 1, {0x42}));
    ElementArchiveContext pasting(&target, false);
    Archive in(bytes, CoreClassRegistry());
    in.SetContext(&pasting);
    CPictureGE pasted;
    pasted.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(pasted.bitmapId, 2);
    ASSERT_NE(target.FindItem(2), nullptr);
    EXPECT_EQ(target.FindItem(2)->data, Hex("0F"));
    // Pasting again reuses the entry.
    Archive again(bytes, CoreClassRegistry());
    again.SetContext(&pasting);
    CPictureGE twice;
    twice.Serialize(again);
    EXPECT_EQ(twice.bitmapId, 2);
    EXPECT_EQ(target.Items().size(), 2u);

    // A picture without an entry sends an empty one and arrives without.
    CPictureGE empty = PictureOf(9, 0, 0);
    Archive outEmpty;
    outEmpty.SetContext(&copying);
    empty.Serialize(outEmpty);
    Archive inEmpty(outEmpty.Data(), CoreClassRegistry());
    inEmpty.SetContext(&pasting);
    CPictureGE arrived;
    arrived.Serialize(inEmpty);
    EXPECT_EQ(arrived.bitmapId, 0);
    EXPECT_EQ(target.Items().size(), 2u);

    // Read back without any library (an edit kept for later), the picture
    // keeps its ID and the library it was bound to.
    Archive plain;
    pasted.Serialize(plain);
    Archive reread(plain.Data(), CoreClassRegistry());
    pasted.Serialize(reread);
    EXPECT_EQ(pasted.bitmapId, 2);
    EXPECT_EQ(pasted.Library(), &target);
}

TEST(Picture, VersionOneLoadsItsBitmapFromTheSourceFile) {
    test::TempFolder folder;
    const std::string bmp = folder.File("old.bmp");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(bmp, MakeBmp(BmpLayout{}, Hex("0F000000")), error));
    const auto versionOne = [](const std::string& path) {
        CPictureGE picture;
        Archive out;
        picture.CGraphElement::Serialize(out);
        out.Write<int32_t>(1);
        for (int32_t v : {1, 128, 255, 0, 0}) {
            out.Write<int32_t>(v);
        }
        std::string name = "old.bmp";
        std::string source = path;
        out.String(name);
        out.String(source);
        out.Write<uint32_t>(0);
        return out.TakeData();
    };
    CSingleColorBitmapLib library;
    library.AddItem(Entry(8, 1, {0x11}));
    ElementArchiveContext loading(&library, true);
    {
        const auto bytes = versionOne(bmp);
        Archive in(bytes, CoreClassRegistry());
        in.SetContext(&loading);
        CPictureGE picture;
        picture.Serialize(in);
        EXPECT_EQ(in.Remaining(), 0u);
        EXPECT_EQ(picture.bitmapId, 2);
        EXPECT_EQ(library.FindItem(2)->data, Hex("0F"));
    }
    {
        // A source that cannot be read leaves the picture without an entry,
        // never with the loader's negative code.
        const auto bytes = versionOne(folder.File("missing.bmp"));
        Archive in(bytes, CoreClassRegistry());
        in.SetContext(&loading);
        CPictureGE picture;
        picture.bitmapId = 7;
        picture.Serialize(in);
        EXPECT_EQ(picture.bitmapId, 0);
    }
}

TEST(Picture, DamagedColourCountIsAnArchiveError) {
    CPictureGE picture;
    ElementArchiveContext whole(nullptr, true);
    Archive out;
    out.SetContext(&whole);
    picture.Serialize(out);
    auto bytes = out.TakeData();
    // The colour byte count sits 8 bytes before the end (count, then ID).
    bytes[bytes.size() - 8] = 0xFF;
    bytes[bytes.size() - 5] = 0x7F;
    Archive in(bytes, CoreClassRegistry());
    in.SetContext(&whole);
    CPictureGE back;
    EXPECT_THROW(back.Serialize(in), ArchiveError);
}

TEST(Picture, LegacyXml) {
    test::TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "image");
    std::string error;
    BmpLayout layout;
    layout.width = 2;
    layout.palette = {0x00000000, 0x00FF0000};
    ASSERT_TRUE(WriteFileAtomically(folder.Path() / "image" / "logo.bmp", MakeBmp(layout, Hex("40000000")), error));

    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml("<Parts/>"));
    CXmlNodeWrapper parts = doc.AsNode().FindNode("Parts");
    CPictureGE picture = PictureOf(1, 4, 4);
    picture.SetSourceFile("/elsewhere/logo.bmp");
    picture.threshold = 77;
    picture.leftFill = 4;
    picture.SetReverse(1);
    picture.XmlSave(parts);
    const CXmlNodeWrapper part = parts.GetNode(0);
    EXPECT_EQ(part.GetValue("Type"), "Picture");
    EXPECT_EQ(part.GetNode(1).Name(), "Trait");
    EXPECT_EQ(part.GetNode(2).Name(), "URL");
    EXPECT_EQ(part.FindNode("URL").GetText(), "logo.bmp");
    const CXmlNodeWrapper trait = part.FindNode("Trait");
    EXPECT_EQ(trait.GetValue("Compress"), "yes");
    EXPECT_EQ(trait.GetValue("Reverse"), "yes");
    EXPECT_EQ(trait.GetValue("Critical"), "77");
    EXPECT_EQ(trait.GetValue("LeftFill"), "4");

    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    RecordingMessageSink sink;
    CPictureGE back;
    const bool loaded = back.XmlLoad(part, sink);
    part.FindNode("URL").SetText("%s", "gone.bmp");
    CPictureGE missing;
    const bool loadedMissing = missing.XmlLoad(part, sink);
    std::filesystem::current_path(previous);

    EXPECT_TRUE(loaded);
    EXPECT_EQ(back.threshold, 77);
    EXPECT_EQ(back.GetReverse(), 1);
    EXPECT_EQ(back.FileName(), "logo.bmp");
    EXPECT_EQ(std::filesystem::path(back.SourcePath()), folder.Path() / "image" / "logo.bmp");
    // Two pixels from the palette: index 0 black, index 1 red (0x00BBGGRR).
    EXPECT_EQ(back.sourcePixels, (std::vector<uint32_t>{0x00000000, 0x000000FF}));
    EXPECT_TRUE(loadedMissing);
    ASSERT_EQ(sink.Entries().size(), 1u);
    EXPECT_EQ(sink.Entries()[0].text, "载入图片失败(gone.bmp)!");
    EXPECT_EQ(sink.Entries()[0].caption, "错误");
    EXPECT_TRUE(missing.sourcePixels.empty());

    CXmlNodeWrapper node = parts.GetNode(0);
    node.Raw().remove_child("URL");
    EXPECT_FALSE(back.XmlLoad(node, sink));
    EXPECT_EQ(sink.Entries().size(), 1u); // no message for this one
}

TEST(Picture, PlacementFromAFile) {
    test::TempFolder folder;
    std::string error;
    BmpLayout big;
    big.width = 130;
    big.imageSize = 20;
    BmpLayout fourBit;
    fourBit.bits = 4;
    ASSERT_TRUE(WriteFileAtomically(folder.File("ok.bmp"), MakeBmp(BmpLayout{}, Hex("0F000000")), error));
    ASSERT_TRUE(WriteFileAtomically(folder.File("big.bmp"), MakeBmp(big, std::vector<uint8_t>(20, 0)), error));
    ASSERT_TRUE(WriteFileAtomically(folder.File("four.bmp"), MakeBmp(fourBit, Hex("00000000")), error));
    ASSERT_TRUE(WriteFileAtomically(folder.File("text.bmp"), Hex("68656C6C6F"), error));
    CSingleColorBitmapLib library;

    PicturePlacement placed = PlacePictureFromFile(folder.File("ok.bmp"), library, 128, 64);
    ASSERT_NE(placed.picture, nullptr);
    EXPECT_TRUE(placed.message.empty());
    EXPECT_EQ(placed.picture->GetWidth(), 8);
    EXPECT_EQ(placed.picture->GetHeight(), 1);
    EXPECT_EQ(placed.picture->bitmapId, 1);
    EXPECT_EQ(placed.picture->SourcePath(), folder.File("ok.bmp"));
    EXPECT_EQ(placed.picture->FileName(), "ok.bmp");
    EXPECT_EQ(placed.picture->sourcePixels.size(), 8u);
    EXPECT_EQ(placed.picture->Library(), &library);

    EXPECT_EQ(PlacePictureFromFile(folder.File("four.bmp"), library, 128, 64).message,
              "文件格式非法，只能导入单色位图");
    EXPECT_EQ(PlacePictureFromFile(folder.File("text.bmp"), library, 128, 64).message, "载入图片失败");
    EXPECT_EQ(PlacePictureFromFile(folder.File("none.bmp"), library, 128, 64).message, "载入图片失败");
    const PicturePlacement tooBig = PlacePictureFromFile(folder.File("big.bmp"), library, 128, 64);
    EXPECT_EQ(tooBig.picture, nullptr);
    EXPECT_EQ(tooBig.message, "图片尺寸太大，无法载入!");
    EXPECT_NE(PlacePictureFromFile(folder.File("big.bmp"), library, 130, 64).picture, nullptr);

    // The page keeps the picture inside the panel and at least 16 pixels.
    CPictureGE picture = PictureOf(1, 100, 40);
    picture.SetWidth(20);
    picture.SetHeight(16);
    const PicturePageLimits limits = PictureLimits(picture, 128, 64);
    EXPECT_TRUE(limits.left.Holds(108));
    EXPECT_FALSE(limits.left.Holds(109));
    EXPECT_FALSE(limits.top.Holds(49));
    EXPECT_TRUE(limits.width.Holds(28));
    EXPECT_FALSE(limits.width.Holds(29));
    EXPECT_FALSE(limits.height.Holds(15));
    EXPECT_TRUE(limits.height.Holds(24));
}

TEST(Picture, CopySourceIntoTheImageFolder) {
    test::TempFolder folder;
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(folder.File("src.bmp"), Hex("0102"), error));
    CPictureGE picture;
    picture.SetSourceFile(folder.File("src.bmp"));
    const std::string images = (folder.Path() / "proj" / "image").string();
    EXPECT_TRUE(picture.CopySourceToImageFolder(images));
    std::vector<uint8_t> copied;
    ASSERT_TRUE(ReadFileBytes(folder.Path() / "proj" / "image" / "src.bmp", copied, error));
    EXPECT_EQ(copied, Hex("0102"));
    // An existing file of that name is kept.
    ASSERT_TRUE(WriteFileAtomically(folder.File("src.bmp"), Hex("0304"), error));
    EXPECT_TRUE(picture.CopySourceToImageFolder(images));
    ASSERT_TRUE(ReadFileBytes(folder.Path() / "proj" / "image" / "src.bmp", copied, error));
    EXPECT_EQ(copied, Hex("0102"));

    const auto copy = PictureOf(4, 1, 1).Clone();
    EXPECT_EQ(static_cast<const CPictureGE&>(*copy).bitmapId, 4);
}

} // namespace
} // namespace balsar
