#pragma once
// The project tree beside the screen editor: communication ports, the
// settings entries and every screen with its elements. Clicks make screens
// current and select elements; double clicks and context menus ask the
// main window to run commands.
#include <QTreeWidget>
#include <cstdint>

namespace balsar::editor {

class ScreenEditor;

class ProjectTree : public QTreeWidget {
    Q_OBJECT
public:
    enum class Role { Communication, Port, GlobalSettings, AlarmSettings, LanguageSettings, Screens, NewScreen,
                      Screen, Element };

    explicit ProjectTree(ScreenEditor& editor, QWidget* parent = nullptr);

    // Rebuilds every item, keeping which items were expanded.
    void Rebuild();
    static Role RoleOf(const QTreeWidgetItem* item);
    // The screen number of a screen or element item; the port number of a
    // port item; the list position of an element item (ElementIndex).
    static int NumberOf(const QTreeWidgetItem* item);
    static int ElementIndex(const QTreeWidgetItem* item);
    QTreeWidgetItem* ScreensItem() const { return m_screens; }
    QTreeWidgetItem* CommunicationItem() const { return m_communication; }
    QTreeWidgetItem* ItemOfScreen(uint16_t number) const;

    // A single click (or arrow key) on an item.
    void Activate(QTreeWidgetItem* item);

signals:
    // Double click on a settings entry or a port, and the context menus.
    void globalSettingsRequested();
    void alarmSettingsRequested();
    void languageSettingsRequested();
    // portPage: the page of the port (0 for the communication entry).
    void communicationRequested(int portPage);
    void newScreenRequested();
    void copyScreenRequested();
    void deleteScreenRequested();
    void swapPortsRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnDoubleClick(QTreeWidgetItem* item);
    void FollowSelection();
    QString PortLabel(int port) const;

    ScreenEditor& m_editor;
    QTreeWidgetItem* m_communication = nullptr;
    QTreeWidgetItem* m_screens = nullptr;
    bool m_rebuilding = false;
};

} // namespace balsar::editor
