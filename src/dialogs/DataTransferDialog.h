#pragma once
// "数据传输设置": the project's data-transfer items, edited on a copy.
#include <functional>

#include "dialogs/ItemListDialog.h"
#include "project/DataTransferList.h"

namespace balsar {
class CMirloDoc;
}

namespace balsar::dialogs {

class DataTransferItemDialog;

class DataTransferDialog : public ItemListDialog {
    Q_OBJECT
public:
    DataTransferDialog(CMirloDoc& doc, DesignerSession& session, QWidget* parent = nullptr);

    const DataTransferList& Copy() const { return m_list; }
    // Runs the item dialog; exec() when unset (tests answer it directly).
    std::function<bool(DataTransferItemDialog&)> runItemDialog;

protected:
    int ItemCount() const override { return static_cast<int>(m_list.items.size()); }
    QStringList RowTexts(int row) const override;
    bool EditItem(int row) override;
    void RemoveItem(int row) override;
    void Apply() override;

private:
    CMirloDoc& m_doc;
    DataTransferList m_list;
};

// Runs the dialog on the open project with a row selected (none: -1); true
// when OK stored the list.
bool ShowDataTransferDialog(QWidget* parent, CMirloDoc& doc, DesignerSession& session, int row = -1);

} // namespace balsar::dialogs
