#include "editor/ScreenDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/RangeSpinBox.h"
#include "editor/EditorStrings.h"
#include "editor/EditorText.h"
#include "i18n/UiText.h"

namespace balsar::editor {

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QSpinBox* Spin(int low, int high, int value, MessageSink& sink, QWidget* parent) {
    auto* spin = new dialogs::RangeSpinBox(parent);
    spin->SetMessageSink(&sink);
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

} // namespace

NewScreenDialog::NewScreenDialog(uint16_t proposed, bool systemScreenMode, MessageSink& sink, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text(texts::kNewScreen));
    auto* form = new QFormLayout;
    m_number = systemScreenMode ? Spin(65535, 65535, 65535, sink, this)
                               : Spin(1, 65534, proposed, sink, this);
    m_number->setEnabled(!systemScreenMode);
    m_description = new QLineEdit(this);
    form->addRow(Text(texts::kScreenNumber), m_number);
    form->addRow(Text(texts::kScreenDescription), m_description);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

uint16_t NewScreenDialog::Number() const { return static_cast<uint16_t>(m_number->value()); }

std::string NewScreenDialog::Description() const { return m_description->text().toStdString(); }

CopyScreenDialog::CopyScreenDialog(uint16_t source, uint16_t proposed, MessageSink& sink, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text(texts::kCopyScreen));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Text(texts::kCopyLabel), this));
    row->addWidget(new QLabel(QString::number(source), this));
    row->addWidget(new QLabel(Text(texts::kCopyToLabel), this));
    m_target = Spin(1, 65534, proposed, sink, this);
    row->addWidget(m_target);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(OkCancel(this));
}

uint16_t CopyScreenDialog::Target() const { return static_cast<uint16_t>(m_target->value()); }

ScreenPropertiesDialog::ScreenPropertiesDialog(uint16_t number, const ScreenProperties& properties, MessageSink& sink,
                                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text(texts::kScreenProperties));
    auto* form = new QFormLayout;
    form->addRow(new QLabel(QString::number(number) + Text(texts::kNumberSuffix), this));
    m_description = new QLineEdit(QString::fromStdString(properties.description), this);
    form->addRow(Text(texts::kScreenDescription), m_description);
    m_up = Spin(0, 65535, properties.upKey, sink, this);
    auto* up = new QHBoxLayout;
    up->addWidget(m_up);
    up->addWidget(new QLabel(Text(texts::kUpKeyNote), this));
    form->addRow(Text(texts::kUpKeyTarget), up);
    m_down = Spin(0, 65535, properties.downKey, sink, this);
    auto* down = new QHBoxLayout;
    down->addWidget(m_down);
    down->addWidget(new QLabel(Text(texts::kDownKeyNote), this));
    form->addRow(Text(texts::kDownKeyTarget), down);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

ScreenProperties ScreenPropertiesDialog::Properties() const {
    return {m_description->text().toStdString(), static_cast<uint16_t>(m_up->value()),
            static_cast<uint16_t>(m_down->value())};
}

} // namespace balsar::editor
