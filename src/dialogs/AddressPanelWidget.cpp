#include "dialogs/AddressPanelWidget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "dialogs/DialogStrings.h"
#include "dialogs/NumEditWidget.h"
#include "dialogs/QtText.h"
#include "hardware/HardwareModel.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"

namespace balsar::dialogs {

namespace {

std::vector<PortChoice> PortChoicesOf(const CMirloProject* project, const DesignerSession& session) {
    std::array<const CPortCom*, 3> ports{};
    std::array<std::string, 3> names;
    for (int i = 0; i < 3; ++i) {
        ports[static_cast<size_t>(i)] = project ? project->GetPort(i) : nullptr;
        std::string name = session.Model().PortName(i);
        names[static_cast<size_t>(i)] = name.empty() ? "COM" + std::to_string(i) : name;
    }
    return AddressPortChoices(ports, names, &session.PortDescriptions());
}

void ApplyRange(NumEditWidget* edit, const FieldRange& range) {
    edit->SetBase(range.base);
    edit->SetRange(range.minimum, range.maximum);
}

} // namespace

AddressPanelWidget::AddressPanelWidget(CAddr& address, const CMirloProject* project, const DesignerSession& session,
                                       QWidget* parent)
    : QWidget(parent), m_addr(address), m_panel(address, &session.PortDescriptions()),
      m_ports(PortChoicesOf(project, session)) {
    auto* grid = new QGridLayout(this);
    m_port = new QComboBox(this);
    m_port->setObjectName(QStringLiteral("port"));
    m_station = new NumSpinWidget(session.sink, this);
    m_device = new QLabel(this);
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("registerType"));
    m_index = new NumSpinWidget(session.sink, this);
    m_address = new NumEditWidget(session.sink, this);
    m_address->setObjectName(QStringLiteral("address"));
    m_sub = new NumSpinWidget(session.sink, this);
    m_format = new QLabel(this);
    m_encoding = new QComboBox(this);
    for (const char* encoding : texts::kEncodings) {
        m_encoding->addItem(Q(encoding));
    }
    m_wordCount = new QComboBox(this);

    grid->addWidget(new QLabel(Q(texts::kPort), this), 0, 0);
    grid->addWidget(m_port, 0, 1);
    grid->addWidget(new QLabel(Q(texts::kStation), this), 0, 2);
    grid->addWidget(m_station, 0, 3);
    grid->addWidget(new QLabel(Q(texts::kDevice), this), 1, 0);
    grid->addWidget(m_device, 1, 1, 1, 3);
    grid->addWidget(new QLabel(Q(texts::kRegisterType), this), 2, 0);
    grid->addWidget(m_type, 2, 1);
    grid->addWidget(new QLabel(Q(texts::kIndex), this), 2, 2);
    grid->addWidget(m_index, 2, 3);
    grid->addWidget(new QLabel(Q(texts::kAddressValue), this), 3, 0);
    auto* value = new QHBoxLayout;
    value->addWidget(m_address, 2);
    value->addWidget(new QLabel(QStringLiteral("."), this));
    value->addWidget(m_sub, 1);
    grid->addLayout(value, 3, 1, 1, 3);
    grid->addWidget(new QLabel(Q(texts::kFormatRange), this), 4, 0);
    grid->addWidget(m_format, 4, 1, 1, 3);
    grid->addWidget(new QLabel(Q(texts::kEncoding), this), 5, 0);
    grid->addWidget(m_encoding, 5, 1);
    grid->addWidget(new QLabel(Q(texts::kWordCount), this), 5, 2);
    grid->addWidget(m_wordCount, 5, 3);

    for (const PortChoice& choice : m_ports) {
        m_port->addItem(Q(choice.name));
    }
    // An address on a port the list does not offer shows the first entry
    // until the user picks one; it is not rewritten behind the user's back.
    connect(m_port, &QComboBox::activated, this, &AddressPanelWidget::OnPort);
    connect(m_type, &QComboBox::activated, this, &AddressPanelWidget::OnType);
    connect(m_station->Edit(), &NumEditWidget::valueEdited, this, [this](qint64 v) {
        m_panel.SetStation(v);
        Edited();
    });
    connect(m_address, &NumEditWidget::valueEdited, this, [this](qint64 v) {
        m_panel.SetAddress(v);
        Edited();
    });
    connect(m_sub->Edit(), &NumEditWidget::valueEdited, this, [this](qint64 v) {
        m_panel.SetSub(v);
        Edited();
    });
    connect(m_index->Edit(), &NumEditWidget::valueEdited, this, [this](qint64 v) {
        m_panel.SetIndex(v);
        Edited();
    });
    connect(m_encoding, &QComboBox::activated, this, [this](int row) {
        m_panel.SetEncoding(row);
        Edited();
    });
    connect(m_wordCount, &QComboBox::activated, this, [this](int row) {
        if (m_panel.FixedWordCount() == 0) {
            m_panel.SetWordCount(row + 1);
        }
        Edited();
    });
    Refresh();
}

void AddressPanelWidget::OnPort(int row) {
    if (row < 0 || static_cast<size_t>(row) >= m_ports.size()) {
        return;
    }
    m_panel.ChoosePort(m_ports[static_cast<size_t>(row)].port);
    Refresh();
    emit changed();
}

void AddressPanelWidget::OnType(int row) {
    if (row < 0) {
        return;
    }
    m_panel.ChooseRegisterType(S(m_type->itemText(row)));
    Refresh();
    emit changed();
}

void AddressPanelWidget::Edited() {
    if (m_refreshing) {
        return;
    }
    // A field edit can clamp its neighbours; the format text stays.
    emit changed();
}

void AddressPanelWidget::SetWidth(int32_t width) {
    if (m_addr.width == width || (width != WIDTH_BIT && m_addr.width != WIDTH_BIT)) {
        return;
    }
    m_addr.width = width;
    m_panel.ChoosePort(m_addr.port);
    Refresh();
    emit changed();
}

void AddressPanelWidget::FixDataType(int32_t dataType) {
    m_panel.FixDataType(dataType);
    Refresh();
}

void AddressPanelWidget::FixTextLength(int32_t bytes) {
    m_panel.FixTextLength(bytes);
    Refresh();
}

void AddressPanelWidget::Refresh() {
    m_refreshing = true;
    int portRow = 0;
    for (size_t i = 0; i < m_ports.size(); ++i) {
        if (m_ports[i].port == m_addr.port) {
            portRow = static_cast<int>(i);
        }
    }
    m_port->setCurrentIndex(portRow);

    m_station->setEnabled(m_panel.StationEnabled());
    ApplyRange(m_station->Edit(), m_panel.StationRange());
    m_station->Edit()->SetValue(m_addr.station);
    m_device->setText(Q(m_panel.DeviceText()));

    m_type->clear();
    for (const std::string& name : m_panel.RegisterTypeChoices()) {
        m_type->addItem(Q(name));
    }
    m_type->setCurrentIndex(m_type->findText(Q(m_addr.regType)));

    ApplyRange(m_address, m_panel.AddressRange());
    m_address->SetValue(m_addr.address);
    m_sub->setEnabled(m_panel.SubEnabled());
    ApplyRange(m_sub->Edit(), m_panel.SubRange());
    m_sub->Edit()->SetValue(m_addr.sub);
    m_index->setEnabled(m_panel.IndexEnabled());
    ApplyRange(m_index->Edit(), m_panel.IndexRange());
    m_index->Edit()->SetValue(m_addr.index);
    m_format->setText(Q(m_panel.FormatText()));

    m_encoding->setEnabled(m_panel.EncodingEnabled());
    m_encoding->setCurrentIndex(m_addr.encoding == ENCODING_BCD ? 1 : 0);
    m_wordCount->clear();
    if (m_panel.FixedWordCount() != 0) {
        m_wordCount->addItem(QString::number(m_panel.FixedWordCount()));
    } else {
        m_wordCount->addItem(QStringLiteral("1"));
        m_wordCount->addItem(QStringLiteral("2"));
    }
    m_wordCount->setEnabled(m_panel.WordCountEnabled());
    m_wordCount->setCurrentIndex(m_panel.FixedWordCount() != 0 ? 0 : std::clamp(m_addr.wordCount - 1, 0, 1));
    m_refreshing = false;
}

} // namespace balsar::dialogs
