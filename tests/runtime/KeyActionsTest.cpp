// Function keys doing their actions on registers: bits set, reset, inverted
// and held; words set, added and subtracted with limits, incremented while
// held after the delay at the execution rate, and cycling; the screen
// actions on entering and leaving a screen.
#include <gtest/gtest.h>

#include "elements/CBitSet.h"
#include "elements/CWordSet.h"
#include "runtime/DesignerFixture.h"
#include "runtime/PanelRuntime.h"

using namespace balsar;
using runtime::PanelRuntime;
using runtime::test::DesignerFixture;
using runtime::test::LocalBit;
using runtime::test::LocalWord;

namespace {

class KeyActionsTest : public ::testing::Test {
protected:
    bool Bit(uint32_t word, uint32_t bit) {
        runtime::AddressRecord a;
        a.registerId = runtime::kLocalLWBit;
        a.format = 0;
        a.linear = word * 16 + bit;
        return panel.Registers().ReadBit(a);
    }
    double Word(uint32_t word, runtime::DataType type = runtime::DataType::Signed) {
        runtime::AddressRecord a;
        a.linear = word;
        return panel.Registers().Read(a, type, 1);
    }
    void SetWord(uint32_t word, double value) {
        runtime::AddressRecord a;
        a.linear = word;
        panel.Registers().Write(a, runtime::DataType::Signed, 1, value);
    }

    DesignerFixture designer;
    PanelRuntime panel;
};

TEST_F(KeyActionsTest, BitKeys) {
    auto project = designer.NewProject();
    auto screen = DesignerFixture::NewScreen(1);
    screen->AddElement(runtime::test::BitKey(1, CBitSet::BIT_ON, LocalBit("LW.B", 0, 0)));
    screen->AddElement(runtime::test::BitKey(2, CBitSet::BIT_OFF, LocalBit("LW.B", 0, 0)));
    screen->AddElement(runtime::test::BitKey(3, CBitSet::BIT_INVERT, LocalBit("LW.B", 0, 1)));
    screen->AddElement(runtime::test::BitKey(4, CBitSet::BIT_RESET_SWITCH, LocalBit("LW.B", 0, 2)));
    // A screen mode does nothing on a press.
    screen->AddElement(runtime::test::BitKey(5, CBitSet::BIT_ON_ENTERING, LocalBit("LW.B", 0, 3)));
    project->AddScreen(std::move(screen));
    designer.Run(std::move(project), panel);
    // Entering the first screen already set bit 3.
    EXPECT_TRUE(Bit(0, 3));
    SetWord(0, 0);

    panel.TapKey(1);
    EXPECT_TRUE(Bit(0, 0));
    panel.TapKey(1);
    EXPECT_TRUE(Bit(0, 0));
    panel.TapKey(2);
    EXPECT_FALSE(Bit(0, 0));
    panel.TapKey(3);
    EXPECT_TRUE(Bit(0, 1));
    panel.TapKey(3);
    EXPECT_FALSE(Bit(0, 1));
    panel.PressKey(4);
    EXPECT_TRUE(Bit(0, 2));
    panel.Step(500);
    EXPECT_TRUE(Bit(0, 2));
    panel.ReleaseKey(4);
    EXPECT_FALSE(Bit(0, 2));
    panel.TapKey(5);
    EXPECT_FALSE(Bit(0, 3));
    EXPECT_EQ(Word(0), 0);
}

TEST_F(KeyActionsTest, WordKeysSetAddAndSubtractWithinTheirLimits) {
    auto project = designer.NewProject();
    auto screen = DesignerFixture::NewScreen(1);
    screen->AddElement(runtime::test::WordKey(1, CWordSet::WORD_SET, LocalWord("LW", 10), 123));
    screen->AddElement(runtime::test::WordKey(2, CWordSet::WORD_ADD, LocalWord("LW", 11), 5, 12));
    screen->AddElement(runtime::test::WordKey(3, CWordSet::WORD_SUBTRACT, LocalWord("LW", 12), 4, -3));
    screen->AddElement(runtime::test::WordKey(4, CWordSet::WORD_ADD_CYCLING, LocalWord("LW", 15), 4, 10));
    screen->AddElement(runtime::test::WordKey(5, CWordSet::WORD_SET, LocalWord("RW", 20, WIDTH_WORD, 2), 100000));
    project->AddScreen(std::move(screen));
    designer.Run(std::move(project), panel);

    panel.TapKey(1);
    EXPECT_EQ(Word(10), 123);
    for (const double expected : {5, 10, 12, 12}) {
        panel.TapKey(2);
        EXPECT_EQ(Word(11), expected);
    }
    // A negative limit makes the word signed.
    for (const double expected : {-3, -3}) {
        panel.TapKey(3);
        EXPECT_EQ(Word(12), expected);
    }
    SetWord(12, 10);
    panel.TapKey(3);
    EXPECT_EQ(Word(12), 6);
    for (const double expected : {4, 8, 0, 4}) {
        panel.TapKey(4);
        EXPECT_EQ(Word(15), expected);
    }
    panel.TapKey(5);
    runtime::AddressRecord pair;
    pair.registerId = runtime::kLocalRW;
    pair.linear = 20;
    pair.format = 0x24;
    EXPECT_EQ(panel.Registers().Read(pair, runtime::DataType::Unsigned, 2), 100000);
}

TEST_F(KeyActionsTest, IncrementWhileHeldAfterTheDelayAtTheRate) {
    auto project = designer.NewProject();
    auto screen = DesignerFixture::NewScreen(1);
    // Step 2 up to 9, first after 0.3 s, then every 0.2 s.
    screen->AddElement(runtime::test::WordKey(1, CWordSet::WORD_INCREMENT, LocalWord("LW", 13), 2, 9, 3, 2));
    // Step 1 down to 0, at once on the press, then every 0.1 s after 0.1 s.
    screen->AddElement(runtime::test::WordKey(2, CWordSet::WORD_DECREMENT, LocalWord("LW", 14), 1, 0, 1, 1, true));
    // Step 5 up to 10 and again from 0.
    screen->AddElement(
        runtime::test::WordKey(3, CWordSet::WORD_INCREMENT_CYCLING, LocalWord("LW", 16), 5, 10, 1, 1, true));
    project->AddScreen(std::move(screen));
    designer.Run(std::move(project), panel);

    panel.PressKey(1);
    EXPECT_EQ(Word(13), 0);
    panel.Step(200);
    EXPECT_EQ(Word(13), 0);
    panel.Step(100);
    EXPECT_EQ(Word(13), 2);
    panel.Step(200);
    EXPECT_EQ(Word(13), 4);
    panel.Step(1000);
    EXPECT_EQ(Word(13), 9);
    panel.ReleaseKey(1);
    // A short tap without the immediate flag does nothing.
    SetWord(13, 0);
    panel.TapKey(1);
    panel.Step(1000);
    EXPECT_EQ(Word(13), 0);

    SetWord(14, 3);
    panel.PressKey(2);
    EXPECT_EQ(Word(14), 2);
    panel.Step(100);
    EXPECT_EQ(Word(14), 1);
    panel.Step(500);
    EXPECT_EQ(Word(14), 0);
    panel.ReleaseKey(2);

    panel.PressKey(3);
    EXPECT_EQ(Word(16), 5);
    panel.Step(100);
    EXPECT_EQ(Word(16), 10);
    panel.Step(100);
    EXPECT_EQ(Word(16), 0);
    panel.ReleaseKey(3);
    panel.Step(300);
    EXPECT_EQ(Word(16), 0);
}

TEST_F(KeyActionsTest, DelaysOfYearsNeverRepeatWithinSeconds) {
    // 100 ms times 2^30 wrapped to a repeat delay of 0, and the repeat loop
    // of a held key never ended.
    auto project = designer.NewProject();
    auto screen = DesignerFixture::NewScreen(1, 0, 0);
    screen->AddElement(runtime::test::WordKey(1, CWordSet::WORD_INCREMENT, LocalWord("LW", 13), 1, 100, 1, 1 << 30));
    screen->AddElement(runtime::test::WordKey(2, CWordSet::WORD_INCREMENT, LocalWord("LW", 14), 1, 100, 1 << 30, 1));
    project->AddScreen(std::move(screen));
    designer.Run(std::move(project), panel);

    panel.PressKey(1);
    panel.Step(100);
    EXPECT_EQ(Word(13), 1);
    panel.Step(10000);
    EXPECT_EQ(Word(13), 1);
    panel.ReleaseKey(1);
    panel.PressKey(2);
    panel.Step(10000);
    EXPECT_EQ(Word(14), 0);
    panel.ReleaseKey(2);
}

TEST_F(KeyActionsTest, ScreenActionsOnEnteringAndLeaving) {
    auto project = designer.NewProject();
    auto one = DesignerFixture::NewScreen(1, 0, 2);
    project->AddScreen(std::move(one));
    auto two = DesignerFixture::NewScreen(2, 1, 0);
    two->AddElement(runtime::test::BitKey(0, CBitSet::BIT_ON_ENTERING, LocalBit("LW.B", 1, 0)));
    two->AddElement(runtime::test::BitKey(0, CBitSet::BIT_ON_LEAVING, LocalBit("LW.B", 1, 1)));
    two->AddElement(runtime::test::BitKey(0, CBitSet::BIT_OFF_ENTERING, LocalBit("LW.B", 1, 2)));
    two->AddElement(runtime::test::BitKey(0, CBitSet::BIT_OFF_LEAVING, LocalBit("LW.B", 1, 3)));
    two->AddElement(runtime::test::WordKey(0, CWordSet::WORD_SET_ENTERING, LocalWord("LW", 17), 7));
    two->AddElement(runtime::test::WordKey(0, CWordSet::WORD_SET_LEAVING, LocalWord("LW", 18), 9));
    project->AddScreen(std::move(two));
    designer.Run(std::move(project), panel);
    SetWord(1, 0b1100);

    panel.TapKey(runtime::KEY_DOWN);
    ASSERT_EQ(panel.CurrentScreen(), 2);
    EXPECT_TRUE(Bit(1, 0));
    EXPECT_FALSE(Bit(1, 1));
    EXPECT_FALSE(Bit(1, 2));
    EXPECT_TRUE(Bit(1, 3));
    EXPECT_EQ(Word(17), 7);
    EXPECT_EQ(Word(18), 0);

    panel.TapKey(runtime::KEY_UP);
    EXPECT_TRUE(Bit(1, 1));
    EXPECT_FALSE(Bit(1, 3));
    EXPECT_EQ(Word(18), 9);
}

} // namespace
