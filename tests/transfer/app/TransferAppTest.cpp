// CaldoLoader and CaldoTransfer dialogs offscreen: command lines, link
// settings, the progress bar's painting, one copy per program, and whole runs
// against the simulated panel on the worker thread.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

#include <thread>

#include "CSingleInstance.h"
#include "LinkChoiceStore.h"
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

    first.SetResponder([](const QString& package) { return QStringLiteral("took ") + package; });

    CSingleInstance second("CaldoLoader-test-" + suffix);
    EXPECT_FALSE(second.TryBecomePrimary());
    // The second copy waits for the answer while the first runs its event loop.
    bool answered = false;
    QString answer;
    std::thread secondCopy([&] { answered = second.ActivatePrimary(QStringLiteral("/p/b.qk"), &answer); });
    EXPECT_TRUE(WaitFor([&] { return activated; }));
    WaitFor([] { return false; }, 100);
    secondCopy.join();
    EXPECT_TRUE(answered);
    EXPECT_EQ(answer, QStringLiteral("took /p/b.qk"));

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
    std::thread secondCopy([&] { second.ActivatePrimary(); });
    EXPECT_TRUE(WaitFor([&] { return dlg.isVisible() && !dlg.isMinimized(); }));
    secondCopy.join();
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
    EXPECT_EQ(run.dlg->PanelLabel()->text(), QString::fromUtf8("设备：未连接"));
    run.dlg->DownloadButton()->click();
    EXPECT_FALSE(run.dlg->DownloadButton()->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return run.finished; }));
    EXPECT_TRUE(run.result);
    // Success is confirmed; the panel's model and GUI version are shown.
    EXPECT_EQ(run.messages, std::vector<std::string>{text::kDownloadDone});
    EXPECT_EQ(run.dlg->PanelLabel()->text(), QString::fromUtf8("设备：型号 1，GUI版本 5（模拟设备）"));
    EXPECT_TRUE(run.dlg->DownloadButton()->isEnabled());
    EXPECT_TRUE(run.dlg->isVisible());
    EXPECT_EQ(run.panel.Regions().at("userdata.bin"), run.user);
    EXPECT_EQ(run.dlg->Progress()->Caption(), QString::fromUtf8("烧写驱动(0)成功！"));
}

TEST(TransferApp, CaldoLoaderKeepsItsWindowAfterAFailureAndOffersARetry) {
    panelsim::Config config = test::EmulatorConfig(1, false, 5);
    config.faults.failVerify = 1; // only the first verification fails
    DialogRun run(TransferVariant::Loader, config);
    auto* packageLabel = run.dlg->findChild<QLabel*>("packageLabel");
    ASSERT_NE(packageLabel, nullptr);
    EXPECT_TRUE(packageLabel->text().endsWith(QString::fromStdString((run.dir.Path() / "p.qk").string())));
    run.dlg->DownloadButton()->click();
    ASSERT_TRUE(WaitFor([&] { return run.finished; }));
    EXPECT_FALSE(run.result);
    EXPECT_EQ(run.messages,
              std::vector<std::string>{"烧写用户数据失败！\n设备已退出下载模式，但工程数据不完整：请重新下载。"});
    // The window stays, with the button offering a retry.
    WaitFor([] { return false; }, 50);
    EXPECT_TRUE(run.dlg->isVisible());
    EXPECT_EQ(run.dlg->DownloadButton()->text(), QString::fromUtf8("重试"));
    EXPECT_TRUE(run.dlg->DownloadButton()->isEnabled());

    // The retry succeeds; the success is confirmed before the window closes.
    run.finished = false;
    bool visibleWhenConfirmed = false;
    run.dlg->SetMessagePresenter([&](const QString& m) {
        run.messages.push_back(m.toStdString());
        visibleWhenConfirmed = run.dlg->isVisible();
    });
    run.dlg->DownloadButton()->click();
    ASSERT_TRUE(WaitFor([&] { return run.finished; }));
    EXPECT_TRUE(run.result);
    EXPECT_EQ(run.messages.back(), text::kDownloadDone);
    EXPECT_TRUE(visibleWhenConfirmed);
    EXPECT_TRUE(WaitFor([&] { return !run.dlg->isVisible(); }));
    EXPECT_EQ(run.panel.Regions().at("userdata.bin"), run.user);
}

TEST(TransferApp, LinkChoiceIsRememberedAndTheCallersChoiceWins) {
    LinkChoiceStore store(QStringLiteral("CaldoTransferTools"));
    LinkChoice saved;
    saved.kind = kLinkUdp;
    saved.address = QStringLiteral("10.1.2.3");
    saved.port = QStringLiteral("4000");
    saved.serialDevice = QStringLiteral("/dev/pts/77");
    saved.usbId = QStringLiteral("1234:abcd");
    store.Save(saved);
    {
        CTransferDlg dlg(TransferVariant::Loader, {"CaldoLoader"});
        const CLinkSettings s = dlg.CollectLinkSettings();
        EXPECT_EQ(s.kind, kLinkUdp);
        EXPECT_EQ(s.addressText, "10.1.2.3");
        EXPECT_EQ(s.portText, "4000");
        EXPECT_EQ(dlg.UsbIdEdit()->text(), "1234:abcd");
        // A device that is not enumerated is offered as it was saved.
        EXPECT_EQ(dlg.SerialList()->currentData().toString(), "/dev/pts/77");
        dlg.SetLinkKind(kLinkSerial);
        EXPECT_EQ(dlg.CollectLinkSettings().serialPortName, "/dev/pts/77");
        dlg.SetLinkKind(kLinkUsb);
        const CLinkSettings usb = dlg.CollectLinkSettings();
        ASSERT_EQ(usb.usbIds.size(), 1u);
        EXPECT_EQ(usb.usbIds[0].vendorId, 0x1234);
        // An empty id leaves the identities to the discovery file.
        dlg.UsbIdEdit()->clear();
        EXPECT_TRUE(dlg.CollectLinkSettings().usbIds.empty());
    }
    {
        // The designer's link choice on the command line wins over the saved one.
        CTransferDlg dlg(TransferVariant::Loader, {"CaldoLoader", "-D", "-f", "/p/a.qk", "--udp", "10.9.9.9:5001"});
        const CLinkSettings s = dlg.CollectLinkSettings();
        EXPECT_EQ(s.addressText, "10.9.9.9");
        EXPECT_EQ(s.portText, "5001");
    }
    store.Save(LinkChoice{});
    CTransferDlg fresh(TransferVariant::Transfer, {"CaldoTransfer"});
    EXPECT_EQ(fresh.CollectLinkSettings().kind, kLinkUsb);
}

TEST(TransferApp, ASecondStartWithAnotherPackage) {
    DialogRun run(TransferVariant::Loader, test::EmulatorConfig(1, false, 5));
    const QString own = run.dlg->PackagePath();
    // The same package: nothing to add to the designed message.
    EXPECT_EQ(run.dlg->HandleSecondStart(own), QString());
    // An idle window takes the new package and says which it held.
    const QString other = QStringLiteral("/p/other.qk");
    const QString taken = run.dlg->HandleSecondStart(other);
    EXPECT_TRUE(taken.contains(own) && taken.contains(other)) << taken.toStdString();
    EXPECT_EQ(run.dlg->PackagePath(), other);
    // A window without a package takes it too.
    CTransferDlg empty(TransferVariant::Transfer, {"CaldoTransfer"});
    EXPECT_TRUE(empty.HandleSecondStart(other).contains(QString::fromUtf8("已取得工程包")));
    EXPECT_EQ(empty.PackagePath(), other);
    // A running window keeps its package and says so.
    run.dlg->SetPackagePath(own);
    run.dlg->SetLinkFactory([&run](const CLinkSettings&) -> std::unique_ptr<CTransferLink> {
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // a slow panel
        return std::make_unique<test::EmulatorLink>(run.panel, 1024, LengthOrder::HighFirst);
    });
    run.dlg->DownloadButton()->click();
    ASSERT_TRUE(run.dlg->Running());
    const QString busy = run.dlg->HandleSecondStart(other);
    EXPECT_TRUE(busy.contains(QString::fromUtf8("正在下载另一个工程包"))) << busy.toStdString();
    EXPECT_EQ(run.dlg->PackagePath(), own);
    ASSERT_TRUE(WaitFor([&] { return run.finished; }));
    EXPECT_TRUE(run.result);
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
    // The dialogs remember their link choice; the tests keep theirs apart.
    caldo::test::TempDir config;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.Path().string()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
