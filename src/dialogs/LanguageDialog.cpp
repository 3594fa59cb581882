#include "dialogs/LanguageDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "base/MessageSink.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/FontChoices.h"
#include "dialogs/LanguageNames.h"
#include "dialogs/QtText.h"
#include "elements/ElementStrings.h"
#include "project/CMirloDoc.h"

namespace balsar::dialogs {

LanguageDialog::LanguageDialog(CMirloDoc& doc, FontEngine* fonts, MessageSink& sink, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_fontEngine(fonts), m_sink(sink) {
    setWindowTitle(Q(texts::kLanguageCaption));
    const CMirloProject* project = doc.Project();
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(Q(texts::kLanguageGroup), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(Q(texts::kLanguageColumn), group), 0, 1);
    grid->addWidget(new QLabel(Q(texts::kDefaultFontColumn), group), 0, 2);
    const int count = project ? project->languages.Count() : 0;
    for (int row = 0; row < kRows; ++row) {
        auto* language = new QComboBox(group);
        auto* font = new QComboBox(group);
        language->setObjectName(QStringLiteral("language%1").arg(row + 1));
        font->setObjectName(QStringLiteral("font%1").arg(row + 1));
        for (const LanguageChoice& choice : LanguageChoices()) {
            language->addItem(choice.name, choice.id);
        }
        language->setCurrentIndex(-1);
        if (row < count) {
            const uint16_t id = project->languages.GetLangID(row);
            int at = language->findData(id);
            if (at < 0) {
                language->addItem(LanguageName(id), id);
                at = language->count() - 1;
            }
            language->setCurrentIndex(at);
            FillFonts(font, fonts, id, project->languages.GetFontName(row));
        }
        grid->addWidget(new QLabel(QString::number(row + 1), group), row + 1, 0);
        grid->addWidget(language, row + 1, 1);
        grid->addWidget(font, row + 1, 2);
        m_languages[static_cast<size_t>(row)] = language;
        m_fonts[static_cast<size_t>(row)] = font;
        connect(language, &QComboBox::activated, this, [this, row] { OnLanguage(row); });
    }
    layout->addWidget(group);

    auto* bottom = new QGridLayout;
    m_count = new QComboBox(this);
    for (int i = 1; i <= kRows; ++i) {
        m_count->addItem(QString::number(i));
    }
    m_count->setCurrentIndex(count >= 1 && count <= kRows ? count - 1 : -1);
    m_system = new QComboBox(this);
    for (const char* language : texts::kSystemLanguages) {
        m_system->addItem(Q(language));
    }
    m_system->setCurrentIndex(project && (project->settings.optionFlags & kEnglishMessages) ? 1 : 0);
    bottom->addWidget(new QLabel(Q(texts::kLanguageCount), this), 0, 0);
    bottom->addWidget(m_count, 0, 1);
    bottom->addWidget(new QLabel(Q(texts::kSystemMessageLanguage), this), 1, 0);
    bottom->addWidget(m_system, 1, 1);
    layout->addLayout(bottom);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_count, &QComboBox::currentIndexChanged, this, &LanguageDialog::UpdateRows);
    UpdateRows();
}

void LanguageDialog::UpdateRows() {
    const int used = m_count->currentIndex() + 1;
    for (int row = 0; row < kRows; ++row) {
        const bool inUse = row < used;
        QComboBox* language = m_languages[static_cast<size_t>(row)];
        language->setEnabled(inUse);
        m_fonts[static_cast<size_t>(row)]->setEnabled(inUse);
        if (inUse && language->currentIndex() < 0 && language->count() > 0) {
            language->setCurrentIndex(0);
            OnLanguage(row);
        }
    }
}

void LanguageDialog::OnLanguage(int row) {
    const QComboBox* language = m_languages[static_cast<size_t>(row)];
    if (language->currentIndex() < 0) {
        return;
    }
    FillFonts(m_fonts[static_cast<size_t>(row)], m_fontEngine,
              static_cast<uint16_t>(language->currentData().toUInt()), strings::kDefaultFace);
}

void LanguageDialog::accept() {
    const int used = m_count->currentIndex() + 1;
    if (used < 1) {
        m_sink.Message(texts::kConfigureOneLanguage, MessageKind::Warning);
        return;
    }
    for (int row = 0; row < used; ++row) {
        if (m_languages[static_cast<size_t>(row)]->currentIndex() < 0) {
            m_sink.Message(texts::kChooseLanguage, MessageKind::Warning);
            return;
        }
        if (m_fonts[static_cast<size_t>(row)]->currentIndex() < 0) {
            m_sink.Message(texts::kChooseFont, MessageKind::Warning);
            return;
        }
    }
    if (CMirloProject* project = m_doc.Project()) {
        project->languages.Clear();
        for (int row = 0; row < used; ++row) {
            project->languages.Add(static_cast<uint16_t>(m_languages[static_cast<size_t>(row)]->currentData().toUInt()),
                                   S(m_fonts[static_cast<size_t>(row)]->currentText()));
        }
        uint32_t& flags = project->settings.optionFlags;
        flags = m_system->currentIndex() == 1 ? (flags | kEnglishMessages) : (flags & ~kEnglishMessages);
        m_doc.SetModifiedFlag();
    }
    QDialog::accept();
}

bool ShowLanguageDialog(QWidget* parent, CMirloDoc& doc, FontEngine* fonts, MessageSink& sink) {
    if (doc.Project() == nullptr) {
        return false;
    }
    LanguageDialog dialog(doc, fonts, sink, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace balsar::dialogs
