#include "dialogs/BarPageScaleBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "base/MessageSink.h"
#include "base/Text.h"
#include "dialogs/QtText.h"
#include "plc/PlcStrings.h"
#include "elements/GraphKindStrings.h"
#include "elements/GraphScale.h"

namespace balsar::dialogs {

QString ScaleText(double value) {
    return QString::asprintf(strings::kScaleValueFormat, value);
}

QString ScaleText(double value, int32_t dataType) {
    if (dataType == SCALE_FLOAT || dataType == SCALE_DOUBLE) {
        return ScaleText(value);
    }
    return QString::number(static_cast<qint64>(value));
}

BarPageScaleBox::BarPageScaleBox(GraphScale& scale, QWidget* parent) : QWidget(parent), m_scale(scale) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    m_type = new QComboBox(this);
    for (const char* name : strings::kScaleTypeNames) {
        m_type->addItem(Q(name));
    }
    m_width = new QComboBox(this);
    m_zero = new QLineEdit(this);
    m_full = new QLineEdit(this);
    grid->addWidget(m_type, 0, 0, 1, 2);
    grid->addWidget(m_width, 0, 2, 1, 2);
    grid->addWidget(new QLabel(Q(strings::kZeroScaleLabel), this), 1, 0);
    grid->addWidget(m_zero, 1, 1);
    grid->addWidget(new QLabel(Q(strings::kFullScaleLabel), this), 1, 2);
    grid->addWidget(m_full, 1, 3);
    connect(m_type, &QComboBox::activated, this, [this](int type) {
        ChangeScaleType(m_scale, type);
        Load();
        emit changed();
    });
    connect(m_width, &QComboBox::activated, this, [this](int row) {
        ChangeScaleWidth(m_scale, m_width->itemData(row).toInt());
        Load();
        emit changed();
    });
    connect(m_zero, &QLineEdit::editingFinished, this, [this] { TakeValue(m_zero, false); });
    connect(m_full, &QLineEdit::editingFinished, this, [this] { TakeValue(m_full, true); });
    Load();
}

void BarPageScaleBox::Load() {
    m_type->setCurrentIndex(m_scale.dataType);
    m_width->clear();
    for (int32_t width : ScaleWidthChoices(m_scale.dataType)) {
        m_width->addItem(Q(strings::kScaleWidthNames[width]), width);
    }
    m_width->setCurrentIndex(std::max(0, m_width->findData(m_scale.dataWidth)));
    m_width->setEnabled(!ScaleWidthLocked(m_scale.dataType));
    m_zero->setText(ScaleText(m_scale.zeroScale, m_scale.dataType));
    m_full->setText(ScaleText(m_scale.fullScale, m_scale.dataType));
}

void BarPageScaleBox::TakeValue(QLineEdit* edit, bool full) {
    bool ok = false;
    const double value = edit->text().trimmed().toDouble(&ok);
    const double before = full ? m_scale.fullScale : m_scale.zeroScale;
    if (ok && (full ? TrySetFullScale(m_scale, value) : TrySetZeroScale(m_scale, value))) {
        edit->setText(ScaleText(full ? m_scale.fullScale : m_scale.zeroScale, m_scale.dataType));
        if (value != before) {
            emit changed();
        }
        return;
    }
    edit->setText(ScaleText(before, m_scale.dataType));
    if (m_sink != nullptr) {
        // Say which values the edit takes instead of snapping back silently.
        const ScaleRange range = ScaleRangeOf(m_scale.dataType, m_scale.dataWidth);
        const double lowest = full ? m_scale.zeroScale : range.lowest;
        const double largest = full ? range.largest : m_scale.fullScale;
        m_sink->Message(Format("%s ( %s-%s )", balsar::texts::kInputOutOfRangeAllowed,
                               ScaleText(lowest, m_scale.dataType).toStdString().c_str(),
                               ScaleText(largest, m_scale.dataType).toStdString().c_str()),
                        MessageKind::Warning, balsar::texts::kInputOutOfRangeCaption);
    }
}

} // namespace balsar::dialogs
