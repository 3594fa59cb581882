#pragma once
// The frame shared by the list dialogs of the event and the data-transfer
// settings: a list view over the dialog's own copy of the items with "增  加",
// "删  除", "修  改" and "确  定". OK hands the copy to the project; closing
// after a change asks whether to drop it.
#include <QDialog>
#include <QStringList>

class QBoxLayout;
class QPushButton;
class QTreeWidget;

namespace balsar {
class DesignerSession;
class PortProtocols;
}

namespace balsar::dialogs {

class ItemListDialog : public QDialog {
    Q_OBJECT
public:
    QTreeWidget* List() const { return m_list; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* ModifyButton() const { return m_modify; }
    QPushButton* OkButton() const { return m_ok; }
    bool Changed() const { return m_changed; }
    // Selects a row (from 0) and scrolls to it; other rows are ignored.
    void SelectRow(int row);

    void accept() override;
    void reject() override;

signals:
    // OK is about to store the dialog's items in the project.
    void aboutToApply();
    // OK stored the dialog's items in the project.
    void applied();

protected:
    ItemListDialog(DesignerSession& session, const QStringList& columns, const QList<int>& widths,
                   QWidget* parent);
    // Called once the derived dialog is built.
    void Populate();
    void MarkChanged() { m_changed = true; }
    // Where derived dialogs put their settings controls.
    QBoxLayout* SettingsArea() const { return m_settingsArea; }

    virtual int ItemCount() const = 0;
    virtual QStringList RowTexts(int row) const = 0;
    // Opens the item dialog on a new item (row -1) or on a row's item; true
    // when the list changed.
    virtual bool EditItem(int row) = 0;
    virtual void RemoveItem(int row) = 0;
    // Writes the copy into the project.
    virtual void Apply() = 0;

    // Stores what an item dialog returned: it replaces the row's item, or
    // (row -1) is added to the list, which refuses an item equal to one
    // already listed with "报警设置条目已存在". True when the list changed.
    template <class List, class Item> bool StoreEditedItem(List& list, int row, const Item& item) {
        if (row >= 0) {
            list.items[static_cast<size_t>(row)] = item;
            return true;
        }
        if (list.AddItem(item, Protocols()) == 0) {
            ReportDuplicate();
            return false;
        }
        return true;
    }
    // The OK check of an item dialog opened on a new item: an item equal to
    // one already listed is refused with "报警设置条目已存在" while the item
    // dialog stays open with what was typed.
    template <class List> auto NewItemCheck(const List& list) {
        return [this, &list](const auto& item) {
            for (const auto& existing : list.items) {
                if (existing.SameAs(item, Protocols())) {
                    ReportDuplicate();
                    return false;
                }
            }
            return true;
        };
    }
    const PortProtocols* Protocols() const;
    void ReportDuplicate();

    DesignerSession& m_session;

private:
    int SelectedRow() const;
    void OnAdd();
    void OnDelete();
    void OnModify();

    QTreeWidget* m_list;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_modify;
    QPushButton* m_ok;
    QBoxLayout* m_settingsArea;
    bool m_changed = false;
};

} // namespace balsar::dialogs
