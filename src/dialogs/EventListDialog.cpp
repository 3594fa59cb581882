#include "dialogs/EventListDialog.h"

#include <QCheckBox>
#include <algorithm>
#include <QComboBox>
#include <QFontDialog>
#include <QToolButton>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/EventItemDialog.h"
#include "dialogs/FontChoices.h"
#include "dialogs/LanguageNames.h"
#include "dialogs/QtText.h"
#include "dialogs/ScreenChoices.h"
#include "elements/ElementStrings.h"
#include "elements/TextAttributes.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"
#include "project/SettingsStrings.h"
#include "plc/PlcStrings.h"

namespace balsar::dialogs {

EventListDialog::EventListDialog(CMirloDoc& doc, DesignerSession& session, QWidget* parent)
    : ItemListDialog(session,
                     {Q(texts::kNumber), Q(texts::kColumnPort), Q(texts::kColumnRegisterType),
                      Q(texts::kColumnMessage)},
                     {50, 50, 80, 400}, parent),
      m_doc(doc), m_list(doc.Project() ? doc.Project()->eventList : EventList()) {
    setWindowTitle(Q(texts::kEventListCaption));
    const CMirloProject* project = doc.Project();
    auto* grid = new QGridLayout;
    SettingsArea()->addLayout(grid);
    m_size = new QComboBox(this);
    m_size->addItem(Q(strings::kSize8EnglishOnly));
    for (const char* size : {"12", "16", "24", "32"}) {
        m_size->addItem(QString::fromLatin1(size));
    }
    m_size->setCurrentIndex(std::clamp(m_list.fontSizeIndex, 0, 4));
    m_sizeShown = m_size->currentIndex();
    m_language = new QComboBox(this);
    const int languages = project ? project->languages.Count() : 0;
    for (int i = 0; i < languages; ++i) {
        m_language->addItem(LanguageName(project->languages.GetLangID(i)));
    }
    m_language->setCurrentIndex(std::clamp(m_list.language, 0, std::max(0, languages - 1)));
    m_font = new QComboBox(this);
    FillFonts();
    m_alarmScreen = new QComboBox(this);
    if (project == nullptr || project->Screens().empty()) {
        m_alarmScreen->addItem(QStringLiteral("0"));
    } else {
        FillScreenNumbers(m_alarmScreen, project);
    }
    ShowNumber(m_alarmScreen, m_list.alarmScreen);
    m_autoPopup = new QCheckBox(Q(texts::kAutoPopup), this);
    m_autoPopup->setChecked(m_list.autoPopup != 0);
    grid->addWidget(new QLabel(Q(texts::kFontSize), this), 0, 0);
    grid->addWidget(m_size, 0, 1);
    grid->addWidget(new QLabel(Q(texts::kLanguage), this), 0, 2);
    grid->addWidget(m_language, 0, 3);
    grid->addWidget(new QLabel(Q(texts::kFont), this), 1, 0);
    grid->addWidget(m_font, 1, 1, 1, 2);
    auto* chooser = new QToolButton(this);
    m_fontChooser = chooser;
    chooser->setText(QStringLiteral(".."));
    grid->addWidget(chooser, 1, 3);
    connect(chooser, &QToolButton::clicked, this, [this] {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, QFont(m_font->currentText()), this);
        if (!ok) {
            return;
        }
        if (m_font->findText(font.family()) < 0) {
            m_font->addItem(font.family());
        }
        m_font->setCurrentIndex(m_font->findText(font.family()));
        MarkChanged();
    });

    grid->addWidget(new QLabel(Q(texts::kAlarmScreen), this), 2, 0);
    grid->addWidget(m_alarmScreen, 2, 1);
    grid->addWidget(m_autoPopup, 2, 2, 1, 2);

    connect(m_size, &QComboBox::activated, this, [this](int index) {
        // Size 8 shows English only: Chinese in the messages would be lost,
        // so ask first, as the element pages do.
        if (index == 0 && !KeepEnglishMessages()) {
            m_size->setCurrentIndex(m_sizeShown);
            return;
        }
        m_sizeShown = index;
        MarkChanged();
        UpdateEnabling();
    });
    connect(m_language, &QComboBox::activated, this, [this] {
        MarkChanged();
        FillFonts();
    });
    for (QComboBox* box : {m_font, m_alarmScreen}) {
        connect(box, &QComboBox::activated, this, [this] { MarkChanged(); });
    }
    connect(m_autoPopup, &QCheckBox::toggled, this, [this] { MarkChanged(); });
    UpdateEnabling();
    Populate();
}

bool EventListDialog::KeepEnglishMessages() {
    const bool anyOther = std::any_of(m_list.items.begin(), m_list.items.end(),
                                      [](const EventItem& item) { return CountNonAscii(item.message) > 0; });
    if (!anyOther) {
        return true;
    }
    if (m_session.prompt.Ask(strings::kNonAsciiLost, Buttons::YesNo) != Answer::Yes) {
        return false;
    }
    for (EventItem& item : m_list.items) {
        item.message = KeepVisibleAscii(item.message);
    }
    Populate();
    return true;
}

void EventListDialog::FillFonts() {
    const CMirloProject* project = m_doc.Project();
    const uint16_t id = project ? project->languages.GetLangID(std::max(0, m_language->currentIndex()))
                                : m_session.NewProjectLanguage().languageId;
    dialogs::FillFonts(m_font, m_session.Fonts(), id, m_list.font);
}

void EventListDialog::UpdateEnabling() {
    const bool english = m_size->currentIndex() == 0;
    m_language->setEnabled(!english);
    m_font->setEnabled(!english);
    m_fontChooser->setEnabled(!english);
}

QStringList EventListDialog::RowTexts(int row) const {
    const EventItem& item = m_list.items[static_cast<size_t>(row)];
    const QString port = item.address.port == PORT_LOCAL ? Q(balsar::texts::kLocalPortName)
                                                         : QString::number(item.address.port);
    return {QString::number(row + 1), port, Q(item.address.regType), Q(item.message)};
}

bool EventListDialog::EditItem(int row) {
    const bool adding = row < 0;
    const EventItem start = adding ? EventItem() : m_list.items[static_cast<size_t>(row)];
    EventItemDialog dialog(start, m_doc.Project(), m_session, m_size->currentIndex() == 0, this);
    if (adding) {
        // A duplicate is refused while the item dialog is still open, so
        // what the user typed stays there to be changed.
        dialog.SetAcceptCheck(NewItemCheck(m_list));
    }
    const bool ok = runItemDialog ? runItemDialog(dialog) : dialog.exec() == QDialog::Accepted;
    return ok && dialog.result() == QDialog::Accepted && StoreEditedItem(m_list, row, dialog.Item());
}

void EventListDialog::RemoveItem(int row) { m_list.items.erase(m_list.items.begin() + row); }

void EventListDialog::Apply() {
    CMirloProject* project = m_doc.Project();
    if (project == nullptr) {
        return;
    }
    EventList& target = project->eventList;
    target.items.clear();
    for (const EventItem& item : m_list.items) {
        target.AddItem(item, &m_session.PortDescriptions());
    }
    target.fontSizeIndex = m_size->currentIndex();
    target.language = std::max(0, m_language->currentIndex());
    if (!m_font->currentText().isEmpty()) {
        target.font = S(m_font->currentText());
    }
    target.alarmScreen = static_cast<int32_t>(NumberOf(m_alarmScreen, target.alarmScreen));
    target.autoPopup = m_autoPopup->isChecked() ? 1 : 0;
    m_list = target;
    m_doc.SetModifiedFlag();
}

EventListDialog* ShowEventListDialog(QWidget* parent, CMirloDoc& doc, DesignerSession& session) {
    static QPointer<EventListDialog> open;
    if (open != nullptr && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return open;
    }
    if (doc.Project() == nullptr) {
        return nullptr;
    }
    delete open;
    open = new EventListDialog(doc, session, parent);
    open->setAttribute(Qt::WA_DeleteOnClose);
    open->show();
    return open;
}

} // namespace balsar::dialogs
