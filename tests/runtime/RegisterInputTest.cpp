// Entering values into register elements from the keypad: the focus order,
// digits, the cursor keys, the limits and scaling, and the password levels
// that guard registers and keys (the password screen, wrong passwords, and
// keeping the level).
#include <gtest/gtest.h>

#include "elements/CBitSet.h"
#include "elements/CJumpFrame.h"
#include "runtime/DesignerFixture.h"
#include "runtime/PanelRuntime.h"

using namespace balsar;
using runtime::PanelRuntime;
using runtime::test::DesignerFixture;
using runtime::test::LocalWord;

namespace {

class RegisterInput : public ::testing::Test {
protected:
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
    void Type(const std::string& digits) {
        for (const char c : digits) {
            panel.TapKey(runtime::KEY_DIGIT_0 + (c - '0'));
        }
    }

    // Screen 1: A signed LW20 (order 3), B 0.0..50.0 LW21 (order 1), C level
    // 2 LW22, D hexadecimal LW23 (order 2), E scaled LW24, and a register
    // without input. Screen 9: the password screen with its password field.
    std::unique_ptr<CMirloProject> Project(bool keepLevel = false) {
        auto project = designer.NewProject();
        project->settings.passwordScreen = 9;
        project->settings.passwords = {111, 222, 333, 444, 555, 666, 777, 888};
        auto screen = DesignerFixture::NewScreen(1, 2, 2);
        auto a = runtime::test::InputRegister(LocalWord("LW", 20));
        a->SetOrder(3);
        screen->AddElement(std::move(a));
        auto b = runtime::test::InputRegister(LocalWord("LW", 21), REG_UNSIGNED, 3, 1);
        RegisterFormat limited = b->GetFormat();
        SetInputLimits(limited, true);
        b->SetFormat(limited, nullptr);
        b->inputLower = 10;
        b->inputUpper = 500;
        b->SetOrder(1);
        screen->AddElement(std::move(b));
        auto c = runtime::test::InputRegister(LocalWord("LW", 22));
        c->passwordLevel = 2;
        c->keepLevel = keepLevel ? 1 : 0;
        c->SetOrder(4);
        screen->AddElement(std::move(c));
        auto d = runtime::test::InputRegister(LocalWord("LW", 23), REG_HEX_BCD, 4, 0);
        d->SetOrder(2);
        screen->AddElement(std::move(d));
        auto e = runtime::test::InputRegister(LocalWord("LW", 24), REG_UNSIGNED, 3, 0);
        RegisterFormat scaled = e->GetFormat();
        SetScaling(scaled, true);
        e->SetFormat(scaled, nullptr);
        e->inputLower = 0;
        e->inputUpper = 1000;
        e->scaleLower = 0;
        e->scaleUpper = 100;
        e->SetOrder(5);
        screen->AddElement(std::move(e));
        screen->AddElement(std::make_unique<CRegisterGE>());
        auto guarded = runtime::test::BitKey(1, CBitSet::BIT_ON, runtime::test::LocalBit("LW.B", 40, 0));
        guarded->SetPasswordLevel(1);
        screen->AddElement(std::move(guarded));
        screen->AddElement(runtime::test::JumpKey(2, CJumpFrame::JUMP_PASSWORD));
        project->AddScreen(std::move(screen));
        project->AddScreen(DesignerFixture::NewScreen(2, 1, 1));
        auto passwords = DesignerFixture::NewScreen(9, 1, 1);
        passwords->AddElement(runtime::test::InputRegister(LocalWord("LW", 30), REG_PASSWORD));
        project->AddScreen(std::move(passwords));
        return project;
    }

    static constexpr int kA = 0, kB = 1, kC = 2, kD = 3, kE = 4;

    DesignerFixture designer;
    PanelRuntime panel;
};

TEST_F(RegisterInput, TheFocusFollowsTheSelectionOrder) {
    designer.Run(Project(), panel);
    EXPECT_EQ(panel.FocusedElement(), -1);
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.FocusedElement(), kB);
    panel.TapKey(runtime::KEY_RIGHT);
    EXPECT_EQ(panel.FocusedElement(), kD);
    panel.TapKey(runtime::KEY_DOWN); // with a focus the up and down keys move it
    EXPECT_EQ(panel.FocusedElement(), kA);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    panel.TapKey(runtime::KEY_RIGHT);
    panel.TapKey(runtime::KEY_RIGHT);
    EXPECT_EQ(panel.FocusedElement(), kE);
    panel.TapKey(runtime::KEY_RIGHT);
    EXPECT_EQ(panel.FocusedElement(), kB);
    panel.TapKey(runtime::KEY_LEFT);
    EXPECT_EQ(panel.FocusedElement(), kE);
    panel.TapKey(runtime::KEY_ESCAPE);
    EXPECT_EQ(panel.FocusedElement(), -1);
    panel.TapKey(runtime::KEY_DOWN);
    EXPECT_EQ(panel.CurrentScreen(), 2);
}

TEST_F(RegisterInput, DigitsAndCursorKeys) {
    designer.Run(Project(), panel);
    panel.TapKey(runtime::KEY_LEFT); // from no focus: the last one, E
    panel.TapKey(runtime::KEY_LEFT);
    panel.TapKey(runtime::KEY_LEFT);
    ASSERT_EQ(panel.FocusedElement(), kA);
    panel.TapKey(runtime::KEY_ENTER);
    ASSERT_TRUE(panel.Editing());
    Type("123");
    EXPECT_EQ(panel.EditText(), "123");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_FALSE(panel.Editing());
    EXPECT_EQ(Word(20), 123);

    // A digit key on the focused field starts a new entry at once.
    Type("45");
    EXPECT_EQ(panel.EditText(), "45");
    // Up on the tens, then down twenty times on the ones: across zero.
    panel.TapKey(runtime::KEY_LEFT);
    panel.TapKey(runtime::KEY_UP);
    EXPECT_EQ(panel.EditText(), "55");
    panel.TapKey(runtime::KEY_RIGHT);
    for (int i = 0; i < 60; ++i) {
        panel.TapKey(runtime::KEY_DOWN);
    }
    EXPECT_EQ(panel.EditText(), "-5");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(Word(20), -5);
    // Escape leaves the register as it was.
    Type("9");
    panel.TapKey(runtime::KEY_ESCAPE);
    EXPECT_FALSE(panel.Editing());
    EXPECT_EQ(Word(20), -5);
    // More digits than the field holds are not taken.
    Type("123456");
    EXPECT_EQ(panel.EditText(), "1234");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(Word(20), 1234);
}

TEST_F(RegisterInput, LimitsRefuseAValueAndScalingWritesTheRegisterValue) {
    designer.Run(Project(), panel);
    panel.TapKey(runtime::KEY_ENTER);
    ASSERT_EQ(panel.FocusedElement(), kB);
    Type("600"); // 60.0 above the upper limit of 50.0
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_TRUE(panel.Editing());
    EXPECT_EQ(panel.LastNotice(), runtime::Notice::OutOfLimits);
    EXPECT_FALSE(panel.NoticeText().empty());
    EXPECT_EQ(Word(21), 0);
    panel.TapKey(runtime::KEY_ESCAPE);
    Type("5"); // 0.5 below the lower limit of 1.0
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_TRUE(panel.Editing());
    panel.TapKey(runtime::KEY_ESCAPE);
    Type("25");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_FALSE(panel.Editing());
    EXPECT_EQ(Word(21), 25); // 2.5 in steps of 0.1

    panel.TapKey(runtime::KEY_RIGHT);
    ASSERT_EQ(panel.FocusedElement(), kD);
    Type("12");
    panel.TapKey(runtime::KEY_UP);
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(Word(23, runtime::DataType::Unsigned), 0x13);

    for (int i = 0; i < 3; ++i) {
        panel.TapKey(runtime::KEY_RIGHT);
    }
    ASSERT_EQ(panel.FocusedElement(), kE);
    Type("50");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(Word(24), 500);
    // The field shows the scaled value again.
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.EditText(), "50");
}

TEST_F(RegisterInput, AGuardedRegisterAsksForItsPasswordFirst) {
    designer.Run(Project(), panel);
    SetWord(22, 8);
    for (int i = 0; i < 4; ++i) {
        panel.TapKey(i == 0 ? runtime::KEY_ENTER : runtime::KEY_RIGHT);
    }
    ASSERT_EQ(panel.FocusedElement(), kC);
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.LastNotice(), runtime::Notice::LevelTooLow);
    ASSERT_EQ(panel.CurrentScreen(), 9);

    // A wrong password and a level too low keep the panel on the password screen.
    panel.TapKey(runtime::KEY_ENTER);
    Type("999");
    EXPECT_EQ(panel.EditText(), "***");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.LastNotice(), runtime::Notice::WrongPassword);
    EXPECT_EQ(panel.CurrentScreen(), 9);
    Type("111");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.LastNotice(), runtime::Notice::LevelTooLow);
    EXPECT_EQ(panel.PasswordLevel(), 0);

    Type("222");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.PasswordLevel(), 2);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    ASSERT_TRUE(panel.Editing());
    EXPECT_EQ(panel.FocusedElement(), kC);
    Type("77");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(Word(22), 77);
    // The level stays: the next entry needs no password.
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_TRUE(panel.Editing());
    EXPECT_EQ(panel.CurrentScreen(), 1);
}

TEST_F(RegisterInput, KeepLevelLetsTheEntryThroughOnceWithoutRaisingTheLevel) {
    designer.Run(Project(true), panel);
    for (int i = 0; i < 4; ++i) {
        panel.TapKey(i == 0 ? runtime::KEY_ENTER : runtime::KEY_RIGHT);
    }
    panel.TapKey(runtime::KEY_ENTER);
    ASSERT_EQ(panel.CurrentScreen(), 9);
    panel.TapKey(runtime::KEY_ENTER);
    Type("888");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    EXPECT_TRUE(panel.Editing());
    EXPECT_EQ(panel.PasswordLevel(), 0);
    panel.TapKey(runtime::KEY_ESCAPE);
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.CurrentScreen(), 9);
    // Escape on the password screen goes back without a password.
    panel.TapKey(runtime::KEY_ESCAPE);
    EXPECT_EQ(panel.CurrentScreen(), 1);
}

TEST_F(RegisterInput, AGuardedKeyActsAfterItsPassword) {
    designer.Run(Project(), panel);
    runtime::AddressRecord bit;
    ASSERT_TRUE(runtime::AddressRecord::FromText("LW40.0", bit));
    panel.TapKey(1);
    EXPECT_FALSE(panel.Registers().ReadBit(bit));
    ASSERT_EQ(panel.CurrentScreen(), 9);
    panel.TapKey(runtime::KEY_ENTER);
    Type("333");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    EXPECT_TRUE(panel.Registers().ReadBit(bit));
    EXPECT_EQ(panel.PasswordLevel(), 3);

    // The password screen reached by a key sets the level and stays.
    designer.Run(Project(), panel);
    panel.TapKey(2);
    ASSERT_EQ(panel.CurrentScreen(), 9);
    panel.TapKey(runtime::KEY_ENTER);
    Type("555");
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.PasswordLevel(), 5);
    EXPECT_EQ(panel.CurrentScreen(), 9);
    panel.TapKey(1);
    EXPECT_EQ(panel.CurrentScreen(), 9); // key 1 is not bound on the password screen
}

} // namespace
