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
    void SetLinkFactory(LinkFactory factory) { m_linkFactory = std::move(factory); }
    void SetMessagePresenter(std::function<void(const QString&)> presenter) {
        m_presenter = std::move(presenter);
    }

    const QString& PackagePath() const { return m_packagePath; }
    void SetPackagePath(const QString& path);
    TransferDirection Direction() const { return m_direction; }
    // The settings as the next run will use them (read back from the controls).
    CLinkSettings CollectLinkSettings();
    void SetLinkKind(int kind);
    bool Running() const { return m_worker != nullptr; }

    QPushButton* DownloadButton() const { return m_downloadButton; }
    QCheckBox* ForceCheck() const { return m_forceCheck; }
    CTextProgressCtrl* Progress() const { return m_progress; }
    QLineEdit* AddressEdit() const { return m_addressEdit; }
    QLineEdit* PortEdit() const { return m_portEdit; }
    QComboBox* SerialList() const { return m_serialList; }

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
    // A message of the run, in a box captioned with the program's name.
    void ShowMessage(const QString& text, int kind);
    void OnRunFinished(bool ok);

    TransferVariant m_variant;
    TransferDirection m_direction = TransferDirection::Download;
    QString m_packagePath;
    CLinkSettings m_linkSettings;
    LinkFactory m_linkFactory;
    std::function<void(const QString&)> m_presenter;
    TransferWorker* m_worker = nullptr;
    bool m_closeWhenIdle = false;

    QPushButton* m_downloadButton = nullptr;
    QCheckBox* m_forceCheck = nullptr;
    CTextProgressCtrl* m_progress = nullptr;
    QLineEdit* m_pathEdit = nullptr;
    QRadioButton* m_udpRadio = nullptr;
    QRadioButton* m_usbRadio = nullptr;
    QRadioButton* m_serialRadio = nullptr;
    QLineEdit* m_addressEdit = nullptr;
    QLineEdit* m_portEdit = nullptr;
    QLineEdit* m_usbIdEdit = nullptr;
    QComboBox* m_serialList = nullptr;
};

} // namespace caldo
