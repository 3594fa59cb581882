#pragma once
// The screen editor's state and commands: the current screen, the
// selection, the insert tool, the clipboard, and every change to the screen
// as an undo step. The canvas and the project tree only translate gestures
// into calls of this class and repaint when it says so.
#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editing/EditorGeometry.h"
#include "editing/EditorSelection.h"
#include "elements/PanelCanvas.h"
#include "project/CMirloDoc.h"
#include "project/ProjectStateSnapshot.h"

namespace balsar {
class ClassRegistry;
class DesignerSession;
} // namespace balsar

namespace balsar::editor {

// The MIME type the private clipboard format "GraphElement" travels under.
QString ClipboardMimeType();

class ScreenEditor : public QObject {
    Q_OBJECT
public:
    ScreenEditor(CMirloDoc& doc, DesignerSession& session, const ClassRegistry& registry, QObject* parent = nullptr);
    ~ScreenEditor() override;

    CMirloDoc& Doc() const { return m_doc; }
    DesignerSession& Session() const { return m_session; }
    const ClassRegistry& Registry() const { return m_registry; }
    QUndoStack* UndoStack() { return &m_undo; }
    CHMIFrame* Screen() const { return m_doc.CurrentScreen(); }
    int ScreenWidth() const { return m_doc.PanelWidth(); }
    int ScreenHeight() const { return m_doc.PanelHeight(); }
    EditorSelection& Selection() { return m_selection; }
    const EditorSelection& Selection() const { return m_selection; }
    Offset PasteOffset() const { return m_pasteOffset; }

    // Insert tool: -1 while the selection tool is active.
    int Tool() const { return m_tool; }
    // Whether this build can create elements of a tool code.
    static bool ToolAvailable(int toolCode);
    // Arms the tool with its ghost at the canvas origin; false (nothing
    // armed) without a current screen or for a kind this build lacks.
    bool ArmTool(int toolCode);
    // The picture tool: the BMP file goes into the project's bitmap library
    // and the ghost takes the bitmap's size. A refused file shows its
    // message and arms nothing (false).
    bool ArmPicture(const std::string& path);
    void DisarmTool();
    const PanelRect& Ghost() const { return m_ghost; }
    // The ghost follows the mouse (panel pixels).
    void MoveGhost(int x, int y);
    // Creates the tool's element at the ghost. False when nothing was made
    // (no tool, empty ghost, or the trend limit).
    bool InsertAtGhost();

    // Selection changes.
    void PressSelect(CGraphElement* element, bool ctrl);
    void AddBand(const PanelRect& band);
    void SelectAll();
    void SelectNone();
    // The screen becomes current with an empty selection.
    void ShowScreen(CHMIFrame* screen);
    // The element's screen becomes current and the element the selection.
    void SelectElement(CHMIFrame* screen, CGraphElement* element);
    // After a project was opened or closed: no selection, no tool, paste
    // offset and undo history cleared.
    void ResetView();

    // Commands on the selection.
    void Nudge(int dx, int dy);
    void MoveSelection(Offset offset);
    void Align(AlignMode mode);
    void Distribute(bool horizontal);
    void Centre(CentreMode mode);
    void BringToFront();
    void SendToBack();
    void DeleteSelection();
    void Copy();
    void Cut();
    void Paste();
    // One step of a resize gesture of a single element; the steps of one
    // gesture (same number) make one undo step.
    void ResizeStep(CGraphElement* element, int handle, int dx, int dy, int gesture);
    void ToggleLabels();
    // Exchanges COM0 and COM1 of the project.
    void SwapPorts(int a, int b);
    // A settings dialog's change as one undo step: Begin before the dialog
    // touches the project, End once it applied (or did not apply) its
    // change. End pushes a step only when the project changed.
    void BeginSettingsChange();
    void EndSettingsChange(const QString& text);

    // What the commands need.
    bool HasScreen() const { return Screen() != nullptr; }
    bool CanPaste() const;
    bool CanSelectAll() const { return Screen() != nullptr && !Screen()->GetElements().empty(); }

    // For undo steps: a screen by number, showing a screen with a selection
    // given by list positions, and announcing a change.
    CHMIFrame* ScreenByNumber(uint16_t number) const;
    void SelectIndexes(uint16_t screenNumber, const std::vector<int>& indexes);
    void ClearSelectionOf(uint16_t screenNumber);
    void SetCurrentScreenNumber(std::optional<uint16_t> number);
    // structure: screens or element lists changed (the tree rebuilds).
    void Changed(bool structure);

signals:
    void selectionChanged();
    void screenChanged();
    void structureChanged();
    void contentChanged();
    void geometryChanged(int width, int height);
    void modifiedChanged();
    void toolChanged();

private:
    void Announce();
    void PushMoves(const std::vector<Offset>& moves, const char* text, bool merge);

    CMirloDoc& m_doc;
    DesignerSession& m_session;
    const ClassRegistry& m_registry;
    QUndoStack m_undo;
    EditorSelection m_selection;
    int m_tool = -1;
    PanelRect m_ghost{};
    // The element the armed tool places, when the tool carries one (the
    // picture with its chosen bitmap).
    std::unique_ptr<CGraphElement> m_toolElement;
    Offset m_pasteOffset{};
    std::optional<ProjectStateSnapshot> m_settingsBefore;
};

} // namespace balsar::editor
