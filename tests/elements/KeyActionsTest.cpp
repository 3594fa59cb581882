#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CBitSet.h"
#include "elements/CJumpFrame.h"
#include "elements/CWordSet.h"
#include "project/CoreClasses.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

using test::Hex;

template <class T> T Reload(const std::vector<uint8_t>& bytes) {
    Archive in(bytes, CoreClassRegistry());
    T loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    return loaded;
}

TEST(KeyActions, ArchiveForms) {
    CJumpFrame jump;
    jump.kind = CJumpFrame::JUMP_ALARM_LIST;
    jump.targetScreen = 0x1234;
    Archive a;
    jump.Serialize(a);
    EXPECT_EQ(a.Data(), Hex("01000000 3412 03000000"));
    EXPECT_EQ(Reload<CJumpFrame>(a.Data()), jump);

    CBitSet bit;
    bit.mode = CBitSet::BIT_OFF_LEAVING;
    Archive b;
    bit.Serialize(b);
    EXPECT_EQ(b.Data(), Hex("01000000 07000000"));
    EXPECT_EQ(Reload<CBitSet>(b.Data()), bit);

    CWordSet word;
    word.mode = CWordSet::WORD_INCREMENT_CYCLING;
    word.value = -2;
    word.limit = 100;
    word.delay = 15;
    word.speed = 4;
    word.immediate = 1;
    Archive w;
    word.Serialize(w);
    EXPECT_EQ(w.Data(), Hex("01000000 08000000 FEFFFFFF 64000000 0F000000 04000000 01000000"));
    EXPECT_EQ(Reload<CWordSet>(w.Data()), word);

    // The version is not checked.
    EXPECT_EQ(Reload<CBitSet>(Hex("07000000 02000000")).mode, CBitSet::BIT_INVERT);
}

TEST(KeyActions, DefaultsAndCopies) {
    const CWordSet fresh;
    EXPECT_EQ(fresh.delay, 1);
    EXPECT_EQ(fresh.speed, 1);
    EXPECT_EQ(fresh.mode, CWordSet::WORD_SET);
    const CJumpFrame jumpDefault;
    EXPECT_EQ(jumpDefault.targetScreen, 1);

    CJumpFrame jump;
    jump.targetScreen = 9;
    jump.kind = CJumpFrame::JUMP_BACK; // the target stays, only disabled on the page
    EXPECT_FALSE(jump.TargetEnabled());
    EXPECT_EQ(jump.Clone()->targetScreen, 9);

    CWordSet word;
    word.value = 5;
    word.immediate = 1;
    EXPECT_EQ(*word.Clone(), word);
}

TEST(KeyActions, FunctionCodes) {
    CJumpFrame jump;
    jump.kind = 2;
    EXPECT_EQ(jump.FunctionCode(), 0x02u);
    CBitSet bit;
    bit.mode = CBitSet::BIT_INVERT;
    EXPECT_EQ(bit.FunctionCode(), 0x12u);
    CWordSet word;
    word.mode = CWordSet::WORD_DECREMENT;
    EXPECT_EQ(word.FunctionCode(), 0x24u);
    // Block lengths: value only, value and limit, all four.
    const int words[CWordSet::kModeCount] = {2, 3, 3, 5, 5, 2, 2, 5, 5};
    for (int mode = 0; mode < CWordSet::kModeCount; ++mode) {
        EXPECT_EQ(CWordSet::BlockWords(mode), words[mode]) << mode;
    }
}

TEST(KeyActions, WordPageFollowsTheMode) {
    EXPECT_STREQ(CWordSet::ValueLabel(CWordSet::WORD_SET), "设置值:");
    EXPECT_STREQ(CWordSet::ValueLabel(CWordSet::WORD_ADD), "加数:");
    EXPECT_STREQ(CWordSet::ValueLabel(CWordSet::WORD_SUBTRACT), "减数:");
    EXPECT_STREQ(CWordSet::ValueLabel(CWordSet::WORD_INCREMENT), "递加值:");
    EXPECT_STREQ(CWordSet::ValueLabel(CWordSet::WORD_DECREMENT), "递减值:");
    EXPECT_STREQ(CWordSet::ValueLabel(CWordSet::WORD_SET_LEAVING), "设置值:");
    EXPECT_STREQ(CWordSet::ValueLabel(CWordSet::WORD_ADD_CYCLING), "加数:");
    EXPECT_STREQ(CWordSet::ValueLabel(CWordSet::WORD_INCREMENT_CYCLING), "递加值:");
    EXPECT_STREQ(CWordSet::LimitLabel(CWordSet::WORD_ADD), "上限:");
    EXPECT_STREQ(CWordSet::LimitLabel(CWordSet::WORD_DECREMENT), "下限:");
    EXPECT_STREQ(CWordSet::LimitLabel(CWordSet::WORD_INCREMENT_CYCLING), "上限:");

    const bool limit[CWordSet::kModeCount] = {false, true, true, true, true, false, false, true, true};
    const bool timing[CWordSet::kModeCount] = {false, false, false, true, true, false, false, false, true};
    for (int mode = 0; mode < CWordSet::kModeCount; ++mode) {
        EXPECT_EQ(CWordSet::UsesLimit(mode), limit[mode]) << mode;
        EXPECT_EQ(CWordSet::UsesTiming(mode), timing[mode]) << mode;
    }
    EXPECT_EQ(CWordSet::TenthsText(0), "0.1 sec");
    EXPECT_EQ(CWordSet::TenthsText(9), "1.0 sec");
    EXPECT_EQ(CWordSet::TenthsText(CWordSet::kTenthsCount - 1), "1.5 sec");
}

} // namespace
} // namespace balsar
