#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CRegisterGE.h"
#include "project/CoreClasses.h"
#include "xml/CXmlDocumentWrapper.h"
#include "ElementsTestSupport.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::AddressRecord;
using test::CompileFixture;
using test::Hex;
using test::Slice;

TEST(Register, Defaults) {
    CRegisterGE reg;
    EXPECT_EQ(reg.Sample(), "-1234");
    EXPECT_EQ(reg.GetWidth(), 40);
    EXPECT_EQ(reg.GetHeight(), 16);
    EXPECT_EQ(reg.AttributeWord(), 0x05100001u);
    EXPECT_EQ(reg.GetOrder(), 0xFFFF);
}

TEST(Register, CompiledRecordOfTheDefaults) {
    CompileFixture f;
    CRegisterGE reg;
    reg.SetLeft(8);
    reg.SetTop(16);
    reg.Compile(f.context);
    Image expected = Hex("08 10 2F 1F  01 00 0100");
    const Image address = AddressRecord(reg.Address());
    ASSERT_EQ(address.size(), 12u);
    expected.insert(expected.end(), address.begin(), address.end());
    const Image tail = Hex("04000000 24000000 01001005 01000000  01 29000000");
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(Slice(f.image, 0, expected.size()), expected);
    // The text record of "*-.0123456789" in the built-in 16-pixel font.
    EXPECT_EQ(f.image[0x29], 6);
    const uint32_t table = ReadAt(f.image, 0x2A, 4);
    EXPECT_EQ(f.image[table], 13);
    EXPECT_EQ(f.context.textTableDictionary.at("REGISTER_TEXT_*-.0123456789_2_"), 0x24u);
    const uint32_t star = ReadAt(f.image, table + 1, 4);
    EXPECT_EQ(Slice(f.image, star, 3), Hex("07 08 10"));
}

TEST(Register, UnsignedWithDecimals) {
    CRegisterGE reg;
    RegisterFormat format = reg.GetFormat();
    ChangeDataType(format, REG_UNSIGNED);
    ASSERT_TRUE(ChangeDigits(format, 3, 2));
    reg.SetFormat(format, nullptr);
    EXPECT_EQ(reg.Sample(), "123.45");
    EXPECT_EQ((reg.AttributeWord() >> 24) & 0xF, 6u);
    EXPECT_EQ(reg.AttributeWord() >> 28, 2u);
    EXPECT_EQ(reg.AttributeWord(), 0x26100101u);
    EXPECT_EQ(reg.GetWidth(), 48);
}

TEST(Register, PasswordOfTwoWords) {
    CRegisterGE reg;
    RegisterFormat format = reg.GetFormat();
    ChangeDataType(format, REG_PASSWORD);
    ChangeDataWidth(format, REG_TWO_WORDS);
    reg.SetFormat(format, nullptr);
    EXPECT_EQ(reg.Sample(), "**********");
    const uint32_t word = reg.AttributeWord();
    EXPECT_EQ((word >> 8) & 0xF, 1u);
    EXPECT_TRUE(word & (1u << 13));
    EXPECT_TRUE(word & (1u << 14));
    EXPECT_TRUE(word & (1u << 18));
    EXPECT_EQ(word, 0x0A146101u);
    EXPECT_EQ(reg.GetOrder(), 1); // input is forced on, the order is still unset
    reg.SetOrder(3);
    EXPECT_EQ(reg.GetOrder(), 3);
}

TEST(Register, LimitsAndScalingFollowTheAttributeWord) {
    CompileFixture f;
    CRegisterGE reg;
    RegisterFormat format = reg.GetFormat();
    SetScaling(format, true);
    EXPECT_EQ(format.inputLimits, 1);
    reg.SetFormat(format, nullptr);
    reg.inputUpper = 9999.7;
    reg.inputLower = -5.9;
    reg.scaleUpper = 100;
    reg.scaleLower = 0;
    reg.passwordLevel = 2;
    reg.Compile(f.context);
    EXPECT_EQ(f.image[28], 5);
    EXPECT_EQ(Slice(f.image, 28, 24), Hex("05 10 12 05  0F270000 FBFFFFFF 64000000 00000000  01080000"));

    CompileFixture g;
    ChangeDataType(format, REG_FLOAT);
    reg.SetFormat(format, nullptr);
    reg.inputUpper = 1.5;
    reg.inputLower = -2;
    reg.Compile(g.context);
    EXPECT_EQ(Slice(g.image, 32, 8), Hex("0000C03F 000000C0"));
}

TEST(Register, RegistersOfOneTypeAndSizeShareTheirTable) {
    CompileFixture f;
    CRegisterGE a;
    CRegisterGE b;
    b.SetLeft(50);
    a.Compile(f.context);
    PadTo4(f.image);
    const size_t second = f.image.size();
    b.Compile(f.context);
    EXPECT_EQ(f.image.size(), second + 36);
    EXPECT_EQ(ReadAt(f.image, 24, 4), ReadAt(f.image, second + 24, 4));
}

TEST(Register, PageKeepsTypeWidthAndDigitsConsistent) {
    RegisterFormat format;
    EXPECT_FALSE(ChangeDigits(format, 4, 2)); // one-word decimals: at most 5 digits
    ChangeDataWidth(format, REG_TWO_WORDS);
    EXPECT_TRUE(ChangeDigits(format, 6, 4));
    ChangeDataType(format, REG_HEX_BCD); // decimals go; 6 hex digits fit two words
    EXPECT_EQ(format.integerDigits, 6);
    EXPECT_EQ(format.decimalDigits, 0);
    ChangeDataWidth(format, REG_ONE_WORD); // one word of hex shows at most 4
    EXPECT_EQ(format.integerDigits, 4);
    ChangeDataWidth(format, REG_TWO_WORDS);
    ASSERT_TRUE(ChangeDigits(format, 8, 0));
    EXPECT_FALSE(ChangeDigits(format, 9, 0));
    ChangeDataType(format, REG_DOUBLE);
    EXPECT_EQ(format.dataWidth, REG_FOUR_WORDS);
    EXPECT_TRUE(WidthLocked(REG_DOUBLE));
    EXPECT_EQ(WidthChoices(REG_DOUBLE).size(), 3u);
    ChangeDataWidth(format, REG_ONE_WORD); // locked
    EXPECT_EQ(format.dataWidth, REG_FOUR_WORDS);
    ChangeDataType(format, REG_SIGNED); // 4WORD falls back to one word
    EXPECT_EQ(format.dataWidth, REG_ONE_WORD);
    ChangeDataType(format, REG_FLOAT);
    EXPECT_EQ(format.dataWidth, REG_TWO_WORDS);
    EXPECT_EQ(format.integerDigits, 4);

    RegisterFormat password;
    password.inputLimits = 1;
    password.scaling = 1;
    ChangeDataType(password, REG_PASSWORD);
    EXPECT_EQ(password.integerDigits, 5);
    EXPECT_EQ(password.inputAllowed, 1);
    EXPECT_EQ(password.inputLimits, 0);
    EXPECT_EQ(password.scaling, 0);
    SetScaling(password, true);
    EXPECT_EQ(password.scaling, 0);

    RegisterFormat limits;
    SetScaling(limits, true);
    SetInputLimits(limits, false);
    EXPECT_EQ(limits.scaling, 0);
}

TEST(Register, ValueRangeOfTheLimits) {
    RegisterFormat hex;
    ChangeDataType(hex, REG_HEX_BCD);
    EXPECT_EQ(DisplaySample(hex), "FFFF");
    EXPECT_EQ(LimitRange(hex).largest, 65535);
    EXPECT_EQ(LimitRange(hex).lowest, 0);

    RegisterFormat signedWord; // 4 digits: 9999 within the 16-bit range
    EXPECT_EQ(LimitRange(signedWord).largest, 9999);
    EXPECT_EQ(LimitRange(signedWord).lowest, -9999);
    ASSERT_TRUE(ChangeDigits(signedWord, 5, 0));
    EXPECT_EQ(LimitRange(signedWord).largest, 32767);
    EXPECT_EQ(LimitRange(signedWord).lowest, -32768);

    RegisterFormat unsignedDword;
    ChangeDataType(unsignedDword, REG_UNSIGNED);
    ChangeDataWidth(unsignedDword, REG_TWO_WORDS);
    ASSERT_TRUE(ChangeDigits(unsignedDword, 10, 0));
    EXPECT_EQ(LimitRange(unsignedDword).largest, 4294967295.0);
    EXPECT_EQ(LimitRange(unsignedDword).lowest, 0);

    RegisterFormat single;
    ChangeDataType(single, REG_FLOAT);
    ASSERT_TRUE(ChangeDigits(single, 3, 2));
    EXPECT_DOUBLE_EQ(LimitRange(single).largest, 999.99);
    EXPECT_DOUBLE_EQ(LimitRange(single).lowest, -999.99);
    ASSERT_TRUE(ChangeDigits(single, 0, 2));
    EXPECT_DOUBLE_EQ(LimitRange(single).largest, 0.99);

    EXPECT_EQ(OutOfRangeText(LimitBoxBoundsFor(REG_SIGNED)), "输入越界,可输入范围 ( -2147483648-2147483647 )");
    EXPECT_EQ(LimitBoxBoundsFor(REG_FLOAT).decimals, 10);
    EXPECT_EQ(LimitBoxBoundsFor(REG_UNSIGNED).largest, 4294967295.0);
}

TEST(Register, SamplesWithLeadingZerosAndNoIntegerDigits) {
    RegisterFormat format;
    ASSERT_TRUE(ChangeDigits(format, 0, 3));
    EXPECT_EQ(DisplaySample(format), "-0.123");
    EXPECT_EQ(CharactersShown(format), 6);
    format.leadingZeros = 1;
    ASSERT_TRUE(ChangeDigits(format, 2, 2));
    EXPECT_EQ(DisplaySample(format), "-00.00");
    RegisterFormat ten;
    ChangeDataWidth(ten, REG_TWO_WORDS);
    ASSERT_TRUE(ChangeDigits(ten, 10, 0));
    EXPECT_EQ(DisplaySample(ten), "-1234567890");
}

TEST(Register, ArchiveRoundTripAndOlderVersions) {
    CRegisterGE reg;
    RegisterFormat format = reg.GetFormat();
    ChangeDataType(format, REG_UNSIGNED);
    SetScaling(format, true);
    reg.SetFormat(format, nullptr);
    reg.alignment = CRegisterGE::ALIGN_CENTRE;
    reg.keepLevel = 1;
    reg.scaleUpper = 12.5;
    reg.Address().address = 77;
    Archive out;
    reg.Serialize(out);
    const size_t prefix = 50; // common prefix with an empty name
    EXPECT_EQ(Slice(out.Data(), prefix, 11), Hex("03000000 01000000 04 00 00"));

    Archive in(out.Data(), CoreClassRegistry());
    CRegisterGE loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetFormat(), reg.GetFormat());
    EXPECT_EQ(loaded.alignment, CRegisterGE::ALIGN_CENTRE);
    EXPECT_EQ(loaded.keepLevel, 1);
    EXPECT_EQ(loaded.scaleUpper, 12.5);
    EXPECT_EQ(loaded.Address(), reg.Address());

    // Version 1: no alignment and no keep level (8 bytes fewer).
    std::vector<uint8_t> v1(out.Data().begin(), out.Data().begin() + prefix + 64);
    const Archive addressOnly = [&] {
        Archive a;
        CAddr copy = reg.Address();
        copy.Serialize(a);
        return a;
    }();
    v1.insert(v1.end(), addressOnly.Data().begin(), addressOnly.Data().end());
    v1[prefix] = 1;
    Archive old(v1, CoreClassRegistry());
    CRegisterGE legacy;
    legacy.alignment = 0;
    legacy.keepLevel = 1;
    legacy.Serialize(old);
    EXPECT_EQ(old.Remaining(), 0u);
    EXPECT_EQ(legacy.alignment, CRegisterGE::ALIGN_RIGHT);
    EXPECT_EQ(legacy.keepLevel, 0);
    EXPECT_EQ(legacy.Address().address, 77);
}

TEST(Register, LegacyXml) {
    CXmlDocumentWrapper doc;
    ASSERT_TRUE(doc.LoadXml(R"(<Parts><Part Type="Register" ID="2" Name="REG2">
        <Position Left="1" Top="2" Width="30" Height="16"/>
        <Trait Double="no" Reverse="yes" FillZero="YES" Setting="yes" Limit="yes" Visible="yes"
               Grade="3" ShowBits="3" FloatBits="1"/>
        <Reg/>
        <Limit Type="工程数据" InputUpper="500" InputLower="-20" PrjUpper="1" PrjLower="0"/>
        </Part></Parts>)"));
    const CXmlNodeWrapper part = doc.AsNode().FindNode("Parts").FindNode("Part");
    RecordingMessageSink sink;
    CRegisterGE reg;
    ASSERT_TRUE(reg.XmlLoad(part, sink));
    EXPECT_EQ(reg.GetReverse(), 1);
    EXPECT_EQ(reg.GetFormat().leadingZeros, 1);
    EXPECT_EQ(reg.GetFormat().inputAllowed, 1);
    EXPECT_EQ(reg.passwordLevel, 3);
    EXPECT_EQ(reg.GetFormat().integerDigits, 3);
    EXPECT_EQ(reg.GetFormat().decimalDigits, 1);
    EXPECT_EQ(reg.GetFormat().dataType, REG_UNSIGNED);
    EXPECT_EQ(reg.inputUpper, 500);
    EXPECT_EQ(reg.inputLower, -20);

    // Input needs all three switches.
    ASSERT_TRUE(doc.LoadXml(R"(<Part Type="Register"><Position/><Trait Setting="yes" Limit="yes"/><Reg/><Limit/></Part>)"));
    CRegisterGE partial;
    ASSERT_TRUE(partial.XmlLoad(doc.AsNode().FindNode("Part"), sink));
    EXPECT_EQ(partial.GetFormat().inputAllowed, 0);

    for (const char* xml : {R"(<Part><Position/><Reg/><Limit/></Part>)", R"(<Part><Position/><Trait/><Limit/></Part>)",
                            R"(<Part><Position/><Trait/><Reg/></Part>)"}) {
        ASSERT_TRUE(doc.LoadXml(xml));
        CRegisterGE broken;
        EXPECT_FALSE(broken.XmlLoad(doc.AsNode().FindNode("Part"), sink)) << xml;
    }

    // Saving writes the children in their places.
    CXmlDocumentWrapper saved;
    ASSERT_TRUE(saved.LoadXml("<Parts/>"));
    CXmlNodeWrapper parts = saved.AsNode().FindNode("Parts");
    reg.XmlSave(parts);
    const CXmlNodeWrapper written = parts.FindNode("Part");
    EXPECT_EQ(written.GetNode(0).Name(), "Position");
    EXPECT_EQ(written.GetNode(1).Name(), "Trait");
    EXPECT_EQ(written.GetNode(2).Name(), "Reg");
    EXPECT_EQ(written.GetNode(3).Name(), "Limit");
    EXPECT_EQ(written.GetNode(1).GetValue("FillZero"), "yes");
    EXPECT_EQ(written.GetNode(3).GetValue("Type"), "工程数据");
    EXPECT_EQ(written.GetNode(3).GetValue("InputLower"), "-20");
}

} // namespace
} // namespace balsar
