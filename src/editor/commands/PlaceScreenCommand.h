#pragma once
// Adds a screen (new screen, copy screen), replacing a screen of the same
// number when the user agreed to overwrite it. The screen becomes current;
// undoing brings back the overwritten screen and the previous current one.
#include <QUndoCommand>
#include <cstdint>
#include <optional>
#include <vector>

namespace balsar::editor {

class ScreenEditor;

class PlaceScreenCommand : public QUndoCommand {
public:
    // screenBytes: the new screen archived on its own; overwritten: the
    // screen it replaces, archived the same way.
    PlaceScreenCommand(ScreenEditor& editor, uint16_t number, std::vector<uint8_t> screenBytes,
                       std::optional<std::vector<uint8_t>> overwritten, std::optional<uint16_t> previousCurrent,
                       const QString& text);
    void redo() override;
    void undo() override;

private:
    ScreenEditor& m_editor;
    uint16_t m_number;
    std::vector<uint8_t> m_screen;
    std::optional<std::vector<uint8_t>> m_overwritten;
    std::optional<uint16_t> m_previousCurrent;
};

} // namespace balsar::editor
