#include "dialogs/PicturePage.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

#include "base/MessageSink.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "dialogs/RangeSpinBox.h"
#include "project/DesignerSession.h"
#include "elements/CPictureGE.h"
#include "elements/GraphKindStrings.h"

namespace balsar::dialogs {

PicturePage::PicturePage(CPictureGE& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_picture(element) {
    auto* grid = new QGridLayout(this);
    // The boxes say their range when a typed value falls outside it.
    const auto rangeBox = [this, &pageContext] {
        auto* box = new RangeSpinBox(this);
        box->SetMessageSink(&pageContext.session.sink);
        return box;
    };
    m_x = rangeBox();
    m_y = rangeBox();
    m_width = rangeBox();
    m_height = rangeBox();
    m_threshold = new QSlider(Qt::Horizontal, this);
    m_threshold->setTickPosition(QSlider::TicksBelow);
    m_threshold->setTickInterval(8);
    m_threshold->setPageStep(16);
    m_thresholdSpin = rangeBox();
    m_compress = new QCheckBox(Q(strings::kCompressLabel), this);
    m_reverse = new QCheckBox(Q(strings::kReverseLabel), this);
    grid->addWidget(new QLabel(QStringLiteral("X"), this), 0, 0);
    grid->addWidget(m_x, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Y"), this), 0, 2);
    grid->addWidget(m_y, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("W"), this), 1, 0);
    grid->addWidget(m_width, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("H"), this), 1, 2);
    grid->addWidget(m_height, 1, 3);
    grid->addWidget(new QLabel(Q(strings::kThresholdLabel), this), 2, 0);
    grid->addWidget(m_threshold, 2, 1, 1, 2);
    grid->addWidget(m_thresholdSpin, 2, 3);
    grid->addWidget(m_compress, 3, 0, 1, 2);
    grid->addWidget(m_reverse, 3, 2, 1, 2);
    m_choose = new QPushButton(Q(texts::kChoosePicture), this);
    m_choose->setEnabled(pageContext.bitmapLibrary != nullptr);
    grid->addWidget(m_choose, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    connect(m_choose, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                          QStringLiteral("bitmap files (*.bmp)"));
        if (!path.isEmpty()) {
            TakeBitmapFile(path.toStdString());
        }
    });
    for (QSpinBox* spin : {m_x, m_y, m_width, m_height}) {
        connect(spin, &QSpinBox::valueChanged, this, &PicturePage::OnGeometry);
    }
    connect(m_threshold, &QSlider::valueChanged, this, &PicturePage::OnThreshold);
    connect(m_thresholdSpin, &QSpinBox::valueChanged, this, &PicturePage::OnThreshold);
    connect(m_compress, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_loading) {
            m_picture.compress = on ? 1 : 0;
            emit changed();
        }
    });
    connect(m_reverse, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_loading) {
            m_picture.SetReverse(on ? 1 : 0);
            emit changed();
        }
    });
    Load();
}

void PicturePage::Load() {
    m_loading = true;
    const PicturePageLimits limits = PictureLimits(m_picture, m_page.screenWidth, m_page.screenHeight);
    const auto set = [](QSpinBox* spin, const PageRange& range, int value) {
        spin->setRange(range.lowest, std::max(range.lowest, range.largest));
        spin->setValue(value);
    };
    set(m_x, limits.left, m_picture.GetLeft());
    set(m_y, limits.top, m_picture.GetTop());
    set(m_width, limits.width, m_picture.GetWidth());
    set(m_height, limits.height, m_picture.GetHeight());
    m_threshold->setRange(m_picture.thresholdMinimum, m_picture.thresholdMaximum);
    m_thresholdSpin->setRange(m_picture.thresholdMinimum, m_picture.thresholdMaximum);
    m_threshold->setValue(m_picture.threshold);
    m_thresholdSpin->setValue(m_picture.threshold);
    m_compress->setChecked(m_picture.compress != 0);
    m_reverse->setChecked(m_picture.GetReverse() != 0);
    m_loading = false;
}

bool PicturePage::TakeBitmapFile(const std::string& path) {
    if (m_page.bitmapLibrary == nullptr) {
        return false;
    }
    std::string message;
    if (!ReplacePictureBitmap(m_picture, path, *m_page.bitmapLibrary, m_page.screenWidth, m_page.screenHeight,
                              message)) {
        m_page.session.sink.Message(message, MessageKind::Error);
        return false;
    }
    Load();
    emit changed();
    return true;
}

void PicturePage::OnGeometry() {
    if (m_loading) {
        return;
    }
    const PicturePageLimits limits = PictureLimits(m_picture, m_page.screenWidth, m_page.screenHeight);
    // Each box holds only what keeps the picture inside the panel as it
    // stands; a change is taken and the ranges follow.
    if (limits.left.Holds(m_x->value()) && limits.top.Holds(m_y->value())) {
        m_picture.SetTopLeft(m_x->value(), m_y->value());
    }
    if (limits.width.Holds(m_width->value())) {
        m_picture.SetWidth(m_width->value());
    }
    if (limits.height.Holds(m_height->value())) {
        m_picture.SetHeight(m_height->value());
    }
    Load();
    emit changed();
}

void PicturePage::OnThreshold(int value) {
    if (m_loading || value == m_picture.threshold) {
        return;
    }
    m_picture.threshold = value;
    Load();
    emit changed();
}

} // namespace balsar::dialogs
