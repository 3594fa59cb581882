// CaldoLoader / CaldoTransfer: CALDO_TRANSFER_VARIANT selects the program.
#include <QApplication>
#include <QMessageBox>

#include "AppStrings.h"
#include "CSingleInstance.h"
#include "CTransferDlg.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto variant =
        CALDO_TRANSFER_VARIANT == 0 ? caldo::TransferVariant::Loader : caldo::TransferVariant::Transfer;
    const QString name = caldo::CTransferDlg::ProgramName(variant);
    QApplication::setApplicationName(name);

    caldo::CSingleInstance guard(name);
    if (!guard.TryBecomePrimary()) {
        QMessageBox box(QMessageBox::NoIcon, name, QString::fromUtf8(caldo::apptext::kAlreadyRunning) + name,
                        QMessageBox::Ok);
        box.exec();
        guard.ActivatePrimary();
        return 0;
    }
    caldo::CTransferDlg dialog(variant, QApplication::arguments());
    QObject::connect(&guard, &caldo::CSingleInstance::activationRequested, &dialog,
                     &caldo::CTransferDlg::BringToFront);
    // The program ends when the dialog does (after any run in progress), not
    // when its window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&dialog, &QDialog::finished, &app, &QCoreApplication::quit);
    dialog.setModal(true);
    dialog.show();
    QApplication::exec();
    return 0;
}
