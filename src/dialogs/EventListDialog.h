#pragma once
// "事件与报警列表": the event items of the project with the list's display
// settings. Non-modal; it works on a copy until OK.
#include <functional>

#include "dialogs/ItemListDialog.h"
#include "project/EventList.h"

class QCheckBox;
class QComboBox;

namespace balsar {
class CMirloDoc;
}

namespace balsar::dialogs {

class EventListDialog : public ItemListDialog {
    Q_OBJECT
public:
    EventListDialog(CMirloDoc& doc, DesignerSession& session, QWidget* parent = nullptr);

    const EventList& Copy() const { return m_list; }
    QComboBox* SizeBox() const { return m_size; }
    QComboBox* LanguageBox() const { return m_language; }
    QComboBox* FontBox() const { return m_font; }
    // ".." beside the font list: the platform's font chooser.
    QWidget* FontChooser() const { return m_fontChooser; }
    QComboBox* AlarmScreenBox() const { return m_alarmScreen; }
    QCheckBox* AutoPopupBox() const { return m_autoPopup; }

    // The item dialog opens on this item; tests reach it through this hook
    // (the dialog is modal). Without a hook the dialog runs with exec().
    std::function<bool(class EventItemDialog&)> runItemDialog;

protected:
    int ItemCount() const override { return static_cast<int>(m_list.items.size()); }
    QStringList RowTexts(int row) const override;
    bool EditItem(int row) override;
    void RemoveItem(int row) override;
    void Apply() override;

private:
    void FillFonts();
    void UpdateEnabling();

    CMirloDoc& m_doc;
    // Size 8 with messages in other scripts: the question; on Yes the
    // messages keep their English characters. False when refused.
    bool KeepEnglishMessages();

    EventList m_list;
    int m_sizeShown = 0;
    QComboBox* m_size;
    QComboBox* m_language;
    QComboBox* m_font;
    QWidget* m_fontChooser;
    QComboBox* m_alarmScreen;
    QCheckBox* m_autoPopup;
};

// Shows the one non-modal event list dialog (raising it when it is open).
EventListDialog* ShowEventListDialog(QWidget* parent, CMirloDoc& doc, DesignerSession& session);

} // namespace balsar::dialogs
