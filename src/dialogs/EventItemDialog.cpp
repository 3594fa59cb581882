#include "dialogs/EventItemDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/MessageSink.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/NumEditWidget.h"
#include "dialogs/QtText.h"
#include "project/DesignerSession.h"

namespace balsar::dialogs {

namespace {

constexpr int kMaxMessage = 1024;

// A value box reads as a number; an empty box reads as 0. Nothing when the
// text is no number of the 32-bit range.
std::optional<int32_t> WordValue(const QLineEdit* edit) {
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) {
        return 0;
    }
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

bool RangeAllowed(int comparison) { return comparison == EVENT_EQUAL || comparison == EVENT_NOT_EQUAL; }

} // namespace

EventItemDialog::EventItemDialog(const EventItem& item, const CMirloProject* project, const DesignerSession& session,
                                 bool englishOnly, QWidget* parent)
    : QDialog(parent), m_sink(session.sink), m_item(item) {
    setWindowTitle(Q(texts::kEventItemCaption));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);

    m_kind = new QComboBox(this);
    for (const char* kind : texts::kAddressKinds) {
        m_kind->addItem(Q(kind));
    }
    const bool word = m_item.flags & EventItem::kWordAddress;
    m_kind->setCurrentIndex(word ? 1 : 0);
    grid->addWidget(new QLabel(Q(texts::kRegisterType), this), 0, 0);
    grid->addWidget(m_kind, 0, 1);

    m_onSet = new QRadioButton(Q(texts::kTriggerOn), this);
    m_onClear = new QRadioButton(Q(texts::kTriggerOff), this);
    (m_item.flags & EventItem::kTriggerOnSet ? m_onSet : m_onClear)->setChecked(true);
    grid->addWidget(m_onSet, 1, 0);
    grid->addWidget(m_onClear, 1, 1);

    auto* numberOnly = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,11}")), this);
    m_comparison = new QComboBox(this);
    for (const char* comparison : texts::kComparisons) {
        m_comparison->addItem(Q(comparison));
    }
    m_comparison->setCurrentIndex(static_cast<int>(std::min<uint32_t>(m_item.Comparison(), 5)));
    m_value = new QLineEdit(QString::number(m_item.value), this);
    m_value->setObjectName(QStringLiteral("value"));
    grid->addWidget(new QLabel(Q(texts::kWhenValue), this), 2, 0);
    grid->addWidget(m_comparison, 2, 1);
    grid->addWidget(m_value, 2, 2);

    m_range = new QCheckBox(Q(texts::kRange), this);
    m_range->setChecked(m_item.range != 0);
    m_lower = new QLineEdit(QString::number(m_item.lowerLimit), this);
    m_upper = new QLineEdit(QString::number(m_item.upperLimit), this);
    grid->addWidget(m_range, 3, 0);
    grid->addWidget(new QLabel(Q(texts::kLower), this), 3, 1);
    grid->addWidget(m_lower, 3, 2);
    grid->addWidget(new QLabel(Q(texts::kUpper), this), 3, 3);
    grid->addWidget(m_upper, 3, 4);
    for (QLineEdit* edit : {m_value, m_lower, m_upper}) {
        edit->setValidator(numberOnly);
    }

    m_buzzer = new QCheckBox(Q(texts::kTriggerBuzzer), this);
    m_buzzer->setChecked(m_item.flags & EventItem::kBuzzer);
    m_seconds = new NumEditWidget(session.sink, this);
    m_seconds->SetRange(0, 10);
    m_seconds->SetValue(m_item.buzzerSeconds);
    grid->addWidget(m_buzzer, 4, 0);
    grid->addWidget(m_seconds, 4, 1);
    grid->addWidget(new QLabel(Q(texts::kBuzzerSeconds), this), 4, 2);

    m_message = new QLineEdit(Q(m_item.message), this);
    m_message->setMaxLength(kMaxMessage);
    if (englishOnly) {
        m_message->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[ -~]*")), this));
    }
    grid->addWidget(new QLabel(Q(texts::kMessageText), this), 5, 0);
    grid->addWidget(m_message, 5, 1, 1, 4);

    if (!word && m_item.address.width != WIDTH_BIT) {
        m_item.address.Reset(WIDTH_BIT);
    }
    m_address = new AddressPanelWidget(m_item.address, project, session, this);
    layout->addWidget(m_address);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_kind, &QComboBox::currentIndexChanged, this, [this](int row) {
        m_address->SetWidth(row == 1 ? WIDTH_WORD : WIDTH_BIT);
        UpdateEnabling();
    });
    connect(m_comparison, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (!RangeAllowed(row)) {
            m_range->setChecked(false);
        }
        UpdateEnabling();
    });
    connect(m_range, &QCheckBox::toggled, this, &EventItemDialog::UpdateEnabling);
    connect(m_buzzer, &QCheckBox::toggled, this, &EventItemDialog::UpdateEnabling);
    if (!RangeAllowed(m_comparison->currentIndex())) {
        m_range->setChecked(false);
    }
    UpdateEnabling();
}

void EventItemDialog::UpdateEnabling() {
    const bool word = m_kind->currentIndex() == 1;
    m_onSet->setEnabled(!word);
    m_onClear->setEnabled(!word);
    m_comparison->setEnabled(word);
    const bool rangeAllowed = word && RangeAllowed(m_comparison->currentIndex());
    m_range->setEnabled(rangeAllowed);
    const bool range = rangeAllowed && m_range->isChecked();
    m_value->setEnabled(word && !range);
    m_lower->setEnabled(range);
    m_upper->setEnabled(range);
    m_seconds->setEnabled(m_buzzer->isChecked());
}

void EventItemDialog::accept() {
    if (m_message->text().trimmed().isEmpty()) {
        m_sink.Message(texts::kMessageEmpty, MessageKind::Warning);
        return;
    }
    const std::optional<int32_t> value = WordValue(m_value);
    const std::optional<int32_t> lower = WordValue(m_lower);
    const std::optional<int32_t> upper = WordValue(m_upper);
    if (!value || !lower || !upper) {
        m_sink.Message(texts::kWordValueOutOfRange, MessageKind::Warning);
        return;
    }
    if (*upper < *lower) {
        m_sink.Message(texts::kUpperBelowLower, MessageKind::Warning);
        return;
    }
    EventItem item = m_item;
    const bool word = m_kind->currentIndex() == 1;
    uint32_t flags = 0;
    if (word) {
        flags |= EventItem::kWordAddress;
    } else if (m_onSet->isChecked()) {
        flags |= EventItem::kTriggerOnSet;
    }
    if (m_buzzer->isChecked()) {
        flags |= EventItem::kBuzzer;
    }
    item.flags = flags;
    item.SetComparison(word ? static_cast<uint32_t>(m_comparison->currentIndex()) : EVENT_LESS);
    item.value = *value;
    item.range = (word && m_range->isChecked()) ? 1 : 0;
    item.lowerLimit = *lower;
    item.upperLimit = *upper;
    item.buzzerSeconds = static_cast<int32_t>(m_seconds->Value());
    item.message = S(m_message->text());
    if (m_acceptCheck && !m_acceptCheck(item)) {
        return;
    }
    m_item = item;
    QDialog::accept();
}

} // namespace balsar::dialogs
