#include "dialogs/TrendPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <functional>
#include <limits>

#include "dialogs/DialogStrings.h"
#include "dialogs/AddressPanelWidget.h"
#include "dialogs/BarPageScaleBox.h"
#include "dialogs/QtText.h"
#include "dialogs/RangeSpinBox.h"
#include "project/DesignerSession.h"
#include "elements/CTrendGE.h"
#include "elements/GraphKindStrings.h"

namespace balsar::dialogs {

namespace {

// A spin whose arrows follow a stepping rule of the trend.
class RuleSpin : public RangeSpinBox {
public:
    RuleSpin(std::function<int(int, int)> step, MessageSink& sink, QWidget* parent)
        : RangeSpinBox(parent), m_step(std::move(step)) {
        SetMessageSink(&sink);
    }
    void stepBy(int steps) override { setValue(m_step(value(), steps)); }

private:
    std::function<int(int, int)> m_step;
};

} // namespace

TrendPage::TrendPage(CTrendGE& element, const PageContext& pageContext, QWidget* parent)
    : ElementPage(element, pageContext, parent), m_trend(element) {
    auto* grid = new QGridLayout(this);
    m_scale = new BarPageScaleBox(element.Scale(), this);
    m_scale->SetMessageSink(&pageContext.session.sink);
    m_points = new RuleSpin(
        [this](int count, int steps) { return StepPointCount(count, steps, m_trend.GetWidth()); },
        pageContext.session.sink, this);
    m_sampling = new RuleSpin([](int sampling, int steps) { return StepSampling(sampling, steps); },
                              pageContext.session.sink, this);
    m_sampling->setRange(1, std::numeric_limits<int>::max());
    grid->addWidget(m_scale, 0, 0, 1, 4);
    grid->addWidget(new QLabel(Q("点数:"), this), 1, 0);
    grid->addWidget(m_points, 1, 1);
    grid->addWidget(new QLabel(Q(strings::kSamplingLabel), this), 1, 2);
    grid->addWidget(m_sampling, 1, 3);
    auto* addressGroup = new QGroupBox(Q(texts::kAddressPage), this);
    auto* addressLayout = new QGridLayout(addressGroup);
    m_address =
        new AddressPanelWidget(element.Address(), pageContext.project, pageContext.session, addressGroup);
    addressLayout->addWidget(m_address);
    grid->addWidget(addressGroup, 2, 0, 1, 4);
    grid->setRowStretch(3, 1);
    connect(m_scale, &BarPageScaleBox::changed, this, &ElementPage::changed);
    connect(m_points, &QSpinBox::valueChanged, this, [this](int count) {
        if (!m_loading && count != m_trend.pointCount) {
            m_trend.pointCount = LimitPointCount(count, m_trend.GetWidth());
            emit changed();
        }
    });
    connect(m_sampling, &QSpinBox::valueChanged, this, [this](int sampling) {
        if (!m_loading && sampling != m_trend.sampling) {
            m_trend.sampling = sampling;
            emit changed();
        }
    });
    connect(m_address, &AddressPanelWidget::changed, this, &ElementPage::changed);
    Load();
}

void TrendPage::Load() {
    m_loading = true;
    m_trend.pointCount = LimitPointCount(m_trend.pointCount, m_trend.GetWidth());
    m_points->setRange(LimitPointCount(0, m_trend.GetWidth()),
                       LimitPointCount(std::numeric_limits<int>::max(), m_trend.GetWidth()));
    m_points->setValue(m_trend.pointCount);
    m_sampling->setValue(m_trend.sampling);
    m_scale->Load();
    m_address->Refresh();
    m_loading = false;
}

} // namespace balsar::dialogs
