// Text forms of addresses: numbers in each base, digit placeholders, range
// texts, address value texts and parsing of field texts.
#include <gtest/gtest.h>

#include "plc/AddressText.h"
#include "plc/CAddr.h"
#include "plc/PortProtocols.h"
#include "plc/PlcTestSupport.h"

namespace balsar {
namespace {

TEST(AddressText, NumbersAndPlaceholders) {
    EXPECT_EQ(NumberText(8, BASE_OCT), "10");
    EXPECT_EQ(NumberText(255, BASE_HEX), "FF");
    EXPECT_EQ(NumberText(-1, BASE_DEC_SIGN), "-1");
    EXPECT_EQ(NumberText(-1, BASE_DEC), "4294967295");
    EXPECT_EQ(DigitPlaceholder(BASE_DEC, 0), "D");
    EXPECT_EQ(DigitPlaceholder(BASE_DEC, 9), "D");
    EXPECT_EQ(DigitPlaceholder(BASE_DEC, 10), "DD");
    EXPECT_EQ(DigitPlaceholder(BASE_DEC, 255), "DDD");
    EXPECT_EQ(DigitPlaceholder(BASE_HEX, 0x1FF), "HHH");
    EXPECT_EQ(DigitPlaceholder(BASE_OCT, 7), "O");
    EXPECT_EQ(DigitPlaceholder(BASE_DEC_SIGN, 100), "DDD");
    EXPECT_EQ(DigitPlaceholder(BASE_DEC, INT64_MAX).size(), 19u);
    EXPECT_EQ(RangeText({BASE_DEC, 0, 255}, {BASE_HEX, 0, 15}), "DDD.H(0.0~255.F)");
    EXPECT_EQ(RangeText({BASE_OCT, 0, 0777}), "OOO(0~777)");
}

TEST(AddressText, ValueTexts) {
    CAddr bit(WIDTH_BIT);
    bit.address = 12;
    bit.sub = 10;
    EXPECT_EQ(AddressValueText(bit, nullptr), "12.A");
    CAddr word(WIDTH_WORD);
    word.regType = "RW";
    word.address = 300;
    EXPECT_EQ(AddressValueText(word, nullptr), "300");

    PortProtocols protocols;
    test::LoadSample(protocols, {0});
    CAddr plc(WIDTH_WORD);
    plc.Reset(WIDTH_WORD, 0, 1);
    plc.regType = "4D";
    plc.address = 70;
    EXPECT_EQ(AddressValueText(plc, &protocols), "70");
    EXPECT_EQ(plc.width, WIDTH_DWORD);  // takes the register type's width
    CAddr plcBit(WIDTH_BIT);
    plcBit.Reset(WIDTH_BIT, 0, 1);
    plcBit.regType = "4X.B";
    plcBit.address = 5;
    plcBit.sub = 11;
    EXPECT_EQ(AddressValueText(plcBit, &protocols), "5.B");
}

TEST(AddressText, Parsing) {
    int64_t value = 0;
    EXPECT_TRUE(ParseFieldText("777", BASE_OCT, value));
    EXPECT_EQ(value, 0777);
    EXPECT_FALSE(ParseFieldText("8", BASE_OCT, value));
    EXPECT_TRUE(ParseFieldText("ffffffff", BASE_HEX, value));
    EXPECT_EQ(value, 0xFFFFFFFF);
    EXPECT_FALSE(ParseFieldText("100000000", BASE_HEX, value));
    EXPECT_TRUE(ParseFieldText("1FH", BASE_HEX, value));
    EXPECT_EQ(value, 0x1F);
    EXPECT_TRUE(ParseFieldText("9223372036854775807", BASE_DEC, value));
    EXPECT_FALSE(ParseFieldText("9223372036854775808", BASE_DEC, value));
    EXPECT_TRUE(ParseFieldText("-9223372036854775808", BASE_DEC_SIGN, value));
    EXPECT_EQ(value, INT64_MIN);
    EXPECT_FALSE(ParseFieldText("", BASE_DEC, value));
    EXPECT_FALSE(ParseFieldText("12x", BASE_DEC, value));
}

} // namespace
} // namespace balsar
