#include "CTransferDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
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
#include "transfer/SerialPorts.h"
#include "transfer/UsbPipeLink.h"

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
    return QString::fromUtf8(text);
}

// Gives a new control of the dialog its name (the control id) and its place.
template <class Control> Control* Placed(Control* control, const char* name, const QRect& geometry) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

constexpr int kLinkGroupHeight = 44;

} // namespace

QString CTransferDlg::ProgramName(TransferVariant variant) {
    return variant == TransferVariant::Loader ? QStringLiteral("CaldoLoader")
                                              : QStringLiteral("CaldoTransfer");
}

CTransferDlg::CTransferDlg(TransferVariant variant, const QStringList& arguments, QWidget* parent)
    : QDialog(parent), m_variant(variant) {
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
    SetPackagePath(QString::fromStdString(commandLine.packagePath));
    m_linkSettings.kind = kLinkUsb;
    SetLinkKind(kLinkUsb);
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
    BuildLinkGroup(59);
    setFixedSize(Dx(363), Dy(59 + kLinkGroupHeight + 4));
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
    BuildLinkGroup(101);
    setFixedSize(Dx(363), Dy(101 + kLinkGroupHeight + 4));
    connect(select, &QPushButton::clicked, this, &CTransferDlg::SelectProject);
    connect(m_downloadButton, &QPushButton::clicked, this, &CTransferDlg::StartDownload);
}

void CTransferDlg::BuildLinkGroup(int top) {
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
    m_usbIdEdit = new QLineEdit(this);
    m_usbIdEdit->setGeometry(Du(236, top + 10, 60, 13));
    m_usbIdEdit->setText(QStringLiteral("%1:%2")
                             .arg(kDefaultUsbVendorId, 4, 16, QLatin1Char('0'))
                             .arg(kDefaultUsbProductId, 4, 16, QLatin1Char('0')));

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
    const std::vector<std::string> devices = EnumerateSerialDevices();
    for (size_t i = 0; i < devices.size(); ++i) {
        m_serialList->addItem(
            QStringLiteral("com%1 (%2)").arg(i + 1).arg(QString::fromStdString(devices[i])));
    }
    if (devices.empty()) {
        m_serialList->addItem(QStringLiteral("com1"));
    }
    m_usbRadio->setChecked(true);
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
        s.serialPortName = "com" + std::to_string(m_serialList->currentIndex() + 1);
        s.baudRate = 115200;
    } else if (s.kind == kLinkUsb) {
        uint16_t vendor = 0, product = 0;
        if (ParseUsbId(m_usbIdEdit->text().toStdString(), vendor, product)) {
            s.usbVendorId = vendor;
            s.usbProductId = product;
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
}

void CTransferDlg::StartDownload() {
    if (m_worker) {
        return;
    }
    DownloadOptions options;
    options.link = CollectLinkSettings();
    options.packagePath = m_packagePath.toStdString();
    options.forceGuiUpdate = m_forceCheck->isChecked();
    m_worker = new TransferWorker(options, m_linkFactory, this);
    connect(m_worker, &TransferWorker::captionChanged, m_progress, &CTextProgressCtrl::SetCaption);
    connect(m_worker, &TransferWorker::rangeChanged, m_progress, &CTextProgressCtrl::SetRange);
    connect(m_worker, &TransferWorker::positionChanged, m_progress, &CTextProgressCtrl::SetPos);
    connect(m_worker, &TransferWorker::stepped, m_progress, &CTextProgressCtrl::StepIt);
    connect(m_worker, &TransferWorker::repaintRequested, m_progress, qOverload<>(&QWidget::repaint));
    connect(m_worker, &TransferWorker::messageRaised, this, &CTransferDlg::ShowMessage,
            Qt::BlockingQueuedConnection);
    connect(m_worker, &TransferWorker::runFinished, this, &CTransferDlg::OnRunFinished, Qt::QueuedConnection);
    m_downloadButton->setEnabled(false);
    m_worker->start();
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
    emit runCompleted(ok);
    if (m_closeWhenIdle) {
        done(QDialog::Rejected);
    } else if (m_variant == TransferVariant::Loader) {
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
    QMessageBox::about(this, Utf8(apptext::kAboutEntry).arg(name).remove(QStringLiteral("(&A)...")),
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
