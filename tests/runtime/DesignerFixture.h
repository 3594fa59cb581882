#pragma once
// The designer side of the runtime tests: builds projects with the
// designer's own classes, compiles them with its compiler and draws its
// 1-bit canvas of a screen, so that the runtime (which never uses these
// classes) can be checked against them.
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "elements/FreeTypeFontEngine.h"
#include "elements/PanelCanvas.h"
#include "plc/CAddr.h"
#include "elements/CFunckeyGE.h"
#include "elements/CRegisterGE.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"

namespace balsar::runtime {
class PanelRuntime;
}

namespace balsar::runtime::test {

class DesignerFixture {
public:
    DesignerFixture();

    // A project for panel model 1 (128 x 64) or 3 (240 x 128), languages
    // Chinese and English; port 0 (and 1) on the Modbus master protocol.
    std::unique_ptr<CMirloProject> NewProject(int32_t modelId = 1);
    // A screen with up/down targets.
    static std::unique_ptr<CHMIFrame> NewScreen(uint16_t number, uint16_t up = 0, uint16_t down = 0);
    // Makes the project the open one, activates the session on it (model,
    // panel size, port descriptions) and compiles it.
    std::vector<uint8_t> Compile(std::unique_ptr<CMirloProject> project);
    // Opens a project file and activates it; false when it cannot be read.
    bool Open(const std::string& path);
    // Compiles the project that is open again.
    std::vector<uint8_t> Recompile();
    CMirloProject& Project() { return *m_doc.Project(); }
    // The designer's canvas of a screen of the open project; event lists
    // show their sample lines at `when` (else the current time).
    PanelCanvas Draw(uint16_t number, const std::tm* when = nullptr);

    // Compiles the project and loads it into the panel; the image must load.
    void Run(std::unique_ptr<CMirloProject> project, runtime::PanelRuntime& panel);

    FontEngine& Fonts() { return *m_session.Fonts(); }
    RecordingMessageSink& Sink() { return m_sink; }

private:
    RecordingMessageSink m_sink;
    FixedPrompt m_prompt{Answer::No};
    DesignerSession m_session;
    CMirloDoc m_doc;
    int m_compiled = 0;
};

// Function keys of the three functions.
std::unique_ptr<CFunckeyGE> JumpKey(int32_t code, int32_t kind, uint16_t target = 1);
std::unique_ptr<CFunckeyGE> BitKey(int32_t code, int32_t mode, const CAddr& address);
std::unique_ptr<CFunckeyGE> WordKey(int32_t code, int32_t mode, const CAddr& address, int32_t value,
                                    int32_t limit = 0, int32_t delay = 1, int32_t speed = 1, bool immediate = false);
// A register element that takes input.
std::unique_ptr<CRegisterGE> InputRegister(const CAddr& address, int32_t type = REG_SIGNED, int integerDigits = 4,
                                           int decimals = 0);

// Addresses as the designer's address page makes them.
CAddr LocalWord(const char* type, int32_t address, int32_t width = WIDTH_WORD, int32_t words = 1);
CAddr LocalBit(const char* type, int32_t word, int32_t bit);
CAddr PlcWord(int32_t port, int32_t address, int32_t width = WIDTH_WORD);
CAddr PlcBit(int32_t port, int32_t address);

} // namespace balsar::runtime::test
