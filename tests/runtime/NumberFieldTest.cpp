// How a register element shows its value: digits, decimals, sign, leading
// zeros, hexadecimal, floats, password stars, overflow and scaling, all from
// the compiled attribute word.
#include <gtest/gtest.h>

#include "runtime/NumberField.h"

using namespace balsar::runtime;

namespace {

// An attribute word: type, characters shown and decimals, plus flags.
RegisterRecord Field(uint32_t type, int characters, int decimals, uint32_t flags = 0) {
    RegisterRecord record;
    record.attributes = 1 | type << 8 | flags | static_cast<uint32_t>(characters) << 24 |
                        static_cast<uint32_t>(decimals) << 28;
    return record;
}

constexpr uint32_t kLeadingZeros = 1u << 16;
constexpr uint32_t kPassword = 1u << 13;

TEST(NumberField, SignedAndUnsignedIntegersWithImpliedDecimals) {
    const NumberField signedField(Field(0, 5, 0)); // -1234
    EXPECT_EQ(signedField.IntegerDigits(), 4);
    EXPECT_EQ(signedField.Text(-1234), "-1234");
    EXPECT_EQ(signedField.Text(56), "56");
    EXPECT_EQ(signedField.Text(0), "0");
    EXPECT_EQ(signedField.Text(12345), "*****");
    EXPECT_EQ(signedField.Text(-9999), "-9999");

    const NumberField decimals(Field(1, 6, 2)); // 123.45
    EXPECT_EQ(decimals.IntegerDigits(), 3);
    EXPECT_EQ(decimals.Text(12345), "123.45");
    EXPECT_EQ(decimals.Text(5), "0.05");
    EXPECT_EQ(decimals.Text(100), "1.00");
    EXPECT_EQ(decimals.Text(-1), "******"); // no sign place
    EXPECT_EQ(decimals.Largest(), 99999);

    // No integer digits and one integer digit both show four characters
    // ("0.12" counts its leading 0): the field holds one integer digit.
    const NumberField fraction(Field(1, 4, 2));
    EXPECT_EQ(fraction.Text(12), "0.12");
    EXPECT_EQ(fraction.Text(120), "1.20");
    EXPECT_EQ(fraction.Text(1200), "****");
}

TEST(NumberField, LeadingZerosKeepTheSignPlace) {
    const NumberField field(Field(0, 6, 1, kLeadingZeros)); // -123.4
    EXPECT_EQ(field.Text(-5), "-000.5");
    EXPECT_EQ(field.Text(42), " 004.2");
    const NumberField plain(Field(1, 5, 0, kLeadingZeros));
    EXPECT_EQ(plain.Text(7), "00007");
}

TEST(NumberField, HexadecimalFloatsAndPasswords) {
    const NumberField hex(Field(2, 4, 0));
    EXPECT_EQ(hex.Text(0xBEEF), "BEEF");
    EXPECT_EQ(hex.Text(0x1F), "1F");
    EXPECT_EQ(hex.Text(0x10000), "****");
    EXPECT_EQ(hex.Largest(), 0xFFFF);
    const NumberField hexZeros(Field(2, 4, 0, kLeadingZeros));
    EXPECT_EQ(hexZeros.Text(0x1F), "001F");

    const NumberField single(Field(3, 7, 2)); // -123.45
    EXPECT_EQ(single.Text(-1.5), "-1.50");
    EXPECT_EQ(single.Text(123.456), "123.46");
    EXPECT_EQ(single.Text(1000), "*******");
    EXPECT_DOUBLE_EQ(single.Step(), 0.01);
    EXPECT_EQ(single.Text(std::numeric_limits<double>::quiet_NaN()), "*******");

    const NumberField password(Field(1, 5, 0, kPassword));
    EXPECT_TRUE(password.Password());
    EXPECT_EQ(password.Text(6347), "*****");
    EXPECT_STREQ(password.CharacterSet(), "*.0123456789");
}

TEST(NumberField, ScalingMapsTheInputRangeOntoTheShownRange) {
    RegisterRecord record = Field(0, 6, 1);
    record.attributes |= (1u << 12) | (1u << 17);
    record.inputLower = 10;
    record.inputUpper = 1500;
    record.scaleLower = 0;
    record.scaleUpper = 3000;
    const NumberField field(record);
    EXPECT_DOUBLE_EQ(field.Shown(10), 0);
    EXPECT_DOUBLE_EQ(field.Shown(1500), 3000);
    EXPECT_DOUBLE_EQ(field.Shown(755), 1500);
    EXPECT_EQ(field.Text(field.Shown(755)), "150.0");
    EXPECT_DOUBLE_EQ(field.RegisterValue(1500), 755);
    // The limits bound the register value.
    EXPECT_TRUE(field.Accepts(3000));
    EXPECT_FALSE(field.Accepts(3010));
    EXPECT_FALSE(field.Accepts(-10));
}

TEST(NumberField, LimitsWithoutScalingBoundTheShownValue) {
    RegisterRecord record = Field(0, 5, 0);
    record.attributes |= 1u << 17;
    record.inputLower = -20;
    record.inputUpper = 300;
    const NumberField field(record);
    EXPECT_TRUE(field.Accepts(-20));
    EXPECT_TRUE(field.Accepts(300));
    EXPECT_FALSE(field.Accepts(301));
    EXPECT_FALSE(field.Accepts(-21));
    // Beyond the digits even without limits.
    const NumberField open(Field(0, 3, 0));
    EXPECT_TRUE(open.Accepts(-99));
    EXPECT_FALSE(open.Accepts(100));
}

} // namespace
