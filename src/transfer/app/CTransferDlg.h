// The dialog of CaldoLoader (layout 102) and CaldoTransfer (layout 103): the
// progress bar, "下载工程", "强制更新GUI", the package field of CaldoTransfer and
// the link choice. The run happens on a TransferWorker.
#pragma once

#include <QDialog>
#include <functional>

#include "transfer/LinkSettings.h"
#include "transfer/TransferCommandLine.h"
#include "transfer/TransferLink.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace caldo {

class CTextProgressCtrl;
class TransferWorker;

enum class TransferVariant { Loader, Transfer };

class CTransferDlg : public QDialog {
    Q_OBJECT
public:
    CTransferDlg(TransferVariant variant, const QStringList& arguments, QWidget* parent = nullptr);
    ~CTransferDlg() override;

    static QString ProgramName(TransferVariant variant);

    // Test seams: where links come from and how messages are shown.
    void SetLinkFactory(LinkFactory factory) { linkFactory_ = std::move(factory); }
    void SetMessagePresenter(std::function<void(const QString&)> presenter) { presenter_ = std::move(presenter); }

    const QString& packagePath() const { return packagePath_; }
    void SetPackagePath(const QString& path);
    TransferDirection direction() const { return direction_; }
    // The settings as the next run will use them (read back from the controls).
    CLinkSettings CollectLinkSettings();
    void SetLinkKind(int kind);
    bool running() const { return worker_ != nullptr; }

    QPushButton* downloadButton() const { return downloadButton_; }
    QCheckBox* forceCheck() const { return forceCheck_; }
    CTextProgressCtrl* progress() const { return progress_; }
    QLineEdit* addressEdit() const { return addressEdit_; }
    QLineEdit* portEdit() const { return portEdit_; }
    QComboBox* serialList() const { return serialList_; }

    // Ends the dialog; while a run is going on the window only hides and the
    // dialog ends when the run is over, so a panel is never left half written.
    void done(int result) override;

public slots:
    // Command 1021: collect the settings and start the worker.
    void StartDownload();
    // Command 1020 (CaldoTransfer): choose the package.
    void SelectProject();
    void ShowAbout();
    // Shows the window normally and brings it to the front.
    void BringToFront();

signals:
    void runCompleted(bool ok);

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildLoaderLayout();
    void BuildTransferLayout();
    void BuildLinkGroup(int top);
    void OnRunFinished(bool ok);

    TransferVariant variant_;
    TransferDirection direction_ = TransferDirection::Download;
    QString packagePath_;
    CLinkSettings linkSettings_;
    LinkFactory linkFactory_;
    std::function<void(const QString&)> presenter_;
    TransferWorker* worker_ = nullptr;
    bool closeWhenIdle_ = false;

    QPushButton* downloadButton_ = nullptr;
    QCheckBox* forceCheck_ = nullptr;
    CTextProgressCtrl* progress_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QRadioButton* udpRadio_ = nullptr;
    QRadioButton* usbRadio_ = nullptr;
    QRadioButton* serialRadio_ = nullptr;
    QLineEdit* addressEdit_ = nullptr;
    QLineEdit* portEdit_ = nullptr;
    QLineEdit* usbIdEdit_ = nullptr;
    QComboBox* serialList_ = nullptr;
};

} // namespace caldo
