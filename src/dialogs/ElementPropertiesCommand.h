#pragma once
// One undo step for a property dialog's OK: the element at a list position
// of a screen takes the edited copy's contents; undo gives back the old.
#include <QUndoCommand>
#include <functional>
#include <memory>

#include "elements/CGraphElement.h"

namespace balsar {
class CGraphElement;
class CMirloDoc;
} // namespace balsar

namespace balsar::dialogs {

class ElementPropertiesCommand : public QUndoCommand {
public:
    // changed: called after every redo and undo with the element (the
    // editor repaints and selects it).
    ElementPropertiesCommand(CMirloDoc& doc, uint16_t screen, int index, const CGraphElement& before,
                             std::unique_ptr<CGraphElement> after, std::function<void(CGraphElement&)> changed);
    ~ElementPropertiesCommand() override;
    void redo() override;
    void undo() override;

private:
    void Apply(const CGraphElement& state);

    CMirloDoc& m_doc;
    uint16_t m_screen;
    int m_index;
    std::unique_ptr<CGraphElement> m_before;
    std::unique_ptr<CGraphElement> m_after;
    std::function<void(CGraphElement&)> m_changed;
};

} // namespace balsar::dialogs
