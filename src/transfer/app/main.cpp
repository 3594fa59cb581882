// CaldoLoader / CaldoTransfer: CALDO_TRANSFER_VARIANT selects the program.
#include <QApplication>
#include <QMessageBox>

#include "AppStrings.h"
#include "CSingleInstance.h"
#include "CTransferDlg.h"
#include "PackageArgument.h"
#include "i18n/UiLanguage.h"
#include "i18n/UiText.h"
#include "icons/SuiteIcons.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    balsar::i18n::SetUpLanguage();
    const auto variant =
        CALDO_TRANSFER_VARIANT == 0 ? caldo::TransferVariant::Loader : caldo::TransferVariant::Transfer;
    const QString name = caldo::CTransferDlg::ProgramName(variant);
    QApplication::setApplicationName(name);
    QApplication::setWindowIcon(balsar::icons::Program(variant == caldo::TransferVariant::Loader ? "caldoloader"
                                                                                                 : "caldotransfer"));
    QApplication::setDesktopFileName(variant == caldo::TransferVariant::Loader ? QStringLiteral("caldoloader")
                                                                               : QStringLiteral("caldotransfer"));

    caldo::CSingleInstance guard(name);
    if (!guard.TryBecomePrimary()) {
        // The running copy comes to the front and says what it did with the
        // package this copy was started for.
        std::vector<std::string> args;
        for (const QString& a : caldo::WithPackageOptions(QApplication::arguments())) {
            args.push_back(a.toStdString());
        }
        const QString package = QString::fromStdString(caldo::ParseTransferCommandLine(args).packagePath);
        QString answer;
        guard.ActivatePrimary(package, &answer);
        QMessageBox box(QMessageBox::NoIcon, name,
                        balsar::i18n::Ui(caldo::apptext::kAlreadyRunning) + name + answer, QMessageBox::Ok);
        box.exec();
        return 0;
    }
    caldo::CTransferDlg dialog(variant, caldo::WithPackageOptions(QApplication::arguments()));
    guard.SetResponder([&dialog](const QString& package) { return dialog.HandleSecondStart(package); });
    // The program ends when the dialog does (after any run in progress), not
    // when its window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&dialog, &QDialog::finished, &app, &QCoreApplication::quit);
    dialog.setModal(true);
    dialog.show();
    QApplication::exec();
    return 0;
}
