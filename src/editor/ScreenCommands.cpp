#include "editor/ScreenCommands.h"

#include "base/Prompt.h"
#include "base/Text.h"
#include "editing/EditorScreenEdits.h"
#include "editor/EditorStrings.h"
#include "editor/ScreenEditor.h"
#include "editor/commands/DeleteScreenCommand.h"
#include "editor/commands/PlaceScreenCommand.h"
#include "project/DesignerSession.h"
#include "i18n/UiText.h"

namespace balsar::editor {

namespace {
constexpr uint16_t kSystemScreenNumber = 65535;
} // namespace

bool ScreenCommands::CanAddScreen() const { return m_editor.Doc().Project() != nullptr; }

bool ScreenCommands::HasCurrentScreen() const { return m_editor.Screen() != nullptr; }

uint16_t ScreenCommands::ProposedNumber() const {
    const CMirloProject* project = m_editor.Doc().Project();
    return project ? project->NextFreeScreenNumber(m_editor.Doc().SystemScreenMode()) : 1;
}

bool ScreenCommands::Place(uint16_t number, std::unique_ptr<CHMIFrame> screen, const char* caption,
                           const char* undoText) {
    CMirloDoc& doc = m_editor.Doc();
    CSingleColorBitmapLib* library = &doc.Project()->bitmapLibrary;
    std::optional<std::vector<uint8_t>> overwritten;
    if (const CHMIFrame* existing = doc.FindScreen(number)) {
        if (m_editor.Session().prompt.Ask(texts::kOverwriteScreen, Buttons::OkCancel, caption) != Answer::Ok) {
            return false;
        }
        overwritten = StoreScreen(*existing, library);
    }
    const std::optional<uint16_t> previous =
        m_editor.Screen() ? std::optional<uint16_t>(m_editor.Screen()->GetNumber()) : std::nullopt;
    m_editor.UndoStack()->push(new PlaceScreenCommand(m_editor, number, StoreScreen(*screen, library),
                                                      std::move(overwritten), previous, i18n::Ui(undoText)));
    return true;
}

bool ScreenCommands::NewScreen(uint16_t number, const std::string& description) {
    if (!CanAddScreen()) {
        return false;
    }
    std::string text = description;
    if (m_editor.Doc().SystemScreenMode()) {
        number = kSystemScreenNumber;
        text = texts::kSystemScreen;
    }
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(number);
    screen->SetUpKeyTarget(static_cast<uint16_t>(number - 1));
    screen->SetDownKeyTarget(static_cast<uint16_t>(number + 1));
    screen->SetDescription(text);
    return Place(number, std::move(screen), texts::kNewScreen, texts::kNewScreen);
}

bool ScreenCommands::CopyScreen(uint16_t target) {
    const CHMIFrame* source = m_editor.Screen();
    if (source == nullptr || source->GetNumber() == target) {
        return false;
    }
    std::unique_ptr<CHMIFrame> copy = source->Clone();
    copy->SetNumber(target);
    copy->SetUpKeyTarget(static_cast<uint16_t>(target - 1));
    copy->SetDownKeyTarget(static_cast<uint16_t>(target + 1));
    return Place(target, std::move(copy), texts::kCopyScreen, texts::kCopyScreen);
}

bool ScreenCommands::DeleteScreen() {
    const CHMIFrame* screen = m_editor.Screen();
    if (screen == nullptr) {
        return false;
    }
    const std::string question = Format("%s %d?", texts::kDeleteScreen, static_cast<int>(screen->GetNumber()));
    if (m_editor.Session().prompt.Ask(question, Buttons::OkCancel, texts::kDeleteScreen) != Answer::Ok) {
        return false;
    }
    m_editor.UndoStack()->push(new DeleteScreenCommand(m_editor, screen->GetNumber()));
    return true;
}

ScreenProperties ScreenCommands::CurrentProperties() const {
    const CHMIFrame* screen = m_editor.Screen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->GetDescription(), screen->GetUpKeyTarget(), screen->GetDownKeyTarget()};
}

bool ScreenCommands::ApplyProperties(const ScreenProperties& properties) {
    const CHMIFrame* screen = m_editor.Screen();
    if (screen == nullptr) {
        return false;
    }
    const ScreenProperties before = CurrentProperties();
    if (before == properties) {
        return false;
    }
    m_editor.UndoStack()->push(new ScreenPropertiesCommand(m_editor, screen->GetNumber(), before, properties));
    return true;
}

} // namespace balsar::editor
