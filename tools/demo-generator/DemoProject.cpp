#include "DemoProject.h"

namespace balsar::demo {

namespace {

struct ScreenPlan {
    uint16_t number;
    const char* description;
};

constexpr ScreenPlan kScreens[] = {
    {1, "启动画面"},
    {2, "运行参数"},
    {3, "报警记录"},
    {10, "设置"},
};

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

    for (const ScreenPlan& plan : kScreens) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(plan.number);
        screen->SetDescription(plan.description);
        screen->SetUpKeyTarget(static_cast<uint16_t>(plan.number - 1));
        screen->SetDownKeyTarget(static_cast<uint16_t>(plan.number + 1));
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

} // namespace balsar::demo
