#pragma once
// Designer-wide state, owned by the application and passed by reference:
// where messages and questions go, the published panel size, the system
// language defaults and the per-project switches the shell keeps. Every test
// builds its own.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "elements/LanguageDefaults.h"

namespace balsar {

class MessageSink;
class Prompt;
class LegacyPlcCatalogue;
class ProtocolLibrary;
class PortProtocols;
class HardwareModel;
class FontEngine;

struct DesignerContext {
    DesignerContext(MessageSink& messages, Prompt& questions) : sink(messages), prompt(questions) {}

    MessageSink& sink;
    Prompt& prompt;
    LanguageDefaults languageDefaults;
    // Panel resolution of the current panel model, in pixels.
    int panelWidth = 128;
    int panelHeight = 64;
    // Byte values offered in drop-down lists of property pages.
    std::vector<uint8_t> byteChoices;
    // The designer's PC serial port number (1..9).
    int pcComPort = 1;
    std::string softwareVersion = "1.0.0";
    const LegacyPlcCatalogue* legacyCatalogue = nullptr;
    // The protocol library, the protocol description loaded for each port,
    // the current panel model and the font engine; owned by the application.
    ProtocolLibrary* protocolLibrary = nullptr;
    PortProtocols* portProtocols = nullptr;
    const HardwareModel* panelModel = nullptr;
    FontEngine* fontEngine = nullptr;
    // Current entry of the older PLC catalogue (legacy XML form only).
    std::optional<int> currentLegacyPlc;
    // Screens are numbered from 65535 while on (set by the legacy import).
    bool systemScreenMode = false;
    // Whether the editor draws element labels (mirrors the project).
    int32_t showLabels = 1;
    // Ports whose protocol or use changed in the communication settings.
    std::array<bool, 4> portChanged{};
};

} // namespace balsar
