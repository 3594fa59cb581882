#include "dialogs/DataTransferDialog.h"

#include "base/MessageSink.h"
#include "dialogs/DataTransferItemDialog.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "plc/AddressText.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "project/SettingsStrings.h"

namespace balsar::dialogs {

DataTransferDialog::DataTransferDialog(CMirloDoc& doc, DesignerSession& session, QWidget* parent)
    : ItemListDialog(session,
                     {Q(texts::kNumber), Q(texts::kColumnTrigger), Q(texts::kColumnSource),
                      Q(texts::kColumnDestination), Q(texts::kColumnCount), Q(texts::kColumnExecutions),
                      Q(texts::kColumnWindow)},
                     {50, 80, 100, 100, 70, 70, 70}, parent),
      m_doc(doc), m_list(doc.Project() ? doc.Project()->dataTransfers : DataTransferList()) {
    setWindowTitle(Q(balsar::texts::kDataTransferCaption));
    Populate();
}

QStringList DataTransferDialog::RowTexts(int row) const {
    DataTransferItem item = m_list.items[static_cast<size_t>(row)];
    const QString trigger = item.timed != 0         ? Q(balsar::texts::kTimedTrigger)
                            : item.triggerType != 0 ? Q(balsar::texts::kRegisterTrigger)
                                                    : QString();
    auto address = [this](CAddr& a) { return Q(a.regType + AddressValueText(a, &m_session.PortDescriptions())); };
    return {QString::number(row + 1),          trigger,
            address(item.sourceAddress),       address(item.destinationAddress),
            QString::number(item.count),       QString::number(item.executions),
            QString::number(item.validWindow)};
}

bool DataTransferDialog::EditItem(int row) {
    const bool adding = row < 0;
    DataTransferItem start = adding ? DataTransferItem() : m_list.items[static_cast<size_t>(row)];
    if (adding) {
        start.timed = 1; // a new item starts as a timed transfer, not without a mode
    }
    DataTransferItemDialog dialog(start, m_doc.Project(), m_session, this);
    if (adding) {
        // A duplicate is refused while the item dialog is still open, so
        // what the user typed stays there to be changed.
        dialog.SetAcceptCheck(NewItemCheck(m_list));
    }
    const bool ok = runItemDialog ? runItemDialog(dialog) : dialog.exec() == QDialog::Accepted;
    return ok && dialog.result() == QDialog::Accepted && StoreEditedItem(m_list, row, dialog.Item());
}

void DataTransferDialog::RemoveItem(int row) { m_list.items.erase(m_list.items.begin() + row); }

void DataTransferDialog::Apply() {
    CMirloProject* project = m_doc.Project();
    if (project == nullptr) {
        return;
    }
    project->dataTransfers.items.clear();
    for (const DataTransferItem& item : m_list.items) {
        project->dataTransfers.AddItem(item, &m_session.PortDescriptions());
    }
    m_doc.SetModifiedFlag();
}

bool ShowDataTransferDialog(QWidget* parent, CMirloDoc& doc, DesignerSession& session, int row) {
    if (doc.Project() == nullptr) {
        return false;
    }
    DataTransferDialog dialog(doc, session, parent);
    dialog.SelectRow(row);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace balsar::dialogs
