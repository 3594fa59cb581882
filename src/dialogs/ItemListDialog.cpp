#include "dialogs/ItemListDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "project/DesignerSession.h"
#include "project/SettingsStrings.h"

namespace balsar::dialogs {

ItemListDialog::ItemListDialog(DesignerSession& session, const QStringList& columns, const QList<int>& widths,
                               QWidget* parent)
    : QDialog(parent), m_session(session) {
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHeaderLabels(columns);
    for (int i = 0; i < widths.size(); ++i) {
        m_list->setColumnWidth(i, widths[i]);
    }
    layout->addWidget(m_list, 1);
    m_settingsArea = new QVBoxLayout;
    layout->addLayout(m_settingsArea);
    auto* buttons = new QHBoxLayout;
    m_add = new QPushButton(Q(texts::kAdd), this);
    m_delete = new QPushButton(Q(texts::kDelete), this);
    m_modify = new QPushButton(Q(texts::kModify), this);
    m_ok = new QPushButton(Q(texts::kOk), this);
    for (QPushButton* button : {m_add, m_delete, m_modify, m_ok}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(m_add, &QPushButton::clicked, this, &ItemListDialog::OnAdd);
    connect(m_delete, &QPushButton::clicked, this, &ItemListDialog::OnDelete);
    connect(m_modify, &QPushButton::clicked, this, &ItemListDialog::OnModify);
    connect(m_ok, &QPushButton::clicked, this, &ItemListDialog::accept);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { OnModify(); });
}

void ItemListDialog::Populate() {
    const int selected = SelectedRow();
    m_list->clear();
    for (int row = 0; row < ItemCount(); ++row) {
        auto* item = new QTreeWidgetItem(m_list, RowTexts(row));
        item->setData(0, Qt::UserRole, row);
    }
    if (selected >= 0 && selected < m_list->topLevelItemCount()) {
        m_list->setCurrentItem(m_list->topLevelItem(selected));
    }
}

void ItemListDialog::SelectRow(int row) {
    if (row < 0 || row >= m_list->topLevelItemCount()) {
        return;
    }
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    m_list->setCurrentItem(item);
    m_list->scrollToItem(item);
}

int ItemListDialog::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.front());
}

void ItemListDialog::OnAdd() {
    if (EditItem(-1)) {
        m_changed = true;
        Populate();
    }
}

void ItemListDialog::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) {
        m_session.sink.Message(balsar::texts::kSelectRowFirst, MessageKind::Warning);
        return;
    }
    if (m_session.prompt.Ask(balsar::texts::kConfirmDelete, Buttons::YesNo, balsar::texts::kConfirmCaption) !=
        Answer::Yes) {
        return;
    }
    RemoveItem(row);
    m_changed = true;
    m_list->clearSelection();
    Populate();
}

void ItemListDialog::OnModify() {
    const int row = SelectedRow();
    if (row < 0) {
        m_session.sink.Message(balsar::texts::kSelectRowFirst, MessageKind::Warning);
        return;
    }
    if (EditItem(row)) {
        m_changed = true;
        Populate();
    }
}

void ItemListDialog::accept() {
    emit aboutToApply();
    Apply();
    m_changed = false;
    QDialog::accept();
    emit applied();
}

void ItemListDialog::reject() {
    if (m_changed && m_session.prompt.Ask(balsar::texts::kDiscardChanges, Buttons::YesNo,
                                          balsar::texts::kConfirmCaption) != Answer::Yes) {
        return;
    }
    QDialog::reject();
}

const PortProtocols* ItemListDialog::Protocols() const { return &m_session.PortDescriptions(); }

void ItemListDialog::ReportDuplicate() { m_session.sink.Message(balsar::texts::kEntryExists, MessageKind::Warning); }

} // namespace balsar::dialogs
