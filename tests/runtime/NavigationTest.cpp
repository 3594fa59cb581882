// Screen navigation: the start screen, the up and down keys following each
// screen's targets, jump keys, going back, function keys taking precedence,
// and the PLC control block selecting and reporting the screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "elements/CJumpFrame.h"
#include "runtime/DesignerFixture.h"
#include "runtime/PanelRuntime.h"

using namespace balsar;
using runtime::PanelRuntime;
using runtime::test::DesignerFixture;

namespace {

runtime::AddressRecord At(const char* text) {
    runtime::AddressRecord address;
    EXPECT_TRUE(runtime::AddressRecord::FromText(text, address)) << text;
    return address;
}

class Navigation : public ::testing::Test {
protected:
    // Screens 1 (up 3, down 2), 2 (up 1, down 0), 3 (up 0, down 1), 5 the
    // alarm screen, 9 the password screen.
    std::unique_ptr<CMirloProject> Project() {
        auto project = designer.NewProject();
        auto one = DesignerFixture::NewScreen(1, 3, 2);
        one->AddElement(runtime::test::JumpKey(1, CJumpFrame::JUMP_TO_SCREEN, 3));
        one->AddElement(runtime::test::JumpKey(3, CJumpFrame::JUMP_PASSWORD));
        one->AddElement(runtime::test::JumpKey(4, CJumpFrame::JUMP_ALARM_LIST));
        one->AddElement(runtime::test::JumpKey(5, CJumpFrame::JUMP_TO_SCREEN, 99));
        project->AddScreen(std::move(one));
        auto two = DesignerFixture::NewScreen(2, 1, 0);
        // The down key of screen 2 is a function key to screen 5.
        two->AddElement(runtime::test::JumpKey(17, CJumpFrame::JUMP_TO_SCREEN, 5));
        project->AddScreen(std::move(two));
        auto three = DesignerFixture::NewScreen(3, 0, 1);
        three->AddElement(runtime::test::JumpKey(2, CJumpFrame::JUMP_BACK));
        project->AddScreen(std::move(three));
        auto five = DesignerFixture::NewScreen(5, 1, 1);
        five->AddElement(runtime::test::JumpKey(2, CJumpFrame::JUMP_BACK));
        project->AddScreen(std::move(five));
        project->AddScreen(DesignerFixture::NewScreen(9, 1, 1));
        project->settings.passwordScreen = 9;
        project->eventList.alarmScreen = 5;
        return project;
    }

    DesignerFixture designer;
    PanelRuntime panel;
};

TEST_F(Navigation, TheStartScreenAndTheUpAndDownKeys) {
    auto project = Project();
    project->settings.initialScreen = 2;
    designer.Run(std::move(project), panel);
    EXPECT_EQ(panel.CurrentScreen(), 2);
    panel.TapKey(runtime::KEY_UP);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    panel.TapKey(runtime::KEY_UP);
    EXPECT_EQ(panel.CurrentScreen(), 3);
    panel.TapKey(runtime::KEY_UP); // 0 disables the key
    EXPECT_EQ(panel.CurrentScreen(), 3);
    panel.TapKey(runtime::KEY_DOWN);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    panel.TapKey(runtime::KEY_DOWN);
    EXPECT_EQ(panel.CurrentScreen(), 2);
    // Screen 2 binds the down key to a jump.
    panel.TapKey(runtime::KEY_DOWN);
    EXPECT_EQ(panel.CurrentScreen(), 5);
}

TEST_F(Navigation, AStartScreenThatDoesNotExistStartsOnTheFirstScreen) {
    auto project = Project();
    project->settings.initialScreen = 77;
    designer.Run(std::move(project), panel);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    EXPECT_EQ(panel.ScreenNumbers(), (std::vector<uint16_t>{1, 2, 3, 5, 9}));
}

TEST_F(Navigation, JumpKeysAndGoingBack) {
    designer.Run(Project(), panel);
    ASSERT_EQ(panel.CurrentScreen(), 1);
    panel.TapKey(5); // to a screen that does not exist: nothing happens
    EXPECT_EQ(panel.CurrentScreen(), 1);
    panel.TapKey(1);
    EXPECT_EQ(panel.CurrentScreen(), 3);
    panel.TapKey(runtime::KEY_DOWN);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    panel.TapKey(4);
    EXPECT_EQ(panel.CurrentScreen(), 5);
    // Back goes the way it came: 5 -> 1 -> 3 -> 1.
    panel.TapKey(2);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    panel.TapKey(1);
    panel.TapKey(2);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    panel.TapKey(3);
    EXPECT_EQ(panel.CurrentScreen(), 9);
    // A key that no element binds and no built-in meaning has does nothing.
    panel.TapKey(6);
    EXPECT_EQ(panel.CurrentScreen(), 9);
}

TEST_F(Navigation, ThePlcSelectsTheScreenByChangingTheControlRegister) {
    auto project = Project();
    project->settings.plcControlFlags = GlobalSettings::kPlcSelectsScreen | GlobalSettings::kReportCurrentScreen;
    project->settings.controlAddress = runtime::test::LocalWord("RW", 40);
    designer.Run(std::move(project), panel);
    const runtime::AddressRecord select = At("RW40");
    const runtime::AddressRecord report = At("RW41");
    panel.Step(100);
    // The report follows the screen shown; the select register held 0.
    EXPECT_EQ(panel.CurrentScreen(), 1);
    EXPECT_EQ(panel.Registers().Memory().Word(report), 1);
    panel.Registers().Write(select, runtime::DataType::Unsigned, 1, 3);
    panel.Step(100);
    EXPECT_EQ(panel.CurrentScreen(), 3);
    EXPECT_EQ(panel.Registers().Memory().Word(report), 3);
    // The operator moves on; the PLC value did not change, so it stays.
    panel.TapKey(runtime::KEY_DOWN);
    panel.Step(100);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    EXPECT_EQ(panel.Registers().Memory().Word(report), 1);
    // A number that names no screen is ignored.
    panel.Registers().Write(select, runtime::DataType::Unsigned, 1, 4);
    panel.Step(100);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    panel.Registers().Write(select, runtime::DataType::Unsigned, 1, 5);
    panel.Step(100);
    EXPECT_EQ(panel.CurrentScreen(), 5);
}

TEST_F(Navigation, TheReferenceImageFollowsItsControlRegister) {
    std::string error;
    ASSERT_TRUE(panel.LoadFile(
        (std::filesystem::path(BALSAR_SOURCE_DIR) / "tests/data/reference/every-kind.bin").string(), error))
        << error;
    EXPECT_EQ(panel.CurrentScreen(), 1);
    const runtime::AddressRecord select = *panel.Image().settings.screenSelect;
    EXPECT_EQ(select.port, 0);
    panel.Registers().Write(select, runtime::DataType::Unsigned, 1, 5);
    panel.Step(100);
    EXPECT_EQ(panel.CurrentScreen(), 5);
    // Screen 5's down key leads to 1 and its up key to 1.
    panel.TapKey(runtime::KEY_DOWN);
    EXPECT_EQ(panel.CurrentScreen(), 1);
}

} // namespace
