#include "CTransferDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QStyle>

#include "AppStrings.h"
#include "CTextProgressCtrl.h"
#include "TransferWorker.h"
#include "i18n/UiText.h"
#include "transfer/SerialPorts.h"
#include "transfer/TransferStrings.h"
#include "transfer/UsbPanelIds.h"

namespace caldo {

namespace {

// Dialog units of the layouts to pixels (a 9-point dialog font).
int Dx(int x) {
    return x * 3 / 2;
}
int Dy(int y) {
    return y * 13 / 8;
}
QRect Du(int x, int y, int w, int h) {
    return QRect(Dx(x), Dy(y), Dx(w), Dy(h));
}

QString Utf8(const char* text) {
    return balsar::i18n::Ui(text);
}

// Gives a new control of the dialog its name (the control id) and its place.
template <class Control> Control* Placed(Control* control, const char* name, const QRect& geometry) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

constexpr int kLinkGroupHeight = 44;
// The serial list's item data: the port name a run uses (Qt::UserRole), and
// the device behind it.
constexpr int kDeviceRole = Qt::UserRole + 1;

} // namespace

QString CTransferDlg::ProgramName(TransferVariant variant) {
    return variant == TransferVariant::Loader ? QStringLiteral("CaldoLoader")
                                              : QStringLiteral("CaldoTransfer");
}

CTransferDlg::CTransferDlg(TransferVariant variant, const QStringList& arguments, QWidget* parent)
    : QDialog(parent), m_variant(variant), m_store(QStringLiteral("CaldoTransferTools")) {
    const QString name = ProgramName(variant);
    setWindowTitle(name);
    setProperty(name.toUtf8().constData(), 1); // marks the window of this program
    setWindowIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));

    if (variant == TransferVariant::Loader) {
        BuildLoaderLayout();
    } else {
        BuildTransferLayout();
    }

    auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(about, &QShortcut::activated, this, &CTransferDlg::ShowAbout);

    std::vector<std::string> args;
    for (const QString& a : arguments) {
        args.push_back(a.toStdString());
    }
    const TransferCommandLine commandLine = ParseTransferCommandLine(args);
    m_direction = commandLine.direction;
    m_allowPlaceholder = commandLine.allowPlaceholder;
    SetPackagePath(QString::fromStdString(commandLine.packagePath));
    // The link the caller names wins over the one last used.
    LinkChoice choice = m_store.Load();
    if (commandLine.link) {
        const CLinkSettings& link = *commandLine.link;
        choice.kind = link.kind;
        if (link.kind == kLinkUdp) {
            choice.address = QString::fromStdString(link.addressText);
            choice.port = QString::fromStdString(link.portText);
        } else if (link.kind == kLinkSerial) {
            choice.serialDevice = QString::fromStdString(link.serialPortName);
        } else {
            choice.usbId = link.usbIds.empty() ? QString()
                                               : QString::fromStdString(FormatUsbId(link.usbIds[0].vendorId,
                                                                                    link.usbIds[0].productId));
        }
    }
    ApplyLinkChoice(choice);
}

CTransferDlg::~CTransferDlg() {
    if (m_worker) {
        // Never leave a run behind a destroyed dialog.
        m_worker->disconnect(this);
        m_worker->wait();
    }
}

void CTransferDlg::BuildLoaderLayout() {
    auto* group = new QGroupBox(Utf8(apptext::kProgressGroup), this);
    group->setGeometry(Du(7, 7, 301, 34));
    m_progress = Placed(new CTextProgressCtrl(this), "progress1006", Du(16, 19, 284, 16));
    m_downloadButton =
        Placed(new QPushButton(Utf8(apptext::kDownloadProject), this), "button1021", Du(316, 11, 42, 28));
    m_forceCheck = Placed(new QCheckBox(Utf8(apptext::kForceGui), this), "check1018", Du(7, 43, 80, 10));
    m_packageLabel = Placed(new QLabel(this), "packageLabel", Du(7, 56, 350, 10));
    const int bottom = BuildInfoAndLinkGroup(68);
    setFixedSize(Dx(363), Dy(bottom + 4));
    connect(m_downloadButton, &QPushButton::clicked, this, &CTransferDlg::StartDownload);
}

void CTransferDlg::BuildTransferLayout() {
    auto* settings = new QGroupBox(Utf8(apptext::kSettingsGroup), this);
    settings->setGeometry(Du(4, 7, 350, 38));
    m_pathEdit = Placed(new QLineEdit(this), "edit1019", Du(14, 20, 202, 14));
    m_pathEdit->setReadOnly(true);
    auto* select =
        Placed(new QPushButton(Utf8(apptext::kSelectProject), this), "button1020", Du(223, 16, 54, 22));
    m_forceCheck = Placed(new QCheckBox(Utf8(apptext::kForceGui), this), "check1018", Du(286, 19, 66, 18));
    auto* download = new QGroupBox(Utf8(apptext::kDownloadGroup), this);
    download->setGeometry(Du(5, 47, 348, 44));
    m_progress = Placed(new CTextProgressCtrl(this), "progress1006", Du(11, 65, 284, 16));
    m_downloadButton =
        Placed(new QPushButton(Utf8(apptext::kDownloadProject), this), "button1021", Du(307, 59, 39, 28));
    const int bottom = BuildInfoAndLinkGroup(95);
    setFixedSize(Dx(363), Dy(bottom + 4));
    connect(select, &QPushButton::clicked, this, &CTransferDlg::SelectProject);
    connect(m_downloadButton, &QPushButton::clicked, this, &CTransferDlg::StartDownload);
}

int CTransferDlg::BuildInfoAndLinkGroup(int top) {
    m_panelLabel = Placed(new QLabel(Utf8(apptext::kPanelLabel) + Utf8(apptext::kPanelUnknown), this),
                          "panelLabel", Du(7, top, 350, 10));
    top += 14;
    auto* group = new QGroupBox(Utf8(apptext::kLinkGroup), this);
    group->setGeometry(Du(4, top, 355, kLinkGroupHeight));
    m_udpRadio =
        Placed(new QRadioButton(Utf8(apptext::kLinkUdp), this), "radio1007", Du(12, top + 11, 64, 12));
    m_usbRadio =
        Placed(new QRadioButton(Utf8(apptext::kLinkUsb), this), "radio1008", Du(80, top + 11, 40, 12));
    m_serialRadio =
        Placed(new QRadioButton(Utf8(apptext::kLinkSerial), this), "radio1009", Du(124, top + 11, 40, 12));
    auto* radios = new QButtonGroup(this);
    radios->addButton(m_udpRadio, kLinkUdp);
    radios->addButton(m_usbRadio, kLinkUsb);
    radios->addButton(m_serialRadio, kLinkSerial);
    connect(radios, &QButtonGroup::idClicked, this, &CTransferDlg::SetLinkKind);

    auto* usbLabel = new QLabel(Utf8(apptext::kUsbId), this);
    usbLabel->setGeometry(Du(200, top + 12, 34, 10));
    m_usbIdEdit = Placed(new QLineEdit(this), "usbId", Du(236, top + 10, 60, 13));
    m_usbIdEdit->setPlaceholderText(Utf8(apptext::kUsbIdHint));
    m_usbIdEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^([0-9A-Fa-f]{0,4}(:[0-9A-Fa-f]{0,4})?)?$")), m_usbIdEdit));

    auto* addressLabel = new QLabel(Utf8(apptext::kAddress), this);
    addressLabel->setGeometry(Du(12, top + 28, 30, 10));
    m_addressEdit = Placed(new QLineEdit(this), "address", Du(44, top + 26, 80, 13));
    m_addressEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[0-9]{0,3}(\\.[0-9]{0,3}){0,3}$")), m_addressEdit));
    auto* portLabel = new QLabel(Utf8(apptext::kPort), this);
    portLabel->setGeometry(Du(130, top + 28, 24, 10));
    m_portEdit = Placed(new QLineEdit(this), "port", Du(156, top + 26, 40, 13));
    m_portEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9]{0,5}$")), m_portEdit));
    m_serialList = Placed(new QComboBox(this), "serialList", Du(210, top + 25, 140, 14));
    FillSerialList();
    m_usbRadio->setChecked(true);
    return top + kLinkGroupHeight;
}

void CTransferDlg::FillSerialList() {
    // Each entry carries the port name a run uses and the device behind it.
    const std::vector<std::string> devices = EnumerateSerialDevices();
    for (size_t i = 0; i < devices.size(); ++i) {
        const QString device = QString::fromStdString(devices[i]);
        m_serialList->addItem(QStringLiteral("com%1 (%2)").arg(i + 1).arg(device), QStringLiteral("com%1").arg(i + 1));
        m_serialList->setItemData(m_serialList->count() - 1, device, kDeviceRole);
    }
    if (devices.empty()) {
        m_serialList->addItem(QStringLiteral("com1"), QStringLiteral("com1"));
    }
}

void CTransferDlg::ApplyLinkChoice(const LinkChoice& choice) {
    m_addressEdit->setText(choice.address);
    m_portEdit->setText(choice.port);
    m_usbIdEdit->setText(choice.usbId);
    if (!choice.serialDevice.isEmpty()) {
        int index = m_serialList->findData(choice.serialDevice, kDeviceRole);
        if (index < 0) {
            index = m_serialList->findData(choice.serialDevice);
        }
        if (index < 0) {
            // A device that is not enumerated (a pseudo-terminal, a by-path name).
            m_serialList->addItem(choice.serialDevice, choice.serialDevice);
            m_serialList->setItemData(m_serialList->count() - 1, choice.serialDevice, kDeviceRole);
            index = m_serialList->count() - 1;
        }
        m_serialList->setCurrentIndex(index);
    }
    const bool known = choice.kind == kLinkUdp || choice.kind == kLinkUsb || choice.kind == kLinkSerial;
    SetLinkKind(known ? choice.kind : kLinkUsb);
}

LinkChoice CTransferDlg::CurrentLinkChoice() const {
    LinkChoice choice;
    choice.kind = m_linkSettings.kind;
    choice.address = m_addressEdit->text();
    choice.port = m_portEdit->text();
    choice.serialDevice = m_serialList->currentData(kDeviceRole).toString();
    choice.usbId = m_usbIdEdit->text();
    return choice;
}

void CTransferDlg::SetLinkKind(int kind) {
    m_linkSettings.kind = kind;
    m_udpRadio->setChecked(kind == kLinkUdp);
    m_usbRadio->setChecked(kind == kLinkUsb);
    m_serialRadio->setChecked(kind == kLinkSerial);
    if (kind == kLinkUdp) {
        m_serialList->setEnabled(false);
        m_addressEdit->setEnabled(true);
        m_portEdit->setEnabled(true);
    } else if (kind == kLinkSerial) {
        m_serialList->setEnabled(true);
        m_addressEdit->setEnabled(false);
        m_portEdit->setEnabled(false);
    }
}

CLinkSettings CTransferDlg::CollectLinkSettings() {
    CLinkSettings s = m_linkSettings;
    if (s.kind == kLinkUdp) {
        s.addressText = m_addressEdit->text().toStdString();
        s.portText = m_portEdit->text().toStdString();
    } else if (s.kind == kLinkSerial) {
        m_serialList->setEnabled(true);
        const QString name = m_serialList->currentData().toString();
        s.serialPortName = name.isEmpty() ? "com" + std::to_string(m_serialList->currentIndex() + 1)
                                          : name.toStdString();
        s.baudRate = 115200;
    } else if (s.kind == kLinkUsb) {
        // An id given here is looked for alone; without one the discovery file counts.
        s.usbIds.clear();
        UsbPanelId id;
        if (ParseUsbId(m_usbIdEdit->text().toStdString(), id.vendorId, id.productId)) {
            s.usbIds.push_back(id);
        }
    }
    m_linkSettings = s;
    return s;
}

void CTransferDlg::SetPackagePath(const QString& path) {
    m_packagePath = path;
    if (m_pathEdit) {
        m_pathEdit->setText(path);
    }
    if (m_packageLabel) {
        m_packageLabel->setText(Utf8(apptext::kPackageLabel) + QDir::toNativeSeparators(path));
        m_packageLabel->setToolTip(path);
    }
    m_downloadButton->setText(Utf8(apptext::kDownloadProject));
}

QString CTransferDlg::HandleSecondStart(const QString& packagePath) {
    BringToFront();
    if (packagePath.isEmpty() || packagePath == m_packagePath) {
        return {};
    }
    const QString name = ProgramName(m_variant);
    if (m_worker) {
        return Utf8(apptext::kBusyWithOtherFmt).arg(name, m_packagePath, packagePath);
    }
    const QString previous = m_packagePath;
    SetPackagePath(packagePath);
    if (previous.isEmpty()) {
        return Utf8(apptext::kTookFmt).arg(name, packagePath);
    }
    return Utf8(apptext::kTookOtherFmt).arg(name, previous, packagePath);
}

void CTransferDlg::StartDownload() {
    if (m_worker) {
        return;
    }
    uint16_t vendor = 0, product = 0;
    if (m_linkSettings.kind == kLinkUsb && !m_usbIdEdit->text().isEmpty() &&
        !ParseUsbId(m_usbIdEdit->text().toStdString(), vendor, product)) {
        ShowMessage(Utf8(apptext::kUsbIdInvalid).arg(m_usbIdEdit->text()),
                    static_cast<int>(balsar::MessageKind::Error));
        return;
    }
    DownloadOptions options;
    options.link = CollectLinkSettings();
    options.packagePath = m_packagePath.toStdString();
    options.forceGuiUpdate = m_forceCheck->isChecked();
    options.allowPlaceholder = m_allowPlaceholder;
    m_store.Save(CurrentLinkChoice());
    m_worker = new TransferWorker(options, m_linkFactory, this);
    connect(m_worker, &TransferWorker::captionChanged, m_progress, &CTextProgressCtrl::SetCaption);
    connect(m_worker, &TransferWorker::rangeChanged, m_progress, &CTextProgressCtrl::SetRange);
    connect(m_worker, &TransferWorker::positionChanged, m_progress, &CTextProgressCtrl::SetPos);
    connect(m_worker, &TransferWorker::stepped, m_progress, &CTextProgressCtrl::StepIt);
    connect(m_worker, &TransferWorker::repaintRequested, m_progress, qOverload<>(&QWidget::repaint));
    connect(m_worker, &TransferWorker::panelIdentified, this, &CTransferDlg::ShowPanel);
    connect(m_worker, &TransferWorker::messageRaised, this, &CTransferDlg::ShowMessage,
            Qt::BlockingQueuedConnection);
    connect(m_worker, &TransferWorker::runFinished, this, &CTransferDlg::OnRunFinished, Qt::QueuedConnection);
    m_downloadButton->setEnabled(false);
    m_worker->start();
}

void CTransferDlg::ShowPanel(int model, int guiVersion, bool emulated) {
    QString text = Utf8(apptext::kPanelLabel) + Utf8(apptext::kPanelFmt).arg(model).arg(guiVersion);
    if (emulated) {
        text += Utf8(apptext::kPanelEmulated);
    }
    m_panelLabel->setText(text);
}

void CTransferDlg::ShowMessage(const QString& text, int kind) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_presenter) {
        m_presenter(shown);
        return;
    }
    const auto messageKind = static_cast<balsar::MessageKind>(kind);
    const QMessageBox::Icon icon = messageKind == balsar::MessageKind::Info      ? QMessageBox::Information
                                   : messageKind == balsar::MessageKind::Warning ? QMessageBox::Warning
                                                                                 : QMessageBox::Critical;
    QMessageBox(icon, ProgramName(m_variant), shown, QMessageBox::Ok, this).exec();
}

void CTransferDlg::OnRunFinished(bool ok) {
    if (m_worker) {
        m_worker->wait();
        m_worker->deleteLater();
        m_worker = nullptr;
    }
    m_downloadButton->setEnabled(true);
    // A failure was told by the run; the window stays so that it can be retried.
    m_downloadButton->setText(Utf8(ok ? apptext::kDownloadProject : apptext::kRetry));
    if (ok) {
        ShowMessage(Utf8(text::kDownloadDone), static_cast<int>(balsar::MessageKind::Info));
    }
    emit runCompleted(ok);
    if (m_closeWhenIdle) {
        done(QDialog::Rejected);
    } else if (ok && m_variant == TransferVariant::Loader) {
        close();
    }
}

void CTransferDlg::done(int result) {
    if (m_worker) {
        m_closeWhenIdle = true;
        hide();
        return;
    }
    QDialog::done(result);
}

void CTransferDlg::SelectProject() {
    QFileDialog dialog(this, QString(), QString(), Utf8(apptext::kPackageFilter) + QStringLiteral(";;"));
    dialog.setNameFilter(Utf8(apptext::kPackageFilter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        SetPackagePath(dialog.selectedFiles().first());
    }
}

void CTransferDlg::ShowAbout() {
    const QString name = ProgramName(m_variant);
    // The menu entry without its accelerator and ellipsis, in either language.
    const QString title =
        Utf8(apptext::kAboutEntry).arg(name).remove(QStringLiteral("(&A)")).remove(u'&').remove(QStringLiteral("..."));
    QMessageBox::about(this, title,
                       Utf8(apptext::kAboutText).arg(name, QStringLiteral(CALDO_VERSION)));
}

void CTransferDlg::BringToFront() {
    showNormal();
    raise();
    activateWindow();
}

void CTransferDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(Utf8(apptext::kAboutEntry).arg(ProgramName(m_variant)), this, &CTransferDlg::ShowAbout);
    menu.exec(event->globalPos());
}

void CTransferDlg::closeEvent(QCloseEvent* event) {
    if (m_worker) {
        // The run goes on out of sight; its messages still appear and the
        // dialog ends when it is over.
        m_closeWhenIdle = true;
        hide();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace caldo
