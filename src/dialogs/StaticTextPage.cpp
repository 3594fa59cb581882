#include "dialogs/StaticTextPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "base/Prompt.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/FontChoices.h"
#include "dialogs/LanguageNames.h"
#include "dialogs/QtText.h"
#include "elements/CStaticText.h"
#include "elements/ElementStrings.h"
#include "elements/TextAttributes.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"

namespace balsar::dialogs {

StaticTextPage::StaticTextPage(CStaticText& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_static(element) {
    auto* grid = new QGridLayout(this);
    m_text = new QLineEdit(this);
    m_size = new QComboBox(this);
    m_size->addItem(Q(strings::kSize8EnglishOnly));
    for (const char* size : {"12", "16", "24", "32"}) {
        m_size->addItem(QString::fromLatin1(size));
    }
    m_language = new QComboBox(this);
    const int languages = pageContext.project ? pageContext.project->languages.Count() : 0;
    for (int i = 0; i < std::max(1, languages); ++i) {
        m_language->addItem(LanguageName(LanguageId(i)));
    }
    m_font = new QComboBox(this);
    m_reverse = new QCheckBox(Q(texts::kReverse), this);
    m_dotMatrix = new QCheckBox(Q(texts::kUseDotMatrix), this);
    grid->addWidget(new QLabel(Q(texts::kTextString), this), 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 3);
    grid->addWidget(new QLabel(Q(texts::kTextSize), this), 1, 0);
    grid->addWidget(m_size, 1, 1);
    grid->addWidget(new QLabel(Q(texts::kLanguageLabel), this), 2, 0);
    grid->addWidget(m_language, 2, 1);
    grid->addWidget(new QLabel(Q(texts::kFontLabel), this), 3, 0);
    grid->addWidget(m_font, 3, 1, 1, 3);
    grid->addWidget(m_reverse, 4, 0, 1, 2);
    grid->addWidget(m_dotMatrix, 4, 2, 1, 2);
    grid->setRowStretch(5, 1);

    // The sample follows the typing: a text that fits is taken at once, as
    // no question can come up for it; one that needs a question (cut at the
    // screen's edge) waits for the end of the edit, which asks.
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_loading) {
            return;
        }
        StaticTextAttributes next = m_static.Attributes();
        next.text = S(text);
        FixedPrompt noQuestions(Answer::No);
        if (m_static.ApplyAttributes(next, m_page.screenWidth, noQuestions, m_page.session.Fonts())) {
            emit changed();
        }
    });
    connect(m_text, &QLineEdit::editingFinished, this, [this] {
        if (m_loading || S(m_text->text()) == m_static.GetText()) {
            return;
        }
        StaticTextAttributes next = m_static.Attributes();
        next.text = S(m_text->text());
        Change(next);
    });
    connect(m_size, &QComboBox::activated, this, [this](int row) {
        StaticTextAttributes next = m_static.Attributes();
        next.sizeIndex = row;
        Change(next);
    });
    connect(m_language, &QComboBox::activated, this, [this](int row) {
        StaticTextAttributes next = m_static.Attributes();
        next.language = row;
        next.font = FontForLanguage(m_page.session.Fonts(), LanguageId(row), next.font);
        Change(next);
    });
    connect(m_font, &QComboBox::activated, this, [this] {
        StaticTextAttributes next = m_static.Attributes();
        next.font = S(m_font->currentText());
        Change(next);
    });
    connect(m_dotMatrix, &QCheckBox::clicked, this, [this](bool on) {
        StaticTextAttributes next = m_static.Attributes();
        next.dotMatrix = on ? 1 : 0;
        Change(next);
    });
    connect(m_reverse, &QCheckBox::clicked, this, [this](bool on) {
        m_element.SetReverse(on ? 1 : 0);
        emit changed();
    });
    Load();
}

uint16_t StaticTextPage::LanguageId(int index) const {
    return m_page.project ? m_page.project->languages.GetLangID(index) : m_page.session.NewProjectLanguage().languageId;
}

void StaticTextPage::Change(const StaticTextAttributes& next) {
    m_static.ApplyAttributes(next, m_page.screenWidth, m_page.session.prompt, m_page.session.Fonts());
    Load();
    emit changed();
}

void StaticTextPage::Load() {
    m_loading = true;
    const CStaticText& e = m_static;
    if (m_text->text() != Q(e.GetText())) {
        m_text->setText(Q(e.GetText()));
    }
    m_size->setCurrentIndex(std::clamp(e.GetSizeIndex(), 0, 4));
    m_language->setCurrentIndex(std::clamp(e.GetLanguage(), 0, m_language->count() - 1));
    FillFonts(m_font, m_page.session.Fonts(), LanguageId(e.GetLanguage()), e.GetFont());
    if (m_font->findText(Q(e.GetFont())) < 0 && !e.GetFont().empty()) {
        // The element's own face stays selectable even when the list lacks it.
        m_font->insertItem(0, Q(e.GetFont()));
    }
    m_font->setCurrentIndex(std::max(0, m_font->findText(Q(e.GetFont()))));
    m_reverse->setChecked(e.GetReverse() != 0);
    const DotMatrixControls controls = DotMatrixControlsFor(e.GetSizeIndex(), e.GetDotMatrix());
    m_dotMatrix->setChecked(controls.dotMatrixChecked);
    m_dotMatrix->setEnabled(controls.dotMatrixEnabled);
    m_language->setEnabled(controls.fontAndLanguageEnabled);
    m_font->setEnabled(controls.fontAndLanguageEnabled);
    m_loading = false;
}

} // namespace balsar::dialogs
