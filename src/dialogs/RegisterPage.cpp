#include "dialogs/RegisterPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>

#include "base/MessageSink.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "elements/CRegisterGE.h"
#include "elements/ElementStrings.h"
#include "project/DesignerSession.h"

namespace balsar::dialogs {

namespace {

void EnableEntry(QComboBox* box, int row, bool on) {
    if (auto* model = qobject_cast<QStandardItemModel*>(box->model())) {
        if (QStandardItem* item = model->item(row)) {
            item->setEnabled(on);
        }
    }
}

QString LimitText(double value, int decimals) { return QString::number(value, 'f', decimals); }

} // namespace

RegisterPage::RegisterPage(CRegisterGE& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_register(element) {
    auto* grid = new QGridLayout(this);
    m_type = new QComboBox(this);
    for (const char* name : strings::kRegisterTypeNames) {
        m_type->addItem(Q(name));
    }
    m_width = new QComboBox(this);
    m_integer = new QComboBox(this);
    m_decimal = new QComboBox(this);
    for (int i = 0; i <= 10; ++i) {
        m_integer->addItem(QString::number(i));
        m_decimal->addItem(QString::number(i));
    }
    m_zeros = new QCheckBox(Q(texts::kLeadingZeros), this);
    m_size = new QComboBox(this);
    m_size->addItem(Q(strings::kSize8EnglishOnly));
    for (const char* size : {"12", "16", "24", "32"}) {
        m_size->addItem(QString::fromLatin1(size));
    }
    m_input = new QCheckBox(Q(texts::kInputAllowed), this);
    m_level = new QComboBox(this);
    for (int level = 0; level <= 8; ++level) {
        m_level->addItem(QString::number(level));
    }
    m_limits = new QCheckBox(Q(texts::kInputLimits), this);
    m_inputUpper = new QLineEdit(this);
    m_inputLower = new QLineEdit(this);
    m_scaling = new QCheckBox(Q(texts::kScaling), this);
    m_scaleUpper = new QLineEdit(this);
    m_scaleLower = new QLineEdit(this);
    m_alignment = new QComboBox(this);
    for (const char* name : strings::kAlignmentNames) {
        m_alignment->addItem(Q(name));
    }
    m_keep = new QCheckBox(Q(texts::kKeepLevel), this);
    m_reverse = new QCheckBox(Q(texts::kReverse), this);

    int row = 0;
    auto addRow = [&](const char* label, QWidget* widget, const char* label2 = nullptr, QWidget* widget2 = nullptr) {
        grid->addWidget(new QLabel(Q(label), this), row, 0);
        grid->addWidget(widget, row, 1);
        if (widget2 != nullptr) {
            grid->addWidget(new QLabel(Q(label2), this), row, 2);
            grid->addWidget(widget2, row, 3);
        }
        ++row;
    };
    addRow(texts::kDataTypeLabel, m_type, texts::kDataWidth, m_width);
    addRow(texts::kIntegerDigits, m_integer, texts::kDecimalDigits, m_decimal);
    addRow(texts::kTextSize, m_size, texts::kAlignment, m_alignment);
    addRow(texts::kPasswordGrade, m_level);
    grid->addWidget(m_zeros, row, 0, 1, 2);
    grid->addWidget(m_input, row, 2, 1, 2);
    ++row;
    grid->addWidget(m_keep, row, 0, 1, 2);
    grid->addWidget(m_reverse, row, 2, 1, 2);
    ++row;
    grid->addWidget(m_limits, row, 0);
    grid->addWidget(new QLabel(Q(texts::kUpper), this), row, 1);
    grid->addWidget(m_inputUpper, row, 2);
    grid->addWidget(new QLabel(Q(texts::kLower), this), row, 3);
    grid->addWidget(m_inputLower, row, 4);
    ++row;
    grid->addWidget(m_scaling, row, 0);
    grid->addWidget(new QLabel(Q(texts::kUpper), this), row, 1);
    grid->addWidget(m_scaleUpper, row, 2);
    grid->addWidget(new QLabel(Q(texts::kLower), this), row, 3);
    grid->addWidget(m_scaleLower, row, 4);
    ++row;
    auto* addressGroup = new QGroupBox(Q(texts::kAddressPage), this);
    auto* addressLayout = new QGridLayout(addressGroup);
    m_address = new AddressPanelWidget(element.Address(), pageContext.project, pageContext.session, addressGroup);
    addressLayout->addWidget(m_address);
    grid->addWidget(addressGroup, row, 0, 1, 5);

    connect(m_type, &QComboBox::activated, this, [this](int type) {
        RegisterFormat format = m_register.GetFormat();
        ChangeDataType(format, type);
        ChangeFormat(format);
    });
    connect(m_width, &QComboBox::activated, this, [this](int choice) {
        RegisterFormat format = m_register.GetFormat();
        ChangeDataWidth(format, static_cast<uint8_t>(m_width->itemData(choice).toInt()));
        ChangeFormat(format);
    });
    connect(m_integer, &QComboBox::activated, this, [this](int digits) {
        RegisterFormat format = m_register.GetFormat();
        ChangeDigits(format, static_cast<uint8_t>(digits), format.decimalDigits);
        ChangeFormat(format);
    });
    connect(m_decimal, &QComboBox::activated, this, [this](int digits) {
        RegisterFormat format = m_register.GetFormat();
        ChangeDigits(format, format.integerDigits, static_cast<uint8_t>(digits));
        ChangeFormat(format);
    });
    connect(m_zeros, &QCheckBox::clicked, this, [this](bool on) {
        RegisterFormat format = m_register.GetFormat();
        format.leadingZeros = on ? 1 : 0;
        ChangeFormat(format);
    });
    connect(m_input, &QCheckBox::clicked, this, [this](bool on) {
        RegisterFormat format = m_register.GetFormat();
        format.inputAllowed = on ? 1 : 0;
        ChangeFormat(format);
    });
    connect(m_limits, &QCheckBox::clicked, this, [this](bool on) {
        RegisterFormat format = m_register.GetFormat();
        SetInputLimits(format, on);
        ChangeFormat(format);
    });
    connect(m_scaling, &QCheckBox::clicked, this, [this](bool on) {
        RegisterFormat format = m_register.GetFormat();
        SetScaling(format, on);
        ChangeFormat(format);
    });
    connect(m_size, &QComboBox::activated, this, [this](int size) {
        m_register.SetSizeIndex(size, m_page.session.Fonts());
        Load();
        emit changed();
    });
    connect(m_level, &QComboBox::activated, this, [this](int level) {
        m_register.passwordLevel = static_cast<uint8_t>(level);
    });
    connect(m_alignment, &QComboBox::activated, this, [this](int alignment) { m_register.alignment = alignment; });
    connect(m_keep, &QCheckBox::clicked, this, [this](bool on) { m_register.keepLevel = on ? 1 : 0; });
    connect(m_reverse, &QCheckBox::clicked, this, [this](bool on) {
        m_register.SetReverse(on ? 1 : 0);
        emit changed();
    });
    connect(m_inputUpper, &QLineEdit::editingFinished, this, [this] { TakeLimit(m_inputUpper, m_register.inputUpper); });
    connect(m_inputLower, &QLineEdit::editingFinished, this, [this] { TakeLimit(m_inputLower, m_register.inputLower); });
    connect(m_scaleUpper, &QLineEdit::editingFinished, this, [this] { TakeLimit(m_scaleUpper, m_register.scaleUpper); });
    connect(m_scaleLower, &QLineEdit::editingFinished, this, [this] { TakeLimit(m_scaleLower, m_register.scaleLower); });
    connect(m_address, &AddressPanelWidget::changed, this, &ElementPage::changed);
    Load();
}

void RegisterPage::ChangeFormat(const RegisterFormat& format) {
    m_register.SetFormat(format, m_page.session.Fonts());
    Load();
    emit changed();
}

void RegisterPage::TakeLimit(QLineEdit* edit, double& value) {
    if (m_loading) {
        return;
    }
    const LimitBoxBounds bounds = LimitBoxBoundsFor(m_register.GetFormat().dataType);
    bool ok = false;
    const double typed = edit->text().trimmed().toDouble(&ok);
    if (!ok || typed < bounds.lowest || typed > bounds.largest) {
        m_page.session.sink.Message(OutOfRangeText(bounds), MessageKind::Warning, strings::kInputOutOfRangeCaption);
        edit->setText(LimitText(value, bounds.decimals));
        edit->selectAll();
        return;
    }
    value = typed;
}

void RegisterPage::Load() {
    m_loading = true;
    const RegisterFormat& f = m_register.GetFormat();
    m_type->setCurrentIndex(f.dataType);
    m_width->clear();
    for (uint8_t width : WidthChoices(f.dataType)) {
        m_width->addItem(Q(strings::kRegisterWidthNames[width]), width);
    }
    m_width->setCurrentIndex(m_width->findData(f.dataWidth));
    m_width->setEnabled(!WidthLocked(f.dataType));
    const int maxSum = MaxDigitSum(f.dataType, f.dataWidth);
    for (int i = 0; i <= 10; ++i) {
        EnableEntry(m_integer, i, i + f.decimalDigits <= maxSum);
        EnableEntry(m_decimal, i, f.integerDigits + i <= maxSum);
    }
    m_integer->setCurrentIndex(f.integerDigits);
    m_decimal->setCurrentIndex(f.decimalDigits);
    m_zeros->setChecked(f.leadingZeros != 0);
    m_input->setChecked(f.inputAllowed != 0);
    m_limits->setChecked(f.inputLimits != 0);
    m_scaling->setChecked(f.scaling != 0);
    const bool locked = PasswordLocked(f.dataType);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_input, m_limits, m_scaling, m_integer, m_decimal}) {
        widget->setEnabled(!locked);
    }
    const int decimals = LimitBoxBoundsFor(f.dataType).decimals;
    m_inputUpper->setText(LimitText(m_register.inputUpper, decimals));
    m_inputLower->setText(LimitText(m_register.inputLower, decimals));
    m_scaleUpper->setText(LimitText(m_register.scaleUpper, decimals));
    m_scaleLower->setText(LimitText(m_register.scaleLower, decimals));
    for (QLineEdit* edit : {m_inputUpper, m_inputLower}) {
        edit->setEnabled(f.inputLimits != 0);
    }
    for (QLineEdit* edit : {m_scaleUpper, m_scaleLower}) {
        edit->setEnabled(f.scaling != 0);
    }
    m_size->setCurrentIndex(std::clamp(m_register.GetSizeIndex(), 0, 4));
    m_level->setCurrentIndex(std::min<int>(m_register.passwordLevel, 8));
    m_alignment->setCurrentIndex(std::clamp(m_register.alignment, 0, 2));
    m_keep->setChecked(m_register.keepLevel != 0);
    m_reverse->setChecked(m_register.GetReverse() != 0);
    m_address->FixDataType(f.dataWidth);
    m_loading = false;
}

bool RegisterPage::Commit() {
    const RegisterFormat& f = m_register.GetFormat();
    if (f.inputLimits == 0) {
        return true;
    }
    const ValueRange range = LimitRange(f);
    for (double value : {m_register.inputUpper, m_register.inputLower}) {
        if (value < range.lowest || value > range.largest) {
            const LimitBoxBounds shown{range.lowest, range.largest, LimitBoxBoundsFor(f.dataType).decimals};
            m_page.session.sink.Message(OutOfRangeText(shown), MessageKind::Warning, strings::kInputOutOfRangeCaption);
            return false;
        }
    }
    return true;
}

} // namespace balsar::dialogs
