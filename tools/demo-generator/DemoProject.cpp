#include "DemoProject.h"

#include "base/ProgramPaths.h"
#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CDynamicText.h"
#include "elements/CEventListGE.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CPictureGE.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/CTrendGE.h"

namespace balsar::demo {

namespace {

// Key codes of the TP-128 keypad.
constexpr int32_t kKeyF1 = 1;
constexpr int32_t kKeyF2 = 2;
constexpr int32_t kKeyEsc = 21;

struct ScreenPlan {
    uint16_t number;
    const char* description;
};

constexpr ScreenPlan kScreens[] = {
    {1, "启动画面"},
    {2, "运行参数"},
    {3, "报警记录"},
    {4, "趋势"},
    {10, "设置"},
};

// Texts in the built-in dot-matrix font need no font engine to compile.
std::unique_ptr<CStaticText> Label(const std::string& text, int x, int y, int32_t sizeIndex = 0) {
    auto label = std::make_unique<CStaticText>();
    label->ChangeDotMatrix(1, nullptr);
    label->SetSizeIndex(sizeIndex, nullptr);
    label->SetText(text, nullptr);
    label->SetTopLeft(x, y);
    return label;
}

CAddr Com0(int32_t width, const char* regType, int32_t address) {
    CAddr addr(width);
    addr.Reset(width, 0, 1);
    addr.regType = regType;
    addr.address = address;
    return addr;
}

std::unique_ptr<CRegisterGE> Value(const CAddr& address, int x, int y, uint8_t digits, uint8_t decimals) {
    auto value = std::make_unique<CRegisterGE>();
    RegisterFormat format = value->GetFormat();
    format.integerDigits = digits;
    format.decimalDigits = decimals;
    format.inputAllowed = 1;
    value->SetSizeIndex(0, nullptr);
    value->SetFormat(format, nullptr);
    value->Address() = address;
    value->SetTopLeft(x, y);
    value->RecalcSize(nullptr);
    return value;
}

std::unique_ptr<CFunckeyGE> JumpKey(int32_t keyCode, uint16_t target, int x, int y) {
    auto key = std::make_unique<CFunckeyGE>();
    key->SetKeyCode(keyCode);
    key->SetFunction(CFunckeyGE::FUNCTION_JUMP);
    key->Jump().kind = CJumpFrame::JUMP_TO_SCREEN;
    key->Jump().targetScreen = target;
    key->SetTopLeft(x, y);
    key->RecalcSize();
    return key;
}

// Start screen: title, the machine state as text and lamp, keys to the
// parameters and the settings.
void FillStartScreen(CHMIFrame& screen) {
    screen.AddElement(Label("DEMO PLANT", 4, 2, 1));
    screen.AddElement(Label("STATE:", 4, 20));
    auto state = std::make_unique<CDynamicText>();
    state->ChangeDotMatrix(1, nullptr);
    state->SetSizeIndex(0, nullptr);
    state->Row(1)->SetValue("0");
    state->Row(1)->SetText("STOP");
    state->Row(2)->SetValue("1");
    state->Row(2)->SetText("RUN");
    state->Address() = Com0(WIDTH_BIT, "0X", 1);
    state->BuildStateMap();
    state->SetTopLeft(44, 20);
    state->RecalcSize(nullptr);
    screen.AddElement(std::move(state));
    auto lamp = std::make_unique<CLedGE>();
    lamp->Address() = Com0(WIDTH_BIT, "0X", 1);
    lamp->SetTopLeft(100, 16);
    lamp->flash = 1;
    screen.AddElement(std::move(lamp));
    screen.AddElement(JumpKey(kKeyF1, 2, 4, 44));
    screen.AddElement(JumpKey(kKeyF2, 10, 40, 44));
}

// Parameters: speed and temperature from holding registers.
void FillParameterScreen(CHMIFrame& screen) {
    screen.AddElement(Label("SPEED", 4, 4));
    screen.AddElement(Value(Com0(WIDTH_WORD, "4X", 100), 60, 4, 4, 0));
    screen.AddElement(Label("TEMP", 4, 16));
    screen.AddElement(Value(Com0(WIDTH_WORD, "4X", 101), 60, 16, 3, 1));
    auto bar = std::make_unique<CBarGE>();
    bar->Address() = Com0(WIDTH_WORD, "4X", 100);
    bar->Scale().fullScale = 1500.0;
    bar->ChangeDirection(CBarGE::DIR_RIGHT);
    bar->SetTopLeft(4, 28);
    bar->SetWidth(80);
    bar->SetHeight(8);
    screen.AddElement(std::move(bar));
    auto batch = std::make_unique<CAsciiGE>();
    batch->Address() = Com0(WIDTH_WORD, "4X", 110);
    batch->SetSizeIndex(0);
    batch->SetCharCount(8);
    batch->SetTopLeft(60, 44);
    screen.AddElement(std::move(batch));
    screen.AddElement(JumpKey(kKeyEsc, 1, 4, 44));
}

// The alarm screen shows the event list.
void FillAlarmScreen(CHMIFrame& screen) {
    screen.AddElement(Label("ALARMS", 4, 0));
    auto events = std::make_unique<CEventListGE>();
    events->CoverScreen(128, 64);
    events->SetTopLeft(0, 10);
    events->SetHeight(36);
    events->showDate = 1;
    screen.AddElement(std::move(events));
    screen.AddElement(JumpKey(kKeyEsc, 1, 4, 48));
}

// The temperature over time, and a picture from the shipped artwork.
void FillTrendScreen(CHMIFrame& screen, CSingleColorBitmapLib& bitmaps) {
    auto trend = std::make_unique<CTrendGE>();
    trend->Address() = Com0(WIDTH_WORD, "4X", 101);
    trend->Scale().fullScale = 1000.0;
    trend->SetTopLeft(0, 0);
    trend->SetWidth(96);
    trend->SetHeight(48);
    screen.AddElement(std::move(trend));
    const std::filesystem::path art = LibraryFolder() / "component" / "led" / "LED1_0_24.dat";
    PicturePlacement placed = PlacePictureFromFile(art.string(), bitmaps, 128, 64);
    if (placed.picture) {
        placed.picture->SetTopLeft(100, 4);
        screen.AddElement(std::move(placed.picture));
    }
    screen.AddElement(JumpKey(kKeyEsc, 1, 4, 48));
}

// Settings: a panel register the operator may change.
void FillSettingsScreen(CHMIFrame& screen) {
    screen.AddElement(Label("SETTINGS", 4, 2, 1));
    screen.AddElement(Label("DELAY", 4, 20));
    CAddr local(WIDTH_WORD);
    local.Reset(WIDTH_WORD);
    local.regType = "RW";
    local.address = 10;
    screen.AddElement(Value(local, 60, 20, 3, 0));
    screen.AddElement(JumpKey(kKeyEsc, 1, 4, 44));
}

} // namespace

std::unique_ptr<CMirloProject> BuildDemoProject(const LanguageDefaults& languages) {
    auto project = std::make_unique<CMirloProject>(languages);
    project->panelModelId = 1;

    // COM0: the first protocol of the library (a Modbus RTU master) on RS485,
    // 9600 8N1, station 1.
    CPortCom& com0 = *project->GetPort(0);
    com0.enabled = 1;
    com0.protocolId = 1;
    com0.serialType = 1;
    com0.baud = 3;
    com0.dataBits = 1;
    com0.parity = 0;
    com0.stopBits = 0;
    com0.hasStation = 1;
    com0.station = 1;
    com0.commTimeout = 500;
    com0.protocolTimeout1 = 3;
    com0.protocolTimeout2 = 10;
    com0.maxWordsPerPacket = 32;
    com0.maxBitsPerPacket = 256;
    com0.wordGap = 4;
    com0.bitGap = 16;
    com0.commInterval = 10;

    // The up and down keys step through the screens in number order and wrap
    // around at either end.
    const size_t count = std::size(kScreens);
    for (size_t i = 0; i < count; ++i) {
        const ScreenPlan& plan = kScreens[i];
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(plan.number);
        screen->SetDescription(plan.description);
        screen->SetUpKeyTarget(kScreens[(i + count - 1) % count].number);
        screen->SetDownKeyTarget(kScreens[(i + 1) % count].number);
        switch (plan.number) {
        case 1:
            FillStartScreen(*screen);
            break;
        case 2:
            FillParameterScreen(*screen);
            break;
        case 3:
            FillAlarmScreen(*screen);
            break;
        case 4:
            FillTrendScreen(*screen, project->bitmapLibrary);
            break;
        default:
            FillSettingsScreen(*screen);
            break;
        }
        project->AddScreen(std::move(screen));
    }

    project->settings.initialScreen = 1;
    project->settings.passwordScreen = 10;
    project->settings.screenSaverDelay = 10;

    EventItem alarm;
    alarm.flags = 0x10 | 0x20; // bit address, trigger on 1, buzzer
    alarm.buzzerSeconds = 3;
    alarm.message = "温度过高";
    alarm.address.Reset(WIDTH_BIT);
    alarm.address.address = 12;
    alarm.address.sub = 3;
    project->eventList.items.push_back(alarm);
    project->eventList.alarmScreen = 3;

    DataTransferItem copy;
    copy.timed = 1;
    copy.period = 10;
    copy.executions = 0;
    copy.count = 4;
    copy.sourceAddress.Reset(WIDTH_WORD);
    copy.sourceAddress.address = 20;
    copy.destinationAddress.Reset(WIDTH_WORD);
    copy.destinationAddress.regType = "RW";
    copy.destinationAddress.address = 100;
    project->dataTransfers.items.push_back(copy);
    return project;
}

std::unique_ptr<CMirloProject> BuildModelTemplate(const LanguageDefaults& languages, int32_t modelId,
                                                  const std::string& modelName) {
    auto project = std::make_unique<CMirloProject>(languages);
    project->panelModelId = modelId;
    for (uint16_t number : {1, 2}) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(number);
        // Each key leads to the other screen.
        const uint16_t other = number == 1 ? 2 : 1;
        screen->SetUpKeyTarget(other);
        screen->SetDownKeyTarget(other);
        screen->AddElement(Label(number == 1 ? modelName : "PAGE 2", 4, 2, 1));
        screen->AddElement(JumpKey(kKeyF1, number == 1 ? 2 : 1, 4, 44));
        project->AddScreen(std::move(screen));
    }
    project->settings.initialScreen = 1;
    return project;
}

} // namespace balsar::demo
