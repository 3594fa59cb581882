// The panel facade: loading (and refusing) images, the screen saver, the
// registers a screen uses, device registers through a link, and the frame
// following the state (lamps, focus, values).
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "elements/CLedGE.h"
#include "runtime/DesignerFixture.h"
#include "runtime/ImageBuilder.h"
#include "runtime/PanelRuntime.h"
#include "runtime/PlcLink.h"

using namespace balsar;
using runtime::PanelRuntime;
using runtime::test::DesignerFixture;
using runtime::test::LocalWord;

namespace {

const std::string kReference =
    (std::filesystem::path(BALSAR_SOURCE_DIR) / "tests/data/reference/every-kind.bin").string();

class PanelRuntimeTest : public ::testing::Test {
protected:
    DesignerFixture designer;
    PanelRuntime panel;
};

TEST_F(PanelRuntimeTest, ADamagedImageIsRefusedAndTheRunningOneKept) {
    std::string error;
    EXPECT_FALSE(panel.Load(std::vector<uint8_t>{}, error));
    EXPECT_FALSE(panel.Loaded());
    EXPECT_NE(error.find("header"), std::string::npos) << error;
    panel.Step(100); // harmless without an image
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.Render().Width(), 128);

    ASSERT_TRUE(panel.Load(runtime::test::EmptyScreensImage({4, 6}), error)) << error;
    EXPECT_EQ(panel.CurrentScreen(), 4);
    std::vector<uint8_t> damaged = runtime::test::EmptyScreensImage({1});
    damaged.resize(damaged.size() - 3);
    EXPECT_FALSE(panel.Load(damaged, error));
    EXPECT_NE(error.find("truncated"), std::string::npos) << error;
    EXPECT_EQ(panel.CurrentScreen(), 4);
    EXPECT_FALSE(panel.LoadFile("/nonexistent/image.bin~", error));
    EXPECT_NE(error.find("/nonexistent/image.bin~"), std::string::npos) << error;
    EXPECT_EQ(panel.ScreenNumbers(), (std::vector<uint16_t>{4, 6}));
}

TEST_F(PanelRuntimeTest, TheScreenSaverShowsItsScreenAndAKeyWakesThePanel) {
    auto project = designer.NewProject();
    project->settings.optionFlags = 0; // show the screen-saver screen
    project->settings.screenSaverDelay = 1;
    project->settings.screenSaverScreen = 7;
    project->AddScreen(DesignerFixture::NewScreen(1, 2, 2));
    project->AddScreen(DesignerFixture::NewScreen(2, 1, 1));
    project->AddScreen(DesignerFixture::NewScreen(7, 1, 1));
    designer.Run(std::move(project), panel);
    panel.TapKey(runtime::KEY_DOWN);
    panel.Step(59000);
    EXPECT_EQ(panel.CurrentScreen(), 2);
    panel.TapKey(7); // any key restarts the wait
    panel.Step(59000);
    EXPECT_FALSE(panel.ScreenSaverShown());
    panel.Step(1000);
    EXPECT_TRUE(panel.ScreenSaverShown());
    EXPECT_EQ(panel.CurrentScreen(), 7);
    EXPECT_TRUE(panel.BacklightOn());
    // The waking key does nothing else.
    panel.TapKey(runtime::KEY_UP);
    EXPECT_EQ(panel.CurrentScreen(), 2);
    EXPECT_FALSE(panel.ScreenSaverShown());
}

TEST_F(PanelRuntimeTest, TheBacklightSaverAndAPasswordOnWaking) {
    auto project = designer.NewProject();
    project->settings.optionFlags = 0x1 | 0x2; // backlight only, password on waking
    project->settings.wakePasswordLevel = 1;   // level 2
    project->settings.passwords = {111, 222, 333, 444, 555, 666, 777, 888};
    project->settings.screenSaverDelay = 2;
    project->settings.passwordScreen = 9;
    project->AddScreen(DesignerFixture::NewScreen(1, 0, 0));
    auto passwords = DesignerFixture::NewScreen(9, 1, 1);
    passwords->AddElement(runtime::test::InputRegister(LocalWord("LW", 30), REG_PASSWORD));
    project->AddScreen(std::move(passwords));
    designer.Run(std::move(project), panel);
    panel.Step(120000);
    EXPECT_FALSE(panel.BacklightOn());
    EXPECT_EQ(panel.CurrentScreen(), 1);
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_TRUE(panel.BacklightOn());
    ASSERT_EQ(panel.CurrentScreen(), 9);
    panel.TapKey(runtime::KEY_ENTER);
    for (const int digit : {2, 2, 2}) {
        panel.TapKey(runtime::KEY_DIGIT_0 + digit);
    }
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    EXPECT_EQ(panel.PasswordLevel(), 2);
}

TEST_F(PanelRuntimeTest, TheRegistersAScreenUses) {
    std::string error;
    ASSERT_TRUE(panel.LoadFile(kReference, error)) << error;
    const auto uses = panel.RegistersOfScreen(2);
    // Speed register, LOCAL double word, batch text, bar and lamp.
    ASSERT_EQ(uses.size(), 5u);
    EXPECT_EQ(uses[0].kind, runtime::ElementKind::Register);
    EXPECT_EQ(uses[0].address.linear, 100u);
    EXPECT_TRUE(uses[0].writes);
    EXPECT_EQ(uses[1].address.Text(), "RW20");
    // A signed register of two words: its attribute word announces them.
    EXPECT_EQ(uses[1].count, 2u);
    EXPECT_FALSE(uses[1].writes);
    EXPECT_EQ(uses[2].kind, runtime::ElementKind::Ascii);
    EXPECT_EQ(uses[2].address.port, 1);
    EXPECT_EQ(uses[2].count, 5u);
    EXPECT_EQ(uses[4].kind, runtime::ElementKind::Lamp);
    EXPECT_TRUE(uses[4].address.IsBit());
    // Keys that write, and trends by their channel.
    const auto keys = panel.RegistersOfScreen(3);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_TRUE(keys[0].writes && keys[1].writes);
    const auto trends = panel.RegistersOfScreen(5);
    ASSERT_EQ(trends.size(), 2u);
    EXPECT_EQ(trends[0].address.linear, 101u);
    EXPECT_TRUE(panel.RegistersOfScreen(42).empty());
}

class FakeDevice : public runtime::PlcLink {
public:
    bool Read(const runtime::AddressRecord& address, std::span<uint16_t> values) override {
        if (!answering) {
            return false;
        }
        for (size_t i = 0; i < values.size(); ++i) {
            values[i] = registers[address.linear + i];
        }
        ++reads;
        return true;
    }
    bool Write(const runtime::AddressRecord& address, std::span<const uint16_t> values) override {
        for (size_t i = 0; i < values.size(); ++i) {
            registers[address.linear + i] = values[i];
        }
        return answering;
    }
    std::map<uint32_t, uint16_t> registers;
    bool answering = true;
    int reads = 0;
};

TEST_F(PanelRuntimeTest, DeviceRegistersComeThroughTheLink) {
    auto project = designer.NewProject();
    auto screen = DesignerFixture::NewScreen(1);
    auto reg = runtime::test::InputRegister(runtime::test::PlcWord(0, 100));
    screen->AddElement(std::move(reg));
    project->AddScreen(std::move(screen));
    designer.Run(std::move(project), panel);
    FakeDevice device;
    device.registers[100] = 1234;
    panel.SetLink(&device);
    const runtime::FrameBuffer before = panel.Render();
    panel.Step(100);
    EXPECT_GT(device.reads, 0);
    EXPECT_FALSE(panel.CommunicationError());
    const runtime::AddressRecord address =
        std::get<runtime::RegisterRecord>(panel.Image().screens[0].elements[0].data).address;
    EXPECT_EQ(address.port, 0);
    EXPECT_EQ(panel.Registers().Read(address, runtime::DataType::Signed, 1), 1234);
    EXPECT_FALSE(panel.Render() == before);
    // Input goes to the device.
    panel.TapKey(runtime::KEY_ENTER);
    panel.TapKey(runtime::KEY_DIGIT_0 + 9);
    panel.TapKey(runtime::KEY_ENTER);
    EXPECT_EQ(device.registers[100], 9);
    device.answering = false;
    panel.Step(100);
    EXPECT_TRUE(panel.CommunicationError());
    EXPECT_FALSE(panel.NoticeText().empty());
    panel.SetLink(nullptr);
    panel.Step(100);
    EXPECT_FALSE(panel.CommunicationError());
}

TEST_F(PanelRuntimeTest, TheFrameFollowsLampsFocusAndValues) {
    auto project = designer.NewProject();
    auto screen = DesignerFixture::NewScreen(1);
    auto lamp = std::make_unique<CLedGE>();
    lamp->Address() = runtime::test::LocalBit("LW.B", 0, 0);
    screen->AddElement(std::move(lamp));
    auto reg = runtime::test::InputRegister(LocalWord("LW", 1));
    reg->SetTopLeft(40, 0);
    reg->RecalcSize(nullptr);
    screen->AddElement(std::move(reg));
    project->AddScreen(std::move(screen));
    designer.Run(std::move(project), panel);
    const runtime::PixelRect lampRect = panel.Image().screens[0].elements[0].rect;
    const runtime::PixelRect valueRect = panel.Image().screens[0].elements[1].rect;

    const int off = panel.Render().CountLit(lampRect);
    const int zero = panel.Render().CountLit(valueRect);
    runtime::AddressRecord lw0;
    ASSERT_TRUE(runtime::AddressRecord::FromText("LW0", lw0));
    panel.Registers().Write(lw0, runtime::DataType::Unsigned, 1, 1);
    EXPECT_GT(panel.Render().CountLit(lampRect), off);

    // The focus shows the field reversed (the default focus style).
    panel.TapKey(runtime::KEY_ENTER);
    const int focused = panel.Render().CountLit(valueRect);
    EXPECT_EQ(focused, valueRect.Width() * valueRect.Height() - zero);
    panel.TapKey(runtime::KEY_ESCAPE);
    runtime::AddressRecord lw1;
    ASSERT_TRUE(runtime::AddressRecord::FromText("LW1", lw1));
    panel.Registers().Write(lw1, runtime::DataType::Signed, 1, -888);
    EXPECT_GT(panel.Render().CountLit(valueRect), zero);
}

} // namespace
