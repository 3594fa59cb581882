// The dialog of CaldoLoader (layout 102) and CaldoTransfer (layout 103): the
// progress bar, "下载工程", "强制更新GUI", the package path, the panel's model
// and GUI version once known, and the link choice (remembered between runs).
// The run happens on a TransferWorker; a failed run leaves the window open
// with the button turned into "重试".
#pragma once

#include <QDialog>
#include <functional>

#include "LinkChoiceStore.h"
#include "transfer/LinkSettings.h"
#include "transfer/TransferCommandLine.h"
#include "transfer/TransferLink.h"

class QCheckBox;
class QComboBox;
class QLabel;
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

    // A second start of this program asks for packagePath. An idle window takes
    // the package; a running one keeps its own. Returns the text the second
    // start adds to its message (empty when the package is the same).
    QString HandleSecondStart(const QString& packagePath);

    QPushButton* DownloadButton() const { return m_downloadButton; }
    QCheckBox* ForceCheck() const { return m_forceCheck; }
    CTextProgressCtrl* Progress() const { return m_progress; }
    QLineEdit* AddressEdit() const { return m_addressEdit; }
    QLineEdit* PortEdit() const { return m_portEdit; }
    QLineEdit* UsbIdEdit() const { return m_usbIdEdit; }
    QComboBox* SerialList() const { return m_serialList; }
    QLabel* PanelLabel() const { return m_panelLabel; }

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
    // The package and panel lines, then the link group; returns the bottom.
    int BuildInfoAndLinkGroup(int top);
    void FillSerialList();
    // The link choice: from the command line when given there, else as last saved.
    void ApplyLinkChoice(const LinkChoice& choice);
    LinkChoice CurrentLinkChoice() const;
    // A message of the run, in a box captioned with the program's name.
    void ShowMessage(const QString& text, int kind);
    void ShowPanel(int model, int guiVersion, bool emulated);
    void OnRunFinished(bool ok);

    TransferVariant m_variant;
    TransferDirection m_direction = TransferDirection::Download;
    QString m_packagePath;
    bool m_allowPlaceholder = false;
    CLinkSettings m_linkSettings;
    LinkChoiceStore m_store;
    LinkFactory m_linkFactory;
    std::function<void(const QString&)> m_presenter;
    TransferWorker* m_worker = nullptr;
    bool m_closeWhenIdle = false;

    QPushButton* m_downloadButton = nullptr;
    QCheckBox* m_forceCheck = nullptr;
    CTextProgressCtrl* m_progress = nullptr;
    QLineEdit* m_pathEdit = nullptr;
    QLabel* m_packageLabel = nullptr;
    QLabel* m_panelLabel = nullptr;
    QRadioButton* m_udpRadio = nullptr;
    QRadioButton* m_usbRadio = nullptr;
    QRadioButton* m_serialRadio = nullptr;
    QLineEdit* m_addressEdit = nullptr;
    QLineEdit* m_portEdit = nullptr;
    QLineEdit* m_usbIdEdit = nullptr;
    QComboBox* m_serialList = nullptr;
};

} // namespace caldo
