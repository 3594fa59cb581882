#include "app/XrefDock.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/ScreenEditor.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "projecttext/AddressXref.h"
#include "i18n/UiText.h"

namespace balsar::app {

namespace {

constexpr int kScreenRole = Qt::UserRole;
constexpr int kElementIdRole = Qt::UserRole + 1;
constexpr int kElementClassRole = Qt::UserRole + 2;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

const char* AccessText(UseAccess access) {
    switch (access) {
    case UseAccess::Read:
        return "读";
    case UseAccess::Write:
        return "写";
    case UseAccess::ReadWrite:
        break;
    }
    return "读写";
}

QString PlaceText(const AddressUse& use) {
    switch (use.place) {
    case AddressUse::Place::Element:
        return i18n::Ui("画面 %1  %2").arg(use.screen).arg(Text(use.element));
    case AddressUse::Place::Event:
        return i18n::Ui("事件 %1  %2").arg(use.item).arg(Text(use.message));
    case AddressUse::Place::DataTransfer:
        return i18n::Ui("数据传送 %1").arg(use.item);
    case AddressUse::Place::Settings:
        break;
    }
    return i18n::Ui("全局设置");
}

} // namespace

XrefDock::XrefDock(CMirloDoc& doc, const DesignerSession& session, editor::ScreenEditor& editor, QWidget* parent)
    : QDockWidget(i18n::Ui("地址交叉引用"), parent), m_doc(doc), m_session(session), m_editor(editor) {
    setObjectName(QStringLiteral("xrefDock"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    m_filter = new QLineEdit(body);
    m_filter->setPlaceholderText(i18n::Ui("按地址筛选，例如 4X 或 LW 12"));
    m_filter->setClearButtonEnabled(true);
    m_list = new QTreeWidget(body);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({i18n::Ui("地址 / 使用处"), i18n::Ui("访问")});
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setMinimumWidth(280);
    layout->addWidget(m_filter);
    layout->addWidget(m_list, 1);
    setWidget(body);
    connect(m_filter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { Open(item); });
}

void XrefDock::Refresh() {
    m_list->clear();
    const CMirloProject* project = m_doc.Project();
    if (project == nullptr) {
        return;
    }
    const AddressXref xref = BuildAddressXref(*project, &m_session.PortDescriptions(),
                                              m_session.HasModel() ? &m_session.Model() : nullptr);
    for (size_t e = 0; e < xref.entries.size(); ++e) {
        const XrefEntry& entry = xref.entries[e];
        auto* top = new QTreeWidgetItem(m_list, {Text(entry.label)});
        for (size_t index : entry.uses) {
            const AddressUse& use = xref.uses[index];
            auto* child = new QTreeWidgetItem(top, {PlaceText(use), i18n::Ui(AccessText(use.access))});
            if (use.place == AddressUse::Place::Element) {
                child->setData(0, kScreenRole, use.screen);
                child->setData(0, kElementIdRole, use.elementId);
                child->setData(0, kElementClassRole, Text(use.elementClass));
            }
        }
        top->setText(1, i18n::Ui("%1 处").arg(entry.uses.size()));
    }
    m_list->expandAll();
    ApplyFilter();
}

void XrefDock::SetFilter(const QString& filter) { m_filter->setText(filter); }

void XrefDock::ApplyFilter() {
    const QString filter = m_filter->text().trimmed();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        item->setHidden(!filter.isEmpty() && !item->text(0).contains(filter, Qt::CaseInsensitive));
    }
}

void XrefDock::Open(QTreeWidgetItem* item) {
    if (item == nullptr || !item->data(0, kScreenRole).isValid() || m_doc.Project() == nullptr) {
        return;
    }
    CHMIFrame* screen = m_doc.Project()->FindScreen(static_cast<uint16_t>(item->data(0, kScreenRole).toInt()));
    if (screen == nullptr) {
        return;
    }
    const int id = item->data(0, kElementIdRole).toInt();
    const std::string className = item->data(0, kElementClassRole).toString().toStdString();
    for (const auto& element : screen->GetElements()) {
        if (element->GetID() == id && element->GetRuntimeClass().name == className) {
            m_editor.SelectElement(screen, element.get());
            return;
        }
    }
}

} // namespace balsar::app
