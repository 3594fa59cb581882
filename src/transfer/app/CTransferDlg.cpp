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
int Dx(int x) { return x * 3 / 2; }
int Dy(int y) { return y * 13 / 8; }
QRect Du(int x, int y, int w, int h) { return QRect(Dx(x), Dy(y), Dx(w), Dy(h)); }

QString Utf8(const char* text) { return QString::fromUtf8(text); }

constexpr int kLinkGroupHeight = 44;

} // namespace

QString CTransferDlg::ProgramName(TransferVariant variant) {
    return variant == TransferVariant::Loader ? QStringLiteral("CaldoLoader") : QStringLiteral("CaldoTransfer");
}

CTransferDlg::CTransferDlg(TransferVariant variant, const QStringList& arguments, QWidget* parent)
    : QDialog(parent), variant_(variant) {
    const QString name = ProgramName(variant);
    setWindowTitle(name);
    setProperty(name.toUtf8().constData(), 1);  // marks the window of this program
    setWindowIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));

    if (variant == TransferVariant::Loader)
        BuildLoaderLayout();
    else
        BuildTransferLayout();

    auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(about, &QShortcut::activated, this, &CTransferDlg::ShowAbout);

    std::vector<std::string> args;
    for (const QString& a : arguments)
        args.push_back(a.toStdString());
    const TransferCommandLine commandLine = ParseTransferCommandLine(args);
    direction_ = commandLine.direction;
    SetPackagePath(QString::fromStdString(commandLine.packagePath));
    linkSettings_.kind = kLinkUsb;
    SetLinkKind(kLinkUsb);
}

CTransferDlg::~CTransferDlg() {
    if (worker_) {
        // Never leave a run behind a destroyed dialog.
        worker_->disconnect(this);
        worker_->wait();
    }
}

void CTransferDlg::BuildLoaderLayout() {
    auto* group = new QGroupBox(Utf8(apptext::kProgressGroup), this);
    group->setGeometry(Du(7, 7, 301, 34));
    progress_ = new CTextProgressCtrl(this);
    progress_->setObjectName("progress1006");
    progress_->setGeometry(Du(16, 19, 284, 16));
    downloadButton_ = new QPushButton(Utf8(apptext::kDownloadProject), this);
    downloadButton_->setObjectName("button1021");
    downloadButton_->setGeometry(Du(316, 11, 42, 28));
    forceCheck_ = new QCheckBox(Utf8(apptext::kForceGui), this);
    forceCheck_->setObjectName("check1018");
    forceCheck_->setGeometry(Du(7, 43, 80, 10));
    BuildLinkGroup(59);
    setFixedSize(Dx(363), Dy(59 + kLinkGroupHeight + 4));
    connect(downloadButton_, &QPushButton::clicked, this, &CTransferDlg::StartDownload);
}

void CTransferDlg::BuildTransferLayout() {
    auto* settings = new QGroupBox(Utf8(apptext::kSettingsGroup), this);
    settings->setGeometry(Du(4, 7, 350, 38));
    pathEdit_ = new QLineEdit(this);
    pathEdit_->setObjectName("edit1019");
    pathEdit_->setReadOnly(true);
    pathEdit_->setGeometry(Du(14, 20, 202, 14));
    auto* select = new QPushButton(Utf8(apptext::kSelectProject), this);
    select->setObjectName("button1020");
    select->setGeometry(Du(223, 16, 54, 22));
    forceCheck_ = new QCheckBox(Utf8(apptext::kForceGui), this);
    forceCheck_->setObjectName("check1018");
    forceCheck_->setGeometry(Du(286, 19, 66, 18));
    auto* download = new QGroupBox(Utf8(apptext::kDownloadGroup), this);
    download->setGeometry(Du(5, 47, 348, 44));
    progress_ = new CTextProgressCtrl(this);
    progress_->setObjectName("progress1006");
    progress_->setGeometry(Du(11, 65, 284, 16));
    downloadButton_ = new QPushButton(Utf8(apptext::kDownloadProject), this);
    downloadButton_->setObjectName("button1021");
    downloadButton_->setGeometry(Du(307, 59, 39, 28));
    BuildLinkGroup(101);
    setFixedSize(Dx(363), Dy(101 + kLinkGroupHeight + 4));
    connect(select, &QPushButton::clicked, this, &CTransferDlg::SelectProject);
    connect(downloadButton_, &QPushButton::clicked, this, &CTransferDlg::StartDownload);
}

void CTransferDlg::BuildLinkGroup(int top) {
    auto* group = new QGroupBox(Utf8(apptext::kLinkGroup), this);
    group->setGeometry(Du(4, top, 355, kLinkGroupHeight));
    udpRadio_ = new QRadioButton(Utf8(apptext::kLinkUdp), this);
    udpRadio_->setObjectName("radio1007");
    udpRadio_->setGeometry(Du(12, top + 11, 64, 12));
    usbRadio_ = new QRadioButton(Utf8(apptext::kLinkUsb), this);
    usbRadio_->setObjectName("radio1008");
    usbRadio_->setGeometry(Du(80, top + 11, 40, 12));
    serialRadio_ = new QRadioButton(Utf8(apptext::kLinkSerial), this);
    serialRadio_->setObjectName("radio1009");
    serialRadio_->setGeometry(Du(124, top + 11, 40, 12));
    auto* radios = new QButtonGroup(this);
    radios->addButton(udpRadio_, kLinkUdp);
    radios->addButton(usbRadio_, kLinkUsb);
    radios->addButton(serialRadio_, kLinkSerial);
    connect(radios, &QButtonGroup::idClicked, this, &CTransferDlg::SetLinkKind);

    auto* usbLabel = new QLabel(Utf8(apptext::kUsbId), this);
    usbLabel->setGeometry(Du(200, top + 12, 34, 10));
    usbIdEdit_ = new QLineEdit(this);
    usbIdEdit_->setGeometry(Du(236, top + 10, 60, 13));
    usbIdEdit_->setText(QStringLiteral("%1:%2")
                            .arg(kDefaultUsbVendorId, 4, 16, QLatin1Char('0'))
                            .arg(kDefaultUsbProductId, 4, 16, QLatin1Char('0')));

    auto* addressLabel = new QLabel(Utf8(apptext::kAddress), this);
    addressLabel->setGeometry(Du(12, top + 28, 30, 10));
    addressEdit_ = new QLineEdit(this);
    addressEdit_->setObjectName("address");
    addressEdit_->setGeometry(Du(44, top + 26, 80, 13));
    addressEdit_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[0-9]{0,3}(\\.[0-9]{0,3}){0,3}$")), addressEdit_));
    auto* portLabel = new QLabel(Utf8(apptext::kPort), this);
    portLabel->setGeometry(Du(130, top + 28, 24, 10));
    portEdit_ = new QLineEdit(this);
    portEdit_->setObjectName("port");
    portEdit_->setGeometry(Du(156, top + 26, 40, 13));
    portEdit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9]{0,5}$")), portEdit_));
    serialList_ = new QComboBox(this);
    serialList_->setObjectName("serialList");
    serialList_->setGeometry(Du(210, top + 25, 140, 14));
    const std::vector<std::string> devices = EnumerateSerialDevices();
    for (size_t i = 0; i < devices.size(); ++i)
        serialList_->addItem(QStringLiteral("com%1 (%2)").arg(i + 1).arg(QString::fromStdString(devices[i])));
    if (devices.empty())
        serialList_->addItem(QStringLiteral("com1"));
    usbRadio_->setChecked(true);
}

void CTransferDlg::SetLinkKind(int kind) {
    linkSettings_.kind = kind;
    udpRadio_->setChecked(kind == kLinkUdp);
    usbRadio_->setChecked(kind == kLinkUsb);
    serialRadio_->setChecked(kind == kLinkSerial);
    if (kind == kLinkUdp) {
        serialList_->setEnabled(false);
        addressEdit_->setEnabled(true);
        portEdit_->setEnabled(true);
    } else if (kind == kLinkSerial) {
        serialList_->setEnabled(true);
        addressEdit_->setEnabled(false);
        portEdit_->setEnabled(false);
    }
}

CLinkSettings CTransferDlg::CollectLinkSettings() {
    CLinkSettings s = linkSettings_;
    if (s.kind == kLinkUdp) {
        s.addressText = addressEdit_->text().toStdString();
        s.portText = portEdit_->text().toStdString();
    } else if (s.kind == kLinkSerial) {
        serialList_->setEnabled(true);
        s.serialPortName = "com" + std::to_string(serialList_->currentIndex() + 1);
        s.baudRate = 115200;
    } else if (s.kind == kLinkUsb) {
        uint16_t vendor = 0, product = 0;
        if (ParseUsbId(usbIdEdit_->text().toStdString(), vendor, product)) {
            s.usbVendorId = vendor;
            s.usbProductId = product;
        }
    }
    linkSettings_ = s;
    return s;
}

void CTransferDlg::SetPackagePath(const QString& path) {
    packagePath_ = path;
    if (pathEdit_)
        pathEdit_->setText(path);
}

void CTransferDlg::StartDownload() {
    if (worker_)
        return;
    DownloadOptions options;
    options.link = CollectLinkSettings();
    options.packagePath = packagePath_.toStdString();
    options.forceGuiUpdate = forceCheck_->isChecked();
    worker_ = new TransferWorker(options, linkFactory_, this);
    connect(worker_, &TransferWorker::captionChanged, progress_, &CTextProgressCtrl::SetCaption);
    connect(worker_, &TransferWorker::rangeChanged, progress_, &CTextProgressCtrl::SetRange);
    connect(worker_, &TransferWorker::positionChanged, progress_, &CTextProgressCtrl::SetPos);
    connect(worker_, &TransferWorker::stepped, progress_, &CTextProgressCtrl::StepIt);
    connect(worker_, &TransferWorker::repaintRequested, progress_, qOverload<>(&QWidget::repaint));
    connect(worker_, &TransferWorker::errorRaised, this,
            [this](const QString& text) {
                QString shown = text;
                shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                if (presenter_)
                    presenter_(shown);
                else
                    QMessageBox(QMessageBox::Critical, ProgramName(variant_), shown, QMessageBox::Ok, this).exec();
            },
            Qt::BlockingQueuedConnection);
    connect(worker_, &TransferWorker::runFinished, this, &CTransferDlg::OnRunFinished, Qt::QueuedConnection);
    downloadButton_->setEnabled(false);
    worker_->start();
}

void CTransferDlg::OnRunFinished(bool ok) {
    if (worker_) {
        worker_->wait();
        worker_->deleteLater();
        worker_ = nullptr;
    }
    downloadButton_->setEnabled(true);
    emit runCompleted(ok);
    if (closeWhenIdle_)
        done(QDialog::Rejected);
    else if (variant_ == TransferVariant::Loader)
        close();
}

void CTransferDlg::done(int result) {
    if (worker_) {
        closeWhenIdle_ = true;
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
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SetPackagePath(dialog.selectedFiles().first());
}

void CTransferDlg::ShowAbout() {
    const QString name = ProgramName(variant_);
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
    menu.addAction(Utf8(apptext::kAboutEntry).arg(ProgramName(variant_)), this, &CTransferDlg::ShowAbout);
    menu.exec(event->globalPos());
}

void CTransferDlg::closeEvent(QCloseEvent* event) {
    if (worker_) {
        // The run goes on out of sight; its messages still appear and the
        // dialog ends when it is over.
        closeWhenIdle_ = true;
        hide();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace caldo
