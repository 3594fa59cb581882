// CaldoLoader and CaldoTransfer dialogs offscreen: command lines, link
// settings, the progress bar's painting, one copy per program, and whole runs
// against the simulated panel on the worker thread.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

#include "CSingleInstance.h"
#include "CTextProgressCtrl.h"
#include "CTransferDlg.h"
#include "TransferTestSupport.h"
#include "transfer/TransferStrings.h"

namespace caldo {
namespace {

// Runs the event loop until done() holds or the time is up.
bool WaitFor(const std::function<bool()>& done, int ms = 10000) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    poll.start(5);
    loop.exec();
    return done();
}

TEST(TransferApp, CommandLinesOfBothPrograms) {
    CTransferDlg loader(TransferVariant::Loader, {"CaldoLoader", "-D", "-f", "/tmp/a.qk"});
    EXPECT_EQ(loader.PackagePath(), "/tmp/a.qk");
    EXPECT_EQ(loader.property("CaldoLoader").toInt(), 1);
    EXPECT_EQ(loader.windowTitle(), "CaldoLoader");
    EXPECT_EQ(loader.DownloadButton()->text(), "下载工程");
    EXPECT_EQ(loader.ForceCheck()->text(), "强制更新GUI");

    CTransferDlg transfer(TransferVariant::Transfer, {"CaldoTransfer", "-f", "/tmp/b.qk"});
    EXPECT_EQ(transfer.PackagePath(), ""); // three arguments: options not read
    CTransferDlg transfer2(TransferVariant::Transfer, {"CaldoTransfer", "-U", "-f", "/tmp/b.qk"});
    EXPECT_EQ(transfer2.PackagePath(), "/tmp/b.qk");
    EXPECT_EQ(transfer2.Direction(), TransferDirection::Upload);
    EXPECT_EQ(transfer2.property("CaldoTransfer").toInt(), 1);
    auto* path = transfer2.findChild<QLineEdit*>("edit1019");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->text(), "/tmp/b.qk");
    EXPECT_TRUE(path->isReadOnly());
    EXPECT_EQ(loader.findChild<QLineEdit*>("edit1019"), nullptr);
    transfer2.show();
    EXPECT_TRUE(transfer2.isVisible());
}

TEST(TransferApp, LinkKindSwitchingAndCollection) {
    CTransferDlg dlg(TransferVariant::Transfer, {"CaldoTransfer"});
    EXPECT_EQ(dlg.CollectLinkSettings().kind, kLinkUsb); // USB when the dialog opens

    dlg.SetLinkKind(kLinkUdp);
    EXPECT_FALSE(dlg.SerialList()->isEnabled());
    EXPECT_TRUE(dlg.AddressEdit()->isEnabled());
    dlg.AddressEdit()->setText("192.168.1.20");
    dlg.PortEdit()->setText("5000");
    CLinkSettings s = dlg.CollectLinkSettings();
    EXPECT_EQ(s.kind, kLinkUdp);
    EXPECT_EQ(s.addressText, "192.168.1.20");
    EXPECT_EQ(s.portText, "5000");

    dlg.SetLinkKind(kLinkSerial);
    EXPECT_TRUE(dlg.SerialList()->isEnabled());
    EXPECT_FALSE(dlg.AddressEdit()->isEnabled());
    EXPECT_FALSE(dlg.PortEdit()->isEnabled());
    dlg.SerialList()->addItem("extra");
    dlg.SerialList()->setCurrentIndex(dlg.SerialList()->count() - 1);
    s = dlg.CollectLinkSettings();
    EXPECT_EQ(s.kind, kLinkSerial);
    EXPECT_EQ(s.serialPortName, "com" + std::to_string(dlg.SerialList()->count()));
    EXPECT_EQ(s.baudRate, 115200);

    // Kind 2 leaves the fields as they were.
    dlg.SetLinkKind(kLinkUsb);
    EXPECT_TRUE(dlg.SerialList()->isEnabled());
    EXPECT_FALSE(dlg.AddressEdit()->isEnabled());
}

TEST(TransferApp, ProgressBarTextAndTwoColourPainting) {
    CTextProgressCtrl bar;
    bar.resize(200, 20);
    bar.SetCaption(QString::fromUtf8("下载GUI:"));
    bar.SetRange(0, 10);
    bar.SetPos(5);
    EXPECT_EQ(bar.DisplayText(), QString::fromUtf8("下载GUI:50%"));
    bar.SetPos(0);
    EXPECT_EQ(bar.DisplayText(), QString::fromUtf8("下载GUI:"));
    bar.SetCaption("");
    EXPECT_EQ(bar.DisplayText(), "");
    EXPECT_EQ(bar.StepIt(), 0);
    EXPECT_EQ(bar.GetPos(), 1);
    EXPECT_EQ(bar.DisplayText(), "10%");

    bar.SetPos(5);
    const QImage image = bar.grab().toImage();
    const QColor highlight = bar.palette().color(QPalette::Highlight);
    const QColor base = bar.palette().color(QPalette::Base);
    // Top row: no text there, only the two fills.
    EXPECT_EQ(QColor(image.pixel(2, 0)), highlight);
    EXPECT_EQ(QColor(image.pixel(97, 0)), highlight);
    EXPECT_EQ(QColor(image.pixel(102, 0)), base);
    EXPECT_EQ(QColor(image.pixel(197, 0)), base);
    // The text "50%" straddles the split: base-coloured ink on the left of it,
    // highlight-coloured ink on the right, and no other colours in the row band.
    bool baseInkInDone = false, highlightInkInRest = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QColor c(image.pixel(x, y));
            if (x < 100 && c != highlight) {
                baseInkInDone = true;
            }
            if (x >= 100 && c != base) {
                highlightInkInRest = true;
            }
        }
    }
    EXPECT_TRUE(baseInkInDone);
    EXPECT_TRUE(highlightInkInRest);

    // An empty range draws no bar.
    bar.SetRange(5, 5);
    EXPECT_EQ(bar.DisplayText(), "");
    EXPECT_EQ(QColor(bar.grab().toImage().pixel(2, 0)), base);
}

TEST(TransferApp, ProgressRepaintsOnlyWhenSomethingVisibleChanges) {
    CTextProgressCtrl bar;
    bar.resize(100, 20);
    bar.SetRange(0, 1000);
    bar.show();
    ASSERT_TRUE(WaitFor([&] { return bar.PaintCount() > 0; }));
    const int before = bar.PaintCount();
    bar.SetPos(1); // 0.1 % of 100 px: the filled width stays 0
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(bar.PaintCount(), before);
    bar.SetPos(500);
    ASSERT_TRUE(WaitFor([&] { return bar.PaintCount() > before; }));
    const int after = bar.PaintCount();
    bar.SetCaption(""); // unchanged caption
    QApplication::processEvents();
    EXPECT_EQ(bar.PaintCount(), after);
}

TEST(TransferApp, OneCopyPerProgram) {
    const QString suffix = QString::number(::getpid());
    CSingleInstance first("CaldoLoader-test-" + suffix);
    ASSERT_TRUE(first.TryBecomePrimary());
    bool activated = false;
    QObject::connect(&first, &CSingleInstance::activationRequested, [&] { activated = true; });

    CSingleInstance second("CaldoLoader-test-" + suffix);
    EXPECT_FALSE(second.TryBecomePrimary());
    EXPECT_TRUE(second.ActivatePrimary());
    EXPECT_TRUE(WaitFor([&] { return activated; }));

    // The other program runs side by side.
    CSingleInstance other("CaldoTransfer-test-" + suffix);
    EXPECT_TRUE(other.TryBecomePrimary());
}

TEST(TransferApp, SecondCopyBringsTheFirstWindowToTheFront) {
    CTransferDlg dlg(TransferVariant::Loader, {"CaldoLoader"});
    const QString suffix = QString::number(::getpid());
    CSingleInstance first("CaldoLoader-front-" + suffix);
    ASSERT_TRUE(first.TryBecomePrimary());
    QObject::connect(&first, &CSingleInstance::activationRequested, &dlg, &CTransferDlg::BringToFront);
    dlg.showMinimized();
    CSingleInstance second("CaldoLoader-front-" + suffix);
    ASSERT_TRUE(second.ActivatePrimary());
    EXPECT_TRUE(WaitFor([&] { return dlg.isVisible() && !dlg.isMinimized(); }));
}

// A dialog wired to a simulated panel in this process.
struct DialogRun {
    DialogRun(TransferVariant variant, panelsim::Config config) : panel(std::move(config)) {
        test::PackageContents pkg;
        pkg.user = test::PatternBytes(4000, 7);
        pkg.gui1 = test::PatternBytes(500, 8);
        pkg.gui2 = test::PatternBytes(400, 9);
        pkg.sections = {test::PatternBytes(300, 10)};
        user = pkg.user;
        test::WriteFile(dir.Path() / "p.qk", test::BuildPackage(pkg));
        dlg = std::make_unique<CTransferDlg>(
            variant, QStringList{"x", "-D", "-f", QString::fromStdString((dir.Path() / "p.qk").string())});
        dlg->SetLinkFactory([this](const CLinkSettings&) {
            return std::make_unique<test::EmulatorLink>(panel, 1024, LengthOrder::HighFirst);
        });
        dlg->SetMessagePresenter([this](const QString& m) { messages.push_back(m.toStdString()); });
        QObject::connect(dlg.get(), &CTransferDlg::runCompleted, [this](bool ok) {
            finished = true;
            result = ok;
        });
        dlg->show();
    }

    panelsim::PanelModel panel;
    test::TempDir dir;
    test::Bytes user;
    std::unique_ptr<CTransferDlg> dlg;
    std::vector<std::string> messages;
    bool finished = false;
    bool result = false;
};

TEST(TransferApp, CaldoTransferStaysOpenAndReenablesTheButton) {
    DialogRun run(TransferVariant::Transfer, test::EmulatorConfig(1, false, 5));
    run.dlg->DownloadButton()->click();
    EXPECT_FALSE(run.dlg->DownloadButton()->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return run.finished; }));
    EXPECT_TRUE(run.result);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_TRUE(run.dlg->DownloadButton()->isEnabled());
    EXPECT_TRUE(run.dlg->isVisible());
    EXPECT_EQ(run.panel.Regions().at("userdata.bin"), run.user);
    EXPECT_EQ(run.dlg->Progress()->Caption(), QString::fromUtf8("烧写驱动(0)成功！"));
}

TEST(TransferApp, CaldoLoaderClosesAfterAFailedRunOnceTheMessageIsShown) {
    panelsim::Config config = test::EmulatorConfig(1, false, 5);
    config.faults.failVerify = 1;
    DialogRun run(TransferVariant::Loader, config);
    run.dlg->DownloadButton()->click();
    ASSERT_TRUE(WaitFor([&] { return run.finished; }));
    EXPECT_FALSE(run.result);
    EXPECT_EQ(run.messages, std::vector<std::string>{"烧写用户数据失败！"});
    EXPECT_TRUE(WaitFor([&] { return !run.dlg->isVisible(); }));
}

TEST(TransferApp, ClosingDuringARunLetsTheRunFinishFirst) {
    DialogRun run(TransferVariant::Transfer, test::EmulatorConfig(1, false, 5));
    bool dialogFinished = false;
    bool runWasOverWhenFinished = false;
    QObject::connect(run.dlg.get(), &QDialog::finished, [&] {
        dialogFinished = true;
        runWasOverWhenFinished = run.finished;
    });
    run.dlg->DownloadButton()->click();
    run.dlg->close();  // the window button
    run.dlg->reject(); // Escape
    EXPECT_FALSE(run.dlg->isVisible());
    EXPECT_TRUE(run.dlg->Running());
    ASSERT_TRUE(WaitFor([&] { return dialogFinished; }));
    EXPECT_TRUE(runWasOverWhenFinished);
    EXPECT_TRUE(run.result);
    EXPECT_EQ(run.panel.Regions().at("userdata.bin"), run.user);
}

} // namespace
} // namespace caldo

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
