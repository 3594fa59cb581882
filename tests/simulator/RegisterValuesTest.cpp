// The side pane's values: shown in the register element's data type, bits
// as 0/1, runs of words as words; typed values written back the same way,
// anything else refused with the register unchanged.
#include <gtest/gtest.h>

#include "SimulatorProject.h"
#include "elements/CAsciiGE.h"
#include "simulator/RegisterValues.h"

using namespace balsar;
using namespace balsar::simulator;
using runtime::test::DesignerFixture;

namespace {

TEST(RegisterValues, EachKindShownAndSetInItsOwnForm) {
    DesignerFixture designer;
    auto project = designer.NewProject(1);
    auto screen = DesignerFixture::NewScreen(1);
    screen->AddElement(runtime::test::InputRegister(runtime::test::LocalWord("LW", 1), REG_SIGNED));
    screen->AddElement(runtime::test::InputRegister(runtime::test::LocalWord("LW", 4), REG_FLOAT, 3, 2));
    screen->AddElement(runtime::test::InputRegister(runtime::test::LocalWord("LW", 8), REG_HEX_BCD));
    auto ascii = std::make_unique<CAsciiGE>();
    ascii->Address() = runtime::test::LocalWord("RW", 100);
    ascii->SetCharCount(8);
    ascii->SetTopLeft(0, 40);
    screen->AddElement(std::move(ascii));
    auto lamp = runtime::test::BitKey(1, CBitSet::BIT_ON, runtime::test::LocalBit("LW.B", 20, 3));
    screen->AddElement(std::move(lamp));
    project->AddScreen(std::move(screen));
    runtime::PanelRuntime panel;
    designer.Run(std::move(project), panel);
    const std::vector<runtime::RegisterUse> uses = panel.RegistersOfScreen(1);
    ASSERT_EQ(uses.size(), 5u);
    std::string error;

    ASSERT_TRUE(SetRegisterValue(panel, 1, uses[0], "-42", error)) << error;
    EXPECT_EQ(RegisterValueText(panel, 1, uses[0]), "-42");
    EXPECT_EQ(panel.Registers().Values(uses[0].address, 1).at(0), 0xFFD6);

    ASSERT_TRUE(SetRegisterValue(panel, 1, uses[1], "2.5", error)) << error;
    EXPECT_EQ(RegisterValueText(panel, 1, uses[1]), "2.5");
    EXPECT_EQ(panel.Registers().Values(uses[1].address, 2), (std::vector<uint16_t>{0x0000, 0x4020}));

    ASSERT_TRUE(SetRegisterValue(panel, 1, uses[2], "0x1A2B", error)) << error;
    EXPECT_EQ(RegisterValueText(panel, 1, uses[2]), "0x1A2B");

    ASSERT_TRUE(SetRegisterValue(panel, 1, uses[3], "16706 67", error)) << error;
    EXPECT_EQ(RegisterValueText(panel, 1, uses[3]), "16706 67 0 0");

    ASSERT_TRUE(SetRegisterValue(panel, 1, uses[4], "1", error)) << error;
    EXPECT_EQ(RegisterValueText(panel, 1, uses[4]), "1");
    runtime::AddressRecord lw20;
    ASSERT_TRUE(runtime::AddressRecord::FromText("LW20", lw20));
    EXPECT_EQ(panel.Registers().Values(lw20, 1).at(0), 0x8);

    for (const char* bad : {"", "abc", "12x", "0x"}) {
        EXPECT_FALSE(SetRegisterValue(panel, 1, uses[0], bad, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(RegisterValueText(panel, 1, uses[0]), "-42");
}

} // namespace
