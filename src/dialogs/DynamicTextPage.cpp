#include "dialogs/DynamicTextPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <algorithm>

#include "dialogs/AddressPanelWidget.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/FontChoices.h"
#include "dialogs/LanguageNames.h"
#include "dialogs/QtText.h"
#include "elements/CDynamicText.h"
#include "elements/DynamicTextRules.h"
#include "elements/ElementStrings.h"
#include "elements/KeysLampsStrings.h"
#include "elements/TextAttributes.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"

namespace balsar::dialogs {

QString DynamicTextPage::Caption() { return Q(strings::kDynamicTextTitle); }

namespace {

constexpr int kValueColumn = 0;
constexpr int kTextColumn = 1;

} // namespace

DynamicTextPage::DynamicTextPage(CDynamicText& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_text(element) {
    auto* grid = new QGridLayout(this);
    m_type = new QComboBox(this);
    m_type->addItem(Q(strings::kBitAddress));
    m_type->addItem(Q(strings::kWordAddress));
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
    m_alignment = new QComboBox(this);
    for (const char* name : strings::kAlignmentNames) {
        m_alignment->addItem(Q(name));
    }
    m_reverse = new QCheckBox(Q(strings::kReverseShown), this);
    m_dotMatrix = new QCheckBox(Q(strings::kUseDotMatrix), this);

    // One header row above the 256 state rows.
    m_grid = new QTableWidget(dyntext::kGridRows - 1, dyntext::kGridColumns, this);
    m_grid->setHorizontalHeaderLabels({Q(strings::kGridValueHeader), Q(strings::kGridTextHeader)});
    m_grid->horizontalHeader()->setFixedHeight(dyntext::kGridRowHeight);
    m_grid->setColumnWidth(kValueColumn, dyntext::kValueColumnWidth);
    m_grid->setColumnWidth(kTextColumn, dyntext::kTextColumnWidth);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(dyntext::kGridRowHeight);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        m_grid->setItem(row, kValueColumn, new QTableWidgetItem);
        m_grid->setItem(row, kTextColumn, new QTableWidgetItem);
    }

    grid->addWidget(new QLabel(Q(strings::kDataTypeLabel), this), 0, 0);
    grid->addWidget(m_type, 0, 1);
    grid->addWidget(new QLabel(Q(strings::kAlignmentLabel), this), 0, 2);
    grid->addWidget(m_alignment, 0, 3);
    grid->addWidget(new QLabel(Q(texts::kTextSize), this), 1, 0);
    grid->addWidget(m_size, 1, 1);
    grid->addWidget(new QLabel(Q(texts::kLanguageLabel), this), 1, 2);
    grid->addWidget(m_language, 1, 3);
    grid->addWidget(new QLabel(Q(texts::kFontLabel), this), 2, 0);
    grid->addWidget(m_font, 2, 1, 1, 3);
    grid->addWidget(m_reverse, 3, 0, 1, 2);
    grid->addWidget(m_dotMatrix, 3, 2, 1, 2);
    auto* addressGroup = new QGroupBox(Q(texts::kAddressPage), this);
    auto* addressLayout = new QGridLayout(addressGroup);
    m_address = new AddressPanelWidget(element.Address(), pageContext.project, pageContext.session, addressGroup);
    addressLayout->addWidget(m_address);
    grid->addWidget(addressGroup, 4, 0, 1, 4);
    grid->addWidget(m_grid, 0, 4, 6, 1);
    grid->setRowStretch(5, 1);

    connect(m_type, &QComboBox::activated, this, [this](int row) {
        const int32_t width = row == 0 ? WIDTH_BIT : WIDTH_WORD;
        if (dyntext::SwitchDataType(m_text, width, m_page.session.prompt)) {
            m_text.RecalcSize(m_page.session.Fonts());
            m_address->Refresh();
        }
        Load();
        emit changed();
    });
    connect(m_size, &QComboBox::activated, this, [this](int row) {
        dyntext::Attributes next = dyntext::AttributesOf(m_text);
        next.sizeIndex = row;
        Change(next);
    });
    connect(m_language, &QComboBox::activated, this, [this](int row) {
        dyntext::Attributes next = dyntext::AttributesOf(m_text);
        next.language = row;
        next.font = FontForLanguage(m_page.session.Fonts(), LanguageId(row), next.font);
        Change(next);
    });
    connect(m_font, &QComboBox::activated, this, [this] {
        dyntext::Attributes next = dyntext::AttributesOf(m_text);
        next.font = S(m_font->currentText());
        Change(next);
    });
    connect(m_alignment, &QComboBox::activated, this, [this](int row) {
        dyntext::Attributes next = dyntext::AttributesOf(m_text);
        next.alignment = row;
        Change(next);
    });
    connect(m_dotMatrix, &QCheckBox::clicked, this, [this](bool on) {
        dyntext::Attributes next = dyntext::AttributesOf(m_text);
        next.dotMatrix = on ? 1 : 0;
        Change(next);
    });
    connect(m_reverse, &QCheckBox::clicked, this, [this](bool on) {
        m_element.SetReverse(on ? 1 : 0);
        emit changed();
    });
    connect(m_grid, &QTableWidget::itemChanged, this, &DynamicTextPage::CellEdited);
    connect(m_address, &AddressPanelWidget::changed, this, &ElementPage::changed);
    Load();
}

uint16_t DynamicTextPage::LanguageId(int index) const {
    return m_page.project ? m_page.project->languages.GetLangID(index) : m_page.session.NewProjectLanguage().languageId;
}

void DynamicTextPage::Change(const dyntext::Attributes& next) {
    dyntext::ApplyAttributes(m_text, next, m_page.screenWidth, m_page.session.prompt, m_page.session.Fonts());
    Load();
    emit changed();
}

void DynamicTextPage::CellEdited(QTableWidgetItem* item) {
    if (m_loading) {
        return;
    }
    const int row = item->row() + 1;
    const std::string entry = S(item->text());
    if (item->column() == kValueColumn) {
        dyntext::EnterStateValue(m_text, row, entry, m_page.session.sink);
        m_text.RecalcSize(m_page.session.Fonts());
    } else {
        dyntext::EnterStateText(m_text, row, entry, m_page.session.Fonts());
    }
    // The grid shows what the row kept: a refused value its old one, an
    // emptied value also an empty text.
    m_loading = true;
    m_grid->item(item->row(), kValueColumn)->setText(Q(dyntext::GridValueText(m_text, row)));
    m_grid->item(item->row(), kTextColumn)->setText(Q(m_text.Row(row)->GetText()));
    m_loading = false;
    emit changed();
}

void DynamicTextPage::LoadGrid() {
    for (int row = 1; row <= CDynamicText::kRowCount; ++row) {
        const QString value = Q(dyntext::GridValueText(m_text, row));
        const QString text = Q(m_text.Row(row)->GetText());
        QTableWidgetItem* valueItem = m_grid->item(row - 1, kValueColumn);
        QTableWidgetItem* textItem = m_grid->item(row - 1, kTextColumn);
        if (valueItem->text() != value) {
            valueItem->setText(value);
        }
        if (textItem->text() != text) {
            textItem->setText(text);
        }
    }
}

void DynamicTextPage::Load() {
    m_loading = true;
    const CDynamicText& e = m_text;
    m_type->setCurrentIndex(e.IsBitAddress() ? 0 : 1);
    m_size->setCurrentIndex(std::clamp(e.GetSizeIndex(), 0, 4));
    m_language->setCurrentIndex(std::clamp(e.GetLanguage(), 0, m_language->count() - 1));
    FillFonts(m_font, m_page.session.Fonts(), LanguageId(e.GetLanguage()), e.GetFont());
    if (m_font->findText(Q(e.GetFont())) < 0 && !e.GetFont().empty()) {
        // The element's own face stays selectable even when the list lacks it.
        m_font->insertItem(0, Q(e.GetFont()));
    }
    m_font->setCurrentIndex(std::max(0, m_font->findText(Q(e.GetFont()))));
    m_alignment->setCurrentIndex(std::clamp(e.GetAlignment(), 0, 2));
    m_reverse->setChecked(e.GetReverse() != 0);
    const DotMatrixControls controls = DotMatrixControlsFor(e.GetSizeIndex(), e.GetDotMatrix());
    m_dotMatrix->setChecked(controls.dotMatrixChecked);
    m_dotMatrix->setEnabled(controls.dotMatrixEnabled);
    m_language->setEnabled(controls.fontAndLanguageEnabled);
    m_font->setEnabled(controls.fontAndLanguageEnabled);
    LoadGrid();
    m_loading = false;
}

} // namespace balsar::dialogs
