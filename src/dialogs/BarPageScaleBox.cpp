#include "dialogs/BarPageScaleBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "dialogs/QtText.h"
#include "elements/GraphKindStrings.h"
#include "elements/GraphScale.h"

namespace balsar::dialogs {

QString ScaleText(double value) {
    return QString::asprintf(strings::kScaleValueFormat, value);
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
    m_zero->setText(ScaleText(m_scale.zeroScale));
    m_full->setText(ScaleText(m_scale.fullScale));
}

void BarPageScaleBox::TakeValue(QLineEdit* edit, bool full) {
    bool ok = false;
    const double value = edit->text().trimmed().toDouble(&ok);
    const double before = full ? m_scale.fullScale : m_scale.zeroScale;
    if (ok && (full ? TrySetFullScale(m_scale, value) : TrySetZeroScale(m_scale, value))) {
        edit->setText(ScaleText(full ? m_scale.fullScale : m_scale.zeroScale));
        if (value != before) {
            emit changed();
        }
        return;
    }
    edit->setText(ScaleText(before));
}

} // namespace balsar::dialogs
