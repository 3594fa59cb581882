#pragma once
// A settings dialog's accepted change as one undo step: the project's
// edited state before and after it (ports, languages, addresses and texts
// on every screen, settings, event list, data transfers).
#include <QUndoCommand>

#include "project/ProjectStateSnapshot.h"

namespace balsar::editor {

class ScreenEditor;

class SettingsChangeCommand : public QUndoCommand {
public:
    // The dialog has already applied `after`; the first redo does nothing.
    SettingsChangeCommand(ScreenEditor& editor, const QString& text, ProjectStateSnapshot before,
                          ProjectStateSnapshot after);
    void redo() override;
    void undo() override;

private:
    void Show(const ProjectStateSnapshot& state);

    ScreenEditor& m_editor;
    ProjectStateSnapshot m_before;
    ProjectStateSnapshot m_after;
    bool m_applied = true;
};

} // namespace balsar::editor
