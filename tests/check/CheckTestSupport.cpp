#include "CheckTestSupport.h"

#include <algorithm>
#include <filesystem>

#include "elements/FreeTypeFontEngine.h"

namespace balsar::test {

namespace {
const std::filesystem::path kLibrary = std::filesystem::path(BALSAR_SOURCE_DIR) / "lib";
}

std::unique_ptr<CMirloProject> CleanProject() {
    auto project = std::make_unique<CMirloProject>(LanguageDefaults{0x0804, "宋体"});
    project->panelModelId = 1;
    project->GetPort(0)->enabled = 1;
    project->GetPort(0)->protocolId = 1;
    for (uint16_t number : {1, 2}) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(number);
        screen->SetUpKeyTarget(number == 1 ? 2 : 1);
        screen->SetDownKeyTarget(number == 1 ? 2 : 1);
        project->AddScreen(std::move(screen));
    }
    project->settings.initialScreen = 1;
    project->settings.passwordScreen = 2;
    project->eventList.alarmScreen = 2;
    return project;
}

std::unique_ptr<DesignerSession> ShippedSession(MessageSink& sink, Prompt& prompt) {
    return std::make_unique<DesignerSession>(
        sink, prompt,
        SessionParts{.plcFolder = kLibrary / "plc",
                     .hardwareFolder = kLibrary / "hardware",
                     .fonts = std::make_unique<FreeTypeFontEngine>(kLibrary / "fonts" / "fonts.conf")});
}

CAddr Com0(int32_t width, int32_t address) {
    CAddr addr(width);
    addr.Reset(width, 0, 1);
    addr.regType = width == WIDTH_BIT ? "0X" : "4X";
    addr.address = address;
    return addr;
}

FindingList WithCode(const FindingList& findings, const std::string& code) {
    FindingList out;
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(out),
                 [&](const Finding& f) { return f.code == code; });
    return out;
}

} // namespace balsar::test
