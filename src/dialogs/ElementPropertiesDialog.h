#pragma once
// The property dialog of an element: the kind's page, the common attribute
// page and the sample, all working on one copy of the element. The designer
// applies the finished copy as one undo step (ElementPropertiesCommand).
#include <QDialog>
#include <functional>
#include <memory>

#include "dialogs/ElementPage.h"
#include "elements/CGraphElement.h"

class QTabWidget;
class QUndoStack;

namespace balsar {
class CMirloDoc;
}

namespace balsar::dialogs {

class CommonAttributePage;
class ElementPreview;

class ElementPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    ElementPropertiesDialog(const CGraphElement& element, const PageContext& pageContext, QWidget* parent = nullptr);
    ~ElementPropertiesDialog() override;

    // The kinds with a page of their own.
    static bool HasPage(int32_t kind);

    void accept() override;
    // The edited copy; the dialog keeps nothing afterwards.
    std::unique_ptr<CGraphElement> TakeResult() { return std::move(m_copy); }
    const CGraphElement& Copy() const { return *m_copy; }
    ElementPage* KindPage() const { return m_kindPage; }
    CommonAttributePage* CommonPage() const { return m_commonPage; }
    ElementPreview* Preview() const { return m_preview; }
    QTabWidget* Tabs() const { return m_tabs; }

private:
    std::unique_ptr<CGraphElement> m_copy;
    ElementPage* m_kindPage = nullptr;
    CommonAttributePage* m_commonPage = nullptr;
    ElementPreview* m_preview = nullptr;
    QTabWidget* m_tabs = nullptr;
};

// Runs the property dialog of an element of the open project; the edited
// copy after OK, nothing after Cancel or for a kind without a page.
std::unique_ptr<CGraphElement> EditElementProperties(QWidget* parent, const CGraphElement& element, CMirloDoc& doc,
                                                     DesignerSession& session);

// The designer's double click on an element: runs its property dialog and
// pushes OK's result as one undo step. changed runs after every redo and
// undo of that step. False after Cancel or for a kind without a page.
bool EditElementPropertiesUndoable(QWidget* parent, CMirloDoc& doc, DesignerSession& session, QUndoStack& undo,
                                   uint16_t screen, int index, std::function<void(CGraphElement&)> changed);

} // namespace balsar::dialogs
