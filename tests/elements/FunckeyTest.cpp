#include <gtest/gtest.h>

#include "ArtworkTestSupport.h"
#include "ElementsTestSupport.h"
#include "base/Archive.h"
#include "base/Text.h"
#include "elements/CFunckeyGE.h"
#include "elements/CGraphElement.h"
#include "elements/ElementFactory.h"
#include "elements/PanelCanvas.h"
#include "hardware/HardwareModel.h"
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

CFunckeyGE Key(int32_t code, int32_t function) {
    CFunckeyGE key;
    key.SetKeyCode(code);
    key.SetFunction(function);
    key.SetLeft(10);
    key.SetTop(20);
    return key;
}

TEST(Funckey, JumpKeyBlockAndRecord) {
    ShippedArtwork artwork;
    CFunckeyGE key = Key(5, CFunckeyGE::FUNCTION_JUMP);
    key.Jump().targetScreen = 3;
    EXPECT_EQ(key.FunctionBlock(), (std::vector<uint32_t>{0x00050002, 3}));

    CompileFixture f;
    key.Compile(f.context);
    int w = 0;
    int h = 0;
    const Image picture = PictureRows("funckey", "FUNCKEY5_0_16.dat", w, h);
    ASSERT_EQ(w, 16);
    ASSERT_EQ(h, 16);
    const Image expected = Cat({Hex("0A 14 19 23  00 00 0000  04000000 1C000000"
                                    "02000500 03000000  01000000" // block, level 0
                                    "01 21000000"                 // key picture table at 28
                                    "06 26000000"                 // picture text record at 33
                                    "01 2B000000"                 // picture character table at 38
                                    "07 10 10"),                  // key glyph at 43
                                picture});
    EXPECT_EQ(f.image, expected);
    EXPECT_TRUE(f.sink.Entries().empty());

    // Reverse, keep level and the password level.
    key.SetReverse(1);
    key.SetKeepLevel(1);
    key.SetPasswordLevel(3);
    EXPECT_EQ(key.FunctionBlock()[0], 0x01450002u);
    CompileFixture g;
    key.Compile(g.context);
    EXPECT_EQ(ReadAt(g.image, 24, 4), 3u * 1024 + 1);

    // Back, password and alarm screens take no value; other kinds five words.
    for (const int32_t kind : {1, 2, 3}) {
        key.Jump().kind = kind;
        EXPECT_EQ(key.FunctionBlock().size(), 1u);
        EXPECT_EQ((key.FunctionBlock()[0] >> 8) & 0xFF, static_cast<uint32_t>(kind));
    }
    key.Jump().kind = 7;
    key.Word().limit = 11;
    EXPECT_EQ(key.FunctionBlock(), (std::vector<uint32_t>{0x01450705, 3, 11, 1, 1}));
}

TEST(Funckey, BitKeyCarriesItsAddress) {
    ShippedArtwork artwork;
    CFunckeyGE key = Key(2, CFunckeyGE::FUNCTION_BIT);
    key.Bit().mode = CBitSet::BIT_INVERT;
    key.Address().address = 12;
    EXPECT_EQ(key.FunctionBlock(), (std::vector<uint32_t>{0x00021201}));
    CompileFixture f;
    key.Compile(f.context);
    const Image head = Cat({Hex("0A 14 19 23  01 00 0200"), AddressRecord(key.Address()),
                            Hex("04000000 24000000  01120200 01000000  01")});
    EXPECT_EQ(Slice(f.image, 0, head.size()), head);
}

TEST(Funckey, WordKeyValues) {
    CFunckeyGE key = Key(17, CFunckeyGE::FUNCTION_WORD);
    CWordSet& word = key.Word();
    word.mode = CWordSet::WORD_DECREMENT;
    word.value = 5;
    word.limit = 0;
    word.delay = 3;
    word.speed = 2;
    EXPECT_EQ(key.FunctionBlock(), (std::vector<uint32_t>{0x00112405, 5, 0, 3, 2}));
    word.immediate = 1;
    EXPECT_EQ(key.FunctionBlock()[0], 0x00912405u);
    word.immediate = 0;

    // Setting a constant compiles only the value, whatever the rest holds.
    word.mode = CWordSet::WORD_SET;
    word.value = -1;
    EXPECT_EQ(key.FunctionBlock(), (std::vector<uint32_t>{0x00112002, 0xFFFFFFFF}));
    word.mode = CWordSet::WORD_SUBTRACT;
    EXPECT_EQ(key.FunctionBlock(), (std::vector<uint32_t>{0x00112203, 0xFFFFFFFF, 0}));
    // The immediate flag belongs to the word action only.
    key.SetFunction(CFunckeyGE::FUNCTION_BIT);
    EXPECT_EQ(key.FunctionBlock()[0] & (1u << 23), 0u);
}

TEST(Funckey, BareAndMissingKeys) {
    // Key code 30: one word, no address, no picture, whatever the function.
    CFunckeyGE bare = Key(30, CFunckeyGE::FUNCTION_WORD);
    bare.SetWidth(20);
    bare.SetHeight(10);
    bare.SetSizeIndex(4); // keeps its size
    EXPECT_EQ(bare.GetWidth(), 20);
    CompileFixture f;
    bare.Compile(f.context);
    EXPECT_EQ(f.image, Hex("0A 14 1D 1D  00 00 0000  00000000  01F00000  01000000"));

    // No key: no picture field; a bit key still writes its address.
    CFunckeyGE none = Key(0, CFunckeyGE::FUNCTION_BIT);
    EXPECT_EQ(none.GetOrder(), 0xFFFF);
    CompileFixture g;
    none.Compile(g.context);
    const Image expected = Cat(
        {Hex("0A 14 19 23  01 00 0200"), AddressRecord(none.Address()), Hex("00000000 01100000 01000000")});
    EXPECT_EQ(g.image, expected);
}

TEST(Funckey, HiddenKeyKeepsItsBlockWithoutPicture) {
    ShippedArtwork artwork;
    CFunckeyGE key = Key(5, CFunckeyGE::FUNCTION_JUMP);
    key.SetHidden(1);
    CompileFixture f;
    key.Compile(f.context);
    EXPECT_EQ(f.image, Hex("0A 14 19 23  00 00 0000  04000000 00000000  02000500 01000000  01000000"));
    EXPECT_TRUE(f.context.textTableDictionary.empty());
}

TEST(Funckey, HandAndKeyShareOnePictureTable) {
    ShippedArtwork artwork;
    CFunckeyGE a = Key(1, CFunckeyGE::FUNCTION_JUMP);
    a.SetHand(1);
    a.SetSizeIndex(0);
    EXPECT_EQ(a.GetWidth(), 16);
    EXPECT_EQ(a.GetHeight(), 8);
    CompileFixture f;
    a.Compile(f.context);
    const uint32_t table = ReadAt(f.image, 12, 4);
    EXPECT_EQ(f.image[table], 1);
    const uint32_t text = ReadAt(f.image, table + 1, 4);
    EXPECT_EQ(f.image[text], 6);
    const uint32_t characters = ReadAt(f.image, text + 1, 4);
    EXPECT_EQ(f.image[characters], 2);
    int w = 0;
    int h = 0;
    const Image hand = PictureRows("funckey", "HAND_0_8.dat", w, h);
    const Image keyPicture = PictureRows("funckey", "FUNCKEY1_0_8.dat", w, h);
    EXPECT_EQ(Slice(f.image, ReadAt(f.image, characters + 1, 4), 11), Cat({Hex("07 08 08"), hand}));
    EXPECT_EQ(Slice(f.image, ReadAt(f.image, characters + 5, 4), 11), Cat({Hex("07 08 08"), keyPicture}));
    EXPECT_EQ(f.context.textTableDictionary.count("FUNCKEY_IMAGE_FUNCKEY1_0_8.dat_HAND_0_8.dat"), 1u);

    // The same key and size elsewhere (another screen, another function)
    // refers to the same table; a key without hand gets its own table but
    // reuses the key's glyph.
    CFunckeyGE b = Key(1, CFunckeyGE::FUNCTION_BIT);
    b.SetHand(1);
    b.SetSizeIndex(0);
    const size_t before = f.image.size();
    b.Compile(f.context);
    EXPECT_EQ(ReadAt(f.image, before + 4 + 4 + 12 + 4, 4), table);
    CFunckeyGE c = Key(1, CFunckeyGE::FUNCTION_JUMP);
    c.SetSizeIndex(0);
    const size_t third = f.image.size();
    c.Compile(f.context);
    const uint32_t ownTable = ReadAt(f.image, third + 12, 4);
    EXPECT_NE(ownTable, table);
    const uint32_t ownCharacters = ReadAt(f.image, ReadAt(f.image, ownTable + 1, 4) + 1, 4);
    EXPECT_EQ(ReadAt(f.image, ownCharacters + 1, 4), ReadAt(f.image, characters + 5, 4));
}

TEST(Funckey, MissingPictureReportsAndLeavesZero) {
    test::TempFolder empty;
    test::ProgramFolderOverride nowhere(empty.Path());
    CFunckeyGE key = Key(5, CFunckeyGE::FUNCTION_JUMP);
    CompileFixture f;
    key.Compile(f.context);
    ASSERT_EQ(f.sink.Entries().size(), 1u);
    EXPECT_NE(f.sink.Entries()[0].text.find("[CGraphElement::LoadSingleColorBitmap]Can not open file: "),
              std::string::npos);
    EXPECT_NE(f.sink.Entries()[0].text.find("FUNCKEY5_0_16.dat"), std::string::npos);
    EXPECT_EQ(Slice(f.image, 38, 5), Hex("01 00000000"));
    PanelCanvas canvas(64, 64);
    key.Draw(canvas, nullptr);
    EXPECT_EQ(canvas.Dump(PanelRect{0, 0, 64, 64}).find('#'), std::string::npos);
}

TEST(Funckey, ArchiveRecord) {
    CFunckeyGE key = Key(5, CFunckeyGE::FUNCTION_WORD);
    key.SetNumber(2);
    key.extraC = 7;
    key.extraD = 8;
    key.SetPasswordLevel(4);
    key.SetHand(1);
    key.SetKeepLevel(1);
    key.Jump().targetScreen = 9;
    key.Bit().mode = 3;
    key.Word().value = 6;
    Archive out;
    key.Serialize(out);
    Archive addressOut;
    key.Address().Serialize(addressOut);
    const Image expected = Cat({Hex("01000000 FF FEFF 03 4600 4B00 3200 0200"
                                    "00000000 00000000 00000000 00000000"
                                    "10000000 20000000 01000000 0A000000 14000000 FFFF0000"
                                    "02000000 08000000 07000000 05000000 02000000 02000000 04000000"
                                    "01000000 00000000 01000000"),
                                addressOut.Data(),
                                Hex("01000000 0900 00000000  01000000 03000000"
                                    "01000000 00000000 06000000 00000000 01000000 01000000 00000000")});
    EXPECT_EQ(out.Data(), expected);

    Archive in(out.Data(), CoreClassRegistry());
    CFunckeyGE loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.FunctionBlock(), key.FunctionBlock());
    EXPECT_EQ(loaded.extraC, 7);
    EXPECT_EQ(loaded.GetHand(), 1);
    EXPECT_EQ(loaded.Jump(), key.Jump());
    EXPECT_EQ(loaded.Bit(), key.Bit());
    EXPECT_EQ(loaded.Word(), key.Word());

    // Version 1 has no keep-level field.
    Image v1 = out.Data();
    const size_t versionAt = 56;
    ASSERT_EQ(ReadAt(v1, versionAt, 4), 2u);
    v1[versionAt] = 1;
    const auto keepLevel = v1.begin() + static_cast<std::ptrdiff_t>(versionAt + 36);
    v1.erase(keepLevel, keepLevel + 4);
    Archive old(v1, CoreClassRegistry());
    CFunckeyGE older;
    older.SetKeepLevel(1);
    older.Serialize(old);
    EXPECT_EQ(old.Remaining(), 0u);
    EXPECT_EQ(older.GetKeepLevel(), 0);
    EXPECT_EQ(older.Word(), key.Word());
}

TEST(Funckey, DefaultsSizeAndCopies) {
    CFunckeyGE key;
    EXPECT_EQ(key.GetKeyCode(), 0);
    EXPECT_EQ(key.GetWidth(), 16);
    EXPECT_EQ(key.GetHeight(), 16);
    EXPECT_EQ(key.extraC, 5);
    EXPECT_EQ(key.Word().delay, 1);
    EXPECT_EQ(key.Word().speed, 1);
    key.TakeFirstKey({HardwareKey{16, "UP"}, HardwareKey{1, "F1"}});
    EXPECT_EQ(key.GetKeyCode(), 16);
    EXPECT_EQ(key.GetOrder(), 1);
    key.SetOrder(4);
    EXPECT_EQ(key.GetOrder(), 4);
    key.TakeFirstKey({});
    EXPECT_EQ(key.GetKeyCode(), 0);
    EXPECT_TRUE(key.ShowsOutline());

    // Size follows size index and hand, and keeps the double size.
    key.SetKeyCode(3);
    key.ChangeDoubleSize(true, 128, 64);
    key.SetHand(1);
    EXPECT_EQ(key.GetWidth(), 64);
    EXPECT_EQ(key.GetHeight(), 32);
    key.ChangeDoubleSize(false, 128, 64);
    EXPECT_EQ(key.GetWidth(), 32);

    key.Word().mode = 4;
    key.Jump().kind = 2;
    key.SetHidden(1);
    const auto copy = key.Clone();
    const auto* cloned = dynamic_cast<const CFunckeyGE*>(copy.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(cloned->GetKeyCode(), 3);
    EXPECT_EQ(cloned->GetHidden(), 1);
    EXPECT_EQ(cloned->Word().mode, 4);
    EXPECT_EQ(cloned->Jump().kind, 2);
    EXPECT_EQ(cloned->GetOrder(), 1); // the order is not copied
}

TEST(Funckey, DrawsItsPictures) {
    ShippedArtwork artwork;
    int w = 0;
    int h = 0;
    const Image normal = PictureRows("funckey", "FUNCKEY20_0_16.dat", w, h);
    const Image reverse = PictureRows("funckey", "FUNCKEY20_1_16.dat", w, h);
    const Image hidden = PictureRows("funckey", "FUNCKEY20_2_16.dat", w, h);
    const Image hand = PictureRows("funckey", "HAND_1_16.dat", w, h);
    const auto rowsAt = [](const PanelCanvas& canvas, int left, int top) {
        Glyph g;
        g.Reset(16, 16);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (canvas.Pixel(left + x, top + y)) {
                    g.SetPixel(x, y);
                }
            }
        }
        return g.data;
    };
    CFunckeyGE key = Key(20, CFunckeyGE::FUNCTION_JUMP);
    PanelCanvas a(64, 64);
    key.Draw(a, nullptr);
    EXPECT_EQ(rowsAt(a, 10, 20), normal);
    key.SetReverse(1);
    key.SetHand(1);
    PanelCanvas b(64, 64);
    key.Draw(b, nullptr);
    EXPECT_EQ(rowsAt(b, 10, 20), hand);
    EXPECT_EQ(rowsAt(b, 26, 20), reverse);
    key.SetHidden(1);
    PanelCanvas c(64, 64);
    key.Draw(c, nullptr);
    EXPECT_EQ(rowsAt(c, 26, 20), hidden);
}

TEST(Funckey, LegacyXmlAndRegistry) {
    const auto created = CreateElementForXmlType("FunctionKey");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetKind(), 1);
    EXPECT_NE(dynamic_cast<CFunckeyGE*>(created.get()), nullptr);
    EXPECT_NE(CoreClassRegistry().Find("CFunckeyGE"), nullptr);
    created->SetNumber(3);
    EXPECT_EQ(created->GetName(), "FK3");
}

} // namespace
} // namespace balsar
