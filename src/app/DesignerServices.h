#pragma once
// Everything designer-wide that the main window works with: the context,
// the protocol library and port protocols, the panel models, the font
// engine and the document. One per designer process; tests build their own.
#include <memory>

#include "elements/FreeTypeFontEngine.h"
#include "elements/Languages.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerContext.h"

namespace balsar::app {

struct DesignerServices {
    DesignerServices(MessageSink& sink, Prompt& prompt)
        : context(sink, prompt), protocols(ProtocolLibrary::ForProgram()), models(HardwareModelList::ForProgram()),
          fonts(std::make_unique<FreeTypeFontEngine>()), doc(context, CoreClassRegistry()) {
        context.protocolLibrary = &protocols;
        context.portProtocols = &ports;
        context.fontEngine = fonts.get();
        context.languageDefaults = SystemLanguageDefaults(fonts.get());
    }

    DesignerContext context;
    ProtocolLibrary protocols;
    PortProtocols ports;
    HardwareModelList models;
    HardwareModel model;
    std::unique_ptr<FreeTypeFontEngine> fonts;
    CMirloDoc doc;
};

} // namespace balsar::app
