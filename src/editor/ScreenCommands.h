#pragma once
// The screen commands: new screen, copy screen, delete screen and the
// screen properties page, each one undo step. Questions go through the
// designer's Prompt; the dialogs that collect the values are separate.
#include <cstdint>
#include <memory>
#include <string>

#include "editor/commands/ScreenPropertiesCommand.h"
#include "project/CHMIFrame.h"

namespace balsar::editor {

class ScreenEditor;

class ScreenCommands {
public:
    explicit ScreenCommands(ScreenEditor& editor) : m_editor(editor) {}

    bool CanAddScreen() const;
    bool HasCurrentScreen() const;
    // The number the new-screen and copy-screen dialogs propose.
    uint16_t ProposedNumber() const;
    // In system-screen mode the number is 65535 and the description
    // "系统页面". An existing number asks whether to overwrite it.
    bool NewScreen(uint16_t number, const std::string& description);
    // Copies the current screen to the target number; nothing for the
    // current screen's own number.
    bool CopyScreen(uint16_t target);
    // Asks, then removes the current screen.
    bool DeleteScreen();
    // The properties page of the current screen.
    ScreenProperties CurrentProperties() const;
    bool ApplyProperties(const ScreenProperties& properties);

private:
    bool Place(uint16_t number, std::unique_ptr<CHMIFrame> screen, const char* caption, const char* undoText);

    ScreenEditor& m_editor;
};

} // namespace balsar::editor
