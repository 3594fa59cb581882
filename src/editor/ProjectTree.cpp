#include "editor/ProjectTree.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>

#include "editor/EditorStrings.h"
#include "editor/ScreenEditor.h"
#include "hardware/HardwareModel.h"
#include "icons/SuiteIcons.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolLibrary.h"
#include "project/DesignerSession.h"
#include "editor/EditorText.h"
#include "i18n/UiText.h"

namespace balsar::editor {

namespace {

constexpr int kRoleData = Qt::UserRole;
constexpr int kNumberData = Qt::UserRole + 1;
constexpr int kIndexData = Qt::UserRole + 2;
constexpr int kMaxRememberedScreens = 100;


QTreeWidgetItem* MakeItem(QTreeWidgetItem* parent, const QString& label, ProjectTree::Role role, int number = -1,
                          int index = -1) {
    auto* item = new QTreeWidgetItem(parent, QStringList{label});
    item->setData(0, kRoleData, static_cast<int>(role));
    item->setData(0, kNumberData, number);
    item->setData(0, kIndexData, index);
    return item;
}

} // namespace

ProjectTree::ProjectTree(ScreenEditor& editor, QWidget* parent) : QTreeWidget(parent), m_editor(editor) {
    setHeaderHidden(true);
    setColumnCount(1);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { Activate(item); });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { OnDoubleClick(item); });
    connect(&m_editor, &ScreenEditor::structureChanged, this, &ProjectTree::Rebuild);
    connect(&m_editor, &ScreenEditor::selectionChanged, this, &ProjectTree::FollowSelection);
}

ProjectTree::Role ProjectTree::RoleOf(const QTreeWidgetItem* item) {
    return static_cast<Role>(item->data(0, kRoleData).toInt());
}

int ProjectTree::NumberOf(const QTreeWidgetItem* item) { return item->data(0, kNumberData).toInt(); }

int ProjectTree::ElementIndex(const QTreeWidgetItem* item) { return item->data(0, kIndexData).toInt(); }

QString ProjectTree::PortLabel(int port) const {
    const DesignerSession& session = m_editor.Session();
    const CMirloProject* project = m_editor.Doc().Project();
    const CPortCom* com = project->GetPort(port);
    QString name = Text(texts::kPortUnused);
    if (com != nullptr && com->IsEnabled(&session.PortDescriptions())) {
        const ProtocolLibrary& library = session.Protocols();
        int manufacturer = 0;
        int protocol = 0;
        if (library.FindProtocol(com->protocolId, manufacturer, protocol)) {
            name = QString::fromStdString(library.Manufacturers()[static_cast<size_t>(manufacturer)]
                                              .protocols[static_cast<size_t>(protocol)]
                                              .name);
        } else {
            name = QString::fromStdString(session.PortDescriptions().PortProtocol(port)->plcName);
        }
    }
    return QStringLiteral("COM%1:%2").arg(port).arg(name);
}

QTreeWidgetItem* ProjectTree::ItemOfScreen(uint16_t number) const {
    if (m_screens == nullptr) {
        return nullptr;
    }
    for (int i = 0; i < m_screens->childCount(); ++i) {
        QTreeWidgetItem* child = m_screens->child(i);
        if (RoleOf(child) == Role::Screen && NumberOf(child) == number) {
            return child;
        }
    }
    return nullptr;
}

void ProjectTree::Rebuild() {
    m_rebuilding = true;
    setUpdatesEnabled(false);
    const bool commExpanded = m_communication != nullptr && m_communication->isExpanded();
    const bool screensExpanded = m_screens != nullptr && m_screens->isExpanded();
    std::vector<int> expandedScreens;
    if (m_screens != nullptr) {
        int remembered = 0;
        for (int i = 0; i < m_screens->childCount() && remembered < kMaxRememberedScreens; ++i) {
            QTreeWidgetItem* child = m_screens->child(i);
            if (RoleOf(child) != Role::Screen) {
                continue;
            }
            ++remembered;
            if (child->isExpanded()) {
                expandedScreens.push_back(NumberOf(child));
            }
        }
    }
    clear();
    m_communication = nullptr;
    m_screens = nullptr;
    const CMirloProject* project = m_editor.Doc().Project();
    if (project != nullptr) {
        const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
        const QIcon settingsIcon = style()->standardIcon(QStyle::SP_FileDialogDetailedView);
        const QIcon screenIcon = icons::Screen();
        const QIcon portIcon = style()->standardIcon(QStyle::SP_DriveNetIcon);
        m_communication = MakeItem(invisibleRootItem(), Text(texts::kTreeCommunication), Role::Communication);
        m_communication->setIcon(0, portIcon);
        std::vector<int> ports;
        if (const DesignerSession& session = m_editor.Session(); session.HasModel()) {
            for (const HardwarePort& port : session.Model().Ports()) {
                if (!port.IsCan() && port.number >= 0 && port.number <= 2) {
                    ports.push_back(port.number);
                }
            }
        } else {
            ports = {0, 1, 2};
        }
        for (size_t i = 0; i < ports.size(); ++i) {
            QTreeWidgetItem* item =
                MakeItem(m_communication, PortLabel(ports[i]), Role::Port, ports[i], static_cast<int>(i));
            item->setIcon(0, portIcon);
        }
        MakeItem(invisibleRootItem(), Text(texts::kTreeGlobalSettings), Role::GlobalSettings)->setIcon(0, settingsIcon);
        MakeItem(invisibleRootItem(), Text(texts::kTreeAlarmSettings), Role::AlarmSettings)->setIcon(0, settingsIcon);
        MakeItem(invisibleRootItem(), Text(texts::kTreeLanguageSettings), Role::LanguageSettings)
            ->setIcon(0, settingsIcon);
        m_screens = MakeItem(invisibleRootItem(), Text(texts::kTreeScreens), Role::Screens);
        m_screens->setIcon(0, folderIcon);
        MakeItem(m_screens, Text(texts::kTreeNew), Role::NewScreen)
            ->setIcon(0, style()->standardIcon(QStyle::SP_FileDialogNewFolder));
        for (const auto& screen : project->Screens()) {
            QTreeWidgetItem* screenItem =
                MakeItem(m_screens,
                         QStringLiteral("%1:%2").arg(screen->GetNumber()).arg(
                             QString::fromStdString(screen->GetDescription())),
                         Role::Screen, screen->GetNumber());
            screenItem->setIcon(0, screenIcon);
            const ElementList& elements = screen->GetElements();
            for (size_t i = 0; i < elements.size(); ++i) {
                const int32_t kind = elements[i]->GetKind();
                const char* tag = kind >= 0 && kind <= 10 ? texts::kTreeTags[kind] : "";
                MakeItem(screenItem, QStringLiteral("%1%2").arg(Text(tag)).arg(elements[i]->GetID()),
                         Role::Element, screen->GetNumber(), static_cast<int>(i))
                    ->setIcon(0, icons::ElementKind(kind));
            }
        }
        m_communication->setExpanded(commExpanded);
        m_screens->setExpanded(screensExpanded);
        for (const int number : expandedScreens) {
            if (QTreeWidgetItem* item = ItemOfScreen(static_cast<uint16_t>(number))) {
                item->setExpanded(true);
            }
        }
    }
    setUpdatesEnabled(true);
    m_rebuilding = false;
    FollowSelection();
}

void ProjectTree::Activate(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const Role role = RoleOf(item);
    if (role == Role::Screen) {
        m_editor.ShowScreen(m_editor.ScreenByNumber(static_cast<uint16_t>(NumberOf(item))));
    } else if (role == Role::Element) {
        CHMIFrame* screen = m_editor.ScreenByNumber(static_cast<uint16_t>(NumberOf(item)));
        const int index = ElementIndex(item);
        if (screen != nullptr && index >= 0 && static_cast<size_t>(index) < screen->GetElements().size()) {
            m_editor.SelectElement(screen, screen->GetElements()[static_cast<size_t>(index)].get());
        }
    }
}

void ProjectTree::FollowSelection() {
    if (m_rebuilding || m_screens == nullptr) {
        return;
    }
    const CHMIFrame* screen = m_editor.Screen();
    if (screen == nullptr) {
        return;
    }
    QTreeWidgetItem* screenItem = ItemOfScreen(screen->GetNumber());
    if (screenItem == nullptr) {
        return;
    }
    QTreeWidgetItem* target = screenItem;
    if (const CGraphElement* reference = m_editor.Selection().Reference()) {
        const int index = IndexOf(screen->GetElements(), reference);
        if (index >= 0 && index < screenItem->childCount()) {
            target = screenItem->child(index);
        }
    }
    const QSignalBlocker blocker(this);
    setCurrentItem(target);
}

void ProjectTree::OnDoubleClick(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    switch (RoleOf(item)) {
    case Role::GlobalSettings:
        emit globalSettingsRequested();
        break;
    case Role::AlarmSettings:
        emit alarmSettingsRequested();
        break;
    case Role::LanguageSettings:
        emit languageSettingsRequested();
        break;
    case Role::NewScreen:
        emit newScreenRequested();
        break;
    case Role::Communication:
        emit communicationRequested(0);
        break;
    case Role::Port:
        emit communicationRequested(ElementIndex(item));
        break;
    default:
        break;
    }
}

void ProjectTree::keyPressEvent(QKeyEvent* event) {
    QTreeWidgetItem* item = currentItem();
    if (event->key() == Qt::Key_Delete && item != nullptr) {
        if (RoleOf(item) == Role::Screen) {
            Activate(item);
            emit deleteScreenRequested();
            return;
        }
        if (RoleOf(item) == Role::Element) {
            QTreeWidgetItem* parent = item->parent();
            const int row = parent->indexOfChild(item);
            const uint16_t number = static_cast<uint16_t>(NumberOf(item));
            Activate(item);
            m_editor.DeleteSelection();
            // The rebuilt tree: select the next element of the screen, else the previous one.
            if (QTreeWidgetItem* screenItem = ItemOfScreen(number); screenItem && screenItem->childCount() > 0) {
                QTreeWidgetItem* next = screenItem->child(std::min(row, screenItem->childCount() - 1));
                setCurrentItem(next);
                Activate(next);
            }
            return;
        }
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        QTreeWidget::keyPressEvent(event);
        Activate(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ProjectTree::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* item = itemAt(event->pos());
    if (item == nullptr) {
        return;
    }
    const Role role = RoleOf(item);
    QMenu menu(this);
    if (role == Role::Communication || role == Role::Port) {
        menu.setTitle(Text(texts::kMenuCommunication));
        menu.addAction(Text(texts::kMenuSwapPorts), this, &ProjectTree::swapPortsRequested);
    } else if (role == Role::Screens || role == Role::NewScreen || role == Role::Screen || role == Role::Element) {
        if (role == Role::Screen) {
            Activate(item);
        }
        menu.setTitle(Text(texts::kMenuFunctions));
        menu.addAction(Text(texts::kMenuNewScreen), this, &ProjectTree::newScreenRequested);
        menu.addAction(Text(texts::kMenuCopyScreen), this, &ProjectTree::copyScreenRequested)
            ->setEnabled(m_editor.Screen() != nullptr);
        menu.addAction(Text(texts::kMenuDeleteScreen), this, &ProjectTree::deleteScreenRequested)
            ->setEnabled(m_editor.Screen() != nullptr);
    } else {
        return;
    }
    menu.exec(event->globalPos());
}

} // namespace balsar::editor
