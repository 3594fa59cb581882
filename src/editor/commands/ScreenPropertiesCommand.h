#pragma once
// Applies the screen properties page: description and the up and down key
// targets.
#include <QUndoCommand>
#include <cstdint>
#include <string>

namespace balsar::editor {

class ScreenEditor;

struct ScreenProperties {
    std::string description;
    uint16_t upKey = 0;
    uint16_t downKey = 0;
    bool operator==(const ScreenProperties&) const = default;
};

class ScreenPropertiesCommand : public QUndoCommand {
public:
    ScreenPropertiesCommand(ScreenEditor& editor, uint16_t number, ScreenProperties before, ScreenProperties after);
    void redo() override;
    void undo() override;

private:
    void Apply(const ScreenProperties& p);

    ScreenEditor& m_editor;
    uint16_t m_number;
    ScreenProperties m_before;
    ScreenProperties m_after;
};

} // namespace balsar::editor
