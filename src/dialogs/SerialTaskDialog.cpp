#include "dialogs/SerialTaskDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogStrings.h"
#include "dialogs/QtText.h"
#include "editing/PortPage.h"

namespace balsar::dialogs {

namespace {

QComboBox* ListOf(const std::vector<std::string>& entries, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const std::string& entry : entries) {
        box->addItem(Q(entry));
    }
    return box;
}

} // namespace

SerialTaskDialog::SerialTaskDialog(const std::filesystem::path& currentFolder, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Q(texts::kSerialTaskCaption));
    auto* layout = new QVBoxLayout(this);

    auto* file = new QHBoxLayout;
    m_target = new QLineEdit(Q(DefaultSerialTaskTarget(currentFolder)), this);
    m_target->setMinimumWidth(320);
    m_browse = new QPushButton(QStringLiteral("<<"), this);
    file->addWidget(new QLabel(Q(texts::kSerialTaskFile), this));
    file->addWidget(m_target, 1);
    file->addWidget(m_browse);
    layout->addLayout(file);

    auto* direction = new QGroupBox(Q(texts::kSerialTaskDirection), this);
    auto* directionLayout = new QHBoxLayout(direction);
    m_upload = new QRadioButton(Q(texts::kSerialTaskUpload), direction);
    m_download = new QRadioButton(Q(texts::kSerialTaskDownload), direction);
    m_upload->setChecked(true);
    directionLayout->addWidget(m_upload);
    directionLayout->addWidget(m_download);
    layout->addWidget(direction);

    auto* line = new QGroupBox(Q(texts::kSerialTaskLine), this);
    auto* grid = new QGridLayout(line);
    std::vector<std::string> ports;
    for (int i = 1; i <= 7; ++i) {
        ports.push_back("com" + std::to_string(i));
    }
    m_port = ListOf(ports, line);
    const std::pair<const char*, QComboBox*> rows[] = {
        {texts::kSerialTaskPort, m_port},
        {texts::kBaud, ListOf(PortPage::BaudChoices(), line)},
        {texts::kDataBits, ListOf(PortPage::DataBitChoices(), line)},
        {texts::kStopBits, ListOf(PortPage::StopBitChoices(), line)},
        {texts::kParity, ListOf(PortPage::ParityChoices(), line)},
    };
    int row = 0;
    for (const auto& [label, box] : rows) {
        grid->addWidget(new QLabel(Q(label), line), row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    layout->addWidget(line);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QString(), QStringLiteral("*.dat"),
                                                          QStringLiteral("*.dat"), nullptr,
                                                          QFileDialog::DontUseNativeDialog);
        if (!path.isEmpty()) {
            TakeTargetFile(path);
        }
    });
}

bool SerialTaskDialog::TakeTargetFile(const QString& path) {
    // Opened for reading, or created when it is not there yet.
    QFile target(path);
    if (!target.exists() && !target.open(QIODevice::WriteOnly)) {
        return false;
    }
    m_target->setText(path);
    return true;
}

SerialTask SerialTaskDialog::Task() const {
    return SerialTask{m_target->text().toStdString(), m_download->isChecked(), m_port->currentIndex()};
}

bool ShowSerialTaskDialog(QWidget* parent, const std::filesystem::path& currentFolder, SerialTask& task) {
    SerialTaskDialog dialog(currentFolder, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    task = dialog.Task();
    return true;
}

} // namespace balsar::dialogs
