#pragma once
// The designer process's session (its services, see DesignerSession) and
// its document. One per designer process; tests build their own.
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"

namespace balsar::app {

struct DesignerServices {
    DesignerServices(MessageSink& sink, Prompt& prompt)
        : session(DesignerSession::ForProgram(sink, prompt)), doc(session, CoreClassRegistry()) {}

    DesignerSession session;
    CMirloDoc doc;
};

} // namespace balsar::app
