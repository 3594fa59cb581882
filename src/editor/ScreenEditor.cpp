#include "editor/ScreenEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <algorithm>

#include "base/MessageSink.h"
#include "editing/ClipboardBlock.h"
#include "editor/EditorStrings.h"
#include "editor/InsertSetup.h"
#include "editor/KeyLampInsert.h"
#include "editor/commands/DeleteElementsCommand.h"
#include "editor/commands/InsertElementsCommand.h"
#include "editor/commands/MoveElementsCommand.h"
#include "editor/commands/ResizeElementCommand.h"
#include "editor/commands/StackOrderCommand.h"
#include "editor/commands/SettingsChangeCommand.h"
#include "editor/commands/SwapPortsCommand.h"
#include "editor/commands/ToggleLabelsCommand.h"
#include "elements/CPictureGE.h"
#include "elements/CStaticText.h"
#include "elements/ElementKinds.h"
#include "elements/ElementRegistry.h"
#include "project/DesignerSession.h"
#include "editor/EditorText.h"
#include "i18n/UiText.h"

namespace balsar::editor {

namespace {

// Element kind of an insert tool code (they are the same numbers).
std::unique_ptr<CGraphElement> CreateElement(int toolCode) {
    for (const ElementClass& entry : ElementClasses()) {
        if (entry.kind == toolCode && entry.info->create != nullptr) {
            std::unique_ptr<Archivable> object = entry.info->create();
            return std::unique_ptr<CGraphElement>(static_cast<CGraphElement*>(object.release()));
        }
    }
    return nullptr;
}


} // namespace

QString ClipboardMimeType() {
    // The name Qt gives a private clipboard format on every platform.
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(kClipboardFormatName));
}

ScreenEditor::ScreenEditor(CMirloDoc& doc, DesignerSession& session, const ClassRegistry& registry, QObject* parent)
    : QObject(parent), m_doc(doc), m_session(session), m_registry(registry) {
    connect(&m_undo, &QUndoStack::indexChanged, this, [this] {
        m_doc.SetModifiedFlag(!m_undo.isClean());
        emit modifiedChanged();
    });
}

ScreenEditor::~ScreenEditor() {
    // Undo steps refer to this editor; drop them first.
    m_undo.clear();
}

bool ScreenEditor::ToolAvailable(int toolCode) {
    if (toolCode < 0 || toolCode == 8 || toolCode > 10) {
        return false;
    }
    return std::any_of(ElementClasses().begin(), ElementClasses().end(),
                       [toolCode](const ElementClass& e) { return e.kind == toolCode && e.info->create; });
}

bool ScreenEditor::ArmTool(int toolCode) {
    if (!HasScreen() || !ToolAvailable(toolCode)) {
        return false;
    }
    const auto size = GhostSize(toolCode, ScreenWidth(), ScreenHeight());
    if (!size) {
        return false;
    }
    m_tool = toolCode;
    m_toolElement.reset();
    m_ghost = GhostAt(0, 0, *size, ScreenWidth(), ScreenHeight());
    emit toolChanged();
    emit contentChanged();
    return true;
}

bool ScreenEditor::ArmPicture(const std::string& path) {
    CMirloProject* project = m_doc.Project();
    if (!HasScreen() || project == nullptr) {
        return false;
    }
    PicturePlacement placement = PlacePictureFromFile(path, project->bitmapLibrary, ScreenWidth(), ScreenHeight());
    if (placement.picture == nullptr) {
        m_session.sink.Message(placement.message, MessageKind::Error);
        return false;
    }
    const PanelSize size{placement.picture->GetWidth(), placement.picture->GetHeight()};
    m_tool = KIND_PICTURE;
    m_toolElement = std::move(placement.picture);
    m_ghost = GhostAt(0, 0, size, ScreenWidth(), ScreenHeight());
    emit toolChanged();
    emit contentChanged();
    return true;
}

void ScreenEditor::DisarmTool() {
    if (m_tool < 0) {
        return;
    }
    m_tool = -1;
    m_ghost = {};
    m_toolElement.reset();
    emit toolChanged();
    emit contentChanged();
}

void ScreenEditor::MoveGhost(int x, int y) {
    if (m_tool < 0) {
        return;
    }
    const PanelSize size{m_ghost.right - m_ghost.left, m_ghost.bottom - m_ghost.top};
    m_ghost = GhostAt(x, y, size, ScreenWidth(), ScreenHeight());
    emit contentChanged();
}

bool ScreenEditor::InsertAtGhost() {
    CHMIFrame* screen = Screen();
    if (screen == nullptr || m_tool < 0) {
        return false;
    }
    if (IsEmpty(m_ghost)) {
        DisarmTool();
        return false;
    }
    if (m_tool == KIND_TREND && !TrendAllowed(screen->CountTrends())) {
        m_session.sink.Message(texts::kTooManyTrends, MessageKind::Warning);
        return false;
    }
    std::unique_ptr<CGraphElement> element = m_toolElement ? m_toolElement->Clone() : CreateElement(m_tool);
    if (!element) {
        return false;
    }
    element->SetTopLeft(m_ghost.left, m_ghost.top);
    element->SetWidth(m_ghost.right - m_ghost.left);
    element->SetHeight(m_ghost.bottom - m_ghost.top);
    if (auto* text = dynamic_cast<CStaticText*>(element.get())) {
        // A new text is written in the default font of the project's first
        // language.
        if (const CMirloProject* project = m_doc.Project()) {
            text->SetFont(project->languages.GetFontName(0), m_session.Fonts());
        }
        text->SetText(texts::kStaticTextDefault, m_session.Fonts());
    }
    SetUpInsertedElement(*element, m_doc.Project(), ScreenWidth(), ScreenHeight());
    SetUpInsertedKeyLampText(*element, m_session.Model().Keys(), m_session.Fonts(), m_doc.Project());
    std::vector<std::unique_ptr<CGraphElement>> elements;
    elements.push_back(std::move(element));
    m_selection.Clear();
    m_tool = -1;
    m_ghost = {};
    m_toolElement.reset();
    emit toolChanged();
    m_undo.push(new InsertElementsCommand(*this, screen->GetNumber(), std::move(elements), Text(texts::kUndoInsert)));
    return true;
}

void ScreenEditor::PressSelect(CGraphElement* element, bool ctrl) {
    m_selection.Press(element, ctrl);
    Announce();
}

void ScreenEditor::AddBand(const PanelRect& band) {
    if (Screen() == nullptr) {
        return;
    }
    m_selection.AddInside(Screen()->GetElements(), band);
    Announce();
}

void ScreenEditor::SelectAll() {
    if (Screen() == nullptr) {
        return;
    }
    m_selection.SelectAll(Screen()->GetElements());
    Announce();
}

void ScreenEditor::SelectNone() {
    m_selection.Clear();
    Announce();
}

void ScreenEditor::ShowScreen(CHMIFrame* screen) {
    m_selection.Clear();
    DisarmTool();
    if (screen != m_doc.CurrentScreen()) {
        m_doc.SetCurrentScreen(screen);
        emit screenChanged();
    }
    Announce();
}

void ScreenEditor::SelectElement(CHMIFrame* screen, CGraphElement* element) {
    if (screen != m_doc.CurrentScreen()) {
        m_doc.SetCurrentScreen(screen);
        emit screenChanged();
    }
    m_selection.Clear();
    if (element != nullptr) {
        m_selection.MakeLast(element);
    }
    Announce();
}

void ScreenEditor::ResetView() {
    m_selection.Clear();
    m_tool = -1;
    m_ghost = {};
    m_pasteOffset = {};
    m_undo.clear();
    m_undo.setClean();
    emit toolChanged();
    emit screenChanged();
    emit structureChanged();
    Announce();
}

void ScreenEditor::Announce() {
    emit selectionChanged();
    emit contentChanged();
}

CHMIFrame* ScreenEditor::ScreenByNumber(uint16_t number) const { return m_doc.FindScreen(number); }

void ScreenEditor::SelectIndexes(uint16_t screenNumber, const std::vector<int>& indexes) {
    CHMIFrame* screen = ScreenByNumber(screenNumber);
    if (screen == nullptr) {
        return;
    }
    if (screen != m_doc.CurrentScreen()) {
        m_doc.SetCurrentScreen(screen);
        emit screenChanged();
    }
    std::vector<CGraphElement*> items;
    for (const int index : indexes) {
        if (index >= 0 && static_cast<size_t>(index) < screen->GetElements().size()) {
            items.push_back(screen->GetElements()[static_cast<size_t>(index)].get());
        }
    }
    m_selection.Set(std::move(items));
    Announce();
}

void ScreenEditor::ClearSelectionOf(uint16_t screenNumber) {
    const CHMIFrame* screen = ScreenByNumber(screenNumber);
    if (screen != nullptr && screen == m_doc.CurrentScreen()) {
        m_selection.Clear();
        Announce();
    }
}

void ScreenEditor::SetCurrentScreenNumber(std::optional<uint16_t> number) {
    CHMIFrame* screen = number ? ScreenByNumber(*number) : nullptr;
    m_selection.Clear();
    m_doc.SetCurrentScreen(screen);
    emit screenChanged();
    Announce();
}

void ScreenEditor::Changed(bool structure) {
    if (structure) {
        emit structureChanged();
    }
    emit contentChanged();
}

void ScreenEditor::PushMoves(const std::vector<Offset>& moves, const char* text, bool merge) {
    CHMIFrame* screen = Screen();
    if (screen == nullptr) {
        return;
    }
    const std::vector<int> indexes = m_selection.IndexesIn(screen->GetElements());
    if (indexes.size() != moves.size() ||
        std::all_of(moves.begin(), moves.end(), [](const Offset& o) { return o.IsZero(); })) {
        return;
    }
    m_undo.push(new MoveElementsCommand(*this, screen->GetNumber(), indexes, moves, Text(text), merge));
    const PanelRect u = UnionOf(m_selection.Rects());
    emit geometryChanged(u.right - u.left, u.bottom - u.top);
}

void ScreenEditor::Nudge(int dx, int dy) {
    if (m_selection.Empty() || !NudgeAllowed(m_selection.Rects(), {dx, dy}, ScreenWidth(), ScreenHeight())) {
        return;
    }
    PushMoves(std::vector<Offset>(m_selection.Items().size(), Offset{dx, dy}), texts::kUndoNudge, true);
}

void ScreenEditor::MoveSelection(Offset offset) {
    if (m_selection.Empty() || offset.IsZero()) {
        return;
    }
    PushMoves(std::vector<Offset>(m_selection.Items().size(), offset), texts::kUndoMove, false);
}

void ScreenEditor::Align(AlignMode mode) {
    if (m_selection.Size() < 2) {
        return;
    }
    PushMoves(AlignOffsets(m_selection.Rects(), mode), texts::kUndoAlign, false);
}

void ScreenEditor::Distribute(bool horizontal) {
    if (m_selection.Size() < 3) {
        return;
    }
    PushMoves(DistributeOffsets(m_selection.Rects(), horizontal), texts::kUndoDistribute, false);
}

void ScreenEditor::Centre(CentreMode mode) {
    if (m_selection.Empty()) {
        return;
    }
    const Offset o = CentreOffset(UnionOf(m_selection.Rects()), mode, ScreenWidth(), ScreenHeight());
    PushMoves(std::vector<Offset>(m_selection.Items().size(), o), texts::kUndoCentre, false);
}

void ScreenEditor::BringToFront() {
    CHMIFrame* screen = Screen();
    if (screen == nullptr || m_selection.Empty()) {
        return;
    }
    std::vector<int> indexes = m_selection.IndexesIn(screen->GetElements());
    // Nothing to do when the selection already is the top of the list.
    std::vector<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end());
    const int n = static_cast<int>(screen->GetElements().size());
    bool moves = false;
    for (size_t i = 0; i < sorted.size(); ++i) {
        moves = moves || sorted[i] != n - static_cast<int>(sorted.size()) + static_cast<int>(i);
    }
    if (moves) {
        m_undo.push(new StackOrderCommand(*this, screen->GetNumber(), indexes, true));
    }
}

void ScreenEditor::SendToBack() {
    CHMIFrame* screen = Screen();
    if (screen == nullptr || m_selection.Empty()) {
        return;
    }
    std::vector<int> indexes = m_selection.IndexesIn(screen->GetElements());
    std::vector<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end());
    bool moves = false;
    for (size_t i = 0; i < sorted.size(); ++i) {
        moves = moves || sorted[i] != static_cast<int>(i);
    }
    if (moves) {
        m_undo.push(new StackOrderCommand(*this, screen->GetNumber(), indexes, false));
    }
}

void ScreenEditor::DeleteSelection() {
    CHMIFrame* screen = Screen();
    if (screen == nullptr || m_selection.Empty()) {
        return;
    }
    m_undo.push(new DeleteElementsCommand(*this, screen->GetNumber(), m_selection.IndexesIn(screen->GetElements()),
                                          Text(texts::kUndoDelete)));
}

void ScreenEditor::Copy() {
    CHMIFrame* screen = Screen();
    if (screen == nullptr || m_selection.Empty() || m_doc.Project() == nullptr) {
        return;
    }
    std::vector<const CGraphElement*> elements(m_selection.Items().begin(), m_selection.Items().end());
    const std::vector<uint8_t> block = WriteClipboardBlock(m_doc.Project()->GetProjectPath(), screen->GetNumber(),
                                                           elements, &m_doc.Project()->bitmapLibrary);
    auto* mime = new QMimeData;
    mime->setData(ClipboardMimeType(),
                  QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size())));
    QApplication::clipboard()->setMimeData(mime);
    m_pasteOffset = {};
}

void ScreenEditor::Cut() {
    CHMIFrame* screen = Screen();
    if (screen == nullptr || m_selection.Empty()) {
        return;
    }
    Copy();
    m_undo.push(new DeleteElementsCommand(*this, screen->GetNumber(), m_selection.IndexesIn(screen->GetElements()),
                                          Text(texts::kUndoCut)));
}

bool ScreenEditor::CanPaste() const {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    return Screen() != nullptr && mime != nullptr && mime->hasFormat(ClipboardMimeType());
}

void ScreenEditor::Paste() {
    CHMIFrame* screen = Screen();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (screen == nullptr || mime == nullptr || m_doc.Project() == nullptr) {
        return;
    }
    const QByteArray data = mime->data(ClipboardMimeType());
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    auto block = ReadClipboardBlock(std::span<const uint8_t>(bytes, static_cast<size_t>(data.size())), m_registry,
                                    &m_doc.Project()->bitmapLibrary);
    if (!block || block->elements.empty()) {
        return;
    }
    std::vector<PanelRect> rects;
    int trends = 0;
    for (const auto& element : block->elements) {
        rects.push_back(element->Rect());
        trends += element->GetKind() == KIND_TREND ? 1 : 0;
    }
    if (!TrendsAllowed(screen->CountTrends(), trends)) {
        m_session.sink.Message(texts::kTooManyTrends, MessageKind::Warning);
        return;
    }
    const bool sameScreen =
        block->projectPath == m_doc.Project()->GetProjectPath() && block->screenNumber == screen->GetNumber();
    m_pasteOffset = NextPasteOffset(m_pasteOffset, sameScreen, UnionOf(rects), ScreenWidth(), ScreenHeight());
    for (auto& element : block->elements) {
        element->SetTopLeft(element->GetLeft() + m_pasteOffset.dx, element->GetTop() + m_pasteOffset.dy);
    }
    m_selection.Clear();
    m_undo.push(new InsertElementsCommand(*this, screen->GetNumber(), std::move(block->elements),
                                          Text(texts::kUndoPaste)));
}

void ScreenEditor::ResizeStep(CGraphElement* element, int handle, int dx, int dy, int gesture) {
    CHMIFrame* screen = Screen();
    if (screen == nullptr || element == nullptr) {
        return;
    }
    const int index = IndexOf(screen->GetElements(), element);
    if (index < 0) {
        return;
    }
    const PanelRect before = element->Rect();
    std::unique_ptr<CGraphElement> state = element->Clone();
    element->DragHandle(handle, dx, dy, ScreenWidth(), ScreenHeight());
    const PanelRect after = element->Rect();
    if (before.left == after.left && before.top == after.top && before.right == after.right &&
        before.bottom == after.bottom) {
        return;
    }
    m_undo.push(new ResizeElementCommand(*this, screen->GetNumber(), index, std::move(state), element->Clone(),
                                         gesture));
}

void ScreenEditor::ToggleLabels() {
    if (m_doc.Project() != nullptr) {
        m_undo.push(new ToggleLabelsCommand(*this));
    }
}

void ScreenEditor::SwapPorts(int a, int b) {
    if (m_doc.Project() != nullptr) {
        m_undo.push(new SwapPortsCommand(*this, a, b));
    }
}

void ScreenEditor::BeginSettingsChange() {
    m_settingsBefore.reset();
    if (m_doc.Project() != nullptr) {
        m_settingsBefore = ProjectStateSnapshot::Take(*m_doc.Project());
    }
}

void ScreenEditor::EndSettingsChange(const QString& text) {
    std::optional<ProjectStateSnapshot> before = std::move(m_settingsBefore);
    m_settingsBefore.reset();
    if (!before || m_doc.Project() == nullptr) {
        return;
    }
    ProjectStateSnapshot after = ProjectStateSnapshot::Take(*m_doc.Project());
    if (after != *before) {
        m_undo.push(new SettingsChangeCommand(*this, text, std::move(*before), std::move(after)));
    } else {
        // Nothing changed: the undo history's clean state stays the truth.
        m_doc.SetModifiedFlag(!m_undo.isClean());
        emit modifiedChanged();
    }
    Changed(true);
}

} // namespace balsar::editor
