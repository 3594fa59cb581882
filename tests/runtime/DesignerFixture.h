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
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "plc/CAddr.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/DesignerContext.h"

namespace balsar::runtime::test {

class DesignerFixture {
public:
    DesignerFixture();

    // A project for panel model 1 (128 x 64) or 3 (240 x 128), languages
    // Chinese and English; port 0 (and 1) on the Modbus master protocol.
    std::unique_ptr<CMirloProject> NewProject(int32_t modelId = 1);
    // A screen with up/down targets.
    static std::unique_ptr<CHMIFrame> NewScreen(uint16_t number, uint16_t up = 0, uint16_t down = 0);
    // Makes the project the open one, activates it (model, panel size, port
    // protocols) and compiles it.
    std::vector<uint8_t> Compile(std::unique_ptr<CMirloProject> project);
    // Opens a project file and activates it; false when it cannot be read.
    bool Open(const std::string& path);
    // Compiles the project that is open again.
    std::vector<uint8_t> Recompile();
    CMirloProject& Project() { return *m_doc.Project(); }
    // The designer's canvas of a screen of the open project; event lists
    // show their sample lines at `when` (else the current time).
    PanelCanvas Draw(uint16_t number, const std::tm* when = nullptr);

    FontEngine& Fonts() { return m_fonts; }
    RecordingMessageSink& Sink() { return m_sink; }

private:
    RecordingMessageSink m_sink;
    FixedPrompt m_prompt{Answer::No};
    FreeTypeFontEngine m_fonts;
    DesignerContext m_context;
    ProtocolLibrary m_library;
    PortProtocols m_protocols;
    HardwareModelList m_models;
    HardwareModel m_model;
    CMirloDoc m_doc;
};

// Addresses as the designer's address page makes them.
CAddr LocalWord(const char* type, int32_t address, int32_t width = WIDTH_WORD);
CAddr LocalBit(const char* type, int32_t word, int32_t bit);
CAddr PlcWord(int32_t port, int32_t address, int32_t width = WIDTH_WORD);
CAddr PlcBit(int32_t port, int32_t address);

} // namespace balsar::runtime::test
