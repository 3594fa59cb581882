#pragma once
// The cross-reference dock: every address of the open project with its
// uses, filtered by a text typed over the list; double-clicking a use on a
// screen shows that screen with the element selected.
#include <QDockWidget>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace balsar {
class DesignerSession;
class CMirloDoc;
namespace editor {
class ScreenEditor;
}
} // namespace balsar

namespace balsar::app {

class XrefDock : public QDockWidget {
    Q_OBJECT
public:
    XrefDock(CMirloDoc& doc, const DesignerSession& session, editor::ScreenEditor& editor, QWidget* parent = nullptr);

    // Rebuilds the list from the open project (empty without one).
    void Refresh();
    // Shows only the addresses whose text holds the filter (any case).
    void SetFilter(const QString& filter);
    QTreeWidget* List() const { return m_list; }
    QLineEdit* FilterEdit() const { return m_filter; }

private:
    void ApplyFilter();
    void Open(QTreeWidgetItem* item);

    CMirloDoc& m_doc;
    const DesignerSession& m_session;
    editor::ScreenEditor& m_editor;
    QLineEdit* m_filter = nullptr;
    QTreeWidget* m_list = nullptr;
};

} // namespace balsar::app
