#pragma once
// An open project of the first shipped panel model with the shipped
// protocol library, recording messages and scripted answers, and helpers
// that drive widgets through real events.
#include <QComboBox>
#include <QTest>
#include <memory>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "hardware/HardwareModel.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "support/TestSupport.h"

namespace balsar::test {

class DialogFixture {
public:
    DialogFixture();
    ~DialogFixture();

    CMirloProject& Project() { return *doc.Project(); }
    // Port 0 uses the shipped Modbus RTU master (ID 1) and the port
    // descriptions are reloaded.
    void EnablePort0();
    // The texts of the recorded messages, in order.
    std::vector<std::string> Messages() const { return sink.Texts(); }

    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session{sink, prompt};
    CMirloDoc doc{session, CoreClassRegistry()};
    // The session's library, port descriptions and current model.
    const ProtocolLibrary& protocols = session.Protocols();
    const PortProtocols& ports = session.PortDescriptions();
    const HardwareModel& model = session.Model();
    TempFolder folder;
};

// Picks a row of a combo box the way a user does: a mouse-driven choice
// that emits activated().
void Choose(QComboBox* box, int row);
void Choose(QComboBox* box, const QString& text);
// Clicks a widget's centre with the left button.
void Click(QWidget* widget);
// Replaces a line edit's text with typed keys and finishes the edit.
void TypeInto(QWidget* edit, const QString& text);

} // namespace balsar::test
