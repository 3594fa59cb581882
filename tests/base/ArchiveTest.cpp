// Golden bytes and robustness of the binary object archive.
#include <gtest/gtest.h>

#include <string>

#include "base/Archive.h"
#include "base/ByteWriter.h"
#include "base/Utf.h"
#include "support/TestSupport.h"

using balsar::Archivable;
using balsar::Archive;
using balsar::ArchiveError;
using balsar::ClassRegistry;
using balsar::test::Hex;

namespace {

// A small archivable class: one 16-bit value.
class Probe : public Archivable {
    BALSAR_DECLARE_CLASS(Probe)
public:
    void Serialize(Archive& ar) override { ar.Value(value); }
    uint16_t value = 0;
};
BALSAR_IMPLEMENT_CLASS(Probe, 3, nullptr)

// A second class, derived from Probe, to test class references and typing.
class Sample : public Probe {
    BALSAR_DECLARE_CLASS(Sample)
};
BALSAR_IMPLEMENT_CLASS(Sample, 0, &Probe::StaticClass())

ClassRegistry Registry() {
    ClassRegistry registry;
    registry.Add(Probe::StaticClass());
    registry.Add(Sample::StaticClass());
    return registry;
}

std::vector<uint8_t> StoreString(const std::string& text) {
    Archive ar;
    std::string copy = text;
    ar.String(copy);
    return ar.TakeData();
}

std::string LoadString(const std::vector<uint8_t>& bytes) {
    const ClassRegistry registry = Registry();
    Archive ar(bytes, registry);
    std::string text;
    ar.String(text);
    EXPECT_EQ(ar.Remaining(), 0u);
    return text;
}

} // namespace

TEST(ArchiveStrings, ShortStringGoldenBytes) {
    EXPECT_EQ(StoreString("abc"), Hex("FF FEFF 03 6100 6200 6300"));
    EXPECT_EQ(StoreString(""), Hex("FF FEFF 00"));
    // Non-ASCII characters are stored as UTF-16LE units.
    EXPECT_EQ(StoreString("画面"), Hex("FF FEFF 02 3B75 6297"));
}

TEST(ArchiveStrings, LongStringsUseTheEscapedLengths) {
    const std::string s300(300, 'x');
    std::vector<uint8_t> expected = Hex("FF FEFF FF 2C01");
    for (int i = 0; i < 300; ++i) {
        expected.push_back('x');
        expected.push_back(0);
    }
    EXPECT_EQ(StoreString(s300), expected);
    EXPECT_EQ(LoadString(expected), s300);

    // 254 characters still fit the one-byte length; 255 do not.
    EXPECT_EQ(StoreString(std::string(254, 'a'))[3], 0xFE);
    const std::vector<uint8_t> s255 = StoreString(std::string(255, 'a'));
    EXPECT_EQ(std::vector<uint8_t>(s255.begin(), s255.begin() + 6), Hex("FF FEFF FF FF00"));
}

TEST(ArchiveStrings, LengthsFrom0xFFFEUpTakeTheLongForm) {
    // A 16-bit length of 0xFFFE would read back as the UTF-16 marker.
    for (size_t n : {size_t{0xFFFD}, size_t{0xFFFE}, size_t{0xFFFF}, size_t{70000}}) {
        const std::string text(n, 'q');
        const std::vector<uint8_t> bytes = StoreString(text);
        if (n < 0xFFFE) {
            EXPECT_EQ(bytes[4] | (bytes[5] << 8), static_cast<int>(n));
            EXPECT_EQ(bytes.size(), 6 + 2 * n);
        } else {
            EXPECT_EQ(bytes[4], 0xFF);
            EXPECT_EQ(bytes[5], 0xFF);
            EXPECT_EQ(balsar::ReadAt(bytes, 6, 4), n);
            EXPECT_EQ(bytes.size(), 10 + 2 * n);
        }
        EXPECT_EQ(LoadString(bytes), text) << n;
    }
}

TEST(ArchiveStrings, ReadsNarrowStringsOfOlderFiles) {
    // No UTF-16 marker: one byte per character.
    EXPECT_EQ(LoadString(Hex("03 616263")), "abc");
    // A 16-bit length after 0xFF without the marker.
    EXPECT_EQ(LoadString(Hex("FF 0200 6869")), "hi");
    // GBK bytes of "画面".
    EXPECT_EQ(LoadString(Hex("04 BBAD C3E6")), "画面");
}

TEST(ArchiveStrings, LengthBeyondTheDataIsAnErrorNotAnAllocation) {
    const ClassRegistry registry = Registry();
    for (const std::string hex : {"FF FEFF 05 6100", "FF FEFF FF FFFF FFFFFF7F", "FF FEFF FF FFFF FFFFFFFF", "FF FE"}) {
        const std::vector<uint8_t> bytes = Hex(hex);
        Archive ar(bytes, registry);
        std::string text;
        EXPECT_THROW(ar.String(text), ArchiveError) << hex;
    }
}

TEST(ArchiveValues, IntegersAndDoublesAreLittleEndian) {
    Archive ar;
    ar.Write<int32_t>(-2);
    ar.Write<uint16_t>(0x1234);
    ar.Write<uint8_t>(0xAB);
    ar.Write<double>(1.0);
    EXPECT_EQ(ar.Data(), Hex("FEFFFFFF 3412 AB 000000000000F03F"));

    const ClassRegistry registry = Registry();
    const std::vector<uint8_t> bytes = ar.Data();
    Archive in(bytes, registry);
    EXPECT_EQ(in.Read<int32_t>(), -2);
    EXPECT_EQ(in.Read<uint16_t>(), 0x1234);
    EXPECT_EQ(in.Read<uint8_t>(), 0xAB);
    EXPECT_EQ(in.Read<double>(), 1.0);
    EXPECT_THROW(in.Read<uint8_t>(), ArchiveError);
}

TEST(ArchiveCounts, SixteenBitWithThe32BitEscape) {
    Archive ar;
    ar.WriteCount(5);
    ar.WriteCount(0xFFFE);
    ar.WriteCount(0xFFFF);
    ar.WriteCount(0x12345);
    EXPECT_EQ(ar.Data(), Hex("0500 FEFF FFFF FFFF0000 FFFF 45230100"));
}

TEST(ArchiveObjects, ListOfTwoObjectsOfOneClassUsesTheClassReference) {
    std::vector<std::unique_ptr<Probe>> list;
    list.push_back(std::make_unique<Probe>());
    list.push_back(std::make_unique<Probe>());
    list[0]->value = 0x0102;
    list[1]->value = 0x0304;
    Archive ar;
    ar.ObjectList(list);
    // count 2; new class "Probe" schema 3 (index 1), object (index 2), body;
    // class reference 0x8001, object (index 3), body.
    EXPECT_EQ(ar.Data(), Hex("0200 FFFF 0300 0500 50726F6265 0201 0180 0403"));

    const ClassRegistry registry = Registry();
    const std::vector<uint8_t> bytes = ar.Data();
    Archive in(bytes, registry);
    std::vector<std::unique_ptr<Probe>> loaded;
    in.ObjectList(loaded);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->value, 0x0102);
    EXPECT_EQ(loaded[1]->value, 0x0304);
}

TEST(ArchiveObjects, IndexesFrom0x7FFFUseTheEscape) {
    // 0x7FFD objects of one class take the indexes 1 (class) to 0x7FFE;
    // a second class then gets index 0x7FFF, so its next reference needs
    // the 0x7FFF escape with the 32-bit class tag 0x80007FFF.
    std::vector<std::unique_ptr<Probe>> list;
    for (int i = 0; i < 0x7FFD; ++i) {
        list.push_back(std::make_unique<Probe>());
    }
    list.push_back(std::make_unique<Sample>());
    list.push_back(std::make_unique<Sample>());
    list.back()->value = 0xBEEF;
    Archive ar;
    ar.ObjectList(list);
    const std::vector<uint8_t>& bytes = ar.Data();
    const std::vector<uint8_t> tail(bytes.end() - 8, bytes.end());
    EXPECT_EQ(tail, Hex("FF7F FF7F0080 EFBE"));

    const ClassRegistry registry = Registry();
    Archive in(bytes, registry);
    std::vector<std::unique_ptr<Probe>> loaded;
    in.ObjectList(loaded);
    ASSERT_EQ(loaded.size(), list.size());
    EXPECT_EQ(loaded.back()->GetRuntimeClass().name, "Sample");
    EXPECT_EQ(loaded.back()->value, 0xBEEF);
}

TEST(ArchiveObjects, BadTagsAndClassesAreArchiveErrors) {
    const ClassRegistry registry = Registry();
    const std::vector<std::string> damaged = {
        "FFFF 0300 0500 50726F6265",   // body missing
        "FFFF 0300 0700 556E6B6E6F776E", // unknown class "Unknown"
        "FFFF 0400 0500 50726F6265 0100", // wrong schema
        "0180",                        // reference to a class never seen
        "0100",                        // back-reference to an object
        "FFFF 0300 0000",              // empty class name
        "FF7F 05000080",               // escaped reference to nothing
    };
    for (const std::string& hex : damaged) {
        const std::vector<uint8_t> bytes = Hex(hex);
        Archive in(bytes, registry);
        EXPECT_THROW(in.ReadObject(Probe::StaticClass()), ArchiveError) << hex;
    }
    // An object of a class that is not the expected one.
    const std::vector<uint8_t> probe = Hex("FFFF 0300 0500 50726F6265 0100");
    Archive in(probe, registry);
    EXPECT_THROW(in.ReadObject(Sample::StaticClass()), ArchiveError);
    // The null tag reads as no object.
    const std::vector<uint8_t> null = Hex("0000");
    Archive nullIn(null, registry);
    EXPECT_EQ(nullIn.ReadObject(Probe::StaticClass()), nullptr);
}

TEST(ArchiveObjects, HugeCountsAreRefusedBeforeAllocating) {
    const ClassRegistry registry = Registry();
    const std::vector<uint8_t> bytes = Hex("FFFF FFFFFF7F 0000");
    Archive in(bytes, registry);
    std::vector<std::unique_ptr<Probe>> list;
    EXPECT_THROW(in.ObjectList(list), ArchiveError);
    const std::vector<uint8_t> array = Hex("FFFF 00000010 00");
    Archive arrayIn(array, registry);
    std::vector<uint8_t> data;
    EXPECT_THROW(arrayIn.ByteArray(data), ArchiveError);
}
